// The cabinet window's binding: controls where the layout puts them, clicks
// reaching the flows and the model reaching the widgets, and a close while a
// flow waits unwinding cleanly.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

#include "cabinetart.h"
#include "settingsstore.h"
#include "jackpotwindow.h"
#include "talvern.h"
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
            if (timeLimit) EXPECT_EQ(m.state.creditsTaken, m.state.credits);
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
