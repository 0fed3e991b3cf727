#include <gtest/gtest.h>

#include <set>

#include "hands.h"
#include "rig.h"

using namespace talvern;
using test::Rig;

TEST(Cabinet, StartsCoveredWithBacksAndTheInitialPayTable) {
    Rig r;
    EXPECT_EQ(r.s.credits, 0);
    EXPECT_EQ(r.s.bet, 1);
    EXPECT_TRUE(r.cab.dealx.visible);
    EXPECT_TRUE(r.cab.payment.playing);
    EXPECT_FALSE(r.deal());  // covered
    for (const auto& place : r.cab.Im) EXPECT_EQ(place.picture, "R");
    for (const auto& lb : r.cab.lb) EXPECT_FALSE(lb.visible);
    EXPECT_EQ(r.cab.payCaption[0].text, "5 of a kind...");
    EXPECT_EQ(r.cab.payCaption[9].text, "Jacks or Better...");
    EXPECT_FALSE(r.cab.payCaption[9].visible);
    EXPECT_EQ(r.cab.payValue[0].text, "300");
    EXPECT_EQ(r.cab.payValue[8].text, "3");
    EXPECT_EQ(r.cab.RxLabel7.text, "0");
    EXPECT_EQ(r.cab.RxLabel8.text, "1");
    EXPECT_TRUE(r.cab.Panel2.visible);
}

TEST(Load, AddsAHundredUpToAMillion) {
    Rig r;
    r.load();
    EXPECT_EQ(r.s.credits, 100);
    EXPECT_EQ(r.s.creditsLoaded, 100);
    EXPECT_EQ(r.cab.RxLabel7.text, "100");
    EXPECT_FALSE(r.cab.dealx.visible);
    EXPECT_FALSE(r.cab.payment.playing);
    EXPECT_EQ(r.sound.count(SoundId::Pay), 1);
    EXPECT_EQ(r.m.stats.countedLoaded, 100);

    r.m.setCredits(999900);
    r.load();
    EXPECT_EQ(r.s.credits, 1000000);
    r.load();
    EXPECT_EQ(r.s.credits, 1000000);
    EXPECT_EQ(r.s.creditsLoaded, 200);
    EXPECT_EQ(r.sound.count(SoundId::Pay), 2);  // nothing added, no sound
}

TEST(Bet, StepsBonusClassesAndTheCover) {
    Rig r;
    r.load();
    const int down[][2] = {{1, 1}, {2, 1}, {5, 4}, {10, 5}, {20, 10}, {30, 20}, {40, 30}, {50, 40}, {100, 50}};
    for (auto [from, to] : down) {
        r.m.setBet(from);
        r.c.click(Ctl::btnbet1);
        EXPECT_EQ(r.s.bet, to) << from;
    }
    const int up[][2] = {{1, 2}, {4, 5}, {5, 10}, {10, 20}, {20, 30}, {30, 40}, {40, 50}, {50, 100}, {100, 100}};
    for (auto [from, to] : up) {
        r.m.setBet(from);
        r.c.click(Ctl::btnbet2);
        EXPECT_EQ(r.s.bet, to) << from;
    }
    EXPECT_EQ(r.sound.count(SoundId::Bet), 18);  // also at the ends

    r.s.bonusPools = {7, 11, 13, 17};
    r.m.setBet(20);
    r.c.click(Ctl::btnbet2);
    EXPECT_EQ(r.s.bonusLevel, 100);
    EXPECT_EQ(r.cab.RxLabel5.text, "7");
    r.c.click(Ctl::btnbet2);
    EXPECT_EQ(r.s.bet, 40);
    EXPECT_EQ(r.s.bonusLevel, 400);
    EXPECT_EQ(r.cab.RxLabel5.text, "11");
    EXPECT_EQ(r.cab.payValue[0].text, "12000");
    EXPECT_EQ(r.cab.RxLabel25.text, "12000");
    r.c.click(Ctl::btnbet1);
    EXPECT_EQ(r.s.bonusLevel, 100);
    EXPECT_EQ(r.cab.RxLabel5.text, "7");

    // the cover: raised above the credits it comes, lowered strictly below it goes
    r.m.setCredits(50);
    r.m.setBet(50);
    r.c.click(Ctl::btnbet2);
    EXPECT_TRUE(r.cab.dealx.visible);
    r.c.click(Ctl::btnbet1);  // 50, equal to the credits: stays
    EXPECT_TRUE(r.cab.dealx.visible);
    r.c.click(Ctl::btnbet1);  // 40
    EXPECT_FALSE(r.cab.dealx.visible);
}

