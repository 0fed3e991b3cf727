#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

#include "hands.h"
#include "paytable.h"

using namespace talvern;
using test::eval;
using test::flags;

namespace {
constexpr Variant JP = Variant::JokerPoker;
constexpr Variant JB = Variant::JackOrBetter;
constexpr Variant DW = Variant::DeucesWild;

struct Case {
    Variant v;
    const char* hand;
    char cls;
    int risk;
    const char* flags;
    int line;
};

void expectCase(const Case& c) {
    const Evaluation e = eval(c.v, c.hand);
    SCOPED_TRACE(c.hand);
    EXPECT_EQ(e.handClass, c.cls);
    EXPECT_EQ(e.risk, c.risk);
    EXPECT_EQ(flags(e), c.flags);
    EXPECT_EQ(lineOfClass(c.v, e.handClass, e.jacksPair), c.line);
}
} // namespace

TEST(JokerPokerEvaluator, PassOrderDecidesBetweenClasses) {
    const Case cases[] = {
        {JP, "AH AB AK AV PP", 'p', 1, "11111", 1},  // not royal, not four of a kind
        {JP, "PP AH AB AK AV", 'p', 1, "11111", 1},  // position does not matter
        {JP, "1H JH QH KH PP", 'r', 2, "11111", 2},  // the joker is the ace, not a 9-K straight flush
        {JP, "JH QH KH AH PP", 'r', 2, "11111", 2},
        {JP, "1V QV KV AV PP", 'r', 2, "11111", 2},  // a gap of two filled by the joker
        {JP, "1K JK QK KK AK", 'r', 2, "11111", 2},
        {JP, "9H 1H JH QH PP", 'q', 3, "11111", 3},
        {JP, "AH 2H 3H 4H 5H", 'q', 3, "11111", 3},  // the aces-low pass turns the flush into a straight flush
        {JP, "AH 2H 3H 4H PP", 'q', 3, "11111", 3},
        {JP, "AH 2B 3K 5V PP", 's', 7, "11111", 7},  // the ace counts low with the joker in the gap
        {JP, "1H JB QK KV AH", 's', 7, "11111", 7},
        {JP, "KH KB KK KV 3H", 'k', 4, "11110", 4},
        {JP, "7H PP 7B 2K 7V", 'k', 4, "11101", 4},  // joker and three sevens
        {JP, "8H 8B 8K PP 8V", 'p', 1, "11111", 1},
        {JP, "8H 8B 5K 5V PP", 'h', 5, "11111", 5},
        {JP, "2H 7H 9H JH PP", 'f', 6, "11111", 6},
        {JP, "8H 8B 8K 2V 5H", 't', 8, "11100", 8},
        {JP, "7H 7B PP 2K 9V", 't', 8, "11100", 8},
        {JP, "8H 8B 5K 5V KH", 'd', 9, "11110", 9},
        {JP, "2H 4B 6K 8V 1H", 'x', 0, "00000", 0},
    };
    for (const Case& c : cases) expectCase(c);
}

TEST(JokerPokerEvaluator, PairsPayNothingAndHighOnesFeedTheBonus) {
    Evaluation kings = eval(JP, "KH KB 3K 5V 8H");
    EXPECT_EQ(kings.handClass, 'w');
    EXPECT_EQ(kings.comboFound, 0);
    EXPECT_EQ(kings.bonusPairs, 1);
    EXPECT_EQ(kings.risk, 0);
    EXPECT_EQ(flags(kings), "11000");
    EXPECT_EQ(lineOfClass(JP, 'w', kings.jacksPair), 0);

    Evaluation fives = eval(JP, "5H 5B 3K 9V KH");
    EXPECT_EQ(fives.handClass, 'w');
    EXPECT_EQ(fives.bonusPairs, 0);

    // the joker pairs with the highest natural card
    Evaluation jokerAce = eval(JP, "3K PP 5V AH 8B");
    EXPECT_EQ(jokerAce.handClass, 'w');
    EXPECT_EQ(jokerAce.bonusPairs, 1);
    EXPECT_EQ(flags(jokerAce), "01010");
    Evaluation jokerNine = eval(JP, "3K PP 5V 9H 8B");
    EXPECT_EQ(jokerNine.handClass, 'w');
    EXPECT_EQ(jokerNine.bonusPairs, 0);
    EXPECT_EQ(flags(jokerNine), "01010");
}

