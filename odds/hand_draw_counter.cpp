#include "hand_draw_counter.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace talvern::odds {
namespace {

constexpr int kSymbols = HandDrawCounter::kSymbols;
constexpr int kWild = HandDrawCounter::kWild;
// Multisets of five among the fourteen symbols: C(14 + 5 - 1, 5).
constexpr int kMultisets = 8568;
constexpr unsigned kAllSuits = 0xF;

using Counts = std::array<int, kSymbols>;

// What c cards of symbol s add to the multiset number (below) from place
// `at` on: the card at place j is x = s + j, numbered by C(x, j + 1).
struct PlacedTable {
    int of[kSymbols][6][6]{};
    constexpr PlacedTable() {
        for (int s = 0; s < kSymbols; ++s)
            for (int at = 0; at <= 5; ++at)
                for (int c = 0; at + c <= 5; ++c)
                    for (int j = at; j < at + c; ++j) of[s][at][c] += static_cast<int>(choose(s + j, j + 1));
    }
};
constexpr PlacedTable kPlaced;

// The number of a five-card multiset: its symbols in ascending order, the
// i-th moved up by i, make a set of 0..17, numbered as combinatorics.h
// numbers sets (0 .. C(18, 5) - 1).
int multisetIndex(const Counts& counts) {
    int x[5];
    int at = 0;
    for (int s = 0; s < kSymbols; ++s)
        for (int k = 0; k < counts[static_cast<std::size_t>(s)]; ++k, ++at) x[at] = s + at;
    return static_cast<int>(colexIndex(x, 5));
}

int suitOf(Card c) { return (c - 1) / 13; }

} // namespace

int HandDrawCounter::symbolOf(Card c) const {
    if (c == kJoker) return kWild;
    const int rank = (c - 1) % 13 + 1;
    if (variant() == Variant::DeucesWild && rank == 2) return kWild;
    return rank - 1;
}

int HandDrawCounter::copies(int symbol) const {
    const Variant v = variant();
    if (symbol == kWild) return v == Variant::JokerPoker ? 1 : v == Variant::DeucesWild ? 4 : 0;
    return v == Variant::DeucesWild && symbol == 1 ? 0 : 4;
}

HandDrawCounter::HandDrawCounter(Variant v) : deck_(v), outcomes_(v) {
    CardImageTable table;
    table.setBuiltInDeck(v);
    const Classifier classify(table, v);
    for (auto& slots : slot_) slots.assign(kMultisets, -1);

    // One hand of each shape: the naturals' copies in suits 0, 1, 2 ..., the
    // wild cards after them; for a common suit all naturals in suit 0, else
    // the last natural moved to suit 1 when they came out in one suit.
    auto classifyShape = [&](const Counts& counts, bool oneSuit) {
        Hand h{};
        std::size_t at = 0;
        int lastNatural = -1;
        for (int s = 0; s < kWild; ++s)
            for (int k = 0; k < counts[static_cast<std::size_t>(s)]; ++k) {
                lastNatural = static_cast<int>(at);
                h[at++] = cardCode(oneSuit ? 0 : k, s + 1);
            }
        if (!oneSuit && std::all_of(h.begin(), h.begin() + static_cast<std::ptrdiff_t>(at),
                                    [&](Card c) { return suitOf(c) == 0; }))
            h[static_cast<std::size_t>(lastNatural)] += 13;
        for (int k = 0; k < counts[kWild]; ++k) h[at++] = v == Variant::JokerPoker ? kJoker : cardCode(k, 2);
        const int slot = outcomes_.slotOf(classify(h, Phase::Settled));
        if (slot < 0) throw std::logic_error("the classifier returned a class the census does not know");
        slot_[oneSuit ? 1 : 0][static_cast<std::size_t>(multisetIndex(counts))] = static_cast<std::int8_t>(slot);
    };
    Counts counts{};
    auto visit = [&](auto& self, int s, int left) -> void {
        if (s == kSymbols) {
            if (left) return;
            int naturals = 5 - counts[kWild];
            bool distinct = true;
            for (int r = 0; r < kWild; ++r) distinct &= counts[static_cast<std::size_t>(r)] <= 1;
            if (distinct) classifyShape(counts, true);
            if (naturals >= 2) classifyShape(counts, false);
            return;
        }
        for (int k = 0; k <= std::min(left, copies(s)); ++k) {
            counts[static_cast<std::size_t>(s)] = k;
            self(self, s + 1, left - k);
        }
        counts[static_cast<std::size_t>(s)] = 0;
    };
    visit(visit, 0, 5);
}

