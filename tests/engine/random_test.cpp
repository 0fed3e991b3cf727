#include <gtest/gtest.h>

#include "random.h"

using namespace talvern;

// Expected values worked out by hand from seed := seed * 134775813 + 1 and
// Random(n) = (seed * n) >> 32.
TEST(RandomSource, MatchesTheGeneratorStepByStep) {
    RandomSource r(0);
    EXPECT_EQ(r.next(53), 0);  // seed 1
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_EQ(r.next(53), 1);  // seed 134775814
    EXPECT_EQ(r.seed(), 134775814u);
    EXPECT_EQ(r.next(53), 45);
    EXPECT_EQ(r.next(101), 20);
    EXPECT_EQ(r.seed(), 870078620u);
}

TEST(RandomSource, WrapsModulo2To32AndUsesTheSeedUnsigned) {
    RandomSource r(0xFFFFFFFFu);
    EXPECT_EQ(r.next(53), 51);
    EXPECT_EQ(r.next(1000000), 201711);
    EXPECT_EQ(r.seed(), 866343917u);

    RandomSource s(12345);
    const int expected[] = {38, 15, 4, 29, 33, 18};
    const int ranges[] = {101, 53, 53, 53, 53, 53};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.next(ranges[i]), expected[i]);
    EXPECT_EQ(s.seed(), 1467157059u);
}

TEST(RandomSource, StaysInRangeAndCoversIt) {
    RandomSource r(42);
    int seen[101] = {};
    for (int i = 0; i < 200000; ++i) {
        const int v = r.next(101);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 101);
        ++seen[v];
    }
    for (int v = 0; v < 101; ++v) {
        EXPECT_GT(seen[v], 1600) << v;  // about 1980 each
        EXPECT_LT(seen[v], 2400) << v;
    }
}

namespace {
struct FixedClock : Clock {
    std::uint32_t ms;
    explicit FixedClock(std::uint32_t v) : ms(v) {}
    std::uint32_t millisecondsOfDayUtc() override { return ms; }
};
} // namespace

TEST(RandomSource, ReseedsFromTheClock) {
    FixedClock clock(86399999);  // 23:59:59.999
    RandomSource r(5);
    r.reseed(clock);
    EXPECT_EQ(r.seed(), 86399999u);
}