TEST(JackOrBetterEvaluator, JacksPayAndLowPairsFeedTheBonus) {
    Evaluation jacks = eval(JB, "JH JB 3K 5V 8H");
    EXPECT_EQ(jacks.handClass, 'w');
    EXPECT_EQ(jacks.risk, 9);
    EXPECT_TRUE(jacks.jacksPair);
    EXPECT_EQ(jacks.comboFound, 1);
    EXPECT_EQ(jacks.bonusPairs, 0);
    EXPECT_EQ(lineOfClass(JB, jacks.handClass, jacks.jacksPair), 9);
    EXPECT_EQ(payOf(JB, jacks.handClass, jacks.jacksPair, 1), 1);

    Evaluation tens = eval(JB, "1H 1B 3K 5V 8H");
    EXPECT_EQ(tens.handClass, 'w');
    EXPECT_FALSE(tens.jacksPair);
    EXPECT_EQ(tens.comboFound, 0);
    EXPECT_EQ(tens.bonusPairs, 1);
    EXPECT_EQ(lineOfClass(JB, tens.handClass, tens.jacksPair), 0);

    const Case cases[] = {
        {JB, "1H JH QH KH AH", 'r', 2, "11111", 1},
        {JB, "9K 1K JK QK KK", 'q', 3, "11111", 2},
        {JB, "AV 2V 3V 4V 5V", 'q', 3, "11111", 2},
        {JB, "AH 2B 3K 4V 5H", 's', 7, "11111", 6},
        {JB, "8H 8B 5K 5V KH", 'd', 9, "11110", 8},
        {JB, "QH QB QK 5V 5H", 'h', 5, "11111", 4},
    };
    for (const Case& c : cases) expectCase(c);
}

TEST(DeucesWildEvaluator, WildCardsAndTheirOrder) {
    const Case cases[] = {
        {DW, "1H JH QH KH AH", 'r', 1, "11111", 1},  // natural royal, never a straight flush
        {DW, "2H 2B 2K 2V 5H", 'u', 2, "11111", 2},
        {DW, "1H JH QH 2B 2K", 'y', 3, "11111", 3},
        {DW, "KV 2H AV 2B 2K", 'y', 3, "11111", 3},
        {DW, "7H 7B 7K 2V 2H", 'p', 4, "11111", 4},
        {DW, "5H 7H 8H 2B 2K", 'q', 5, "11111", 5},
        {DW, "AH 3H 4H 5H 2K", 'q', 5, "11111", 5},  // one wild card: the ace counts low
        {DW, "7H 7B 3K 2V 2H", 'k', 6, "11011", 6},
        {DW, "2H 2B 2K 9V KH", 'k', 6, "11101", 6},  // three wild cards and the higher natural
        {DW, "9H 9B 9K 9V KH", 'k', 6, "11110", 6},
        {DW, "8H 8B 5K 5V 2H", 'h', 7, "11111", 7},
        {DW, "3H 7H 9H JH 2B", 'f', 8, "11111", 8},
        {DW, "5H 6B 7K 2V 2H", 's', 9, "11111", 9},
        {DW, "AH 3B 4K 5V 2H", 's', 9, "11111", 9},
        {DW, "AH 3B 4K 2V 2H", 't', 10, "10011", 10},  // with two wild cards the ace stays high
        {DW, "2H 2B 5K 9V KH", 't', 10, "11001", 10},  // two wild cards and the highest natural
        {DW, "8H 8B 5K 2V KH", 't', 10, "11010", 10},
        {DW, "8H 8B 8K 5V KH", 't', 10, "11100", 10},
    };
    for (const Case& c : cases) expectCase(c);
}

TEST(DeucesWildEvaluator, PairsNeverPay) {
    Evaluation twoPairs = eval(DW, "8H 8B 5K 5V KH");
    EXPECT_EQ(twoPairs.handClass, 'w');
    EXPECT_EQ(twoPairs.comboFound, 0);
    EXPECT_EQ(lineOfClass(DW, 'w', false), 0);
    EXPECT_EQ(twoPairs.bonusPairs, 0);

    Evaluation highPairs = eval(DW, "KH KB QK QV 3H");  // counted twice, so no bonus step
    EXPECT_EQ(highPairs.handClass, 'w');
    EXPECT_EQ(highPairs.bonusPairs, 2);
    EXPECT_EQ(flags(highPairs), "11110");

    Evaluation wildKing = eval(DW, "2H KB 5K 9V 7H");  // a deuce pairs with the highest natural
    EXPECT_EQ(wildKing.handClass, 'w');
    EXPECT_EQ(wildKing.bonusPairs, 1);
    EXPECT_EQ(flags(wildKing), "11000");
}

