#include "game.h"

#include <iterator>

#include "dealing.h"

namespace talvern {

namespace {
// Counts a running step for as long as it runs, also when it unwinds.
struct Busy {
    explicit Busy(int& n) : n_(n) { ++n_; }
    ~Busy() { --n_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    int& n_;
};
} // namespace

void GameFlow::dealClick() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    const Busy busy(busy_);
    s.jacksPair = false;
    cab.btnbet1.enabled = cab.btnbet2.enabled = false;
    // A take inside the deal's own waits (at the top of the ladder) ends
    // the game there and the rest of the deal does not run.
    const StepTail ready(m_.pacer, [&] { cab.btnbet1.enabled = cab.btnbet2.enabled = cab.Deal.enabled = true; });
    const int charged = s.allHeld() ? 0 : s.bet;
    const bool drawing = s.anyHeld();
    if (drawing) m_.recorder.charged(charged);
    else m_.recorder.newGame(s.bet, s.credits, charged);
    if (charged) m_.setCredits(s.credits - charged);
    m_.syncCountedTotals();
    const bool redBlack = m_.options.riskChoice == RiskChoice::RedBlack;
    cab.BtnCash.visible = redBlack;
    cab.BtnCash1.visible = !redBlack;
    if (s.credits < s.bet) m_.showCover();
    if (drawing) {
        draw();
        s.phase = Phase::Settled;
    } else {
        firstDeal();
        s.phase = Phase::Dealt;
    }
    evaluate();
    // A draw that left no win in play ends its game here; a win ends it
    // where the board is reset (after the risk game and the Jack Pot).
    if (drawing && !s.offerShown) m_.recorder.gameOver(s.credits);
}

void GameFlow::turnFaceUp(int pos, Card c) {
    m_.state.hand[static_cast<std::size_t>(pos)] = c;
    m_.showCard(pos, c);
}

void GameFlow::firstDeal() {
    MachineState& s = m_.state;
    m_.play(SoundId::Rasd);
    m_.pacer.processEvents();
    s.currentSound = SoundId::Card;
    m_.cabinet.Deal.enabled = false;
    m_.setCardCursors(CardCursor::Hand);
    if (!s.boardReset)
        for (int i = 0; i < 5; ++i) m_.showBack(i);
    m_.pacer.pause(300);
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();

    const Classifier classify = m_.classifier();
    const int fortune = m_.options.fortune[0];
    const DealResult d = talvern::firstDeal({m_.options.variant, fortune, s.phase, &classify}, m_.random);
    s.fortuneRoll = d.fortuneRoll;
    m_.recorder.firstDeal(m_.options.variant, !m_.options.statsOff(), {seed, fortune, d.fortuneRoll, d.hand});

    m_.pacer.pause(80);
    turnFaceUp(0, d.hand[0]);
    for (int i = 1; i < 5; ++i) {
        m_.playSound();
        m_.pacer.processEvents();
        m_.pacer.pause(80);
        turnFaceUp(i, d.hand[static_cast<std::size_t>(i)]);
    }
    m_.playSound();
    s.boardReset = false;
}

void GameFlow::draw() {
    MachineState& s = m_.state;
    m_.cabinet.Deal.enabled = false;
    s.currentSound = SoundId::Card;
    s.handBeforeDraw = s.hand;
    if (!s.boardReset)
        for (int i = 0; i < 5; ++i)
            if (!s.held[static_cast<std::size_t>(i)]) m_.showBack(i);
    m_.pacer.pause(300);
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();

    const Classifier classify = m_.classifier();
    const int fortune = m_.options.fortune[0];
    const DealResult d = talvern::draw({m_.options.variant, fortune, s.phase, &classify}, m_.random, s.hand, s.held,
                                       s.fortuneRoll);
    m_.recorder.draw(m_.options.variant, s.hand,
                     {seed, fortune, s.fortuneRoll, d.fortuneRoll, s.held, d.hand, std::nullopt, std::nullopt});
    s.fortuneRoll = d.fortuneRoll;

    for (int i = 0; i < 5; ++i) {
        if (s.held[static_cast<std::size_t>(i)]) continue;
        turnFaceUp(i, d.hand[static_cast<std::size_t>(i)]);
        m_.pacer.processEvents();
        m_.playSound();
        m_.pacer.pause(80);
    }
    for (int i = 0; i < 5; ++i) m_.setHeld(i, false);
    m_.setCardCursors(CardCursor::No);
    s.boardReset = false;
}

void GameFlow::evaluate(bool jokerJacksEvaluator) {
    MachineState& s = m_.state;
    const Variant v = m_.options.variant;
    Evaluation e;
    if (jokerJacksEvaluator) {
        const CardValues values = cardValues(m_.cards, EvaluatorKind::JokerJacks);
        e = evaluateJokerJacks(values, s.hand, v, s.phase);
    } else {
        e = m_.classifier()(s.hand, s.phase);
    }
    s.handClass = e.handClass;
    for (int i = 0; i < 5; ++i) s.comboCards[static_cast<std::size_t>(i)] = e.flagged(i);
    s.comboFound = e.comboFound;
    if (e.risk) s.riskCounter = e.risk;
    s.jacksPair = e.jacksPair;
    s.bonusPairs = e.bonusPairs;
    if (v == Variant::JokerPoker && !m_.options.statsOff()) countOne(m_.stats.stdeal);
    const StepTail settled(m_.pacer, [&] {
        m_.cabinet.Deal.enabled = true;
        s.comboFound = 2;
        s.bonusPairs = 0;
    });

    // Mark the result.
    m_.unmarkPayLines();
    m_.markPayLine(lineOfClass(v, s.handClass, s.jacksPair));
    for (int i = 0; i < 5; ++i) m_.setHeld(i, false);
    if (s.phase == Phase::Dealt) {
        // The player may change the holds while the machine proposes them.
        const Busy proposing(proposing_);
        for (int i = 0; i < 5; ++i) {
            if (!s.comboCards[static_cast<std::size_t>(i)]) continue;
            m_.setHeld(i, true);
            m_.play(SoundId::Select);
            m_.pacer.pause(100);
        }
    } else {
        const int line = lineOfClass(v, s.handClass, s.jacksPair);
        if (jokerJacksEvaluator)
            m_.recorder.testHand(s.hand, s.handClass, line ? payOf(v, s.handClass, s.jacksPair, s.bet) : 0);
        else
            m_.recorder.result(s.handClass, line, line ? payOf(v, s.handClass, s.jacksPair, s.bet) : 0);
        if (s.comboFound == 1 && s.handClass != cls::NoHand) {
            for (int i = 0; i < 5; ++i)
                if (s.comboCards[static_cast<std::size_t>(i)]) m_.setHeld(i, true);
            s.bonusPairs = 0;
            if (wins_) wins_->winHandling();
        }
        if (s.handClass == cls::Pair && s.bonusPairs == 1 && wins_) wins_->bonusStep();
    }
}

void GameFlow::cardClick(int pos) {
    if ((busy_ && !proposing_) || m_.state.phase != Phase::Dealt) return;
    if (m_.state.held[static_cast<std::size_t>(pos)]) {
        m_.setHeld(pos, false);
    } else {
        m_.play(SoundId::Select);
        m_.setHeld(pos, true);
    }
}

void GameFlow::afterBetChange() {
    const BonusClass bc = bonusClassOf(m_.state.bet);
    m_.state.bonusLevel = bc.level;
    m_.setBonusDisplay(m_.state.bonusPools[static_cast<std::size_t>(bc.pool)]);
    m_.refreshPayValues();
    resetBoard();
}

void GameFlow::betMinusClick() {
    m_.play(SoundId::Bet);
    m_.setBet(betDown(m_.state.bet));
    afterBetChange();
    if (m_.state.bet < m_.state.credits) m_.hideCover();
}

void GameFlow::betPlusClick() {
    m_.play(SoundId::Bet);
    m_.setBet(betUp(m_.state.bet));
    afterBetChange();
    if (m_.state.credits < m_.state.bet) m_.showCover();
}

void GameFlow::loadClick() {
    MachineState& s = m_.state;
    if (s.credits <= kMaxLoadedCredits - 100) {
        m_.setCredits(addSaturated(s.credits, 100));
        s.creditsLoaded += 100;
        m_.recorder.loaded(100);
        m_.play(SoundId::Pay);
    }
    m_.syncCountedTotals();
    if (loaded_) loaded_();
    m_.hideCover();
}

void GameFlow::resetBoard() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    const Busy busy(busy_);
    cab.RxLabel24.visible = false;
    if (!s.boardReset) {
        // Each row is laid out for its own game; the other game's take-half
        // stays as it is, so it is there when a random choice plays it.
        if (m_.options.riskChoice == RiskChoice::RedBlack) {
            cab.BtnCash.visible = cab.Btn12.visible = true;
            cab.BtnCash1.visible = false;
        } else {
            cab.BtnHalf1.visible = cab.BtnYes1.visible = cab.BtnCash1.visible = true;
            cab.BtnCash.visible = false;
        }
        m_.setWin(0);
        s.higherLowerActive = false;
        s.offerShown = false;
        s.redBlackPanel = false;
        s.currentSound = SoundId::Rasd;

        cab.message1.visible = false;
        cab.RdBl.visible = cab.RusRul.visible = cab.Panel3.visible = cab.Panel4.visible = false;
        cab.Duble.playing = false;
        m_.pacer.processEvents();
        cab.Duble.visible = false;
        cab.Duble.frame = 0;
        cab.pist.frame = 0;
        s.chambers = 6;
        s.pulls = 0;
        s.shot = 6;
        cab.RxLabel25.visible = false;
        for (auto& h : cab.history) h.visible = false;

        m_.unmarkPayLines();
        for (int i = 0; i < 5; ++i) {
            m_.setHeld(i, false);
            cab.Im[static_cast<std::size_t>(i)].enabled = true;
            m_.showBack(i);
        }
        m_.setCardCursors(CardCursor::No);
        s.phase = Phase::Settled;
        s.boardReset = true;
        m_.pacer.gameEnded();
        if (earnsJackPot(m_.options.variant, s.handClass) && openJackPot_) {
            openJackPot_();
            // The Jack Pot window is modal: as it closes the cabinet is the
            // active window again, and its first line shows what it pays
            // instead of the 0 it showed under the window. Without this a
            // cabinet that never sees the activation would pay 0 for it.
            m_.refreshPayValues();
        }
        s.handClass = cls::NoHand;
        m_.recorder.gameOver(s.credits);
    }
    m_.pacer.processEvents();
    s.alwaysSeven = m_.options.alwaysSeven;
    m_.cards.markWildDeuces(m_.options.variant);
}

