// Damaged and oversized files: a settings file with junk, NUL bytes, values
// out of range, keys given twice, 50 MB of junk; a game log that is long,
// has LF-only lines, bytes with no character and a torn last line. Each
// value reads as its default or as what is stored, the game runs, and no
// byte the machine does not own is lost.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <climits>

#include <sys/stat.h>

#include "filebytes.h"
#include "gamelog.h"
#include "session.h"
#include "support.h"

namespace talvern::reliability {
namespace {

class Damaged : public ::testing::Test {
protected:
    QTemporaryDir dir;
    store::StorePaths paths;
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths.settingsFile = dir.path() + "/config/Ostrel/Talvern.conf";
        paths.dataFolder = dir.path() + "/data/Ostrel/Talvern";
        QDir().mkpath(paths.dataFolder);
    }
    int stored(const store::Value& v) const { return store::SettingsStore(paths.settingsFile).read(v); }
};

// --- the settings file --------------------------------------------------

TEST_F(Damaged, JunkNulBytesAndOutOfRangeValuesReadAsDefaultsAndTheJunkStays) {
    const QByteArray binary = junk(3000, 7);  // NULs, CRs, 0x98 and all
    const QByteArray longLine = "stp=" + QByteArray(5000, '7');
    const QByteArray foreign = "[other]\nname = \"a value of someone else's\"\n";
    // Random bytes may well hold a line that opens another group: the
    // machine's group is opened again after them.
    const QByteArray file = "[vol]\n" + binary + "\n[vol]\n" + QByteArray("format=12\0junk\n", 15) +
                            "bon=40\nbon1=99999999999\n3=77\n1=-4\nscreen=9\nnum=3\nnum=5\n\n" + foreign +
                            "[stat]\n" + longLine + "\nstrba=" +
                            QByteArray::number(INT_MAX) + "\nstcst=-2147483648\n";
    ASSERT_TRUE(writeBytes(paths.settingsFile, file));

    Session run(paths);
    run.start();
    EXPECT_EQ(run.m.state.jackPot, 10000);          // "12\0junk" is no number
    EXPECT_EQ(run.m.state.bonusPools[0], 40);
    EXPECT_EQ(run.m.state.bonusPools[1], 0);        // out of the range of int
    EXPECT_EQ(run.m.state.selectedBack, kFirstBack);  // 77 is no back
    EXPECT_EQ(run.memory.readDialogChoices().riskGame, std::nullopt);
    EXPECT_EQ(run.memory.totals().runNumber, 6);    // the later of the two lines
    EXPECT_EQ(run.m.stats.stp, 0);                  // a number too long to be one
    EXPECT_EQ(run.memory.storedAtStart().redBlackAttempts, INT_MAX);
    run.play();
    run.exit();
    EXPECT_EQ(run.port.problems, QStringList());

    const QByteArray after = readBytes(paths.settingsFile);
    // The junk and the foreign group are there byte for byte; the value
    // lines the machine writes are there once each.
    EXPECT_EQ(after.count(binary), 1);
    EXPECT_EQ(after.count(foreign), 1);
    EXPECT_FALSE(after.contains(longLine));
    EXPECT_EQ(after.count("\nnum="), 1);
    EXPECT_TRUE(after.contains("\nnum=6\n"));
    EXPECT_TRUE(after.contains("\nformat=10000\n"));
    // A total at the end of the range of int stays there instead of
    // wrapping round to a negative number.
    EXPECT_EQ(stored(store::stat::strba), INT_MAX);
    EXPECT_EQ(stored(store::stat::stcst), INT_MIN + 200);

    // The next run reads what this one wrote.
    Session next(paths);
    next.start();
    EXPECT_EQ(next.memory.totals().runNumber, 7);
    EXPECT_EQ(next.m.stats.stdeal, 3);
}

TEST_F(Damaged, ARunNumberAtTheEndOfTheRangeStaysThere) {
    ASSERT_TRUE(writeBytes(paths.settingsFile, "[vol]\nnum=" + QByteArray::number(INT_MAX) + "\n"));
    Session run(paths);
    run.whole();
    EXPECT_EQ(run.memory.totals().runNumber, INT_MAX);
    EXPECT_EQ(stored(store::vol::num), INT_MAX);
}

TEST_F(Damaged, FiftyMegabytesOfJunkAreKeptAndTheValuesAfterThemRead) {
    const QByteArray junkPart = junk(50 * 1024 * 1024, 11);
    ASSERT_TRUE(writeBytes(paths.settingsFile, junkPart + "\n[vol]\nformat=4242\nnum=8\n"));
    Session run(paths);
    run.whole();
    EXPECT_EQ(run.port.problems, QStringList());
    EXPECT_EQ(run.memory.storedAtStart().redBlackAttempts, 0);
    EXPECT_EQ(run.m.stats.countedJackPot, 4242);
    EXPECT_EQ(run.memory.totals().runNumber, 9);
    const QByteArray after = readBytes(paths.settingsFile);
    EXPECT_TRUE(after.startsWith(junkPart));
    EXPECT_LT(after.size() - junkPart.size(), 1000);
    EXPECT_EQ(stored(store::vol::num), 9);
}

TEST_F(Damaged, CrLfByteOrderMarkAndAnUnendedLastLineAreKept) {
    ASSERT_TRUE(writeBytes(paths.settingsFile, "\xef\xbb\xbf[vol]\r\nnum = 4\r\n\r\n[stat]\r\nstp=2"));
    {
        store::SettingsStore st(paths.settingsFile);
        EXPECT_EQ(st.read(store::vol::num), 4);
        EXPECT_EQ(st.read(store::stat::stp), 2);
        st.write(store::vol::num, 5);
        st.write(store::vol::format, 100);
        st.write(store::stat::stp, 3);
        st.write(store::stat::std_, 1);
        ASSERT_TRUE(st.close());
    }
    EXPECT_EQ(readBytes(paths.settingsFile),
              "\xef\xbb\xbf[vol]\r\nnum=5\r\nformat=100\n\r\n[stat]\r\nstp=3\nstd=1\n");
}

TEST_F(Damaged, AFileThatComesOutTheSameIsNotRewritten) {
    const QByteArray file = "[vol]\nscrw=0\nscrh=0\nscrp=0\n";
    ASSERT_TRUE(writeBytes(paths.settingsFile, file));
    QFile f(paths.settingsFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-3600);
    ASSERT_TRUE(f.setFileTime(before, QFileDevice::FileModificationTime));
    Session run(paths);
    run.memory.readDesktopToRestore({800, 600, 16});
    EXPECT_EQ(QFileInfo(paths.settingsFile).lastModified().toUTC(), before);
    EXPECT_EQ(readBytes(paths.settingsFile), file);
}

// Two steps open at once (two runs ending together): each writes only its
// own values into the file as the other left it.
TEST_F(Damaged, TwoStepsOpenAtOnceBothKeepTheirValues) {
    ASSERT_TRUE(writeBytes(paths.settingsFile, "[vol]\nbon=1\n"));
    store::SettingsStore a(paths.settingsFile);
    store::SettingsStore b(paths.settingsFile);
    b.write(store::vol::bon1, 22);
    ASSERT_TRUE(b.close());
    a.write(store::vol::bon2, 33);
    ASSERT_TRUE(a.close());
    EXPECT_EQ(stored(store::vol::bon), 1);
    EXPECT_EQ(stored(store::vol::bon1), 22);
    EXPECT_EQ(stored(store::vol::bon2), 33);
}

// --- the game log -------------------------------------------------------

TEST_F(Damaged, LfOnlyLinesNoCharacterBytesAndATornLineAreKept) {
    static const char bytes[] = "\r\nold run\nLF only\n\x98\x98\x98 no character\r\n\xff\x00\x01 torn in the midd";
    const QByteArray earlier(bytes, sizeof bytes - 1);
    ASSERT_TRUE(writeBytes(paths.logFile(), earlier));
    Session run(paths);
    run.start();
    EXPECT_TRUE(run.memory.logText().contains("LF only\n"));
    EXPECT_TRUE(run.memory.logText().contains("torn in the midd\n******"));
    run.play();
    run.exit();
    const QByteArray after = readBytes(paths.logFile());
    ASSERT_TRUE(after.startsWith(earlier + "\r\n" + QByteArray(38, '*') + "\r\n"));
    EXPECT_TRUE(after.endsWith("21:30:00\r\n"));
}

TEST_F(Damaged, ALongLogIsCopiedWholeAndTheViewerGetsItsEnd) {
    QByteArray earlier = "\r\n";
    for (int i = 1; earlier.size() < 3 * 1024 * 1024; ++i)
        earlier += "run " + QByteArray::number(i) + " " + QByteArray(200, 'x') + "\r\n";
    ASSERT_TRUE(writeBytes(paths.logFile(), earlier));
    Session run(paths);
    run.start();
    const QString text = run.memory.logText();
    EXPECT_LE(text.size(), store::GameLog::kViewerBytes + 200);
    EXPECT_TRUE(text.startsWith("run ")) << "the viewer starts on a whole line";
    const QByteArray lastEarlier = earlier.sliced(earlier.lastIndexOf("run "));
    EXPECT_TRUE(text.contains(QString::fromLatin1(lastEarlier.trimmed())));
    EXPECT_TRUE(text.endsWith("Игра номер  1"));
    run.play();
    run.exit();
    const QByteArray after = readBytes(paths.logFile());
    EXPECT_TRUE(after.startsWith(earlier));
    EXPECT_EQ(after.count("\r\n") - earlier.count("\r\n"), 8);
}

TEST_F(Damaged, ALogThatIsAFolderIsNeverWrittenOver) {
    ASSERT_TRUE(QDir().mkpath(paths.logFile() + "/inside"));
    Session run(paths);
    run.whole();
    ASSERT_EQ(run.port.problems.size(), 1);
    EXPECT_TRUE(run.port.problems[0].contains("stat.log"));
    EXPECT_TRUE(QFileInfo(paths.logFile() + "/inside").isDir());
}

// --- the pieces underneath ----------------------------------------------

TEST(FileLines, EveryKindOfLineEndAcrossPieceBoundaries) {
    // A CR LF split exactly between two pieces of the scan, a lone CR, an
    // LF, a line longer than the head and an unended last line.
    QByteArray bytes(64 * 1024 - 1, 'a');
    bytes += "\r\nb\rc\n" + QByteArray(1000, 'd') + "\ne";
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.path() + "/f", bytes));
    QFile f(dir.path() + "/f");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    std::vector<store::files::Line> lines;
    ASSERT_TRUE(store::files::scanLines(f, [&](const store::files::Line& l) { lines.push_back(l); }));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].length, 64 * 1024 - 1);
    EXPECT_EQ(lines[0].endLength, 2);
    EXPECT_FALSE(lines[0].whole());
    EXPECT_EQ(lines[0].head, QByteArray(store::files::kHeadBytes, 'a'));
    EXPECT_EQ(lines[1].head, "b");
    EXPECT_EQ(lines[1].endLength, 1);
    EXPECT_EQ(lines[2].head, "c");
    EXPECT_EQ(lines[3].length, 1000);
    EXPECT_EQ(lines[4].head, "e");
    EXPECT_EQ(lines[4].endLength, 0);
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].offset, lines[i - 1].end());
    EXPECT_EQ(lines.back().end(), bytes.size());
}

