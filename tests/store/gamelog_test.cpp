// The game log byte for byte: the code page, CR LF, the block of a run, the
// fresh starts, earlier bytes kept as they were, and a write that fails.
#include "fixture.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <csignal>
#include <sys/resource.h>

namespace talvern::store::test {
namespace {

// The lines of a run in the code page, spelled out byte by byte.
const QByteArray kRule = QByteArray(38, '*') + "\r\n";
const QByteArray kOn = "Talvern \xe2\xea\xeb\xfe\xf7\xe5\xed - ";             // "включен"
const QByteArray kRunNo = "\xc8\xe3\xf0\xe0 \xed\xee\xec\xe5\xf0  ";           // "Игра номер  "
const QByteArray kLoaded = "\xc7\xe0\xf0\xff\xe6\xe5\xed\xee \xea\xf0\xe5\xe4\xe8\xf2\xee\xe2 ";
const QByteArray kTaken = "\xd1\xed\xff\xf2\xee \xea\xf0\xe5\xe4\xe8\xf2\xee\xe2 ";
const QByteArray kWon = "\xc2\xfb \xe2\xfb\xe8\xe3\xf0\xe0\xeb\xe8 ";
const QByteArray kLost = "\xc2\xfb \xef\xf0\xee\xe8\xe3\xf0\xe0\xeb\xe8 ";
const QByteArray kOff = "Talvern \xe2\xfb\xea\xeb\xfe\xf7\xe5\xed - ";        // "выключен"

QByteArray block(int run, const char* on, int loaded, int taken, int won, int lost, const char* off) {
    auto n = [](int v) { return QByteArray::number(v); };
    return kRule + kOn + on + "\r\n" + kRunNo + n(run) + "\r\n" + kLoaded + n(loaded) + "\r\n" + kTaken + n(taken) +
           "\r\n" + kWon + n(won) + "\r\n" + kLost + n(lost) + "\r\n" + kOff + off + "\r\n";
}

TEST(StoreLogRules, FreshStartsAtTheStatedRunNumbers) {
    for (int n : {50, 100, 1100, 2450, 2500, 3000, 3500, 9500, 10000}) EXPECT_TRUE(startsAfresh(n)) << n;
    for (int n : {0, 1, 49, 51, 2550, 2600, 2999, 3050, 3250, 10050, 10500, 11000, -50})
        EXPECT_FALSE(startsAfresh(n)) << n;
}

TEST(StoreLogRules, TimestampIsDayMonthYearAndTwentyFourHourTime) {
    EXPECT_EQ(logTimestamp(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 2))), "05.03.2024, 09:07:02");
    EXPECT_EQ(logTimestamp(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58))), "31.12.1999, 23:59:58");
}

TEST(StoreLogRules, OwnCodePageTableAgreesWithQtsCodec) {
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid()) GTEST_SKIP() << "no windows-1251 codec in this Qt";
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != 0x98) all.append(static_cast<char>(b));  // 0x98 is no character
    const QString viaQt = decoder.decode(all);
    EXPECT_EQ(decodeCp1251Table(all), viaQt);
    EXPECT_EQ(encodeCp1251Table(viaQt), all);
    EXPECT_EQ(encodeCp1251(viaQt), all);
}

TEST_F(StoreTest, FirstRunWritesANewLogWithAnEmptyFirstLine) {
    Session run(paths);
    run.start();
    run.load(2);
    run.m.setCredits(350);
    run.leave();
    run.now = QDateTime(QDate(2024, 3, 5), QTime(21, 30, 0));
    Port port;
    run.memory.exitSequence(port);
    EXPECT_EQ(readBytes(paths.logFile()),
              "\r\n" + block(1, "05.03.2024, 09:07:02", 200, 350, 150, 0, "05.03.2024, 21:30:00"));
}

TEST_F(StoreTest, EachRunAppendsItsBlockAndKeepsEarlierBytesAsTheyWere) {
    // Bytes that are no text of the code page, a line in another encoding
    // and a last line without its line end.
    const QByteArray earlier = QByteArray("\r\nold run\r\n\x98\x98 broken\n") + "\xd0\x9f\xd1\x80\xd0\xb8 utf-8\r\nno end";
    writeBytes(paths.logFile(), earlier);
    store(vol::num, 6);
    Session run(paths);
    run.start();
    run.load(3);
    run.m.setCredits(300);
    run.leave();
    Port port;
    run.memory.exitSequence(port);
    EXPECT_EQ(readBytes(paths.logFile()),
              earlier + "\r\n" + block(7, "05.03.2024, 09:07:02", 300, 300, 0, 0, "05.03.2024, 09:07:02"));
}

TEST_F(StoreTest, FreshStartReplacesTheOldLogAndOtherRunsDoNot) {
    const QByteArray earlier = "\r\n" + block(48, "01.01.2024, 10:00:00", 100, 0, 0, 100, "01.01.2024, 11:00:00");
    for (const auto& [num, fresh] : {std::pair{49, true}, {50, false}, {2549, false}}) {
        writeBytes(paths.logFile(), earlier);
        store(vol::num, num);
        Session run(paths);
        run.start();
        run.load();
        run.m.setCredits(40);
        run.leave();
        Port port;
        run.memory.exitSequence(port);
        const QByteArray expectedBlock = block(num + 1, "05.03.2024, 09:07:02", 100, 40, 0, 60, "05.03.2024, 09:07:02");
        EXPECT_EQ(readBytes(paths.logFile()), (fresh ? QByteArray("\r\n") : earlier) + expectedBlock) << num + 1;
    }
}

TEST_F(StoreTest, ViewerShowsEarlierRunsAndOnlyTheOpeningLinesOfThisOne) {
    writeBytes(paths.logFile(), "\r\nold line\r\n");
    Session run(paths);
    run.start();
    EXPECT_EQ(run.memory.logText(), QString("\nold line\n") + kLogRule +
                                        "\nTalvern включен - 05.03.2024, 09:07:02\nИгра номер  1");
    // The file itself is not touched before the end of the run.
    EXPECT_EQ(readBytes(paths.logFile()), "\r\nold line\r\n");

    Session fresh(StorePaths{paths.settingsFile, dir.path() + "/elsewhere"});
    fresh.start();
    EXPECT_TRUE(fresh.memory.logText().startsWith("\n" + kLogRule + "\n"));
}

TEST_F(StoreTest, AFailedWriteLeavesTheEarlierLogWhole) {
    // A file-size limit makes the write fail for root too, half way through
    // the new file: the old one must survive byte for byte.
    QByteArray earlier;
    for (int i = 0; i < 300; ++i) earlier += "\r\n" + block(i, "01.01.2024, 10:00:00", 100, 0, 0, 100, "01.01.2024, 11:00:00");
    writeBytes(paths.logFile(), earlier);
    store(vol::num, 300);

    Session run(paths);
    run.start();
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(earlier.size() + 16);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Port port;
    run.memory.exitSequence(port);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(run.memory.logFailed());
    ASSERT_EQ(port.problems.size(), 1u);
    EXPECT_TRUE(port.problems[0].contains("журнал"));
    EXPECT_EQ(readBytes(paths.logFile()), earlier);
    // No half-written file is left beside it.
    EXPECT_EQ(QDir(paths.dataFolder).entryList(QDir::Files | QDir::Hidden), QStringList{"stat.log"});
}

} // namespace
} // namespace talvern::store::test
