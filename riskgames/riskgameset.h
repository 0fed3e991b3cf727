#pragma once
// The risk games the win handling can hand a win to. Red-Black is built in;
// Higher-Lower and Russian Roulette plug in through their entry points (the
// controller plugs its own flows in with plug()), and a choice whose game is
// not plugged in plays as "no risk game".
#include <functional>

#include "higherlower.h"
#include "redblack.h"
#include "roulette.h"
#include "winflow.h"

namespace talvern {

class RiskGameSet : public RiskGames {
public:
    explicit RiskGameSet(RedBlackFlow& redBlack) : redBlack_(redBlack) {}

    // Connects the entry points to the two games; BtnYes1 deals or pulls by
    // the risk game of the game now played.
    void plug(HigherLowerFlow& higherLowerFlow, RouletteFlow& rouletteFlow, const MachineState& state);

    bool available(RiskChoice c) const override;
    void redBlackDisplay() override { redBlack_.display(); }
    void higherLowerDisplay() override {
        if (higherLower) higherLower();
    }
    void startRoulette() override {
        if (roulette) roulette();
    }
    // BtnYes1: the next deal of Higher-Lower or the next pull of the roulette.
    void yesClick() {
        if (yes) yes();
    }
    // A card place clicked: the pick while Higher-Lower is active. Returns
    // false when the click is the first deal's hold toggle instead.
    bool cardClick(int pos) { return pick && pick(pos); }

    std::function<void()> higherLower;  // the Higher-Lower display step
    std::function<void()> roulette;     // the roulette set-up
    std::function<void()> yes;
    std::function<bool(int)> pick;

private:
    RedBlackFlow& redBlack_;
};

} // namespace talvern
