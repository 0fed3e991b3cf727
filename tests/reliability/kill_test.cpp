// The machine's memory killed at the worst moment: a run of the store
// (start, play, exit) under ptrace, killed with SIGKILL on entering each of
// its system calls in turn, from the first read of the start of the run to
// the last of the exit. After every kill the settings file and the game log
// must each be one of the versions a whole run passes through, never empty
// or torn, and the next run must start from them normally and end well.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include <map>
#include <set>

#include "gamelog.h"
#include "settingsstore.h"
#include "support.h"

namespace talvern::reliability {
namespace {

const QString kDriver = QStringLiteral(TALVERN_REL_DRIVER);

struct Scenario {
    const char* name;
    std::optional<QByteArray> settings;  // nullopt: no file yet
    std::optional<QByteArray> log;
};

QByteArray block(int run) {
    const QByteArray n = QByteArray::number(run);
    return QByteArray(38, '*') + "\r\nTalvern \xe2\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 10:00:00\r\n"
                                 "\xc8\xe3\xf0\xe0 \xed\xee\xec\xe5\xf0  " + n +
           "\r\n\xc7\xe0\xf0\xff\xe6\xe5\xed\xee \xea\xf0\xe5\xe4\xe8\xf2\xee\xe2 100\r\n"
           "\xd1\xed\xff\xf2\xee \xea\xf0\xe5\xe4\xe8\xf2\xee\xe2 40\r\n\xc2\xfb \xe2\xfb\xe8\xe3\xf0\xe0\xeb\xe8 0\r\n"
           "\xc2\xfb \xef\xf0\xee\xe8\xe3\xf0\xe0\xeb\xe8 60\r\nTalvern \xe2\xfb\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 11:00:00\r\n";
}

QByteArray logOf(int firstRun, int runs) {
    QByteArray out = "\r\n";
    for (int i = 0; i < runs; ++i) out += block(firstRun + i);
    return out;
}

const QByteArray kPlainSettings =
    "[stat]\nstcl=0\nstcst=700\nstcto=300\nstcw=400\nstdeal=120\nstp=2\nstrba=9\nstrbv=4\n\n"
    "[vol]\n1=2\n2=2\n3=4\nbon=40\nbon1=11\nbon2=0\nbon3=7\nexit=0\nformat=12500\nnum=6\nscrh=1024\nscrp=32\nscrw=1280\nscreen=0\n";

// CR LF, a line of junk with a NUL, a value given twice, an unknown group,
// a desktop to restore, no line end at the end.
constexpr char kDamagedSettingsBytes[] =
    "\xef\xbb\xbf[vol]\r\nformat = 9000\r\njunk\0line\r\nnum=11\r\nnum=12\r\nscrw=1600\r\nscrh=900\r\n\r\n"
    "[other]\r\nkeep=me\r\n[stat]\r\nstdeal=5\r\nstp=x7\r\nstrba=3";
const QByteArray kDamagedSettings(kDamagedSettingsBytes, sizeof kDamagedSettingsBytes - 1);

const QByteArray kLongLog = [] {
    // 1.5 MB of runs, LF-only lines, bytes that are no character, a torn end.
    QByteArray l = logOf(1, 6000);
    l += "LF only\nline\n\x98\x98\x98\r\n" + block(6001).left(120);
    return l;
}();

class KilledRun : public ::testing::TestWithParam<Scenario> {
protected:
    QTemporaryDir dir;
    QString work() const { return dir.path() + "/work"; }
    QString conf() const { return work() + "/config/Ostrel/Talvern.conf"; }
    QString data() const { return work() + "/data/Ostrel/Talvern"; }
    QString log() const { return data() + "/stat.log"; }

