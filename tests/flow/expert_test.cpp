// The expert at the player's side: the hint after a first deal, its key,
// the trainer's question before a costly draw (also when the run ends or
// the program closes while it is open), the odds of the risk games' next
// steps, and keyboard play. With everything off the machine is as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

#include "final_hand_counts.h"
#include "hands.h"
#include "hold_analyzer.h"
#include "risk_odds.h"
#include "riskrig.h"

using namespace talvern;
using test::hand;
using test::Rig;
using test::RiskRig;

namespace {

void ready(Rig& r, Variant v, int bet) {
    r.m.options.variant = v;
    r.m.options.riskChoice = RiskChoice::None;
    r.m.cards.setBuiltInDeck(v);
    r.m.setPayCaptions(v);
    r.m.setCredits(1000);
    r.m.setBet(bet);
    r.s.bonusLevel = bonusClassOf(bet).level;
    r.m.refreshPayValues();
    r.m.hideCover();
}

// After a first deal, a chosen hand on the table with nothing held.
void onTable(Rig& r, const Hand& h) {
    if (r.s.phase != Phase::Dealt) r.deal();
    r.s.hand = h;
    for (int i = 0; i < 5; ++i) {
        r.m.showCard(i, h[static_cast<std::size_t>(i)]);
        r.m.setHeld(i, false);
    }
}

void hold(Rig& r, const std::string& mask) {
    for (int i = 0; i < 5; ++i)
        if (r.s.held[static_cast<std::size_t>(i)] != (mask[static_cast<std::size_t>(i)] == '1')) r.toggle(i);
}

std::string keepOf(const ExpertView& v) {
    if (!v.advice) return "-";
    std::string s;
    for (bool k : v.keep) s += k ? '1' : '0';
    return s;
}

std::string heldOf(const Rig& r) {
    std::string s;
    for (bool h : r.s.held) s += h ? '1' : '0';
    return s;
}

// `talvern-odds hold` ranks with the whole-deck tables; built once a run.
const odds::FinalHandCounts& tablesOf(Variant v) {
    static std::unique_ptr<odds::FinalHandCounts> tables[kVariantCount];
    auto& t = tables[static_cast<int>(v)];
    if (!t) t = std::make_unique<odds::FinalHandCounts>(v, 2);
    return *t;
}

} // namespace

TEST(Hint, OffShowsNothing) {
    Rig r;
    ready(r, Variant::JokerPoker, 1);
    r.deal();
    const ExpertView v = r.c.expert.view();
    EXPECT_FALSE(v.advice);
    EXPECT_TRUE(v.hint.isEmpty());
    EXPECT_TRUE(v.odds.isEmpty());
}

// The hint comes once the machine's own proposals are done and goes as the
// draw begins; a reset of the board takes it too.
TEST(Hint, ComesAfterTheProposalsAndGoesWithTheDraw) {
    Rig r;
    ready(r, Variant::JackOrBetter, 1);
    r.m.options.hint = true;
    // a first deal whose proposals hold some cards (a pair of jacks or better)
    r.clock.ms = r.seedFor([](const Hand&, const Evaluation& e) { return e.jacksPair; });
    std::vector<std::string> during;
    for (long t = 50; t < 1200; t += 50) r.pacer.at(t, [&] { during.push_back(keepOf(r.c.expert.view())); });
    r.deal();
    for (const std::string& k : during) EXPECT_EQ(k, "-");  // nothing while the cards turn and the proposals run
    const ExpertView v = r.c.expert.view();
    ASSERT_TRUE(v.advice);
    EXPECT_TRUE(v.hint.startsWith("Совет: оставить ")) << v.hint.toStdString();
    EXPECT_TRUE(v.hint.endsWith(" · F2"));

    std::vector<std::string> drawing;
    r.pacer.at(r.pacer.now + 100, [&] { drawing.push_back(keepOf(r.c.expert.view())); });
    r.deal();  // the draw, with the machine's proposals
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0], "-");
    EXPECT_FALSE(r.c.expert.view().advice);

    r.deal();
    EXPECT_TRUE(r.c.expert.view().advice);
    r.c.click(Ctl::btnbet2);  // a bet change resets the board
    EXPECT_FALSE(r.c.expert.view().advice);
}