TEST(DrawingHints, OnlyAfterTheFirstDeal) {
    for (Variant v : {JP, JB, DW}) {
        SCOPED_TRACE(static_cast<int>(v));
        Evaluation dealt = eval(v, "3H 5H 9H KH 7B", Phase::Dealt);
        EXPECT_EQ(dealt.handClass, 'x');
        EXPECT_EQ(dealt.comboFound, 1);
        EXPECT_EQ(dealt.risk, 0);
        EXPECT_EQ(flags(dealt), "11110");
        EXPECT_EQ(lineOfClass(v, dealt.handClass, dealt.jacksPair), 0);

        Evaluation drawn = eval(v, "3H 5H 9H KH 7B", Phase::Settled);
        EXPECT_EQ(drawn.handClass, 'x');
        EXPECT_EQ(drawn.comboFound, 0);
        EXPECT_EQ(flags(drawn), "00000");

        Evaluation run = eval(v, "5H 6B 7K 8V KH", Phase::Dealt);
        EXPECT_EQ(flags(run), "11110");
        Evaluation topRun = eval(v, "3H 9B 1K JV QH", Phase::Dealt);
        EXPECT_EQ(flags(topRun), "01111");
    }
    // Both hints are tried: four hearts and 5-6-7-8 in sequence propose all
    // five cards, in every variant and wherever the odd cards lie.
    for (Variant v : {JP, JB, DW}) {
        SCOPED_TRACE(static_cast<int>(v));
        const Evaluation both = eval(v, "3H 5H 6H 7H 8B", Phase::Dealt);
        EXPECT_EQ(both.handClass, 'x');
        EXPECT_EQ(both.comboFound, 1);
        EXPECT_EQ(both.risk, 0);
        EXPECT_EQ(flags(both), "11111");
        EXPECT_EQ(flags(eval(v, "8B 7H 3H 6H 5H", Phase::Dealt)), "11111");
        // The same hand after the draw pays nothing and proposes nothing.
        EXPECT_EQ(flags(eval(v, "3H 5H 6H 7H 8B", Phase::Settled)), "00000");
        // Where the four of a suit are the four in sequence, four cards.
        EXPECT_EQ(flags(eval(v, "5H 6H 7H 8H KB", Phase::Dealt)), "11110");
        // The sequence hint from the high end, with the odd suit inside it.
        EXPECT_EQ(flags(eval(v, "4K 9B 1K JK QK", Phase::Dealt)), "11111");
    }
    // A hint is found before a pair, so a dealt pair of kings with four hearts
    // proposes the hearts.
    Evaluation pairAndFlush = eval(JP, "KH 3H 5H 9H KB", Phase::Dealt);
    EXPECT_EQ(pairAndFlush.handClass, 'x');
    EXPECT_EQ(pairAndFlush.bonusPairs, 0);
    EXPECT_EQ(flags(pairAndFlush), "11110");
    // A dealt pair is proposed on its own.
    Evaluation pair = eval(JB, "QH 3B QK 9V 5H", Phase::Dealt);
    EXPECT_EQ(pair.handClass, 'w');
    EXPECT_EQ(flags(pair), "10100");
}

// Whole-deck properties, checked on every hand of every variant in both
// phases: the table lookup agrees with the direct evaluation (with the cards
// in shuffled positions, so the flags are mapped back correctly), and the
// flags have the shape their class promises.
class WholeDeck : public ::testing::TestWithParam<Variant> {};

TEST_P(WholeDeck, TableAgreesWithDirectAndFlagsFitTheClass) {
    const Variant v = GetParam();
    CardImageTable t;
    t.setBuiltInDeck(v);
    const Classifier direct(t, v, Classifier::Mode::Direct);
    const Classifier table(t, v, Classifier::Mode::Table);
    std::vector<Card> deck;
    for (Card c = 0; c <= 52; ++c)
        if (inDeck(v, c)) deck.push_back(c);
    std::mt19937 shuffle(7);
    const int n = static_cast<int>(deck.size());
    long mismatches = 0, badFlags = 0;
    Hand h{};
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d)
                    for (int e = d + 1; e < n; ++e) {
                        h = {deck[a], deck[b], deck[c], deck[d], deck[e]};
                        std::shuffle(h.begin(), h.end(), shuffle);
                        for (Phase p : {Phase::Settled, Phase::Dealt}) {
                            const Evaluation x = direct(h, p);
                            if (!(x == table(h, p))) ++mismatches;
                            const int nflags = std::popcount(static_cast<unsigned>(x.flags));
                            int want = 5;
                            switch (x.handClass) {
                            case 'k': want = 4; break;
                            case 't': want = 3; break;
                            case 'd': want = 4; break;
                            case 'w': want = (v == DW && nflags == 4) ? 4 : 2; break;  // Deuces Wild: two natural pairs
                            case 'x': want = x.comboFound ? 4 : 0; break;
                            default: break;
                            }
                            // Four of a suit that are not the four in sequence: both hints, all five.
                            if (x.handClass == 'x' && x.comboFound && nflags == 5) want = 5;
                            if (nflags != want) ++badFlags;
                            if (x.handClass == 'x' && x.comboFound && p != Phase::Dealt) ++badFlags;
                        }
                    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(badFlags, 0);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, WholeDeck, ::testing::Values(JP, JB, DW));
