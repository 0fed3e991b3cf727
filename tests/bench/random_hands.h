#pragma once
// Dealt hands for the benchmarks: five different cards of a variant's deck,
// the same ones on every run.
#include <algorithm>
#include <random>
#include <vector>

#include "cards.h"

namespace talvern::bench {

inline std::vector<Hand> randomHands(Variant v, std::size_t n, unsigned seed = 1) {
    std::vector<Card> deck;
    for (Card c = 0; c <= 52; ++c)
        if (inDeck(v, c)) deck.push_back(c);
    std::mt19937 rng(seed);
    std::vector<Hand> out(n);
    for (Hand& h : out) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy_n(deck.begin(), 5, h.begin());
    }
    return out;
}

} // namespace talvern::bench
