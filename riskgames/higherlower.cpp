#include "higherlower.h"

#include <algorithm>

#include "ladder.h"

namespace talvern {

namespace {
constexpr int kDealerSlot = 5;
constexpr std::size_t kDealerIndex = kDealerSlot - 1;
} // namespace

void HigherLowerFlow::setPlacesEnabled(bool on) {
    for (auto& place : m_.cabinet.Im) place.enabled = on;
    m_.setCardCursors(on ? CardCursor::Hand : CardCursor::No);
}

void HigherLowerFlow::display() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    for (auto& lb : cab.lb) lb.visible = false;
    // The row takes no click until this step has moved the ladder: a deal or
    // a take in the pause below or while the ladder stops would run before
    // it, and this step would then lay the row out over it.
    cab.BtnYes1.enabled = cab.BtnHalf1.enabled = cab.BtnCash1.enabled = false;
    if (m_.options.soundOn && cab.RdBl.visible) m_.pacer.pause(1000);
    // The win handling leaves the history of an earlier game behind only in
    // the model; the first display of a game starts with an empty row.
    const bool firstDisplay = !s.higherLowerActive;
    if (firstDisplay) {
        risk::clearHistory(s);
        for (auto& slot : cab.history) slot.visible = false;
        risk::showIn(m_, cab.cards, s.selectedBack);
    }
    cab.RusRul.visible = false;
    cab.Panel4.visible = cab.Duble.visible = cab.RxLabel25.visible = cab.RdBl.visible = true;
    if (s.higherLowerActive) --s.riskCounter;
    risk::stopLadder(m_);
    cab.BtnYes1.enabled = cab.BtnHalf1.enabled = cab.BtnCash1.enabled = true;

    if (s.riskCounter >= 3 && s.riskCounter <= 10) cab.BtnYes1.visible = cab.BtnHalf1.visible = cab.BtnCash1.visible = true;
    cab.message1.text = QStringLiteral("Умножим?");
    cab.message1.visible = true;

    switch (s.riskCounter) {
    case 2: case 1:
        // A hand that reaches the top before any pick keeps the pay of its own
        // line, as in Red-Black: the first line's maximum would pay a royal
        // flush of Joker Poker (its own line is the second) like five of a
        // kind, and a royal flush of Jack or Better the straight flush's line
        // if the second line were taken. A bonus keeps its bonus maximum.
        if (firstDisplay && !s.bonusWin) m_.setMaxWin(s.win);
        if (m_.music) m_.music->play();
        m_.setWin(s.maxWin);
        m_.recorder.top(s.win);
        cab.BtnYes1.visible = cab.BtnHalf1.visible = false;
        cab.BtnCash1.visible = true;
        cab.message1.visible = false;
        cab.CashOut1.playing = true;
        if (!risk::climbToTop(m_)) return;
        break;
    default:
        risk::showRung(m_, s.riskCounter);
        break;
    }
    // The next deal may already begin inside this pause.
    if (s.higherLowerActive) m_.pacer.pause(2000);
}

Card HigherLowerFlow::drawDealerCard() {
    return riskdraw::dealerCard(m_.random, m_.options.variant, m_.options.fortune[2]);
}

Card HigherLowerFlow::drawPick(int pos) {
    MachineState& s = m_.state;
    const Card c = riskdraw::pickCard(m_.random, m_.options.variant, m_.options.fortune[2],
                                      s.historyCards[kDealerIndex], m_.cards);
    s.hand[static_cast<std::size_t>(pos)] = c;
    return c;
}

void HigherLowerFlow::deal() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    cab.BtnYes1.visible = cab.BtnHalf1.visible = cab.BtnCash1.visible = cab.message1.visible = false;
    cab.BtnCash1.enabled = false;
    s.higherLowerActive = true;
    // No pick before the five cards lie on the table.
    setPlacesEnabled(false);

    cab.cr(kDealerSlot).visible = cab.crd(kDealerSlot).visible = false;
    risk::showIn(m_, cab.cards, s.selectedBack);
    for (auto& lb : cab.lb) lb.visible = false;
    // the bare table under each place
    for (auto& place : cab.Im) {
        place.card = kNoCard;
        place.picture.clear();
        place.external = false;
    }
    m_.pacer.pause(500);
    for (int k = 0; k < 5; ++k) {
        m_.showBack(k);
        m_.play(SoundId::Card);
        m_.pacer.pause(100);
    }
    m_.play(SoundId::Rasd);

    const Card dealer = drawDealerCard();
    s.dealerRank = higherlower::dealerRank(m_.cards.name(dealer));
    m_.recorder.higherLowerDeal(seed, m_.options.fortune[2], dealer);
    risk::revealInSlot(m_, kDealerSlot, dealer);

    cab.message1.text = QStringLiteral("Выбери карту больше.");
    cab.message1.visible = true;
    if (s.riskCounter == 3 || s.riskCounter == 4) m_.play(SoundId::Serdze);
    setPlacesEnabled(true);
}

void HigherLowerFlow::pick(int pos) {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    const bool counting = !m_.options.statsOff();
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    if (counting) countOne(m_.stats.higherLowerAttempts);
    cab.message1.visible = false;
    setPlacesEnabled(false);

    const Card c = drawPick(pos);
    s.pickRank = higherlower::pickRank(m_.cards.name(c));
    s.outcome = s.dealerRank > s.pickRank ? 1 : (s.dealerRank < s.pickRank ? 2 : 3);
    const int winAfter = s.outcome == 1 ? 0 : s.outcome == 2 ? std::min(2 * s.win, s.maxWin) : s.win;
    m_.recorder.higherLowerPick(seed, m_.options.fortune[2], pos, c, s.outcome, winAfter);
    m_.showCard(pos, c);

    switch (s.outcome) {
    case 1:
        m_.setWin(0);
        m_.play(SoundId::No);
        s.revealed[static_cast<std::size_t>(pos)] = true;
        lossReveal();
        game_.resetBoard();
        break;
    case 2:
        m_.play(SoundId::Yes);
        if (counting) countOne(m_.stats.higherLowerWins);
        m_.setWin(std::min(2 * s.win, s.maxWin));
        display();
        break;
    default:
        m_.play(SoundId::Zvjak);
        ++s.riskCounter;  // the display step takes it off again
        display();
        break;
    }
}

void HigherLowerFlow::lossReveal() {
    MachineState& s = m_.state;
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    if (m_.options.lossReveal) {
        m_.pacer.pause(1500);
        riskdraw::revealRest(m_.random, m_.options.variant, s.historyCards[kDealerIndex], s.hand, s.revealed);
        m_.recorder.revealRest(seed, s.hand, s.revealed);
        for (std::size_t j = 0; j < 5; ++j)
            if (!s.revealed[j]) m_.showCard(static_cast<int>(j), s.hand[j]);
        if (!s.revealed[4]) m_.play(SoundId::Card);
        m_.pacer.pause(std::clamp(m_.options.lossRevealDelay, 1, 10) * 1000);
    } else {
        m_.pacer.pause(2000);
    }
    s.revealed.fill(false);
}

} // namespace talvern
