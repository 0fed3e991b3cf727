// The cabinet window's binding: controls where the layout puts them, clicks
// reaching the flows and the model reaching the widgets, and a close while a
// flow waits unwinding cleanly.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

#include "cabinetart.h"
#include "aboutwindow.h"
#include "settingsstore.h"
#include "jackpotwindow.h"
#include "talvern.h"
#include "totalswindow.h"
#include "widgets.h"

using namespace talvern;

namespace {

QWidget* child(TTalvern& w, const char* name) { return w.panel1()->findChild<QWidget*>(QString::fromLatin1(name)); }

// Answers the modal windows of the exit (the receipt closes on a key).
struct ModalAnswerer {
    QTimer timer;
    int answered = 0;
    ModalAnswerer() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                QTest::keyClick(modal, Qt::Key_Escape);
                ++answered;
            }
        });
        timer.start(20);
    }
};

void click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

} // namespace

TEST(CabinetWindow, EveryControlSitsAtItsPlace) {
    TTalvern w;
    for (const char* name : {"Deal", "dealx", "btnoptions", "btntotal", "btnpay", "payment", "btnexit", "btnhelp",
                             "btnabout", "btnbet1", "btnbet2", "btnClose", "btnminimize", "Imwind", "Imminim", "Im1",
                             "Im5", "lb1", "lb5", "RxLabel5", "RxLabel6", "RxLabel7", "RxLabel8", "RxLabel25", "Duble",
                             "message1", "RxLabel24", "l1", "L10", "Lv1", "Lv10", "RdBl", "RusRul", "Panel3",
                             "Panel4"}) {
        QWidget* c = child(w, name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->geometry(), art::controlRect(QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(child(w, "Im5")->geometry().top(), 321);
    EXPECT_EQ(child(w, "Deal")->geometry(), QRect(342, 510, 134, 79));
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
}

TEST(CabinetWindow, ClicksPlayAGameAndTheWidgetsFollowTheModel) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Controller& c = w.controller();
    QWidget* intro = child(w, "Panel2");
    EXPECT_TRUE(intro->isVisible());
    click(intro);
    EXPECT_FALSE(intro->isVisible());
    EXPECT_TRUE(child(w, "dealx")->isVisible());

    click(child(w, "btnpay"));
    EXPECT_EQ(c.machine.state.credits, 100);
    EXPECT_FALSE(child(w, "dealx")->isVisible());

    click(child(w, "Deal"));  // runs the whole first deal
    EXPECT_EQ(c.machine.state.credits, 99);
    EXPECT_EQ(c.machine.state.phase, Phase::Dealt);
    for (int i = 0; i < 5; ++i) {
        QWidget* hold = child(w, ("lb" + std::to_string(i + 1)).c_str());
        EXPECT_EQ(hold->isVisible(), c.machine.state.held[static_cast<std::size_t>(i)]);
        EXPECT_EQ(child(w, ("Im" + std::to_string(i + 1)).c_str())->cursor().shape(), Qt::PointingHandCursor);
    }
    const bool was = c.machine.state.held[2];
    click(child(w, "Im3"));
    EXPECT_NE(c.machine.state.held[2], was);
    EXPECT_EQ(child(w, "lb3")->isVisible(), c.machine.state.held[2]);

    click(child(w, "btnbet2"));
    EXPECT_EQ(c.machine.state.bet, 2);
    EXPECT_EQ(c.machine.state.phase, Phase::Settled);  // the game was abandoned
    EXPECT_EQ(child(w, "Im1")->cursor().shape(), Qt::ForbiddenCursor);
}

TEST(CabinetWindow, ClosingWhileAFlowWaitsUnwindsFirst) {
    TTalvern w;
    w.pacer().setTimeScale(0.1);  // the first deal waits 30 ms before turning cards
    w.show();
    click(child(w, "btnpay"));
    bool closedDuringDeal = false;
    QTimer::singleShot(10, &w, [&] {
        closedDuringDeal = w.controller().depth() > 0;
        w.close();
    });
    ModalAnswerer answers;
    click(child(w, "Deal"));
    // the deal stopped at its wait; the close went through after it unwound
    // and the exit sequence showed the receipt
    QTest::qWait(200);
    EXPECT_GE(answers.answered, 1);
    EXPECT_TRUE(closedDuringDeal);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.controller().depth(), 0);
    EXPECT_EQ(w.controller().machine.state.phase, Phase::Settled);
}

TEST(CabinetWindow, ThePaymentAnimationTicksOnlyWhereItCanBeSeen) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    ASSERT_TRUE(w.controller().machine.cabinet.payment.playing);  // no credits yet
    EXPECT_FALSE(w.animating());                                    // under the intro
    click(child(w, "Panel2"));
    EXPECT_TRUE(w.animating());
    w.showMinimized();
    EXPECT_FALSE(w.animating());
    w.showNormal();
    EXPECT_TRUE(w.animating());
    click(child(w, "btnpay"));  // credits: the invitation stops
    EXPECT_FALSE(w.animating());
}

