#pragma once
// What follows a paying hand: the name and the win, the offer to double,
// the choice of the risk game, and the bonus pools fed by non-paying pairs.
#include "game.h"

namespace talvern {

// The risk games plug in here; a choice without a game behaves as "none".
class RiskGames {
public:
    virtual ~RiskGames() = default;
    virtual bool available(RiskChoice c) const = 0;
    virtual void redBlackDisplay() = 0;
    virtual void higherLowerDisplay() = 0;
    virtual void startRoulette() = 0;
};

class WinFlow : public WinHandler {
public:
    WinFlow(Machine& m, GameFlow& game) : m_(m), game_(game) {}
    void setRiskGames(RiskGames* r) { risk_ = r; }

    void winHandling() override;
    void bonusStep() override;

private:
    void applyAlwaysSeven();
    Machine& m_;
    GameFlow& game_;
    RiskGames* risk_ = nullptr;
};

} // namespace talvern
