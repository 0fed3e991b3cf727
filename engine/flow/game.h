#pragma once
// The flow of one game: loading credits, the bet, the first deal, holding,
// the draw, marking the result and the reset of the board.
#include <functional>

#include "context.h"

namespace talvern {

// What happens after a paying hand or a bonus pair; the risk games live
// behind it.
class WinHandler {
public:
    virtual ~WinHandler() = default;
    virtual void winHandling() = 0;
    virtual void bonusStep() = 0;
};

class GameFlow {
public:
    explicit GameFlow(Machine& m) : m_(m) {}

    void setWinHandler(WinHandler* w) { wins_ = w; }
    // Opens the Jack Pot window modally and returns when it has closed.
    void setJackPotWindow(std::function<void()> open) { openJackPot_ = std::move(open); }

    void dealClick();
    void cardClick(int pos);  // Im1Click .. Im5Click, pos 0..4
    void betMinusClick();
    void betPlusClick();
    void loadClick();
    void resetBoard();
    void testHandClick();  // the hidden spot on the Red-Black table

    // The screen side of the first deal and the draw around the engine's
    // card computation.
    void firstDeal();
    void draw();
    // Evaluate the hand and mark the result (after the first deal the
    // machine proposes holds; after the draw a win is handed on).
    void evaluate(bool jokerJacksEvaluator = false);

private:
    void turnFaceUp(int pos, Card c);
    void afterBetChange();
    Machine& m_;
    WinHandler* wins_ = nullptr;
    std::function<void()> openJackPot_;
    // While a deal, a draw or a reset of the board runs, a click on a card
    // changes no hold: the cards are being turned or cleared.
    int busy_ = 0;
};

} // namespace talvern
