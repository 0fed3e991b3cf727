#include "redblack.h"

#include <algorithm>

#include "ladder.h"

namespace talvern {

void RedBlackFlow::colourButtons(bool visible) {
    Cabinet& cab = m_.cabinet;
    cab.BtnBlack.visible = cab.BtnRed.visible = cab.BtnNo.visible = cab.BtnCash.visible = visible;
}

void RedBlackFlow::display() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    if (s.riskCounter == 3 || s.riskCounter == 4) m_.pacer.pause(1000);

    const bool firstDisplay = !s.redBlackPanel;
    if (firstDisplay) {
        s.redBlackPanel = true;
        risk::clearHistory(s);
        cab.pist.visible = cab.colt.visible = false;
        cab.Duble.visible = cab.Panel3.visible = cab.RxLabel25.visible = cab.RdBl.visible = true;
        // Only the top hides take half, and only a reset with Red-Black
        // chosen shows it again: a game the random choice gives to Red-Black
        // lays it out itself.
        cab.Btn12.visible = true;
        risk::showIn(m_, cab.cards, s.selectedBack);
        for (auto& lb : cab.lb) lb.visible = false;
        cab.message1.text = QStringLiteral("Красное или Черное?");
        cab.message1.visible = true;
    }

    switch (s.riskCounter) {
    case 2: case 1:
        // A hand that allows no guess at all keeps the pay of its own line.
        // The maximum win offered is the first line's, and paying that here
        // would give a royal flush in Joker Poker the five of a kind's 300 x
        // bet instead of its own 150 x bet (four deuces 250 instead of 200)
        // without a single card turned. A bonus keeps the maximum its bonus
        // step set.
        if (firstDisplay && !s.bonusWin) m_.setMaxWin(s.win);
        if (m_.music) m_.music->play();
        m_.setWin(s.maxWin);
        m_.recorder.top(s.win);
        cab.message1.text = QStringLiteral("Ура-а-а!!");
        cab.BtnCash.visible = true;
        cab.BtnCash1.visible = cab.BtnRed.visible = cab.BtnBlack.visible = cab.BtnNo.visible = cab.Btn12.visible = false;
        cab.CashOut.playing = true;
        if (!risk::climbToTop(m_)) return;
        break;
    default:
        risk::showRung(m_, s.riskCounter);
        break;
    }
    cab.BtnCash.enabled = cab.BtnCash.visible = true;
}

Card RedBlackFlow::drawCard(int k, riskdraw::Kind kind, bool black) {
    const MachineState& s = m_.state;
    return riskdraw::colourCard(m_.random, m_.options.variant, kind, black, s.hand, s.handBeforeDraw, s.historyCards,
                                k - 1);
}

void RedBlackFlow::step(riskdraw::Guess guess) {
    MachineState& s = m_.state;
    const bool counting = !m_.options.statsOff();
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    if (m_.options.variant == Variant::DeucesWild && s.riskCounter == 10) s.riskCounter = 9;
    if (counting) countOne(m_.stats.redBlackAttempts);
    colourButtons(false);
    // Below the top the colours come back, also for the next game when
    // this one ended inside the step.
    const StepTail colours(m_.pacer, [&] {
        if (!risk::atTop(s.riskCounter)) colourButtons(true);
    });

    const int fortune = m_.options.fortune[1];
    const riskdraw::Colour colour = riskdraw::colour(m_.random, guess, fortune, !counting);
    const bool black = colour.black;

    const int k = risk::slotOf(s.riskCounter);
    const Card c = drawCard(k, colour.kind, black);
    const bool right = riskdraw::colourRight(c, black);
    m_.recorder.colourStep(seed, guess, fortune, counting, colour, k, c, right, right ? addSaturated(s.win, s.win) : 0);
    risk::revealInSlot(m_, k, c);

    if (right) {
        m_.play(SoundId::Yes);
        if (counting) countOne(m_.stats.redBlackWins);
        --s.riskCounter;
        m_.setWin(addSaturated(s.win, s.win));
        wins_.winHandling();
        m_.pacer.hold(700);
    } else {
        m_.setWin(0);
        m_.play(SoundId::No);
        m_.pacer.hold(2000);
        game_.resetBoard();
    }
}

} // namespace talvern
