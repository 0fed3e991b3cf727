#include "hold_value.h"

#include <bit>
#include <numeric>

namespace talvern::odds {

DrawOdds::DrawOdds(int stub) {
    for (int held = 0; held <= 5; ++held) {
        draws_[static_cast<std::size_t>(held)] = choose(stub, 5 - held);
        common_ = std::lcm(common_, draws_[static_cast<std::size_t>(held)]);
    }
}

HoldFigures figuresOf(unsigned mask, const SlotCounts& counts, const PayScale& pays, Charge charge,
                      const DrawOdds& odds) {
    HoldFigures f;
    f.mask = mask;
    f.held = std::popcount(mask);
    f.charge = drawCharge(mask, charge);
    f.pay = payOver(counts, pays);
    f.value = (f.pay - f.charge * odds.draws(f.held)) * odds.perDraw(f.held);
    f.counts = &counts;
    return f;
}

int compareHolds(const HoldFigures& a, const HoldFigures& b, const DrawOdds& odds) {
    if (a.value != b.value) return a.value > b.value ? 1 : -1;
    if (a.charge != b.charge) return a.charge < b.charge ? 1 : -1;
    for (std::size_t s = 0; s < kMaxOutcomes; ++s) {
        const std::int64_t ca = (*a.counts)[s] * odds.perDraw(a.held);
        const std::int64_t cb = (*b.counts)[s] * odds.perDraw(b.held);
        if (ca != cb) return ca > cb ? 1 : -1;
    }
    return 0;
}

HoldFigures bestHold(const HoldCounts& counts, const PayScale& pays, Charge charge, const DrawOdds& odds) {
    HoldFigures best = figuresOf(0, counts[0], pays, charge, odds);
    for (unsigned m = 1; m < 32; ++m) {
        const HoldFigures f = figuresOf(m, counts[m], pays, charge, odds);
        if (f.value > best.value || (f.value == best.value && compareHolds(f, best, odds) > 0)) best = f;
    }
    return best;
}

} // namespace talvern::odds
