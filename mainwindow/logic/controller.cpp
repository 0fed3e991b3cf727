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
      expert(machine, game),
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
    case Ctl::Deal:
        guarded([&] {
            // The trainer asks before anything is charged.
            if (!expert.approveDraw([this](const QString& q) { return window_.ask(q); })) return;
            expert.dealStarting();
            game.dealClick();
            expert.dealEnded();
        });
        break;
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

void Controller::keyPressed(int key, bool autoRepeat) {
    const bool intro = machine.cabinet.Panel2.visible;
    if (key != Qt::Key_F1) machine.cabinet.Panel2.visible = false;
    if (key == Qt::Key_Escape) window_.minimize();
    if (key == Qt::Key_F1) window_.openHelp();
    // A key that takes the intro away does only that; a key held down
    // presses its button once.
    if (intro || autoRepeat) return;
    if (key == kHintKey && machine.options.hint) {
        guarded([&] { expert.applyHint(); });
        return;
    }
    if (!machine.options.keyboardPlay) return;
    if (const std::optional<Ctl> c = keyControl(key, machine.cabinet)) click(*c);
}

std::optional<Ctl> keyControl(int key, const Cabinet& cab) {
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space:
        return cab.Panel4.visible ? Ctl::BtnYes1 : Ctl::Deal;
    case Qt::Key_1: return Ctl::Im1;
    case Qt::Key_2: return Ctl::Im2;
    case Qt::Key_3: return Ctl::Im3;
    case Qt::Key_4: return Ctl::Im4;
    case Qt::Key_5: return Ctl::Im5;
    case Qt::Key_Minus: return Ctl::btnbet1;
    case Qt::Key_Plus: case Qt::Key_Equal: return Ctl::btnbet2;
    case Qt::Key_Insert: case Qt::Key_0: return Ctl::btnpay;
    case Qt::Key_Left: return Ctl::BtnRed;
    case Qt::Key_Right: return Ctl::BtnBlack;
    case Qt::Key_Up: case Qt::Key_Down: return Ctl::BtnNo;
    case Qt::Key_End: return cab.Panel3.visible ? Ctl::BtnCash : Ctl::BtnCash1;
    case Qt::Key_Home: return cab.Panel3.visible ? Ctl::Btn12 : Ctl::BtnHalf1;
    default: return std::nullopt;
    }
}

QString keysOf(Ctl c) {
    switch (c) {
    case Ctl::Deal: return QStringLiteral("Enter или пробел");
    case Ctl::Im1: return QStringLiteral("1");
    case Ctl::Im2: return QStringLiteral("2");
    case Ctl::Im3: return QStringLiteral("3");
    case Ctl::Im4: return QStringLiteral("4");
    case Ctl::Im5: return QStringLiteral("5");
    case Ctl::btnbet1: return QStringLiteral("минус");
    case Ctl::btnbet2: return QStringLiteral("плюс");
    case Ctl::btnpay: return QStringLiteral("Insert или 0");
    case Ctl::BtnRed: return QStringLiteral("стрелка влево");
    case Ctl::BtnBlack: return QStringLiteral("стрелка вправо");
    case Ctl::BtnNo: return QStringLiteral("стрелка вверх или вниз");
    case Ctl::BtnCash: case Ctl::BtnCash1: return QStringLiteral("End");
    case Ctl::Btn12: case Ctl::BtnHalf1: return QStringLiteral("Home");
    case Ctl::BtnYes1: return QStringLiteral("Enter или пробел");
    default: return {};
    }
}

template <typename F>
void Controller::jackPotStep(F&& f) {
    // A window the end of the run settled has paid and is closing; the one
    // the end's own reset of the board opens is played as any other.
    if (jackPot.closed()) return;
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
