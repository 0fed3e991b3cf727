#include "cards.h"

namespace talvern {
namespace {
constexpr char kRankLetters[] = "A23456789" "1JQK";  // index rank - 1
constexpr char kSuitLetters[] = "HBKV";             // hearts, diamonds, clubs, spades
constexpr Card kDeuces[] = {2, 15, 28, 41};
} // namespace

char rankLetter(Card c) {
    if (c == kJoker) return 'P';
    if (c < 1 || c > 52) return '?';
    return kRankLetters[(c - 1) % 13];
}

char suitLetter(Card c) {
    if (c == kJoker) return 'P';
    if (c < 1 || c > 52) return '?';
    return kSuitLetters[(c - 1) / 13];
}

static std::string faceName(Card c, char series) {
    return std::string{rankLetter(c), suitLetter(c), series};
}

static std::string backName(Card c) {
    return c == kFirstBack ? std::string("R") : "R" + std::to_string(c - kFirstBack);
}

std::string builtInName(Card c) {
    if (isBack(c)) return backName(c);
    if (c < 0 || c > 52) return {};
    return faceName(c, '2');
}

CardImageTable::CardImageTable() {
    for (Card c = kFirstBack; c <= kLastBack; ++c) names_[static_cast<std::size_t>(c)] = backName(c);
    setBuiltInDeck(Variant::JokerPoker);
}

void CardImageTable::fillFaces(char series) {
    series_ = series;
    for (Card c = 0; c <= 52; ++c) names_[static_cast<std::size_t>(c)] = faceName(c, series);
}

void CardImageTable::setBuiltInDeck(Variant v) {
    fillFaces('2');
    markWildDeuces(v);
}

void CardImageTable::setExternalDeck(Variant v) {
    fillFaces('0');
    markWildDeuces(v);
}

void CardImageTable::markWildDeuces(Variant v) {
    if (v != Variant::DeucesWild) return;
    for (Card c : kDeuces) names_[static_cast<std::size_t>(c)] = faceName(c, '4');
}

void CardImageTable::unmarkWildDeuces() {
    for (Card c : kDeuces) names_[static_cast<std::size_t>(c)] = faceName(c, series_);
}

std::optional<int> rankFromName(std::string_view name) {
    if (name.size() < 2) return std::nullopt;
    const char r = name[0];
    if (r >= '2' && r <= '9') return r - '0';
    switch (r) {
    case '1': return 10;
    case 'J': return 11;
    case 'Q': return 12;
    case 'K': return 13;
    case 'A': return 14;
    case 'P': return 15;
    default: return std::nullopt;
    }
}

std::optional<int> suitFromName(std::string_view name) {
    if (name.size() < 2) return std::nullopt;
    switch (name[1]) {
    case 'H': return 0;
    case 'B': return 1;
    case 'K': return 2;
    case 'V': return 3;
    case 'P': return 4;
    default: return std::nullopt;
    }
}

} // namespace talvern
