#pragma once
// The draws of every hold of one dealt hand, counted by the ranks they bring
// rather than dealt one by one.
//
// After the draw the machine's classification of a hand depends only on its
// ranks, counted with the wild cards apart, and on whether its natural cards
// (all but the wild ones) share one suit: the evaluators read suits only
// through "all of one suit" tests. So the draws of a hold fall into a few
// thousand kinds, one per multiset of ranks drawn; the number of draws of a
// kind is a product of binomials over the cards of each rank left in the
// stub, and the ones among them that end with all natural cards in one suit
// are counted suit by suit. One small table, the outcome of every rank
// multiset with and without a common suit (8568 entries each, filled on
// first use by classifying one hand of each with the engine), is all it
// needs; a dealt hand is counted in about a millisecond.
#include <vector>

#include "draw_counts.h"

namespace talvern::odds {

class HandDrawCounter : public DrawCountSource {
public:
    explicit HandDrawCounter(Variant v);

    Variant variant() const override { return outcomes_.variant(); }
    const Outcomes& outcomes() const override { return outcomes_; }
    const DeckIndexer& deck() const override { return deck_; }
    void holdCounts(const DealIndices& deal, HoldCounts& out) const override;

    // Ranks as the counter tells them apart: 0..12 the natural aces to
    // kings, kWild the wild cards (the joker, the deuces of Deuces Wild).
    static constexpr int kWild = 13;
    static constexpr int kSymbols = 14;
    int symbolOf(Card c) const;
    // Cards of a symbol in the deck.
    int copies(int symbol) const;

private:
    struct Counting;
    DeckIndexer deck_;
    Outcomes outcomes_;
    // The outcome slot of a five-card rank multiset, by its multiset number;
    // [1] when the natural cards share a suit, [0] when they do not. -1
    // where no hand of the deck has that shape.
    std::vector<std::int8_t> slot_[2];
};

} // namespace talvern::odds
