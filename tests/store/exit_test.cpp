// The exit sequence: its order, the four reset questions and what each answer
// keeps or drops, the display mode, pools and Jack Pot, the offer of another
// game, and a store or log that cannot be written.
#include "fixture.h"

#include <QFileInfo>

namespace talvern::store::test {
namespace {

// A run that has played: earlier runs in the store, this run's counts in
// the machine.
struct Played {
    explicit Played(const StorePaths& paths) : run(paths) {
        auto put = [&](const Value& v, int x) {
            SettingsStore st(paths.settingsFile);
            st.write(v, x);
        };
        put(stat::stp, 2);
        put(stat::stdeal, 500);
        put(stat::stcst, 1000);
        put(stat::stcto, 400);
        put(stat::strba, 30);
        put(stat::strbv, 14);
        put(stat::stbsa, 20);
        put(stat::stbsv, 9);
        run.start();
        Statistics& s = run.m.stats;
        s.stp += 1;
        s.stk += 3;
        s.stdeal += 60;
        s.redBlackAttempts = 5;
        s.redBlackWins = 2;
        s.higherLowerAttempts = 4;
        s.higherLowerWins = 1;
        run.load(2);
        run.m.setCredits(350);
        run.leave();
    }
    Session run;
};

TEST_F(StoreTest, WithEveryBoxTickedNothingIsAskedAndEverythingAdds) {
    Played p(paths);
    Port port;
    port.mode = 1;
    p.run.memory.exitSequence(port);
    EXPECT_EQ(port.calls, (std::vector<QString>{"receipt", "restore"}));
    EXPECT_EQ(stored(stat::stp), 3);
    EXPECT_EQ(stored(stat::stk), 3);
    EXPECT_EQ(stored(stat::stdeal), 560);
    EXPECT_EQ(stored(stat::stcst), 1200);
    EXPECT_EQ(stored(stat::stcto), 750);
    EXPECT_EQ(stored(stat::stcw), 450);
    EXPECT_EQ(stored(stat::stcl), 0);
    EXPECT_EQ(stored(stat::strba), 35);
    EXPECT_EQ(stored(stat::strbv), 16);
    EXPECT_EQ(stored(stat::stbsa), 24);
    EXPECT_EQ(stored(stat::stbsv), 10);
    EXPECT_EQ(stored(vol::screen), 1);
    EXPECT_EQ(stored(vol::num), 1);
    EXPECT_TRUE(port.problems.empty());
    // The "home" sound starts just before the receipt.
    ASSERT_FALSE(p.run.sound.started.empty());
    EXPECT_EQ(p.run.sound.started.back(), SoundId::Home);
}

TEST_F(StoreTest, ResetQuestionsComeInOrderAndNoKeepsTheGroup) {
    Played p(paths);
    ExitChoices& boxes = p.run.memory.exitChoices();
    boxes.saveCombinations = boxes.saveCredits = boxes.saveRedBlack = boxes.saveHigherLower = false;
    Port port;
    port.resetAnswers = {false, false, false, false};
    p.run.memory.exitSequence(port);
    EXPECT_EQ(port.calls, (std::vector<QString>{"ask " + kResetCombinations, "ask " + kResetCredits,
                                                "ask " + kResetRedBlack, "ask " + kResetHigherLower, "receipt",
                                                "restore"}));
    // No ticks the box again: each group stores as if it had been ticked.
    EXPECT_TRUE(boxes.saveCombinations && boxes.saveCredits && boxes.saveRedBlack && boxes.saveHigherLower);
    EXPECT_EQ(stored(stat::stp), 3);
    EXPECT_EQ(stored(stat::stdeal), 560);
    EXPECT_EQ(stored(stat::stcst), 1200);
    EXPECT_EQ(stored(stat::strba), 35);
    EXPECT_EQ(stored(stat::stbsv), 10);
}

TEST_F(StoreTest, YesResetsAGroupAndDropsThisRunsCounts) {
    Played p(paths);
    ExitChoices& boxes = p.run.memory.exitChoices();
    boxes.saveCombinations = boxes.saveCredits = boxes.saveRedBlack = boxes.saveHigherLower = false;
    Port port;
    port.resetAnswers = {true, true, false, true};
    p.run.memory.exitSequence(port);
    for (const Value& v : stat::combinations) EXPECT_EQ(stored(v), 0) << v.name;
    for (const Value& v : {stat::stcst, stat::stcto, stat::stcw, stat::stcl}) EXPECT_EQ(stored(v), 0) << v.name;
    EXPECT_EQ(stored(stat::strba), 35);  // answered No
    EXPECT_EQ(stored(stat::stbsa), 0);
    EXPECT_EQ(stored(stat::stbsv), 0);
    EXPECT_FALSE(boxes.saveCombinations);
    EXPECT_FALSE(boxes.saveCredits);
    EXPECT_TRUE(boxes.saveRedBlack);
    // The value texts are there, as zeros, not missing.
    EXPECT_TRUE(settingsText().contains("\nstcst=0\n"));
}

TEST_F(StoreTest, DisplayModePoolsAndJackPotAreStoredAtExit) {
    Session run(paths);
    run.start();
    run.m.state.bonusPools = {11, 22, 33, 44};
    run.m.setJackPot(12500);
    Port port;
    port.mode = 0;
    run.memory.exitChoices().rememberDisplayMode = false;
    run.memory.exitSequence(port);
    EXPECT_EQ(stored(vol::screen), 1);  // not remembered: the next run starts full screen
    EXPECT_EQ(stored(vol::bon), 11);
    EXPECT_EQ(stored(vol::bon1), 22);
    EXPECT_EQ(stored(vol::bon2), 33);
    EXPECT_EQ(stored(vol::bon3), 44);
    EXPECT_EQ(stored(vol::format), 12500);
    EXPECT_EQ(run.m.stats.countedJackPot, 12500);

    Session next(paths);
    EXPECT_EQ(next.start(), 1);
    EXPECT_EQ(next.m.state.jackPot, 12500);
    EXPECT_EQ(next.m.state.bonusPools, (std::array<int, 4>{11, 22, 33, 44}));

    // The sequence runs once, however often the window asks for it.
    store(vol::bon, 1);
    run.memory.exitSequence(port);
    EXPECT_EQ(stored(vol::bon), 1);
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "receipt"), 1);
}

