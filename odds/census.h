#pragma once
// Every 5-card hand of a variant's deck, classified.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "cards.h"
#include "evaluator.h"

namespace talvern::odds {

struct Census {
    // Class label -> count. Labels are hand-class letters; in Jack or Better
    // the paying pairs are "w+" and the others "w-".
    std::map<std::string, std::uint64_t> counts;
    std::uint64_t total = 0;
    // After the first deal: the hands of no class ("x") whose drawing hints
    // propose four cards to hold, and those that fit both hints and so
    // propose all five.
    std::uint64_t hint4 = 0;
    std::uint64_t hint5 = 0;
};

Census census(Variant v, Phase phase);

// The classes of a variant in the order the census prints them.
const std::vector<std::string>& censusLabels(Variant v);

} // namespace talvern::odds
