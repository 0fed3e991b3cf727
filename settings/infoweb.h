#pragma once
// The information page's web view comes from a plugin, talvern-infoweb.so,
// loaded the first time the page is shown: the program itself does not link
// Qt WebEngine, so a player who never opens the page never pays for its
// start, its memory or its processes. This is all the two sides share.
#include <QString>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace talvern::settings {

// One web view with its page, in an off-the-record profile that keeps
// nothing of the site on the player's disk.
class InfoWeb {
public:
    virtual ~InfoWeb() = default;
    // The view; a child of the parent it was made for.
    virtual QWidget* widget() = 0;
    // Loads a page afresh, never from a cache.
    virtual void load(const QString& address) = 0;
    // Runs a script in a world of its own, beside the page's scripts.
    virtual void runScript(const QString& script) = 0;

    // Asked before each navigation of the main frame: false cancels it.
    std::function<bool(const QString& address)> beforeNavigation;
    // A page finished loading (document complete), or failed to.
    std::function<void(const QString& address, bool ok)> loaded;
    // The page asked for a window of its own.
    std::function<void(const QString& address)> newWindow;
    // The web engine's process for the page ended.
    std::function<void()> died;
};

class InfoWebFactory {
public:
    virtual ~InfoWebFactory() = default;
    // A new view in `parent` with the page's green behind it; the caller
    // owns it and deletes it before the parent.
    virtual InfoWeb* create(QWidget* parent) = 0;
};

} // namespace talvern::settings

#define TALVERN_INFOWEB_IID "example.ostrel.Talvern.InfoWebFactory/1"
Q_DECLARE_INTERFACE(talvern::settings::InfoWebFactory, TALVERN_INFOWEB_IID)
