// The cabinet window's binding: controls where the layout puts them, clicks
// reaching the flows and the model reaching the widgets, and a close while a
// flow waits unwinding cleanly.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "cabinetart.h"
#include "aboutwindow.h"
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
    TTalvern w;
    w.show();
    QLabel* receipt = w.totalsWindow()->Image1;
    QLabel* card = w.aboutWindow()->Image1;
    EXPECT_TRUE(receipt->pixmap().isNull());
    click(child(w, "Panel2"));
    click(child(w, "btnpay"));
    // A deal in real time runs when they would be made ready: they wait.
    int depth = 0;
    bool readyDuringDeal = true;
    QTimer::singleShot(1200, &w, [&] {
        depth = w.controller().depth();
        readyDuringDeal = !receipt->pixmap().isNull();
    });
    QTest::qWait(400);
    click(child(w, "Deal"));
    EXPECT_GT(depth, 0);
    EXPECT_FALSE(readyDuringDeal);
    // Then, with the machine waiting for the player, they are made ready.
    for (int i = 0; i < 500 && card->pixmap().isNull(); ++i) QTest::qWait(10);
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
    TAboutBox4 box(w.controller().machine, &w);
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);  // the store and the log go to scratch folders
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
