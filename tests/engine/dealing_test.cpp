#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "dealing.h"
#include "hands.h"

using namespace talvern;

namespace {

struct Fixture {
    CardImageTable table;
    Classifier classify;
    explicit Fixture(Variant v) : table(makeTable(v)), classify(table, v) {}
    static CardImageTable makeTable(Variant v) {
        CardImageTable t;
        t.setBuiltInDeck(v);
        return t;
    }
    DealRules rules(int fortune, Phase phase = Phase::Settled) const {
        return {classify.variant(), fortune, phase, &classify};
    }
};

bool allDifferent(const Hand& h) {
    std::set<Card> s(h.begin(), h.end());
    return s.size() == 5;
}

constexpr std::array<bool, 5> kNoneHeld{};
constexpr std::array<bool, 5> kAllHeld{true, true, true, true, true};

} // namespace

// Worked out by hand from the generator: the roll, card 1, then cards 2 to 5
// drawn again while they repeat an earlier card (or are the joker outside
// Joker Poker).
TEST(FirstDeal, ReproducesTheDrawsOfASeed) {
    Fixture jp(Variant::JokerPoker), jb(Variant::JackOrBetter);
    RandomSource r1(12345);
    const DealResult a = firstDeal(jp.rules(0), r1);
    EXPECT_EQ(a.fortuneRoll, 38);
    EXPECT_EQ(a.hand, (Hand{15, 4, 29, 33, 18}));

    RandomSource r2(1000);
    EXPECT_EQ(firstDeal(jp.rules(0), r2).hand, (Hand{37, 20, 28, 0, 22}));
    RandomSource r3(1000);
    EXPECT_EQ(firstDeal(jb.rules(0), r3).hand, (Hand{37, 20, 28, 22, 32}));  // the joker is drawn again
}

TEST(Draw, ReproducesTheDrawsOfASeed) {
    Fixture jp(Variant::JokerPoker), jb(Variant::JackOrBetter);
    const Hand h{1, 14, 27, 40, 5};
    RandomSource r1(777);
    EXPECT_EQ(draw(jp.rules(0, Phase::Dealt), r1, h, {true, true, false, false, true}, 50).hand,
              (Hand{1, 14, 20, 36, 5}));
    RandomSource r2(777);
    const DealResult all = draw(jb.rules(0, Phase::Dealt), r2, h, kNoneHeld, 50);
    EXPECT_EQ(all.hand, (Hand{20, 36, 12, 45, 4}));
    EXPECT_EQ(all.fortuneRoll, 50);  // no fortune setting: the roll stays
}

TEST(Dealing, InvariantsOverManySeeds) {
    for (Variant v : {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild}) {
        Fixture fx(v);
        for (int fortune : {0, 60, -60}) {
            for (std::uint32_t seed = 0; seed < 3000; ++seed) {
                RandomSource rng(seed * 2654435761u);
                const DealResult d = firstDeal(fx.rules(fortune), rng);
                ASSERT_TRUE(allDifferent(d.hand));
                for (Card c : d.hand) ASSERT_TRUE(inDeck(v, c)) << c;
                std::array<bool, 5> held{};
                for (int i = 0; i < 5; ++i) held[static_cast<std::size_t>(i)] = (seed >> i) & 1;
                const DealResult x = draw(fx.rules(fortune, Phase::Dealt), rng, d.hand, held, d.fortuneRoll);
                ASSERT_TRUE(allDifferent(x.hand));
                for (int i = 0; i < 5; ++i) {
                    const Card c = x.hand[static_cast<std::size_t>(i)];
                    ASSERT_TRUE(inDeck(v, c));
                    if (held[static_cast<std::size_t>(i)]) {
                        ASSERT_EQ(c, d.hand[static_cast<std::size_t>(i)]);
                    } else {
                        // a discarded card never comes back
                        ASSERT_EQ(std::count(d.hand.begin(), d.hand.end(), c), 0);
                    }
                }
            }
        }
    }
}

TEST(Dealing, AllHeldDrawReplacesNothing) {
    Fixture jp(Variant::JokerPoker);
    const Hand pair = test::hand("KH KB 3K 5V 8H");
    for (int fortune : {0, 100, -100}) {
        RandomSource rng(99);
        const DealResult x = draw(jp.rules(fortune, Phase::Dealt), rng, pair, kAllHeld, 0);
        EXPECT_EQ(x.hand, pair);
    }
    // the fortune test still runs: the pair can never become nothing, so the
    // negative setting gives up after its bound instead of hanging
    RandomSource rng(99);
    const DealResult stuck = draw(jp.rules(-100, Phase::Dealt), rng, pair, kAllHeld, 0);
    EXPECT_TRUE(stuck.gaveUp);
    EXPECT_EQ(stuck.tries, kMaxFortuneTries);
}

