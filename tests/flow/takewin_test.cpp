// Taking the win, all or half, in Red-Black and in the games of Panel4.
#include <gtest/gtest.h>

#include "riskrig.h"

using namespace talvern;
using test::RiskRig;

namespace {
constexpr const char* kTwoPairs = "8H 8B 5K 5V KH";
}

TEST(TakeWin, TakingBetweenGuessesCreditsTheWinAndEndsTheGame) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    const int credits = r.s.credits;
    const int pauses = r.waits('p', 1000);
    const auto stats = r.m.stats;
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    EXPECT_EQ(r.s.credits, credits + 12);
    EXPECT_EQ(r.cab.RxLabel7.text, QString::number(credits + 12));
    EXPECT_EQ(r.s.win, 0);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Home);
    EXPECT_EQ(r.waits('p', 1000), pauses + 1);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_FALSE(r.cab.Panel3.visible || r.cab.RdBl.visible || r.cab.Duble.visible);
    EXPECT_TRUE(r.colourButtonsShown() && r.cab.BtnCash.visible);
    EXPECT_EQ(r.m.stats.redBlackAttempts, stats.redBlackAttempts);  // taking is no guess
    EXPECT_EQ(r.m.stats.redBlackWins, stats.redBlackWins);
    EXPECT_EQ(r.m.stats.std_, stats.std_);
    EXPECT_FALSE(r.c.click(Ctl::BtnCash));  // the game is over
}

TEST(TakeWin, TakingAtTheTopMovesTheMaximumAndStopsLadderAnimationAndMusic) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 10);
    r.m.setCredits(999990);
    r.win("AH KH QH JH 1H");
    ASSERT_TRUE(r.cab.Duble.playing && r.cab.CashOut.playing && r.musicPort.playing);
    r.m.showCover();  // taking hides the cover
    bool stoppedBeforeWaiting = false;
    r.pacer.at(r.pacer.now + 10, [&] {
        stoppedBeforeWaiting = !r.cab.Duble.playing && r.cab.Duble.frame == 0 && !r.cab.CashOut.playing &&
                               r.cab.CashOut.frame == 0 && !r.musicPort.playing && r.cab.Duble.visible;
    });
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    EXPECT_TRUE(stoppedBeforeWaiting);
    EXPECT_EQ(r.s.credits, 999980 + 1500);  // no limit: that is only for loading
    EXPECT_EQ(r.musicPort.closes, 1);
    EXPECT_EQ(r.timerStops, 1);
    EXPECT_FALSE(r.cab.dealx.visible);
    EXPECT_EQ(r.sound.count(SoundId::Home), 1);
}

TEST(TakeWin, SeeTheNextCardTurnsTheCardOfTheNextSlot) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.options.seeNextCard = true;
    r.win(kTwoPairs);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    ASSERT_EQ(r.s.riskCounter, 6);
    Card shown = kNoCard;
    bool faceUp = false, fourthOnly = false;
    r.pacer.at(r.pacer.now + 440 + 500, [&] {  // look before the reset clears the table
        shown = r.cab.crd(4).card;
        faceUp = r.cab.crd(4).picture == QString::fromStdString(r.m.cards.name(shown)) && r.cab.crd(4).picture != "R";
        fourthOnly = r.cab.cr(4).visible && !r.cab.crd(5).visible;
    });
    const std::size_t waits = r.pacer.waits.size();
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    EXPECT_TRUE(faceUp);
    EXPECT_TRUE(fourthOnly);
    for (int k = 1; k <= 3; ++k) EXPECT_NE(shown, r.s.historyCards[static_cast<std::size_t>(k - 1)]);
    for (Card h : r.s.hand) EXPECT_NE(shown, h);
    ASSERT_EQ(r.pacer.waits.size(), waits + 3);  // 440 face down, then two seconds
    EXPECT_EQ(r.pacer.waits[waits].kind, 'h');
    EXPECT_EQ(r.pacer.waits[waits + 1].ms, 1000);
    EXPECT_EQ(r.pacer.waits[waits + 2].ms, 1000);
    EXPECT_EQ(r.s.credits, 10000 - 1 + 24);

    // at the top there is no next card, but both seconds are still waited
    r.win("AH KH QH JH 1H");
    const std::size_t before = r.pacer.waits.size();
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    EXPECT_EQ(r.pacer.waits.size(), before + 2);
    EXPECT_EQ(r.waits('h', 440), 3 + 1);
}

TEST(TakeWin, TakingHalfHalvesTheWinAndTheMaximumAndPlaysOn) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1, true);
    r.win("5H 6B 7K 8V 9H");  // a straight: 7, always seven makes the maximum 896
    ASSERT_EQ(r.s.maxWin, 896);
    const int credits = r.s.credits;
    ASSERT_TRUE(r.c.click(Ctl::Btn12));
    EXPECT_EQ(r.s.credits, credits + 3);  // an odd win loses one credit
    EXPECT_EQ(r.s.win, 3);
    EXPECT_EQ(r.cab.RxLabel23.text, "3");
    EXPECT_EQ(r.s.maxWin, 448);
    EXPECT_EQ(r.cab.RxLabel25.text, "448");
    EXPECT_EQ(r.sound.started.back().id, SoundId::Halt);
    EXPECT_TRUE(r.cab.Btn12.enabled && r.cab.Panel3.visible && r.colourButtonsShown());
    EXPECT_EQ(r.cab.Duble.frame, 0);  // the ladder stays where it was

    // the game goes on for the half; the top pays the halved maximum
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    EXPECT_EQ(r.s.win, 448);
    EXPECT_FALSE(r.c.click(Ctl::Btn12));  // at the top only the whole win can be taken
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    EXPECT_EQ(r.s.credits, credits + 3 + 448);
}

