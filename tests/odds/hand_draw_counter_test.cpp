// The game's way of counting one hand's draws, by the ranks drawn, against
// the whole-deck tables (themselves checked against brute force), and the
// advice it gives against what talvern-odds prints.
#include <gtest/gtest.h>

#include <sstream>

#include "advisor.h"
#include "hand_draw_counter.h"
#include "odds_cli.h"
#include "odds_support.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

std::string describe(Variant v, const Hand& h) {
    std::string s = std::to_string(static_cast<int>(v)) + ":";
    for (Card c : h) s += " " + std::to_string(c);
    return s;
}

void expectSameCounts(const HandDrawCounter& counter, Variant v, const Hand& ascending) {
    HoldCounts byRanks{}, byTables{};
    counter.holdCounts(indicesOf(v, ascending), byRanks);
    tablesOf(v).holdCounts(indicesOf(v, ascending), byTables);
    for (unsigned m = 0; m < 32; ++m) ASSERT_EQ(byRanks[m], byTables[m]) << describe(v, ascending) << " hold " << m;
}

// Hands the random deals seldom bring: every wild card, quads, four of a
// suit, pairs of pairs, straights with gaps and the aces at both ends.
std::vector<Hand> awkwardHands(Variant v) {
    std::vector<Hand> hands = {
        {1, 14, 27, 40, 2},    // four aces
        {1, 2, 3, 4, 5},       // A-5 of hearts
        {10, 11, 12, 13, 1},   // royal flush of hearts
        {9, 10, 11, 12, 26},   // four to a straight flush, a king off suit
        {1, 3, 5, 7, 9},       // five of a suit, no straight
        {5, 18, 6, 19, 33},    // two pairs
        {2, 15, 28, 41, 3},    // four deuces and a three
        {2, 15, 28, 12, 13},   // three deuces, Q and K of hearts
        {2, 16, 30, 44, 6},    // a deuce and a spread
        {13, 26, 39, 52, 12},  // four kings
    };
    if (v == Variant::JokerPoker) {
        hands.push_back({0, 1, 14, 27, 40});   // four aces and the joker
        hands.push_back({0, 10, 11, 12, 13});  // the joker and 10-K of hearts
        hands.push_back({0, 2, 3, 4, 5});      // the joker and 2-5 of hearts
        hands.push_back({0, 5, 18, 33, 47});   // the joker and a spread
        hands.push_back({0, 7, 20, 8, 21});    // the joker and two pairs
    }
    for (Hand& h : hands) std::sort(h.begin(), h.end());
    return hands;
}

} // namespace

TEST(HandDrawCounter, CountsEveryHoldAsTheWholeDeckTablesDo) {
    for (Variant v : kVariants) {
        const HandDrawCounter counter(v);
        for (const Hand& h : awkwardHands(v)) expectSameCounts(counter, v, h);
        std::mt19937 rng(71 + static_cast<unsigned>(v));
        for (int d = 0; d < 400; ++d) expectSameCounts(counter, v, randomDeal(v, rng, d));
    }
}

// The multiset numbers cover every shape of five cards exactly once, and
// each shape a hand of the deck can have has its outcome.
TEST(HandDrawCounter, KnowsTheOutcomeOfEveryHandOfTheDeck) {
    for (Variant v : kVariants) {
        const HandDrawCounter counter(v);
        const FinalHandCounts& tables = tablesOf(v);
        std::mt19937 rng(5);
        for (int d = 0; d < 600; ++d) {
            const Hand h = randomDeal(v, rng, d);
            HoldCounts counts{};
            counter.holdCounts(indicesOf(v, h), counts);
            const SlotCounts& all = counts[kAllHeld];
            ASSERT_EQ(all[static_cast<std::size_t>(tables.slotOf(indicesOf(v, h)))], 1) << describe(v, h);
        }
    }
}

TEST(Advisor, RanksTheHoldsAsTheTablesRankThem) {
    Advisor advisor;
    for (Variant v : kVariants) {
        EXPECT_FALSE(advisor.ready(v));  // nothing before the first hand
        const HoldAnalyzer reference(tablesOf(v));
        std::mt19937 rng(13 + static_cast<unsigned>(v));
        for (int d = 0; d < 150; ++d) {
            Hand h = randomDeal(v, rng, d);
            std::shuffle(h.begin(), h.end(), rng);  // positions as dealt, not sorted
            const auto expected = reference.rank(h, PayScale(v), Charge::Twice);
            const auto& got = advisor.holds(v, h);
            ASSERT_EQ(got.size(), 32u);
            for (std::size_t i = 0; i < got.size(); ++i) {
                ASSERT_EQ(got[i].held, expected[i].held) << describe(v, h) << " rank " << i;
                ASSERT_EQ(got[i].net(), expected[i].net()) << describe(v, h) << " rank " << i;
            }
            EXPECT_EQ(advisor.hold(v, h, expected[5].held).net(), expected[5].net());
        }
        EXPECT_TRUE(advisor.ready(v));
    }
    EXPECT_THROW(advisor.holds(Variant::JackOrBetter, {0, 1, 2, 3, 4}), std::invalid_argument);  // no joker there
    EXPECT_THROW(advisor.holds(Variant::JokerPoker, {1, 1, 2, 3, 4}), std::invalid_argument);
    EXPECT_THROW(advisor.holds(Variant::JokerPoker, {53, 54, 55, 56, 57}), std::invalid_argument);
}

// The game's advice is the first line `talvern-odds hold` prints for the
// same hand and pay table.
TEST(Advisor, AdvisesTheFirstLineOfTalvernOddsHold) {
    Advisor advisor;
    const std::vector<std::pair<Variant, Hand>> hands = {
        {Variant::JokerPoker, {1, 14, 20, 33, 45}},
        {Variant::JackOrBetter, {12, 25, 3, 44, 9}},
        {Variant::DeucesWild, {2, 30, 31, 7, 50}},
    };
    for (const auto& [v, h] : hands) {
        const char* name = v == Variant::JokerPoker ? "joker" : v == Variant::JackOrBetter ? "jacks" : "deuces";
        std::vector<std::string> args = {"hold", name};
        for (Card c : h) args.push_back(std::to_string(c));
        std::istringstream in;
        std::ostringstream out, err;
        ASSERT_EQ(run(args, in, out, err), 0) << err.str();
        std::istringstream lines(out.str());
        std::string header, first;
        std::getline(lines, header);
        std::getline(lines, first);
        const HoldResult& best = advisor.best(v, h);
        std::string mask;
        for (int i = 0; i < 5; ++i) mask += best.keeps(i) ? '1' : '0';
        EXPECT_EQ(first.substr(0, 5), mask) << first;
        EXPECT_NE(first.find(" net=" + best.net().decimal(9) + " (" + best.net().text() + ")"), std::string::npos) << first;
    }
}
