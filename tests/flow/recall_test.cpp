// The game recall from the flows: what a game of every kind records, that
// the record replays from its seeds with the machine's own code, that its
// books balance, and that a game ending inside another step is recorded
// once, whole.
#include <gtest/gtest.h>

#include <numeric>

#include "recall.h"
#include "riskrig.h"

using namespace talvern;
using recall::GameRecord;
using recall::Step;

namespace {

struct RecallRig : test::RiskRig {
    std::vector<GameRecord> games;

    explicit RecallRig(Variant v = Variant::JokerPoker, RiskChoice choice = RiskChoice::RedBlack, int bet = 1) {
        ready(v, bet);
        m.options.riskChoice = choice;
        m.recorder.setRun(7);
        m.recorder.setNow([] { return std::string("2026-12-08T10:00:00"); });
        m.recorder.setSink([this](const GameRecord& g) { games.push_back(g); });
        clock.ms = 1000;
    }

    // A game dealt and drawn by the machine: the deal at one clock value,
    // the holds it proposes (or the first card), the draw a second later;
    // the clock is searched until the final hand passes pred.
    void naturalGame(const std::function<bool(const Evaluation&)>& pred) {
        const Classifier classify = m.classifier();
        const DealRules dealt{m.options.variant, m.options.fortune[0], Phase::Settled, &classify};
        const DealRules drawn{m.options.variant, m.options.fortune[0], Phase::Dealt, &classify};
        for (std::uint32_t ms = clock.ms + 1;; ++ms) {
            RandomSource r(ms);
            const DealResult d = firstDeal(dealt, r);
            const Evaluation proposed = classify(d.hand, Phase::Dealt);
            std::array<bool, 5> held{};
            for (int i = 0; i < 5; ++i) held[static_cast<std::size_t>(i)] = proposed.flagged(i);
            if (!proposed.flags) held[0] = true;
            RandomSource r2(ms + 1000);
            const DealResult f = draw(drawn, r2, d.hand, held, d.fortuneRoll);
            if (!pred(classify(f.hand, Phase::Settled))) continue;
            clock.ms = ms;
            EXPECT_TRUE(deal());
            if (!proposed.flags) toggle(0);
            clock.ms = ms + 1000;
            EXPECT_TRUE(deal());
            return;
        }
    }
    void naturalWin() {
        naturalGame([&](const Evaluation& e) { return lineOfClass(m.options.variant, e.handClass, e.jacksPair) != 0; });
    }

    // The clock of the next step drawn from Random: the first value after
    // now for which `pred(source)` holds.
    void clockWhere(const std::function<bool(RandomSource&)>& pred) {
        for (std::uint32_t ms = clock.ms + 1;; ++ms) {
            RandomSource r(ms);
            if (pred(r)) {
                clock.ms = ms;
                return;
            }
        }
    }

    const GameRecord& only() {
        static const GameRecord none;
        EXPECT_EQ(games.size(), 1u);
        return games.empty() ? none : games.back();
    }
};

std::vector<Step::Kind> kinds(const GameRecord& g) {
    std::vector<Step::Kind> out;
    for (const Step& s : g.steps) out.push_back(s.kind);
    return out;
}

long long credited(const GameRecord& g) {
    long long sum = 0;
    for (const Step& s : g.steps)
        if (s.kind == Step::Kind::Credit || s.kind == Step::Kind::Take || s.kind == Step::Kind::Half ||
            s.kind == Step::Kind::JackPotClose)
            sum += s.amount;
    return sum;
}

// What every record must be: it replays, its books balance, and its line
// reads back as the same record.
void expectSound(const GameRecord& g) {
    const recall::Replay r = recall::replay(g);
    EXPECT_TRUE(r.ok()) << r.text;
    EXPECT_EQ(static_cast<long long>(g.creditsBefore) - g.charged + g.loaded + credited(g), g.creditsAfter);
    const std::string line = recall::toJsonLine(g);
    const auto back = recall::fromJsonLine(line);
    ASSERT_TRUE(back.has_value()) << line;
    EXPECT_EQ(recall::toJsonLine(*back), line);
}

} // namespace

