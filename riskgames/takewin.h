#pragma once
// Taking the win between the steps of a risk game: all of it into the
// credits (the game ends), or half of it (the game goes on with the other
// half and half the maximum win).
#include "game.h"
#include "redblack.h"

namespace talvern {

class TakeWinFlow {
public:
    TakeWinFlow(Machine& m, GameFlow& game, RedBlackFlow& redBlack) : m_(m), game_(game), redBlack_(redBlack) {}

    // Red-Black: BtnCash and Btn12.
    void takeRedBlack();
    void takeHalfRedBlack();
    // Higher-Lower and Russian Roulette: BtnCash1 and BtnHalf1.
    void take();
    void takeHalf();

private:
    bool roulette() const { return m_.state.riskChoice == RiskChoice::RussianRoulette; }
    void stopMusic();
    Machine& m_;
    GameFlow& game_;
    RedBlackFlow& redBlack_;
};

} // namespace talvern
