// What the store keeps of the expert: its three options, written only when
// they change, and the trainer's figures, added at exit like the other
// statistics (saturating, behind their own box and reset question). A run
// that never turns the expert on leaves the store as it always did.
#include "fixture.h"

namespace talvern::store::test {
namespace {

TEST_F(StoreTest, TheExpertsOptionsAreOffUntilStoredOn) {
    Session run(paths);
    run.start();
    EXPECT_EQ(run.memory.readExpertChoices(), ExpertChoices{});
    run.memory.storeExpertChoices({});
    EXPECT_FALSE(settingsText().contains("hint="));  // nothing changed: nothing written
    EXPECT_FALSE(settingsText().contains("keys="));

    run.memory.storeExpertChoices({true, false, true});
    EXPECT_EQ(stored(vol::hint), 1);
    EXPECT_EQ(stored(vol::keys), 1);
    EXPECT_FALSE(settingsText().contains("trainer="));
    EXPECT_EQ(run.memory.readExpertChoices(), (ExpertChoices{true, false, true}));
    run.memory.storeExpertChoices({false, true, true});
    EXPECT_EQ(stored(vol::hint), 0);
    EXPECT_EQ(stored(vol::trainer), 1);

    // Only a stored 1 turns an option on.
    store(vol::hint, 7);
    store(vol::trainer, -1);
    EXPECT_EQ(run.memory.readExpertChoices(), (ExpertChoices{false, false, true}));
}

TEST_F(StoreTest, TheTrainersFiguresAddAtExit) {
    store(stat::stexd, 40);
    store(stat::stexm, 6);
    store(stat::stexc, 1234);
    Session run(paths);
    run.start();
    EXPECT_EQ(run.memory.storedAtStart().trainer, (TrainerFigures{40, 6, 1234}));
    Statistics& s = run.m.stats;
    s.trainerDecisions = 10;
    s.trainerMistakes = 2;
    s.trainerCost = 75;
    run.leave();
    Port port;
    run.memory.exitSequence(port);
    EXPECT_EQ(port.calls, (std::vector<QString>{"receipt", "restore"}));
    EXPECT_EQ(stored(stat::stexd), 50);
    EXPECT_EQ(stored(stat::stexm), 8);
    EXPECT_EQ(stored(stat::stexc), 1309);
}

TEST_F(StoreTest, ARunWithoutTheTrainerWritesNoFiguresAndSaturates) {
    {
        Session run(paths);
        run.start();
        run.leave();
        Port port;
        run.memory.exitSequence(port);
        EXPECT_FALSE(settingsText().contains("stex"));
    }
    store(stat::stexc, 2147483600);
    Session run(paths);
    run.start();
    run.m.stats.trainerDecisions = 1;
    run.m.stats.trainerMistakes = 1;
    run.m.stats.trainerCost = 500;
    run.leave();
    Port port;
    run.memory.exitSequence(port);
    EXPECT_EQ(stored(stat::stexc), 2147483647);
}

TEST_F(StoreTest, AnUntickedTrainerBoxAsksItsOwnResetQuestion) {
    for (bool reset : {false, true}) {
        store(stat::stexd, 40);
        store(stat::stexm, 6);
        Session run(paths);
        run.start();
        run.m.stats.trainerDecisions = 3;
        run.memory.exitChoices().saveTrainer = false;
        run.leave();
        Port port;
        port.resetAnswers = {reset};
        run.memory.exitSequence(port);
        EXPECT_EQ(port.calls, (std::vector<QString>{"ask " + kResetTrainer, "receipt", "restore"}));
        EXPECT_EQ(stored(stat::stexd), reset ? 0 : 43);
        EXPECT_EQ(stored(stat::stexm), reset ? 0 : 6);
        EXPECT_EQ(run.memory.exitChoices().saveTrainer, !reset);
    }
}

} // namespace
} // namespace talvern::store::test