TEST(Recall, ALostGameIsRecordedWhenItsDrawIsOver) {
    RecallRig r;
    const int before = r.s.credits;
    r.naturalGame([](const Evaluation& e) { return e.handClass == cls::Nothing; });
    const GameRecord& g = r.only();
    expectSound(g);
    EXPECT_EQ(g.run, 7);
    EXPECT_EQ(g.time, "2026-12-08T10:00:00");
    EXPECT_EQ(g.variant, Variant::JokerPoker);
    EXPECT_EQ(g.bet, 1);
    EXPECT_EQ(g.creditsBefore, before);
    EXPECT_EQ(g.charged, 2);
    EXPECT_EQ(g.creditsAfter, before - 2);
    EXPECT_EQ(g.deal.seed, r.clock.ms - 1000);
    ASSERT_TRUE(g.draw.has_value());
    EXPECT_EQ(g.draw->seed, r.clock.ms);
    EXPECT_EQ(g.draw->cards, r.s.hand);
    EXPECT_FALSE(g.draw->from.has_value());
    EXPECT_EQ(g.handClass, cls::Nothing);
    EXPECT_EQ(g.line, 0);
    EXPECT_EQ(g.riskGame, recall::RiskGame::None);
    EXPECT_TRUE(g.steps.empty());
    EXPECT_TRUE(g.counted);
}

TEST(Recall, RedBlackRightThenTakenAndWrongAfterAHalf) {
    {
        RecallRig r;
        r.naturalWin();
        EXPECT_TRUE(r.games.empty()) << "a game is recorded once it is over";
        const int win = r.s.win;
        ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
        ASSERT_TRUE(r.c.click(Ctl::BtnCash));
        const GameRecord& g = r.only();
        expectSound(g);
        EXPECT_EQ(g.win, win);
        EXPECT_EQ(g.riskGame, recall::RiskGame::RedBlack);
        ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Colour, Step::Kind::Take}));
        EXPECT_EQ(g.steps[0].guess, riskdraw::Guess::Red);
        EXPECT_TRUE(g.steps[0].right);
        EXPECT_EQ(g.steps[0].win, 2 * win);
        EXPECT_EQ(g.steps[0].slot, 10 - (r.games.back().steps[0].slot ? 10 - g.steps[0].slot : 0));
        EXPECT_EQ(g.steps[1].amount, 2 * win);
    }
    {
        RecallRig r;
        r.naturalGame([](const Evaluation& e) { return e.handClass == cls::TwoPairs; });
        ASSERT_TRUE(r.c.click(Ctl::Btn12));
        ASSERT_TRUE(r.guessWrong(Ctl::BtnNo));
        const GameRecord& g = r.only();
        expectSound(g);
        ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Half, Step::Kind::Colour}));
        EXPECT_EQ(g.steps[1].guess, riskdraw::Guess::Random);
        EXPECT_EQ(g.steps[1].roll, -1);
        EXPECT_FALSE(g.steps[1].right);
        EXPECT_EQ(g.steps[1].win, 0);
    }
}

TEST(Recall, TakingWithTheNextCardShownRecordsThatCard) {
    RecallRig r;
    r.m.options.seeNextCard = true;
    r.naturalGame([](const Evaluation& e) { return e.handClass == cls::TwoPairs; });
    ASSERT_TRUE(r.guessRight(Ctl::BtnBlack));
    r.clock.ms += 777;
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    const GameRecord& g = r.only();
    expectSound(g);
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Colour, Step::Kind::Take, Step::Kind::NextCard}));
    EXPECT_EQ(g.steps[2].slot, 2);
    EXPECT_EQ(g.steps[2].card, r.s.historyCards[1]);
}