TEST(FileLines, StaleTemporariesGoAndEverythingElseStays) {
    QTemporaryDir dir;
    const QString conf = dir.path() + "/Talvern.conf";
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    // A player's own copies ("backup" has six letters, as a temporary's tail
    // does) stay; only the machine's marked temporaries go, once they are old.
    for (const char* name : {"Talvern.conf", "Talvern.conf.~talvern-abC123", "Talvern.conf.backup", "Talvern.conf.abC123",
                             "Talvern.conf.new", "Talvern.conf.~talvern-abC12-", "Talvern.conf.~talvern-abcdefg",
                             "other.~talvern-abC123", "Talvern.conf.~talvern-Fresh1"}) {
        ASSERT_TRUE(writeBytes(dir.path() + "/" + name, "x"));
        QFile f(dir.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        if (QByteArray(name) != "Talvern.conf.~talvern-Fresh1") f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    store::files::removeStaleTemporaries(conf);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"Talvern.conf", "Talvern.conf.abC123", "Talvern.conf.backup", "Talvern.conf.new",
                           "Talvern.conf.~talvern-Fresh1", "Talvern.conf.~talvern-abC12-",
                           "Talvern.conf.~talvern-abcdefg", "other.~talvern-abC123"}));
}

// The replacement keeps what the old file's owner set, and a new file gets
// what the umask allows, not the owner-only mode of a temporary file.
TEST(FileLines, AReplacementKeepsThePermissionsAndLeavesNoTemporary) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/stat.log";
    {
        store::files::Replacement out(path);
        ASSERT_TRUE(out.open());
        out.append("first");
        ASSERT_TRUE(out.commit());
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const QFileDevice::Permissions readOther =
        (mask & S_IROTH) ? QFileDevice::Permissions() : QFileDevice::Permissions(QFileDevice::ReadOther);
    EXPECT_EQ(QFileInfo(path).permissions() & QFileDevice::ReadOther, readOther);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    {
        store::files::Replacement out(path);
        ASSERT_TRUE(out.open());
        out.append("second");
        ASSERT_TRUE(out.commit());
    }
    EXPECT_EQ(readBytes(path), "second");
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions());
    {
        store::files::Replacement out(path);  // abandoned: nothing changes, nothing is left
        ASSERT_TRUE(out.open());
        out.append("third");
    }
    EXPECT_EQ(readBytes(path), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"stat.log"});
}

} // namespace
} // namespace talvern::reliability
