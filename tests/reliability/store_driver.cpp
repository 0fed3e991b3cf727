// One run of the machine's memory without a window, for the tests that kill
// it, starve its disk or feed it damaged files: the start of the run as the
// windows make it, a little play (credits, counted hands, a risk game), the
// player leaving and the whole exit sequence against a port that answers
// like a player who ticks nothing and wants no other game.
//
//   talvern_rel_driver CONFIG_FILE DATA_FOLDER [SNAPSHOT_FOLDER]
//
// Prints what the start of the run read ("name=value" lines) and the
// problems the exit reported, and exits 0. With a snapshot folder it copies
// the two files at the points between the writes of the run:
// settings.1 after the start, settings.2 and log.1 when the receipt shows,
// settings.3 and log.2 at the end. Every clock it reads is fixed, so two
// runs on the same files write the same bytes.
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdio>

#include "memory.h"
#include "session.h"

namespace {

using namespace talvern;

using reliability::FixedClock;
using reliability::NoPacer;
using reliability::NoSound;

struct Snapshots {
    QString folder;
    store::StorePaths paths;
    void take(const char* settings, const char* log) const {
        if (folder.isEmpty()) return;
        auto copy = [&](const QString& from, const char* name) {
            const QString to = folder + u'/' + QString::fromLatin1(name);
            QFile::remove(to);
            QFile::copy(from, to);
        };
        if (settings) copy(paths.settingsFile, settings);
        if (log) copy(paths.logFile(), log);
    }
};

struct Port : store::ExitPort {
    const Snapshots& snapshots;
    QStringList problems;
    explicit Port(const Snapshots& s) : snapshots(s) {}
    bool askReset(const QString&) override { return false; }
    int displayMode() override { return 0; }
    void showReceipt() override { snapshots.take("settings.2", "log.1"); }
    bool askPlayAgain(const QString&) override { return false; }
    void restoreDesktop(const store::DesktopMode&) override {}
    void startAgain() override {}
    void reportProblem(const QString& message) override { problems << message; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CONFIG_FILE DATA_FOLDER [SNAPSHOT_FOLDER]\n", argv[0]);
        return 2;
    }
    store::StorePaths paths{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const Snapshots snapshots{argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString(), paths};

    // The mark a tracer counts the run's own system calls from: everything
    // before it is the loading of the program. SIGURG is ignored unless a
    // tracer is watching.
    raise(SIGURG);

    NoPacer pacer;
    NoSound sound;
    FixedClock clock;
    Machine m(pacer, sound, clock);
    const QDateTime now(QDate(2024, 3, 5), QTime(21, 30, 0));
    store::Memory memory(m, paths, [&] { return now; });
    memory.startOfRun({1024, 768, 24});
    memory.readDialogChoices();
    memory.createTotals();
    memory.openLog();
    snapshots.take("settings.1", nullptr);

    std::printf("run=%d\n", memory.totals().runNumber);
    std::printf("jackpot=%d\n", m.state.jackPot);
    std::printf("pools=%d,%d,%d,%d\n", m.state.bonusPools[0], m.state.bonusPools[1], m.state.bonusPools[2],
                m.state.bonusPools[3]);
    std::printf("stp=%d stdeal=%d\n", m.stats.stp, m.stats.stdeal);
    const store::StoredStatistics& at = memory.storedAtStart();
    std::printf("credits=%d,%d,%d,%d\n", at.credits.loaded, at.credits.taken, at.credits.won, at.credits.lost);
    std::printf("redblack=%d,%d\n", at.redBlackAttempts, at.redBlackWins);
    std::printf("log=%lld\n", static_cast<long long>(memory.logText().size()));

    // A little play: two loads, some hands counted, one risk game won.
    for (int i = 0; i < 2; ++i) {
        m.state.creditsLoaded += 100;
        m.setCredits(m.state.credits + 100);
        m.syncCountedTotals();
    }
    m.stats.stdeal += 7;
    m.stats.stt += 2;
    m.stats.stp += 1;
    m.stats.redBlackAttempts += 1;
    m.stats.redBlackWins += 1;
    m.state.bonusPools[1] += 3;
    m.setCredits(m.state.credits + 55);
    m.setJackPot(m.state.jackPot + 5);
    // Leaving: the credit is taken out.
    m.state.creditsTaken = m.state.credits;

    Port port(snapshots);
    memory.exitSequence(port);
    snapshots.take("settings.3", "log.2");
    for (const QString& p : port.problems) std::printf("problem=%s\n", p.toUtf8().constData());
    std::printf("problems=%lld\n", static_cast<long long>(port.problems.size()));
    return 0;
}
