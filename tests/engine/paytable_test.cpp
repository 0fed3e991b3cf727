#include <gtest/gtest.h>

#include <string>

#include "evaluator.h"
#include "paytable.h"

using namespace talvern;

TEST(PayTable, MultipliersAndCaptionsOfEachVariant) {
    const auto& jp = payTable(Variant::JokerPoker);
    EXPECT_STREQ(jp[0].caption, "5 of a kind");
    EXPECT_EQ(jp[0].multiplier, 300);
    EXPECT_EQ(jp[8].multiplier, 3);
    EXPECT_EQ(jp[9].caption, nullptr);
    EXPECT_EQ(jp[9].multiplier, 1);

    const auto& jb = payTable(Variant::JackOrBetter);
    EXPECT_STREQ(jb[0].caption, "Royal Flush");
    EXPECT_EQ(jb[0].multiplier, 250);
    EXPECT_STREQ(jb[8].caption, "Jacks or Better");
    EXPECT_EQ(jb[8].multiplier, 1);

    const auto& dw = payTable(Variant::DeucesWild);
    EXPECT_STREQ(dw[0].caption, "Royal Flush (Natural)");
    EXPECT_STREQ(dw[2].caption, "Royal Flush (with Deuces)");
    EXPECT_STREQ(dw[9].caption, "3 of a Kind");
    const int dwPays[] = {250, 200, 25, 15, 9, 5, 3, 2, 2, 1};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(dw[static_cast<std::size_t>(i)].multiplier, dwPays[i]);

    EXPECT_FALSE(lineTenVisible(Variant::JokerPoker));
    EXPECT_FALSE(lineTenVisible(Variant::JackOrBetter));
    EXPECT_TRUE(lineTenVisible(Variant::DeucesWild));

    // the captions shown before a variant is chosen are Joker Poker's with dots
    const auto& initial = initialCaptions();
    for (int i = 0; i < 9; ++i) EXPECT_EQ(initial[static_cast<std::size_t>(i)], std::string(jp[static_cast<std::size_t>(i)].caption) + "...");
    EXPECT_EQ(initial[9], "Jacks or Better...");
}

TEST(PayTable, ValuesFollowTheBet) {
    const auto jp = lineValues(Variant::JokerPoker, 5);
    EXPECT_EQ(jp[0], 1500);
    EXPECT_EQ(jp[6], 35);  // a straight at bet 5
    EXPECT_EQ(jp[9], 5);
    const auto jb = lineValues(Variant::JackOrBetter, 100);
    EXPECT_EQ(jb[0], 25000);
    EXPECT_EQ(jb[9], std::nullopt);  // Jack or Better leaves line 10 alone
    const auto dw = lineValues(Variant::DeucesWild, 1);
    EXPECT_EQ(dw[1], 200);
    EXPECT_EQ(dw[9], 1);
}

TEST(PayTable, LinesOfClasses) {
    using V = Variant;
    // every class that pays sits on a line whose value is its pay
    struct Row { V v; char cls; bool jacks; int line; int mult; };
    const Row rows[] = {
        {V::JokerPoker, 'p', false, 1, 300}, {V::JokerPoker, 'r', false, 2, 150}, {V::JokerPoker, 'd', false, 9, 3},
        {V::JokerPoker, 'w', false, 0, 0},   {V::JokerPoker, 'x', false, 0, 0},   {V::JokerPoker, 'm', false, 0, 0},
        {V::JackOrBetter, 'r', false, 1, 250}, {V::JackOrBetter, 't', false, 7, 3}, {V::JackOrBetter, 'w', true, 9, 1},
        {V::JackOrBetter, 'w', false, 0, 0},  {V::JackOrBetter, 'p', false, 0, 0},
        {V::DeucesWild, 'r', false, 1, 250}, {V::DeucesWild, 'u', false, 2, 200}, {V::DeucesWild, 'y', false, 3, 25},
        {V::DeucesWild, 'p', false, 4, 15},  {V::DeucesWild, 't', false, 10, 1},  {V::DeucesWild, 'd', false, 0, 0},
        {V::DeucesWild, 'w', true, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(1, r.cls));
        EXPECT_EQ(lineOfClass(r.v, r.cls, r.jacks), r.line);
        EXPECT_EQ(payOf(r.v, r.cls, r.jacks, 2), 2 * r.mult);
    }
}

TEST(PayTable, CombinationNamesShownWithAWin) {
    EXPECT_STREQ(combinationName(Variant::JokerPoker, 'd', false), "Two pairs...");
    EXPECT_STREQ(combinationName(Variant::JackOrBetter, 'w', true), "Jacks or Better...");
    EXPECT_EQ(combinationName(Variant::JackOrBetter, 'w', false), nullptr);
    EXPECT_STREQ(combinationName(Variant::DeucesWild, 'y', false), "Royal Flush...");
    EXPECT_STREQ(combinationName(Variant::DeucesWild, 'u', false), "Four Deuces...");
    EXPECT_STREQ(combinationName(Variant::DeucesWild, 'p', false), "5 of a kind...");
    EXPECT_EQ(combinationName(Variant::DeucesWild, 'w', false), nullptr);  // a bonus pair keeps "Бонус..."
    EXPECT_EQ(combinationName(Variant::JokerPoker, 'x', false), nullptr);
}
