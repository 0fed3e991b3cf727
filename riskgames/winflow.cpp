#include "winflow.h"

#include "riskdraws.h"

namespace talvern {

void WinFlow::winHandling() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    const Variant v = m_.options.variant;
    // A bonus win is offered once: also when its game ends inside the risk
    // game started below (a take at the top), the next win is an ordinary one.
    const StepTail offered(m_.pacer, [&] { s.bonusWin = false; });

    if (!s.offerShown) {
        if (!s.bonusWin) {
            m_.play(SoundId::Zvon);
            if (const std::optional<RiskChoice> marked = m_.options.riskChoice) {
                const bool atRandom = *marked == RiskChoice::Random;
                s.riskChoice = atRandom ? static_cast<RiskChoice>(riskdraw::randomRiskGame(m_.random)) : *marked;
                if (atRandom) m_.recorder.drawnAtRandom();
            }
            m_.pacer.pause(s.riskChoice == RiskChoice::RedBlack ? 1000 : 2000);
            cab.message1.text = QStringLiteral("Умножим?");
            cab.message1.visible = true;
            m_.setMaxWin(cab.payValue[0].text.toInt());
        }
        s.offerShown = true;
    }
    if (v == Variant::DeucesWild) m_.cards.unmarkWildDeuces();

    if (!s.redBlackPanel) {
        if (const char* name = combinationName(v, s.handClass, s.jacksPair)) cab.RxLabel24.text = QString::fromUtf8(name);
        const int line = lineOfClass(v, s.handClass, s.jacksPair);
        if (line) m_.setWin(cab.payValue[static_cast<std::size_t>(line - 1)].text.toInt());
        cab.RxLabel24.visible = true;
        if (v == Variant::JokerPoker && !m_.options.statsOff())
            if (int* counter = m_.stats.combinationCounter(s.handClass)) countOne(*counter);
    }

    // A choice whose game is not there plays as "none".
    const RiskChoice choice = (risk_ && risk_->available(s.riskChoice)) ? s.riskChoice : RiskChoice::None;
    m_.recorder.riskGame(choice);
    if (choice == RiskChoice::HigherLower) s.hand.fill(54);
    if (choice == RiskChoice::RedBlack) {
        applyAlwaysSeven();
        risk_->redBlackDisplay();
    } else if (choice == RiskChoice::HigherLower) {
        applyAlwaysSeven();
        risk_->higherLowerDisplay();
    } else if (choice == RiskChoice::RussianRoulette) {
        risk_->startRoulette();
    } else {
        m_.setCredits(addSaturated(s.credits, s.win));
        m_.recorder.credit(s.win);
        game_.resetBoard();
    }
}

void WinFlow::applyAlwaysSeven() {
    MachineState& s = m_.state;
    if (s.alwaysSeven) {
        if (s.riskCounter > 4) {
            s.riskCounter = 9;
            m_.setMaxWin(clampedToInt(128LL * s.win));
        } else {
            s.riskCounter = 1;
            const int line = lineOfClass(m_.options.variant, s.handClass, s.jacksPair);
            if (line) m_.setMaxWin(m_.cabinet.payValue[static_cast<std::size_t>(line - 1)].text.toInt());
        }
    }
    s.alwaysSeven = false;
}

void WinFlow::bonusStep() {
    MachineState& s = m_.state;
    const int pool = s.poolIndex();
    int amount = addSaturated(m_.cabinet.RxLabel5.text.toInt(), s.bet);
    m_.setBonusDisplay(amount);
    s.bonusPools[static_cast<std::size_t>(pool)] = amount;
    m_.play(SoundId::Bonus1);
    m_.pacer.processEvents();
    m_.pacer.hold(600);
    const bool pays = amount > s.bonusLevel;
    if (!pays) m_.recorder.bonus(amount, s.bonusLevel, false, 0, 0);
    if (pays) {
        m_.play(SoundId::Bonus);
        m_.pacer.processEvents();
        m_.pacer.hold(600);
        m_.setMaxWin(4 * s.bonusLevel);
        m_.setWin(s.bonusLevel);
        amount -= s.bonusLevel;
        m_.setJackPot(addSaturated(m_.cabinet.RxLabel6.text.toInt(), s.bonusLevel / 5));
        if (!m_.options.statsOff()) m_.stats.countedJackPot = s.jackPot;
        m_.setBonusDisplay(amount);
        s.bonusWin = true;
        m_.cabinet.RxLabel24.text = QStringLiteral("Бонус...");
        s.bonusPools[static_cast<std::size_t>(pool)] = amount;
        m_.recorder.bonus(amount, s.bonusLevel, true, s.win, s.jackPot);
        s.riskCounter = 4;
        winHandling();
    }
}

} // namespace talvern
