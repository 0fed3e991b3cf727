// Red-Black against the presentation model, in virtual time.
#include <gtest/gtest.h>

#include <set>

#include "riskrig.h"

using namespace talvern;
using test::RiskRig;

namespace {

constexpr const char* kTwoPairs = "8H 8B 5K 5V KH";

std::set<Card> cardsOf(const Hand& a, const Hand& b) {
    std::set<Card> out(a.begin(), a.end());
    out.insert(b.begin(), b.end());
    return out;
}

void expectTop(RiskRig& r, int win) {
    EXPECT_EQ(r.s.win, win);
    EXPECT_EQ(r.cab.RxLabel23.text, QString::number(win));
    EXPECT_EQ(r.cab.RxLabel25.text, QString::number(r.s.maxWin));
    EXPECT_EQ(r.cab.message1.text, "Ура-а-а!!");
    EXPECT_TRUE(r.cab.message1.visible);
    EXPECT_FALSE(r.cab.BtnRed.visible || r.cab.BtnBlack.visible || r.cab.BtnNo.visible || r.cab.Btn12.visible);
    EXPECT_TRUE(r.cab.BtnCash.visible && r.cab.BtnCash.enabled);
    EXPECT_TRUE(r.cab.CashOut.playing);
    EXPECT_TRUE(r.cab.Duble.playing);
    EXPECT_EQ(r.cab.Duble.frame, 0);
    EXPECT_EQ(r.musicPort.opens, 1);
    EXPECT_FALSE(r.c.click(Ctl::BtnRed));
}

} // namespace

TEST(RedBlack, TwoPairsAllowSevenGuessesThatFillTheSlotsLeftToRight) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    // the table is laid out: deck face down, an empty history row, the ladder at the bottom
    EXPECT_TRUE(r.cab.RdBl.visible && r.cab.Panel3.visible && r.cab.Duble.visible && r.cab.RxLabel25.visible);
    EXPECT_EQ(r.cab.cards.picture, "R");
    EXPECT_EQ(r.cab.message1.text, "Красное или Черное?");
    EXPECT_EQ(r.cab.RxLabel23.text, "3");
    EXPECT_EQ(r.cab.RxLabel25.text, "300");
    EXPECT_EQ(r.cab.Duble.frame, 0);
    EXPECT_TRUE(r.colourButtonsShown() && r.cab.BtnCash.visible && r.cab.Btn12.visible);
    for (const auto& lb : r.cab.lb) EXPECT_FALSE(lb.visible);
    for (const auto& slot : r.cab.history) EXPECT_FALSE(slot.visible);
    EXPECT_EQ(r.s.credits, 10000 - 1);

    const Ctl guesses[] = {Ctl::BtnRed, Ctl::BtnBlack, Ctl::BtnNo, Ctl::BtnRed, Ctl::BtnBlack, Ctl::BtnNo, Ctl::BtnRed};
    for (int k = 1; k <= 7; ++k) {
        const std::size_t starts = r.sound.started.size();
        ASSERT_TRUE(r.guessRight(guesses[k - 1])) << k;
        for (int j = 1; j <= 7; ++j) {
            EXPECT_EQ(r.cab.cr(j).visible, j <= k) << "slot " << j << " after guess " << k;
            EXPECT_EQ(r.cab.crd(j).visible, j <= k) << "slot " << j << " after guess " << k;
        }
        EXPECT_EQ(r.cab.crd(k).card, r.s.historyCards[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(r.cab.crd(k).picture, QString::fromStdString(r.m.cards.name(r.cab.crd(k).card)));
        EXPECT_EQ(r.sound.started[starts].id, SoundId::Yes);
        if (k < 7) {
            EXPECT_EQ(r.s.win, 3 << k);
            EXPECT_EQ(r.cab.Duble.frame, k);
            EXPECT_FALSE(r.cab.Duble.playing);
            EXPECT_TRUE(r.colourButtonsShown());
            EXPECT_EQ(r.cab.message1.text, "Красное или Черное?");
        }
        // the heartbeat starts at counters 4 and 3 (after guesses 5 and 6)
        const bool heartbeat = k == 5 || k == 6;
        EXPECT_EQ(r.sound.started.back().id == SoundId::Serdze && r.sound.started.back().loop, heartbeat) << k;
    }
    expectTop(r, 300);  // 3 x 128 = 384 is capped at the maximum win
    EXPECT_EQ(r.m.stats.redBlackAttempts, 7);
    EXPECT_EQ(r.m.stats.redBlackWins, 7);
    EXPECT_EQ(r.waits('h', 440), 7);
    EXPECT_EQ(r.waits('h', 700), 7);
    EXPECT_EQ(r.s.credits, 10000 - 1);  // nothing is credited before the take
}

TEST(RedBlack, AWrongGuessLosesTheWinAndResetsTheBoard) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 5);
    r.win(kTwoPairs);
    ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    ASSERT_EQ(r.s.win, 30);
    const int credits = r.s.credits;
    ASSERT_TRUE(r.guessWrong(Ctl::BtnRed));
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.s.win, 0);
    EXPECT_EQ(r.sound.count(SoundId::No), 1);
    EXPECT_EQ(r.waits('h', 2000), 1);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_FALSE(r.s.redBlackPanel);
    EXPECT_FALSE(r.cab.Panel3.visible || r.cab.RdBl.visible || r.cab.Duble.visible || r.cab.RxLabel25.visible);
    for (const auto& slot : r.cab.history) EXPECT_FALSE(slot.visible);
    // the hidden row is ready for the next game
    EXPECT_TRUE(r.colourButtonsShown() && r.cab.BtnCash.visible && r.cab.Btn12.visible);
    EXPECT_EQ(r.m.stats.redBlackAttempts, 2);
    EXPECT_EQ(r.m.stats.redBlackWins, 1);

    // the next game starts with an empty history row
    r.win(kTwoPairs);
    EXPECT_TRUE(r.s.redBlackPanel);
    for (const auto& slot : r.cab.history) EXPECT_FALSE(slot.visible);
    for (Card h : r.s.historyCards) EXPECT_EQ(h, kNoCard);
}

