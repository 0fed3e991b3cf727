#pragma once
// The dealt hands up to the naming of the suits. Neither the classification
// nor the pay tables care which suit is which, so hands that differ only by a
// permutation of the four suits (applied to every card, deuces included; the
// joker has no suit) have the same holds with the same odds. The return is
// worked out on one hand per such class, weighted by the size of the class.
#include <cstdint>
#include <vector>

#include "final_hand_counts.h"

namespace talvern::odds {

struct DealClass {
    DealIndices cards{};       // a representative, ascending deck indices
    std::uint32_t weight = 0;  // how many dealt hands it stands for (1..24)
};

// Every class of the variant's deck once; the weights add up to C(n, 5).
std::vector<DealClass> suitClasses(Variant v);

// The suits of a hand as four 13-bit rank masks (bit r: rank r + 1) sorted
// from the largest down: equal for two hands exactly when a suit permutation
// turns one into the other. The joker, if present, is left out.
std::array<std::uint16_t, 4> suitProfile(Variant v, const DealIndices& cards);

} // namespace talvern::odds
