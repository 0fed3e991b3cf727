// The settings dialog's rules against a machine with a store of its own, a
// main window that records what it was asked, and decks that load or not as
// the test says.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "home.h"
#include "paytable.h"
#include "settingsflow.h"

namespace talvern::settings::test {
namespace {

struct NoPacer : Pacer {
    void pause(int) override {}
    void hold(int) override {}
    void processEvents() override {}
};
struct Silence : SoundPort {
    void start(SoundId, bool) override {}
};
struct FixedClock : Clock {
    std::uint32_t millisecondsOfDayUtc() override { return 777; }
};

// The main window, with its end-of-game timer in virtual time.
struct Host : SettingsHost {
    long now = 0;
    bool running = false;
    long startedAt = 0;
    int interval = 0;
    int starts = 0;
    bool fullScreen = false;
    std::vector<std::string> calls;

    void startTimeLimit(int ms) override {
        running = true;
        startedAt = now;
        interval = ms;
        ++starts;
        calls.push_back("timer");
    }
    void stopTimeLimit() override {
        running = false;
        calls.push_back("stop");
    }
    void applyDisplayMode(bool full) override {
        fullScreen = full;
        calls.push_back("display");
    }
    void render() override { calls.push_back("render"); }
    long remaining() const { return running ? startedAt + interval - now : -1; }
};

struct FakeDecks : DeckSource {
    QStringList list;
    std::set<int> loadable;
    bool isLoaded = false;
    std::vector<std::string> calls;