TEST(RedBlack, TheTopPaysTheMaximumWin) {
    {
        // a flush (9, counter 6) doubles four times to 144; the top makes it 300
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.win("2H 6H 9H JH KH");
        EXPECT_EQ(r.s.win, 9);
        EXPECT_EQ(r.cab.Duble.frame, 3);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
        EXPECT_EQ(r.s.win, 72);
        ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
        expectTop(r, 300);
    }
    {
        // always seven: two pairs at bet 2 play for 6 up to 768 = 128 x 6
        RiskRig r;
        r.ready(Variant::JokerPoker, 2, true);
        r.win(kTwoPairs);
        EXPECT_EQ(r.s.maxWin, 768);
        EXPECT_EQ(r.cab.RxLabel25.text, "768");
        for (int i = 0; i < 7; ++i) ASSERT_TRUE(r.guessRight(Ctl::BtnNo));
        expectTop(r, 768);
        EXPECT_FALSE(r.s.alwaysSeven);  // consumed by the first run of the win handling
    }
}

TEST(RedBlack, HandsWithNoGuessGoStraightToTheTopAndKeepTheirOwnLine) {
    struct Case {
        Variant v;
        const char* hand;
        int line;
        bool alwaysSeven;
    };
    const Case cases[] = {
        {Variant::JokerPoker, "AH KH QH JH 1H", 2, false},  // royal flush: 150, not the 300 of line 1
        {Variant::JokerPoker, "AH AB AK AV PP", 1, false},  // five of a kind
        {Variant::JackOrBetter, "AH KH QH JH 1H", 1, false},
        {Variant::DeucesWild, "AH KH QH JH 1H", 1, false},  // natural royal flush
        {Variant::DeucesWild, "2H 2B 2K 2V 5H", 2, false},  // four deuces: 200, not 250
        {Variant::JackOrBetter, "9H 9B 9K 9V KH", 3, true},  // always seven: four of a kind, no guess
    };
    for (const Case& t : cases) {
        RiskRig r;
        r.ready(t.v, 1, t.alwaysSeven);
        const int own = r.payLine(t.line);
        r.win(t.hand);
        SCOPED_TRACE(t.hand);
        EXPECT_LE(r.s.riskCounter, 2);
        EXPECT_EQ(r.s.maxWin, own);
        expectTop(r, own);
        EXPECT_EQ(r.cab.Duble.frame, 0);
        for (const auto& slot : r.cab.history) EXPECT_FALSE(slot.visible);
        EXPECT_EQ(r.waits('p', 1000), 2);  // the offer's pause and the second at the top
        const int credits = r.s.credits;
        ASSERT_TRUE(r.c.click(Ctl::BtnCash));
        EXPECT_EQ(r.s.credits, credits + own);
    }
}

