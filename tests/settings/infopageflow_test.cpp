// The information page's rules against a web view that only records what
// it is asked to do, with the connection switched on and off by the test.
#include <gtest/gtest.h>

#include <vector>

#include "controller.h"
#include "infopageflow.h"

namespace talvern::settings::test {
namespace {

struct RecordingView : InfoView {
    std::vector<QString> navigated, browser;
    int scrollBarsHidden = 0, bordersHidden = 0;
    void navigate(const QString& a) override { navigated.push_back(a); }
    void openInBrowser(const QString& a) override { browser.push_back(a); }
    void hideScrollBars() override { ++scrollBarsHidden; }
    void hideBorder() override { ++bordersHidden; }
};

QStringList site(const QString& host = QStringLiteral("http://127.0.0.1:8080")) {
    QStringList pages;
    for (int n = 1; n <= 10; ++n) pages << host + QStringLiteral("/ru/updweb/web/index%1.htm").arg(n);
    return pages;
}

struct Page {
    RecordingView view;
    bool online = true;
    InfoPageFlow flow{view, [this] { return online; }, site()};
    QString page(int n) const { return flow.pages()[n]; }
};

TEST(InfoPage, TheListIsTheLocalPageAndTheSitesTenPages) {
    Page p;
    ASSERT_EQ(p.flow.pages().size(), 11);
    EXPECT_EQ(p.flow.pages()[0], kLocalPage);
    EXPECT_EQ(p.flow.pages()[10], "http://127.0.0.1:8080/ru/updweb/web/index10.htm");
    // The program's own list is on the maker's host.
    QStringList real;
    for (int n = 1; n <= 10; ++n) real << web::infoPage(n);
    RecordingView v;
    InfoPageFlow f(v, [] { return false; }, real);
    EXPECT_EQ(f.pages()[3], web::kHost + "/ru/updweb/web/index3.htm");
}

TEST(InfoPage, ConnectedTheButtonStepsThroughPagesTwoToNineThenOne) {
    Page p;
    p.flow.prepare();
    ASSERT_EQ(p.view.navigated.size(), 1u);
    EXPECT_EQ(p.view.navigated.back(), p.page(1));
    EXPECT_EQ(p.flow.caption(), kRefreshCaption);
    for (int n = 2; n <= 4; ++n) {
        p.flow.buttonPressed();
        EXPECT_EQ(p.view.navigated.back(), p.page(n));
        EXPECT_EQ(p.flow.caption(), kNextCaption);
    }
    for (int n = 5; n <= 9; ++n) p.flow.buttonPressed();
    EXPECT_EQ(p.flow.index(), 9);
    p.flow.buttonPressed();
    EXPECT_EQ(p.view.navigated.back(), p.page(1));
    for (const QString& a : p.view.navigated) EXPECT_NE(a, p.page(10));
}

TEST(InfoPage, WithoutAConnectionEachPressShowsTheLocalPage) {
    Page p;
    p.online = false;
    p.flow.prepare();
    EXPECT_EQ(p.view.navigated.back(), kLocalPage);
    EXPECT_EQ(p.flow.index(), 0);
    p.flow.buttonPressed();
    p.flow.buttonPressed();
    EXPECT_EQ(p.view.navigated, (std::vector<QString>{kLocalPage, kLocalPage, kLocalPage}));
    EXPECT_EQ(p.flow.caption(), kRefreshCaption);
}

TEST(InfoPage, ALostConnectionShowsTheLocalPageAndTheNextPressStartsAtOne) {
    Page p;
    p.flow.prepare();
    p.flow.buttonPressed();  // page 2
    p.online = false;
    p.flow.buttonPressed();
    EXPECT_EQ(p.view.navigated.back(), kLocalPage);
    EXPECT_EQ(p.flow.index(), 0);
    p.online = true;
    p.flow.buttonPressed();
    EXPECT_EQ(p.view.navigated.back(), p.page(1));
}

TEST(InfoPage, ResetPutsBackCaptionAndNoteButNotThePage) {
    Page p;
    p.flow.prepare();
    p.flow.buttonPressed();
    p.flow.buttonPressed();
    EXPECT_EQ(p.flow.caption(), kNextCaption);
    p.flow.reset();
    EXPECT_EQ(p.flow.caption(), kRefreshCaption);
    EXPECT_EQ(p.flow.note(), kInfoNote);
    EXPECT_EQ(p.flow.index(), 3);
    p.flow.buttonPressed();
    EXPECT_EQ(p.view.navigated.back(), p.page(4));
}

TEST(InfoPage, OnceAPageOfTheListIsShownItsLinksGoToTheBrowser) {
    Page p;
    p.flow.prepare();
    // The page asked for loads in the view.
    EXPECT_TRUE(p.flow.beforeNavigation(p.page(1)));
    p.flow.navigationComplete();
    p.flow.documentComplete(p.page(1));
    EXPECT_TRUE(p.flow.ownPage());
    EXPECT_GE(p.view.scrollBarsHidden, 1);
    EXPECT_EQ(p.view.bordersHidden, 1);

    const QString link = QStringLiteral("http://127.0.0.1:8080/ru/games/poker.htm");
    EXPECT_FALSE(p.flow.beforeNavigation(link));
    EXPECT_EQ(p.view.browser, (std::vector<QString>{link}));

    // The button's page stays in the view.
    p.flow.buttonPressed();
    EXPECT_FALSE(p.flow.ownPage());
    EXPECT_TRUE(p.flow.beforeNavigation(p.page(2)));
    EXPECT_EQ(p.view.browser.size(), 1u);
}

TEST(InfoPage, OnlyAnAddressOfTheListCharacterForCharacterMakesItsOwnPage) {
    Page p;
    p.flow.prepare();
    p.flow.documentComplete(p.page(1) + "?from=view");
    EXPECT_FALSE(p.flow.ownPage());
    p.flow.documentComplete(QStringLiteral("HTTP://127.0.0.1:8080/ru/updweb/web/index1.htm"));
    EXPECT_FALSE(p.flow.ownPage());
    p.flow.documentComplete(kLocalPage);
    EXPECT_TRUE(p.flow.ownPage());
}

TEST(InfoPage, APageThatCannotBeHadShowsTheLocalPage) {
    Page p;
    p.flow.prepare();
    p.flow.loadFailed(p.page(1));
    EXPECT_EQ(p.view.navigated.back(), kLocalPage);
    EXPECT_EQ(p.flow.index(), 1);

    // Hosts under the names kept for examples are never asked for.
    RecordingView v;
    InfoPageFlow f(v, [] { return true; }, site(QStringLiteral("https://talvern.ostrel.example")));
    f.prepare();
    f.buttonPressed();
    EXPECT_EQ(v.navigated, (std::vector<QString>{kLocalPage, kLocalPage}));
    EXPECT_EQ(f.index(), 2);
    EXPECT_EQ(f.caption(), kNextCaption);
}

TEST(InfoPage, HostsThatCanExist) {
    EXPECT_TRUE(hostCanExist(QStringLiteral("https://games.ostrel.ru/ru/")));
    EXPECT_TRUE(hostCanExist(QStringLiteral("http://127.0.0.1:9/x")));
    EXPECT_TRUE(hostCanExist(kLocalPage));
    EXPECT_TRUE(hostCanExist(QStringLiteral("https://contest.ru/")));
    EXPECT_FALSE(hostCanExist(QStringLiteral("https://talvern.ostrel.example/ru/")));
    EXPECT_FALSE(hostCanExist(QStringLiteral("https://EXAMPLE/")));
    EXPECT_FALSE(hostCanExist(QStringLiteral("http://site.invalid/")));
    EXPECT_FALSE(hostCanExist(QStringLiteral("http://a.test/")));
    EXPECT_FALSE(hostCanExist(QString()));
}

} // namespace
} // namespace talvern::settings::test
