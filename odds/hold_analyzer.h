#pragma once
// Every hold of one dealt hand, with the exact odds of each final class.
#include <vector>

#include "exact.h"
#include "draw_counts.h"
#include "hold_value.h"

namespace talvern::odds {

struct HoldResult {
    unsigned held = 0;         // bit i: position i + 1 of the dealt hand is kept
    int heldCards = 0;
    int drawCharge = 0;        // bets the draw charges: 1, or 0 when all five are held
    std::int64_t draws = 0;    // equally likely draws, C(stub, 5 - heldCards)
    SlotCounts counts{};       // final hands of each outcome slot over those draws
    std::int64_t payTotal = 0; // sum of count x pay per unit bet

    bool keeps(int position) const { return (held >> position) & 1u; }  // position 0..4
    Fraction expectedPay() const { return {payTotal, draws}; }
    // Expected pay minus what the draw charges.
    Fraction net() const { return {payTotal - drawCharge * draws, draws}; }
};

class HoldAnalyzer {
public:
    explicit HoldAnalyzer(const DrawCountSource& counts) : counts_(counts), odds_(counts.stub()) {}

    // All 32 holds, best first: by net value, then as compareHolds() orders
    // equals, then the hold that keeps the leftmost cards. The cards must be
    // five different cards of the variant's deck (std::invalid_argument).
    std::vector<HoldResult> rank(const Hand& dealt, const PayScale& pays, Charge charge) const;

private:
    const DrawCountSource& counts_;
    DrawOdds odds_;
};

} // namespace talvern::odds
