#pragma once
// Russian Roulette: up to five pulls of the trigger. Every pull survived
// climbs a fixed ladder of multipliers; the shot loses the win. The first
// pull is always survived, and each later one is a chamber more dangerous.
#include "game.h"

namespace talvern {

namespace roulette {
// The rungs of the ladder: a1 and a2 from the amount shown before the first
// and the second pull (truncated exact divisions, not integer ones).
int firstRung(int amount);   // Trunc(v + (v / 100 x 17 + 1))
int secondRung(int amount);  // Trunc(a1 + (a1 / 100 x 33 + 1))
inline constexpr int kTopFactor = 42;  // the maximum win is 42 x a2
// The ladder frame shown at a risk counter of the roulette (7 at the start).
constexpr int frameOf(int riskCounter) { return riskCounter >= 7 ? 2 : 9 - riskCounter; }
} // namespace roulette

class RouletteFlow {
public:
    RouletteFlow(Machine& m, GameFlow& game) : m_(m), game_(game) {}

    // Run by the win handling: lays out the revolver table for the win.
    void setUp();
    // BtnYes1: one pull of the trigger.
    void pull();

private:
    void survived();
    void shot();
    Machine& m_;
    GameFlow& game_;
};

} // namespace talvern