// The hint is `talvern-odds hold`'s first line for the hand and pay table
// on the table: over many deals of each variant, the cards it marks and the
// expected net it states at the bet.
TEST(Hint, IsTheFirstLineOfTalvernOddsHold) {
    for (Variant v : {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild}) {
        Rig r;
        ready(r, v, 5);
        r.m.options.hint = true;
        const odds::HoldAnalyzer reference(tablesOf(v));
        for (std::uint32_t deal = 0; deal < 40; ++deal) {
            r.clock.ms = 1000 + deal * 7919;
            if (r.s.phase == Phase::Dealt) {  // back to idle
                r.c.click(Ctl::btnbet1);
                r.c.click(Ctl::btnbet2);
            }
            r.m.setCredits(1000);
            r.deal();
            ASSERT_EQ(r.s.phase, Phase::Dealt);
            const odds::HoldResult first = reference.rank(r.s.hand, odds::PayScale(v), odds::Charge::Twice).front();
            const ExpertView view = r.c.expert.view();
            ASSERT_TRUE(view.advice);
            for (int i = 0; i < 5; ++i) ASSERT_EQ(view.keep[static_cast<std::size_t>(i)], first.keeps(i)) << deal;
            const odds::Fraction net(first.net().num() * 5, first.net().den());
            EXPECT_TRUE(view.hint.contains("в среднем чистыми " + expert::signedAmount(net) + " кредита"))
                << view.hint.toStdString() << " " << net.text();
        }
    }
}

TEST(Hint, WordsNameTheCardsAndTheNetAtTheBet) {
    Rig r;
    ready(r, Variant::JokerPoker, 5);
    r.m.options.hint = true;
    onTable(r, hand("QH QK 7B 7V 3K"));  // two pairs: keep them all, 3 x 5 = 15 without a second charge
    ExpertView v = r.c.expert.view();
    EXPECT_EQ(keepOf(v), "11111");
    EXPECT_EQ(v.hint, "Совет: оставить все пять · в среднем чистыми +15,00 кредита · F2");
    onTable(r, hand("AH KH QH JH 3K"));  // four to the royal flush
    v = r.c.expert.view();
    EXPECT_EQ(keepOf(v), "11110");
    EXPECT_TRUE(v.hint.startsWith("Совет: оставить A♥ K♥ Q♥ J♥ · в среднем чистыми +")) << v.hint.toStdString();
    EXPECT_EQ(expert::keptCards(hand("KH 2B 7K 9V KV"), 0b10001), "K♥ K♠");
    EXPECT_EQ(expert::cardShort(0), "джокер");
    EXPECT_EQ(expert::cardShort(23), "10♦");

    // With a fortune setting the deck is bent: said, and the fair figures shown.
    r.m.options.fortune[1] = 40;
    const ExpertView bent = r.c.expert.view();
    EXPECT_TRUE(bent.bent);
    EXPECT_TRUE(bent.hint.startsWith("Колода подкручена фортуной! Честный совет: оставить "));
    EXPECT_EQ(bent.keep, v.keep);
    EXPECT_EQ(bent.net, v.net);
}

TEST(Hint, F2HoldsWhatItKeeps) {
    Rig r;
    ready(r, Variant::JokerPoker, 1);
    r.cab.Panel2.visible = false;
    r.deal();
    onTable(r, hand("AH KH QH JH 3K"));  // four to the royal flush
    hold(r, "00001");
    r.c.keyPressed(kHintKey);  // the hint is off: F2 does nothing
    EXPECT_EQ(heldOf(r), "00001");

    r.m.options.hint = true;
    const int selects = r.sound.count(SoundId::Select);
    r.c.keyPressed(kHintKey);
    EXPECT_EQ(heldOf(r), keepOf(r.c.expert.view()));
    EXPECT_EQ(heldOf(r), "11110");
    EXPECT_EQ(r.sound.count(SoundId::Select), selects + 4);  // as four clicks that hold a card
    const int credits = r.s.credits;
    r.c.keyPressed(kHintKey);  // again: nothing to change
    EXPECT_EQ(heldOf(r), "11110");
    EXPECT_EQ(r.s.credits, credits);

    // Inside the draw the cards are being turned: the key holds nothing.
    r.pacer.at(r.pacer.now + 100, [&] { r.c.keyPressed(kHintKey); });
    r.deal();
    EXPECT_EQ(r.s.phase, Phase::Settled);
}

// --- the trainer ----------------------------------------------------------

