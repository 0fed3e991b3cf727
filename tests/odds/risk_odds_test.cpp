// The risk games' odds against a count over every card code or chamber, the
// machine's draw written out on its own: Random(53) until the card is
// allowed, so every allowed card alike.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "odds_support.h"
#include "risk_odds.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

// The rank of a card as the face says it (ace high).
int faceRank(Card c) {
    static const int ranks[] = {14, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    return ranks[(c - 1) % 13];
}

} // namespace

TEST(RiskOdds, RedBlackCountsTheCardsNotYetOut) {
    std::mt19937 rng(3);
    for (Variant v : kVariants) {
        for (int trial = 0; trial < 200; ++trial) {
            // A hand before and after the draw and up to six cards turned.
            std::vector<Card> deck = deckOf(v);
            std::shuffle(deck.begin(), deck.end(), rng);
            const int out = 5 + static_cast<int>(rng() % 12);
            std::vector<Card> gone(deck.begin(), deck.begin() + out);
            gone.push_back(54);  // backs are no cards of the deck
            int cards = 0, red = 0, black = 0;
            for (Card c = 0; c < 53; ++c) {
                const bool allowed = c == 0 ? v == Variant::JokerPoker : true;
                if (!allowed || std::find(gone.begin(), gone.end(), c) != gone.end()) continue;
                ++cards;
                red += c == 0 || c <= 26;
                black += c == 0 || c >= 27;
            }
            const RedBlackChances r = redBlackChances(v, gone);
            ASSERT_EQ(r.cards, cards);
            ASSERT_EQ(r.red, red);
            ASSERT_EQ(r.black, black);
            EXPECT_EQ(r.guess(false).right, Fraction(red, cards));
            EXPECT_EQ(r.guess(true).wrong, Fraction(cards - black, cards));
            EXPECT_EQ(r.random().right, Fraction(red + black, 2 * cards));
        }
    }
}

TEST(RiskOdds, HigherLowerCountsEveryPickAgainstEveryDealerCard) {
    for (Variant v : kVariants) {
        Int128 higher = 0, equal = 0, all = 0;
        for (Card dealer : deckOf(v)) {
            int h = 0, e = 0, l = 0;
            const int d = dealer == 0 ? 1 : faceRank(dealer);
            for (Card pick : deckOf(v)) {
                if (pick == dealer) continue;
                const int p = pick == 0 ? 15 : faceRank(pick);
                (p > d ? h : p == d ? e : l) += 1;
            }
            const PickCounts counts = pickCounts(v, dealer);
            ASSERT_EQ(counts.higher, h) << dealer;
            ASSERT_EQ(counts.equal, e) << dealer;
            ASSERT_EQ(counts.lower, l) << dealer;
            const StepChances step = higherLowerStep(v, dealer);
            EXPECT_EQ(step.right, Fraction(h, h + e + l));
            EXPECT_EQ(step.tie, Fraction(e, h + e + l));
            higher += h;
            equal += e;
            all += h + e + l;
        }
        const StepChances before = higherLowerStep(v);
        EXPECT_EQ(before.right, Fraction(higher, all));
        EXPECT_EQ(before.tie, Fraction(equal, all));
        EXPECT_EQ(before.wrong, Fraction(all - higher - equal, all));
    }
    // A joker dealt in Joker Poker loses to every pick; one picked wins.
    EXPECT_EQ(higherLowerStep(Variant::JokerPoker, kJoker).right, Fraction(1));
    EXPECT_EQ(pickCounts(Variant::JokerPoker, 27).higher, 1);  // only the joker beats an ace
    EXPECT_EQ(pickCounts(Variant::JackOrBetter, 27).higher, 0);
    EXPECT_THROW(pickCounts(Variant::DeucesWild, kJoker), std::invalid_argument);
}

TEST(RiskOdds, TheRevolverCountsItsChambers) {
    for (int chambers = 0; chambers <= 6; ++chambers) {
        int survived = 0;
        for (int shot = 0; shot < 6; ++shot) survived += shot < chambers;
        EXPECT_EQ(roulettePull(chambers).right, Fraction(survived, 6));
        EXPECT_EQ(roulettePull(chambers).wrong, Fraction(6 - survived, 6));
    }
}

TEST(RiskOdds, AStepIsWorthItsChancesTimesItsAmounts) {
    const StepChances c{{1, 3}, {1, 6}, {1, 2}};
    EXPECT_EQ(expectedWorth(c, 20, 10), Fraction(25, 3));  // 20/3 + 10/6
    EXPECT_EQ(expectedWorth(roulettePull(5), 12, 10), Fraction(10));
}
