#pragma once
// Shared by the odds tests: the counting tables of each variant (built once
// per test run), random dealt hands and the brute-force count of a hold.
#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <vector>

#include "final_hand_counts.h"

namespace talvern::odds::testing {

inline const FinalHandCounts& tablesOf(Variant v) {
    static std::unique_ptr<FinalHandCounts> tables[kVariantCount];
    auto& t = tables[static_cast<int>(v)];
    if (!t) t = std::make_unique<FinalHandCounts>(v, 2);
    return *t;
}

inline constexpr Variant kVariants[] = {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild};

inline std::vector<Card> deckOf(Variant v) {
    std::vector<Card> deck;
    for (Card c = 0; c <= 52; ++c)
        if (inDeck(v, c)) deck.push_back(c);
    return deck;
}

// Five different cards of the deck in ascending order; every third hand of
// Joker Poker gets the joker and every third of Deuces Wild a deuce, so the
// wild cards are well represented.
inline Hand randomDeal(Variant v, std::mt19937& rng, int serial) {
    std::vector<Card> deck = deckOf(v);
    std::shuffle(deck.begin(), deck.end(), rng);
    Hand h{};
    std::copy_n(deck.begin(), 5, h.begin());
    if (serial % 3 == 0) {
        const Card wild = v == Variant::JokerPoker ? kJoker : v == Variant::DeucesWild ? cardCode(static_cast<int>(rng() % 4), 2) : -1;
        if (wild >= 0 && std::find(h.begin(), h.end(), wild) == h.end()) h[0] = wild;
    }
    std::sort(h.begin(), h.end());
    return h;
}

inline DealIndices indicesOf(Variant v, const Hand& ascending) {
    const DeckIndexer deck(v);
    DealIndices d{};
    for (std::size_t i = 0; i < 5; ++i) d[i] = deck.indexOf(ascending[i]);
    return d;
}

// Deals every draw of a hold from the cards not dealt and classifies each
// final hand with the engine. mask bit i keeps dealt[i].
inline SlotCounts bruteForceCounts(Variant v, const Classifier& classify, const Outcomes& outcomes, const Hand& dealt,
                                   unsigned mask) {
    std::vector<Card> stub;
    for (Card c : deckOf(v))
        if (std::find(dealt.begin(), dealt.end(), c) == dealt.end()) stub.push_back(c);
    Hand h{};
    int held = 0;
    for (int i = 0; i < 5; ++i)
        if ((mask >> i) & 1u) h[static_cast<std::size_t>(held++)] = dealt[static_cast<std::size_t>(i)];
    const int drawn = 5 - held;
    SlotCounts counts{};
    std::vector<int> pick(static_cast<std::size_t>(drawn));
    for (int i = 0; i < drawn; ++i) pick[static_cast<std::size_t>(i)] = i;
    const int n = static_cast<int>(stub.size());
    for (;;) {
        for (int i = 0; i < drawn; ++i) h[static_cast<std::size_t>(held + i)] = stub[static_cast<std::size_t>(pick[static_cast<std::size_t>(i)])];
        ++counts[static_cast<std::size_t>(outcomes.slotOf(classify(h, Phase::Settled)))];
        int i = drawn - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == n - drawn + i) --i;
        if (i < 0) break;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < drawn; ++j) pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j) - 1] + 1;
    }
    return counts;
}

inline Classifier classifierOf(Variant v) {
    CardImageTable table;
    table.setBuiltInDeck(v);
    return Classifier(table, v, Classifier::Mode::Table);
}

} // namespace talvern::odds::testing
