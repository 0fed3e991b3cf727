// talvern-infoweb.so: the information page's web view on Qt WebEngine, in
// a plugin of its own so that only this library links the web engine.
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "infoweb.h"

namespace talvern::settings {
namespace {

// Asks the page's rules before each navigation of the main frame. A frame
// inside a page loads as the page wants: it cannot be shown anywhere else.
class Page : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    std::function<bool(const QUrl&)> before;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return !isMainFrame || !before || before(url);
    }
};

class WebView final : public InfoWeb {
public:
    explicit WebView(QWidget* parent) {
        // Off the record: nothing of the site is kept on the player's disk.
        profile_ = new QWebEngineProfile;
        profile_->setHttpCacheType(QWebEngineProfile::NoCache);
        profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

        view_ = new QWebEngineView(parent);
        page_ = new Page(profile_, view_);
        page_->setBackgroundColor(QColor(0x00, 0x66, 0x00));
        page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        page_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        page_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        view_->setPage(page_);

        page_->before = [this](const QUrl& url) { return !beforeNavigation || beforeNavigation(url.toString()); };
        QObject::connect(page_, &QWebEnginePage::loadingChanged, view_, [this](const QWebEngineLoadingInfo& info) {
            if (!loaded) return;
            const QString address = info.url().toString();
            if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) loaded(address, true);
            else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) loaded(address, false);
        });
        QObject::connect(page_, &QWebEnginePage::newWindowRequested, view_, [this](QWebEngineNewWindowRequest& r) {
            if (newWindow) newWindow(r.requestedUrl().toString());
        });
        QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, view_, [this] {
            if (died) died();
        });
    }

    ~WebView() override {
        // The page (a child of the view) goes before the profile it was made with.
        if (page_) page_->before = nullptr;
        delete view_.data();
        delete profile_;
    }

    QWidget* widget() override { return view_; }

    void load(const QString& address) override {
        QWebEngineHttpRequest request{QUrl(address)};
        request.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
        request.setHeader(QByteArrayLiteral("Pragma"), QByteArrayLiteral("no-cache"));
        page_->load(request);
    }

    void runScript(const QString& script) override {
        page_->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    }

private:
    QWebEngineProfile* profile_ = nullptr;
    QPointer<QWebEngineView> view_;
    QPointer<Page> page_;
};

} // namespace

class InfoWebPlugin : public QObject, public InfoWebFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TALVERN_INFOWEB_IID)
    Q_INTERFACES(talvern::settings::InfoWebFactory)

public:
    InfoWeb* create(QWidget* parent) override { return new WebView(parent); }
};

} // namespace talvern::settings

#include "infowebplugin.moc"