    QStringList names() override { return list; }
    bool select(int n) override {
        calls.push_back("select " + std::to_string(n));
        isLoaded = loadable.count(n) > 0;
        return isLoaded;
    }
    void unload() override {
        calls.push_back("unload");
        isLoaded = false;
    }
    bool loaded() const override { return isLoaded; }
};

// A deck name with its number in characters 39 and 40.
QString deckName(const QString& title, int number) {
    return title.leftJustified(38, u' ') + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

struct Dialog {
    NoPacer pacer;
    Silence sound;
    FixedClock clock;
    Machine m{pacer, sound, clock};
    store::StorePaths paths = freshPaths();
    store::Memory memory{m, paths};
    Host host;
    FakeDecks decks;
    SettingsFlow flow{m, memory, host, decks};
    const SettingsModel& model = flow.model();

    void create() {
        memory.readRunStatistics();
        flow.create();
    }
    int stored(const store::Value& v) { return store::SettingsStore(paths.settingsFile).read(v); }
    void store(const store::Value& v, int value) {
        store::SettingsStore st(paths.settingsFile);
        st.write(v, value);
    }
};

// The statistics-off flag reaches the rest of the machine through statsOff().
bool statsOffReadsTheFlag() {
    Options o;
    o.statisticsOff = true;
    return o.statsOff();
}

TEST(FortuneSliders, LabelsAndStatisticsFollowEachMove) {
    Dialog d;
    d.create();
    EXPECT_EQ(d.model.fortune[1].percent, "0%");
    EXPECT_EQ(d.model.fortune[1].state, kFortuneNormal);
    EXPECT_EQ(d.model.RxLabel7, kStatisticsOn);

    d.flow.moveSlider(1, 40);
    EXPECT_EQ(d.model.fortune[1].state, kFortuneMore);
    EXPECT_EQ(d.model.fortune[1].percent, "+40%");
    EXPECT_EQ(d.model.RxLabel7, kStatisticsOff);
    EXPECT_TRUE(d.model.Label71);
    EXPECT_TRUE(d.m.options.statisticsOff);

    d.flow.moveSlider(3, -5);
    EXPECT_EQ(d.model.fortune[3].state, kFortuneLess);
    EXPECT_EQ(d.model.fortune[3].percent, "-5%");

    // Back to 0 with another slider off 0: normal, but statistics stay off.
    d.flow.moveSlider(1, 0);
    EXPECT_EQ(d.model.fortune[1].state, kFortuneNormal);
    EXPECT_EQ(d.model.fortune[1].percent, "+0%");
    EXPECT_EQ(d.model.RxLabel7, kStatisticsOff);
    EXPECT_TRUE(d.m.options.statisticsOff);
    EXPECT_TRUE(d.model.Label71);

    d.flow.allToZero();
    EXPECT_EQ(d.model.RxLabel7, kStatisticsOn);
    EXPECT_FALSE(d.model.Label71);
    EXPECT_FALSE(d.m.options.statisticsOff);
    for (const FortuneColumn& c : d.model.fortune) {
        EXPECT_EQ(c.percent, "+0%");
        EXPECT_EQ(c.state, kFortuneNormal);
    }

    d.flow.moveSlider(2, -35);
    EXPECT_EQ(d.model.fortune[2].percent, "-35%");
    d.flow.moveSlider(0, 250);
    EXPECT_EQ(d.model.fortune[0].position, 100);
    EXPECT_EQ(d.model.fortune[0].percent, "+100%");
}

TEST(FortuneSliders, OnlyOkAppliesThePositionsInColumnOrder) {
    Dialog d;
    d.create();
    d.flow.moveSlider(0, 30);
    d.flow.moveSlider(2, -60);
    EXPECT_EQ(d.m.options.fortune, (std::array<int, 4>{0, 0, 0, 0}));
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.m.options.fortune, (std::array<int, 4>{30, 0, -60, 0}));
}

TEST(FortuneSliders, KeepingThemLocksFortuneAndTimeLimitForTheRun) {
    Dialog d;
    d.create();
    d.flow.moveSlider(0, 20);
    d.flow.setTimeLimitBox(true);
    d.flow.setTimeLimitMinutes(30);
    d.flow.setLockFortune(true);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_TRUE(d.model.fortuneLocked);
    EXPECT_EQ(d.m.options.fortune[0], 20);
    EXPECT_EQ(d.host.interval, 1800000);

    d.flow.moveSlider(0, -50);
    d.flow.setTimeLimitMinutes(5);
    d.flow.setTimeLimitBox(false);
    d.host.now = 60000;
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.m.options.fortune[0], 20);
    EXPECT_EQ(d.host.starts, 1);
    EXPECT_EQ(d.host.remaining(), 1740000);
}

TEST(Variant, ChangesAtOnceAndTheCabinetFollowsOnOk) {
    Dialog d;
    d.create();
    d.m.setBet(2);
    d.flow.chooseVariant(2);
    EXPECT_EQ(d.m.options.variant, Variant::DeucesWild);
    // The pay table and the card names wait for OK.
    EXPECT_FALSE(d.m.cabinet.payCaption[9].visible);
    EXPECT_EQ(d.m.cards.name(2), "2H2");

    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_TRUE(d.m.cabinet.payCaption[9].visible);
    EXPECT_TRUE(d.m.cabinet.payValue[9].visible);
    const auto& table = payTable(Variant::DeucesWild);
    for (std::size_t i = 0; i < 10; ++i) {
        if (table[i].caption) {
            EXPECT_EQ(d.m.cabinet.payCaption[i].text, QString::fromUtf8(table[i].caption)) << i;
        }
    }
    const auto values = lineValues(Variant::DeucesWild, 2);
    EXPECT_EQ(d.m.cabinet.payValue[0].text, QString::number(*values[0]));
    for (Card deuce : {2, 15, 28, 41}) EXPECT_EQ(d.m.cards.name(deuce).substr(2), "4") << deuce;

    d.flow.chooseVariant(0);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_FALSE(d.m.cabinet.payCaption[9].visible);
    EXPECT_EQ(d.m.cards.name(2), "2H2");
    EXPECT_EQ(d.m.cards.name(0), "PP2");
}

TEST(Ok, CoversDealWhenTheBetExceedsTheCreditsAndEndsWithTheDisplayMode) {
    Dialog d;
    d.create();
    d.m.setCredits(3);
    d.m.setBet(5);
    d.m.hideCover();
    d.flow.opening(true);
    EXPECT_TRUE(d.model.fullScreen);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_TRUE(d.m.cabinet.dealx.visible);
    EXPECT_TRUE(d.host.fullScreen);
    ASSERT_GE(d.host.calls.size(), 2u);
    EXPECT_EQ(d.host.calls[d.host.calls.size() - 2], "display");
    EXPECT_EQ(d.host.calls.back(), "render");

    Dialog e;
    e.create();
    e.m.setCredits(10);
    e.m.setBet(5);
    e.m.hideCover();
    e.flow.opening(false);
    ASSERT_EQ(e.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_FALSE(e.m.cabinet.dealx.visible);
    EXPECT_FALSE(e.host.fullScreen);
}

TEST(Ok, FortuneBackAtZeroGivesBackCreditsAndJackPotCountedBefore) {
    if (!statsOffReadsTheFlag()) GTEST_SKIP() << "Options::statsOff() does not read the dialog's flag yet";
    Dialog d;
    d.create();
    d.m.setCredits(100);
    d.m.state.creditsLoaded = 100;
    d.flow.opening(false);
    d.flow.moveSlider(0, 50);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);

    // Played with statistics off: more credits, another Jack Pot.
    d.m.setCredits(500);
    d.m.setJackPot(20000);
    d.flow.opening(false);
    d.flow.moveSlider(0, 0);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.m.state.credits, 100);
    EXPECT_EQ(d.m.state.jackPot, 10000);
    EXPECT_EQ(d.m.cabinet.RxLabel6.text, "10000");
}

