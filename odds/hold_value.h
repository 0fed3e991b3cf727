#pragma once
// The worth of a hold, exactly. The draws of a hold holding k cards are the
// C(stub, 5 - k) equally likely sets of replacement cards, so its expected
// pay is an integer over that count; scaled to one common denominator (the
// least common multiple of the six counts) every hold of every deal is an
// integer, and holds are compared without any rounding.
#include <array>
#include <cstdint>

#include "draw_counts.h"
#include "outcomes.h"

namespace talvern::odds {

// What the draw costs. Twice: this machine, which charges the bet again at
// the draw unless all five cards are held. Once: only the deal is charged.
enum class Charge { Once, Twice };

inline int drawCharge(unsigned mask, Charge charge) {
    return charge == Charge::Twice && mask != kAllHeld ? 1 : 0;
}

class DrawOdds {
public:
    explicit DrawOdds(int stub);
    // Equally likely draws of a hold of `held` cards.
    std::int64_t draws(int held) const { return draws_[static_cast<std::size_t>(held)]; }
    std::int64_t common() const { return common_; }
    std::int64_t perDraw(int held) const { return common_ / draws(held); }

private:
    std::array<std::int64_t, 6> draws_{};
    std::int64_t common_ = 1;
};

// Sum of count x pay over the outcome slots: the expected pay times the draws.
inline std::int64_t payOver(const SlotCounts& counts, const PayScale& pays) {
    std::int64_t total = 0;
    for (std::size_t s = 0; s < kMaxOutcomes; ++s) total += static_cast<std::int64_t>(counts[s]) * pays.bySlot()[s];
    return total;
}

// One hold seen through its numbers only, so the choice between holds does
// not depend on which suit is which.
struct HoldFigures {
    unsigned mask = 0;
    int held = 0;            // cards kept
    int charge = 0;          // bets the draw charges
    std::int64_t pay = 0;    // payOver(counts)
    std::int64_t value = 0;  // (pay - charge x draws) x perDraw: the net on the common denominator
    const SlotCounts* counts = nullptr;
};

HoldFigures figuresOf(unsigned mask, const SlotCounts& counts, const PayScale& pays, Charge charge,
                      const DrawOdds& odds);

// > 0 when a is the better hold, < 0 when b is, 0 when nothing but the cards
// tell them apart: the higher net value first; at equal value the hold whose
// draw charges less, then the one with the better chances of the higher
// classes (in pay-table order).
int compareHolds(const HoldFigures& a, const HoldFigures& b, const DrawOdds& odds);

// The best hold of a deal, the first of equals by mask.
HoldFigures bestHold(const HoldCounts& counts, const PayScale& pays, Charge charge, const DrawOdds& odds);

} // namespace talvern::odds
