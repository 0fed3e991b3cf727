// The recall file: appended a game at a time, read back oldest first, cut
// down to the last games by a whole new file, and never confused by a line
// a killed run left open or by lines that are not records.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fixture.h"
#include "recallfile.h"

namespace talvern::store {
namespace {

recall::GameRecord game(int n) {
    recall::GameRecord g;
    g.time = "2026-12-08T10:00:00";
    g.run = 3;
    g.bet = 1;
    g.creditsBefore = n;
    g.creditsAfter = n - 1;
    g.charged = 1;
    g.deal = {static_cast<std::uint32_t>(n), 0, 5, {1, 2, 3, 4, 5}};
    return g;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeBytes(const QString& path, const QByteArray& b) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(b);
}
std::vector<int> befores(const RecallFile::Contents& c) {
    std::vector<int> out;
    for (const auto& g : c.games) out.push_back(g.creditsBefore);
    return out;
}

struct RecallFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.path() + "/recall.jsonl";
};

TEST_F(RecallFileTest, GamesAreAppendedALineEachAndReadBackInOrder) {
    RecallFile f(path);
    f.open();
    for (int n = 1; n <= 3; ++n) ASSERT_TRUE(f.append(game(n)));
    EXPECT_EQ(f.lines(), 3);
    EXPECT_EQ(bytesOf(path).count('\n'), 3);
    const auto c = RecallFile::read(path);
    EXPECT_EQ(befores(c), (std::vector{1, 2, 3}));
    EXPECT_EQ(c.damaged, 0);
    EXPECT_EQ(RecallFile::read(path, 2).games.size(), 2u);
    EXPECT_EQ(befores(RecallFile::read(path, 2)), (std::vector{2, 3}));
    // A new run counts what is there and goes on after it.
    RecallFile again(path);
    again.open();
    EXPECT_EQ(again.lines(), 3);
    ASSERT_TRUE(again.append(game(4)));
    EXPECT_EQ(befores(RecallFile::read(path)), (std::vector{1, 2, 3, 4}));
}

TEST_F(RecallFileTest, ALineAKilledRunLeftOpenIsEndedAndSkipped) {
    const QByteArray whole = QByteArray::fromStdString(recall::toJsonLine(game(1))) + "\n";
    const QByteArray cut = QByteArray::fromStdString(recall::toJsonLine(game(2))).left(40);
    writeBytes(path, whole + cut);
    RecallFile f(path);
    f.open();
    EXPECT_EQ(f.lines(), 2);
    ASSERT_TRUE(f.append(game(3)));
    const QByteArray after = bytesOf(path);
    EXPECT_EQ(after, whole + cut + "\n" + QByteArray::fromStdString(recall::toJsonLine(game(3))) + "\n");
    const auto c = RecallFile::read(path);
    EXPECT_EQ(befores(c), (std::vector{1, 3}));
    EXPECT_EQ(c.damaged, 1);
}

TEST_F(RecallFileTest, DamagedLinesAreSkippedAndKeptUntilTheyAgeOut) {
    QByteArray b = QByteArray::fromStdString(recall::toJsonLine(game(1))) + "\n";
    b += "not a game\r\n";
    b += QByteArray(100 * 1024, 'x') + "\n";  // longer than any record
    b += "{\"v\":1,\"time\":\"x\"}\n";       // a record of nothing
    b += "{\"v\":99}\n";                     // from a later machine
    b += QByteArray::fromStdString(recall::toJsonLine(game(2))) + "\n";
    writeBytes(path, b);
    RecallFile f(path);
    f.open();
    ASSERT_TRUE(f.append(game(3)));
    EXPECT_TRUE(bytesOf(path).startsWith(b));
    const auto c = RecallFile::read(path);
    EXPECT_EQ(befores(c), (std::vector{1, 2, 3}));
    EXPECT_EQ(c.damaged, 4);
}

TEST_F(RecallFileTest, TheOldestLinesGoByAWholeNewFileOnceTheSlackIsFull) {
    QByteArray b;
    b += "damaged\n";
    for (int n = 2; n <= kRecallKeep + kRecallSlack; ++n) b += QByteArray::fromStdString(recall::toJsonLine(game(n))) + "\n";
    writeBytes(path, b);
    RecallFile f(path);
    f.open();
    ASSERT_EQ(f.lines(), kRecallKeep + kRecallSlack);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(f.append(game(kRecallKeep + kRecallSlack + 1)));
    EXPECT_EQ(f.lines(), kRecallKeep);
    const auto c = RecallFile::read(path);
    ASSERT_EQ(static_cast<int>(c.games.size()), kRecallKeep);
    EXPECT_EQ(c.games.front().creditsBefore, kRecallSlack + 2);
    EXPECT_EQ(c.games.back().creditsBefore, kRecallKeep + kRecallSlack + 1);
    EXPECT_EQ(c.damaged, 0);
    // The new file took the old one's place whole: no temporary is left and
    // the player's permissions are kept.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"recall.jsonl"});
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::ReadGroup);
    // Below the slack again, games are only appended.
    ASSERT_TRUE(f.append(game(9999)));
    EXPECT_EQ(f.lines(), kRecallKeep + 1);
}

TEST_F(RecallFileTest, AFileThatCannotBeWrittenFailsAndStaysAsItWas) {
    // A folder where the file should be.
    QDir(dir.path()).mkdir("recall.jsonl");
    RecallFile f(path);
    f.open();
    EXPECT_FALSE(f.append(game(1)));
    EXPECT_TRUE(f.failed());
    EXPECT_TRUE(QFileInfo(path).isDir());
    const auto c = RecallFile::read(path);
    EXPECT_TRUE(c.games.empty());
    // No folder at all: nothing is made.
    RecallFile nowhere(dir.path() + "/missing/recall.jsonl");
    nowhere.open();
    EXPECT_FALSE(nowhere.append(game(1)));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/missing"));
}

// Through the machine's memory: a game the recorder finishes is on disk at
// once, and a recall file that cannot be written is told once at exit.
TEST(RecallMemory, EveryGameIsOnDiskAtOnceAndAFailureIsToldOnce) {
    test::testHome();
    for (const bool broken : {false, true}) {
        QTemporaryDir dir;
        StorePaths paths{dir.path() + "/Talvern.conf", dir.path() + "/data"};
        test::NoPacer pacer;
        test::Sounds sounds;
        test::FixedClock clock;
        Machine m(pacer, sounds, clock);
        Memory memory(m, paths, [] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0)); });
        memory.startOfRun({1024, 768, 24});
        memory.createTotals();
        if (broken) QDir().mkpath(paths.recallFile());
        memory.openLog();
        for (int n = 0; n < 2; ++n) {
            m.recorder.newGame(1, 100, 1);
            m.recorder.firstDeal(Variant::JokerPoker, true, {4242, 0, 1, {1, 2, 3, 4, 5}});
            m.recorder.gameOver(99);
        }
        if (!broken) {
            const auto c = RecallFile::read(paths.recallFile());
            ASSERT_EQ(c.games.size(), 2u);
            EXPECT_EQ(c.games[0].run, 1);
            EXPECT_EQ(c.games[0].time, "2026-12-08T10:00:00");
        }
        test::Port port;
        memory.exitSequence(port);
        ASSERT_EQ(port.problems.size(), broken ? 1u : 0u);
        if (broken) {
            EXPECT_TRUE(port.problems[0].contains("recall.jsonl")) << port.problems[0].toStdString();
        }
    }
}

} // namespace
} // namespace talvern::store