namespace {
// Four to the royal flush in Jack or Better, and the three of clubs alone held.
void costlyHolds(Rig& r) {
    ready(r, Variant::JackOrBetter, 1);
    r.m.options.trainer = true;
    r.deal();
    onTable(r, hand("AH KH QH JH 3K"));
    hold(r, "00001");
}
} // namespace

TEST(Trainer, AsksBeforeACostlyDrawAndNoGoesBackToTheHolds) {
    Rig r;
    ready(r, Variant::JackOrBetter, 2);
    r.m.options.trainer = true;
    r.deal();
    onTable(r, hand("AH KH QH JH 3K"));
    hold(r, "00001");  // the three alone
    const int credits = r.s.credits;
    r.window.answer = false;
    EXPECT_TRUE(r.deal());
    ASSERT_EQ(r.window.asked.size(), 1u);
    const QString q = r.window.asked[0];
    EXPECT_TRUE(q.startsWith("Лучше оставить A♥ K♥ Q♥ J♥: в среднем чистыми +")) << q.toStdString();
    EXPECT_TRUE(q.contains("ошибка обойдётся в среднем в ")) << q.toStdString();
    EXPECT_TRUE(q.endsWith("Менять карты так?"));
    // nothing charged, nothing drawn, the holds as they were
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.s.phase, Phase::Dealt);
    EXPECT_EQ(heldOf(r), "00001");
    EXPECT_EQ(r.s.hand, hand("AH KH QH JH 3K"));
    EXPECT_EQ(r.m.stats.trainerDecisions, 0);

    // The cost it names is the difference of the two nets at the bet.
    odds::Advisor a;
    const auto& best = a.best(Variant::JackOrBetter, r.s.hand);
    const auto& chosen = a.hold(Variant::JackOrBetter, r.s.hand, 0b10000);
    const odds::Fraction gap(best.net().num() * chosen.net().den() - chosen.net().num() * best.net().den(),
                             best.net().den() * chosen.net().den());
    const int cents = expert::costInHundredths(gap, 2);
    EXPECT_TRUE(q.contains(expert::amount(odds::Fraction(cents, 100)) + " кредита.")) << q.toStdString();

    r.window.answer = true;
    r.deal();
    EXPECT_EQ(r.window.asked.size(), 2u);
    EXPECT_EQ(r.s.phase, Phase::Settled);
    EXPECT_EQ(r.s.credits - r.s.win, credits - 2);  // the draw charged once
    EXPECT_EQ(r.m.stats.trainerDecisions, 1);
    EXPECT_EQ(r.m.stats.trainerMistakes, 1);
    EXPECT_EQ(r.m.stats.trainerCost, cents);
}

TEST(Trainer, LetsTheBestPlayGoWithoutAQuestion) {
    Rig r;
    ready(r, Variant::JokerPoker, 1);
    r.m.options.trainer = true;
    r.deal();
    onTable(r, hand("QH QK 7B 7V 3K"));
    hold(r, "11111");  // two pairs kept whole: the best play
    r.deal();
    EXPECT_TRUE(r.window.asked.empty());
    EXPECT_EQ(r.m.stats.trainerDecisions, 1);
    EXPECT_EQ(r.m.stats.trainerMistakes, 0);
    EXPECT_EQ(r.m.stats.trainerCost, 0);

    // A first deal with nothing held is no draw: no question, no decision.
    r.c.click(Ctl::btnbet1);
    r.deal();
    hold(r, "00000");
    r.deal();
    EXPECT_TRUE(r.window.asked.empty());
    EXPECT_EQ(r.m.stats.trainerDecisions, 1);

    // While statistics are off the trainer still asks but counts nothing.
    r.m.options.statisticsOff = true;
    onTable(r, hand("AH KH QH JH 3K"));
    hold(r, "00001");
    r.deal();
    EXPECT_EQ(r.window.asked.size(), 1u);
    EXPECT_EQ(r.m.stats.trainerDecisions, 1);
    EXPECT_EQ(r.m.stats.trainerMistakes, 0);
}

// The time limit fires while the question is open: the run ends there, the
// draw never happens and nothing more is charged or counted.
TEST(Trainer, TheTimeLimitInsideTheQuestionEndsTheRun) {
    Rig r;
    costlyHolds(r);
    const int credits = r.s.credits;
    r.window.whileAsking = [&] { r.c.timeLimitReached(); };
    r.window.answer = true;  // and the player says yes after all
    r.deal();
    EXPECT_EQ(r.window.closed, 1);
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.s.creditsTaken, credits);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_EQ(r.s.phase, Phase::Settled);
    EXPECT_EQ(r.m.stats.trainerDecisions, 0);
    EXPECT_EQ(r.c.depth(), 0);
    EXPECT_FALSE(r.deal());  // the run is over
}

