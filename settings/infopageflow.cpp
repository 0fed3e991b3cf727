#include "infopageflow.h"

#include <QUrl>

namespace talvern::settings {

bool hostCanExist(const QString& address) {
    const QUrl url(address);
    if (url.scheme() == QLatin1String("qrc") || url.isLocalFile()) return true;
    const QString host = url.host().toLower();
    if (host.isEmpty()) return false;
    for (const char* reserved : {"example", "invalid", "test"}) {
        const QString tld = QString::fromLatin1(reserved);
        if (host == tld || host.endsWith(u'.' + tld)) return false;
    }
    return true;
}

InfoPageFlow::InfoPageFlow(InfoView& view, std::function<bool()> connected, QStringList sitePages)
    : view_(view), connected_(std::move(connected)) {
    pages_ << kLocalPage;
    for (int i = 0; i < kSitePageCount; ++i) pages_ << (i < sitePages.size() ? sitePages[i] : QString());
}

void InfoPageFlow::go(int index) {
    const QString& address = pages_[index];
    view_.navigate(index > 0 && !hostCanExist(address) ? kLocalPage : address);
}

void InfoPageFlow::prepare() {
    index_ = connected_() ? 1 : 0;
    go(index_);
}

void InfoPageFlow::reset() {
    note_ = kInfoNote;
    caption_ = kRefreshCaption;
}

void InfoPageFlow::buttonPressed() {
    if (connected_()) {
        ++index_;
        caption_ = kNextCaption;
    } else {
        index_ = 0;
    }
    if (index_ >= kSitePageCount) index_ = 1;
    // What the button asks for is shown here, not in the browser.
    ownPage_ = false;
    go(index_);
}

bool InfoPageFlow::beforeNavigation(const QString& address) {
    if (!ownPage_) return true;
    view_.openInBrowser(address);
    return false;
}

void InfoPageFlow::navigationComplete() { view_.hideScrollBars(); }

void InfoPageFlow::documentComplete(const QString& address) {
    if (pages_.contains(address)) ownPage_ = true;
    view_.hideScrollBars();
    view_.hideBorder();
}

void InfoPageFlow::loadFailed(const QString& address) {
    const qsizetype i = pages_.indexOf(address);
    // The site's own error page would only say that the site was not there;
    // the local page says what to do about it.
    if (i > 0 && !ownPage_) view_.navigate(kLocalPage);
}

} // namespace talvern::settings
