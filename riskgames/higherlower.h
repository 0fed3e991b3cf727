#pragma once
// Higher-Lower: the machine turns a dealer card in slot 5 of the history row
// and lays five cards face down on the card places; the player picks one. A
// higher card doubles the win and climbs the ladder, a lower one loses it,
// an equal one plays the step again.
#include "game.h"
#include "riskdraws.h"

namespace talvern {

class HigherLowerFlow {
public:
    HigherLowerFlow(Machine& m, GameFlow& game) : m_(m), game_(game) {}

    // The display step: run by the win handling when the game starts and
    // after every won or tied pick. Moves the ladder, handles its top.
    void display();
    // BtnYes1: one step's deal.
    void deal();
    // A click on card place pos (0..4) while the game is active.
    void pick(int pos);

    // The dealer card of a deal: any card of the variant's deck, but never
    // the joker when the fortune setting is below -90.
    Card drawDealerCard();
    // The card under place pos: Random(53) until it is in the deck and is not
    // the dealer card; the fortune throws back a losing candidate (a winning
    // one when negative) with probability |F| / 101.
    Card drawPick(int pos);

private:
    void lossReveal();
    void setPlacesEnabled(bool on);
    Machine& m_;
    GameFlow& game_;
};

} // namespace talvern
