#include <gtest/gtest.h>

#include "hands.h"
#include "rig.h"

using namespace talvern;
using test::hand;
using test::Rig;

namespace {
void ready(Rig& r, Variant v, int bet, RiskChoice choice = RiskChoice::None) {
    r.m.options.variant = v;
    r.m.options.riskChoice = choice;
    r.m.setPayCaptions(v);
    r.m.setCredits(10000);
    r.m.setBet(bet);
    r.s.bonusLevel = bonusClassOf(bet).level;
    r.m.refreshPayValues();
    r.m.hideCover();
}
} // namespace

TEST(WinHandling, WithNoRiskGameTheWinIsCreditedAtOnce) {
    Rig r;
    ready(r, Variant::JokerPoker, 5);
    r.finalHand(hand("5H 6B 7K 8V 9H"));  // a straight
    const int credits = r.s.credits;
    bool offerSeen = false;
    // look at the cabinet while the win handling pauses
    r.pacer.at(r.pacer.now + 300 + 1500, [&] { offerSeen = r.cab.message1.visible; });
    r.deal();
    EXPECT_EQ(r.s.credits, credits + 35);  // all held: nothing charged
    EXPECT_EQ(r.sound.count(SoundId::Zvon), 1);
    EXPECT_FALSE(offerSeen);  // "Умножим?" comes after the 2000 ms pause
    EXPECT_EQ(r.cab.message1.text, "Умножим?");
    EXPECT_FALSE(r.cab.message1.visible);  // and the reset hides it again
    EXPECT_EQ(r.cab.RxLabel24.text, "Straight...");
    EXPECT_FALSE(r.cab.RxLabel24.visible);
    EXPECT_EQ(r.s.win, 0);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_EQ(r.s.handClass, 'm');
    EXPECT_EQ(r.m.stats.sts, 1);
    for (const auto& l : r.cab.payCaption) EXPECT_FALSE(l.marked);
    bool found2000 = false;
    for (const auto& w : r.pacer.waits) found2000 |= w.kind == 'p' && w.ms == 2000;
    EXPECT_TRUE(found2000);
}

TEST(WinHandling, MarksTheLineAndTheWinningCards) {
    Rig r;
    ready(r, Variant::JackOrBetter, 1);
    r.finalHand(hand("JH JB 3K 5V 8H"));
    bool marked = false, heldJacks = false;
    r.pacer.at(r.pacer.now + 300 + 500, [&] {  // during the win handling's pause
        marked = r.cab.payCaption[8].marked && r.cab.payValue[8].marked && !r.cab.payCaption[7].marked;
        heldJacks = r.cab.lb[0].visible && r.cab.lb[1].visible && !r.cab.lb[2].visible;
    });
    const int credits = r.s.credits;
    r.deal();
    EXPECT_TRUE(marked);
    EXPECT_TRUE(heldJacks);
    EXPECT_EQ(r.s.credits, credits + 1);
    EXPECT_EQ(r.cab.RxLabel24.text, "Jacks or Better...");
}

TEST(WinHandling, RedBlackChoicePausesLessAndPlaysAsNoneUntilItExists) {
    Rig r;
    ready(r, Variant::JokerPoker, 2, RiskChoice::RedBlack);
    r.finalHand(hand("8H 8B 5K 5V KH"));
    const int credits = r.s.credits;
    r.deal();
    EXPECT_EQ(r.s.credits, credits + 6);
    bool found1000 = false;
    for (const auto& w : r.pacer.waits) found1000 |= w.kind == 'p' && w.ms == 1000;
    EXPECT_TRUE(found1000);
    EXPECT_EQ(r.m.stats.std_, 1);
}

