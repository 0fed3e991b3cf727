#pragma once
// What the first deal and the draw put on the table, including the deal
// fortune setting. Pure computation: the table's side (backs, turning the
// cards, sounds, pauses) belongs to the game flow, which calls these between
// its own steps: it shows the backs, pauses, reseeds the random source from
// the clock, calls firstDeal() or draw(), then turns the cards.
#include "cards.h"
#include "evaluator.h"
#include "random.h"

namespace talvern {

// A retry loop of the fortune setting stops after this many classifications
// and lets the last cards stand. Held cards or a joker dealt first can make
// the wanted kind of hand unreachable; any reachable kind has at least one
// chance in 47 per try, so the bound never cuts an ordinary game short.
inline constexpr int kMaxFortuneTries = 10000;

struct DealResult {
    Hand hand{};
    int fortuneRoll = 0;
    int tries = 1;          // hands dealt (1 when the fortune setting did not interfere)
    bool gaveUp = false;    // the retry bound was reached
};

struct DealRules {
    Variant variant = Variant::JokerPoker;
    int fortune = 0;               // the deal fortune setting, -100..100
    Phase phase = Phase::Settled;  // what the classification sees: the machine's phase now
    const Classifier* classify = nullptr;
};

// The first deal: the fortune roll, card 1, cards 2 to 5, and the fortune
// test, which deals cards 2 to 5 again while it asks for it.
DealResult firstDeal(const DealRules& rules, RandomSource& rng);

// The draw: replaces the positions not held (held[i] for position i + 1).
// fortuneRoll is the one drawn at the first deal; Joker Poker and Jack or
// Better may draw it anew, so the result carries it back.
DealResult draw(const DealRules& rules, RandomSource& rng, const Hand& hand, const std::array<bool, 5>& held,
                int fortuneRoll);

} // namespace talvern
