#include "suit_classes.h"

#include <algorithm>
#include <bit>

namespace talvern::odds {
namespace {

constexpr int kSuits = 4;
constexpr int kRanks = 13;

struct MasksByPopcount {
    std::vector<std::uint16_t> of[6];  // ascending
    MasksByPopcount() {
        for (unsigned m = 0; m < (1u << kRanks); ++m) {
            const int pc = std::popcount(m);
            if (pc <= 5) of[pc].push_back(static_cast<std::uint16_t>(m));
        }
    }
};

// A class is one non-increasing tuple of suit masks; the suit permutations
// give as many hands as the tuple has distinct orderings.
std::uint32_t orderings(const std::array<std::uint16_t, kSuits>& masks) {
    std::uint32_t weight = 24;
    int run = 1;
    for (int s = 1; s <= kSuits; ++s) {
        if (s < kSuits && masks[static_cast<std::size_t>(s)] == masks[static_cast<std::size_t>(s) - 1]) {
            ++run;
            continue;
        }
        for (int f = 2; f <= run; ++f) weight /= static_cast<std::uint32_t>(f);
        run = 1;
    }
    return weight;
}

class ClassEnumerator {
public:
    ClassEnumerator(Variant v, bool joker, std::vector<DealClass>& out)
        : deck_(v), joker_(joker), out_(out) {}

    void run(int cards) { extend(0, cards, (1u << kRanks) - 1); }

private:
    void extend(int suit, int remaining, unsigned maxMask) {
        if (suit == kSuits) {
            if (remaining == 0) emit();
            return;
        }
        // The last suit must take all the cards left.
        for (int pc = suit == kSuits - 1 ? remaining : 0; pc <= remaining; ++pc) {
            for (std::uint16_t m : masks_.of[pc]) {
                if (m > maxMask) break;
                current_[static_cast<std::size_t>(suit)] = m;
                extend(suit + 1, remaining - pc, m);
            }
        }
    }

    void emit() {
        DealClass c;
        std::size_t at = 0;
        if (joker_) c.cards[at++] = deck_.indexOf(kJoker);
        for (int s = 0; s < kSuits; ++s)
            for (int r = 0; r < kRanks; ++r)
                if ((current_[static_cast<std::size_t>(s)] >> r) & 1u) c.cards[at++] = deck_.indexOf(cardCode(s, r + 1));
        c.weight = orderings(current_);
        out_.push_back(c);
    }

    static inline const MasksByPopcount masks_{};
    DeckIndexer deck_;
    bool joker_;
    std::vector<DealClass>& out_;
    std::array<std::uint16_t, kSuits> current_{};
};

} // namespace

std::vector<DealClass> suitClasses(Variant v) {
    std::vector<DealClass> out;
    out.reserve(140000);
    ClassEnumerator(v, false, out).run(5);
    if (v == Variant::JokerPoker) ClassEnumerator(v, true, out).run(4);
    return out;
}

std::array<std::uint16_t, 4> suitProfile(Variant v, const DealIndices& cards) {
    const DeckIndexer deck(v);
    std::array<std::uint16_t, kSuits> masks{};
    for (int index : cards) {
        const Card c = deck.cardAt(index);
        if (c == kJoker) continue;
        masks[static_cast<std::size_t>((c - 1) / kRanks)] |= static_cast<std::uint16_t>(1u << ((c - 1) % kRanks));
    }
    std::sort(masks.begin(), masks.end(), std::greater<>());
    return masks;
}

} // namespace talvern::odds