TEST(TakeWin, TakingHalfOfOneEndsTheGameWithNothing) {
    RiskRig r;
    r.ready(Variant::JackOrBetter, 1);
    r.win("JH JB 3K 5V 8H");
    ASSERT_EQ(r.s.win, 1);
    const int credits = r.s.credits;
    ASSERT_TRUE(r.c.click(Ctl::Btn12));
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.s.win, 0);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Home);
    EXPECT_EQ(r.sound.count(SoundId::Halt), 1);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_FALSE(r.cab.Panel3.visible);
}

TEST(TakeWin, Panel4TakesTheWinOrTheRouletteDisplay) {
    // Higher-Lower and the roulette lay out Panel4 themselves; these are the
    // states their steps leave when the player may take
    auto game = [](RiskRig& r, RiskChoice choice, int win, int maxWin) {
        r.ready(Variant::JokerPoker, 1);
        r.s.riskChoice = choice;
        r.s.boardReset = false;
        r.m.setWin(win);
        r.m.setMaxWin(maxWin);
        r.cab.Panel4.visible = r.cab.Duble.visible = true;
        r.cab.BtnCash1.visible = r.cab.BtnHalf1.visible = r.cab.BtnYes1.visible = true;
        r.cab.Duble.playing = r.cab.CashOut1.playing = true;
        r.cab.Duble.frame = 4;
    };
    {
        RiskRig r;
        game(r, RiskChoice::HigherLower, 40, 300);
        r.music.play();
        bool disabled = false;
        r.pacer.at(r.pacer.now + 1, [&] { disabled = !r.cab.BtnCash1.enabled && !r.cab.BtnYes1.enabled; });
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        EXPECT_TRUE(disabled);
        EXPECT_EQ(r.s.credits, 10040);
        EXPECT_EQ(r.s.win, 0);
        EXPECT_EQ(r.sound.started.back().id, SoundId::Home);
        EXPECT_EQ(r.musicPort.closes, 1);
        EXPECT_FALSE(r.cab.CashOut1.playing || r.cab.Duble.playing);
        EXPECT_EQ(r.cab.Duble.frame, 0);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_FALSE(r.cab.Panel4.visible);
        EXPECT_TRUE(r.cab.BtnCash1.enabled && r.cab.BtnYes1.enabled);
        EXPECT_EQ(r.waits('p', 1000), 1);
    }
    {
        RiskRig r;
        game(r, RiskChoice::RussianRoulette, 10, 672);
        r.cab.RxLabel27.text = QStringLiteral("96");  // the rung of the last survived pull
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        EXPECT_EQ(r.s.credits, 10096);
        EXPECT_EQ(r.cab.RxLabel27.text, "0");
    }
    {
        RiskRig r;
        game(r, RiskChoice::RussianRoulette, 10, 672);
        r.cab.RxLabel27.text = QStringLiteral("33");
        ASSERT_TRUE(r.c.click(Ctl::BtnHalf1));
        EXPECT_EQ(r.s.win, 16);
        EXPECT_EQ(r.s.maxWin, 336);
        EXPECT_EQ(r.s.credits, 10016);
        EXPECT_EQ(r.cab.RxLabel27.text, "16");
        ASSERT_GE(r.sound.started.size(), 2u);
        EXPECT_EQ(r.sound.started[r.sound.started.size() - 2].id, SoundId::Halt);
        EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);  // the heartbeat resumes after the pause
        EXPECT_TRUE(r.sound.started.back().loop);
        EXPECT_EQ(r.waits('p', 500), 1);
        EXPECT_TRUE(r.cab.BtnHalf1.enabled && r.cab.Panel4.visible);
    }
    {
        RiskRig r;
        game(r, RiskChoice::HigherLower, 1, 300);
        ASSERT_TRUE(r.c.click(Ctl::BtnHalf1));
        EXPECT_EQ(r.s.credits, 10000);
        EXPECT_EQ(r.sound.started.back().id, SoundId::Home);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_FALSE(r.c.click(Ctl::BtnHalf1));
    }
}

TEST(RiskGameSet, GamesPlugInAndAChoiceWithoutItsGamePlaysAsNone) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 5);
    r.m.options.riskChoice = RiskChoice::HigherLower;
    EXPECT_TRUE(r.c.risk.available(RiskChoice::HigherLower));  // the controller plugs its games in
    EXPECT_TRUE(r.c.risk.available(RiskChoice::RussianRoulette));
    r.c.risk.higherLower = nullptr;
    r.c.risk.roulette = nullptr;
    r.win("5H 6B 7K 8V 9H");
    EXPECT_EQ(r.s.credits, 10000 - 5 + 35);  // credited at once
    EXPECT_TRUE(r.s.boardReset);

    int shown = 0, yes = 0;
    r.c.risk.higherLower = [&] {
        ++shown;
        r.cab.Panel4.visible = true;
    };
    r.c.risk.yes = [&] { ++yes; };
    r.win("5H 6B 7K 8V 9H");
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(r.s.boardReset);
    EXPECT_TRUE(r.c.click(Ctl::BtnYes1));
    EXPECT_EQ(yes, 1);
    EXPECT_FALSE(r.c.risk.available(RiskChoice::RussianRoulette));
    EXPECT_TRUE(r.c.risk.available(RiskChoice::RedBlack));
}
