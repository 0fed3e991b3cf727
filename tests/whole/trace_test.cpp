// The trace the whole-machine test reads: nothing without TALVERN_TRACE, and
// with it one line per press and key on the program's windows and a state
// line only when what the player sees has changed, in the fields the test
// script matches on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "talvern.h"
#include "trace.h"

using namespace talvern;

namespace {

using Fields = QMap<QString, QString>;

Fields parse(const QString& line) {
    Fields f;
    for (const QString& part : line.split(u'\t')) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq > 0) f.insert(part.left(eq), part.mid(eq + 1));
    }
    return f;
}

QList<Fields> lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<Fields> out;
    for (const QByteArray& l : file.readAll().split('\n'))
        if (!l.isEmpty()) out << parse(QString::fromUtf8(l));
    return out;
}

QList<Fields> ofKind(const QList<Fields>& all, const char* kind) {
    QList<Fields> out;
    for (const Fields& f : all)
        if (f.value(QStringLiteral("kind")) == QLatin1String(kind)) out << f;
    return out;
}

// One cabinet, without a trace of its own, for the whole program. It is
// never destroyed: its sound player waits for loading sounds in an event
// loop while the window is half gone, which a window shown a moment ago
// does not survive (reported; not the trace's to mend).
TTalvern* cabinet = nullptr;

// A trace of the cabinet into a scratch file, the cabinet as it was at the
// start: intro shown, no credits, no game on the table.
struct Traced {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("trace.log"));
    TTalvern& window = *cabinet;
    std::unique_ptr<Trace> trace;
    Traced() {
        Machine& m = window.controller().machine;
        m.cabinet.Panel2.visible = true;
        m.setCredits(0);
        m.showCover();
        window.render();
        qputenv("TALVERN_TRACE", path.toUtf8());
        trace = Trace::fromEnvironment(window);
        qunsetenv("TALVERN_TRACE");
    }
    void click(Ctl c) {
        window.controller().click(c);
        window.render();
    }
};

} // namespace

TEST(Trace, NothingIsTracedWithoutTheVariable) {
    qunsetenv("TALVERN_TRACE");
    EXPECT_EQ(Trace::fromEnvironment(*cabinet), nullptr);
    qputenv("TALVERN_TRACE", "");
    EXPECT_EQ(Trace::fromEnvironment(*cabinet), nullptr);
    qunsetenv("TALVERN_TRACE");
}

TEST(Trace, FiguresAreWhatTheCabinetShows) {
    Traced t;
    Fields f = parse(Trace::figures(t.window));
    EXPECT_EQ(f["busy"], "0");
    EXPECT_EQ(f["wait"], "0");
    EXPECT_EQ(f["modal"], "-");
    EXPECT_EQ(f["intro"], "1");
    EXPECT_EQ(f["credits"], "0");
    EXPECT_EQ(f["bet"], "1");
    EXPECT_EQ(f["jackpot"], "10000");
    EXPECT_EQ(f["cover"], "1");
    EXPECT_EQ(f["deal"], "0");
    const Cabinet& cab = t.window.controller().machine.cabinet;
    auto pictures = [&cab] {
        QStringList p;
        for (const CardPlace& place : cab.Im) p << place.picture;
        return p.join(u',');
    };
    EXPECT_EQ(f["cards"], pictures());
    EXPECT_EQ(f["l1"], "5 of a kind...");
    EXPECT_EQ(f["lv1"], "300");
    EXPECT_EQ(f["line10"], "0");
    EXPECT_EQ(f["panel3"], "0");
    EXPECT_EQ(f["ladder"], "-");
    EXPECT_EQ(f["jp"], "0");
    EXPECT_EQ(f["dlg"], "0");
    EXPECT_EQ(f["variant"], "0");
    EXPECT_EQ(f["risk"], "0");
    EXPECT_EQ(f["fortune"], "0%,0%,0%,0%");
    // (scratch folders are shared by the test programs: the run number is theirs)
    EXPECT_EQ(f["receipt"], QStringLiteral("%1,0,0,0,0").arg(t.window.memory().totals().runNumber));

    t.click(Ctl::Panel2);
    t.click(Ctl::btnpay);
    t.click(Ctl::Deal);  // the first deal, at once
    f = parse(Trace::figures(t.window));
    EXPECT_EQ(f["intro"], "0");
    EXPECT_EQ(f["credits"], "99");
    EXPECT_EQ(f["cover"], "0");
    EXPECT_EQ(f["picks"], "11111");  // the cards take holds now
    EXPECT_EQ(f["cards"], pictures());
    EXPECT_FALSE(f["cards"].contains(u'R'));  // faces, not backs
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(f["holds"].mid(i, 1), cab.lb[static_cast<std::size_t>(i)].visible ? "1" : "0");
}