TEST(RedBlack, ABonusAtTheTopOfAlwaysSevenKeepsItsMaximum) {
    // the bonus step's maximum (4 x level) stays; the top pays it
    RiskRig r;
    r.ready(Variant::JokerPoker, 30, true);
    r.s.bonusPools[0] = 90;
    r.m.setBonusDisplay(90);
    r.win("KH KB 3K 5V 8H");
    expectTop(r, 400);
}

// A stored risk choice that names no game marks no radio. A win then keeps
// the game the machine had: Red-Black in a new run (not "no game", which
// would credit the win at once), and later the game of the last offer.
TEST(RedBlack, WithNoRiskGameMarkedAWinKeepsTheGameTheMachineHad) {
    {
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.m.options.riskChoice = std::nullopt;
        r.finalHand(test::hand(kTwoPairs));
        const int credits = r.s.credits;
        r.deal();  // all five held: nothing charged
        EXPECT_EQ(r.s.riskChoice, RiskChoice::RedBlack);
        EXPECT_TRUE(r.cab.RdBl.visible);
        EXPECT_TRUE(r.cab.Panel3.visible);
        EXPECT_TRUE(r.cab.BtnCash.visible && r.cab.BtnCash.enabled);
        EXPECT_EQ(r.s.win, 3);
        EXPECT_EQ(r.s.credits, credits);  // at stake, not credited
        ASSERT_TRUE(r.c.click(Ctl::BtnCash));
        EXPECT_EQ(r.s.credits, credits + 3);
    }
    {
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.s.riskChoice = RiskChoice::HigherLower;  // what the last offer played
        r.m.options.riskChoice = std::nullopt;
        r.win(kTwoPairs);
        EXPECT_EQ(r.s.riskChoice, RiskChoice::HigherLower);
        EXPECT_TRUE(r.cab.Panel4.visible);
        EXPECT_FALSE(r.cab.Panel3.visible);
    }
}

TEST(RedBlack, DeucesWildThreeOfAKindPlaysSevenGuessesLikeAStraight) {
    RiskRig r;
    r.ready(Variant::DeucesWild, 1);
    r.win("5H 5B 5K 9V KH");
    EXPECT_EQ(r.s.riskCounter, 10);
    EXPECT_EQ(r.cab.Duble.frame, 0);
    ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    EXPECT_TRUE(r.cab.crd(1).visible);  // the first guess is that of counter 9
    EXPECT_EQ(r.s.riskCounter, 8);
    EXPECT_EQ(r.cab.Duble.frame, 1);
    for (int i = 2; i <= 6; ++i) ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    EXPECT_TRUE(r.colourButtonsShown());
    EXPECT_EQ(r.s.win, 64);
    ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    expectTop(r, r.payLine(1));
}

TEST(RedBlack, TheJokerIsARightGuessForEitherColour) {
    for (Ctl guess : {Ctl::BtnRed, Ctl::BtnBlack, Ctl::BtnNo}) {
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.win(kTwoPairs);
        r.clockFor([&](std::uint32_t ms) { return r.naturalCard(ms, guess) == kJoker; });
        ASSERT_TRUE(r.c.click(guess));
        EXPECT_EQ(r.cab.crd(1).picture, "PP2");
        EXPECT_EQ(r.s.win, 6);
        EXPECT_EQ(r.sound.count(SoundId::Yes), 1);
        EXPECT_EQ(r.m.stats.redBlackWins, 1);
    }
}