TEST(Recall, HigherLowerWonAndLostWithTheRestShown) {
    RecallRig r(Variant::JackOrBetter, RiskChoice::HigherLower, 5);
    r.m.options.lossReveal = true;
    r.naturalWin();
    const Variant v = r.m.options.variant;
    auto outcomeWhere = [&](int wanted) {
        const Card dealer = r.s.historyCards[4];
        r.clockWhere([&](RandomSource& rng) {
            return riskdraw::pickOutcome(dealer, riskdraw::pickCard(rng, v, 0, dealer, r.m.cards), r.m.cards) == wanted;
        });
    };
    ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
    outcomeWhere(2);
    ASSERT_TRUE(r.c.click(Ctl::Im3));
    ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
    outcomeWhere(1);
    ASSERT_TRUE(r.c.click(Ctl::Im1));
    const GameRecord& g = r.only();
    expectSound(g);
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Deal, Step::Kind::Pick, Step::Kind::Deal, Step::Kind::Pick,
                                     Step::Kind::Reveal}));
    EXPECT_EQ(g.steps[1].place, 3);
    EXPECT_EQ(g.steps[1].outcome, 2);
    EXPECT_EQ(g.steps[3].outcome, 1);
    EXPECT_EQ(g.steps[3].win, 0);
    EXPECT_EQ(g.steps[4].turned, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(g.creditsAfter, g.creditsBefore - g.charged);
}

TEST(Recall, TheRouletteSurvivedThenShot) {
    RecallRig r(Variant::DeucesWild, RiskChoice::RussianRoulette, 10);
    r.m.options.bloodOff = true;
    r.naturalWin();
    const int win = r.s.win;
    ASSERT_TRUE(r.c.click(Ctl::BtnYes1));  // the first pull is always survived
    r.clockWhere([](RandomSource& rng) { return riskdraw::rouletteShot(rng) >= 5; });
    ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
    const GameRecord& g = r.only();
    expectSound(g);
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Pull, Step::Kind::Pull}));
    EXPECT_TRUE(g.steps[0].right);
    EXPECT_EQ(g.steps[0].chambers, 6);
    EXPECT_EQ(g.steps[0].win, roulette::firstRung(win));
    EXPECT_FALSE(g.steps[1].right);
    EXPECT_EQ(g.steps[1].chambers, 5);
    EXPECT_EQ(g.steps[1].win, 0);
}

TEST(Recall, ABonusPaidAndTaken) {
    // A bonus keeps the risk game of the last win: Red-Black in a new run.
    RecallRig r(Variant::JokerPoker, RiskChoice::None, 1);
    r.s.bonusPools[0] = 100;
    r.m.setBonusDisplay(100);
    const int jackPot = r.s.jackPot;
    r.naturalGame([](const Evaluation& e) { return e.handClass == cls::Pair && e.bonusPairs == 1; });
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    const GameRecord& g = r.only();
    expectSound(g);
    EXPECT_EQ(g.riskGame, recall::RiskGame::RedBlack);
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Bonus, Step::Kind::Take}));
    EXPECT_EQ(g.steps[0].amount, 1);  // 101 in the pool, 100 paid
    EXPECT_EQ(g.steps[0].level, 100);
    EXPECT_TRUE(g.steps[0].right);
    EXPECT_EQ(g.steps[0].jackPot, jackPot + 20);
    EXPECT_EQ(g.steps[1].amount, 100);
}

