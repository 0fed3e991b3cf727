// The expert on the real cabinet window: the hint's line and the marks round
// the cards it keeps follow the flow's view, the marks take no click from the
// cards, the keys reach the controller through the window, the trainer's
// question is answered No when the window closes while it is open, and a
// screen reader hears the hint and each control's keys.
#include <algorithm>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGraphicsView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "accessibility.h"
#include "expertart.h"
#include "talvern.h"

using namespace talvern;

namespace {

QWidget* child(TTalvern& w, const QString& name) { return w.panel1()->findChild<QWidget*>(name); }

QString spokenDescription(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Description) : QString();
}

// The keys the player presses reach the cabinet through its view.
QWidget* keyTarget(TTalvern& w) { return w.findChild<QGraphicsView*>()->viewport(); }

void dealWithHint(TTalvern& w) {
    Controller& c = w.controller();
    c.machine.options.hint = true;
    c.click(Ctl::Panel2);
    c.click(Ctl::btnpay);
    c.click(Ctl::Deal);
    w.render();
}

} // namespace

TEST(ExpertOnTheCabinet, TheHintAndItsMarksFollowTheView) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    for (const QString name : {"Hint", "Odds", "Tip1", "Tip5"}) {
        QWidget* c = child(w, name);
        ASSERT_NE(c, nullptr) << qPrintable(name);
        EXPECT_EQ(c->geometry(), art::expertRect(name)) << qPrintable(name);
        EXPECT_FALSE(c->isVisible()) << qPrintable(name);
        EXPECT_TRUE(c->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    dealWithHint(w);
    const ExpertView v = w.controller().expert.view();
    ASSERT_TRUE(v.advice);
    EXPECT_TRUE(child(w, "Hint")->isVisible());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(child(w, QStringLiteral("Tip%1").arg(i + 1))->isVisible(), v.keep[static_cast<std::size_t>(i)]) << i;

    // a click on a marked card is the card's: it toggles the hold
    Machine& m = w.controller().machine;
    const bool held = m.state.held[0];
    QWidget* card = child(w, "Im1");
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, card->geometry().center());
    EXPECT_NE(m.state.held[0], held);

    m.options.hint = false;
    w.render();
    EXPECT_FALSE(child(w, "Hint")->isVisible());
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(child(w, QStringLiteral("Tip%1").arg(i))->isVisible());
}

TEST(ExpertOnTheCabinet, KeysSentToTheWindowWithNothingFocusedReachTheGame) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Machine& m = w.controller().machine;
    m.options.keyboardPlay = true;
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_FALSE(m.cabinet.Panel2.visible);
    QTest::keyClick(&w, Qt::Key_Insert);
    EXPECT_EQ(m.state.credits, 100);  // once, not once per filter
}

TEST(ExpertOnTheCabinet, KeysReachTheGameThroughTheWindow) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Machine& m = w.controller().machine;
    QTest::keyClick(keyTarget(w), Qt::Key_Insert);  // off: it only takes the intro away
    EXPECT_FALSE(m.cabinet.Panel2.visible);
    EXPECT_EQ(m.state.credits, 0);

    m.options.keyboardPlay = true;
    m.options.hint = true;
    QTest::keyClick(keyTarget(w), Qt::Key_Insert);
    EXPECT_EQ(m.state.credits, 100);
    QTest::sendKeyEvent(QTest::KeyAction::Press, keyTarget(w), Qt::Key_Insert, QString(), {}, -1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Insert, {}, QString(), true);
    QApplication::sendEvent(keyTarget(w), &repeat);  // a key held down loads once
    EXPECT_EQ(m.state.credits, 200);
    QTest::keyClick(keyTarget(w), Qt::Key_Space);
    EXPECT_EQ(m.state.phase, Phase::Dealt);
    QTest::keyClick(keyTarget(w), Qt::Key_F2);
    const ExpertView v = w.controller().expert.view();
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(m.state.held[i], v.keep[i]) << i;
    QTest::keyClick(keyTarget(w), Qt::Key_Return);
    EXPECT_EQ(m.state.phase, Phase::Settled);
}

