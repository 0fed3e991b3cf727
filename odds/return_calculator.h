#pragma once
// The return of a variant under best play: every dealt hand, the hold with
// the best net value, the exact odds of its draws.
#include <array>
#include <cstdint>
#include <vector>

#include "exact.h"
#include "final_hand_counts.h"
#include "hold_value.h"
#include "suit_classes.h"

namespace talvern::odds {

struct ReturnResult {
    std::uint64_t games = 0;        // dealt hands, C(n, 5)
    std::size_t dealClasses = 0;    // of them evaluated, one per suit class
    std::int64_t common = 1;        // the common denominator of DrawOdds
    // Over all games, each on the common denominator:
    Int128 payTotal = 0;                             // expected pay per unit bet
    std::array<Int128, kMaxOutcomes> slotTotals{};   // chance of each final outcome
    Int128 hitTotal = 0;                             // chance of a paying final hand
    // Plain counts over all games:
    std::uint64_t betsCharged = 0;  // 1 for the deal, plus 1 when the draw charges
    std::uint64_t holdAllGames = 0; // games whose best hold keeps all five

    // Expected pay per credit charged.
    Fraction returnPerCredit() const { return {payTotal, Int128{common} * betsCharged}; }
    Fraction payPerGame() const { return {payTotal, Int128{common} * games}; }
    Fraction chargePerGame() const { return {Int128{betsCharged}, Int128{games}}; }
    Fraction hitFrequency() const { return {hitTotal, Int128{common} * games}; }
    Fraction slotFrequency(int slot) const { return {slotTotals[static_cast<std::size_t>(slot)], Int128{common} * games}; }
    Fraction holdAllShare() const { return {Int128{holdAllGames}, Int128{games}}; }
};

class ReturnCalculator {
public:
    explicit ReturnCalculator(const FinalHandCounts& counts);

    ReturnResult compute(const PayScale& pays, Charge charge, int threads = 1) const;

    const std::vector<DealClass>& dealClasses() const { return classes_; }

private:
    const FinalHandCounts& counts_;
    DrawOdds odds_;
    std::vector<DealClass> classes_;
};

} // namespace talvern::odds
