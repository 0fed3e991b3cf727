#pragma once
// The draws of the risk games and the Jack Pot, as pure computations on the
// random source. The flows reseed from the clock and call these between
// their waits; the replay of a recorded game calls the same functions with
// the recorded seed, so a game is proven with the machine's own code.
#include <array>
#include <string_view>

#include "cards.h"
#include "random.h"

namespace talvern {

namespace higherlower {
// Ranks are read from the first letter of a card's image name, so decks from
// outside rank as they are drawn. The joker ranks lowest as the dealer card
// and highest as a pick: it loses as the one and wins as the other.
int dealerRank(std::string_view imageName);
int pickRank(std::string_view imageName);
} // namespace higherlower

namespace riskdraw {

// Red-Black ---------------------------------------------------------------

enum class Guess { Red, Black, Random };
enum class Kind { Natural, Favourable, Unfavourable };

struct Colour {
    bool black = false;
    int roll = -1;  // the fortune roll of a colour button; -1 for the machine's own pick
    Kind kind = Kind::Natural;
};

// The colour played and the kind of draw: the machine's own pick is
// Random(100) (below 50 black) and never bent; a colour button rolls
// Random(101), and the fortune acts on that roll only while it may
// (statistics off).
Colour colour(RandomSource& rng, Guess g, int fortune, bool fortuneActs);

// The card of history slot k: Random(53) until it suits the kind of draw for
// the colour and is none of the hand's cards, none of the cards it held
// before the draw and none of the `revealed` cards of slots 1 .. k-1.
Card colourCard(RandomSource& rng, Variant v, Kind kind, bool black, const Hand& hand, const Hand& before,
                const std::array<Card, 7>& history, int revealed);

// A right guess: the colour chosen, or the joker.
constexpr bool colourRight(Card c, bool black) { return c == kJoker || (black ? isBlack(c) : isRed(c)); }

// Higher-Lower --------------------------------------------------------------

// The dealer card: any card of the variant's deck, but never the joker when
// the fortune setting is below -90.
Card dealerCard(RandomSource& rng, Variant v, int fortune);
// The picked card: Random(101) the roll, Random(53) the candidate, until it
// is in the deck and is not the dealer card; the fortune throws back a losing
// candidate (a winning one when negative) when it is above the roll.
Card pickCard(RandomSource& rng, Variant v, int fortune, Card dealer, const CardImageTable& names);
// How a pick came out: 1 lost (lower), 2 won (higher), 3 tie.
int pickOutcome(Card dealer, Card pick, const CardImageTable& names);
// After a lost pick: the cards under the places not yet turned, each unlike
// the dealer card and the other four places as they are now.
void revealRest(RandomSource& rng, Variant v, Card dealer, Hand& places, const std::array<bool, 5>& turned);

// Russian Roulette ----------------------------------------------------------

// Random(6): the pull is survived while it is below the chambers left.
inline int rouletteShot(RandomSource& rng) { return rng.next(6); }

// Jack Pot ------------------------------------------------------------------

// Where the joker lies (0..2) for the card the player chose: with the
// setting at 0 at random, above 0 under the chosen card, below 0 elsewhere.
int jokerPlace(RandomSource& rng, int fortune, int chosen);

// The win handling ----------------------------------------------------------

// "Choose at random": Random(3), 0 Red-Black, 1 Higher-Lower, 2 the roulette.
inline int randomRiskGame(RandomSource& rng) { return rng.next(3); }

} // namespace riskdraw
} // namespace talvern
