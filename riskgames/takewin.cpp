#include "takewin.h"

#include "ladder.h"

namespace talvern {

void TakeWinFlow::stopMusic() {
    if (m_.music) m_.music->stopIfPlaying();
}

void TakeWinFlow::takeRedBlack() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    cab.BtnBlack.visible = cab.BtnRed.visible = cab.BtnNo.visible = cab.BtnCash.visible = false;
    // Taking half of the nothing left would end the game a second time inside
    // this one's waits: its reset, and the Jack Pot that opens, would come
    // before this take is over.
    cab.Btn12.enabled = false;
    m_.setCredits(addSaturated(s.credits, s.win));
    m_.recorder.take(s.win);
    m_.setWin(0);
    risk::stopLadder(m_);
    cab.CashOut.frame = 0;
    cab.CashOut.playing = false;
    m_.pacer.processEvents();
    stopMusic();
    m_.pacer.processEvents();
    m_.play(SoundId::Home);
    if (m_.options.seeNextCard) {
        if (s.riskCounter >= 3 && s.riskCounter <= 9) {
            // the card the next guess would have turned, drawn as a fair step draws it
            m_.random.reseed(m_.clock);
            const std::uint32_t seed = m_.random.seed();
            const int k = risk::slotOf(s.riskCounter);
            const Card next = redBlack_.drawCard(k, riskdraw::Kind::Natural, false);
            m_.recorder.nextCard(seed, k, next);
            risk::revealInSlot(m_, k, next);
        }
        m_.pacer.pause(1000);
    }
    m_.pacer.pause(1000);
    cab.BtnBlack.visible = cab.BtnRed.visible = cab.BtnNo.visible = cab.BtnCash.visible = true;
    cab.Btn12.enabled = true;
    game_.resetBoard();
    m_.coverForTheBet();
}

void TakeWinFlow::takeHalfRedBlack() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    cab.Btn12.enabled = false;
    if (s.win > 0) {
        m_.play(SoundId::Halt);
        m_.setWin(s.win / 2);
        m_.setMaxWin(s.maxWin / 2);
        m_.setCredits(addSaturated(s.credits, s.win));
        m_.recorder.half(s.win, s.win);
    } else {
        m_.recorder.half(0, 0);
    }
    cab.Btn12.enabled = true;
    if (s.win <= 0) {
        m_.play(SoundId::Home);
        m_.coverForTheBet();
        game_.resetBoard();
    }
}

void TakeWinFlow::take() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    // Take half waits too: half of the nothing left would end the game a
    // second time inside this one's wait.
    cab.BtnYes1.enabled = cab.BtnCash1.enabled = cab.BtnHalf1.enabled = false;
    stopMusic();
    m_.play(SoundId::Home);
    if (roulette()) {
        m_.setCredits(addSaturated(s.credits, cab.RxLabel27.text.toInt()));
        m_.recorder.take(cab.RxLabel27.text.toInt());
        cab.RxLabel27.text = QStringLiteral("0");
    } else {
        m_.setCredits(addSaturated(s.credits, s.win));
        m_.recorder.take(s.win);
        m_.setWin(0);
    }
    cab.CashOut1.playing = false;
    cab.CashOut1.frame = 0;
    risk::stopLadder(m_);
    m_.pacer.pause(1000);
    cab.BtnCash1.enabled = cab.BtnHalf1.enabled = true;
    game_.resetBoard();
    m_.coverForTheBet();
    cab.BtnYes1.enabled = true;
}

void TakeWinFlow::takeHalf() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    // The whole row waits with this step: a deal, a pull or a take inside
    // its pause would run before the game goes on or ends below.
    const bool yes = cab.BtnYes1.enabled, cash = cab.BtnCash1.enabled;
    cab.BtnHalf1.enabled = cab.BtnYes1.enabled = cab.BtnCash1.enabled = false;
    if (roulette()) m_.setWin(cab.RxLabel27.text.toInt());
    if (s.win > 0) {
        m_.setWin(s.win / 2);
        m_.setMaxWin(s.maxWin / 2);
        m_.setCredits(addSaturated(s.credits, s.win));
        m_.recorder.half(s.win, s.win);
        m_.play(SoundId::Halt);
    } else {
        m_.recorder.half(0, 0);
    }
    cab.RxLabel27.text = QString::number(s.win);
    m_.pacer.processEvents();
    m_.pacer.pause(500);
    cab.BtnHalf1.enabled = true;
    cab.BtnYes1.enabled = yes;
    cab.BtnCash1.enabled = cash;
    if (roulette()) m_.play(SoundId::Serdze);
    if (s.win <= 0) {
        m_.play(SoundId::Home);
        m_.coverForTheBet();
        game_.resetBoard();
    }
}

} // namespace talvern