TEST_F(StoreTest, TwoRunsEndingOneAfterTheOtherBothAddTheirCredits) {
    Session a(paths), b(paths);
    a.start();
    b.start();
    a.load(3);
    a.leave();
    b.load(1);
    b.m.setCredits(250);
    b.leave();
    Port port;
    a.memory.exitSequence(port);
    b.memory.exitSequence(port);
    EXPECT_EQ(stored(stat::stcst), 400);
    EXPECT_EQ(stored(stat::stcto), 550);
    EXPECT_EQ(stored(stat::stcl), 150);
}

TEST_F(StoreTest, PlayingAgainWritesEverythingBeforeTheNewRunStarts) {
    Session first(paths);
    first.start({2560, 1440, 30});
    first.memory.storeDialogChoices({RiskChoice::RedBlack, true, 1, true});
    first.memory.readDialogChoices();
    ASSERT_TRUE(first.memory.exitChoices().offerAnotherGame);
    first.load();
    first.leave();

    Port port;
    port.playAgain = true;
    bool checked = false;
    port.onStartAgain = [&] {
        // What the new run reads at its start is on disk already.
        EXPECT_EQ(stored(vol::num), 1);
        EXPECT_EQ(stored(vol::scrw), 2560);
        EXPECT_EQ(stored(vol::scrh), 1440);
        EXPECT_EQ(stored(vol::scrp), 30);
        EXPECT_TRUE(readBytes(paths.logFile()).contains("Talvern \xe2\xfb\xea\xeb\xfe\xf7\xe5\xed - "));
        checked = true;
    };
    first.memory.exitSequence(port);
    ASSERT_TRUE(checked);
    EXPECT_EQ(port.calls, (std::vector<QString>{"receipt", "offer " + kPlayAgain, "start again"}));
    EXPECT_TRUE(port.restored.empty());

    // The new run takes over the desktop of the first one, clears it from
    // the store and restores exactly that one at its own end.
    Session second(paths);
    second.start({800, 600, 16});
    EXPECT_EQ(second.memory.totals().runNumber, 2);
    EXPECT_EQ(stored(vol::scrw), 0);
    Port port2;
    port2.playAgain = false;
    second.memory.exitSequence(port2);
    EXPECT_EQ(port2.calls, (std::vector<QString>{"receipt", "offer " + kPlayAgain, "restore"}));
    ASSERT_EQ(port2.restored.size(), 1u);
    EXPECT_EQ(port2.restored[0], (DesktopMode{2560, 1440, 30}));
    EXPECT_EQ(stored(vol::scrw), 0);
    EXPECT_EQ(stored(vol::num), 2);
}

TEST_F(StoreTest, AStoreThatCannotBeWrittenIsReportedOnceAndTheRunStillEnds) {
    // A settings file under a plain file: no folder can be made for it, not
    // even by root.
    writeBytes(dir.path() + "/blocker", "x");
    paths.settingsFile = dir.path() + "/blocker/Ostrel/Talvern.conf";
    Session run(paths);
    run.start();
    run.load();
    run.leave();
    Port port;
    run.memory.exitSequence(port);
    ASSERT_EQ(port.problems.size(), 1u);
    EXPECT_TRUE(port.problems[0].contains("Не удалось сохранить настройки"));
    EXPECT_TRUE(port.problems[0].contains("Talvern.conf"));
    EXPECT_FALSE(port.problems[0].contains("журнал"));
    EXPECT_EQ(port.calls.back(), "problem");
    EXPECT_TRUE(run.memory.storeFailed());
    // The log is elsewhere and is still written.
    EXPECT_FALSE(run.memory.logFailed());
    EXPECT_TRUE(QFileInfo::exists(paths.logFile()));
}

TEST_F(StoreTest, ALogThatCannotBeWrittenIsReportedOnce) {
    writeBytes(dir.path() + "/blocker", "x");
    paths.dataFolder = dir.path() + "/blocker/Ostrel/Talvern";
    Session run(paths);
    run.start();
    EXPECT_FALSE(run.memory.prepareDataFolder());
    Port port;
    port.playAgain = true;
    run.memory.exitChoices().offerAnotherGame = true;
    run.memory.exitSequence(port);
    ASSERT_EQ(port.problems.size(), 1u);
    EXPECT_TRUE(port.problems[0].contains("Не удалось записать журнал игр"));
    EXPECT_TRUE(port.problems[0].contains("stat.log"));
    // Said before the new run starts, and the store is still written.
    EXPECT_EQ(port.calls, (std::vector<QString>{"receipt", "offer " + kPlayAgain, "problem", "start again"}));
    EXPECT_EQ(stored(vol::num), 1);
    EXPECT_FALSE(run.memory.storeFailed());
}

} // namespace
} // namespace talvern::store::test