TEST(CabinetWindow, TheOtherWindowsAreMadeReadyWhileTheMachineWaitsNotWhileItPlays) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    TTalvern w;
    // slowed down, so that the deal surely runs past the moment they are due
    w.pacer().setTimeScale(4);
    w.show();
    QLabel* receipt = w.totalsWindow()->Image1;
    QLabel* card = w.aboutWindow()->Image1;
    EXPECT_TRUE(receipt->pixmap().isNull());
    click(child(w, "Panel2"));
    click(child(w, "btnpay"));
    // A deal in real time, started at once, runs past the moment they would
    // be made ready: watched all along, they must wait while it plays.
    int watchedLate = 0;
    bool readyDuringDeal = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, &w, [&] {
        if (w.controller().depth() == 0) return;
        if (sinceStart.elapsed() > 1000) ++watchedLate;
        readyDuringDeal = readyDuringDeal || !receipt->pixmap().isNull() || !card->pixmap().isNull();
    });
    watch.start();
    click(child(w, "Deal"));
    watch.stop();
    ASSERT_GT(watchedLate, 0) << "the deal ended before the windows were due";
    EXPECT_FALSE(readyDuringDeal);
    // Then, with the machine waiting for the player, they are made ready.
    for (int i = 0; i < 1000 && card->pixmap().isNull(); ++i) QTest::qWait(10);
    EXPECT_FALSE(receipt->pixmap().isNull());
    EXPECT_FALSE(card->pixmap().isNull());
    EXPECT_FALSE(w.totalsWindow()->isVisible());
}

TEST(CabinetWindow, FullScreenScalesTheCabinetAndComesBack) {
    TTalvern w;
    w.show();
    w.enterFullScreen();
    QTest::qWait(20);
    EXPECT_TRUE(w.fullScreenMode());
    w.resize(1600, 1200);  // what a full screen of that size gives the window
    QTest::qWait(20);
    EXPECT_NEAR(cabinetScale(), 2.0, 1e-9);
    w.leaveFullScreen();
    QTest::qWait(20);
    EXPECT_FALSE(w.fullScreenMode());
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_NEAR(cabinetScale(), 1.0, 1e-9);
}