TEST(WinHandling, DeucesWildUnmarksTheDeucesForTheRiskGameAndTheResetMarksThemAgain) {
    Rig r;
    ready(r, Variant::DeucesWild, 1);
    r.m.cards.markWildDeuces(Variant::DeucesWild);
    std::string duringWin;
    r.pacer.at(r.pacer.now + 300 + 2000 + 1, [&] { duringWin = r.m.cards.name(2); });
    r.finalHand(hand("2H 2B 2K 2V 5H"));  // four deuces
    const int credits = r.s.credits;
    r.deal();
    EXPECT_EQ(r.s.credits, credits + 200);
    EXPECT_EQ(r.m.cards.name(2), "2H4");
}

TEST(Bonus, APoolPassingItsLevelPaysTheLevelAndKeepsTheRest) {
    Rig r;
    ready(r, Variant::JokerPoker, 30);
    r.s.bonusPools[0] = 90;
    r.m.setBonusDisplay(90);
    const int jackPot = r.s.jackPot;
    r.finalHand(hand("KH KB 3K 5V 8H"));
    const int credits = r.s.credits;
    r.deal();
    EXPECT_EQ(r.s.bonusPools[0], 20);
    EXPECT_EQ(r.cab.RxLabel5.text, "20");
    EXPECT_EQ(r.s.jackPot, jackPot + 20);
    EXPECT_EQ(r.m.stats.countedJackPot, jackPot + 20);
    EXPECT_EQ(r.s.credits, credits + 100);
    EXPECT_EQ(r.s.maxWin, 400);
    EXPECT_EQ(r.cab.RxLabel24.text, "Бонус...");
    EXPECT_EQ(r.sound.count(SoundId::Bonus1), 1);
    EXPECT_EQ(r.sound.count(SoundId::Bonus), 1);
    EXPECT_EQ(r.sound.count(SoundId::Zvon), 0);  // a bonus win keeps the offer quiet
    EXPECT_EQ(r.pacer.total('h'), 1200);
    EXPECT_EQ(r.m.stats.stp + r.m.stats.std_, 0);  // a bonus is no combination
}

TEST(Bonus, APoolReachingExactlyItsLevelWaits) {
    Rig r;
    ready(r, Variant::JackOrBetter, 40);
    r.s.bonusPools[1] = 360;
    r.m.setBonusDisplay(360);
    r.finalHand(hand("5H 5B 3K 9V KH"));  // a low pair feeds the bonus in Jack or Better
    const int credits = r.s.credits;
    r.deal();
    EXPECT_EQ(r.s.bonusPools[1], 400);
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.sound.count(SoundId::Bonus), 0);

    r.deal();
    r.finalHand(hand("6H 6B 3K 9V KH"));
    r.deal();
    EXPECT_EQ(r.s.bonusPools[1], 40);
    EXPECT_EQ(r.s.credits, credits - 40 + 400);  // one new first deal charged, the bonus paid
}

TEST(Bonus, OnlyTheFinalHandCountsBonusPairs) {
    // a positive deal fortune retries draws, whose classifications must not
    // add to the pair count: a final pair of kings always feeds the bonus
    Rig r;
    ready(r, Variant::JokerPoker, 1);
    r.m.options.fortune[0] = 100;
    int fed = 0, kingsPairs = 0;
    for (std::uint32_t g = 1; g <= 300; ++g) {
        r.clock.ms = g * 104729u;
        r.deal();
        for (int i = 0; i < 5; ++i)
            if (r.s.held[static_cast<std::size_t>(i)] != (i == 0)) r.toggle(i);
        const int pool = r.s.bonusPools[0];
        r.clock.ms += 7;
        r.deal();
        CardImageTable t;
        const Evaluation e = Classifier(t, Variant::JokerPoker)(r.s.hand, Phase::Settled);
        if (e.handClass == 'w' && e.bonusPairs == 1) {
            ++kingsPairs;
            fed += r.s.bonusPools[0] != pool || r.s.bonusPools[0] == 0;
        }
        r.c.click(Ctl::btnbet1);  // reset the board
    }
    EXPECT_EQ(fed, kingsPairs);
}
