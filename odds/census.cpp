#include "census.h"

#include <array>
#include <bit>
#include <vector>

namespace talvern::odds {

const std::vector<std::string>& censusLabels(Variant v) {
    static const std::vector<std::string> joker{"p", "r", "q", "k", "h", "f", "s", "t", "d", "w", "x"};
    static const std::vector<std::string> jacks{"r", "q", "k", "h", "f", "s", "t", "d", "w+", "w-", "x"};
    static const std::vector<std::string> deuces{"r", "u", "y", "p", "q", "k", "h", "f", "s", "t", "w", "x"};
    switch (v) {
    case Variant::JackOrBetter: return jacks;
    case Variant::DeucesWild: return deuces;
    default: return joker;
    }
}

Census census(Variant v, Phase phase) {
    CardImageTable table;
    table.setBuiltInDeck(v);
    const Classifier classify(table, v, Classifier::Mode::Table);

    std::vector<Card> deck;
    for (Card c = 0; c <= 52; ++c)
        if (inDeck(v, c)) deck.push_back(c);
    const int n = static_cast<int>(deck.size());

    // Tally by class letter (and paying / not paying pair) in a flat array.
    std::array<std::uint64_t, 256> plain{};
    std::uint64_t payingPairs = 0;
    std::uint64_t hints[6] = {};
    Hand h{};
    for (int a = 0; a < n; ++a) {
        h[0] = deck[static_cast<std::size_t>(a)];
        for (int b = a + 1; b < n; ++b) {
            h[1] = deck[static_cast<std::size_t>(b)];
            for (int c = b + 1; c < n; ++c) {
                h[2] = deck[static_cast<std::size_t>(c)];
                for (int d = c + 1; d < n; ++d) {
                    h[3] = deck[static_cast<std::size_t>(d)];
                    for (int e = d + 1; e < n; ++e) {
                        h[4] = deck[static_cast<std::size_t>(e)];
                        const Evaluation ev = classify(h, phase);
                        if (ev.jacksPair) ++payingPairs;
                        else ++plain[static_cast<unsigned char>(ev.handClass)];
                        if (ev.handClass == cls::Nothing && ev.comboFound) ++hints[std::popcount(ev.flags)];
                    }
                }
            }
        }
    }
    Census out;
    out.hint4 = hints[4];
    out.hint5 = hints[5];
    for (const std::string& label : censusLabels(v)) {
        std::uint64_t count = 0;
        if (label == "w+") count = payingPairs;
        else count = plain[static_cast<unsigned char>(label[0])];
        out.counts[label] = count;
        out.total += count;
    }
    return out;
}

} // namespace talvern::odds
