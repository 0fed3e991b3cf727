#include "exact.h"

#include <algorithm>
#include <stdexcept>

namespace talvern::odds {
namespace {

Int128 gcd(Int128 a, Int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const Int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

} // namespace

std::string toString(Int128 v) {
    if (v == 0) return "0";
    const bool negative = v < 0;
    std::string s;
    // Digits from the remainder's magnitude, so the most negative value works too.
    while (v != 0) {
        const int digit = static_cast<int>(v % 10);
        s.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        v /= 10;
    }
    if (negative) s.push_back('-');
    std::reverse(s.begin(), s.end());
    return s;
}

Fraction::Fraction(Int128 num, Int128 den) : num_(num), den_(den) {
    if (den_ == 0) throw std::invalid_argument("fraction with denominator 0");
    if (den_ < 0) {
        num_ = -num_;
        den_ = -den_;
    }
    const Int128 g = gcd(num_, den_);
    if (g > 1) {
        num_ /= g;
        den_ /= g;
    }
}

std::string Fraction::decimal(int digits) const {
    Int128 scale = 1;
    for (int i = 0; i < digits; ++i) scale *= 10;
    const bool negative = num_ < 0;
    const Int128 magnitude = negative ? -num_ : num_;
    // Round half away from zero at the last printed digit.
    const Int128 scaled = (magnitude * scale * 2 + den_) / (den_ * 2);
    std::string whole = toString(scaled / scale);
    std::string frac = toString(scaled % scale);
    if (digits > 0) frac.insert(0, static_cast<std::size_t>(digits) - frac.size(), '0');
    const bool zero = scaled == 0;
    return (negative && !zero ? "-" : "") + whole + (digits > 0 ? "." + frac : "");
}

} // namespace talvern::odds