    void reset(const Scenario& s) {
        QDir(work()).removeRecursively();
        QDir().mkpath(QFileInfo(conf()).absolutePath());
        QDir().mkpath(data());
        if (s.settings) {
            ASSERT_TRUE(writeBytes(conf(), *s.settings));
        }
        if (s.log) {
            ASSERT_TRUE(writeBytes(log(), *s.log));
        }
    }
    std::vector<std::string> argv() const {
        return {kDriver.toStdString(), conf().toStdString(), data().toStdString()};
    }
    // Files left beside the two, e.g. a temporary file named but not yet
    // renamed when the kill came.
    QStringList strays() const {
        QStringList out;
        for (const QString& folder : {QFileInfo(conf()).absolutePath(), data()})
            for (const QString& f : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                if (f != "Talvern.conf" && f != "stat.log") out << folder + u'/' + f;
        return out;
    }
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

// A file's version: its bytes, or absent.
using Version = std::optional<QByteArray>;
Version versionOf(const QString& path) {
    if (!QFileInfo::exists(path)) return std::nullopt;
    return readBytes(path);
}

TEST_P(KilledRun, EveryCallOfTheRunLeavesAWholeVersionOfEachFile) {
    const Scenario s = GetParam();
    // The versions a whole run passes through, in order.
    reset(s);
    const QString snaps = dir.path() + "/snapshots";
    QDir().mkpath(snaps);
    const Finished whole = runHelper(kDriver, {conf(), data(), snaps});
    ASSERT_TRUE(whole.ran && whole.exitCode == 0) << whole.out.constData();
    ASSERT_EQ(whole.value("problems"), "0") << whole.out.constData();
    const std::vector<Version> settingsVersions = {s.settings, readBytes(snaps + "/settings.1"),
                                                   readBytes(snaps + "/settings.2"), readBytes(snaps + "/settings.3")};
    const std::vector<Version> logVersions = {s.log, readBytes(snaps + "/log.2")};
    EXPECT_EQ(versionOf(snaps + "/log.1"), s.log) << "the log is written only at the very end";
    // Each step changes the file, or the check below would prove nothing.
    for (std::size_t i = 1; i < settingsVersions.size(); ++i)
        EXPECT_NE(settingsVersions[i], settingsVersions[i - 1]) << "settings version " << i;
    EXPECT_NE(logVersions[1], logVersions[0]);

    // The same run traced to its end: it writes the same bytes, and the
    // number of its calls is the number of places to kill it.
    reset(s);
    const Traced reference = runTraced(argv(), -1);
    if (!reference.permitted) GTEST_SKIP() << "ptrace is not permitted here: the kill points cannot be chosen";
    ASSERT_TRUE(reference.markSeen && reference.exitedNormally && reference.exitCode == 0);
    EXPECT_EQ(versionOf(conf()), settingsVersions[3]);
    EXPECT_EQ(versionOf(log()), logVersions[1]);
    const long calls = reference.callsAfterMark;
    ASSERT_GT(calls, 20);

    std::map<std::pair<int, int>, int> seen;  // (settings version, log version) -> kills
    int strayFiles = 0;
    for (long k = 0; k < calls; ++k) {
        reset(s);
        const Traced t = runTraced(argv(), k);
        ASSERT_TRUE(t.killed) << "call " << k;
        const Version settingsNow = versionOf(conf());
        const Version logNow = versionOf(log());
        const auto sv = std::find(settingsVersions.begin(), settingsVersions.end(), settingsNow);
        const auto lv = std::find(logVersions.begin(), logVersions.end(), logNow);
        ASSERT_NE(sv, settingsVersions.end())
            << "killed on entering call " << k << " (system call " << t.killedCall << "): the settings file is torn ("
            << (settingsNow ? settingsNow->size() : -1) << " bytes)";
        ASSERT_NE(lv, logVersions.end()) << "killed on entering call " << k << " (system call " << t.killedCall
                                         << "): the log is torn (" << (logNow ? logNow->size() : -1) << " bytes)";
        const int si = static_cast<int>(sv - settingsVersions.begin());
        const int li = static_cast<int>(lv - logVersions.begin());
        // The order of the exit: statistics, then the log, then the run number.
        if (li == 1) {
            EXPECT_GE(si, 2) << "call " << k << ": the log came before the statistics";
        }
        if (si == 3) {
            EXPECT_EQ(li, 1) << "call " << k << ": the run number came before the log";
        }
        ++seen[{si, li}];
        // A temporary file named but not yet renamed when the kill came is
        // cleared by a later run once it is old.
        const QStringList left = strays();
        strayFiles += static_cast<int>(left.size());
        for (const QString& path : left) {
            QFile stray(path);
            ASSERT_TRUE(stray.open(QIODevice::ReadOnly | QIODevice::ExistingOnly));
            stray.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime);
        }

        // The next run starts from what is there and ends normally.
        const int storedNum = store::SettingsStore(conf()).read(store::vol::num);
        const int storedJackPot = store::SettingsStore(conf()).read(store::vol::format);
        const Finished next = runHelper(kDriver, {conf(), data()});
        ASSERT_TRUE(next.ran && next.exitCode == 0) << "after call " << k << ":\n" << next.out.constData();
        EXPECT_EQ(next.value("problems"), "0") << "after call " << k << ":\n" << next.out.constData();
        EXPECT_EQ(next.value("run").toInt(), storedNum + 1) << "after call " << k;
        EXPECT_EQ(next.value("jackpot").toInt(), storedJackPot) << "after call " << k;
        // It adds its block to whatever log survived (the fiftieth run
        // starts afresh, and says so with the empty first line).
        const QByteArray after = readBytes(log());
        const int run = next.value("run").toInt();
        if (store::startsAfresh(run) || !logNow)
            EXPECT_TRUE(after.startsWith("\r\n" + QByteArray(38, '*'))) << "after call " << k;
        else
            EXPECT_TRUE(after.startsWith(*logNow)) << "after call " << k;
        EXPECT_TRUE(after.endsWith("\r\n")) << "after call " << k;
        EXPECT_EQ(strays(), QStringList()) << "after call " << k;
        if (HasFatalFailure() || HasNonfatalFailure()) return;
    }
    // Report what the kills left, for the record of the run.
    std::string summary;
    for (const auto& [v, n] : seen)
        summary += "settings v" + std::to_string(v.first) + " + log v" + std::to_string(v.second) + ": " +
                   std::to_string(n) + "  ";
    std::printf("[ kills    ] %s: %ld kills; %s; stray temporary files: %d\n", s.name, calls, summary.c_str(),
                strayFiles);
    // Every version was reached by some kill: the kills did cover the run.
    for (int si = 0; si < 4; ++si) {
        bool any = false;
        for (const auto& [v, n] : seen) any = any || v.first == si;
        EXPECT_TRUE(any) << "no kill left settings version " << si;
    }
}

std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info) {
    static const char* const names[] = {"OrdinaryRun", "DamagedFilesLongLog", "FreshLogAtRunFifty", "FirstRun"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Store, KilledRun,
    ::testing::Values(Scenario{"an ordinary run", kPlainSettings, logOf(1, 6)},
                      Scenario{"damaged settings and a long damaged log", kDamagedSettings, kLongLog},
                      Scenario{"the fiftieth run starts the log afresh",
                               QByteArray(kPlainSettings).replace("num=6", "num=49"), logOf(1, 49)},
                      Scenario{"the first run", std::nullopt, std::nullopt}),
    scenarioName);

} // namespace
} // namespace talvern::reliability
