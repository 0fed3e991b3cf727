// The bookkeeping: the credit statistics and receipt arithmetic, and how the
// synchronisation points freeze and discard play made with statistics off.
#include "fixture.h"

#include "game.h"

namespace talvern::store::test {
namespace {

TEST(StoreCredits, WonAndLostAreMeasuredFromTheLoadedCredits) {
    struct Case {
        int storedLoaded, storedTaken, runLoaded, runTaken;
        CreditStatistics expected;
    };
    for (const Case& c : {Case{0, 0, 300, 450, {300, 450, 0, 150}}, Case{0, 0, 450, 300, {450, 300, 150, 0}},
                          Case{0, 0, 300, 300, {300, 300, 0, 0}}, Case{1000, 200, 300, 1500, {1300, 1700, 0, 400}},
                          Case{100, 50, 0, 0, {100, 50, 50, 0}}}) {
        const CreditStatistics got = addRun(c.storedLoaded, c.storedTaken, c.runLoaded, c.runTaken);
        EXPECT_EQ(got.loaded, c.expected.loaded);
        EXPECT_EQ(got.taken, c.expected.taken);
        EXPECT_EQ(got.won, c.expected.won) << c.runLoaded << "/" << c.runTaken;
        EXPECT_EQ(got.lost, c.expected.lost) << c.runLoaded << "/" << c.runTaken;
    }
}

TEST_F(StoreTest, ReceiptFiguresFollowTheCreditsWhileStatisticsAreOn) {
    Session run(paths);
    run.start();
    run.load(3);
    TotalsFigures& t = run.memory.totals();
    for (const auto& [credits, won, lost] : {std::tuple{420, 120, 0}, {250, 0, 50}, {300, 0, 0}}) {
        run.m.setCredits(credits);
        run.memory.totalsActivated();
        EXPECT_EQ(t.loaded, 300);
        EXPECT_EQ(t.taken, 0);
        EXPECT_EQ(t.won, won) << credits;
        EXPECT_EQ(t.lost, lost) << credits;
    }
    // With statistics off the figures stay as they were last set.
    run.m.options.fortune[3] = -5;
    run.m.options.statisticsOff = true;
    run.m.setCredits(900);
    run.load();
    run.memory.totalsActivated();
    EXPECT_EQ(t.loaded, 300);
    EXPECT_EQ(t.won, 0);
    EXPECT_EQ(t.lost, 0);
}

TEST_F(StoreTest, OpeningTheSettingsAndOkDiscardPlayMadeWithStatisticsOff) {
    Session run(paths);
    run.start();
    Machine& m = run.m;
    run.load(2);
    m.setCredits(230);  // won 30 while counting
    m.syncCountedTotals();
    m.setJackPot(10100);
    run.memory.settingsOpened();
    EXPECT_EQ(m.stats.countedJackPot, 10100);

    // The player moves a fortune setting, loads and plays on.
    m.options.fortune[0] = 50;
    m.options.statisticsOff = true;  // the dialog sets it as the slider moves
    run.load();
    m.setCredits(m.state.credits + 470);
    m.setJackPot(10700);
    m.syncCountedTotals();
    EXPECT_EQ(m.stats.countedCredits, 230);
    EXPECT_EQ(m.stats.countedLoaded, 200);

    // Opening the dialog again puts the live figures back to the counted ones,
    // whatever the flag says.
    run.memory.settingsOpened();
    const TotalsFigures& t = run.memory.totals();
    EXPECT_EQ(t.loaded, 200);
    EXPECT_EQ(t.taken, 0);
    EXPECT_EQ(t.won, 30);
    EXPECT_EQ(t.lost, 0);
    EXPECT_EQ(m.state.creditsLoaded, 200);
    EXPECT_EQ(m.state.credits, 230);
    EXPECT_EQ(m.cabinet.RxLabel7.text, "230");
    EXPECT_EQ(m.stats.countedJackPot, 10100);
    EXPECT_EQ(m.state.jackPot, 10700);

    // OK with the setting still away from 0 changes nothing more ...
    run.memory.settingsAccepted();
    EXPECT_EQ(m.state.jackPot, 10700);
    // ... and OK with all settings back at 0 brings the counted Jack Pot back.
    m.options.fortune[0] = 0;
    m.options.statisticsOff = false;
    run.memory.settingsAccepted();
    EXPECT_EQ(m.state.jackPot, 10100);
    EXPECT_EQ(m.cabinet.RxLabel6.text, "10100");
    EXPECT_EQ(m.state.credits, 230);
    EXPECT_EQ(m.stats.countedCredits, 230);
}

TEST_F(StoreTest, ALossShowsAsLostWhenTheSettingsOpen) {
    Session run(paths);
    run.start();
    run.load(3);
    run.m.setCredits(120);
    run.memory.settingsOpened();
    const TotalsFigures& t = run.memory.totals();
    EXPECT_EQ(t.won, 0);
    EXPECT_EQ(t.lost, 180);
    EXPECT_EQ(run.m.state.credits, 120);
}

TEST_F(StoreTest, StatisticsOffAtPlusFiftyStoreWhatWasCountedBefore) {
    store(stat::stcst, 1000);
    store(stat::stcto, 700);
    store(stat::stdeal, 40);
    Session run(paths);
    run.start();
    Machine& m = run.m;
    GameFlow game(m);
    for (int i = 0; i < 3; ++i) game.loadClick();
    game.dealClick();
    game.dealClick();
    EXPECT_EQ(m.stats.stdeal, 42);
    const int countedCredits = m.state.credits;

    m.options.fortune[0] = 50;
    m.options.statisticsOff = true;  // the dialog sets it as the slider moves
    game.loadClick();
    for (int i = 0; i < 6; ++i) game.dealClick();
    m.setJackPot(10200);
    m.state.bonusPools[0] = 77;
    run.leave();
    EXPECT_EQ(m.stats.stdeal, 42);
    EXPECT_EQ(m.stats.countedLoaded, 300);

    Port port;
    run.memory.exitSequence(port);
    EXPECT_EQ(stored(stat::stdeal), 42);
    EXPECT_EQ(stored(stat::stcst), 1300);
    EXPECT_EQ(stored(stat::stcto), 700);  // the credits were taken out while not counting
    EXPECT_EQ(stored(stat::stcw), 600);
    EXPECT_EQ(stored(stat::stcl), 0);
    EXPECT_EQ(stored(stat::strba), 0);
    EXPECT_EQ(stored(vol::format), 10000);  // the counted Jack Pot, not the one shown
    EXPECT_EQ(stored(vol::bon), 77);        // the pools are stored as they are
    EXPECT_EQ(m.stats.countedCredits, countedCredits);
}

} // namespace
} // namespace talvern::store::test
