#include "riskgameset.h"

namespace talvern {

void RiskGameSet::plug(HigherLowerFlow& hl, RouletteFlow& rr, const MachineState& s) {
    higherLower = [&hl] { hl.display(); };
    roulette = [&rr] { rr.setUp(); };
    yes = [&hl, &rr, &s] {
        if (s.riskChoice == RiskChoice::RussianRoulette) rr.pull();
        else if (s.riskChoice == RiskChoice::HigherLower) hl.deal();
    };
    pick = [&hl, &s](int pos) {
        if (!s.higherLowerActive) return false;
        hl.pick(pos);
        return true;
    };
}

bool RiskGameSet::available(RiskChoice c) const {
    switch (c) {
    case RiskChoice::RedBlack: return true;
    case RiskChoice::HigherLower: return static_cast<bool>(higherLower);
    case RiskChoice::RussianRoulette: return static_cast<bool>(roulette);
    default: return false;
    }
}

} // namespace talvern
