#include "roulette.h"

#include <cmath>

#include "ladder.h"
#include "riskdraws.h"

namespace talvern {

namespace roulette {

namespace {
// The rung over an amount: a part of it by percent, plus one, truncated.
int rung(int amount, double percent) {
    const double v = amount;
    return static_cast<int>(std::trunc(v + (v / 100.0 * percent + 1.0)));
}
} // namespace

int firstRung(int amount) { return rung(amount, 17.0); }
int secondRung(int amount) { return rung(amount, 33.0); }

} // namespace roulette

namespace {
constexpr int kPullWaitMs = 500;     // "gun", then the revolver starts
constexpr int kRevolverMs = 3200;    // its fifteen frames of 0.2 s and a breath
constexpr int kFlashMs = 400;
} // namespace

void RouletteFlow::setUp() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    for (auto& lb : cab.lb) lb.visible = false;
    m_.play(SoundId::Serdze);
    cab.RxLabel26.text = QStringLiteral("ВЫ ВЫИГРАЛИ");
    cab.RxLabel27.text = QString::number(s.win);
    cab.RdBl.visible = false;
    // The row stays off while the table is shown and repainted: a pull or a
    // take before the ladder and the counter are set would play the hand's
    // own counter and the first line's top instead of the roulette's.
    cab.BtnYes1.enabled = cab.BtnHalf1.enabled = cab.BtnCash1.enabled = false;
    cab.Panel4.visible = cab.RusRul.visible = cab.Duble.visible = true;
    m_.pacer.processEvents();
    cab.pist.visible = cab.colt.visible = cab.RxLabel25.visible = true;
    cab.pist.frame = s.pulls;
    cab.colt.playing = false;
    cab.colt.frame = 0;
    risk::showLadder(m_, roulette::frameOf(7));

    s.rouletteA1 = roulette::firstRung(s.win);
    s.rouletteA2 = roulette::secondRung(s.rouletteA1);
    m_.setMaxWin(roulette::kTopFactor * s.rouletteA2);
    s.riskCounter = 7;
    // The reset before this game laid out Panel4 for the risk game chosen
    // then; the settings may have changed since, so the row is laid out here.
    cab.BtnYes1.visible = cab.BtnHalf1.visible = cab.BtnCash1.visible = true;
    cab.BtnYes1.enabled = cab.BtnHalf1.enabled = cab.BtnCash1.enabled = true;
}

void RouletteFlow::pull() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    cab.BtnYes1.visible = cab.BtnHalf1.visible = cab.BtnCash1.visible = cab.message1.visible = false;
    cab.BtnCash1.enabled = false;
    m_.setWin(cab.RxLabel27.text.toInt());
    if (m_.music) m_.music->silence();
    if (cab.Duble.playing) {
        cab.CashOut1.playing = false;
        cab.CashOut1.frame = 0;
        risk::stopLadder(m_);
    }

    s.shot = riskdraw::rouletteShot(m_.random);
    m_.recorder.pull(seed, s.shot, s.chambers);
    ++s.pulls;
    cab.pist.frame = s.pulls;
    m_.play(SoundId::Gun);
    m_.pacer.pause(kPullWaitMs);
    cab.colt.playing = true;
    ++cab.coltRuns;
    m_.pacer.pause(kRevolverMs);
    cab.colt.playing = false;
    cab.colt.frame = 0;

    // One chamber fewer for the next pull. Taken off before the outcome: a
    // shot resets the board to six chambers, and the next game's first pull
    // must find all six.
    const bool survives = s.shot < s.chambers;
    --s.chambers;
    if (survives) survived();
    else shot();
}

void RouletteFlow::survived() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    m_.play(SoundId::Gunno);
    m_.pacer.pause(300);
    m_.play(SoundId::Serdze);
    --s.riskCounter;
    cab.RxLabel27.text = QString::number(s.win);
    cab.message1.visible = true;

    // Each rung grows from the amount shown now, so a half taken between
    // pulls carries on up the ladder from the halved amount.
    const int shown = cab.RxLabel27.text.toInt();
    switch (s.riskCounter) {
    case 6: cab.RxLabel27.text = QString::number(roulette::firstRung(shown)); break;
    case 5: cab.RxLabel27.text = QString::number(roulette::secondRung(shown)); break;
    case 4: cab.RxLabel27.text = QString::number(2 * shown); break;
    case 3: cab.RxLabel27.text = QString::number(3 * shown); break;
    default: break;
    }
    if (s.riskCounter >= 3) risk::showLadder(m_, roulette::frameOf(s.riskCounter));
    m_.recorder.pullWin(risk::atTop(s.riskCounter) ? s.maxWin : cab.RxLabel27.text.toInt());

    if (risk::atTop(s.riskCounter)) {
        cab.RxLabel27.text = QString::number(s.maxWin);
        m_.setWin(s.maxWin);
        m_.recorder.top(s.win);
        cab.BtnYes1.visible = cab.BtnHalf1.visible = false;
        cab.BtnCash1.visible = cab.BtnCash1.enabled = true;
        cab.message1.visible = true;
        cab.CashOut1.playing = true;
        if (!risk::climbToTop(m_)) return;
        if (m_.music) m_.music->play();
        return;
    }
    cab.BtnYes1.visible = cab.BtnHalf1.visible = cab.BtnCash1.visible = true;
    cab.BtnCash1.enabled = true;
}

void RouletteFlow::shot() {
    MachineState& s = m_.state;
    Cabinet& cab = m_.cabinet;
    m_.play(SoundId::Gunyes);
    cab.RxLabel27.text = QStringLiteral("0");
    risk::showLadder(m_, 0);
    m_.pacer.pause(300);
    if (!m_.options.bloodOff) {
        cab.redBackground = true;
        cab.Panel1.visible = false;
        try {
            m_.pacer.pause(kFlashMs);
        } catch (const Unwind&) {
            // never leave a closing window red
            cab.redBackground = false;
            cab.Panel1.visible = true;
            throw;
        }
        cab.redBackground = false;
        cab.Panel1.visible = true;
    }
    m_.pacer.pause(1500);
    s.handClass = cls::NoHand;
    game_.resetBoard();
}

} // namespace talvern