// Whatever the controller would refuse is drawn disabled, and a screen
// reader hears it so: Deal under the cover, Deal and the bets while a deal
// runs. The load button stays usable throughout, and the moment the step is
// over Deal and the bets are drawn enabled again.
TEST(CabinetWindow, ButtonsTheControllerRefusesAreDrawnDisabled) {
    TTalvern w;
    w.pacer().setTimeScale(0.1);  // the first deal waits 30 ms before turning cards
    w.show();
    QWidget* deal = child(w, "Deal");
    QWidget* bet1 = child(w, "btnbet1");
    QWidget* bet2 = child(w, "btnbet2");
    QWidget* pay = child(w, "btnpay");
    auto unavailable = [](QWidget* b) -> bool { return QAccessible::queryAccessibleInterface(b)->state().disabled; };
    click(child(w, "Panel2"));
    EXPECT_FALSE(deal->isEnabled());  // under the cover: no credits
    EXPECT_TRUE(unavailable(deal));
    EXPECT_TRUE(bet2->isEnabled());

    click(pay);
    EXPECT_TRUE(deal->isEnabled());
    EXPECT_FALSE(unavailable(deal));
    struct Seen {
        bool deal, bet1, bet2, pay, dealHeard;
    } during{true, true, true, false, false};
    bool looked = false;
    QTimer::singleShot(10, &w, [&] {
        looked = w.controller().depth() > 0;
        during = {deal->isEnabled(), bet1->isEnabled(), bet2->isEnabled(), pay->isEnabled(), unavailable(deal)};
    });
    click(deal);  // the whole first deal
    ASSERT_TRUE(looked);
    EXPECT_FALSE(during.deal);
    EXPECT_FALSE(during.bet1);
    EXPECT_FALSE(during.bet2);
    EXPECT_TRUE(during.pay);
    EXPECT_TRUE(during.dealHeard);
    EXPECT_EQ(w.controller().depth(), 0);
    EXPECT_TRUE(deal->isEnabled());
    EXPECT_TRUE(bet1->isEnabled() && bet2->isEnabled());
    EXPECT_FALSE(unavailable(deal));
    EXPECT_TRUE(w.controller().accepts(Ctl::Deal));
}

// Coming back to the machine undoes what the desktop did to its window
// meanwhile: maximised or resized, it is normal and 800 x 600 again (and not
// moved); in full-screen mode it is full screen again. The pay values are
// refreshed each time.
TEST(CabinetWindow, ComingBackRestoresTheWindowTheDesktopChanged) {
    TTalvern w;
    QWidget elsewhere;
    elsewhere.resize(200, 100);
    w.show();
    elsewhere.show();
    auto activate = [](QWidget& x) {
        x.activateWindow();
        return QTest::qWaitForWindowActive(&x);
    };
    ASSERT_TRUE(activate(w));
    Cabinet& cab = w.controller().machine.cabinet;

    ASSERT_TRUE(activate(elsewhere));
    w.showMaximized();
    QTest::qWait(20);
    ASSERT_NE(w.size(), QSize(800, 600));
    cab.payValue[0].text = QStringLiteral("0");  // as the Jack Pot leaves it
    ASSERT_TRUE(activate(w));
    QTest::qWait(20);
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_EQ(cab.payValue[0].text, "300");
    EXPECT_FALSE(w.fullScreenMode());

    ASSERT_TRUE(activate(elsewhere));
    w.move(40, 30);
    w.resize(1000, 700);
    QTest::qWait(20);
    const QPoint place = w.pos();
    ASSERT_TRUE(activate(w));
    QTest::qWait(20);
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_EQ(w.pos(), place);

    w.enterFullScreen();
    QTest::qWait(20);
    ASSERT_TRUE(activate(elsewhere));
    w.showNormal();  // the desktop took it out of full screen
    QTest::qWait(20);
    ASSERT_FALSE(w.isFullScreen());
    ASSERT_TRUE(activate(w));
    QTest::qWait(20);
    EXPECT_TRUE(w.isFullScreen());
    EXPECT_TRUE(w.fullScreenMode());
}

