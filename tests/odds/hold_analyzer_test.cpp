#include <gtest/gtest.h>

#include "hold_analyzer.h"
#include "odds_support.h"

using namespace talvern;
using namespace talvern::odds;
using namespace talvern::odds::testing;

namespace {

std::int32_t countOf(const Outcomes& o, const HoldResult& r, const std::string& label) {
    for (int s = 0; s < o.count(); ++s)
        if (o.label(s) == label) return r.counts[static_cast<std::size_t>(s)];
    ADD_FAILURE() << "no class " << label;
    return -1;
}

const HoldResult& holdOf(const std::vector<HoldResult>& ranked, unsigned held) {
    for (const HoldResult& r : ranked)
        if (r.held == held) return r;
    throw std::logic_error("hold missing");
}

bool netNotBelow(const HoldResult& a, const HoldResult& b) {
    return Int128{a.payTotal - a.drawCharge * a.draws} * b.draws >= Int128{b.payTotal - b.drawCharge * b.draws} * a.draws;
}

} // namespace

// A-2-3 of hearts, 4 of spades, king of clubs in the 8/5 table: the
// three-card straight flush draw, as the published analyses count it.
TEST(HoldAnalyzer, CountsTheDrawsOfAThreeCardStraightFlush) {
    const FinalHandCounts& tables = tablesOf(Variant::JackOrBetter);
    const PayScale pays(Variant::JackOrBetter, {800, 50, 25, 8, 5, 4, 3, 2, 1});
    const auto ranked = HoldAnalyzer(tables).rank({1, 2, 3, 43, 39}, pays, Charge::Once);
    const HoldResult& r = holdOf(ranked, 0b00111);
    const Outcomes& o = tables.outcomes();
    EXPECT_EQ(r.draws, 1081);
    EXPECT_EQ(countOf(o, r, "r"), 0);
    EXPECT_EQ(countOf(o, r, "q"), 1);
    EXPECT_EQ(countOf(o, r, "k"), 0);
    EXPECT_EQ(countOf(o, r, "h"), 0);
    EXPECT_EQ(countOf(o, r, "f"), 44);
    EXPECT_EQ(countOf(o, r, "s"), 11);
    EXPECT_EQ(countOf(o, r, "t"), 9);
    EXPECT_EQ(countOf(o, r, "d"), 27);
    EXPECT_EQ(countOf(o, r, "w+"), 129);
    EXPECT_EQ(countOf(o, r, "w-") + countOf(o, r, "x"), 860);
    EXPECT_EQ(r.expectedPay(), Fraction(50 + 44 * 5 + 11 * 4 + 9 * 3 + 27 * 2 + 129, 1081));
    // ... and it is the best play of that hand in that table.
    EXPECT_EQ(ranked.front().held, 0b00111u);
}

TEST(HoldAnalyzer, KeepsADealtRoyalFlush) {
    const std::vector<std::pair<Variant, Hand>> royals = {
        {Variant::JackOrBetter, {1, 10, 11, 12, 13}},
        {Variant::JokerPoker, {40, 49, 50, 51, 52}},
        {Variant::DeucesWild, {14, 23, 24, 25, 26}},
    };
    for (const auto& [v, hand] : royals) {
        for (Charge charge : {Charge::Once, Charge::Twice}) {
            const auto ranked = HoldAnalyzer(tablesOf(v)).rank(hand, PayScale(v), charge);
            EXPECT_EQ(ranked.front().held, 31u);
            EXPECT_EQ(ranked.front().drawCharge, 0);
        }
    }
}

