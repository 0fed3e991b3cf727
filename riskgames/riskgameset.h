#pragma once
// The risk games the win handling can hand a win to. Red-Black is built in;
// Higher-Lower and Russian Roulette plug in through their entry points, and
// until they do, a win that chooses them plays as "no risk game".
#include <functional>

#include "redblack.h"
#include "winflow.h"

namespace talvern {

class RiskGameSet : public RiskGames {
public:
    explicit RiskGameSet(RedBlackFlow& redBlack) : redBlack_(redBlack) {}

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

    std::function<void()> higherLower;  // the Higher-Lower display step
    std::function<void()> roulette;     // the roulette set-up
    std::function<void()> yes;

private:
    RedBlackFlow& redBlack_;
};

} // namespace talvern
