#pragma once
// One run of the machine's memory inside a test: the start of the run as the
// windows make it, a little play, the player leaving and the exit sequence
// against a port that records what the player is told.
#include <QDateTime>
#include <QStringList>

#include "memory.h"

namespace talvern::reliability {

struct NoPacer : Pacer {
    void pause(int) override {}
    void hold(int) override {}
    void processEvents() override {}
};
struct NoSound : SoundPort {
    void start(SoundId, bool) override {}
};
struct FixedClock : Clock {
    std::uint32_t millisecondsOfDayUtc() override { return 4242; }
};

struct RecordingPort : store::ExitPort {
    QStringList calls;
    QStringList problems;
    std::function<void()> onReceipt;
    bool askReset(const QString&) override { return false; }
    int displayMode() override { return 0; }
    void showReceipt() override {
        calls << QStringLiteral("receipt");
        if (onReceipt) onReceipt();
    }
    bool askPlayAgain(const QString&) override { return false; }
    void restoreDesktop(const store::DesktopMode&) override { calls << QStringLiteral("restore"); }
    void startAgain() override {}
    void reportProblem(const QString& message) override {
        calls << QStringLiteral("problem");
        problems << message;
    }
};

struct Session {
    NoPacer pacer;
    NoSound sound;
    FixedClock clock;
    Machine m{pacer, sound, clock};
    QDateTime now{QDate(2024, 3, 5), QTime(21, 30, 0)};
    store::Memory memory;
    RecordingPort port;

    explicit Session(const store::StorePaths& paths) : memory(m, paths, [this] { return now; }) {}

    void start() {
        memory.startOfRun({1024, 768, 24});
        memory.readDialogChoices();
        memory.createTotals();
        memory.openLog();
    }
    // Two loads, a few counted hands, a risk game, a game for the recall,
    // then leaving.
    void play() {
        m.recorder.newGame(1, 200, 1);
        m.recorder.firstDeal(Variant::JokerPoker, true, {4242, 0, 1, {1, 2, 3, 4, 5}});
        m.recorder.gameOver(199);
        for (int i = 0; i < 2; ++i) {
            m.state.creditsLoaded += 100;
            m.setCredits(m.state.credits + 100);
            m.syncCountedTotals();
        }
        m.stats.stdeal += 3;
        m.stats.redBlackAttempts += 1;
        m.setCredits(m.state.credits + 20);
        m.state.creditsTaken = m.state.credits;
    }
    void exit() { memory.exitSequence(port); }
    void whole() {
        start();
        play();
        exit();
    }
};

} // namespace talvern::reliability
