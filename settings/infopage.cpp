#include "infopage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <QPluginLoader>
#include <QTimer>
#include <QUrl>
#if QT_CONFIG(opengl)
#include <QOpenGLContext>
#endif

#include <unistd.h>

#include "artkit.h"
#include "connection.h"
#include "controller.h"
#include "controls.h"
#include "infoweb.h"
#include "settingsart.h"

#if QT_CONFIG(opengl)
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE
#endif

namespace talvern::settings {

namespace kit = talvern::art::kit;

namespace {
const QRect kViewRect(8, 16, 680, 360);  // the web view in its frame
} // namespace

void prepareWebEngine() {
    // Chromium refuses its sandbox to root; the player's own account keeps it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

namespace {

QStringList& pluginFilesGiven() {
    static QStringList files;
    return files;
}

#if QT_CONFIG(opengl)
QOpenGLContext* g_shareContext = nullptr;

void dropShareContext() {
    qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}
#endif

// Qt WebEngine hands its pictures over through Qt's global OpenGL share
// context, which a program linking it has made as its application starts.
// Made here instead, just before the plugin loads: a run that never shows
// the page never starts OpenGL at all.
void shareOpenGL() {
#if QT_CONFIG(opengl)
    if (QOpenGLContext::globalShareContext() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    g_shareContext = new QOpenGLContext;
    g_shareContext->setFormat(QSurfaceFormat::defaultFormat());
    g_shareContext->create();  // without OpenGL the web engine draws in software all the same
    qt_gl_set_global_share_context(g_shareContext);
    qAddPostRoutine(dropShareContext);
#endif
}

// The plugin's factory, or nullptr when no plugin file loads (not built,
// not installed, or the web engine's libraries are missing).
InfoWebFactory* webFactory() {
    for (const QString& file : webPluginFiles()) {
        if (!QFileInfo::exists(file)) continue;
        prepareWebEngine();
        shareOpenGL();
        QPluginLoader loader(file);  // the library stays loaded when the loader goes
        if (auto* factory = qobject_cast<InfoWebFactory*>(loader.instance())) return factory;
        qWarning("information page: %s", qPrintable(loader.errorString()));
    }
    return nullptr;
}

// The frame the web view sits in: a brass bezel on the felt.
class Bezel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        kit::recess(p, r, 8, QColor(8, 30, 16));
        kit::metalRing(p, r, 8, 2.4, kit::Metal::Brass);
        // The page's own green where the web view comes, while it comes.
        p.fillRect(kViewRect, QColor(0x00, 0x66, 0x00));
    }
};

QStringList defaultSitePages() {
    QStringList pages;
    for (int n = 1; n <= kSitePageCount; ++n) pages << web::infoPage(n);
    return pages;
}

} // namespace

QStringList webPluginFiles() {
    if (!pluginFilesGiven().isEmpty()) return pluginFilesGiven();
    const QString name = QStringLiteral("/talvern-infoweb.so");
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/" TALVERN_INSTALLED_PLUGIN_DIR) + name,
            QStringLiteral(TALVERN_BUILD_PLUGIN_DIR) + name};
}

void setWebPluginFiles(const QStringList& files) { pluginFilesGiven() = files; }

bool webEngineProcessFound() {
    // Where Qt WebEngine looks for its process; when it finds none it ends
    // the whole program at the first web object, so none is made then.
    const auto runnable = [](const QString& path) {
        const QFileInfo f(path);
        return f.isFile() && f.isExecutable();
    };
    const QString given = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!given.isEmpty()) return runnable(given);
    const QString name = QStringLiteral("/QtWebEngineProcess");
    return runnable(QCoreApplication::applicationDirPath() + name) ||
           runnable(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + name);
}