TEST(RedBlack, TheFortuneBendsTheColourButtonsButNeverTheRandomOne) {
    auto trial = [](int fortune, Ctl guess, std::uint32_t ms, Card* drawn, Card* natural) {
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.m.options.fortune[1] = fortune;
        r.m.options.statisticsOff = true;  // what the settings dialog sets with the slider
        r.win(kTwoPairs);
        r.clock.ms = ms;
        *natural = r.naturalCard(ms, guess);
        r.c.click(guess);
        *drawn = r.cab.crd(1).card;
        return r.s.win == 6;
    };
    int forcedRight = 0, forcedWrong = 0, randomRight = 0, randomTrials = 0;
    for (std::uint32_t ms = 1000; ms < 1400; ms += 7) {
        Card drawn, natural;
        const bool roll100 = RiskRig::rollOf(ms) == 100;
        if (!roll100) {
            forcedRight += trial(100, Ctl::BtnBlack, ms, &drawn, &natural);
            EXPECT_TRUE(isBlack(drawn)) << ms;
            const bool right = trial(-100, Ctl::BtnRed, ms, &drawn, &natural);
            forcedWrong += !right;
            EXPECT_TRUE(isBlack(drawn)) << ms;  // the unfavourable draw never gives the joker
        }
        for (int f : {100, -100}) {
            const bool right = trial(f, Ctl::BtnNo, ms, &drawn, &natural);
            EXPECT_EQ(drawn, natural) << ms;
            randomRight += right;
            ++randomTrials;
        }
    }
    EXPECT_GT(forcedRight, 50);
    EXPECT_GT(forcedWrong, 50);
    EXPECT_GT(randomRight, randomTrials / 4);
    EXPECT_LT(randomRight, randomTrials * 3 / 4);

    // a roll of 100 escapes the fortune: the card is drawn fairly
    std::uint32_t ms = 1;
    while (RiskRig::rollOf(ms) != 100) ++ms;
    Card drawn, natural;
    trial(-100, Ctl::BtnRed, ms, &drawn, &natural);
    EXPECT_EQ(drawn, natural);
    trial(100, Ctl::BtnBlack, ms, &drawn, &natural);
    EXPECT_EQ(drawn, natural);
}

TEST(RedBlack, NoHistoryCardRepeatsOrComesFromTheHand) {
    const Variant variants[] = {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild};
    for (Variant v : variants) {
        RiskRig r;
        r.ready(v, 1);
        int draws = 0;
        for (std::uint32_t game = 0; game < 60; ++game) {
            r.win(v == Variant::DeucesWild ? "7H 8B 9K 1V JH" : kTwoPairs);
            // the hand held other cards before the draw
            r.s.handBeforeDraw = test::hand(v == Variant::DeucesWild ? "3B 4K 6V QB AK" : "AH 3B 4K 6V QB");
            const std::set<Card> hands = cardsOf(r.s.hand, r.s.handBeforeDraw);
            std::set<Card> seen;
            while (r.s.redBlackPanel && r.cab.BtnNo.visible) {
                const int k = 10 - (r.s.riskCounter == 10 ? 9 : r.s.riskCounter);
                r.clock.ms = game * 7919u + static_cast<std::uint32_t>(k) * 104729u;
                ASSERT_TRUE(r.c.click(Ctl::BtnNo));
                const Card c = r.cab.crd(k).card;
                ++draws;
                EXPECT_TRUE(inDeck(v, c)) << c;
                EXPECT_FALSE(hands.count(c)) << c;
                EXPECT_TRUE(seen.insert(c).second) << "repeated " << c;
            }
            if (!r.s.boardReset) r.c.click(Ctl::BtnCash);
        }
        EXPECT_GT(draws, 100);
    }
}

TEST(RedBlack, CountersStandStillWhileStatisticsAreOff) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.options.fortune[3] = -5;  // any fortune setting turns statistics off
    r.m.options.statisticsOff = true;
    r.m.options.statisticsOff = true;
    r.win(kTwoPairs);
    ASSERT_TRUE(r.guessRight(Ctl::BtnNo));
    r.guessWrong(Ctl::BtnNo);
    EXPECT_EQ(r.m.stats.redBlackAttempts, 0);
    EXPECT_EQ(r.m.stats.redBlackWins, 0);

    r.m.options.fortune[3] = 0;
    r.m.options.statisticsOff = false;
    r.m.options.statisticsOff = false;
    r.win(kTwoPairs);
    ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    r.guessWrong(Ctl::BtnBlack);
    EXPECT_EQ(r.m.stats.redBlackAttempts, 2);
    EXPECT_EQ(r.m.stats.redBlackWins, 1);
}