// The program closes while the question is open: the step unwinds, nothing
// is drawn or charged.
TEST(Trainer, ClosingInsideTheQuestionDrawsNothing) {
    for (bool answer : {true, false}) {
        Rig r;
        costlyHolds(r);
        const int credits = r.s.credits;
        bool unwound = false;
        r.c.setUnwoundCallback([&] { unwound = true; });
        r.window.whileAsking = [&] { r.pacer.closing = true; };
        r.window.answer = answer;
        r.deal();
        EXPECT_TRUE(unwound);
        EXPECT_EQ(r.s.credits, credits);
        EXPECT_EQ(r.s.phase, Phase::Dealt);
        EXPECT_EQ(r.s.hand, hand("AH KH QH JH 3K"));
        EXPECT_EQ(r.m.stats.trainerDecisions, 0);
    }
}

// Deal pressed again while the question is open is refused; a card clicked
// meanwhile is the hold the draw plays and the trainer counts.
TEST(Trainer, ASecondDealInsideTheQuestionIsRefused) {
    Rig r;
    costlyHolds(r);
    const int credits = r.s.credits;
    bool second = true;
    r.window.whileAsking = [&] {
        second = r.c.click(Ctl::Deal);
        r.window.whileAsking = nullptr;
    };
    r.window.answer = true;
    r.deal();
    EXPECT_FALSE(second);
    EXPECT_EQ(r.window.asked.size(), 1u);
    EXPECT_EQ(r.s.phase, Phase::Settled);
    EXPECT_EQ(r.s.credits - r.s.win, credits - 1);  // one draw, charged once
    EXPECT_EQ(r.m.stats.trainerDecisions, 1);
}

// --- the risk games' odds -------------------------------------------------

namespace {
// The machine's natural draw for the next Red-Black card, counted by hand:
// the cards right for red, for black, and all it is drawn from.
struct Left {
    int red = 0, black = 0, cards = 0;
};
Left cardsLeft(const RiskRig& r) {
    const MachineState& s = r.s;
    const int k = 10 - s.riskCounter;
    Left left;
    for (Card c = 0; c < 53; ++c) {
        if (!inDeck(r.m.options.variant, c)) continue;
        bool seen = false;
        for (Card h : s.hand) seen |= h == c;
        for (Card h : s.handBeforeDraw) seen |= h == c;
        for (int j = 0; j < k - 1; ++j) seen |= s.historyCards[static_cast<std::size_t>(j)] == c;
        if (seen) continue;
        ++left.cards;
        left.red += c == kJoker || isRed(c);
        left.black += c == kJoker || isBlack(c);
    }
    return left;
}
} // namespace

TEST(RiskOdds, RedBlackCountsTheCardsLeftAndWeighsTheNextRung) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.options.hint = true;
    r.win("QH QK 7B 7V 3K");  // two pairs, win 3, seven guesses
    ASSERT_TRUE(r.cab.Panel3.visible);
    Left left = cardsLeft(r);
    QString odds = r.c.expert.view().odds;
    EXPECT_TRUE(odds.startsWith(QStringLiteral("Красное %1 из %3 (%4) · черное %2 из %3 (")
                                    .arg(left.red)
                                    .arg(left.black)
                                    .arg(left.cards)
                                    .arg(expert::percent(odds::Fraction(left.red, left.cards)))))
        << odds.toStdString();
    // a right guess doubles 3 to 6
    const odds::Fraction better(std::max(left.red, left.black), left.cards);
    EXPECT_TRUE(odds.endsWith(QStringLiteral("дальше в среднем %1 против 3 на кону").arg(
        expert::amount(odds::Fraction(better.num() * 6, better.den())))))
        << odds.toStdString();

    ASSERT_TRUE(r.guessRight(Ctl::BtnRed));
    left = cardsLeft(r);
    EXPECT_EQ(left.cards, 53 - 5 - 1);  // the hand and the card turned
    odds = r.c.expert.view().odds;
    EXPECT_TRUE(odds.startsWith(QStringLiteral("Красное %1 из %2 (").arg(left.red).arg(left.cards))) << odds.toStdString();

    r.m.options.fortune[1] = 100;
    EXPECT_TRUE(r.c.expert.view().odds.startsWith("Подкручено фортуной! Честно: Красное "));
    r.m.options.fortune[1] = 0;

    // At the top only the take is left: no odds.
    while (r.cab.BtnRed.visible) r.guessRight(Ctl::BtnBlack);
    EXPECT_TRUE(r.c.expert.view().odds.isEmpty());
    r.m.options.hint = false;
    EXPECT_TRUE(r.c.expert.view().odds.isEmpty());
}

