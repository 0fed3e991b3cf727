#include "settingsflow.h"

#include <algorithm>
#include <cstdlib>

#include "deckset.h"

namespace talvern::settings {

QString fortunePercent(int position) {
    return position >= 0 ? QStringLiteral("+%1%").arg(position) : QStringLiteral("%1%").arg(position);
}

SettingsFlow::SettingsFlow(Machine& machine, store::Memory& memory, SettingsHost& host, DeckSource& decks)
    : machine_(machine), memory_(memory), host_(host), decks_(decks) {}

void SettingsFlow::create() {
    Options& o = machine_.options;
    o.statisticsOff = false;
    const store::DialogChoices c = memory_.readDialogChoices();
    model_.risk = c.riskGame;
    o.riskChoice = c.riskGame;
    model_.externalDeck = !c.builtInDeck;
    model_.back = std::clamp(c.back, 1, kBackCount);
    // Every run starts with the built-in deck and Joker Poker.
    o.variant = Variant::JokerPoker;
    machine_.cards.setBuiltInDeck(o.variant);
    machine_.state.externalDeck = false;
    const store::ExpertChoices e = memory_.readExpertChoices();
    o.hint = e.hint;
    o.trainer = e.trainer;
    o.keyboardPlay = e.keyboardPlay;
    fillAllGamesAtCreation();
}

void SettingsFlow::fillAllGamesAtCreation() {
    const store::StoredStatistics& stored = memory_.storedAtStart();
    StatisticsFigures& f = model_.figures;
    for (std::size_t i = 0; i < f.combinationsAll.size(); ++i)
        f.combinationsAll[i] = store::combinationCounter(machine_.stats, i);
    const int loaded = stored.credits.loaded;  // "stcst"
    const int taken = stored.credits.taken;    // "stcto"
    // A damaged store may hold any int in either: the difference is worked
    // out wide and held at the ends of int.
    const long long more = static_cast<long long>(taken) - loaded;
    f.creditsAll = {loaded, taken, clampedToInt(std::max(more, 0LL)), clampedToInt(std::max(-more, 0LL))};
    refreshTrainerFigures();
}

void SettingsFlow::refreshStatistics() {
    const store::StoredStatistics& stored = memory_.storedAtStart();
    const Statistics& s = machine_.stats;
    const store::TotalsFigures& totals = memory_.totals();
    StatisticsFigures& f = model_.figures;
    for (std::size_t i = 0; i < f.combinationsAll.size(); ++i) {
        const int running = store::combinationCounter(s, i);
        f.combinationsAll[i] = running;
        f.combinationsThisRun[i] = clampedToInt(std::llabs(static_cast<long long>(stored.combinations[i]) - running));
    }
    f.creditsThisRun = {totals.loaded, 0, totals.won, totals.lost};
    // The won and lost of all runs keep what the creation worked out.
    f.creditsAll[0] = stored.credits.loaded;
    f.creditsAll[1] = stored.credits.taken;
    f.redBlackThisRun = {s.redBlackAttempts, s.redBlackWins};
    f.redBlackAll = {stored.redBlackAttempts, stored.redBlackWins};
    f.higherLowerThisRun = {s.higherLowerAttempts, s.higherLowerWins};
    f.higherLowerAll = {stored.higherLowerAttempts, stored.higherLowerWins};
    refreshTrainerFigures();
}

void SettingsFlow::refreshTrainerFigures() {
    const store::TrainerFigures run = store::trainerFiguresOf(machine_.stats);
    const store::TrainerFigures& all = memory_.storedAtStart().trainer;
    model_.figures.trainerThisRun = {run.decisions, run.mistakes, run.cost};
    model_.figures.trainerAll = {all.decisions, all.mistakes, all.cost};
}

void SettingsFlow::activate() {
    const QString shown = model_.deckEntry >= 0 && model_.deckEntry < model_.decks.size()
                              ? model_.decks[model_.deckEntry]
                              : QString();
    model_.decks = decks_.names();
    const qsizetype again = model_.decks.indexOf(shown);
    model_.deckEntry = again >= 0 ? static_cast<int>(again) : (model_.decks.isEmpty() ? -1 : 0);
    if (!machine_.options.statisticsOff) refreshStatistics();
}

void SettingsFlow::opening(bool fullScreen) {
    model_.fullScreen = fullScreen;
    memory_.settingsOpened();
}

void SettingsFlow::creditsLoaded() { model_.figures.creditsThisRun[0] = machine_.stats.countedLoaded; }

void SettingsFlow::chooseVariant(int index) {
    if (index < 0 || index >= kVariantNames.size()) return;
    machine_.options.variant = static_cast<Variant>(index);
}

void SettingsFlow::chooseRisk(RiskChoice choice) {
    model_.risk = choice;
    machine_.options.riskChoice = choice;
}

void SettingsFlow::setAlwaysSeven(bool on) { machine_.options.alwaysSeven = on; }

void SettingsFlow::setLossRevealDelay(int seconds) {
    machine_.options.lossRevealDelay = std::clamp(seconds, kLossDelayMin, kLossDelayMax);
}

void SettingsFlow::setSounds(bool on) {
    model_.sounds = on;
    machine_.options.soundOn = on;
}

void SettingsFlow::moveSlider(int column, int position) {
    if (column < 0 || column >= 4 || model_.fortuneLocked) return;
    position = std::clamp(position, kFortuneMin, kFortuneMax);
    FortuneColumn& col = model_.fortune[static_cast<std::size_t>(column)];
    col.position = position;
    if (position > 0) col.state = kFortuneMore;
    if (position < 0) col.state = kFortuneLess;
    model_.RxLabel7 = kStatisticsOff;
    machine_.options.statisticsOff = true;
    model_.Label71 = true;
    if (position == 0) {
        col.state = kFortuneNormal;
        const bool allZero = std::all_of(model_.fortune.cbegin(), model_.fortune.cend(),
                                         [](const FortuneColumn& c) { return c.position == 0; });
        if (allZero) {
            model_.RxLabel7 = kStatisticsOn;
            machine_.options.statisticsOff = false;
            model_.Label71 = false;
        }
    }
    col.percent = fortunePercent(position);
}

void SettingsFlow::allToZero() {
    for (int i = 0; i < 4; ++i) moveSlider(i, 0);
}

void SettingsFlow::setTimeLimitMinutes(int minutes) {
    if (model_.fortuneLocked) return;
    model_.SEd2 = std::clamp(minutes, 0, kTimeLimitMaxMinutes);
}

void SettingsFlow::chooseDeckEntry(int index) {
    model_.deckEntry = index >= 0 && index < model_.decks.size() ? index : -1;
}

void SettingsFlow::chooseBack(int back) {
    if (back >= 1 && back <= kBackCount) model_.back = back;
}

std::optional<int> SettingsFlow::chosenDeckNumber() const {
    if (model_.deckEntry < 0 || model_.deckEntry >= model_.decks.size()) return std::nullopt;
    const std::optional<int> n = decks::numberInName(model_.decks[model_.deckEntry]);
    if (!n || *n < decks::kFirstDeckNumber || *n > decks::kLastDeckNumber) return std::nullopt;
    return n;
}

void SettingsFlow::builtInDeckAgain() {
    machine_.state.externalDeck = false;
    machine_.cards.setBuiltInDeck(machine_.options.variant);
    model_.externalDeck = false;
}

void SettingsFlow::applyTimeLimit() {
    if (!model_.CheckBox5) {
        if (timerOn_) host_.stopTimeLimit();
        timerOn_ = false;
        return;
    }
    const int interval = model_.SEd2 * 60000;
    // The same limit again lets the countdown that runs go on.
    if (timerOn_ && interval == timerMs_) return;
    timerOn_ = true;
    timerMs_ = interval;
    host_.startTimeLimit(interval);
}

SettingsFlow::OkResult SettingsFlow::ok() {
    Machine& m = machine_;
    MachineState& s = m.state;
    const Variant v = m.options.variant;

    if (decks_.loaded()) decks_.unload();
    if (model_.externalDeck) {
        const std::optional<int> number = chosenDeckNumber();
        if (!number) {
            builtInDeckAgain();
            return OkResult::NoDeckChosen;
        }
        if (!decks_.select(*number)) {
            builtInDeckAgain();
            return OkResult::DeckNotLoaded;
        }
        s.externalDeck = true;
    }

    memory_.settingsAccepted();
    if (s.bet > s.credits) m.showCover();

    if (!model_.fortuneLocked) {
        for (std::size_t i = 0; i < 4; ++i) m.options.fortune[i] = model_.fortune[i].position;
        applyTimeLimit();
        // From now on nothing can change the fortune settings or the limit.
        if (model_.CheckBox2) model_.fortuneLocked = true;
    }

    s.selectedBack = kFirstBack + (model_.back - 1);
    if (model_.externalDeck) {
        m.cards.setExternalDeck(v);
    } else {
        m.cards.setBuiltInDeck(v);
        s.externalDeck = false;
    }
    m.setPayCaptions(v);
    m.refreshPayValues();
    host_.applyDisplayMode(model_.fullScreen);
    host_.render();
    return OkResult::Applied;
}

void SettingsFlow::close() {
    store::DialogChoices c;
    c.riskGame = model_.risk;
    c.builtInDeck = !model_.externalDeck;
    c.back = model_.back;
    c.offerAnotherGame = exitChoices().offerAnotherGame;
    memory_.storeDialogChoices(c);
    const Options& o = machine_.options;
    memory_.storeExpertChoices({o.hint, o.trainer, o.keyboardPlay});
    machine_.options.soundOn = model_.sounds;
}

} // namespace talvern::settings