TEST(JackPotWindow, TheCabinetBehindItFollowsTheCountUp) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Controller& c = w.controller();
    Machine& m = c.machine;
    m.options.riskChoice = RiskChoice::None;
    m.options.fortune[3] = -100;
    auto shown = [&] { return child(w, "RxLabel6")->accessibleDescription(); };
    QStringList seen;
    // Plays the window once it is up (the deals' own waits come first).
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // (by name: the window class has no meta-object of its own)
        auto* box = static_cast<TAboutBox4*>(w.findChild<QDialog*>(QStringLiteral("AboutBox4")));
        if (!box || !box->isVisible()) return;
        poll.stop();
        for (int i = 0; i < 3; ++i) box->flow().countUpTick();
        box->render();
        seen << shown();
        QTest::keyClick(box, Qt::Key_Space);  // skips the count-up
        seen << shown();
        QTest::mouseClick(box->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(232, 320));  // "Да!": a miss
        if (box->isVisible()) box->abandon();  // never left hanging
    });
    click(child(w, "Panel2"));
    click(child(w, "btnpay"));
    click(child(w, "Deal"));
    const Hand fiveAces{1, 14, 27, 40, 0};
    for (int i = 0; i < 5; ++i) {
        m.state.hand[static_cast<std::size_t>(i)] = fiveAces[static_cast<std::size_t>(i)];
        m.showCard(i, fiveAces[static_cast<std::size_t>(i)]);
        m.setHeld(i, true);
    }
    poll.start(10);
    click(child(w, "Deal"));  // five of a kind: paid, and the Jack Pot opens
    EXPECT_EQ(seen, (QStringList{"9997", "0"}));
    EXPECT_EQ(shown(), "10000");
    EXPECT_EQ(m.cabinet.payValue[0].text, "300");
}

// The paid sum RxLabel8 stands at 328, 360, right of "Выигрыш:", once the
// first payout shows it.
TEST(JackPotWindow, ThePaidSumStandsAt328And360) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.controller().machine.options.fortune[3] = 100;  // every guess right
    TAboutBox4 box(w.controller(), &w);
    box.flow().open();
    box.show();
    QTest::keyClick(&box, Qt::Key_Space);  // skips the count-up
    box.flow().cardClick(0);
    box.flow().confirm();  // the first hit pays a third
    box.render();
    ASSERT_TRUE(box.flow().view.winVisible);
    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = shot.devicePixelRatio();
    auto at = [&](int x, int y) { return shot.pixel(qRound(x * dpr), qRound(y * dpr)); };
    auto dark = [](QRgb c) { return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0; };
    // the display's smoked glass from 328 on, the window's black before it
    for (int x : {320, 326}) EXPECT_TRUE(dark(at(x, 378))) << x;
    for (int x : {331, 400, 460}) EXPECT_FALSE(dark(at(x, 378))) << x;
    EXPECT_TRUE(dark(at(330, 356)));  // and from 360 down
    box.abandon();
}

TEST(JackPotWindow, OnlyTheGameClosesIt) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.controller().machine.options.fortune[3] = -100;  // every guess wrong
    TAboutBox4 box(w.controller(), &w);
    EXPECT_EQ(box.size(), QSize(471, 455));
    EXPECT_EQ(box.windowTitle(), "Jack Pot");
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    box.flow().open();
    box.show();
    box.close();
    QTest::keyClick(&box, Qt::Key_Escape);  // any key skips the count-up, none closes
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(box.flow().view.yesVisible);
    click(box.findChild<QWidget*>(QStringLiteral("Image1")));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(232, 320));  // "Да!"
    EXPECT_TRUE(box.flow().closed());
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(w.controller().machine.cabinet.RxLabel6.text, "10000");
}

// The program closes while the Jack Pot reveals a guess or pays it out, by
// the time limit or by the window's close: the waiting flows unwind (no
// exception crosses the event dispatch), the exit sequence runs and the
// store holds the run, the Jack Pot's payout in the credits taken out.
namespace {
// Counts what Qt says when an exception crosses its event dispatch.
int exceptionsThroughQt = 0;
QtMessageHandler previousHandler = nullptr;
void countExceptions(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("caught an exception"))) ++exceptionsThroughQt;
    if (previousHandler) previousHandler(type, context, message);
}
} // namespace