InfoPage::InfoPage(QWidget* parent, Connected connected, QStringList sitePages) : QWidget(parent) {
    setObjectName(QStringLiteral("InfoPage"));
    if (!connected) connected = systemIsOnline;
    if (sitePages.isEmpty()) sitePages = defaultSitePages();

    frame = new Bezel(this);
    frame->setObjectName(QStringLiteral("Frame"));
    frame->setGeometry(4, 6, 697, 393);

    fallback_ = new QLabel(frame);
    fallback_->setObjectName(QStringLiteral("LocalPage"));
    fallback_->setGeometry(kViewRect);
    fallback_->setAlignment(Qt::AlignCenter);
    fallback_->setWordWrap(true);
    fallback_->setAutoFillBackground(true);
    fallback_->setStyleSheet(QStringLiteral("QLabel { background: #006600; color: white; font: 16px 'DejaVu Serif';"
                                            " padding: 30px; }"));
    fallback_->setText(QStringLiteral("<p>Нажми \"Обновить\" чтобы получить самую последнюю и актуальную "
                                      "информацию.</p><p>(требуется подключение к интернет)</p>"));
    fallback_->hide();

    btnRefresh = new CaptionButton(QStringLiteral("btnRefresh"), kRefreshCaption, this);
    btnRefresh->setGeometry(10, 410, 97, 21);
    btnRefresh->setIconPicture([](qreal dpr) { return art::refreshIcon(dpr); });
    btnRefresh->setToolTip(kRefreshHint);

    Label74 = new QLabel(kInfoNote, this);
    Label74->setObjectName(QStringLiteral("Label74"));
    Label74->setGeometry(118, 404, 580, 34);
    Label74->setWordWrap(true);

    flow_ = std::make_unique<InfoPageFlow>(static_cast<InfoView&>(*this), std::move(connected), sitePages);
    connect(btnRefresh, &QAbstractButton::clicked, this, [this] {
        if (web_) {
            fallback_->hide();
            web_->widget()->show();
        }
        flow_->buttonPressed();
        btnRefresh->setText(flow_->caption());
        btnRefresh->update();
    });
}

QWidget* InfoPage::view() const { return web_ ? web_->widget() : nullptr; }

void InfoPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (started_) return;
    // The page's frame is drawn first; the web engine then starts, with
    // the page's green showing where its view comes.
    if (webEngineProcessFound()) QTimer::singleShot(0, this, [this] { start(); });
    else start();
}

void InfoPage::start() {
    if (started_) return;
    started_ = true;
    if (webEngineProcessFound()) makeWebView();
    flow_->prepare();
}

bool InfoPage::makeWebView() {
    InfoWebFactory* factory = webFactory();
    if (!factory) return false;
    web_.reset(factory->create(frame));
    QWidget* view = web_->widget();
    view->setObjectName(QStringLiteral("WebBrowser1"));
    view->setGeometry(kViewRect);
    view->setFocusPolicy(Qt::ClickFocus);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->show();
    fallback_->raise();

    web_->beforeNavigation = [this](const QString& address) { return flow_->beforeNavigation(address); };
    web_->loaded = [this](const QString& address, bool ok) {
        if (ok) {
            flow_->navigationComplete();
            flow_->documentComplete(address);
            emit pageLoaded(address, true);
        } else {
            emit pageLoaded(address, false);
            flow_->loadFailed(address);
        }
    };
    web_->newWindow = [this](const QString& address) { openInBrowser(address); };
    web_->died = [this] { showFallback(); };
    return true;
}

InfoPage::~InfoPage() {
    // The view goes before the frame it sits in.
    if (web_) web_->beforeNavigation = nullptr;
    web_.reset();
}

void InfoPage::reset() {
    flow_->reset();
    btnRefresh->setText(flow_->caption());
    btnRefresh->update();
    Label74->setText(flow_->note());
}

void InfoPage::navigate(const QString& address) {
    if (!web_) {
        showFallback();
        return;
    }
    web_->load(address);
}

void InfoPage::openInBrowser(const QString& address) {
    emit handedToBrowser(address);
    QDesktopServices::openUrl(QUrl(address));
}

void InfoPage::hideScrollBars() {
    if (!web_) return;
    web_->runScript(QStringLiteral("if (document.body) {"
                                   " document.body.style.overflowX = 'hidden';"
                                   " document.body.style.overflowY = 'hidden'; }"));
}

void InfoPage::hideBorder() {
    if (!web_) return;
    web_->runScript(QStringLiteral("if (document.body) document.body.style.border = 'none';"));
}

void InfoPage::showFallback() {
    // The web engine is gone (it could not start, its plugin is missing, or
    // its process died): the local page's words, without it.
    if (web_) web_->widget()->hide();
    fallback_->show();
}

} // namespace talvern::settings
