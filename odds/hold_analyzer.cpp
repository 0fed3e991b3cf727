#include "hold_analyzer.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <stdexcept>

namespace talvern::odds {

std::vector<HoldResult> HoldAnalyzer::rank(const Hand& dealt, const PayScale& pays, Charge charge) const {
    const DeckIndexer& deck = counts_.deck();
    const Variant v = counts_.variant();
    // The tables want the cards in deck order; remember where each came from.
    std::array<int, 5> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return dealt[static_cast<std::size_t>(a)] < dealt[static_cast<std::size_t>(b)]; });
    DealIndices sorted{};
    for (std::size_t i = 0; i < 5; ++i) {
        const Card c = dealt[static_cast<std::size_t>(order[i])];
        if (!inDeck(v, c) || (i > 0 && c == dealt[static_cast<std::size_t>(order[i - 1])]))
            throw std::invalid_argument("a dealt hand needs five different cards of the deck");
        sorted[i] = deck.indexOf(c);
    }

    HoldCounts byMask{};
    counts_.holdCounts(sorted, byMask);

    std::vector<HoldResult> out;
    out.reserve(32);
    for (unsigned m = 0; m < 32; ++m) {
        HoldResult r;
        for (int i = 0; i < 5; ++i)
            if ((m >> i) & 1u) r.held |= 1u << order[static_cast<std::size_t>(i)];
        r.heldCards = std::popcount(m);
        r.drawCharge = drawCharge(m, charge);
        r.draws = odds_.draws(r.heldCards);
        r.counts = byMask[m];
        r.payTotal = payOver(r.counts, pays);
        out.push_back(r);
    }
    // Leftmost cards first: bit 0 is position 1, so compare the masks bit-reversed.
    const auto leftFirst = [](unsigned m) {
        unsigned r = 0;
        for (int i = 0; i < 5; ++i) r |= ((m >> i) & 1u) << (4 - i);
        return r;
    };
    std::sort(out.begin(), out.end(), [&](const HoldResult& a, const HoldResult& b) {
        const int c = compareHolds(figuresOf(a.held, a.counts, pays, charge, odds_),
                                   figuresOf(b.held, b.counts, pays, charge, odds_), odds_);
        return c != 0 ? c > 0 : leftFirst(a.held) > leftFirst(b.held);
    });
    return out;
}

} // namespace talvern::odds