TEST(TimeLimit, SameMinutesLetTheCountdownRunOnOthersStartAfresh) {
    Dialog d;
    d.create();
    d.flow.setTimeLimitBox(true);
    d.flow.setTimeLimitMinutes(30);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.host.interval, 1800000);
    EXPECT_EQ(d.host.remaining(), 1800000);

    d.host.now = 10 * 60000;
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.host.starts, 1);
    EXPECT_EQ(d.host.remaining(), 20 * 60000);

    d.flow.setTimeLimitMinutes(40);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.host.starts, 2);
    EXPECT_EQ(d.host.remaining(), 40 * 60000);

    d.flow.setTimeLimitBox(false);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_FALSE(d.host.running);

    // Ticked again with the same minutes: the timer was off, so it starts.
    d.flow.setTimeLimitBox(true);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.host.starts, 3);
    EXPECT_EQ(d.host.remaining(), 40 * 60000);

    d.flow.setTimeLimitMinutes(kTimeLimitMaxMinutes + 5);
    EXPECT_EQ(d.model.SEd2, kTimeLimitMaxMinutes);
    d.flow.setTimeLimitMinutes(0);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.host.interval, 0);  // on, and never firing
}

TEST(Backs, TheCheckedBackIsSelectedOnOk) {
    Dialog d;
    d.create();
    d.flow.chooseBack(3);
    d.flow.chooseBack(9);
    EXPECT_EQ(d.model.back, 3);
    EXPECT_EQ(d.m.state.selectedBack, kFirstBack);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.m.state.selectedBack, kFirstBack + 2);
    EXPECT_EQ(d.m.cards.name(d.m.state.selectedBack), "R2");
}

TEST(Decks, AnExternalDeckIsSelectedOnOkAndTheBuiltInOneTakesOverAgain) {
    Dialog d;
    d.create();
    d.decks.list = {deckName(QStringLiteral("Слоновая кость"), 5)};
    d.decks.loadable = {5};
    d.flow.activate();
    ASSERT_EQ(d.model.deckEntry, 0);
    EXPECT_EQ(d.flow.chosenDeckNumber(), 5);

    d.flow.chooseVariant(2);
    d.flow.setExternalDeck(true);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.decks.calls, (std::vector<std::string>{"select 5"}));
    EXPECT_TRUE(d.m.state.externalDeck);
    EXPECT_EQ(d.m.cards.name(1), "AH0");
    EXPECT_EQ(d.m.cards.name(0), "PP0");
    EXPECT_EQ(d.m.cards.name(2), "2H4");
    EXPECT_EQ(d.m.cards.name(kFirstBack), "R");
    d.m.showCard(0, 14);
    EXPECT_TRUE(d.m.cabinet.Im[0].external);
    EXPECT_EQ(d.m.cabinet.Im[0].picture, "AB0");

    // The deck in use is let go first, then the built-in deck is set.
    d.decks.calls.clear();
    d.flow.setExternalDeck(false);
    ASSERT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.decks.calls, (std::vector<std::string>{"unload"}));
    EXPECT_FALSE(d.m.state.externalDeck);
    EXPECT_EQ(d.m.cards.name(1), "AH2");
    d.m.showCard(0, 14);
    EXPECT_FALSE(d.m.cabinet.Im[0].external);
    EXPECT_EQ(d.m.cabinet.Im[0].picture, "AB2");
}

