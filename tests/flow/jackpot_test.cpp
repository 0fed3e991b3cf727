#include <gtest/gtest.h>

#include "hands.h"
#include "jackpot.h"
#include "rig.h"

using namespace talvern;
using test::Rig;

namespace {
// Opens the window, skips the count-up and plays one guess on card i.
void guess(JackPotFlow& jp, int i) {
    jp.cardClick(i);
    jp.confirm();
}
} // namespace

TEST(JackPot, ThreeHitsPayTheWholeAmountInThirds) {
    Rig r;
    r.m.options.fortune[3] = 100;  // every guess right
    JackPotFlow jp(r.m);
    jp.open();
    EXPECT_TRUE(jp.view.shuffleTimer);
    EXPECT_TRUE(jp.view.countUpTimer);
    jp.keyPressed(false);  // skip the count-up
    EXPECT_EQ(jp.view.amount, "10000");
    EXPECT_EQ(r.cab.RxLabel6.text, "0");
    EXPECT_TRUE(jp.view.findJokerVisible);
    EXPECT_EQ(jp.view.cards[0], "R");

    guess(jp, 0);
    EXPECT_EQ(jp.view.paid, "3333");
    EXPECT_FALSE(jp.closed());
    EXPECT_EQ(jp.hits(), 1);
    guess(jp, 2);
    EXPECT_EQ(jp.view.paid, "6666");
    guess(jp, 1);
    EXPECT_TRUE(jp.closed());
    EXPECT_EQ(r.s.credits, 10000);
    EXPECT_EQ(r.cab.RxLabel6.text, "10000");  // the floor
    EXPECT_EQ(r.m.stats.countedJackPot, 10000);
    EXPECT_EQ(r.sound.count(SoundId::Yes), 3);
    EXPECT_EQ(r.pacer.total('h'), 3 * 2000);
}

TEST(JackPot, AHitThenAMissLeavesTheRestShownAndCounted) {
    Rig r;
    r.m.options.fortune[3] = 100;
    JackPotFlow jp(r.m);
    jp.open();
    jp.keyPressed(false);
    guess(jp, 1);
    r.m.options.fortune[3] = -100;
    r.m.options.statisticsOff = true;  // from here the shown amount moves, the counted one not
    guess(jp, 1);
    EXPECT_TRUE(jp.closed());
    EXPECT_EQ(r.s.credits, 3333);
    EXPECT_EQ(r.cab.RxLabel6.text, "6667");
    EXPECT_EQ(r.s.jackPot, 6667);
    EXPECT_EQ(r.sound.count(SoundId::No), 1);
    // the joker was shown elsewhere than the chosen card
    EXPECT_NE(jp.view.cards[1], "PP2");
}

TEST(JackPot, FortuneDecidesAndZeroIsOneInThree) {
    int hits = 0;
    const int games = 900;
    for (int g = 0; g < games; ++g) {
        Rig r;
        r.clock.ms = static_cast<std::uint32_t>(g * 7919 + 3);
        JackPotFlow jp(r.m);
        jp.open();
        jp.keyPressed(false);
        guess(jp, g % 3);
        hits += !jp.closed();
    }
    EXPECT_NEAR(hits / static_cast<double>(games), 1.0 / 3.0, 0.05);

    for (int f : {-1, -100}) {
        for (int card = 0; card < 3; ++card) {
            Rig r;
            r.m.options.fortune[3] = f;
            JackPotFlow jp(r.m);
            jp.open();
            jp.keyPressed(false);
            guess(jp, card);
            EXPECT_TRUE(jp.closed()) << f << " " << card;
            EXPECT_EQ(r.s.credits, 0);
        }
    }
}

