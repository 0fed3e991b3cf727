#pragma once
// The information page "Игра на Интерес": the maker's news in an embedded
// web view, the button that steps through them and the note under it. The
// rules are InfoPageFlow's; the web view comes from the talvern-infoweb
// plugin (infoweb.h), loaded when the page is first shown.
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

#include "infopageflow.h"

class QLabel;

namespace talvern::settings {

class CaptionButton;
class InfoWeb;

// Before the web engine starts (the plugin does it as it loads): Chromium
// will not start its sandbox for root.
void prepareWebEngine();
// Whether Qt WebEngine's helper process is there to be started.
bool webEngineProcessFound();
// Where the web view's plugin is looked for, in order: beside an installed
// program, then in the build tree.
QStringList webPluginFiles();
// Tests point the search elsewhere; an empty list restores it.
void setWebPluginFiles(const QStringList& files);

class InfoPage : public QWidget, private InfoView {
    Q_OBJECT
public:
    using Connected = std::function<bool()>;
    // The site's ten pages come from web::infoPage unless given. Nothing
    // of the web engine is loaded and no page asked for until the page is
    // first shown; then the first page of the flow is loaded.
    explicit InfoPage(QWidget* parent = nullptr, Connected connected = {}, QStringList sitePages = {});
    ~InfoPage() override;

    InfoPageFlow& flow() { return *flow_; }
    // Each activation of the dialog.
    void reset();

    // The web view (a QWebEngineView): nullptr until the page is first
    // shown, and for good when the web engine's process or plugin is
    // missing; the local page's words are shown without it then.
    QWidget* view() const;
    QLabel* fallback() const { return fallback_; }  // shown when the web engine is gone
    // Whether the page has been shown and its first page asked for.
    bool started() const { return started_; }

    QWidget* frame;
    CaptionButton* btnRefresh;
    QLabel* Label74;

protected:
    void showEvent(QShowEvent* e) override;

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
    void start();
    bool makeWebView();

    std::unique_ptr<InfoWeb> web_;
    QLabel* fallback_ = nullptr;
    std::unique_ptr<InfoPageFlow> flow_;
    bool started_ = false;
};

} // namespace talvern::settings
