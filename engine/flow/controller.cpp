#include "controller.h"

namespace talvern {

namespace web {
QString helpPage() { return kHost + QStringLiteral("/ru/index.php?option=com_content&view=article&id=13"); }
QString deckPage() { return kHost + QStringLiteral("/ru/index.php?option=com_content&view=article&id=8"); }
QString homePage() { return kHost + QStringLiteral("/ru/"); }
QString infoPage(int n) { return kHost + QStringLiteral("/ru/updweb/web/index%1.htm").arg(n); }
} // namespace web

Controller::Controller(Pacer& pacer, SoundPort& sound, Clock& clock, WindowPort& window)
    : machine(pacer, sound, clock),
      game(machine),
      wins(machine, game),
      redBlack(machine, game, wins),
      takeWin(machine, game, redBlack),
      risk(redBlack),
      higherLower(machine, game),
      roulette(machine, game),
      jackPot(machine),
      window_(window) {
    game.setWinHandler(&wins);
    risk.plug(higherLower, roulette, machine.state);
    if (machine.state.credits < machine.state.bet) machine.showCover();
    machine.cabinet.message1.visible = false;
    for (int i = 0; i < 5; ++i) machine.showBack(i);
}

template <typename F>
void Controller::guarded(F&& f) {
    ++depth_;
    try {
        const StepPacer::Step step(machine.pacer);
        f();
    } catch (const Unwind&) {
        // the program is closing: this flow stops where it waited
    }
    --depth_;
    if (depth_ == 0 && unwound_) unwound_();
}

bool Controller::accepts(Ctl c) const {
    const Cabinet& cab = machine.cabinet;
    auto usable = [](const Control& ctl) { return ctl.visible && ctl.enabled; };
    // Once the player leaves, nothing more is played or loaded: the credits
    // are being taken out.
    if (ending_) return false;
    // A game is started and its bet changed only between steps. Inside one,
    // Deal and the bet buttons can be free only because a take or a loss
    // has just reset the board, while the step that did it is still
    // running: a deal there would be reset or played on by the rest of it.
    const bool between = depth_ == 0;
    switch (c) {
    case Ctl::Deal:
        return between && usable(cab.Deal) && !cab.dealx.visible && !cab.Panel3.visible && !cab.Panel4.visible;
    case Ctl::btnpay: return usable(cab.btnpay);
    case Ctl::btnbet1: return between && usable(cab.btnbet1) && !cab.Duble.visible;
    case Ctl::btnbet2: return between && usable(cab.btnbet2) && !cab.Duble.visible;
    case Ctl::Im1: case Ctl::Im2: case Ctl::Im3: case Ctl::Im4: case Ctl::Im5:
        return usable(cab.Im[static_cast<std::size_t>(static_cast<int>(c) - static_cast<int>(Ctl::Im1))]);
    // The test hand is a step of its own, taken between steps. While a
    // Higher-Lower deal waits for its pick it would run the display step a
    // second time for the same step and take the ladder below its bottom.
    case Ctl::Image6: return between && cab.RdBl.visible && !machine.state.higherLowerActive;
    case Ctl::Panel2: return cab.Panel2.visible;
    case Ctl::BtnRed: return cab.Panel3.visible && usable(cab.BtnRed);
    case Ctl::BtnBlack: return cab.Panel3.visible && usable(cab.BtnBlack);
    case Ctl::BtnNo: return cab.Panel3.visible && usable(cab.BtnNo);
    case Ctl::BtnCash: return cab.Panel3.visible && usable(cab.BtnCash);
    case Ctl::Btn12: return cab.Panel3.visible && usable(cab.Btn12);
    case Ctl::BtnCash1: return cab.Panel4.visible && usable(cab.BtnCash1);
    case Ctl::BtnHalf1: return cab.Panel4.visible && usable(cab.BtnHalf1);
    case Ctl::BtnYes1: return cab.Panel4.visible && usable(cab.BtnYes1);
    default: return true;
    }
}

bool Controller::click(Ctl c) {
    if (!accepts(c)) return false;
    Machine& m = machine;
    switch (c) {
    case Ctl::Deal: guarded([&] { game.dealClick(); }); break;
    case Ctl::btnpay: guarded([&] { game.loadClick(); }); break;
    case Ctl::btnbet1: guarded([&] { game.betMinusClick(); }); break;
    case Ctl::btnbet2: guarded([&] { game.betPlusClick(); }); break;
    case Ctl::Im1: case Ctl::Im2: case Ctl::Im3: case Ctl::Im4: case Ctl::Im5:
        // a pick while Higher-Lower is active, otherwise a hold of the first deal
        guarded([&] {
            const int pos = static_cast<int>(c) - static_cast<int>(Ctl::Im1);
            if (!risk.cardClick(pos)) game.cardClick(pos);
        });
        break;
    case Ctl::Image6: guarded([&] { game.testHandClick(); }); break;
    case Ctl::btnhelp:
        m.play(SoundId::Click);
        window_.openAddress(web::helpPage());
        break;
    case Ctl::btnabout:
        m.play(SoundId::Click);
        window_.showAbout();
        break;
    case Ctl::btntotal:
        m.play(SoundId::Click);
        m.syncCountedTotals();
        window_.showTotals();
        break;
    case Ctl::btnoptions:
        m.play(SoundId::Click);
        window_.showSettings();
        break;
    case Ctl::btnminimize:
        m.play(SoundId::Click);
        window_.minimize();
        break;
    case Ctl::Imminim: window_.minimize(); break;
    case Ctl::Imwind: window_.toggleFullScreen(); break;
    case Ctl::btnexit:
        if (window_.ask(QStringLiteral("Закончить?"))) endGame(false);
        break;
    case Ctl::btnClose:
        if (window_.ask(QStringLiteral("Закончить?"))) endGame(true);
        break;
    case Ctl::Panel2: m.cabinet.Panel2.visible = false; break;
    case Ctl::BtnRed: guarded([&] { redBlack.guessRed(); }); break;
    case Ctl::BtnBlack: guarded([&] { redBlack.guessBlack(); }); break;
    case Ctl::BtnNo: guarded([&] { redBlack.guessRandom(); }); break;
    case Ctl::BtnCash: guarded([&] { takeWin.takeRedBlack(); }); break;
    case Ctl::Btn12: guarded([&] { takeWin.takeHalfRedBlack(); }); break;
    case Ctl::BtnCash1: guarded([&] { takeWin.take(); }); break;
    case Ctl::BtnHalf1: guarded([&] { takeWin.takeHalf(); }); break;
    case Ctl::BtnYes1: guarded([&] { risk.yesClick(); }); break;
    }
    return true;
}

void Controller::keyPressed(int key) {
    constexpr int kKeyEscape = 0x01000000;  // Qt::Key_Escape
    constexpr int kKeyF1 = 0x01000030;      // Qt::Key_F1
    if (key != kKeyF1) machine.cabinet.Panel2.visible = false;
    if (key == kKeyEscape) window_.minimize();
    if (key == kKeyF1) window_.openHelp();
}

template <typename F>
void Controller::jackPotStep(F&& f) {
    // Once the run ends the window has paid and is closing.
    if (ending_ || jackPot.closed()) return;
    guarded(std::forward<F>(f));
}

void Controller::jackPotCard(int i) {
    jackPotStep([&] { jackPot.cardClick(i); });
}
void Controller::jackPotConfirm() {
    jackPotStep([&] { jackPot.confirm(); });
}
void Controller::jackPotKey(bool f12) {
    jackPotStep([&] { jackPot.keyPressed(f12); });
}
void Controller::jackPotShuffleTick() {
    jackPotStep([&] { jackPot.shuffleTick(); });
}
void Controller::jackPotCountUpTick() {
    jackPotStep([&] { jackPot.countUpTick(); });
}

void Controller::endGame(bool homeSound) {
    ending_ = true;
    guarded([&] {
        // Whatever step this came in (the time limit fires inside waits)
        // stops at its next wait: the run is over.
        machine.pacer.gameEnded();
        // What the Jack Pot has paid is the player's before the credits
        // are counted out: the receipt, the log and the totals take it.
        jackPot.close();
        game.resetBoard();
        // A game whose Jack Pot was open is over now too.
        machine.recorder.gameOver(machine.state.credits);
        // The credits are taken out: the display shows 0 while the credits
        // keep what was held, which the totals and the log measure against.
        machine.state.creditsTaken = machine.state.credits;
        machine.cabinet.RxLabel7.text = QStringLiteral("0");
        machine.pacer.processEvents();
    });
    if (homeSound) machine.play(SoundId::Home);
    window_.closeWindow();
}

} // namespace talvern
