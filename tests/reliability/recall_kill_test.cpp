// The recall file killed at every system call of a run that appends games
// to it, once where the games are only appended and once where the oldest
// lines are dropped by a new file: after every kill each line but a last
// one left open is a whole record, the games are those before and the first
// of the new ones in order with none lost but the one being written, and
// the next run goes on after them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "recallfile.h"
#include "support.h"

namespace talvern::reliability {
namespace {

const QString kDriver = QStringLiteral(TALVERN_REL_RECALL);

QByteArray lineOf(int n) {
    recall::GameRecord g;
    g.time = "2026-12-08T10:00:00";
    g.creditsBefore = n;
    g.deal = {static_cast<std::uint32_t>(n), 0, 0, {1, 2, 3, 4, 5}};
    return QByteArray::fromStdString(recall::toJsonLine(g)) + "\n";
}

// Games 1..n as the file holds them.
QByteArray gamesUpTo(int n) {
    QByteArray b;
    for (int i = 1; i <= n; ++i) b += lineOf(i);
    return b;
}

std::vector<int> numbers(const store::RecallFile::Contents& c) {
    std::vector<int> out;
    for (const auto& g : c.games) out.push_back(g.creditsBefore);
    return out;
}

struct Case {
    const char* name;
    int before;  // games in the file before the run
};

class KilledAppend : public ::testing::TestWithParam<Case> {};

TEST_P(KilledAppend, EveryEarlierLineStaysWholeAndOnlyTheGameBeingWrittenIsLost) {
    const Case c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.path() + "/recall.jsonl";
    constexpr int kNew = 3;
    const QByteArray earlier = gamesUpTo(c.before);
    const QStringList args{file, QString::number(c.before + 1), QString::number(kNew)};
    std::vector<std::string> argv{kDriver.toStdString()};
    for (const QString& a : args) argv.push_back(a.toStdString());

    ASSERT_TRUE(writeBytes(file, earlier));
    const Traced reference = runTraced(argv, -1);
    if (!reference.permitted) GTEST_SKIP() << "ptrace is not permitted here: the kill points cannot be chosen";
    ASSERT_TRUE(reference.exitedNormally && reference.exitCode == 0);
    const long calls = reference.callsAfterMark;
    ASSERT_GT(calls, 3 * kNew);

    int cutLines = 0, rewritten = 0;
    for (long k = 0; k < calls; ++k) {
        ASSERT_TRUE(writeBytes(file, earlier));
        const Traced t = runTraced(argv, k);
        ASSERT_TRUE(t.killed) << "call " << k;
        const QByteArray now = readBytes(file);
        // Every line but an open last one is a whole record.
        const auto read = store::RecallFile::read(file, 1 << 20);
        const bool open = !now.isEmpty() && !now.endsWith('\n');
        cutLines += open;
        EXPECT_EQ(read.damaged, open ? 1 : 0) << "killed on entering call " << k;
        // The games are a run of consecutive numbers ending with the last one
        // written whole: the oldest may have gone, nothing in between.
        const std::vector<int> got = numbers(read);
        ASSERT_FALSE(got.empty()) << "call " << k;
        for (std::size_t i = 1; i < got.size(); ++i) ASSERT_EQ(got[i], got[i - 1] + 1) << "call " << k;
        EXPECT_GE(got.back(), c.before) << "call " << k << ": a game from before is lost";
        EXPECT_LE(got.back(), c.before + kNew) << "call " << k;
        if (got.front() != 1) {
            ++rewritten;
            EXPECT_GE(static_cast<int>(got.size()), store::kRecallKeep) << "call " << k;
            EXPECT_LE(static_cast<int>(got.size()), store::kRecallKeep + kNew) << "call " << k;
        }
        // The next run goes on after what is there, ending an open line first.
        const Finished next = runHelper(kDriver, {file, "9000", "1"});
        ASSERT_TRUE(next.ran && next.exitCode == 0) << "after call " << k;
        const auto after = store::RecallFile::read(file, 1 << 20);
        ASSERT_FALSE(after.games.empty());
        EXPECT_EQ(after.games.back().creditsBefore, 9000) << "after call " << k;
        EXPECT_EQ(after.damaged, open ? 1 : 0) << "after call " << k;
        if (HasFatalFailure() || HasNonfatalFailure()) return;
    }
    std::printf("[ kills    ] %s: %ld kills; %d left a line open; %d found the oldest lines dropped\n", c.name, calls,
                cutLines, rewritten);
    if (c.before + kNew > store::kRecallKeep + store::kRecallSlack) {
        EXPECT_GT(rewritten, 0) << "no kill came after the new file took the old one's place";
    }
}

INSTANTIATE_TEST_SUITE_P(Recall, KilledAppend,
                         ::testing::Values(Case{"appending", 10},
                                           Case{"dropping the oldest", store::kRecallKeep + store::kRecallSlack - 1}),
                         [](const auto& info) { return std::string(info.index == 0 ? "Appending" : "DroppingTheOldest"); });

} // namespace
} // namespace talvern::reliability
