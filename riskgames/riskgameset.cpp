#include "riskgameset.h"

namespace talvern {

bool RiskGameSet::available(RiskChoice c) const {
    switch (c) {
    case RiskChoice::RedBlack: return true;
    case RiskChoice::HigherLower: return static_cast<bool>(higherLower);
    case RiskChoice::RussianRoulette: return static_cast<bool>(roulette);
    default: return false;
    }
}

} // namespace talvern