TEST(JackPotWindow, ClosingDuringTheRevealOrThePayoutStoresTheRun) {
    exceptionsThroughQt = 0;
    previousHandler = qInstallMessageHandler(countExceptions);
    struct Restore {
        ~Restore() { qInstallMessageHandler(previousHandler); }
    } restore;
    for (const bool timeLimit : {true, false}) {
        for (const bool inPayout : {false, true}) {
            SCOPED_TRACE(std::string(timeLimit ? "time limit" : "close") + (inPayout ? " in the payout" : " in the reveal"));
            const store::StorePaths paths = store::StorePaths::standard();
            QFile::remove(paths.settingsFile);
            QFile::remove(paths.logFile());
            auto w = std::make_unique<TTalvern>();
            w->pacer().setTimeScale(0.02);  // the reveal's 2000 ms take 40
            w->show();
            Controller& c = w->controller();
            Machine& m = c.machine;
            m.options.riskChoice = RiskChoice::None;
            m.options.fortune[3] = 100;  // every guess finds the joker
            int credits = -1, paidSoFar = -1;
            bool ended = false;
            auto end = [&] {
                if (ended) return;
                ended = true;
                paidSoFar = c.jackPot.view.paid.toInt();
                if (timeLimit) c.timeLimitReached();
                else w->close();
            };
            // Plays the window once it is up: skip the count-up, one card, "Да!".
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* box = static_cast<TAboutBox4*>(w->findChild<QDialog*>(QStringLiteral("AboutBox4")));
                if (!box || !box->isVisible()) return;
                poll.stop();
                QTest::keyClick(box, Qt::Key_Space);
                QTest::mouseClick(box->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
                credits = m.state.credits;
                QTimer* when = new QTimer(box);
                when->setInterval(0);
                QObject::connect(when, &QTimer::timeout, [&, when] {
                    // inside the reveal's hold, or once the payout counts
                    if (inPayout ? c.jackPot.paying() && c.jackPot.view.paid.toInt() > 100 : c.jackPot.view.yesVisible == false) {
                        when->stop();
                        end();
                    }
                });
                when->start();
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(232, 320));  // "Да!"
            });
            ModalAnswerer answers;
            click(child(*w, "Panel2"));
            click(child(*w, "btnpay"));
            click(child(*w, "Deal"));
            const Hand fiveAces{1, 14, 27, 40, 0};
            for (int i = 0; i < 5; ++i) {
                m.state.hand[static_cast<std::size_t>(i)] = fiveAces[static_cast<std::size_t>(i)];
                m.showCard(i, fiveAces[static_cast<std::size_t>(i)]);
                m.setHeld(i, true);
            }
            poll.start(10);
            click(child(*w, "Deal"));  // five of a kind: paid, and the Jack Pot opens
            for (int i = 0; i < 200 && w->isVisible(); ++i) QTest::qWait(10);
            ASSERT_TRUE(ended);
            EXPECT_FALSE(w->isVisible());
            EXPECT_EQ(c.depth(), 0);
            EXPECT_GE(answers.answered, 1);  // the receipt of the exit sequence
            EXPECT_TRUE(c.jackPot.closed());
            const int paid = m.state.credits - credits;
            EXPECT_GE(paid, inPayout ? paidSoFar : 0);
            EXPECT_LT(paid, 3334);  // the payout stopped where the run ended
            if (timeLimit) {
                EXPECT_EQ(m.state.creditsTaken, m.state.credits);
            }
            store::SettingsStore st(paths.settingsFile);
            EXPECT_EQ(st.read(store::stat::stcst), 100);
            EXPECT_EQ(st.read(store::stat::stcto), m.state.creditsTaken);
            EXPECT_EQ(st.read(store::vol::format), m.state.jackPot);
            QFile log(paths.logFile());
            ASSERT_TRUE(log.open(QIODevice::ReadOnly));
            EXPECT_GT(log.size(), 0);
            EXPECT_EQ(exceptionsThroughQt, 0);
        }
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);  // the store and the log go to scratch folders
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