// The window closes, or the time limit ends the run, while the trainer's
// question is open: the question is answered No, the draw never happens and
// the closing goes through.
TEST(ExpertOnTheCabinet, TheRunEndingWhileTheTrainerAsksDrawsNothing) {
    for (bool timeLimit : {false, true}) {
        TTalvern w;
        w.pacer().setTimeScale(0);
        w.show();
        Controller& c = w.controller();
        Machine& m = c.machine;
        m.options.trainer = true;
        c.click(Ctl::Panel2);
        c.click(Ctl::btnpay);
        c.click(Ctl::Deal);
        const Hand h{1, 13, 12, 11, 29};  // A K Q J of hearts and the three of clubs
        m.state.hand = h;
        for (int i = 0; i < 5; ++i) {
            m.showCard(i, h[static_cast<std::size_t>(i)]);
            m.setHeld(i, i == 4);
        }
        const int credits = m.state.credits;
        QString asked;
        int receipts = 0;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && asked.isEmpty()) {
                asked = box->text();
                // the question is still open
                if (timeLimit) c.timeLimitReached();
                else w.close();
            } else if (modal && !qobject_cast<QMessageBox*>(modal)) {
                QTest::keyClick(modal, Qt::Key_Escape);  // the receipt
                ++receipts;
            }
        });
        watcher.start(20);
        c.click(Ctl::Deal);
        QTest::qWait(300);
        EXPECT_TRUE(asked.startsWith("Лучше оставить A♥ K♥ Q♥ J♥")) << asked.toStdString();
        EXPECT_EQ(m.state.credits, credits);  // nothing more was charged
        EXPECT_EQ(m.stats.trainerDecisions, 0);
        if (timeLimit) {
            EXPECT_EQ(m.state.creditsTaken, credits);
            EXPECT_TRUE(m.state.boardReset);
        } else {
            EXPECT_EQ(m.state.hand, h);
            EXPECT_EQ(m.state.phase, Phase::Dealt);
        }
        EXPECT_GE(receipts, 1) << timeLimit;
        EXPECT_FALSE(w.isVisible()) << timeLimit;
        EXPECT_EQ(c.depth(), 0);
    }
}

TEST(ExpertOnTheCabinet, AScreenReaderHearsTheHintAndTheKeys) {
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    Machine& m = w.controller().machine;
    EXPECT_EQ(spokenDescription(child(w, "Deal")), "Сдать карты или заменить те, что не оставлены");
    m.options.keyboardPlay = true;
    w.render();
    EXPECT_EQ(spokenDescription(child(w, "Deal")), "Сдать карты или заменить те, что не оставлены. Клавиша: Enter или пробел");
    EXPECT_EQ(spokenDescription(child(w, "btnpay")), "Добавить 100 кредитов. Клавиша: Insert или 0");
    EXPECT_EQ(spokenDescription(child(w, "BtnRed")), "Следующая карта красной масти. Клавиша: стрелка влево");

    dealWithHint(w);
    const ExpertView v = w.controller().expert.view();
    const QString hint = spokenDescription(child(w, "Hint"));
    EXPECT_EQ(hint, spokenHint(v, m.cabinet));
    EXPECT_TRUE(hint.startsWith("Совет: оставить ")) << hint.toStdString();
    EXPECT_TRUE(hint.endsWith("Клавиша F2 оставляет эти карты."));
    for (std::size_t i = 0; i < 5; ++i) {
        const QString card = spokenDescription(child(w, QStringLiteral("Im%1").arg(i + 1)));
        EXPECT_EQ(card.contains("совет: оставить"), v.keep[i]) << card.toStdString();
        EXPECT_TRUE(card.endsWith(QStringLiteral("Клавиша: %1").arg(i + 1))) << card.toStdString();
        // five kept are "все пять", not five names
        const bool allFive = std::all_of(v.keep.begin(), v.keep.end(), [](bool k) { return k; });
        if (v.keep[i] && !allFive) {
            EXPECT_TRUE(hint.contains(spokenCard(m.state.hand[i]))) << hint.toStdString();
        }
    }
    if (std::all_of(v.keep.begin(), v.keep.end(), [](bool k) { return k; })) {
        EXPECT_TRUE(hint.contains(QStringLiteral("все пять"))) << hint.toStdString();
    }
}