TEST(RiskOdds, HigherLowerBeforeAndAfterTheDealerCard) {
    RiskRig r;
    r.ready(Variant::JackOrBetter, 1);
    r.m.options.riskChoice = RiskChoice::HigherLower;
    r.m.options.hint = true;
    r.win("QH QK 7B 7V 3K");  // two pairs, win 2
    ASSERT_TRUE(r.cab.BtnYes1.visible);
    const odds::StepChances before = odds::higherLowerStep(Variant::JackOrBetter);
    EXPECT_EQ(r.c.expert.view().odds, QStringLiteral("Следующая карта выше: %1, равна: %2 · дальше в среднем %3 против 2 на кону")
                                          .arg(expert::percent(before.right), expert::percent(before.tie),
                                               expert::amount(odds::expectedWorth(before, 4, 2))));
    r.c.click(Ctl::BtnYes1);  // the dealer card is turned
    const Card dealer = r.s.historyCards[4];
    int higher = 0, equal = 0;
    for (Card c = 1; c <= 52; ++c) {
        if (c == dealer) continue;
        const int p = higherlower::pickRank(r.m.cards.name(c)), d = higherlower::dealerRank(r.m.cards.name(dealer));
        higher += p > d;
        equal += p == d;
    }
    const QString odds = r.c.expert.view().odds;
    EXPECT_TRUE(odds.startsWith(QStringLiteral("Выше %1: %2 из 51 (").arg(expert::cardShort(dealer)).arg(higher)))
        << odds.toStdString();
    EXPECT_TRUE(odds.contains(QStringLiteral("равна: %1 из 51").arg(equal))) << odds.toStdString();
}

TEST(RiskOdds, TheRevolverCountsItsChambers) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.options.riskChoice = RiskChoice::RussianRoulette;
    r.m.options.hint = true;
    r.win("QH QK 7B 7V 3K");  // win 3: 4, 6, 12, 36 and 252 at the top
    EXPECT_EQ(r.c.expert.view().odds, "Пронесёт: 6 из 6 (100,0 %) · жать на курок в среднем 4,00 против 3 на кону");
    r.c.click(Ctl::BtnYes1);  // the first pull is always survived
    ASSERT_EQ(r.cab.RxLabel27.text, "4");
    EXPECT_EQ(r.c.expert.view().odds, "Пронесёт: 5 из 6 (83,3 %) · жать на курок в среднем 5,00 против 4 на кону");
}

// --- keyboard play --------------------------------------------------------

TEST(Keys, OffTheyDoWhatTheyDidAndNothingMore) {
    Rig r;
    ready(r, Variant::JokerPoker, 1);
    const int credits = r.s.credits;
    for (int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_1), int(Qt::Key_Insert), int(Qt::Key_Plus),
                    int(Qt::Key_End), kHintKey})
        r.c.keyPressed(key);
    EXPECT_FALSE(r.cab.Panel2.visible);  // the first key hid the intro
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.s.bet, 1);
    EXPECT_EQ(r.s.phase, Phase::Settled);
    r.c.keyPressed(Qt::Key_Escape);
    EXPECT_EQ(r.window.minimized, 1);
    r.c.keyPressed(Qt::Key_F1);
    EXPECT_EQ(r.window.help, 1);
}

