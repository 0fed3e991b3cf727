#pragma once
// Exact fractions for the odds: the counts are integers all the way, and a
// result is divided only when it is printed.
#include <string>

namespace talvern::odds {

__extension__ typedef __int128 Int128;

std::string toString(Int128 v);

// num / den, den > 0, always in lowest terms.
class Fraction {
public:
    Fraction(Int128 num = 0, Int128 den = 1);
    Int128 num() const { return num_; }
    Int128 den() const { return den_; }

    // The value rounded to `digits` decimals, half away from zero, e.g.
    // "0.995439044"; computed from the integers, never through a double.
    std::string decimal(int digits) const;
    std::string text() const { return toString(num_) + "/" + toString(den_); }
    double approx() const { return static_cast<double>(num_) / static_cast<double>(den_); }

    friend bool operator==(const Fraction&, const Fraction&) = default;

private:
    Int128 num_, den_;
};

} // namespace talvern::odds