// The draws of one hold: the ranks drawn symbol by symbol, with the ways of
// drawing them so far, the suits all natural cards could still share, and
// the multiset number of the final hand built up as its symbols are placed
// in ascending order.
struct HandDrawCounter::Counting {
    const HandDrawCounter& counter;
    Counts left{};                          // cards of each symbol in the stub
    std::array<unsigned, kSymbols> dealt{}; // suits of the dealt naturals of each symbol
    Counts held{};
    Counts drawn{};
    // What the held cards of the symbols from s on add to the multiset
    // number when the first of them takes place `at`.
    std::array<std::array<int, 6>, kSymbols + 1> heldTail{};
    SlotCounts* row = nullptr;

    static int placed(int s, int at, int c) { return kPlaced.of[s][at][c]; }

    void prepareHeld() {
        for (int at = 0; at <= 5; ++at) heldTail[kSymbols][static_cast<std::size_t>(at)] = 0;
        for (int s = kSymbols - 1; s >= 0; --s) {
            const int c = held[static_cast<std::size_t>(s)];
            for (int at = 0; at <= 5; ++at)
                heldTail[static_cast<std::size_t>(s)][static_cast<std::size_t>(at)] =
                    at + c > 5 ? 0 : placed(s, at, c) + heldTail[static_cast<std::size_t>(s) + 1][static_cast<std::size_t>(at + c)];
        }
    }

    void walk(int s, int cards, int at, int index, std::int64_t ways, unsigned suits, bool distinct) {
        if (cards == 0) {
            settle(index + heldTail[static_cast<std::size_t>(s)][static_cast<std::size_t>(at)], ways, suits, distinct);
            return;
        }
        if (s == kSymbols) return;
        const auto here = static_cast<std::size_t>(s);
        for (int k = 0; k <= std::min(cards, left[here]); ++k) {
            drawn[here] = k;
            unsigned still = suits;
            bool apart = distinct;
            if (s != kWild && k > 0) {
                apart = apart && held[here] + k == 1;
                still &= ~dealt[here];  // a natural drawn in a suit must not be a dealt card
            }
            const int c = held[here] + k;
            walk(s + 1, cards - k, at + c, index + placed(s, at, c), ways * choose(left[here], k), still, apart);
        }
        drawn[here] = 0;
    }

    void settle(int index, std::int64_t ways, unsigned suits, bool distinct) {
        const auto i = static_cast<std::size_t>(index);
        // Ways with every natural in one suit: one per suit still open, each
        // natural drawn being the card of that suit; the wild cards any.
        const std::int64_t oneSuit =
            distinct ? std::popcount(suits) * static_cast<std::int64_t>(choose(left[kWild], drawn[kWild])) : 0;
        if (oneSuit) (*row)[static_cast<std::size_t>(counter.slot_[1][i])] += static_cast<std::int32_t>(oneSuit);
        if (ways > oneSuit) (*row)[static_cast<std::size_t>(counter.slot_[0][i])] += static_cast<std::int32_t>(ways - oneSuit);
    }
};

void HandDrawCounter::holdCounts(const DealIndices& deal, HoldCounts& out) const {
    Counting c{*this};
    std::array<int, 5> symbol{}, suit{};
    for (int s = 0; s < kSymbols; ++s) c.left[static_cast<std::size_t>(s)] = copies(s);
    for (std::size_t i = 0; i < 5; ++i) {
        const Card card = deck_.cardAt(deal[i]);
        symbol[i] = symbolOf(card);
        --c.left[static_cast<std::size_t>(symbol[i])];
        if (symbol[i] != kWild) {
            suit[i] = suitOf(card);
            c.dealt[static_cast<std::size_t>(symbol[i])] |= 1u << suit[i];
        }
    }
    for (unsigned m = 0; m < 32; ++m) {
        c.held.fill(0);
        unsigned suits = kAllSuits;
        for (std::size_t i = 0; i < 5; ++i) {
            if (!((m >> i) & 1u)) continue;
            ++c.held[static_cast<std::size_t>(symbol[i])];
            if (symbol[i] != kWild) suits &= 1u << suit[i];
        }
        bool distinct = true;
        for (int s = 0; s < kWild; ++s) distinct &= c.held[static_cast<std::size_t>(s)] <= 1;
        c.prepareHeld();
        out[m].fill(0);
        c.row = &out[m];
        c.walk(0, 5 - std::popcount(m), 0, 0, 1, suits, distinct);
    }
}

} // namespace talvern::odds
