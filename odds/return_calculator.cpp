#include "return_calculator.h"

#include "parallel.h"

namespace talvern::odds {

ReturnCalculator::ReturnCalculator(const FinalHandCounts& counts)
    : counts_(counts), odds_(counts.stub()), classes_(suitClasses(counts.variant())) {}

ReturnResult ReturnCalculator::compute(const PayScale& pays, Charge charge, int threads) const {
    const int parts = threads < 1 ? 1 : threads;
    std::vector<ReturnResult> partial(static_cast<std::size_t>(parts));
    forEachSlice(classes_.size(), parts, [&](int part, std::uint64_t begin, std::uint64_t end) {
        ReturnResult& r = partial[static_cast<std::size_t>(part)];
        HoldCounts counts;
        for (std::uint64_t i = begin; i < end; ++i) {
            const DealClass& deal = classes_[i];
            counts_.holdCounts(deal.cards, counts);
            const HoldFigures best = bestHold(counts, pays, charge, odds_);
            const std::int64_t weight = deal.weight;
            const std::int64_t scale = weight * odds_.perDraw(best.held);
            r.games += deal.weight;
            r.payTotal += Int128{best.pay} * scale;
            for (std::size_t s = 0; s < kMaxOutcomes; ++s) {
                r.slotTotals[s] += (*best.counts)[s] * scale;
                if (pays.bySlot()[s] > 0) r.hitTotal += (*best.counts)[s] * scale;
            }
            r.betsCharged += static_cast<std::uint64_t>(weight * (1 + best.charge));
            if (best.mask == kAllHeld) r.holdAllGames += deal.weight;
        }
    });

    ReturnResult total;
    total.dealClasses = classes_.size();
    total.common = odds_.common();
    for (const ReturnResult& r : partial) {
        total.games += r.games;
        total.payTotal += r.payTotal;
        for (std::size_t s = 0; s < kMaxOutcomes; ++s) total.slotTotals[s] += r.slotTotals[s];
        total.hitTotal += r.hitTotal;
        total.betsCharged += r.betsCharged;
        total.holdAllGames += r.holdAllGames;
    }
    return total;
}

} // namespace talvern::odds
