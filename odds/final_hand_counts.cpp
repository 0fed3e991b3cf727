#include "final_hand_counts.h"

#include <atomic>
#include <bit>
#include <stdexcept>

#include "parallel.h"

namespace talvern::odds {
namespace {

// Calls f(colex number of S + {c}) for every deck index c not in the
// ascending k-card set S. The number of S + {c} is the sum over S's cards
// below c of C(s, place + 1), then C(c, j + 1) for c at place j, then
// the cards above c, each moved up one place.
template <typename F>
inline void forEachExtension(const int* s, int k, int n, F f) {
    std::uint32_t below = 0;
    std::uint32_t above = 0;
    for (int i = 0; i < k; ++i) above += choose(s[i], i + 2);
    int j = 0;
    for (int c = 0; c < n; ++c) {
        if (j < k && s[j] == c) {
            below += choose(c, j + 1);
            above -= choose(c, j + 2);
            ++j;
            continue;
        }
        f(below + choose(c, j + 1) + above);
    }
}

template <typename T>
inline void loadRow(const std::vector<T>& level, std::uint32_t index, SlotCounts& out) {
    const T* row = level.data() + static_cast<std::size_t>(index) * kMaxOutcomes;
    for (int s = 0; s < kMaxOutcomes; ++s) out[static_cast<std::size_t>(s)] = static_cast<std::int32_t>(row[s]);
}

} // namespace

FinalHandCounts::FinalHandCounts(Variant v, int threads) : deck_(v), outcomes_(v) {
    classifyAll(threads);
    // Each final hand that contains a k-card set contains 5 - k of its
    // (k + 1)-card supersets, so a level is the sum of the level above over
    // the one-card extensions, divided by 5 - k.
    sumLevel(4, level4_, [this](std::uint32_t i, std::uint32_t* acc) { ++acc[level5_[i]]; }, threads);
    auto rowAdder = [](const auto& upper) {
        return [&upper](std::uint32_t i, std::uint32_t* acc) {
            const auto* row = upper.data() + static_cast<std::size_t>(i) * kMaxOutcomes;
            for (int s = 0; s < kMaxOutcomes; ++s) acc[s] += row[s];
        };
    };
    sumLevel(3, level3_, rowAdder(level4_), threads);
    sumLevel(2, level2_, rowAdder(level3_), threads);
    sumLevel(1, level1_, rowAdder(level2_), threads);
    sumLevel(0, level0_, rowAdder(level1_), 1);
}

void FinalHandCounts::classifyAll(int threads) {
    CardImageTable table;
    table.setBuiltInDeck(variant());
    const Classifier classify(table, variant(), Classifier::Mode::Table);
    level5_.assign(hands(), 0);
    std::atomic<bool> unknownClass = false;
    forEachSlice(hands(), threads, [&](int, std::uint64_t begin, std::uint64_t end) {
        CombinationWalker w(deck_.size(), 5, static_cast<std::uint32_t>(begin));
        Hand h{};
        for (std::uint64_t i = begin; i < end; ++i, w.next()) {
            for (std::size_t c = 0; c < 5; ++c) h[c] = deck_.cardAt(w.cards()[c]);
            const int slot = outcomes_.slotOf(classify(h, Phase::Settled));
            if (slot < 0) unknownClass = true;
            level5_[i] = static_cast<std::uint8_t>(slot);
        }
    });
    if (unknownClass) throw std::logic_error("the classifier returned a class the census does not know");
}

template <typename Lower, typename AddUpperRow>
void FinalHandCounts::sumLevel(int k, std::vector<Lower>& lower, AddUpperRow addUpper, int threads) const {
    const int n = deck_.size();
    const std::uint32_t sets = choose(n, k);
    lower.assign(static_cast<std::size_t>(sets) * kMaxOutcomes, 0);
    const auto share = static_cast<std::uint32_t>(5 - k);
    forEachSlice(sets, threads, [&](int, std::uint64_t begin, std::uint64_t end) {
        CombinationWalker w(n, k, static_cast<std::uint32_t>(begin));
        for (std::uint64_t i = begin; i < end; ++i, w.next()) {
            std::uint32_t acc[kMaxOutcomes] = {};
            forEachExtension(w.cards(), k, n, [&](std::uint32_t upper) { addUpper(upper, acc); });
            Lower* row = lower.data() + i * kMaxOutcomes;
            for (int s = 0; s < kMaxOutcomes; ++s) row[s] = static_cast<Lower>(acc[s] / share);
        }
    });
}

void FinalHandCounts::holdCounts(const DealIndices& deal, HoldCounts& out) const {
    // Rows of the 32 subsets of the deal: the final hands containing each.
    std::array<std::uint32_t, 32> index{};
    for (unsigned m = 1; m < 32; ++m) {
        const int top = std::bit_width(m) - 1;
        index[m] = index[m & ~(1u << top)] + choose(deal[static_cast<std::size_t>(top)], std::popcount(m));
    }
    for (unsigned m = 0; m < 32; ++m) {
        SlotCounts& row = out[m];
        switch (std::popcount(m)) {
        case 0: loadRow(level0_, index[m], row); break;
        case 1: loadRow(level1_, index[m], row); break;
        case 2: loadRow(level2_, index[m], row); break;
        case 3: loadRow(level3_, index[m], row); break;
        case 4: loadRow(level4_, index[m], row); break;
        default:
            row.fill(0);
            row[level5_[index[m]]] = 1;
            break;
        }
    }
    // Inclusion and exclusion, one discarded card at a time: after the pass
    // for card b, no row m without b counts hands that contain b.
    for (int b = 0; b < 5; ++b) {
        const unsigned bit = 1u << b;
        for (unsigned m = 0; m < 32; ++m) {
            if (m & bit) continue;
            SlotCounts& keep = out[m];
            const SlotCounts& with = out[m | bit];
            for (int s = 0; s < kMaxOutcomes; ++s) keep[static_cast<std::size_t>(s)] -= with[static_cast<std::size_t>(s)];
        }
    }
}

} // namespace talvern::odds
