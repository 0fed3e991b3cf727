#pragma once
// The best play of one dealt hand, as the game's expert tells it: every hold
// of the hand ranked exactly as `talvern-odds hold` ranks it, under the
// machine's own rules (its pay table, the bet charged again at the draw
// unless all five cards are held). Nothing is built before the first hand of
// a variant is asked for, and then only HandDrawCounter's small table.
#include <array>
#include <memory>
#include <vector>

#include "hand_draw_counter.h"
#include "hold_analyzer.h"

namespace talvern::odds {

class Advisor {
public:
    // The 32 holds of a hand of five different cards of the variant's deck
    // (std::invalid_argument otherwise), best first. The ranking of the last
    // hand asked for is kept, so asking again costs nothing.
    const std::vector<HoldResult>& holds(Variant v, const Hand& dealt);
    const HoldResult& best(Variant v, const Hand& dealt) { return holds(v, dealt).front(); }
    // The hold that keeps exactly these positions (bit i: position i + 1).
    const HoldResult& hold(Variant v, const Hand& dealt, unsigned held);

    // Whether the variant's counting table has been built yet.
    bool ready(Variant v) const { return counters_[static_cast<std::size_t>(v)] != nullptr; }

private:
    std::array<std::unique_ptr<HandDrawCounter>, kVariantCount> counters_;
    bool haveLast_ = false;
    Variant lastVariant_ = Variant::JokerPoker;
    Hand lastHand_{};
    std::vector<HoldResult> last_;
};

} // namespace talvern::odds