// Holding all five draws nothing: the dealt hand's own pay, counted once.
TEST(HoldAnalyzer, HoldingAllFivePaysTheDealtHand) {
    for (Variant v : kVariants) {
        const FinalHandCounts& tables = tablesOf(v);
        const Classifier classify = classifierOf(v);
        const HoldAnalyzer analyzer(tables);
        std::mt19937 rng(17);
        for (int i = 0; i < 40; ++i) {
            Hand hand = randomDeal(v, rng, i);
            std::shuffle(hand.begin(), hand.end(), rng);  // any order of positions
            const auto ranked = analyzer.rank(hand, PayScale(v), Charge::Twice);
            const HoldResult& all = holdOf(ranked, 31);
            const Evaluation e = classify(hand, Phase::Settled);
            EXPECT_EQ(all.draws, 1);
            EXPECT_EQ(all.drawCharge, 0);
            EXPECT_EQ(all.counts[static_cast<std::size_t>(tables.outcomes().slotOf(e))], 1);
            EXPECT_EQ(all.expectedPay(), Fraction(payOf(v, e.handClass, e.jacksPair, 1), 1));
        }
    }
}

// The ranking lists each hold once, best net first, and a hold has the same
// odds whatever the positions its cards were dealt to.
TEST(HoldAnalyzer, RanksEveryHoldByNetWhateverThePositions) {
    const Variant v = Variant::DeucesWild;
    const HoldAnalyzer analyzer(tablesOf(v));
    const Hand hand{41, 7, 20, 33, 12};
    const Hand reversed{12, 33, 20, 7, 41};
    const auto ranked = analyzer.rank(hand, PayScale(v), Charge::Twice);
    const auto other = analyzer.rank(reversed, PayScale(v), Charge::Twice);
    ASSERT_EQ(ranked.size(), 32u);
    unsigned seen = 0;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        seen |= 1u << ranked[i].held;
        if (i > 0) {
            EXPECT_TRUE(netNotBelow(ranked[i - 1], ranked[i])) << i;
        }
        EXPECT_EQ(ranked[i].drawCharge, ranked[i].held == 31 ? 0 : 1);
        EXPECT_EQ(ranked[i].net(), Fraction(ranked[i].payTotal - ranked[i].drawCharge * ranked[i].draws, ranked[i].draws));
        unsigned mirrored = 0;
        for (int p = 0; p < 5; ++p)
            if (ranked[i].keeps(p)) mirrored |= 1u << (4 - p);
        EXPECT_EQ(holdOf(other, mirrored).counts, ranked[i].counts);
        EXPECT_EQ(other[i].net(), ranked[i].net());
    }
    EXPECT_EQ(seen, 0xFFFFFFFFu);
}

TEST(HoldAnalyzer, RefusesHandsThatCannotBeDealt) {
    const HoldAnalyzer jacks(tablesOf(Variant::JackOrBetter));
    EXPECT_THROW(jacks.rank({0, 1, 2, 3, 4}, PayScale(Variant::JackOrBetter), Charge::Once), std::invalid_argument);
    EXPECT_THROW(jacks.rank({5, 1, 2, 3, 5}, PayScale(Variant::JackOrBetter), Charge::Once), std::invalid_argument);
}

TEST(PayScale, FollowsThePayTableAndItsReplacedLines) {
    for (Variant v : kVariants) {
        const Outcomes o(v);
        const PayScale machine(v);
        for (int s = 0; s < o.count(); ++s) EXPECT_EQ(machine.ofSlot(s), payOf(v, o.handClass(s), o.jacksPair(s), 1)) << o.label(s);
    }
    const PayScale nineSix(Variant::JackOrBetter, {800, 50, 25, 9, 6, 4, 3, 2, 1});
    EXPECT_EQ(nineSix.ofSlot(0), 800);  // r
    EXPECT_EQ(nineSix.ofSlot(3), 9);    // h
    EXPECT_EQ(nineSix.ofSlot(8), 1);    // w+
    EXPECT_EQ(nineSix.ofSlot(9), 0);    // w-
    EXPECT_EQ(nineSix.text(), "800/50/25/9/6/4/3/2/1");
    // Nine values leave the tenth line of Deuces Wild (three of a kind) as it is.
    const PayScale deuces(Variant::DeucesWild, {800, 200, 25, 15, 9, 5, 3, 2, 2});
    EXPECT_EQ(deuces.text(), "800/200/25/15/9/5/3/2/2/1");
    EXPECT_EQ(PayScale(Variant::JokerPoker).text(), "300/150/80/40/12/9/7/5/3");
}
