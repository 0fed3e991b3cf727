#pragma once
// What the machine keeps of the expert at the player's side: its three
// options in [vol] and the trainer's figures in [stat]. A player who never
// turns the expert on finds the store as the machine always left it: the
// options are written only when they change, the figures only when a run
// counted some.
#include <QString>

#include "machine.h"
#include "settingsstore.h"

namespace talvern::store {

struct ExpertChoices {
    bool hint = false;
    bool trainer = false;
    bool keyboardPlay = false;
    friend bool operator==(const ExpertChoices&, const ExpertChoices&) = default;
};

// Settings dialog creation; a stored 1 turns an option on, anything else off.
ExpertChoices readExpertChoices(const SettingsStore& store);
// Settings dialog close.
void writeExpertChoices(SettingsStore& store, const ExpertChoices& choices);

// The trainer's figures: decisions, mistakes and their cost in hundredths of
// a credit.
struct TrainerFigures {
    int decisions = 0;
    int mistakes = 0;
    int cost = 0;
    friend bool operator==(const TrainerFigures&, const TrainerFigures&) = default;
};
TrainerFigures trainerFiguresOf(const Statistics& s);
TrainerFigures readTrainerFigures(const SettingsStore& store);
// The exit: this run's figures added to the stored ones (read just before,
// so two runs that end one after the other both count), saturating at the
// ends of int.
void addTrainerFigures(SettingsStore& store, const TrainerFigures& run);
void resetTrainerFigures(SettingsStore& store);

inline const QString kResetTrainer = QStringLiteral("Обнулить статистику тренера?");

} // namespace talvern::store
