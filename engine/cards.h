#pragma once
// Card codes, the deck of each game variant and the card image table.
//
// A card is a small integer: 0 the joker, 13 * suit + rank for the 52 cards
// (suits hearts, diamonds, clubs, spades; rank 1 ace .. 13 king), 53..57 the
// five backs. What a card *looks like*, and what the evaluators read its rank
// and suit from, is its card image name, so decks from outside can be swapped
// in without touching the game rules.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvern {

enum class Variant : int { JokerPoker = 0, JackOrBetter = 1, DeucesWild = 2 };
inline constexpr int kVariantCount = 3;

using Card = int;
using Hand = std::array<Card, 5>;

inline constexpr Card kJoker = 0;
inline constexpr Card kFirstBack = 53;
inline constexpr Card kLastBack = 57;
inline constexpr int kCardCodes = 58;

constexpr Card cardCode(int suitIndex, int rank) { return 13 * suitIndex + rank; }
constexpr bool isBack(Card c) { return c >= kFirstBack && c <= kLastBack; }
constexpr bool isRed(Card c) { return c >= 1 && c <= 26; }
constexpr bool isBlack(Card c) { return c >= 27 && c <= 52; }
constexpr bool isValidCode(Card c) { return c >= 0 && c < kCardCodes; }
// Whether the variant's deck holds this card (the joker only in Joker Poker).
constexpr bool inDeck(Variant v, Card c) {
    return v == Variant::JokerPoker ? (c >= 0 && c <= 52) : (c >= 1 && c <= 52);
}
constexpr int deckSize(Variant v) { return v == Variant::JokerPoker ? 53 : 52; }

// Back code from the stored choice: 2..5 select R1..R4, anything else R.
constexpr Card backFromStored(int stored) {
    return (stored >= 2 && stored <= 5) ? kFirstBack + (stored - 1) : kFirstBack;
}

// The 58 names by card code ("AH2", "1H2" ten of hearts, "PP2" joker,
// "R".."R4" backs). Series digit: '2' built-in, '0' external deck, '4' the
// wild deuces of Deuces Wild.
class CardImageTable {
public:
    CardImageTable();  // the built-in deck for Joker Poker

    const std::string& name(Card c) const { return names_[static_cast<std::size_t>(c)]; }
    const std::array<std::string, kCardCodes>& names() const { return names_; }
    bool external() const { return series_ == '0'; }

    void setBuiltInDeck(Variant v);
    void setExternalDeck(Variant v);
    void markWildDeuces(Variant v);
    void unmarkWildDeuces();

private:
    void fillFaces(char series);
    std::array<std::string, kCardCodes> names_;
    char series_ = '2';
};

// Rank letter and suit letter of a face, e.g. ('1','H') for the ten of hearts.
char rankLetter(Card c);  // 'P' joker; '?' for backs
char suitLetter(Card c);  // 'P' joker; '?' for backs

// Name of a card in the built-in series, independent of any table.
std::string builtInName(Card c);

// Reading the name back: rank value 2..14 (ace 14, ten from '1'), 15 joker;
// std::nullopt for anything that is not a face name.
std::optional<int> rankFromName(std::string_view name);
// Suit index 0 hearts, 1 diamonds, 2 clubs, 3 spades, 4 joker.
std::optional<int> suitFromName(std::string_view name);

} // namespace talvern
