#include <gtest/gtest.h>

#include "odds_support.h"
#include "return_calculator.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

ReturnResult returnOf(Variant v, const PayScale& pays, Charge charge, int threads = 2) {
    return ReturnCalculator(tablesOf(v)).compute(pays, charge, threads);
}

Fraction sumOfSlots(const ReturnResult& r, int slots) {
    Int128 total = 0;
    for (int s = 0; s < slots; ++s) total += r.slotTotals[static_cast<std::size_t>(s)];
    return {total, Int128{r.common} * r.games};
}

} // namespace

// Ordinary video poker (one charge per game) with the best strategy: the
// published returns of the 9/6 and 8/5 Jacks or Better tables.
TEST(ReturnCalculator, MatchesThePublishedJacksOrBetterReturns) {
    const ReturnResult nineSix =
        returnOf(Variant::JackOrBetter, PayScale(Variant::JackOrBetter, {800, 50, 25, 9, 6, 4, 3, 2, 1}), Charge::Once);
    EXPECT_EQ(nineSix.returnPerCredit().decimal(6), "0.995439");
    EXPECT_EQ(nineSix.games, 2598960u);
    EXPECT_EQ(nineSix.betsCharged, nineSix.games);
    EXPECT_EQ(sumOfSlots(nineSix, 11), Fraction(1));

    const ReturnResult eightFive =
        returnOf(Variant::JackOrBetter, PayScale(Variant::JackOrBetter, {800, 50, 25, 8, 5, 4, 3, 2, 1}), Charge::Once, 1);
    EXPECT_EQ(eightFive.returnPerCredit().decimal(6), "0.972984");
}

// With nothing to win, every draw only costs the second bet: the machine's
// player holds all five every time.
TEST(ReturnCalculator, HoldsAllFiveWhenTheDrawCanOnlyCost) {
    const ReturnResult r = returnOf(Variant::DeucesWild, PayScale(Variant::DeucesWild, std::vector<int>(10, 0)), Charge::Twice);
    EXPECT_EQ(r.holdAllShare(), Fraction(1));
    EXPECT_EQ(r.chargePerGame(), Fraction(1));
    EXPECT_EQ(r.returnPerCredit(), Fraction(0));
    EXPECT_EQ(r.hitFrequency(), Fraction(0));
}

// The machine's own tables, charged twice and once. Charged once, the
// player maximises the pay, so no game can pay more on average the other way;
// charged twice, he saves the second bet at times by holding all five.
TEST(ReturnCalculator, ChargingTheDrawChangesThePlayConsistently) {
    for (Variant v : kVariants) {
        const ReturnResult twice = returnOf(v, PayScale(v), Charge::Twice);
        const ReturnResult once = returnOf(v, PayScale(v), Charge::Once, 1);
        const int slots = tablesOf(v).outcomes().count();
        EXPECT_EQ(sumOfSlots(twice, slots), Fraction(1));
        EXPECT_EQ(twice.games, choose(deckSize(v), 5));
        EXPECT_EQ(twice.betsCharged, 2 * twice.games - twice.holdAllGames);
        EXPECT_TRUE(once.payTotal >= twice.payTotal);
        EXPECT_GT(twice.holdAllGames, once.holdAllGames);
        EXPECT_EQ(once.chargePerGame(), Fraction(1));
    }
}
