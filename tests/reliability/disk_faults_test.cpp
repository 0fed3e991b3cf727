// The machine's memory on a disk that will not take its writes: full, full
// but for one page, out of inodes, mounted read-only, or with a plain file
// where the config folder should be. The game still runs on what it could
// read, the player is told once at the end, and the files from before are
// there byte for byte.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

#include "session.h"
#include "support.h"

namespace talvern::reliability {
namespace {

// A settings file of more than one page (a user's own group beside the
// machine's), so that one free page cannot hold its new version, and the
// desktop values a run clears at once, so that the start of the run writes.
const QByteArray kSettings = [] {
    QByteArray s = "[vol]\nformat=12500\nnum=6\nbon=40\nscrw=1280\nscrh=1024\nscrp=32\n\n[stat]\nstdeal=120\nstrba=9\n\n[notes]\n";
    for (int i = 0; i < 200; ++i) s += "note" + QByteArray::number(i) + "=kept as it was, whatever the disk does\n";
    return s;
}();

// Two games of an earlier run in the recall file.
const QByteArray kRecall =
    "{\"v\":1,\"time\":\"2024-02-01T10:00:00\",\"run\":6,\"variant\":\"joker\",\"bet\":1,\"before\":100,"
    "\"after\":99,\"charged\":1,\"loaded\":0,\"counted\":true,\"deal\":{\"seed\":1,\"fortune\":0,\"roll\":0,"
    "\"cards\":[1,2,3,4,5]},\"class\":\"x\",\"line\":0,\"win\":0,\"risk\":\"none\",\"steps\":[]}\n"
    "not a game, kept as it is\n";

QByteArray earlierLog() {
    QByteArray l = "\r\n";
    for (int i = 1; i <= 6; ++i)
        l += QByteArray(38, '*') + "\r\nTalvern \xe2\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 10:00:00\r\n" +
             QByteArray(3000, 'x') + "\r\n";
    return l;
}

// A small tmpfs of its own, with the config and data folders on it.
class Tmpfs {
public:
    explicit Tmpfs(const QString& where, const QByteArray& options) : where_(where) {
        QDir().mkpath(where);
        if (mount("tmpfs", where.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0)
            mounted_ = true;
        else
            error_ = std::strerror(errno);
    }
    ~Tmpfs() {
        if (mounted_) umount2(where_.toLocal8Bit().constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }
    bool readOnly() {
        return mount(nullptr, where_.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Fills every free byte with one file, then gives back `leave` bytes.
    bool fill(qint64 leave) {
        QFile filler(where_ + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {}
        filler.close();
        return leave == 0 || filler.resize(std::max<qint64>(0, filler.size() - leave));
    }
    // Uses up every free inode with empty files.
    void useAllInodes() {
        for (int i = 0; i < 100000; ++i) {
            QFile f(where_ + "/inode" + QString::number(i));
            if (!f.open(QIODevice::WriteOnly)) return;
        }
    }

private:
    QString where_;
    bool mounted_ = false;
    std::string error_;
};

enum class Fault { NoSpace, OnePageLeft, NoInodes, ReadOnly };
void PrintTo(Fault f, std::ostream* os) {
    const char* names[] = {"no space left", "one page left", "no inodes left", "read-only"};
    *os << names[static_cast<int>(f)];
}

class SmallDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<Tmpfs> fs;
    store::StorePaths paths;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        fs = std::make_unique<Tmpfs>(dir.path() + "/home", "size=256k,nr_inodes=64,mode=0755");
        if (!fs->mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (" << fs->error() << "): needs root";
        paths.settingsFile = dir.path() + "/home/config/Ostrel/Talvern.conf";
        paths.dataFolder = dir.path() + "/home/data/Ostrel/Talvern";
        ASSERT_TRUE(writeBytes(paths.settingsFile, kSettings));
        ASSERT_TRUE(writeBytes(paths.logFile(), earlierLog()));
        ASSERT_TRUE(writeBytes(paths.recallFile(), kRecall));
    }
    // The recall file holds what it held, or that and the run's game whole
    // (one free page takes a line); the player is told when it is the former.
    void expectRecallKept(const QStringList& problems) {
        const QByteArray now = readBytes(paths.recallFile());
        ASSERT_TRUE(now.startsWith(kRecall));
        const QByteArray added = now.mid(kRecall.size());
        const bool told = problems.join('\n').contains("recall.jsonl");
        if (added.isEmpty()) {
            EXPECT_TRUE(told);
        } else {
            EXPECT_FALSE(told);
            EXPECT_EQ(added.count('\n'), 1);
            EXPECT_TRUE(added.endsWith('\n'));
        }
    }
    QStringList filesBeside() const {
        QStringList out;
        for (const QString& folder : {QFileInfo(paths.settingsFile).absolutePath(), paths.dataFolder})
            out += QDir(folder).entryList(QDir::Files | QDir::Hidden);
        return out;
    }
    void breakDisk(Fault f) {
        switch (f) {
        case Fault::NoSpace: ASSERT_TRUE(fs->fill(0)); break;
        case Fault::OnePageLeft: ASSERT_TRUE(fs->fill(4096)); break;
        case Fault::NoInodes: fs->useAllInodes(); break;
        case Fault::ReadOnly: ASSERT_TRUE(fs->readOnly()); break;
        }
    }
};

class BadDisk : public SmallDisk, public ::testing::WithParamInterface<Fault> {};

TEST_P(BadDisk, TheGameRunsThePlayerIsToldOnceAndTheEarlierFilesStay) {
    breakDisk(GetParam());
    Session run(paths);
    run.whole();
    // What could be read was read: the game ran on the stored figures.
    EXPECT_EQ(run.m.stats.countedJackPot, 12500);
    EXPECT_EQ(run.memory.totals().runNumber, 7);
    EXPECT_EQ(run.memory.storedAtStart().redBlackAttempts, 9);
    // Told once, at the very end, of both files.
    ASSERT_EQ(run.port.problems.size(), 1);
    EXPECT_EQ(run.port.calls, (QStringList{"receipt", "restore", "problem"}));
    EXPECT_TRUE(run.port.problems[0].contains("Talvern.conf"));
    EXPECT_TRUE(run.port.problems[0].contains("stat.log"));
    EXPECT_EQ(readBytes(paths.settingsFile), kSettings);
    EXPECT_EQ(readBytes(paths.logFile()), earlierLog());
    expectRecallKept(run.port.problems);
    EXPECT_EQ(filesBeside(), (QStringList{"Talvern.conf", "recall.jsonl", "stat.log"}));
}

INSTANTIATE_TEST_SUITE_P(Store, BadDisk,
                         ::testing::Values(Fault::NoSpace, Fault::OnePageLeft, Fault::NoInodes, Fault::ReadOnly),
                         [](const auto& info) {
                             switch (info.param) {
                             case Fault::NoSpace: return std::string("NoSpaceLeft");
                             case Fault::OnePageLeft: return std::string("OnePageLeft");
                             case Fault::NoInodes: return std::string("NoInodesLeft");
                             case Fault::ReadOnly: return std::string("ReadOnly");
                             }
                             return std::string();
                         });

// The disk fills while the game is played: the start of the run was
// written, the end is not, and the player hears of it once.
TEST_F(SmallDisk, FillingUpDuringTheRunKeepsWhatTheStartWrote) {
    Session run(paths);
    run.start();
    const QByteArray afterStart = readBytes(paths.settingsFile);
    ASSERT_NE(afterStart, kSettings);
    EXPECT_TRUE(afterStart.contains("\nscrw=0\n"));
    ASSERT_TRUE(fs->fill(0));
    run.play();
    run.exit();
    ASSERT_EQ(run.port.problems.size(), 1);
    EXPECT_EQ(readBytes(paths.settingsFile), afterStart);
    EXPECT_EQ(readBytes(paths.logFile()), earlierLog());
    expectRecallKept(run.port.problems);
    EXPECT_EQ(filesBeside(), (QStringList{"Talvern.conf", "recall.jsonl", "stat.log"}));
}

// Room again: the next run writes both files, keeping the earlier bytes.
TEST_F(SmallDisk, TheNextRunWithRoomWritesBothFilesAgain) {
    ASSERT_TRUE(fs->fill(0));
    {
        Session full(paths);
        full.whole();
        ASSERT_EQ(full.port.problems.size(), 1);
    }
    QFile::remove(dir.path() + "/home/filler");
    Session next(paths);
    next.whole();
    EXPECT_EQ(next.port.problems, QStringList());
    EXPECT_EQ(next.memory.totals().runNumber, 7);  // the full run's number was never stored
    EXPECT_TRUE(readBytes(paths.logFile()).startsWith(earlierLog()));
    EXPECT_TRUE(readBytes(paths.settingsFile).contains("note199=kept as it was, whatever the disk does\n"));
    const QByteArray recalled = readBytes(paths.recallFile());
    EXPECT_TRUE(recalled.startsWith(kRecall));
    // This run's game, after the full run's if the last page of the file had room for it.
    const qsizetype added = recalled.mid(kRecall.size()).count('\n');
    EXPECT_TRUE(added == 1 || added == 2) << added;
    EXPECT_TRUE(recalled.endsWith('\n'));
}

TEST(ConfigFolder, APlainFileWhereTheFolderShouldBeIsReportedAndLeftAlone) {
    QTemporaryDir dir;
    const QString blocker = dir.path() + "/config";
    ASSERT_TRUE(writeBytes(blocker, "not a folder\n"));
    store::StorePaths paths{blocker + "/Ostrel/Talvern.conf", dir.path() + "/data/Ostrel/Talvern"};
    Session run(paths);
    run.whole();
    EXPECT_EQ(run.m.state.jackPot, 10000);  // the defaults
    ASSERT_EQ(run.port.problems.size(), 1);
    EXPECT_TRUE(run.port.problems[0].contains("Talvern.conf"));
    EXPECT_FALSE(run.port.problems[0].contains("stat.log"));
    EXPECT_EQ(readBytes(blocker), "not a folder\n");
    EXPECT_TRUE(readBytes(paths.logFile()).contains("\r\n"));  // the log is elsewhere and is written
}

TEST(ConfigFolder, ASettingsFileThatIsAFolderIsNeverWrittenOver) {
    QTemporaryDir dir;
    store::StorePaths paths{dir.path() + "/config/Ostrel/Talvern.conf", dir.path() + "/data/Ostrel/Talvern"};
    ASSERT_TRUE(QDir().mkpath(paths.settingsFile + "/inside"));
    Session run(paths);
    run.whole();
    ASSERT_EQ(run.port.problems.size(), 1);
    EXPECT_TRUE(QFileInfo(paths.settingsFile + "/inside").isDir());
}

} // namespace
} // namespace talvern::reliability