TEST(FirstDeal, PositiveFortuneDealsNoNothingWhileItApplies) {
    for (Variant v : {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild}) {
        Fixture fx(v);
        int applied = 0, standing = 0, standingNothing = 0;
        for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
            RandomSource rng(seed * 7919u);
            const DealResult d = firstDeal(fx.rules(50), rng);
            const bool nothing = fx.classify(d.hand, Phase::Settled).handClass == 'x';
            if (d.fortuneRoll < 50) {
                ++applied;
                EXPECT_FALSE(nothing) << seed;
            } else {
                ++standing;
                standingNothing += nothing;
                EXPECT_EQ(d.tries, 1);
            }
        }
        // the setting applies in about 50 of 101 games
        EXPECT_NEAR(applied / 4000.0, 50.0 / 101.0, 0.03);
        EXPECT_GT(standingNothing, standing / 5);  // the others deal as usual
    }
}

TEST(FirstDeal, NegativeFortuneDealsNothingAndEndsWhenItCannot) {
    Fixture jp(Variant::JokerPoker);
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        RandomSource rng(seed * 104729u);
        const DealResult d = firstDeal(jp.rules(-100), rng);
        if (d.fortuneRoll == 100) continue;  // one game in 101 the setting does not apply
        if (d.hand[0] == kJoker) {
            EXPECT_TRUE(d.gaveUp);  // every hand with the joker is at least a pair
            continue;
        }
        EXPECT_EQ(jp.classify(d.hand, Phase::Settled).handClass, 'x') << seed;
    }
    // seed 6 deals the joker as card 1 with roll 19
    RandomSource rng(6);
    const DealResult d = firstDeal(jp.rules(-50), rng);
    EXPECT_EQ(d.fortuneRoll, 19);
    EXPECT_EQ(d.hand[0], kJoker);
    EXPECT_TRUE(d.gaveUp);
    EXPECT_EQ(d.tries, kMaxFortuneTries);
}

TEST(FirstDeal, ZeroFortuneNeverRetries) {
    Fixture jp(Variant::JokerPoker);
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        RandomSource a(seed), b(seed);
        const DealResult d = firstDeal(jp.rules(0), a);
        EXPECT_EQ(d.tries, 1);
        // the roll is drawn first, and only that, before card 1
        b.next(101);
        EXPECT_EQ(d.hand[0], b.next(53));
    }
    // +100 with a roll of 100 does not apply either
    for (std::uint32_t seed = 0; seed < 20000; ++seed) {
        RandomSource rng(seed);
        const DealResult d = firstDeal(jp.rules(100), rng);
        if (d.fortuneRoll == 100) {
            EXPECT_EQ(d.tries, 1);
            return;
        }
    }
    FAIL() << "no roll of 100 in 20000 seeds";
}

TEST(Draw, PositiveFortuneRedrawsTheRollInJokerAndJacks) {
    Fixture jb(Variant::JackOrBetter), dw(Variant::DeucesWild);
    const Hand dealt = test::hand("3H 7B 9K JV KH");
    int better = 0, games = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        RandomSource rng(seed * 31u);
        const DealResult x = draw(jb.rules(100, Phase::Dealt), rng, dealt, kNoneHeld, 0);
        const char c = jb.classify(x.hand, Phase::Dealt).handClass;
        ++games;
        // the roll is drawn again before each test, so the draw stands with a
        // pair or nothing only when the fresh roll came out at 100
        if (c == 'w' || c == 'x') EXPECT_EQ(x.fortuneRoll, 100) << seed;
        else ++better;
    }
    EXPECT_GT(better, games * 85 / 100);

    // Deuces Wild keeps its roll and retries until the hand is not nothing
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        RandomSource rng(seed * 31u);
        const DealResult x = draw(dw.rules(100, Phase::Dealt), rng, dealt, kNoneHeld, 0);
        EXPECT_EQ(x.fortuneRoll, 0);
        EXPECT_NE(dw.classify(x.hand, Phase::Dealt).handClass, 'x') << seed;
    }
}

TEST(Draw, NegativeFortuneDrawsNothing) {
    Fixture jp(Variant::JokerPoker);
    const Hand dealt = test::hand("3H 7B 9K JV KH");
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        RandomSource rng(seed * 131u);
        const DealResult x = draw(jp.rules(-100, Phase::Dealt), rng, dealt, {true, false, true, false, false}, 5);
        EXPECT_EQ(x.fortuneRoll, 5);
        EXPECT_EQ(jp.classify(x.hand, Phase::Dealt).handClass, 'x') << seed;
        EXPECT_FALSE(x.gaveUp);
    }
}
