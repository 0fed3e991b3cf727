#include <gtest/gtest.h>

#include "hands.h"
#include "rig.h"

using namespace talvern;
using test::Rig;

TEST(Controller, ClicksDuringAPauseCannotStartASecondStep) {
    Rig r;
    r.load(3);
    bool dealTaken = true, betTaken = true, loadTaken = false;
    r.pacer.at(100, [&] {
        dealTaken = r.c.click(Ctl::Deal);
        betTaken = r.c.click(Ctl::btnbet2);
        loadTaken = r.c.click(Ctl::btnpay);  // loading is allowed during a deal
    });
    r.deal();
    EXPECT_FALSE(dealTaken);
    EXPECT_FALSE(betTaken);
    EXPECT_TRUE(loadTaken);
    EXPECT_EQ(r.s.credits, 399);
    EXPECT_EQ(r.sound.count(SoundId::Rasd), 1);
}

TEST(Controller, ClosingDuringAPauseUnwindsTheFlow) {
    Rig r;
    r.load();
    int unwound = 0;
    r.c.setUnwoundCallback([&] { ++unwound; });
    r.pacer.at(150, [&] { r.pacer.closing = true; });  // inside the 300 ms before the cards turn
    r.deal();
    EXPECT_EQ(r.c.depth(), 0);
    EXPECT_EQ(unwound, 1);
    EXPECT_EQ(r.sound.count(SoundId::Card), 0);  // nothing of the deal ran after the wait
    for (const auto& place : r.cab.Im) EXPECT_EQ(place.picture, "R");
}

TEST(Controller, EndTheGameTakesTheCreditsOutAndCloses) {
    Rig r;
    r.load(2);
    r.deal();
    r.window.answer = false;
    r.c.click(Ctl::btnexit);
    EXPECT_EQ(r.window.closed, 0);
    r.window.answer = true;
    r.c.click(Ctl::btnClose);
    ASSERT_EQ(r.window.asked.size(), 2u);
    EXPECT_EQ(r.window.asked[0], "Закончить?");
    EXPECT_EQ(r.window.closed, 1);
    EXPECT_EQ(r.s.creditsTaken, 199);
    EXPECT_EQ(r.s.credits, 199);  // what was held; only the display is cleared
    EXPECT_EQ(r.cab.RxLabel7.text, "0");
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Home);

    Rig t;
    t.load();
    t.c.timeLimitReached();
    EXPECT_EQ(t.window.closed, 1);
    EXPECT_EQ(t.s.creditsTaken, 100);
    EXPECT_EQ(t.sound.started.back().id, SoundId::Home);
}

TEST(Controller, WindowButtonsSoundAndReachTheWindow) {
    Rig r;
    r.c.click(Ctl::btnhelp);
    ASSERT_EQ(r.window.opened.size(), 1u);
    EXPECT_EQ(r.window.opened[0], web::kHost + "/ru/index.php?option=com_content&view=article&id=13");
    r.c.click(Ctl::btnabout);
    r.c.click(Ctl::btntotal);
    r.c.click(Ctl::btnoptions);
    r.c.click(Ctl::btnminimize);
    r.c.click(Ctl::Imminim);
    r.c.click(Ctl::Imwind);
    EXPECT_EQ(r.sound.count(SoundId::Click), 5);  // Imminim is silent
    EXPECT_EQ(r.window.about + r.window.totals + r.window.settings, 3);
    EXPECT_EQ(r.window.minimized, 2);
    EXPECT_EQ(r.window.toggled, 1);
    EXPECT_EQ(web::infoPage(10), web::kHost + "/ru/updweb/web/index10.htm");
}

TEST(Controller, KeysAndTheIntroPicture) {
    Rig r;
    r.c.keyPressed(0x01000030);  // F1
    EXPECT_EQ(r.window.help, 1);
    EXPECT_TRUE(r.cab.Panel2.visible);
    r.c.keyPressed('A');
    EXPECT_FALSE(r.cab.Panel2.visible);
    r.c.keyPressed(0x01000000);  // Esc
    EXPECT_EQ(r.window.minimized, 1);
    EXPECT_FALSE(r.c.click(Ctl::Panel2));  // already hidden
}

TEST(Controller, TheTestHandNeedsTheRedBlackTableAndOpensTheJackPot) {
    Rig r;
    r.m.setCredits(100);
    r.m.hideCover();
    EXPECT_FALSE(r.c.click(Ctl::Image6));
    int jackPots = 0;
    r.c.game.setJackPotWindow([&] { ++jackPots; });
    r.cab.RdBl.visible = true;
    EXPECT_TRUE(r.c.click(Ctl::Image6));
    EXPECT_EQ(r.s.credits, 100 + 300);  // five of a kind at bet 1, credited with no risk game
    EXPECT_EQ(jackPots, 1);
    EXPECT_EQ(r.s.handClass, 'm');  // not offered twice for the same hand
    EXPECT_EQ(r.s.hand, (Hand{1, 14, 0, 27, 40}));
}
