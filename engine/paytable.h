#pragma once
// Pay tables: ten lines of caption and multiplier per variant, which line a
// hand class pays on, and the combination names shown with a win.
#include <array>
#include <optional>
#include <string>

#include "cards.h"

namespace talvern {

inline constexpr int kPayLines = 10;

struct PayLine {
    const char* caption;  // nullptr: this variant does not write the caption
    int multiplier;       // 0: this variant does not write the value
};

const std::array<PayLine, kPayLines>& payTable(Variant v);

// The captions the cabinet shows from start-up until a variant is chosen
// in the settings.
const std::array<std::string, kPayLines>& initialCaptions();

// Whether line 10 is visible in this variant.
constexpr bool lineTenVisible(Variant v) { return v == Variant::DeucesWild; }

// The 1-based line a class pays on, or 0 when it pays nothing. A pair pays
// only as jacks or better in Jack or Better.
int lineOfClass(Variant v, char handClass, bool jacksPair);

// "Straight Flush..." and so on; nullptr when the class has no name.
const char* combinationName(Variant v, char handClass, bool jacksPair);

// The value labels for a bet: bet x multiplier; std::nullopt where the
// variant leaves the label as it is (line 10 of Jack or Better).
std::array<std::optional<int>, kPayLines> lineValues(Variant v, int bet);

// The pay of a class at a bet (0 when it pays nothing).
int payOf(Variant v, char handClass, bool jacksPair, int bet);

} // namespace talvern
