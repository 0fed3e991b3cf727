// Renders the cabinet in chosen states for the documentation:
//   talvern-screenshots OUTDIR
// writes idle.png, dealt.png, win.png, redblack-game.png, redblack-top.png,
// higherlower.png, roulette.png and fullscreen-win.png.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include "hands.h"
#include "jackpotwindow.h"
#include "talvern.h"

using namespace talvern;

namespace {

void save(QWidget& w, const QString& path) {
    QApplication::processEvents();
    w.grab().save(path);
}

// Deals, then puts a chosen final hand on the table with all five held and
// draws it, saving the cabinet while the win is on show.
void win(TTalvern& w, const Hand& hand, const QString& path) {
    Controller& c = w.controller();
    Machine& m = c.machine;
    c.click(Ctl::Deal);
    m.state.hand = hand;
    for (int i = 0; i < 5; ++i) {
        m.showCard(i, hand[static_cast<std::size_t>(i)]);
        m.setHeld(i, true);
    }
    QTimer::singleShot(900, &w, [&w, path] { save(w, path); });
    c.click(Ctl::Deal);
}

// Puts a winning hand on the table and draws it; the win handling lays out
// the risk game and returns when it waits for the player.
void drawWin(TTalvern& w, const Hand& hand) {
    Controller& c = w.controller();
    c.click(Ctl::Deal);
    c.machine.state.hand = hand;
    for (int i = 0; i < 5; ++i) {
        c.machine.showCard(i, hand[static_cast<std::size_t>(i)]);
        c.machine.setHeld(i, true);
    }
    c.click(Ctl::Deal);
}

// Red-Black part-way up the ladder and at its top. The Red-Black fortune
// makes the guesses come out right, so the pictures show a climb; a guess
// that is lost all the same (a fair draw, one time in 101) starts again.
void redBlack(TTalvern& w, const QString& out) {
    Controller& c = w.controller();
    Machine& m = c.machine;
    m.options.riskChoice = RiskChoice::RedBlack;
    m.options.fortune[1] = 100;
    m.options.statisticsOff = true;
    // a reset after choosing Red-Black lays out its take-half button
    c.click(Ctl::Deal);
    c.click(Ctl::btnbet1);
    c.click(Ctl::btnbet2);
    const Hand twoPairs = test::hand("QH QK 7B 7V 3K");
    auto climbTo = [&](int guesses) {
        while (!m.state.redBlackPanel || m.state.riskCounter > 9 - guesses) {
            if (!m.state.redBlackPanel) drawWin(w, twoPairs);
            else c.click(m.state.riskCounter % 2 ? Ctl::BtnRed : Ctl::BtnBlack);
        }
    };
    w.pacer().setTimeScale(0.05);
    climbTo(3);
    w.render();
    save(w, out + "/redblack-game.png");

    climbTo(6);
    // the last guess in real time, the picture taken while the top is lit
    w.pacer().setTimeScale(1.0);
    QTimer::singleShot(1100, &w, [&w, out] { save(w, out + "/redblack-top.png"); });
    c.click(Ctl::BtnBlack);
    c.click(Ctl::BtnCash);
    m.options.fortune[1] = 0;
    m.options.statisticsOff = false;
    m.options.riskChoice = RiskChoice::None;
}

// Higher-Lower two picks up the ladder, the next deal on the table: the
// dealer card in slot 5 and the five cards face down on the card places.
// Its fortune makes the picks come out right; a pick lost all the same (a
// fair draw, now and then) starts again.
void higherLowerShot(TTalvern& w, const QString& out) {
    Controller& c = w.controller();
    Machine& m = c.machine;
    m.options.riskChoice = RiskChoice::HigherLower;
    m.options.fortune[2] = 100;
    m.options.statisticsOff = true;
    c.click(Ctl::Deal);
    c.click(Ctl::btnbet1);
    c.click(Ctl::btnbet2);
    const Hand twoPairs = test::hand("QH QK 7B 7V 3K");
    w.pacer().setTimeScale(0.02);
    while (!m.state.higherLowerActive || m.state.riskCounter > 7) {
        if (m.state.boardReset) drawWin(w, twoPairs);
        c.click(Ctl::BtnYes1);
        c.click(Ctl::Im3);
    }
    c.click(Ctl::BtnYes1);
    w.render();
    save(w, out + "/higherlower.png");
    c.click(Ctl::Im2);
    if (!m.state.boardReset) c.click(Ctl::BtnCash1);
    m.options.fortune[2] = 0;
    m.options.statisticsOff = false;
}

// Russian Roulette after two pulls come through, the picture taken while the
// third is under way: the drum turned on, the revolver's hammer back.
void rouletteShot(TTalvern& w, const QString& out) {
    Controller& c = w.controller();
    Machine& m = c.machine;
    m.options.riskChoice = RiskChoice::RussianRoulette;
    const Hand twoPairs = test::hand("QH QK 7B 7V 3K");
    w.pacer().setTimeScale(0.02);
    while (m.state.boardReset || m.state.pulls < 2) {
        if (m.state.boardReset) drawWin(w, twoPairs);
        else c.click(Ctl::BtnYes1);
    }
    w.pacer().setTimeScale(1.0);
    QTimer::singleShot(500 + 5 * 200 + 100, &w, [&w, out] { save(w, out + "/roulette.png"); });
    c.click(Ctl::BtnYes1);
    w.pacer().setTimeScale(0.02);
    if (!m.state.boardReset) c.click(Ctl::BtnCash1);
    m.options.riskChoice = RiskChoice::None;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    TTalvern w;
    w.show();
    Controller& c = w.controller();
    save(w, out + "/intro.png");
    c.click(Ctl::Panel2);
    c.click(Ctl::btnpay);
    c.click(Ctl::btnbet2);
    c.click(Ctl::btnbet2);
    save(w, out + "/idle.png");

    // a dealt hand with the machine's proposed holds: seed a pair of kings
    c.machine.options.riskChoice = RiskChoice::None;
    c.click(Ctl::Deal);
    c.machine.state.hand = test::hand("KH 7B KK 2V 9H");
    for (int i = 0; i < 5; ++i) c.machine.showCard(i, c.machine.state.hand[static_cast<std::size_t>(i)]);
    c.machine.state.phase = Phase::Dealt;
    c.game.evaluate();
    w.render();
    save(w, out + "/dealt.png");

    win(w, test::hand("8H 9H 1H JH QH"), out + "/win.png");
    redBlack(w, out);
    higherLowerShot(w, out);
    rouletteShot(w, out);

    w.resize(1280, 800);  // a full screen of 1280 x 800: scaled, black bars at the sides
    QApplication::processEvents();
    win(w, test::hand("AH AB AK 5V 5H"), out + "/fullscreen-win.png");

    // the Jack Pot window after five of a kind: counting up, then a guess
    w.resize(800, 600);
    QApplication::processEvents();
    c.machine.options.fortune[3] = 100;
    QTimer::singleShot(4000, [&] {
        QWidget* jp = QApplication::activeModalWidget();
        if (!jp) return;
        jp->grab().save(out + "/jackpot-countup.png");
        QTest::keyClick(jp, Qt::Key_Space);
        QApplication::processEvents();
        QTest::mouseClick(jp->findChild<QWidget*>(QStringLiteral("Image2")), Qt::LeftButton);
        QApplication::processEvents();
        jp->grab().save(out + "/jackpot-guess.png");
        QTimer::singleShot(500, [jp, out] {
            jp->grab().save(out + "/jackpot-paid.png");
            if (auto* box = dynamic_cast<TAboutBox4*>(jp)) box->abandon();
        });
        QTest::mouseClick(jp, Qt::LeftButton, {}, QPoint(232, 320));  // "Да!"
    });
    win(w, test::hand("AH AB AK AV PP"), out + "/win-five.png");
    return 0;
}