TEST(Keys, PlayAWholeGame) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.setCredits(0);
    r.m.showCover();
    r.m.options.keyboardPlay = true;
    ASSERT_TRUE(r.cab.Panel2.visible);
    r.c.keyPressed(Qt::Key_Insert);  // on the intro a key only takes it away
    EXPECT_FALSE(r.cab.Panel2.visible);
    EXPECT_EQ(r.s.credits, 0);
    r.c.keyPressed(Qt::Key_Insert);
    r.c.keyPressed(Qt::Key_0);
    r.c.keyPressed(Qt::Key_0, true);  // held down: once
    EXPECT_EQ(r.s.credits, 200);
    r.c.keyPressed(Qt::Key_Plus);
    r.c.keyPressed(Qt::Key_Equal);
    r.c.keyPressed(Qt::Key_Minus);
    EXPECT_EQ(r.s.bet, 2);
    r.c.keyPressed(Qt::Key_Space);
    EXPECT_EQ(r.s.phase, Phase::Dealt);
    const std::string proposed = heldOf(r);
    r.c.keyPressed(Qt::Key_3);
    std::string toggled = proposed;
    toggled[2] = toggled[2] == '1' ? '0' : '1';
    EXPECT_EQ(heldOf(r), toggled);
    onTable(r, hand("QH QK 7B 7V 3K"));
    for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}) r.c.keyPressed(key);
    EXPECT_EQ(heldOf(r), "11111");
    r.c.keyPressed(Qt::Key_Enter);  // draws: two pairs into Red-Black
    ASSERT_TRUE(r.cab.Panel3.visible);
    r.c.keyPressed(Qt::Key_Home);  // half of 6 taken
    EXPECT_EQ(r.s.win, 3);
    r.clockFor([&](std::uint32_t ms) { return r.rightGuess(ms, Ctl::BtnRed); });
    r.c.keyPressed(Qt::Key_Left);
    EXPECT_EQ(r.s.win, 6);
    const int credits = r.s.credits;
    r.c.keyPressed(Qt::Key_End);
    EXPECT_EQ(r.s.credits, credits + 6);
    EXPECT_FALSE(r.cab.Panel3.visible);
}

TEST(Keys, EnterTakesTheNextStepOfHigherLowerAndTheRevolver) {
    RiskRig r;
    r.ready(Variant::JackOrBetter, 1);
    r.m.options.keyboardPlay = true;
    r.cab.Panel2.visible = false;
    r.m.options.riskChoice = RiskChoice::RussianRoulette;
    r.win("QH QK 7B 7V 3K");
    ASSERT_TRUE(r.cab.RusRul.visible);
    r.c.keyPressed(Qt::Key_Space);
    EXPECT_EQ(r.s.pulls, 1);
    r.c.keyPressed(Qt::Key_End);
    EXPECT_FALSE(r.cab.Panel4.visible);

    r.m.options.riskChoice = RiskChoice::HigherLower;
    r.c.click(Ctl::btnbet1);  // lays the row out for Higher-Lower
    r.win("QH QK 7B 7V 3K");
    r.c.keyPressed(Qt::Key_Return);
    EXPECT_TRUE(r.s.higherLowerActive);
    EXPECT_TRUE(r.cab.crd(5).visible);  // the dealer card
    const int attempts = r.m.stats.higherLowerAttempts;
    r.c.keyPressed(Qt::Key_4);  // the pick
    EXPECT_EQ(r.m.stats.higherLowerAttempts, attempts + 1);
}

TEST(Keys, EveryButtonOfTheGameHasItsKeysNamed) {
    for (Ctl c : {Ctl::Deal, Ctl::Im1, Ctl::Im5, Ctl::btnbet1, Ctl::btnbet2, Ctl::btnpay, Ctl::BtnRed, Ctl::BtnBlack,
                  Ctl::BtnNo, Ctl::BtnCash, Ctl::Btn12, Ctl::BtnCash1, Ctl::BtnHalf1, Ctl::BtnYes1})
        EXPECT_FALSE(keysOf(c).isEmpty()) << static_cast<int>(c);
    EXPECT_TRUE(keysOf(Ctl::btnexit).isEmpty());
    Cabinet cab;
    EXPECT_EQ(keyControl(Qt::Key_End, cab), Ctl::BtnCash1);
    cab.Panel3.visible = true;
    EXPECT_EQ(keyControl(Qt::Key_End, cab), Ctl::BtnCash);
    EXPECT_EQ(keyControl(Qt::Key_F3, cab), std::nullopt);
}

// --- everything on, inside every wait ---------------------------------------

namespace {

// Virtual time in which the player (and the time limit) act inside waits.
class InsidePacer : public Pacer {
public:
    std::function<void(char kind)> onWait;
    bool closing = false;
    void pause(int) override { wait('p'); }
    void hold(int) override { wait('h'); }
    void processEvents() override { wait('e'); }

private:
    void wait(char kind) {
        if (closing) throw Unwind{};
        if (onWait) onWait(kind);
        if (closing) throw Unwind{};
    }
};

} // namespace