TEST(Decks, ADeckThatDoesNotLoadChecksTheBuiltInDeckAgainAndAppliesNothing) {
    Dialog d;
    d.create();
    d.decks.list = {deckName(QStringLiteral("Пропавшая"), 6)};
    d.flow.activate();
    d.flow.setExternalDeck(true);
    d.flow.chooseBack(4);
    d.flow.moveSlider(0, 10);
    d.flow.chooseVariant(2);
    d.flow.opening(true);
    EXPECT_EQ(d.flow.ok(), SettingsFlow::OkResult::DeckNotLoaded);
    EXPECT_EQ(d.decks.calls, (std::vector<std::string>{"select 6"}));
    EXPECT_FALSE(d.model.externalDeck);
    EXPECT_FALSE(d.m.state.externalDeck);
    EXPECT_EQ(d.m.state.selectedBack, kFirstBack);
    EXPECT_EQ(d.m.options.fortune[0], 0);
    EXPECT_FALSE(d.m.cabinet.payCaption[9].visible);
    EXPECT_TRUE(d.host.calls.empty());

    // With the built-in deck checked again the next OK goes through.
    EXPECT_EQ(d.flow.ok(), SettingsFlow::OkResult::Applied);
    EXPECT_EQ(d.m.state.selectedBack, kFirstBack + 3);
}

TEST(Decks, NoEntryOrAnEntryWithoutANumberAsksForADeck) {
    Dialog d;
    d.create();
    d.flow.activate();
    EXPECT_EQ(d.model.deckEntry, -1);
    d.flow.setExternalDeck(true);
    EXPECT_EQ(d.flow.ok(), SettingsFlow::OkResult::NoDeckChosen);
    EXPECT_FALSE(d.model.externalDeck);
    EXPECT_TRUE(d.decks.calls.empty());

    d.decks.list = {QStringLiteral("Колода без номера"), deckName(QStringLiteral("Номер не тот"), 1).chopped(2) + "x1",
                    deckName(QStringLiteral("Слишком большой номер"), 42)};
    d.decks.loadable = {1, 42};
    d.flow.activate();
    for (int entry = 0; entry < 3; ++entry) {
        d.flow.chooseDeckEntry(entry);
        d.flow.setExternalDeck(true);
        EXPECT_EQ(d.flow.ok(), SettingsFlow::OkResult::NoDeckChosen) << entry;
        EXPECT_FALSE(d.model.externalDeck);
    }
    EXPECT_TRUE(d.decks.calls.empty());
}

TEST(Decks, ActivationKeepsTheEntryShownWhileItIsStillThere) {
    Dialog d;
    d.create();
    const QString a = deckName(QStringLiteral("Первая"), 3), b = deckName(QStringLiteral("Вторая"), 5);
    d.decks.list = {a, b};
    d.flow.activate();
    d.flow.chooseDeckEntry(1);
    d.decks.list = {deckName(QStringLiteral("Новая"), 2), b, deckName(QStringLiteral("Ещё"), 7)};
    d.flow.activate();
    EXPECT_EQ(d.model.decks.size(), 3);
    EXPECT_EQ(d.model.deckEntry, 1);
    d.decks.list = {a};
    d.flow.activate();
    EXPECT_EQ(d.model.deckEntry, 0);
    d.decks.list.clear();
    d.flow.activate();
    EXPECT_EQ(d.model.deckEntry, -1);
}

TEST(Close, StoresTheFourChoicesAndTakesOverTheSoundSwitch) {
    Dialog d;
    d.create();
    d.flow.chooseRisk(RiskChoice::HigherLower);
    EXPECT_EQ(d.m.options.riskChoice, RiskChoice::HigherLower);  // read at once by the win handling
    d.flow.chooseBack(4);
    d.flow.setOfferAnotherGame(true);
    d.flow.setSounds(false);
    EXPECT_FALSE(d.m.options.soundOn);
    d.m.options.soundOn = true;
    d.flow.close();
    EXPECT_EQ(d.stored(store::vol::riskGame), 2);
    EXPECT_EQ(d.stored(store::vol::deck), 2);
    EXPECT_EQ(d.stored(store::vol::back), 4);
    EXPECT_EQ(d.stored(store::vol::exitOffer), 1);
    EXPECT_FALSE(d.m.options.soundOn);

    d.flow.chooseRisk(RiskChoice::Random);
    d.flow.setOfferAnotherGame(false);
    d.flow.close();
    EXPECT_EQ(d.stored(store::vol::riskGame), 4);
    EXPECT_EQ(d.stored(store::vol::exitOffer), 0);
}

