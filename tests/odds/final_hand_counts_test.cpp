#include <gtest/gtest.h>

#include <bit>

#include "census.h"
#include "odds_support.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

std::string describe(const Hand& h, unsigned mask) {
    std::string s = "deal";
    for (Card c : h) s += " " + std::to_string(c);
    return s + " hold mask " + std::to_string(mask);
}

// Brute force over the holds of `minHeld` cards or more for `deals` random deals.
void expectCountsMatchBruteForce(Variant v, int deals, int minHeld, unsigned seed) {
    const FinalHandCounts& tables = tablesOf(v);
    const Classifier classify = classifierOf(v);
    std::mt19937 rng(seed);
    for (int d = 0; d < deals; ++d) {
        const Hand dealt = randomDeal(v, rng, d);
        HoldCounts counts{};
        tables.holdCounts(indicesOf(v, dealt), counts);
        for (unsigned m = 0; m < 32; ++m) {
            if (std::popcount(m) < minHeld) continue;
            ASSERT_EQ(counts[m], bruteForceCounts(v, classify, tables.outcomes(), dealt, m)) << describe(dealt, m);
        }
    }
}

} // namespace

TEST(CombinationWalker, WalksColexOrderFromAnyStart) {
    for (std::uint32_t start : {0u, 1u, 57u, 119u}) {
        CombinationWalker w(10, 3, start);
        std::uint32_t expected = start;
        do {
            const int* x = w.cards();
            ASSERT_LT(x[0], x[1]);
            ASSERT_LT(x[1], x[2]);
            ASSERT_LT(x[2], 10);
            ASSERT_EQ(colexIndex(x, 3), expected);
            ++expected;
        } while (w.next());
        EXPECT_EQ(expected, choose(10, 3));
    }
}

// Every final hand meets the dealt hand in exactly one hold.
TEST(FinalHandCounts, TheHoldsOfADealShareOutTheWholeDeck) {
    for (Variant v : kVariants) {
        const FinalHandCounts& tables = tablesOf(v);
        const Census c = census(v, Phase::Settled);
        HoldCounts counts{};
        std::mt19937 rng(5);
        tables.holdCounts(indicesOf(v, randomDeal(v, rng, 1)), counts);
        for (int s = 0; s < tables.outcomes().count(); ++s) {
            std::uint64_t sum = 0;
            for (const SlotCounts& row : counts) sum += static_cast<std::uint64_t>(row[static_cast<std::size_t>(s)]);
            EXPECT_EQ(sum, c.counts.at(tables.outcomes().label(s))) << tables.outcomes().label(s);
        }
    }
}

TEST(FinalHandCounts, EachHoldCountsEveryDrawOnce) {
    for (Variant v : kVariants) {
        const FinalHandCounts& tables = tablesOf(v);
        std::mt19937 rng(11);
        for (int d = 0; d < 500; ++d) {
            const Hand dealt = randomDeal(v, rng, d);
            HoldCounts counts{};
            tables.holdCounts(indicesOf(v, dealt), counts);
            for (unsigned m = 0; m < 32; ++m) {
                std::int64_t sum = 0;
                for (std::int32_t n : counts[m]) {
                    ASSERT_GE(n, 0);
                    sum += n;
                }
                ASSERT_EQ(sum, choose(tables.stub(), 5 - std::popcount(m))) << describe(dealt, m);
            }
            // Holding everything: the dealt hand itself, once.
            const SlotCounts& all = counts[kAllHeld];
            EXPECT_EQ(all[static_cast<std::size_t>(tables.slotOf(indicesOf(v, dealt)))], 1) << describe(dealt, kAllHeld);
        }
    }
}

TEST(FinalHandCounts, JokerPokerMatchesBruteForce) {
    expectCountsMatchBruteForce(Variant::JokerPoker, 300, 3, 101);
    expectCountsMatchBruteForce(Variant::JokerPoker, 24, 2, 102);
    expectCountsMatchBruteForce(Variant::JokerPoker, 2, 0, 103);
}

TEST(FinalHandCounts, JackOrBetterMatchesBruteForce) {
    expectCountsMatchBruteForce(Variant::JackOrBetter, 300, 3, 201);
    expectCountsMatchBruteForce(Variant::JackOrBetter, 24, 2, 202);
    expectCountsMatchBruteForce(Variant::JackOrBetter, 2, 0, 203);
}

TEST(FinalHandCounts, DeucesWildMatchesBruteForce) {
    expectCountsMatchBruteForce(Variant::DeucesWild, 300, 3, 301);
    expectCountsMatchBruteForce(Variant::DeucesWild, 24, 2, 302);
    expectCountsMatchBruteForce(Variant::DeucesWild, 2, 0, 303);
}
