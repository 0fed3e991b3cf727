#include "machine.h"

namespace talvern {

int* Statistics::combinationCounter(char handClass) {
    switch (handClass) {
    case cls::FiveOfAKind: return &stp;
    case cls::RoyalFlush: return &str;
    case cls::StraightFlush: return &stq;
    case cls::FourOfAKind: return &stk;
    case cls::FullHouse: return &sth;
    case cls::Flush: return &stf;
    case cls::Straight: return &sts;
    case cls::ThreeOfAKind: return &stt;
    case cls::TwoPairs: return &std_;
    default: return nullptr;
    }
}

int MachineState::poolIndex() const {
    switch (bonusLevel) {
    case 400: return 1;
    case 500: return 2;
    case 1000: return 3;
    default: return 0;
    }
}

} // namespace talvern