// Clicks, game keys, the hint's key and answers to the trainer at random,
// between steps and inside pauses, with the hint, the trainer and keyboard
// play on, in every variant and risk game: nothing escapes a step, steps
// nest no deeper than the storm, the hint shows only for a dealt hand of
// the deck, and the trainer's books add up.
TEST(ExpertStorm, EverythingOnInsideEveryWait) {
    const int keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_Plus, Qt::Key_Minus,
                        Qt::Key_Insert, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, kHintKey};
    long hints = 0, odds = 0, questions = 0, inside = 0, games = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        std::mt19937 rng(seed);
        InsidePacer pacer;
        test::RecordingSound sound;
        test::SetClock clock;
        test::FakeWindow window;
        Controller c{pacer, sound, clock, window};
        c.wins.setRiskGames(&c.risk);
        Machine& m = c.machine;
        const Variant v = static_cast<Variant>(seed % 3);
        m.options.variant = v;
        m.options.riskChoice = static_cast<RiskChoice>(std::array{0, 1, 2, 4, 5}[seed % 5]);
        m.options.hint = m.options.trainer = m.options.keyboardPlay = true;
        if (seed % 4 == 0) m.options.fortune = {30, -20, 50, 0};
        m.options.statisticsOff = m.options.bent();
        m.cards.setBuiltInDeck(v);
        m.setPayCaptions(v);
        m.setCredits(5000);
        m.refreshPayValues();
        m.hideCover();
        m.cabinet.Panel2.visible = false;
        int deepest = 0;
        bool ended = false;
        auto act = [&] {
            clock.ms = static_cast<std::uint32_t>(rng());
            deepest = std::max(deepest, c.depth());
            const ExpertView view = c.expert.view();
            inside += c.depth() > 0;
            odds += !view.odds.isEmpty();
            if (view.advice) {
                ++hints;
                ASSERT_EQ(m.state.phase, Phase::Dealt);
                for (Card card : m.state.hand) ASSERT_TRUE(inDeck(v, card));
            }
            // (the exit is left to the time limit: its question would end the storm at once)
            static constexpr Ctl kGame[] = {Ctl::Deal,    Ctl::Deal,    Ctl::Im1,     Ctl::Im2,   Ctl::Im3,
                                            Ctl::Im4,     Ctl::Im5,     Ctl::btnbet1, Ctl::btnbet2, Ctl::btnpay,
                                            Ctl::Image6,  Ctl::BtnRed,  Ctl::BtnBlack, Ctl::BtnNo, Ctl::BtnCash,
                                            Ctl::Btn12,   Ctl::BtnCash1, Ctl::BtnHalf1, Ctl::BtnYes1, Ctl::BtnYes1};
            if (rng() % 3 == 0) c.keyPressed(keys[rng() % std::size(keys)]);
            else c.click(kGame[rng() % std::size(kGame)]);
        };
        window.answer = true;
        window.whileAsking = [&] {
            ++questions;
            window.answer = rng() % 2;
            if (rng() % 8 == 0) act();
            if (rng() % 200 == 0) {
                ended = true;
                c.timeLimitReached();
            }
        };
        pacer.onWait = [&](char kind) {
            if (kind != 'h' && c.depth() < 6 && rng() % 5 == 0) act();
        };
        for (int step = 0; step < 400 && !ended && window.closed == 0; ++step) {
            if (m.state.credits < 200) m.setCredits(5000), m.hideCover();
            act();
            ASSERT_EQ(c.depth(), 0) << "seed " << seed;
        }
        EXPECT_LE(deepest, 6);
        games += m.stats.stdeal + m.stats.trainerDecisions;
        const Statistics& st = m.stats;
        EXPECT_LE(st.trainerMistakes, st.trainerDecisions);
        EXPECT_GE(st.trainerCost, st.trainerMistakes);  // each mistake costs a hundredth or more
        if (m.options.statisticsOff) {
            EXPECT_EQ(st.trainerDecisions, 0);
        }
    }
    std::printf("expert storm: %ld hints, %ld odds, %ld questions, %ld inputs inside steps, %ld deals and decisions\n",
                hints, odds, questions, inside, games);
    EXPECT_GT(hints, 500);
    EXPECT_GT(odds, 200);
    EXPECT_GT(questions, 50);
    EXPECT_GT(inside, 500);
}
