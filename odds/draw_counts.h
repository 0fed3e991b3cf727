#pragma once
// What the hold analysis asks of a way of counting draws: for every hold of
// a dealt hand, how many of its equally likely draws end in each outcome.
// Two ways do it: the whole-deck tables of FinalHandCounts, which pay off
// when every dealt hand is analysed (the return of a game), and the count of
// one hand by the ranks of its draws (HandDrawCounter), which needs no big
// table and is what the game asks for, one dealt hand at a time.
#include <array>
#include <cstdint>

#include "combinatorics.h"
#include "outcomes.h"

namespace talvern::odds {

using SlotCounts = std::array<std::int32_t, kMaxOutcomes>;
// Indexed by a hold mask: bit i set keeps card i of the dealt hand.
using HoldCounts = std::array<SlotCounts, 32>;
// Five deck indices in ascending order.
using DealIndices = std::array<int, 5>;

inline constexpr int kAllHeld = 31;

class DrawCountSource {
public:
    virtual ~DrawCountSource() = default;
    virtual Variant variant() const = 0;
    virtual const Outcomes& outcomes() const = 0;
    virtual const DeckIndexer& deck() const = 0;
    // Cards left to draw from after the deal.
    int stub() const { return deck().size() - 5; }

    // For every hold of the dealt hand (bit i keeps deal[i]), how many of its
    // draws end in each outcome; the counts of hold m add up to
    // C(stub, 5 - popcount(m)).
    virtual void holdCounts(const DealIndices& deal, HoldCounts& out) const = 0;
};

} // namespace talvern::odds