TEST(Close, NoRiskGameAndAnExternalDeckLeaveWhatWasStored) {
    Dialog d;
    d.store(store::vol::riskGame, 3);
    d.store(store::vol::deck, 7);
    d.create();
    EXPECT_EQ(d.model.risk, RiskChoice::RussianRoulette);
    d.flow.chooseRisk(RiskChoice::None);
    EXPECT_EQ(d.m.options.riskChoice, RiskChoice::None);
    d.flow.setExternalDeck(true);
    d.flow.close();
    EXPECT_EQ(d.stored(store::vol::riskGame), 3);
    EXPECT_EQ(d.stored(store::vol::deck), 7);
}

TEST(Create, ReadsTheStoredChoicesAndStartsClean) {
    Dialog d;
    d.store(store::vol::riskGame, 4);
    d.store(store::vol::back, 5);
    d.store(store::vol::exitOffer, 1);
    d.m.options.statisticsOff = true;
    d.m.state.externalDeck = true;
    d.m.cards.setExternalDeck(Variant::JokerPoker);
    d.create();
    EXPECT_EQ(d.model.risk, RiskChoice::Random);
    EXPECT_EQ(d.m.options.riskChoice, RiskChoice::Random);
    EXPECT_EQ(d.model.back, 5);
    EXPECT_TRUE(d.flow.exitChoices().offerAnotherGame);
    EXPECT_FALSE(d.m.options.statisticsOff);
    EXPECT_FALSE(d.m.state.externalDeck);
    EXPECT_EQ(d.m.cards.name(1), "AH2");
    EXPECT_FALSE(d.model.externalDeck);

    // A stored value that names no game marks no radio, and the machine keeps
    // the game it has (Red-Black at the start of a run), not "no game".
    for (int stored : {9, 5, -1}) {
        Dialog e;
        e.m.options.riskChoice = RiskChoice::RedBlack;
        e.store(store::vol::riskGame, stored);
        e.create();
        EXPECT_FALSE(e.model.risk.has_value()) << stored;
        EXPECT_EQ(e.m.options.riskChoice, std::nullopt) << stored;
        e.flow.close();
        EXPECT_EQ(e.stored(store::vol::riskGame), stored);
    }
}

