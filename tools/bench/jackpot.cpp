// The Jack Pot payout of the real cabinet, timed: a five of a kind opens the
// Jack Pot window over the cabinet with 30000 in the Jack Pot, the player
// finds the joker, and the first third, 10000 units, is paid one unit at a
// time with events handled after each. Prints "payout 10000 MS".
// Run it on a display (xvfb-run); nothing is stored (a fortune setting is on).
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "jackpotwindow.h"
#include "talvern.h"

using namespace talvern;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TTalvern w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return 1;
    Controller& c = w.controller();
    Machine& m = c.machine;
    c.click(Ctl::Panel2);
    c.click(Ctl::btnpay);
    m.options.riskChoice = RiskChoice::None;
    m.options.fortune[3] = 100;  // the joker is where the player points
    m.options.statisticsOff = true;
    m.setJackPot(30000);
    w.pacer().setTimeScale(0.02);

    qint64 elapsed = -1;
    int paid = 0;
    QTimer::singleShot(500, &w, [&] {
        auto* box = dynamic_cast<TAboutBox4*>(QApplication::activeModalWidget());
        if (!box) return;
        QTest::keyClick(box, Qt::Key_Space);  // past the count-up
        QTest::mouseClick(box->findChild<QWidget*>(QStringLiteral("Image2")), Qt::LeftButton);
        w.pacer().setTimeScale(0);  // the two seconds of the reveal are not the payout's
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(232, 320));  // "Да!": returns once paid
        elapsed = t.elapsed();
        paid = box->flow().view.paid.toInt();
        box->abandon();
    });
    // Deal, then a five of a kind held and drawn: the reset opens the window.
    c.click(Ctl::Deal);
    const Hand five{1, 14, 27, 40, 0};
    m.state.hand = five;
    for (int i = 0; i < 5; ++i) {
        m.showCard(i, five[static_cast<std::size_t>(i)]);
        m.setHeld(i, true);
    }
    c.click(Ctl::Deal);
    if (elapsed < 0) {
        std::fprintf(stderr, "the Jack Pot window did not open\n");
        return 1;
    }
    std::printf("payout %d %lld\n", paid, static_cast<long long>(elapsed));
    return 0;
}
