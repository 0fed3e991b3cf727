#pragma once
// The rules of the information page without its web view: which page the
// button asks for, which navigations stay in the dialog and which go to the
// player's browser, and what is shown when the maker's site cannot be had.
#include <QString>
#include <QStringList>

#include <functional>

namespace talvern::settings {

inline const QString kRefreshCaption = QStringLiteral("Обновить");
inline const QString kNextCaption = QStringLiteral("Далее");
inline const QString kInfoNote =
    QStringLiteral("Информация обновляется через интернет. Нажимайте \"обновить\" и \"далее\" чтобы увидеть все.");
inline const QString kRefreshHint =
    QStringLiteral("Информация обновляется через Интернет.\nНажмите и дождитесь обновления.");
// The page stored inside the program, shown by the web view's resource scheme.
inline const QString kLocalPage = QStringLiteral("qrc:/talvern/myhtml.html");
inline constexpr int kSitePageCount = 10;

// What the rules ask of the web view.
class InfoView {
public:
    virtual ~InfoView() = default;
    // Load a page afresh, never from a cache.
    virtual void navigate(const QString& address) = 0;
    virtual void openInBrowser(const QString& address) = 0;
    // The document body's overflow hidden both ways; and its border "none".
    virtual void hideScrollBars() = 0;
    virtual void hideBorder() = 0;
};

// Whether a site can exist at all: names under the top-level domains kept
// for examples and tests never resolve, so asking the network for them
// would only send a lookup nobody can answer.
bool hostCanExist(const QString& address);

class InfoPageFlow {
public:
    // `sitePages` are the maker's ten information pages (web::infoPage).
    InfoPageFlow(InfoView& view, std::function<bool()> connected, QStringList sitePages);

    // Index 0 the local page, 1..10 the site's pages.
    const QStringList& pages() const { return pages_; }
    int index() const { return index_; }
    bool ownPage() const { return ownPage_; }
    const QString& caption() const { return caption_; }  // btnRefresh
    const QString& note() const { return note_; }        // Label74

    // The dialog's creation: the first page starts loading.
    void prepare();
    // Each activation of the dialog.
    void reset();
    void buttonPressed();

    // The web view's events. beforeNavigation returns false when the
    // navigation is cancelled (it went to the browser instead).
    bool beforeNavigation(const QString& address);
    void navigationComplete();
    void documentComplete(const QString& address);
    // A page of the list that could not be loaded: the local page instead.
    void loadFailed(const QString& address);

private:
    void go(int index);

    InfoView& view_;
    std::function<bool()> connected_;
    QStringList pages_;
    int index_ = 0;
    bool ownPage_ = false;
    QString caption_ = kRefreshCaption;
    QString note_ = kInfoNote;
};

} // namespace talvern::settings
