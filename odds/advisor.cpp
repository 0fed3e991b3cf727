#include "advisor.h"

#include <stdexcept>

namespace talvern::odds {

const std::vector<HoldResult>& Advisor::holds(Variant v, const Hand& dealt) {
    if (haveLast_ && lastVariant_ == v && lastHand_ == dealt) return last_;
    auto& counter = counters_[static_cast<std::size_t>(v)];
    if (!counter) counter = std::make_unique<HandDrawCounter>(v);
    last_ = HoldAnalyzer(*counter).rank(dealt, PayScale(v), Charge::Twice);
    haveLast_ = true;
    lastVariant_ = v;
    lastHand_ = dealt;
    return last_;
}

const HoldResult& Advisor::hold(Variant v, const Hand& dealt, unsigned held) {
    for (const HoldResult& r : holds(v, dealt))
        if (r.held == held) return r;
    throw std::invalid_argument("a hold keeps some of positions 1 to 5");
}

} // namespace talvern::odds
