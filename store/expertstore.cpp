#include "expertstore.h"

namespace talvern::store {

namespace {
void writeChanged(SettingsStore& store, const Value& v, bool on) {
    if ((store.read(v) == 1) != on) store.write(v, on ? 1 : 0);
}
} // namespace

ExpertChoices readExpertChoices(const SettingsStore& store) {
    return {store.read(vol::hint) == 1, store.read(vol::trainer) == 1, store.read(vol::keys) == 1};
}

void writeExpertChoices(SettingsStore& store, const ExpertChoices& c) {
    writeChanged(store, vol::hint, c.hint);
    writeChanged(store, vol::trainer, c.trainer);
    writeChanged(store, vol::keys, c.keyboardPlay);
}

TrainerFigures trainerFiguresOf(const Statistics& s) { return {s.trainerDecisions, s.trainerMistakes, s.trainerCost}; }

TrainerFigures readTrainerFigures(const SettingsStore& store) {
    return {store.read(stat::stexd), store.read(stat::stexm), store.read(stat::stexc)};
}

void addTrainerFigures(SettingsStore& store, const TrainerFigures& run) {
    if (run == TrainerFigures{}) return;
    const TrainerFigures stored = readTrainerFigures(store);
    store.write(stat::stexd, addSaturated(stored.decisions, run.decisions));
    store.write(stat::stexm, addSaturated(stored.mistakes, run.mistakes));
    store.write(stat::stexc, addSaturated(stored.cost, run.cost));
}

void resetTrainerFigures(SettingsStore& store) {
    store.write(stat::stexd, 0);
    store.write(stat::stexm, 0);
    store.write(stat::stexc, 0);
}

} // namespace talvern::store