// The expert: the hint's cards as five 0/1 ("-" while it says nothing), its
// words, and the card codes on the table.
TEST(Trace, TheHintIsReportedAsTheCardsItKeeps) {
    Traced t;
    Machine& m = t.window.controller().machine;
    t.click(Ctl::Panel2);
    t.click(Ctl::btnpay);
    t.click(Ctl::Deal);
    Fields f = parse(Trace::figures(t.window));
    EXPECT_EQ(f["advice"], "-");
    EXPECT_EQ(f["hint"], "");
    QStringList codes;
    for (Card c : m.state.hand) codes << QString::number(c);
    EXPECT_EQ(f["hand"], codes.join(u','));

    m.options.hint = true;
    f = parse(Trace::figures(t.window));
    const ExpertView v = t.window.controller().expert.view();
    ASSERT_TRUE(v.advice);
    QString mask;
    for (bool keep : v.keep) mask += keep ? u'1' : u'0';
    EXPECT_EQ(f["advice"], mask);
    EXPECT_EQ(f["hint"], v.hint);
    m.options.hint = false;
    t.click(Ctl::btnbet1);  // the board reset for the tests after this one
}

TEST(Trace, AStateLineOnlyWhenSomethingChanged) {
    Traced t;
    t.trace->sample();
    t.trace->sample();  // nothing changed: no second line
    t.click(Ctl::Panel2);
    t.trace->sample();
    t.click(Ctl::btnpay);
    t.trace->sample();
    const QList<Fields> states = ofKind(lines(t.path), "state");
    ASSERT_EQ(states.size(), 3);
    EXPECT_EQ(states[0]["intro"], "1");
    EXPECT_EQ(states[1]["intro"], "0");
    EXPECT_EQ(states[1]["credits"], "0");
    EXPECT_EQ(states[2]["credits"], "100");
    // numbered in order, with the time since the trace began
    EXPECT_LT(states[0]["seq"].toInt(), states[1]["seq"].toInt());
    EXPECT_LT(states[1]["seq"].toInt(), states[2]["seq"].toInt());
    EXPECT_LE(states[0]["t"].toLongLong(), states[2]["t"].toLongLong());
}

TEST(Trace, PressesAndKeysOnTheWindowAreNotedOnce) {
    Traced t;
    QWindow* win = t.window.windowHandle();
    ASSERT_NE(win, nullptr);
    QTest::mouseClick(win, Qt::LeftButton, {}, QPoint(400, 300));  // the intro picture
    QTest::keyClick(win, Qt::Key_Space);
    t.trace->sample();
    const QList<Fields> all = lines(t.path);
    const QList<Fields> inputs = ofKind(all, "input");
    ASSERT_EQ(inputs.size(), 2);
    EXPECT_EQ(inputs[0]["ev"], "press");
    EXPECT_EQ(inputs[0]["win"], "TalvernWindow");
    EXPECT_EQ(inputs[0]["x"], "400");
    EXPECT_EQ(inputs[0]["y"], "300");
    EXPECT_EQ(inputs[1]["ev"], "key");
    EXPECT_EQ(inputs[1]["key"], QString::number(Qt::Key_Space, 16));
    // the press reached the cabinet: the intro is gone
    const QList<Fields> states = ofKind(all, "state");
    ASSERT_FALSE(states.isEmpty());
    EXPECT_EQ(states.last()["intro"], "0");
}

TEST(Trace, TheLastLineIsWrittenWhenTheTraceEnds) {
    Traced t;
    t.click(Ctl::Panel2);
    t.click(Ctl::btnpay);
    t.click(Ctl::btnpay);
    t.trace.reset();
    const QList<Fields> all = lines(t.path);
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(all.last()["kind"], "end");
    EXPECT_EQ(all.last()["credits"], "200");
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);  // the store and the log go to scratch folders
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    qunsetenv("TALVERN_TRACE");
    cabinet = new TTalvern;
    cabinet->pacer().setTimeScale(0);
    cabinet->show();
    return RUN_ALL_TESTS();
}