TEST(Statistics, AllGamesFromTheStartThisRunOnEachActivationWhileCounting) {
    Dialog d;
    d.store(store::stat::stp, 5);
    d.store(store::stat::stdeal, 100);
    d.store(store::stat::stcst, 300);
    d.store(store::stat::stcto, 450);
    d.store(store::stat::strba, 7);
    d.store(store::stat::strbv, 3);
    d.store(store::stat::stbsa, 4);
    d.store(store::stat::stbsv, 1);
    d.create();
    const StatisticsFigures& f = d.model.figures;
    EXPECT_EQ(f.combinationsAll[0], 5);
    EXPECT_EQ(f.combinationsAll[9], 100);
    EXPECT_EQ(f.creditsAll, (std::array<int, 4>{300, 450, 150, 0}));

    d.m.stats.stp = 7;
    d.m.stats.stdeal = 110;
    d.m.stats.redBlackAttempts = 2;
    d.m.stats.redBlackWins = 1;
    d.m.setCredits(250);
    d.m.state.creditsLoaded = 200;
    d.flow.opening(false);
    d.flow.activate();
    EXPECT_EQ(f.combinationsThisRun[0], 2);
    EXPECT_EQ(f.combinationsThisRun[9], 10);
    EXPECT_EQ(f.combinationsAll[0], 7);
    EXPECT_EQ(f.creditsThisRun, (std::array<int, 4>{200, 0, 50, 0}));
    EXPECT_EQ(f.creditsAll, (std::array<int, 4>{300, 450, 150, 0}));
    EXPECT_EQ(f.redBlackThisRun, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(f.redBlackAll, (std::array<int, 2>{7, 3}));
    EXPECT_EQ(f.higherLowerAll, (std::array<int, 2>{4, 1}));

    // Statistics off: the figures stay as they were when they went off.
    d.flow.moveSlider(2, 15);
    d.m.stats.stp = 9;
    d.m.stats.redBlackAttempts = 6;
    d.flow.activate();
    EXPECT_EQ(f.combinationsAll[0], 7);
    EXPECT_EQ(f.redBlackThisRun, (std::array<int, 2>{2, 1}));
}

// The expert's three options: off in a fresh store, read at creation, at
// once in the machine when ticked, kept when the dialog closes.
TEST(Expert, OptionsAreReadAtCreationAppliedAtOnceAndKeptOnClose) {
    Dialog d;
    d.create();
    EXPECT_FALSE(d.m.options.hint || d.m.options.trainer || d.m.options.keyboardPlay);
    d.flow.setHint(true);
    d.flow.setKeyboardPlay(true);
    EXPECT_TRUE(d.m.options.hint);
    EXPECT_TRUE(d.m.options.keyboardPlay);
    d.flow.close();
    EXPECT_EQ(d.stored(store::vol::hint), 1);
    EXPECT_EQ(d.stored(store::vol::trainer), 0);
    EXPECT_EQ(d.stored(store::vol::keys), 1);

    Dialog next;  // the next run
    next.store(store::vol::hint, 1);
    next.store(store::vol::trainer, 1);
    next.store(store::vol::keys, 1);
    next.create();
    EXPECT_TRUE(next.m.options.hint);
    EXPECT_TRUE(next.m.options.trainer);
    EXPECT_TRUE(next.m.options.keyboardPlay);
    // They are no fortune settings: keeping those hides nothing of them.
    next.flow.setLockFortune(true);
    next.flow.ok();
    next.flow.setTrainer(false);
    EXPECT_FALSE(next.m.options.trainer);
}

TEST(Expert, TheTrainersFiguresOnTheStatisticsPage) {
    Dialog d;
    d.store(store::stat::stexd, 120);
    d.store(store::stat::stexm, 9);
    d.store(store::stat::stexc, 431);
    d.create();
    const StatisticsFigures& f = d.model.figures;
    EXPECT_EQ(f.trainerAll, (std::array<int, 3>{120, 9, 431}));
    EXPECT_EQ(f.trainerThisRun, (std::array<int, 3>{0, 0, 0}));
    d.m.stats.trainerDecisions = 4;
    d.m.stats.trainerMistakes = 1;
    d.m.stats.trainerCost = 35;
    d.flow.opening(false);
    d.flow.activate();
    EXPECT_EQ(f.trainerThisRun, (std::array<int, 3>{4, 1, 35}));
    EXPECT_EQ(f.trainerAll, (std::array<int, 3>{120, 9, 431}));  // this run is added at exit
}

// A damaged store with the ends of int in it: the figures are held at the
// ends too, never wrapped (the sanitizer run makes an overflow fail).
TEST(Statistics, ExtremeStoredTotalsGiveFiguresAtTheEndsOfInt) {
    Dialog d;
    d.store(store::stat::stcst, INT_MIN);
    d.store(store::stat::stcto, INT_MAX);
    d.store(store::stat::stp, INT_MIN);
    d.create();
    const StatisticsFigures& f = d.model.figures;
    EXPECT_EQ(f.creditsAll, (std::array<int, 4>{INT_MIN, INT_MAX, INT_MAX, 0}));

    Dialog e;
    e.store(store::stat::stcst, INT_MAX);
    e.store(store::stat::stcto, INT_MIN);
    e.store(store::stat::stp, INT_MIN);
    e.create();
    EXPECT_EQ(e.model.figures.creditsAll, (std::array<int, 4>{INT_MAX, INT_MIN, 0, INT_MAX}));
    e.m.stats.stp = INT_MAX;  // counted on from a damaged start
    e.flow.opening(false);
    e.flow.activate();
    EXPECT_EQ(e.model.figures.combinationsThisRun[0], INT_MAX);
}

} // namespace
} // namespace talvern::settings::test
