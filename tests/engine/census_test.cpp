#include <gtest/gtest.h>

#include "census.h"

using namespace talvern;
using odds::census;

namespace {
std::uint64_t count(const odds::Census& c, const char* label) { return c.counts.at(label); }
} // namespace

// Jack or Better classifies exactly as the standard combinatorics of the
// 2,598,960 five-card hands.
TEST(Census, JackOrBetterMatchesTheCombinatorics) {
    const auto c = census(Variant::JackOrBetter, Phase::Settled);
    EXPECT_EQ(c.total, 2598960u);
    EXPECT_EQ(count(c, "r"), 4u);
    EXPECT_EQ(count(c, "q"), 36u);
    EXPECT_EQ(count(c, "k"), 624u);
    EXPECT_EQ(count(c, "h"), 3744u);
    EXPECT_EQ(count(c, "f"), 5108u);
    EXPECT_EQ(count(c, "s"), 10200u);
    EXPECT_EQ(count(c, "t"), 54912u);
    EXPECT_EQ(count(c, "d"), 123552u);
    EXPECT_EQ(count(c, "w+"), 337920u);
    EXPECT_EQ(count(c, "w-"), 760320u);
    EXPECT_EQ(count(c, "x"), 1302540u);
}

// After the first deal a four-card flush is proposed before a pair, so the
// pairs with four cards of one suit leave the pairs: 13 ranks x 6 suit pairs
// x 2 flush suits x C(12, 3) = 34320 hands, 10560 of them jacks or better.
TEST(Census, JackOrBetterAfterTheDealProposesFlushesOverPairs) {
    const auto c = census(Variant::JackOrBetter, Phase::Dealt);
    EXPECT_EQ(c.total, 2598960u);
    EXPECT_EQ(count(c, "w+"), 337920u - 10560u);
    EXPECT_EQ(count(c, "w-"), 760320u - 23760u);
    EXPECT_EQ(count(c, "x"), 1302540u + 34320u);
    EXPECT_EQ(count(c, "d"), 123552u);
}

// After the first deal both drawing hints are tried, and a hand of no class
// that fits both proposes all five cards when they differ: four of a suit
// whose odd card lies inside the four in sequence, the fifth card of that
// suit outside it (3-5-6-7 of hearts and the 8 of spades). With aces high
// there are 72 rank sets of four in a row and a fifth not next to them,
// less the wheel (a straight): 71, each with 4 x 4 x 3 = 48 such suit
// patterns. Until both hints were tried these hands proposed their four of a
// suit only, so 3408 hands (2688 in Deuces Wild) moved from four to five.
//
// The hands given a hint at all are as many as ever. Jack or Better: exactly
// four of a suit, 4 x C(13, 4) x 39, less the 600 straights among them, and
// four in a row (71 rank sets) in the 960 suit patterns with no four of a
// suit. Joker Poker adds Q-K-A, the joker and a card below the ten, not all
// of one suit: 8 x 252. Deuces Wild counts the same without the twos (12
// ranks, 56 rank sets, 480 straights), and adds Q-K-A, a two and a card from
// 3 to 9: 7 x 252 x 4.
TEST(Census, AfterTheDealAHandFittingBothHintsProposesAllFive) {
    const std::uint64_t jacksHints = 4u * 715u * 39u - 600u + 71u * 960u;
    const auto jacks = census(Variant::JackOrBetter, Phase::Dealt);
    EXPECT_EQ(jacks.hint5, 71u * 48u);
    EXPECT_EQ(jacks.hint4 + jacks.hint5, jacksHints);

    const auto joker = census(Variant::JokerPoker, Phase::Dealt);
    EXPECT_EQ(joker.hint5, 71u * 48u);
    EXPECT_EQ(joker.hint4 + joker.hint5, jacksHints + 8u * 252u);

    const auto deuces = census(Variant::DeucesWild, Phase::Dealt);
    EXPECT_EQ(deuces.hint5, 56u * 48u);
    EXPECT_EQ(deuces.hint4 + deuces.hint5, 4u * 495u * 36u - 480u + 56u * 960u + 7u * 252u * 4u);

    // After the draw nothing is proposed.
    const auto drawn = census(Variant::JackOrBetter, Phase::Settled);
    EXPECT_EQ(drawn.hint4 + drawn.hint5, 0u);
}

// The 53-card deck: natural hands plus those the joker completes.
TEST(Census, JokerPokerMatchesTheCombinatorics) {
    const auto c = census(Variant::JokerPoker, Phase::Settled);
    EXPECT_EQ(c.total, 2869685u);
    EXPECT_EQ(count(c, "p"), 13u);
    EXPECT_EQ(count(c, "r"), 4u + 20u);
    EXPECT_EQ(count(c, "q"), 36u + 144u);
    EXPECT_EQ(count(c, "k"), 624u + 2496u);
    EXPECT_EQ(count(c, "h"), 3744u + 2808u);
    EXPECT_EQ(count(c, "f"), 5108u + 2696u);
    EXPECT_EQ(count(c, "s"), 10200u + 10332u);
    EXPECT_EQ(count(c, "t"), 54912u + 82368u);
    EXPECT_EQ(count(c, "d"), 123552u);
    EXPECT_EQ(count(c, "x"), 1302540u);
    EXPECT_EQ(count(c, "w"), 1098240u + 169848u);
}

// Deuces Wild counts the ace low only with at most one wild card (the ace
// must sit in the two top sorted places), which moves some hands away from
// the textbook figures: A + two of 3, 4, 5 with two wild cards is three of a
// kind (1080 straights fewer), and the ace-low straight flushes with two or
// three wild cards become flushes (72) and four of a kind (48).
TEST(Census, DeucesWildWithItsAceRule) {
    const auto c = census(Variant::DeucesWild, Phase::Settled);
    EXPECT_EQ(c.total, 2598960u);
    EXPECT_EQ(count(c, "r"), 4u);
    EXPECT_EQ(count(c, "u"), 48u);
    EXPECT_EQ(count(c, "y"), 480u);
    EXPECT_EQ(count(c, "p"), 624u);
    EXPECT_EQ(count(c, "q"), 2068u - 120u);
    EXPECT_EQ(count(c, "k"), 31552u + 48u);
    EXPECT_EQ(count(c, "h"), 12672u);
    EXPECT_EQ(count(c, "f"), 14472u + 72u);
    EXPECT_EQ(count(c, "s"), 62232u - 1080u);
    EXPECT_EQ(count(c, "t"), 355080u + 1080u);
    EXPECT_EQ(count(c, "w") + count(c, "x"), 2119728u);
}
