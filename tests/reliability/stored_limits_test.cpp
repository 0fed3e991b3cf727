// Totals from a store at the very top of the range of int (a damaged file,
// or a machine that has run for ever) meet the game's own counting. The
// store itself stops its sums at the ends of the range; the counters the
// flows raise during play must not wrap round either.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <climits>

#include "rig.h"
#include "memory.h"
#include "support.h"

namespace talvern::reliability {
namespace {

struct NoExit : store::ExitPort {
    bool askReset(const QString&) override { return false; }
    int displayMode() override { return 0; }
    void showReceipt() override {}
    bool askPlayAgain(const QString&) override { return false; }
    void restoreDesktop(const store::DesktopMode&) override {}
    void startAgain() override {}
    void reportProblem(const QString&) override {}
};

// A deal raises "stdeal"; wrapping round would store a negative count.
TEST(StoredLimits, ADealCountedAtTheTopOfTheRangeStaysThere) {
    QTemporaryDir dir;
    const store::StorePaths paths{dir.path() + "/Talvern.conf", dir.path() + "/data"};
    ASSERT_TRUE(writeBytes(paths.settingsFile, "[stat]\nstdeal=" + QByteArray::number(INT_MAX) + "\n"));
    test::Rig r;
    store::Memory memory(r.m, paths);
    memory.startOfRun({1024, 768, 24});
    ASSERT_EQ(r.m.stats.stdeal, INT_MAX);
    r.load();
    r.deal();
    EXPECT_EQ(r.m.stats.stdeal, INT_MAX);
    NoExit port;
    memory.exitSequence(port);
    EXPECT_EQ(store::SettingsStore(paths.settingsFile).read(store::stat::stdeal), INT_MAX);
}

} // namespace
} // namespace talvern::reliability