TEST(Game, FirstDealThenDrawChargesTwiceAndProposesHolds) {
    Rig r;
    r.load();
    r.sound.started.clear();
    ASSERT_TRUE(r.deal());
    EXPECT_EQ(r.s.credits, 99);
    EXPECT_EQ(r.s.phase, Phase::Dealt);
    EXPECT_FALSE(r.s.boardReset);
    std::set<Card> cards(r.s.hand.begin(), r.s.hand.end());
    EXPECT_EQ(cards.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.cab.Im[static_cast<std::size_t>(i)].card, r.s.hand[static_cast<std::size_t>(i)]);
        EXPECT_EQ(r.cab.Im[static_cast<std::size_t>(i)].cursor, CardCursor::Hand);
        // the machine holds what the evaluation flagged
        EXPECT_EQ(r.s.held[static_cast<std::size_t>(i)], r.s.comboCards[static_cast<std::size_t>(i)]);
        EXPECT_EQ(r.cab.lb[static_cast<std::size_t>(i)].visible, r.s.held[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(r.cab.Deal.enabled);
    EXPECT_TRUE(r.cab.btnbet1.enabled);
    // the shuffle, five cards turned (four plus one after the last), a select per proposed hold
    EXPECT_EQ(r.sound.started.front().id, SoundId::Rasd);
    EXPECT_EQ(r.sound.count(SoundId::Card), 5);
    int proposed = 0;
    for (bool h : r.s.held) proposed += h;
    EXPECT_EQ(r.sound.count(SoundId::Select), proposed);
    EXPECT_EQ(r.pacer.total('p'), 300 + 5 * 80 + 100 * proposed);

    // hold the first two only, then draw
    for (int i = 0; i < 5; ++i)
        if (r.s.held[static_cast<std::size_t>(i)] != (i < 2)) r.toggle(i);
    const Hand before = r.s.hand;
    const int credits = r.s.credits;
    r.deal();
    EXPECT_EQ(r.s.phase, Phase::Settled);
    EXPECT_EQ(r.s.hand[0], before[0]);
    EXPECT_EQ(r.s.hand[1], before[1]);
    for (int i = 2; i < 5; ++i)
        for (Card old : before) EXPECT_NE(r.s.hand[static_cast<std::size_t>(i)], old);
    const int won = r.s.credits - (credits - 1);
    EXPECT_GE(won, 0);
    for (const auto& place : r.cab.Im) EXPECT_EQ(place.cursor, CardCursor::No);
}

TEST(Game, AllHeldDrawsNothingAndChargesNothing) {
    Rig r;
    r.load();
    r.deal();
    for (int i = 0; i < 5; ++i)
        if (!r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    const Hand before = r.s.hand;
    const int credits = r.s.credits;
    const int cardsBefore = r.sound.count(SoundId::Card);
    r.deal();
    EXPECT_EQ(r.s.hand, before);
    EXPECT_GE(r.s.credits, credits);  // nothing charged; a win may be paid
    EXPECT_EQ(r.sound.count(SoundId::Card), cardsBefore);
}

TEST(Game, AllMarkersOffStartsANewFirstDeal) {
    Rig r;
    r.load();
    r.deal();
    for (int i = 0; i < 5; ++i)
        if (r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    EXPECT_EQ(r.sound.count(SoundId::Rasd), 1);
    r.deal();
    EXPECT_EQ(r.s.credits, 98);
    EXPECT_EQ(r.s.phase, Phase::Dealt);
    EXPECT_EQ(r.sound.count(SoundId::Rasd), 2);
}

TEST(Game, HoldingTogglesOnlyWhileDealt) {
    Rig r;
    r.load();
    r.toggle(2);  // idle table: nothing
    EXPECT_FALSE(r.s.held[2]);
    r.deal();
    const bool was = r.s.held[2];
    const int selects = r.sound.count(SoundId::Select);
    r.toggle(2);
    EXPECT_NE(r.s.held[2], was);
    EXPECT_EQ(r.cab.lb[2].visible, r.s.held[2]);
    // a marker turned on plays "select"; turned off it is silent
    EXPECT_EQ(r.sound.count(SoundId::Select), selects + (was ? 0 : 1));
}

TEST(Game, CreditsEqualToTheBetAllowOneDealAndCover) {
    Rig r;
    r.load();
    r.m.setBet(100);
    r.s.bonusLevel = 1000;
    ASSERT_TRUE(r.deal());
    EXPECT_EQ(r.s.credits, 0);
    EXPECT_TRUE(r.cab.dealx.visible);
    EXPECT_FALSE(r.deal());  // must load before drawing
    r.load();
    EXPECT_TRUE(r.deal());
}

TEST(Game, JokerNeverDealtOutsideJokerPoker) {
    for (Variant v : {Variant::JackOrBetter, Variant::DeucesWild}) {
        Rig r;
        r.m.options.variant = v;
        r.m.setCredits(100000);
        r.m.hideCover();
        for (int g = 0; g < 300; ++g) {
            r.clock.ms = static_cast<std::uint32_t>(g * 7919 + 1);
            r.deal();
            r.clock.ms += 13;
            if (!r.s.anyHeld()) r.toggle(0);
            r.deal();
            for (Card c : r.s.hand) ASSERT_NE(c, kJoker);
        }
    }
}

TEST(Game, DeucesWildShowsWildPicturesFromTheNextReset) {
    Rig r;
    r.m.options.variant = Variant::DeucesWild;
    r.m.setCredits(1000);
    r.m.hideCover();
    EXPECT_EQ(r.m.cards.name(2), "2H2");  // the variant changed, no reset yet
    r.c.click(Ctl::btnbet2);              // any bet change resets the board
    EXPECT_EQ(r.m.cards.name(2), "2H4");
    EXPECT_EQ(r.m.cards.name(41), "2V4");
}

TEST(Statistics, DealsCountTwicePerJokerPokerGameOnlyWhileCounting) {
    Rig r;
    r.m.setCredits(1000);
    r.m.hideCover();
    r.deal();
    if (!r.s.anyHeld()) r.toggle(0);
    r.deal();
    EXPECT_EQ(r.m.stats.stdeal, 2);
    r.m.options.statisticsOff = true;  // a fortune slider moved
    r.deal();
    EXPECT_EQ(r.m.stats.stdeal, 2);
    r.m.options.statisticsOff = false;
    r.m.options.variant = Variant::JackOrBetter;
    r.deal();
    EXPECT_EQ(r.m.stats.stdeal, 2);
}

TEST(Sound, OffMeansSilenceAndTheHeartbeatLoops) {
    Rig r;
    r.m.options.soundOn = false;
    r.load();
    r.deal();
    EXPECT_TRUE(r.sound.started.empty());
    r.m.options.soundOn = true;
    r.m.play(SoundId::Serdze);
    r.m.play(SoundId::Card);
    ASSERT_EQ(r.sound.started.size(), 2u);
    EXPECT_TRUE(r.sound.started[0].loop);
    EXPECT_FALSE(r.sound.started[1].loop);
    r.m.play(SoundId::None);
    EXPECT_EQ(r.sound.started.size(), 2u);
}
