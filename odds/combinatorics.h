#pragma once
// Numbering sets of cards. The exact-odds tables keep one row per set of 0..5
// cards of a deck, addressed by the combinatorial (colex) number of the set:
// for deck indices x0 < x1 < ... < x(k-1) it is C(x0, 1) + C(x1, 2) + ... +
// C(x(k-1), k), a perfect index onto 0 .. C(n, k) - 1.
#include <array>
#include <cstdint>

#include "cards.h"

namespace talvern::odds {

inline constexpr int kLargestDeck = 53;

struct BinomialTable {
    std::uint32_t c[kLargestDeck + 1][6]{};
    constexpr BinomialTable() {
        for (int n = 0; n <= kLargestDeck; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 6; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
inline constexpr BinomialTable kBinomial;

// C(n, k) for n 0..53, k 0..5.
constexpr std::uint32_t choose(int n, int k) { return kBinomial.c[n][k]; }

// Colex number of k ascending deck indices.
inline std::uint32_t colexIndex(const int* ascending, int k) {
    std::uint32_t index = 0;
    for (int i = 0; i < k; ++i) index += choose(ascending[i], i + 1);
    return index;
}

// The k-card sets of an n-card deck in colex order, starting anywhere, so a
// range of set numbers can be walked by one thread while another walks the
// next range.
class CombinationWalker {
public:
    CombinationWalker(int n, int k, std::uint32_t startIndex) : n_(n), k_(k) {
        std::uint32_t rest = startIndex;
        for (int i = k - 1; i >= 0; --i) {
            int x = i;
            while (x + 1 < n && choose(x + 1, i + 1) <= rest) ++x;
            x_[static_cast<std::size_t>(i)] = x;
            rest -= choose(x, i + 1);
        }
    }
    const int* cards() const { return x_.data(); }
    // Moves to the next set; false after the last one.
    bool next() {
        for (int i = 0; i < k_; ++i) {
            const int limit = i + 1 < k_ ? x_[static_cast<std::size_t>(i) + 1] : n_;
            if (x_[static_cast<std::size_t>(i)] + 1 < limit) {
                ++x_[static_cast<std::size_t>(i)];
                for (int j = 0; j < i; ++j) x_[static_cast<std::size_t>(j)] = j;
                return true;
            }
        }
        return false;
    }

private:
    int n_, k_;
    std::array<int, 5> x_{};
};

// The cards of a variant's deck as indices 0 .. n - 1, in card code order
// (so the joker, when the deck has it, is index 0).
class DeckIndexer {
public:
    explicit DeckIndexer(Variant v) : offset_(v == Variant::JokerPoker ? 0 : 1), size_(deckSize(v)) {}
    int size() const { return size_; }
    int indexOf(Card c) const { return c - offset_; }
    Card cardAt(int index) const { return index + offset_; }

private:
    int offset_;
    int size_;
};

} // namespace talvern::odds