void GameFlow::testHandClick() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    constexpr Hand kAcesAndJoker{1, 14, 0, 27, 40};
    // The risk game's buttons wait while the test hand is turned: a guess
    // or a take now would play on a hand that is being replaced. The win
    // handling lays the rows out again after the evaluation.
    Control* const rows[] = {&cab.BtnRed,  &cab.BtnBlack, &cab.BtnNo,    &cab.BtnCash,
                             &cab.Btn12,   &cab.BtnYes1,  &cab.BtnHalf1, &cab.BtnCash1};
    bool enabled[std::size(rows)];
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        enabled[i] = rows[i]->enabled;
        rows[i]->enabled = false;
    }
    {
        const StepTail restore(m_.pacer, [&] {
            for (std::size_t i = 0; i < std::size(rows); ++i) rows[i]->enabled = enabled[i];
        });
        s.hand = kAcesAndJoker;
        for (int i = 0; i < 5; ++i) m_.showBack(i);
        m_.pacer.pause(300);
        for (int i = 0; i < 5; ++i) {
            if (i) m_.pacer.pause(80);
            turnFaceUp(i, kAcesAndJoker[static_cast<std::size_t>(i)]);
        }
    }
    s.phase = Phase::Settled;
    s.boardReset = false;
    evaluate(true);
}

} // namespace talvern
