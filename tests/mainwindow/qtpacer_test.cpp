// The cabinet's pacer renders before every wait, but a flow that only
// handles events between its steps is rendered at most once a frame, and
// its last step is never left unrendered.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "qtpacer.h"

using namespace talvern;

namespace {

// What the model holds and what the last render showed.
struct Model {
    int value = 0;
    int shown = -1;
    int renders = 0;
};

// The pacer renders the model: what it shows and how often.
void renderInto(QtPacer& pacer, Model& m) {
    pacer.setRender([&m] {
        m.shown = m.value;
        ++m.renders;
    });
}

// Handles events until `done`, for at most two seconds.
template <typename Done>
bool until(Done done) {
    for (int i = 0; i < 400 && !done(); ++i) QTest::qWait(5);
    return done();
}

} // namespace

TEST(QtPacer, ATightLoopOfStepsIsRenderedAtMostOnceAFrameAndItsLastStepAlways) {
    QtPacer pacer;
    pacer.setFrameMs(16);
    Model m;
    renderInto(pacer, m);
    QElapsedTimer t;
    t.start();
    int events = 0;
    QTimer ticker;  // events keep being handled after each step
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++events; });
    ticker.start(0);
    for (int i = 1; i <= 20000; ++i) {
        m.value = i;
        pacer.processEvents();
    }
    const qint64 took = t.elapsed();
    EXPECT_GT(events, 0);
    EXPECT_LE(m.renders, took / 16 + 2) << took << " ms";
    EXPECT_GE(m.renders, 1);
    // the last step shows at the end of its frame, without another step
    EXPECT_TRUE(until([&] { return m.shown == 20000; }));
    EXPECT_FALSE(pacer.renderDue());  // and nothing more is rendered after it
}

TEST(QtPacer, AWaitRendersAtOnceEvenRightAfterAStep) {
    QtPacer pacer;
    pacer.setFrameMs(1000);
    Model m;
    renderInto(pacer, m);
    m.value = 1;
    pacer.processEvents();  // the first step of a run renders
    EXPECT_EQ(m.shown, 1);
    m.value = 2;
    pacer.processEvents();  // within the frame: not yet
    EXPECT_EQ(m.shown, 1);
    m.value = 3;
    pacer.pause(0);
    EXPECT_EQ(m.shown, 3);
    m.value = 4;
    pacer.hold(0);
    EXPECT_EQ(m.shown, 4);
}

TEST(QtPacer, ANewRenderTargetTakesOverAndAnAbortStillUnwinds) {
    QtPacer pacer;
    pacer.setFrameMs(20);
    Model first, second;
    pacer.setRender([&] { ++first.renders; });
    pacer.processEvents();
    pacer.processEvents();  // leaves a render due in a frame ...
    EXPECT_TRUE(pacer.renderDue());
    pacer.setRender([&] { ++second.renders; });  // ... for the old target: dropped
    EXPECT_FALSE(pacer.renderDue());
    EXPECT_EQ(first.renders, 1);

    pacer.pause(0);  // renders the new target
    EXPECT_EQ(second.renders, 1);
    pacer.processEvents();
    EXPECT_TRUE(pacer.renderDue());
    pacer.abortWaits();
    EXPECT_THROW(pacer.processEvents(), Unwind);
    EXPECT_THROW(pacer.pause(10), Unwind);
    pacer.resume();
    // the due render comes all the same, harmlessly
    EXPECT_TRUE(until([&] { return second.renders == 2; }));
    EXPECT_EQ(first.renders, 1);
}