TEST(Recall, TheJackPotHitThenMissed) {
    RecallRig r(Variant::JokerPoker, RiskChoice::None, 1);
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) {
        return e.handClass == cls::FiveOfAKind || e.handClass == cls::RoyalFlush;
    });
    r.c.game.setJackPotWindow([&] {
        r.c.jackPot.open();
        r.c.jackPotKey(false);
        r.c.jackPotCard(0);
        r.clockWhere([](RandomSource& rng) { return riskdraw::jokerPlace(rng, 0, 0) == 0; });
        r.c.jackPotConfirm();
        r.c.jackPotCard(2);
        r.clockWhere([](RandomSource& rng) { return riskdraw::jokerPlace(rng, 0, 2) != 2; });
        r.c.jackPotConfirm();
        EXPECT_TRUE(r.c.jackPot.closed());
    });
    ASSERT_TRUE(r.deal());
    for (int i = 0; i < 5; ++i)
        if (!r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    ASSERT_TRUE(r.deal());
    const GameRecord& g = r.only();
    expectSound(g);
    EXPECT_EQ(g.charged, 1) << "all five held: the draw charges nothing";
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Credit, Step::Kind::JackPot, Step::Kind::JackPotGuess,
                                     Step::Kind::JackPotGuess, Step::Kind::JackPotClose}));
    EXPECT_EQ(g.steps[1].amount, 10000);
    EXPECT_TRUE(g.steps[2].right);
    EXPECT_FALSE(g.steps[3].right);
    EXPECT_EQ(g.steps[4].amount, 3333);
    EXPECT_EQ(g.steps[4].jackPot, 6667);
    EXPECT_EQ(r.s.jackPot, 6667);
}

TEST(Recall, FortuneSettingsReplayAsWellAndCountNothing) {
    RecallRig r;
    r.m.options.fortune = {60, 100, 0, 0};
    r.m.options.statisticsOff = true;
    r.naturalWin();
    r.clockWhere([](RandomSource& rng) { return riskdraw::colour(rng, riskdraw::Guess::Red, 100, true).kind ==
                                                riskdraw::Kind::Favourable; });
    ASSERT_TRUE(r.c.click(Ctl::BtnRed));
    ASSERT_TRUE(r.c.click(Ctl::BtnCash));
    const GameRecord& g = r.only();
    expectSound(g);
    EXPECT_FALSE(g.counted);
    EXPECT_EQ(g.deal.fortune, 60);
    EXPECT_EQ(g.draw->fortune, 60);
    ASSERT_EQ(g.steps.front().kind, Step::Kind::Colour);
    EXPECT_EQ(g.steps.front().draw, riskdraw::Kind::Favourable);
    EXPECT_TRUE(g.steps.front().right);
}

TEST(Recall, AGameLeftAfterItsFirstDealIsRecordedWithoutADraw) {
    RecallRig r;
    ASSERT_TRUE(r.deal());
    for (int i = 0; i < 5; ++i)
        if (r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    ASSERT_TRUE(r.deal());  // every hold off: a new first deal
    ASSERT_TRUE(r.c.click(Ctl::btnbet2));  // the bet changed: that one is left too
    ASSERT_EQ(r.games.size(), 2u);
    for (const GameRecord& g : r.games) {
        expectSound(g);
        EXPECT_FALSE(g.draw.has_value());
        EXPECT_EQ(g.charged, 1);
    }
    EXPECT_EQ(r.games[1].creditsBefore, r.games[0].creditsAfter);
}

TEST(Recall, ATakeInsideTheTopsSecondEndsTheGameOnce) {
    // A royal flush of Jack or Better goes to the top at once; the take in
    // the top's second ends the game inside the draw's own step, and the
    // Jack Pot it earned opens inside that take.
    RecallRig r(Variant::JackOrBetter, RiskChoice::RedBlack, 1);
    r.m.options.fortune[3] = -100;
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) { return e.handClass == cls::RoyalFlush; });
    int opened = 0;
    r.c.game.setJackPotWindow([&] {
        ++opened;
        r.c.jackPot.open();
        r.c.jackPotKey(false);
        r.c.jackPotCard(1);
        r.c.jackPotConfirm();
    });
    ASSERT_TRUE(r.deal());
    for (int i = 0; i < 5; ++i)
        if (!r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    r.pacer.at(r.pacer.now + 1500, [&] { EXPECT_TRUE(r.c.click(Ctl::BtnCash)); });
    ASSERT_TRUE(r.deal());
    EXPECT_EQ(opened, 1);
    const GameRecord& g = r.only();
    expectSound(g);
    ASSERT_EQ(kinds(g), (std::vector{Step::Kind::Top, Step::Kind::Take, Step::Kind::JackPot, Step::Kind::JackPotGuess,
                                     Step::Kind::JackPotClose}));
    EXPECT_FALSE(g.steps[3].right);
}