TEST(RedBlack, AStepIgnoresInputWhileItWaits) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.win("9H 9B 9K 9V KH");  // four of a kind, counter 4: two guesses
    EXPECT_EQ(r.cab.Duble.frame, 5);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);
    EXPECT_TRUE(r.sound.started.back().loop);

    bool secondStep = true, takeHalf = false;
    r.pacer.at(r.pacer.now + 200, [&] { r.c.click(Ctl::BtnBlack); });        // inside the 440 ms wait: dropped
    r.pacer.at(r.pacer.now + 440 + 300, [&] {                                // inside the counter-3 pause
        secondStep = r.c.click(Ctl::BtnBlack);                               // the colour buttons are hidden
        takeHalf = r.c.click(Ctl::Btn12);                                    // taking half still works
    });
    const std::size_t waitsBefore = r.pacer.waits.size();
    ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    EXPECT_EQ(r.pacer.droppedInput, 1);
    EXPECT_FALSE(secondStep);
    EXPECT_TRUE(takeHalf);
    EXPECT_EQ(r.s.win, 40);  // 40 doubled to 80, then half of it taken
    EXPECT_EQ(r.cab.Duble.frame, 6);
    // 440 without input, the display step's second, 700 without input
    ASSERT_EQ(r.pacer.waits.size(), waitsBefore + 3);
    EXPECT_EQ(r.pacer.waits[waitsBefore].kind, 'h');
    EXPECT_EQ(r.pacer.waits[waitsBefore].ms, 440);
    EXPECT_EQ(r.pacer.waits[waitsBefore + 1].kind, 'p');
    EXPECT_EQ(r.pacer.waits[waitsBefore + 1].ms, 1000);
    EXPECT_EQ(r.pacer.waits[waitsBefore + 2].kind, 'h');
    EXPECT_EQ(r.pacer.waits[waitsBefore + 2].ms, 700);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);  // started after the pause, the halt before it
}

TEST(RedBlack, ClosingInTheMiddleOfAGuessUnwindsIt) {
    {
        // the program closes while the card lies face down
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.win(kTwoPairs);
        int unwound = 0;
        r.c.setUnwoundCallback([&] { ++unwound; });
        r.pacer.closing = true;
        const std::size_t sounds = r.sound.started.size();
        r.c.click(Ctl::BtnRed);
        EXPECT_EQ(unwound, 1);
        EXPECT_EQ(r.c.depth(), 0);
        EXPECT_TRUE(r.cab.crd(1).visible);
        EXPECT_EQ(r.cab.crd(1).picture, "R");  // the face was never turned
        EXPECT_EQ(r.sound.started.size(), sounds);
        EXPECT_EQ(r.s.win, 3);
    }
    {
        // ... or during the second the display step waits at counter 4
        RiskRig r;
        r.ready(Variant::JokerPoker, 1);
        r.win("AH 7H 8H 9H 1H");  // flush, counter 6
        ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
        int unwound = 0;
        r.c.setUnwoundCallback([&] { ++unwound; });
        r.pacer.at(r.pacer.now + 440 + 500, [&] { r.pacer.closing = true; });
        r.guessRight(Ctl::BtnRed);
        EXPECT_EQ(unwound, 1);
        EXPECT_EQ(r.c.depth(), 0);
        EXPECT_EQ(r.s.win, 36);
        EXPECT_EQ(r.waits('h', 700), 1);   // only the first guess got to its last wait
        EXPECT_FALSE(r.colourButtonsShown());  // the step stopped before showing them again
        EXPECT_NE(r.sound.started.back().id, SoundId::Serdze);
    }
}

TEST(RedBlack, TheColourButtonsTakeNoClickOutsideTheGame) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    for (Ctl c : {Ctl::BtnRed, Ctl::BtnBlack, Ctl::BtnNo, Ctl::BtnCash, Ctl::Btn12, Ctl::BtnCash1, Ctl::BtnHalf1})
        EXPECT_FALSE(r.c.click(c));
    EXPECT_EQ(r.m.stats.redBlackAttempts, 0);
}

TEST(RedBlack, TakeHalfIsThereAfterGamesOfTheOtherRow) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    // A game with no risk game and one of Higher-Lower reset the board with
    // the lower row laid out.
    for (RiskChoice other : {RiskChoice::None, RiskChoice::HigherLower}) {
        r.m.options.riskChoice = other;
        r.win(kTwoPairs);
        if (other == RiskChoice::HigherLower) {
            ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        }
        ASSERT_TRUE(r.s.boardReset);
    }
    // The random choice then gives Red-Black a game without a reset of its own.
    r.m.options.riskChoice = RiskChoice::Random;
    bool played = false;
    for (int attempt = 0; attempt < 40 && !played; ++attempt) {
        r.win(kTwoPairs);
        played = r.cab.Panel3.visible;
        if (played) {
            EXPECT_TRUE(r.cab.Btn12.visible);
            EXPECT_TRUE(r.c.click(Ctl::Btn12));
        }
        while (!r.s.boardReset) {
            if (r.cab.Panel3.visible) r.c.click(Ctl::BtnCash);
            else if (r.cab.Panel4.visible) r.c.click(Ctl::BtnCash1);
            else break;
        }
        r.clock.ms += 7919;
    }
    EXPECT_TRUE(played);
}
