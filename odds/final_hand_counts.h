#pragma once
// How many final hands of each outcome contain a given set of cards, for
// every set of 0..5 cards of a variant's deck. With these tables the draws of
// a hold are counted instead of dealt: the final hands that keep exactly the
// held cards H of a dealt hand D are those containing H minus those that also
// contain some discarded card, which inclusion and exclusion over the subsets
// of D \ H turns into a signed sum of table rows.
#include <array>
#include <cstdint>
#include <vector>

#include "draw_counts.h"

namespace talvern::odds {

class FinalHandCounts : public DrawCountSource {
public:
    // Classifies every five-card hand of the deck once with the engine's
    // classifier (after the draw) and sums the tables up from there; a few
    // hundred milliseconds, spread over `threads` threads.
    explicit FinalHandCounts(Variant v, int threads = 1);

    Variant variant() const override { return outcomes_.variant(); }
    const Outcomes& outcomes() const override { return outcomes_; }
    const DeckIndexer& deck() const override { return deck_; }
    // Five-card hands of the deck.
    std::uint32_t hands() const { return choose(deck_.size(), 5); }

    // The outcome slot of a five-card hand.
    int slotOf(const DealIndices& hand) const { return level5_[colexIndex(hand.data(), 5)]; }

    // For every hold of the dealt hand, how many of its draws end in each
    // outcome; the counts of hold m add up to C(stub, 5 - popcount(m)).
    void holdCounts(const DealIndices& deal, HoldCounts& out) const override;

private:
    void classifyAll(int threads);
    template <typename Lower, typename AddUpperRow>
    void sumLevel(int k, std::vector<Lower>& lower, AddUpperRow addUpper, int threads) const;

    DeckIndexer deck_;
    Outcomes outcomes_;
    // Level k: one row of kMaxOutcomes counts per k-card set, by colex
    // number. Five-card sets are one hand each, so level 5 keeps just the
    // slot. The narrowest type that holds the largest count of each level
    // keeps the tables small enough for the caches.
    std::vector<std::uint8_t> level5_;
    std::vector<std::uint8_t> level4_;   // at most 49
    std::vector<std::uint16_t> level3_;  // at most C(50, 2)
    std::vector<std::uint16_t> level2_;  // at most C(51, 3)
    std::vector<std::uint32_t> level1_;
    std::vector<std::uint32_t> level0_;
};

} // namespace talvern::odds