TEST(Recall, TheTimeLimitInsideTheJackPotRecordsTheGameOnceWithWhatItPaid) {
    RecallRig r(Variant::JokerPoker, RiskChoice::None, 1);
    r.m.options.fortune[3] = 100;
    r.m.options.statisticsOff = true;
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) { return e.handClass == cls::FiveOfAKind; });
    r.c.game.setJackPotWindow([&] {
        r.c.jackPot.open();
        r.c.jackPotKey(false);
        r.c.jackPotCard(0);
        r.c.jackPotConfirm();
        r.c.timeLimitReached();
    });
    ASSERT_TRUE(r.deal());
    for (int i = 0; i < 5; ++i)
        if (!r.s.held[static_cast<std::size_t>(i)]) r.toggle(i);
    r.deal();
    const GameRecord& g = r.only();
    expectSound(g);
    EXPECT_EQ(kinds(g).back(), Step::Kind::JackPotClose);
    EXPECT_EQ(g.steps.back().amount, 3333);
}

TEST(Recall, TheTimeLimitInsideTheDrawRecordsTheCardsDrawnSoFar) {
    for (const int at : {100, 330}) {  // before the draw's cards are chosen, while they are turned
        RecallRig r;
        ASSERT_TRUE(r.deal());
        if (!r.s.anyHeld()) r.toggle(0);
        r.pacer.at(r.pacer.now + at, [&] { r.c.timeLimitReached(); });
        r.deal();
        const GameRecord& g = r.only();
        expectSound(g);
        EXPECT_EQ(g.draw.has_value(), at > 300) << at;
        EXPECT_EQ(g.handClass, cls::NoHand);
        EXPECT_EQ(r.window.closed, 1);
    }
}

TEST(Recall, ATamperedRecordIsCaughtByItsReplay) {
    RecallRig r(Variant::JackOrBetter, RiskChoice::HigherLower, 5);
    r.naturalWin();
    ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
    ASSERT_TRUE(r.c.click(Ctl::Im2));
    if (r.games.empty()) {
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
    }
    const GameRecord g = r.only();
    ASSERT_TRUE(recall::replay(g).ok()) << recall::replay(g).text;

    GameRecord dealt = g;
    dealt.deal.cards[2] = dealt.deal.cards[2] % 52 + 1;
    EXPECT_EQ(recall::replay(dealt).code, recall::Replay::Code::Deal);
    GameRecord drawn = g;
    drawn.draw->rollAfter = (drawn.draw->rollAfter + 1) % 101;
    EXPECT_EQ(recall::replay(drawn).code, recall::Replay::Code::Draw);
    GameRecord classed = g;
    classed.handClass = cls::RoyalFlush;
    EXPECT_EQ(recall::replay(classed).code, recall::Replay::Code::Class);
    GameRecord picked = g;
    picked.steps[1].card = picked.steps[1].card % 52 + 1;
    EXPECT_EQ(recall::replay(picked).code, recall::Replay::Code::Step);
    GameRecord shown = g;
    shown.draw->from = shown.deal.cards;
    shown.draw->from->at(0) = 52 - shown.draw->from->at(0) % 52;
    shown.draw->held.fill(true);
    shown.draw->cards = *shown.draw->from;
    const recall::Replay laid = recall::replay(shown);
    EXPECT_TRUE(laid.code == recall::Replay::Code::DrawFromOther || laid.code == recall::Replay::Code::Class)
        << laid.text;
}