TEST(JackPot, CountUpRunsUnitByUnitAndF12DoesNotSkip) {
    Rig r;
    r.m.setJackPot(12);
    r.m.refreshPayValues();
    JackPotFlow jp(r.m);
    jp.open();
    jp.keyPressed(true);  // F12 leaves the count-up alone
    EXPECT_TRUE(jp.view.countUpTimer);
    jp.countUpTick();
    EXPECT_EQ(jp.view.amount, "1");
    EXPECT_EQ(r.cab.RxLabel6.text, "11");
    for (int i = 0; i < 11; ++i) jp.countUpTick();
    EXPECT_FALSE(jp.view.countUpTimer);
    EXPECT_FALSE(jp.view.pressAnyKeyVisible);
    EXPECT_EQ(jp.view.amount, "12");
    EXPECT_EQ(r.cab.RxLabel6.text, "0");
    EXPECT_EQ(r.cab.payValue[0].text, "0");  // until the cabinet is activated again
    EXPECT_TRUE(jp.view.yesVisible);
    EXPECT_FALSE(jp.view.yesEnabled);
    jp.keyPressed(false);  // after the count-up a key changes nothing
    EXPECT_TRUE(jp.view.yesVisible);
}

TEST(JackPot, ChoosingNeedsTheCountUpOverAndConfirmNeedsAChoice) {
    Rig r;
    JackPotFlow jp(r.m);
    jp.open();
    jp.cardClick(1);  // the cards are still shuffling
    EXPECT_FALSE(jp.view.yesEnabled);
    jp.keyPressed(false);
    jp.confirm();  // nothing chosen yet
    EXPECT_FALSE(jp.closed());
    jp.cardClick(1);
    EXPECT_TRUE(jp.view.yesEnabled);
    EXPECT_EQ(jp.view.sure, (std::array<bool, 3>{false, true, false}));
    jp.cardClick(2);
    EXPECT_EQ(jp.view.sure, (std::array<bool, 3>{false, false, true}));
}

TEST(JackPot, OpensAfterTheQualifyingHandsOfEachVariant) {
    struct Row {
        Variant v;
        const char* hand;
        bool opens;
    };
    const Row rows[] = {
        {Variant::JokerPoker, "AH AB AK AV PP", true},   {Variant::JokerPoker, "1H JH QH KH AH", true},
        {Variant::JokerPoker, "9H 1H JH QH KH", false},  {Variant::JackOrBetter, "1V JV QV KV AV", true},
        {Variant::DeucesWild, "2H 2B 2K 2V 5H", true},   {Variant::DeucesWild, "1H JH QH KH AH", true},
        {Variant::DeucesWild, "7H 7B 7K 2V 2H", false},  {Variant::DeucesWild, "1H JH QH 2B 2K", false},
    };
    for (const Row& row : rows) {
        Rig r;
        r.m.options.variant = row.v;
        r.m.options.riskChoice = RiskChoice::None;
        r.m.setCredits(100);
        r.m.hideCover();
        int opened = 0;
        r.c.game.setJackPotWindow([&] { ++opened; });
        r.finalHand(test::hand(row.hand));
        r.deal();
        EXPECT_EQ(opened, row.opens ? 1 : 0) << row.hand;
        r.c.click(Ctl::btnbet2);  // another reset: not offered twice
        EXPECT_EQ(opened, row.opens ? 1 : 0) << row.hand;
    }
}

TEST(JackPot, TheFirstLinePaysAgainOnceTheWindowHasClosed) {
    // The count-up leaves 0 in the first line while the window is up; the
    // next five of a kind must be paid its value, activation or not.
    Rig r;
    r.m.options.riskChoice = RiskChoice::None;
    r.m.options.fortune[3] = -100;
    r.m.setCredits(100);
    r.m.hideCover();
    r.c.game.setJackPotWindow([&] {
        JackPotFlow jp(r.m);
        jp.open();
        while (jp.view.countUpTimer) jp.countUpTick();
        EXPECT_EQ(r.cab.payValue[0].text, "0");
        guess(jp, 0);
        ASSERT_TRUE(jp.closed());
    });
    r.finalHand(test::hand("AH AB AK AV PP"));
    r.deal();
    EXPECT_EQ(r.cab.payValue[0].text, "300");
    const int credits = r.s.credits;
    r.finalHand(test::hand("5H 5B 5K 5V PP"));
    r.deal();
    EXPECT_EQ(r.s.credits, credits - 1 + 300);
}
