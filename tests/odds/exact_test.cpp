#include <gtest/gtest.h>

#include "exact.h"

using talvern::odds::Fraction;
using talvern::odds::Int128;
using talvern::odds::toString;

TEST(Fraction, KeepsLowestTermsWithAPositiveDenominator) {
    const Fraction f(6, -4);
    EXPECT_EQ(toString(f.num()), "-3");
    EXPECT_EQ(toString(f.den()), "2");
    EXPECT_EQ(Fraction(0, 7).text(), "0/1");
    EXPECT_THROW(Fraction(1, 0), std::invalid_argument);
}

TEST(Fraction, RoundsDecimalsHalfAwayFromZero) {
    EXPECT_EQ(Fraction(2, 3).decimal(3), "0.667");
    EXPECT_EQ(Fraction(-2, 3).decimal(3), "-0.667");
    EXPECT_EQ(Fraction(1, 8).decimal(2), "0.13");
    EXPECT_EQ(Fraction(-1, 8).decimal(2), "-0.13");
    EXPECT_EQ(Fraction(-1, 1000).decimal(2), "0.00");
    EXPECT_EQ(Fraction(1, 2).decimal(0), "1");
    EXPECT_EQ(Fraction(250, 1).decimal(3), "250.000");
    EXPECT_EQ(Fraction(1, 40).decimal(4), "0.0250");
}

TEST(Fraction, HandlesNumbersBeyondSixtyFourBits) {
    const Int128 big = Int128{1} << 100;
    EXPECT_EQ(toString(big), "1267650600228229401496703205376");
    EXPECT_EQ(toString(-big), "-1267650600228229401496703205376");
    EXPECT_EQ(Fraction(big + 1, big).decimal(6), "1.000000");
    EXPECT_EQ(Fraction(big, 3 * big).text(), "1/3");
}
