#pragma once
// Readable hands for tests: "AH KH QH JH 1H" (rank A 2-9 1 J Q K, suit
// H hearts, B diamonds, K clubs, V spades; "PP" the joker).
#include <sstream>
#include <stdexcept>
#include <string>

#include "cards.h"
#include "evaluator.h"

namespace talvern::test {

inline Card card(const std::string& w) {
    if (w == "PP") return kJoker;
    static const std::string ranks = "A23456789" "1JQK";
    static const std::string suits = "HBKV";
    const auto r = ranks.find(w.at(0));
    const auto s = suits.find(w.at(1));
    if (w.size() != 2 || r == std::string::npos || s == std::string::npos) throw std::invalid_argument(w);
    return cardCode(static_cast<int>(s), static_cast<int>(r) + 1);
}

inline Hand hand(const std::string& text) {
    std::istringstream in(text);
    Hand h{};
    for (auto& c : h) {
        std::string w;
        in >> w;
        c = card(w);
    }
    return h;
}

inline Evaluation eval(Variant v, const std::string& text, Phase phase = Phase::Settled) {
    CardImageTable t;
    t.setBuiltInDeck(v);
    return Classifier(t, v)(hand(text), phase);
}

inline std::string flags(const Evaluation& e) {
    std::string s;
    for (int i = 0; i < 5; ++i) s += e.flagged(i) ? '1' : '0';
    return s;
}

} // namespace talvern::test
