#pragma once
// Red-Black: the win is staked on the colour of the next card from the
// deck. A right guess doubles it and climbs the ladder, a wrong one loses
// it; the top of the ladder pays the maximum win.
#include "game.h"

namespace talvern {

class RedBlackFlow {
public:
    RedBlackFlow(Machine& m, GameFlow& game, WinHandler& wins) : m_(m), game_(game), wins_(wins) {}

    // The display step: lays out the table on first use, moves the ladder
    // and handles its top. Run by the win handling at the start of the game
    // and after every right guess.
    void display();

    // BtnRed, BtnBlack and BtnNo (the machine picks the colour).
    void guessRed() { step(Guess::Red); }
    void guessBlack() { step(Guess::Black); }
    void guessRandom() { step(Guess::Random); }

    enum class Draw { Natural, Favourable, Unfavourable };
    // The card for history slot k: Random(53) until the code suits the kind
    // of draw for the colour chosen and is none of the hand's cards after or
    // before the draw nor a card already revealed in slots 1 .. k-1.
    Card drawCard(int k, Draw kind, bool black);

private:
    enum class Guess { Red, Black, Random };
    void step(Guess g);
    void colourButtons(bool visible);
    Machine& m_;
    GameFlow& game_;
    WinHandler& wins_;
};

} // namespace talvern
