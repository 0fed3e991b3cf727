#pragma once
// Red-Black: the win is staked on the colour of the next card from the
// deck. A right guess doubles it and climbs the ladder, a wrong one loses
// it; the top of the ladder pays the maximum win.
#include "game.h"
#include "riskdraws.h"

namespace talvern {

class RedBlackFlow {
public:
    RedBlackFlow(Machine& m, GameFlow& game, WinHandler& wins) : m_(m), game_(game), wins_(wins) {}

    // The display step: lays out the table on first use, moves the ladder
    // and handles its top. Run by the win handling at the start of the game
    // and after every right guess.
    void display();

    // BtnRed, BtnBlack and BtnNo (the machine picks the colour).
    void guessRed() { step(riskdraw::Guess::Red); }
    void guessBlack() { step(riskdraw::Guess::Black); }
    void guessRandom() { step(riskdraw::Guess::Random); }

    // The card for history slot k (riskdraw::colourCard on the table as it
    // is now).
    Card drawCard(int k, riskdraw::Kind kind, bool black);

private:
    void step(riskdraw::Guess guess);
    void colourButtons(bool visible);
    Machine& m_;
    GameFlow& game_;
    WinHandler& wins_;
};

} // namespace talvern
