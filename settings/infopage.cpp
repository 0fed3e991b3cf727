#include "infopage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <QUrl>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

#include "artkit.h"
#include "connection.h"
#include "controller.h"
#include "controls.h"
#include "settingsart.h"

namespace talvern::settings {

namespace kit = talvern::art::kit;

void prepareWebEngine() {
    // Chromium refuses its sandbox to root; the player's own account keeps it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!QCoreApplication::instance()) QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// Asks the rules before each navigation of the page's main frame. A frame
// inside a page loads as the page wants: it cannot be shown anywhere else.
class InfoWebPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    std::function<bool(const QUrl&)> before;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return !isMainFrame || !before || before(url);
    }
};

namespace {

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
    }
};

QStringList defaultSitePages() {
    QStringList pages;
    for (int n = 1; n <= kSitePageCount; ++n) pages << web::infoPage(n);
    return pages;
}

} // namespace

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
    prepareWebEngine();
    if (!connected) connected = systemIsOnline;
    if (sitePages.isEmpty()) sitePages = defaultSitePages();

    frame = new Bezel(this);
    frame->setObjectName(QStringLiteral("Frame"));
    frame->setGeometry(4, 6, 697, 393);

    fallback_ = new QLabel(frame);
    fallback_->setObjectName(QStringLiteral("LocalPage"));
    fallback_->setGeometry(8, 16, 680, 360);
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
        if (view_) {
            fallback_->hide();
            view_->show();
        }
        flow_->buttonPressed();
        btnRefresh->setText(flow_->caption());
        btnRefresh->update();
    });
    if (webEngineProcessFound()) makeWebView();
    flow_->prepare();
}

void InfoPage::makeWebView() {
    // Off the record: nothing of the site is kept on the player's disk.
    profile_ = new QWebEngineProfile(this);
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

    view_ = new QWebEngineView(frame);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setGeometry(8, 16, 680, 360);
    view_->setFocusPolicy(Qt::ClickFocus);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    page_ = new InfoWebPage(profile_, view_);
    page_->setBackgroundColor(QColor(0x00, 0x66, 0x00));
    page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    page_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    page_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    view_->setPage(page_);
    fallback_->raise();

    page_->before = [this](const QUrl& url) { return flow_->beforeNavigation(url.toString()); };
    connect(page_, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        const QString address = info.url().toString();
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            flow_->navigationComplete();
            flow_->documentComplete(address);
            emit pageLoaded(address, true);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            emit pageLoaded(address, false);
            flow_->loadFailed(address);
            break;
        default: break;
        }
    });
    connect(page_, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) { openInBrowser(request.requestedUrl().toString()); });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this] { showFallback(); });
}

InfoPage::~InfoPage() {
    // The page goes before the profile it was made with.
    if (page_) page_->before = nullptr;
    delete view_;
}

void InfoPage::reset() {
    flow_->reset();
    btnRefresh->setText(flow_->caption());
    btnRefresh->update();
    Label74->setText(flow_->note());
}

void InfoPage::navigate(const QString& address) {
    if (!page_) {
        showFallback();
        return;
    }
    QWebEngineHttpRequest request{QUrl(address)};
    request.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    request.setHeader(QByteArrayLiteral("Pragma"), QByteArrayLiteral("no-cache"));
    page_->load(request);
}

void InfoPage::openInBrowser(const QString& address) {
    emit handedToBrowser(address);
    QDesktopServices::openUrl(QUrl(address));
}

void InfoPage::hideScrollBars() {
    if (!page_) return;
    page_->runJavaScript(QStringLiteral("if (document.body) {"
                                        " document.body.style.overflowX = 'hidden';"
                                        " document.body.style.overflowY = 'hidden'; }"),
                         QWebEngineScript::ApplicationWorld);
}

void InfoPage::hideBorder() {
    if (!page_) return;
    page_->runJavaScript(QStringLiteral("if (document.body) document.body.style.border = 'none';"),
                         QWebEngineScript::ApplicationWorld);
}

void InfoPage::showFallback() {
    // The web engine is gone (it could not start, or its process died): the
    // local page's words, without it.
    if (view_) view_->hide();
    fallback_->show();
}

} // namespace talvern::settings
