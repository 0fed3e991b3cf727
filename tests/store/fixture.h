#pragma once
// A machine with a store of its own: every test gets an empty home (config
// and data folders in a temporary directory), a machine in virtual time and
// an exit port that answers the questions as the test says and records what
// was asked, in order.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <vector>

#include "memory.h"

namespace talvern::store::test {

// Points HOME and the XDG folders at a throw-away directory before anything
// of Qt looks at them, and puts QStandardPaths into its test mode.
struct TestHome {
    QTemporaryDir dir;
    TestHome() {
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
};
inline TestHome& testHome() {
    static TestHome home;
    return home;
}

struct NoPacer : Pacer {
    void pause(int) override {}
    void hold(int) override {}
    void processEvents() override {}
};
struct Sounds : SoundPort {
    std::vector<SoundId> started;
    void start(SoundId id, bool) override { started.push_back(id); }
};
struct FixedClock : Clock {
    std::uint32_t millisecondsOfDayUtc() override { return 4242; }
};

// Records every call as a word, so the order of the exit can be checked.
struct Port : ExitPort {
    std::deque<bool> resetAnswers;  // answers to the reset questions, in turn (No when empty)
    bool playAgain = false;
    int mode = 0;
    std::vector<QString> calls;
    std::vector<QString> problems;
    std::vector<DesktopMode> restored;
    std::function<void()> onReceipt, onStartAgain;

    bool askReset(const QString& q) override {
        calls.push_back(QStringLiteral("ask ") + q);
        if (resetAnswers.empty()) return false;
        const bool a = resetAnswers.front();
        resetAnswers.pop_front();
        return a;
    }
    int displayMode() override { return mode; }
    void showReceipt() override {
        calls.push_back(QStringLiteral("receipt"));
        if (onReceipt) onReceipt();
    }
    bool askPlayAgain(const QString& q) override {
        calls.push_back(QStringLiteral("offer ") + q);
        return playAgain;
    }
    void restoreDesktop(const DesktopMode& m) override {
        calls.push_back(QStringLiteral("restore"));
        restored.push_back(m);
    }
    void startAgain() override {
        calls.push_back(QStringLiteral("start again"));
        if (onStartAgain) onStartAgain();
    }
    void reportProblem(const QString& message) override {
        calls.push_back(QStringLiteral("problem"));
        problems.push_back(message);
    }
};

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// One run of the machine against the store of the current test.
struct Session {
    NoPacer pacer;
    Sounds sound;
    FixedClock clock;
    Machine m{pacer, sound, clock};
    Memory memory;
    Session(const StorePaths& paths, QDateTime on = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 2)))
        : memory(m, paths, [this] { return now; }), now(on) {}
    QDateTime now;

    // The start of a run in the order the windows are created.
    int start(DesktopMode desktop = {1920, 1080, 24}) {
        const int mode = memory.startOfRun(desktop);
        memory.readDialogChoices();
        memory.createTotals();
        memory.openLog();
        return mode;
    }
    // Loads credits as the load button does (counted while statistics are on).
    void load(int times = 1) {
        for (int i = 0; i < times; ++i) {
            m.state.creditsLoaded += 100;
            m.setCredits(m.state.credits + 100);
            m.syncCountedTotals();
        }
    }
    // Leaving as the exit buttons do: the whole credit is taken out.
    void leave() {
        m.state.creditsTaken = m.state.credits;
        m.cabinet.RxLabel7.text = QStringLiteral("0");
    }
};

class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    StorePaths paths;
    void SetUp() override {
        testHome();
        ASSERT_TRUE(dir.isValid());
        paths.settingsFile = dir.path() + "/config/Ostrel/Talvern.conf";
        paths.dataFolder = dir.path() + "/data/Ostrel/Talvern";
    }
    int stored(const Value& v) const {
        SettingsStore st(paths.settingsFile);
        return st.read(v);
    }
    void store(const Value& v, int value) const {
        SettingsStore st(paths.settingsFile);
        st.write(v, value);
    }
    QString settingsText() const { return QString::fromUtf8(readBytes(paths.settingsFile)); }
};

} // namespace talvern::store::test
