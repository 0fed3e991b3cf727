#pragma once
// The odds of the next step of each risk game, counted exactly over the
// cards or the chambers the machine draws from when no fortune setting bends
// the draw: pure functions of what is on the table.
#include <span>

#include "cards.h"
#include "exact.h"

namespace talvern::odds {

// A step's chances: right (the next rung), a tie (the step is played again
// with the win as it is) and wrong (the win is lost).
struct StepChances {
    Fraction right, tie, wrong;
};

// What a step is worth on average, in credits: the amount after a right
// step, the amount now after a tie, nothing after a wrong one.
Fraction expectedWorth(const StepChances& c, int afterRight, int now);

// Red-Black: the next card is any card of the variant's deck but the ones
// already out (the hand after and before the draw, the cards turned in this
// game; anything else in `out` is ignored), all alike. The joker is right
// for either colour.
struct RedBlackChances {
    int red = 0;    // cards that make "red" right
    int black = 0;  // cards that make "black" right
    int cards = 0;  // cards the next one is drawn from
    StepChances guess(bool black) const;
    // The machine picks the colour, either alike.
    StepChances random() const;
};
RedBlackChances redBlackChances(Variant v, std::span<const Card> out);

// Higher-Lower ranks: 2 to 14 (the ace high); the joker is 1 as the dealer
// card and 15 as a pick.
int dealerRank(Card c);
int pickRank(Card c);

// The picks against one dealer card: any card of the deck but the dealer
// card itself, all alike.
struct PickCounts {
    int higher = 0, equal = 0, lower = 0;
    int cards() const { return higher + equal + lower; }
};
PickCounts pickCounts(Variant v, Card dealer);

// Higher-Lower once the dealer card is turned, and before: every card of the
// deck the dealer card alike.
StepChances higherLowerStep(Variant v, Card dealer);
StepChances higherLowerStep(Variant v);

// Russian Roulette: a pull is survived while Random(6) is below the chambers
// left (6 at the first pull, one fewer after each).
StepChances roulettePull(int chambers);

} // namespace talvern::odds
