// The settings store: its defaults, what it makes of values it cannot read,
// the values the start of a run reads and clears, and the dialog's choices.
#include "fixture.h"

#include <QFileInfo>

namespace talvern::store::test {
namespace {

TEST(StoreDecimal, OnlySignedDigitsWithinIntAreNumbers) {
    EXPECT_EQ(parseDecimal("0"), 0);
    EXPECT_EQ(parseDecimal("10000"), 10000);
    EXPECT_EQ(parseDecimal("-12"), -12);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimal("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "+", "abc", "12abc", " 1", "1 ", "2147483648", "-2147483649",
                            "99999999999999999999", "0x10", "1e3", "1.0", "١٢"})
        EXPECT_EQ(parseDecimal(QString::fromUtf8(bad)), std::nullopt) << bad;
}

TEST_F(StoreTest, FirstRunWithAnEmptyStoreTakesEveryDefault) {
    Session run(paths);
    EXPECT_EQ(run.start({1280, 1024, 24}), 0);
    const Machine& m = run.m;
    EXPECT_EQ(m.state.jackPot, 10000);
    EXPECT_EQ(m.cabinet.RxLabel6.text, "10000");
    EXPECT_EQ(m.stats.countedJackPot, 10000);
    EXPECT_EQ(m.state.bonusPools, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(m.cabinet.RxLabel5.text, "0");
    EXPECT_EQ(m.state.selectedBack, kFirstBack);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(combinationCounter(m.stats, i), 0);
    EXPECT_EQ(run.memory.totals().runNumber, 1);
    EXPECT_TRUE(QFileInfo(paths.dataFolder).isDir());

    const DialogChoices c = run.memory.readDialogChoices();
    EXPECT_EQ(c.riskGame, RiskChoice::RedBlack);
    EXPECT_TRUE(c.builtInDeck);
    EXPECT_EQ(c.back, 1);
    EXPECT_FALSE(c.offerAnotherGame);
    EXPECT_FALSE(run.memory.exitChoices().offerAnotherGame);

    // The desktop values are written back as 0 at once, as decimal text.
    const QString ini = settingsText();
    EXPECT_TRUE(ini.contains("[vol]"));
    EXPECT_TRUE(ini.contains("scrw=0"));
    EXPECT_TRUE(ini.contains("scrh=0"));
    EXPECT_TRUE(ini.contains("scrp=0"));
}

TEST_F(StoreTest, ValuesThatAreNotDecimalTextReadAsTheirDefaults) {
    writeBytes(paths.settingsFile,
               "[vol]\n"
               "screen=\n"
               "format=abc\n"
               "bon=99999999999\n"
               "bon1=12abc\n"
               "bon2=1, 2\n"
               "bon3=-40\n"
               "1=9\n"
               "3=7\n"
               "exit=2\n"
               "num=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
               "[stat]\n"
               "stp=3\n"
               "stp=8\n"
               "str= 5\n"
               "stq=0012\n");
    Session run(paths);
    EXPECT_EQ(run.start(), 0);
    const Machine& m = run.m;
    EXPECT_EQ(m.state.jackPot, 10000);
    EXPECT_EQ(m.stats.countedJackPot, 10000);
    EXPECT_EQ(m.state.bonusPools, (std::array<int, 4>{0, 0, 0, -40}));
    EXPECT_EQ(m.state.selectedBack, kFirstBack);  // 7 is no back: the first one
    EXPECT_EQ(run.memory.totals().runNumber, 1);  // a serialised variant is not decimal text
    // Of a key given twice the later line counts, and it is one value.
    EXPECT_EQ(m.stats.stp, 8);
    EXPECT_EQ(m.stats.str, 5);  // blanks around '=' are the file's layout, not the value
    EXPECT_EQ(m.stats.stq, 12);

    const DialogChoices c = run.memory.readDialogChoices();
    EXPECT_EQ(c.riskGame, std::nullopt);  // no risk game marked
    EXPECT_FALSE(c.offerAnotherGame);

    // Writing the store back leaves each key once, as plain decimal text.
    Port port;
    run.memory.exitSequence(port);
    const QString ini = settingsText();
    EXPECT_EQ(ini.count("\nstp="), 1);
    EXPECT_TRUE(ini.contains("\nstp=8\n"));
    EXPECT_TRUE(ini.contains("\nformat=10000\n"));
    EXPECT_TRUE(ini.contains("\nbon3=-40\n"));
}

TEST_F(StoreTest, StoredValuesComeBackAtTheStartOfTheNextRun) {
    store(vol::screen, 1);
    store(vol::format, 12345);
    store(vol::bon, 70);
    store(vol::bon1, 41);
    store(vol::bon2, 52);
    store(vol::bon3, 103);
    store(vol::back, 4);
    store(vol::num, 41);
    for (std::size_t i = 0; i < 10; ++i) store(stat::combinations[i], static_cast<int>(i) * 10 + 1);
    store(stat::stcst, 900);
    store(stat::stcto, 400);
    store(stat::stcw, 500);
    store(stat::strba, 6);

    Session run(paths);
    EXPECT_EQ(run.start(), 1);
    const Machine& m = run.m;
    EXPECT_EQ(m.state.jackPot, 12345);
    EXPECT_EQ(m.cabinet.RxLabel6.text, "12345");
    EXPECT_EQ(m.stats.countedJackPot, 12345);
    EXPECT_EQ(m.state.bonusPools, (std::array<int, 4>{70, 41, 52, 103}));
    EXPECT_EQ(m.cabinet.RxLabel5.text, "70");
    EXPECT_EQ(m.state.selectedBack, kFirstBack + 3);
    EXPECT_EQ(m.stats.stp, 1);
    EXPECT_EQ(m.stats.std_, 81);
    EXPECT_EQ(m.stats.stdeal, 91);
    EXPECT_EQ(run.memory.totals().runNumber, 42);
    // This run's risk counters start at 0; the stored ones are kept aside.
    EXPECT_EQ(m.stats.redBlackAttempts, 0);
    const StoredStatistics& s = run.memory.storedAtStart();
    EXPECT_EQ(s.credits.loaded, 900);
    EXPECT_EQ(s.credits.taken, 400);
    EXPECT_EQ(s.credits.won, 500);
    EXPECT_EQ(s.redBlackAttempts, 6);
    EXPECT_EQ(s.combinations[9], 91);
}

TEST_F(StoreTest, DialogChoicesMapBothWays) {
    struct Case {
        int stored;
        std::optional<RiskChoice> choice;
    };
    for (const Case& c : {Case{0, RiskChoice::RedBlack}, Case{1, RiskChoice::RedBlack},
                          Case{2, RiskChoice::HigherLower}, Case{3, RiskChoice::RussianRoulette},
                          Case{4, RiskChoice::Random}, Case{5, std::nullopt}, Case{-1, std::nullopt}}) {
        store(vol::riskGame, c.stored);
        SettingsStore st(paths.settingsFile);
        EXPECT_EQ(readDialogChoices(st).riskGame, c.choice) << c.stored;
    }
    for (const auto& [stored, back] : {std::pair{0, 1}, {1, 1}, {2, 2}, {5, 5}, {6, 1}, {-3, 1}}) {
        store(vol::back, stored);
        SettingsStore st(paths.settingsFile);
        EXPECT_EQ(readDialogChoices(st).back, back) << stored;
    }
    store(vol::exitOffer, 1);
    {
        SettingsStore st(paths.settingsFile);
        EXPECT_TRUE(readDialogChoices(st).offerAnotherGame);
    }

    Session run(paths);
    run.memory.storeDialogChoices({RiskChoice::HigherLower, true, 3, true});
    EXPECT_EQ(stored(vol::riskGame), 2);
    EXPECT_EQ(stored(vol::deck), 2);
    EXPECT_EQ(stored(vol::back), 3);
    EXPECT_EQ(stored(vol::exitOffer), 1);
    // No additional game and an external deck store nothing of their own.
    store(vol::deck, 7);
    run.memory.storeDialogChoices({RiskChoice::None, false, 5, false});
    EXPECT_EQ(stored(vol::riskGame), 2);
    EXPECT_EQ(stored(vol::deck), 7);
    EXPECT_EQ(stored(vol::back), 5);
    EXPECT_EQ(stored(vol::exitOffer), 0);
    run.memory.storeDialogChoices({std::nullopt, true, 1, false});
    EXPECT_EQ(stored(vol::riskGame), 2);
}

TEST_F(StoreTest, DesktopModeIsReadOnceAndClearedAtOnce) {
    store(vol::scrw, 1920);
    store(vol::scrh, 1200);
    store(vol::scrp, 0);
    Session first(paths);
    EXPECT_EQ(first.memory.readDesktopToRestore({800, 600, 16}), (DesktopMode{1920, 1200, 16}));
    EXPECT_EQ(stored(vol::scrw), 0);
    EXPECT_EQ(stored(vol::scrh), 0);
    EXPECT_EQ(stored(vol::scrp), 0);
    Session second(paths);
    EXPECT_EQ(second.memory.readDesktopToRestore({800, 600, 16}), (DesktopMode{800, 600, 16}));
}

TEST_F(StoreTest, StandardPlacesFollowTheTestHome) {
    const StorePaths p = StorePaths::standard();
    const QString home = testHome().dir.path();
    EXPECT_TRUE(p.settingsFile.endsWith("/Ostrel/Talvern.conf")) << p.settingsFile.toStdString();
    EXPECT_TRUE(p.dataFolder.endsWith("/Ostrel/Talvern")) << p.dataFolder.toStdString();
    EXPECT_TRUE(p.logFile().endsWith("/Ostrel/Talvern/stat.log"));
    EXPECT_TRUE(p.settingsFile.startsWith(home)) << p.settingsFile.toStdString();
    EXPECT_TRUE(p.dataFolder.startsWith(home)) << p.dataFolder.toStdString();

    // The data folder is made with all its parents.
    NoPacer pacer;
    Sounds sound;
    FixedClock clock;
    Machine m(pacer, sound, clock);
    Memory memory(m, p);
    ASSERT_TRUE(memory.prepareDataFolder());
    EXPECT_TRUE(QFileInfo(p.dataFolder).isDir());
}

} // namespace
} // namespace talvern::store::test
