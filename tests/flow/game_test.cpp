#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <set>
#include <vector>

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

// Every press tells the settings dialog, also when nothing could be added,
// and the counted loaded credits it then shows stand still while statistics
// are off.
TEST(Load, EveryPressIsToldWithTheCountedLoadedCredits) {
    Rig r;
    std::vector<int> told;
    r.c.game.setLoadListener([&] { told.push_back(r.m.stats.countedLoaded); });
    r.load(2);
    r.m.setCredits(1000000);
    r.load();
    r.m.options.statisticsOff = true;
    r.m.setCredits(0);
    r.load();
    EXPECT_EQ(told, (std::vector<int>{100, 200, 200, 200}));
    EXPECT_EQ(r.s.creditsLoaded, 300);
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

// The first deal proposes its holds one by one (a select and 100 ms each);
// the player may change them meanwhile: a click holds another card or lets
// go of one just proposed, and the proposals still to come are made.
TEST(Game, HoldsChangeWhileTheFirstDealProposesThem) {
    Rig r;
    r.load();
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) { return std::popcount(e.flags) == 2u; });
    const long start = r.pacer.now;
    const long proposals = start + 300 + 5 * 80;  // the shuffle and five cards turned
    std::array<bool, 5> during{};
    int first = -1, other = -1;
    r.pacer.at(proposals + 50, [&] {  // inside the first proposal's 100 ms
        for (int i = 0; i < 5; ++i) {
            if (r.s.comboCards[static_cast<std::size_t>(i)] && first < 0) first = i;
            if (!r.s.comboCards[static_cast<std::size_t>(i)] && other < 0) other = i;
        }
        r.toggle(first);  // lets go of the card just proposed
        r.toggle(other);  // holds one the machine does not propose
        during = r.s.held;
    });
    ASSERT_TRUE(r.deal());
    ASSERT_GE(first, 0);
    EXPECT_FALSE(during[static_cast<std::size_t>(first)]);
    EXPECT_TRUE(during[static_cast<std::size_t>(other)]);
    std::array<bool, 5> expected = r.s.comboCards;
    expected[static_cast<std::size_t>(first)] = false;
    expected[static_cast<std::size_t>(other)] = true;
    EXPECT_EQ(r.s.held, expected);  // the second proposal came after the clicks
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.cab.lb[static_cast<std::size_t>(i)].visible, expected[static_cast<std::size_t>(i)]);
    EXPECT_EQ(r.s.phase, Phase::Dealt);
}

// The worst moment: the program closes inside a proposal. The step unwinds,
// and a click while the next draw turns its cards still changes nothing.
TEST(Game, AProposalCutShortLeavesTheDrawGuarded) {
    Rig r;
    r.load();
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) { return std::popcount(e.flags) == 2u; });
    r.pacer.at(r.pacer.now + 300 + 5 * 80 + 50, [&] { r.pacer.closing = true; });
    ASSERT_TRUE(r.deal());
    // The program would be gone now; the machine goes on here to show that
    // the unwound proposal left nothing of itself behind.
    r.pacer.closing = false;
    ASSERT_EQ(r.s.phase, Phase::Dealt);
    r.cab.Deal.enabled = true;
    // between steps the holds are the player's: keep the first card only
    for (int i = 0; i < 5; ++i)
        if (r.s.held[static_cast<std::size_t>(i)] != (i == 0)) r.toggle(i);
    ASSERT_EQ(r.s.held, (std::array<bool, 5>{true, false, false, false, false}));
    r.pacer.at(r.pacer.now + 150, [&] { r.toggle(4); });  // inside the draw's 300 ms
    ASSERT_TRUE(r.deal());
    EXPECT_EQ(r.s.handBeforeDraw[0], r.s.hand[0]);
    EXPECT_NE(r.s.handBeforeDraw[4], r.s.hand[4]);  // drawn: the click did not hold it
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
