#pragma once
// The information page "Игра на Интерес": the maker's news in an embedded
// web view, the button that steps through them and the note under it. The
// rules are InfoPageFlow's; this binds them to Qt WebEngine.
#include <QStringList>
#include <QWidget>

#include <functional>

#include "infopageflow.h"

class QLabel;
class QWebEngineProfile;
class QWebEngineView;

namespace talvern::settings {

class CaptionButton;
class InfoWebPage;

// Before the QApplication exists: Chromium will not start its sandbox for
// root, and Qt WebEngine wants shared OpenGL contexts.
void prepareWebEngine();
// Whether Qt WebEngine's helper process is there to be started.
bool webEngineProcessFound();

class InfoPage : public QWidget, private InfoView {
    Q_OBJECT
public:
    using Connected = std::function<bool()>;
    // The site's ten pages come from web::infoPage unless given.
    explicit InfoPage(QWidget* parent = nullptr, Connected connected = {}, QStringList sitePages = {});
    ~InfoPage() override;

    InfoPageFlow& flow() { return *flow_; }
    // Each activation of the dialog.
    void reset();

    // nullptr when the web engine's process is missing: the local page's
    // words are shown without it.
    QWebEngineView* view() const { return view_; }
    QLabel* fallback() const { return fallback_; }  // shown when the web engine is gone

    QWidget* frame;
    CaptionButton* btnRefresh;
    QLabel* Label74;

signals:
    // A page finished loading (document complete), or failed to.
    void pageLoaded(const QString& address, bool ok);
    // A navigation that was cancelled and handed to the browser.
    void handedToBrowser(const QString& address);

private:
    // InfoView
    void navigate(const QString& address) override;
    void openInBrowser(const QString& address) override;
    void hideScrollBars() override;
    void hideBorder() override;
    void showFallback();
    void makeWebView();

    QWebEngineProfile* profile_ = nullptr;
    QWebEngineView* view_ = nullptr;
    InfoWebPage* page_ = nullptr;
    QLabel* fallback_ = nullptr;
    std::unique_ptr<InfoPageFlow> flow_;
};

} // namespace talvern::settings
