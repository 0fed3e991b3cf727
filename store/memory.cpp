#include "memory.h"

#include <QDir>
#include <QStringList>

#include "filebytes.h"

namespace talvern::store {

Memory::Memory(Machine& machine, StorePaths paths, Now now)
    : machine_(machine),
      paths_(std::move(paths)),
      now_(now ? std::move(now) : Now([] { return QDateTime::currentDateTime(); })),
      log_(paths_.logFile()),
      recall_(paths_.recallFile()) {}

// The recorder outlives this memory in no window, but it must not write
// into a recall file that is gone.
Memory::~Memory() { machine_.recorder.setSink({}); }

int Memory::readDisplayMode() {
    SettingsStore st(paths_.settingsFile);
    return st.read(vol::screen);
}

DesktopMode Memory::readDesktopToRestore(const DesktopMode& current) {
    SettingsStore st(paths_.settingsFile);
    const int h = st.read(vol::scrh);
    const int w = st.read(vol::scrw);
    const int p = st.read(vol::scrp);
    desktop_ = {w ? w : current.width, h ? h : current.height, p ? p : current.depth};
    st.write(vol::scrw, 0);
    st.write(vol::scrh, 0);
    st.write(vol::scrp, 0);
    note(st);
    return desktop_;
}

bool Memory::prepareDataFolder() { return QDir().mkpath(paths_.dataFolder); }

void Memory::readRunStatistics() {
    SettingsStore st(paths_.settingsFile);
    Machine& m = machine_;
    for (std::size_t i = 0; i < stat::combinations.size(); ++i)
        combinationCounter(m.stats, i) = stored_.combinations[i] = st.read(stat::combinations[i]);
    stored_.credits = {st.read(stat::stcst), st.read(stat::stcto), st.read(stat::stcw), st.read(stat::stcl)};
    stored_.redBlackAttempts = st.read(stat::strba);
    stored_.redBlackWins = st.read(stat::strbv);
    stored_.higherLowerAttempts = st.read(stat::stbsa);
    stored_.higherLowerWins = st.read(stat::stbsv);
    stored_.trainer = readTrainerFigures(st);
    m.stats.countedJackPot = st.read(vol::format);

    const int firstPool = st.read(vol::bon);
    m.setBonusDisplay(firstPool);
    m.state.bonusPools[0] = firstPool;
    for (std::size_t i = 1; i < vol::pools.size(); ++i) m.state.bonusPools[i] = st.read(vol::pools[i]);
    m.state.selectedBack = backFromStored(st.read(vol::back));

    m.setJackPot(st.read(vol::format));
    m.state.creditsLoaded = 0;
    m.state.creditsTaken = 0;
}

int Memory::startOfRun(const DesktopMode& currentDesktop) {
    const int mode = readDisplayMode();
    readDesktopToRestore(currentDesktop);
    prepareDataFolder();
    files::removeStaleTemporaries(paths_.settingsFile);
    files::removeStaleTemporaries(paths_.logFile());
    files::removeStaleTemporaries(paths_.recallFile());
    readRunStatistics();
    return mode;
}

DialogChoices Memory::readDialogChoices() {
    SettingsStore st(paths_.settingsFile);
    const DialogChoices c = store::readDialogChoices(st);
    choices_.offerAnotherGame = c.offerAnotherGame;
    return c;
}

void Memory::storeDialogChoices(const DialogChoices& c) {
    SettingsStore st(paths_.settingsFile);
    writeDialogChoices(st, c);
    note(st);
}

ExpertChoices Memory::readExpertChoices() {
    const SettingsStore st(paths_.settingsFile);
    return store::readExpertChoices(st);
}

void Memory::storeExpertChoices(const ExpertChoices& c) {
    SettingsStore st(paths_.settingsFile);
    writeExpertChoices(st, c);
    note(st);
}

void Memory::createTotals() {
    SettingsStore st(paths_.settingsFile);
    totals_ = TotalsFigures{};
    totals_.runNumber = addSaturated(st.read(vol::num), 1);
}

void Memory::openLog() {
    log_.open(totals_.runNumber, now_());
    recall_.open();
    GameRecorder& recorder = machine_.recorder;
    recorder.setRun(totals_.runNumber);
    recorder.setNow([this] { return now_().toString(Qt::ISODate).toStdString(); });
    // A game that cannot be written is said once at exit; the game goes on.
    recorder.setSink([this](const recall::GameRecord& game) { recall_.append(game); });
}

bool Memory::resetAsked(bool& box, const QString& question, ExitPort& port) {
    if (box) return false;
    if (port.askReset(question)) return true;
    box = true;
    return false;
}

void Memory::storeStatistics(SettingsStore& st, ExitPort& port) {
    const Statistics& s = machine_.stats;

    if (resetAsked(choices_.saveCombinations, kResetCombinations, port))
        for (const Value& v : stat::combinations) st.write(v, 0);
    if (choices_.saveCombinations)
        for (std::size_t i = 0; i < stat::combinations.size(); ++i)
            st.write(stat::combinations[i], combinationCounter(s, i));

    if (resetAsked(choices_.saveCredits, kResetCredits, port)) {
        st.write(stat::stcl, 0);
        st.write(stat::stcw, 0);
        st.write(stat::stcst, 0);
        st.write(stat::stcto, 0);
    }
    if (choices_.saveCredits) {
        // Read just before writing, so that two runs ending one after the
        // other both add their credits.
        const CreditStatistics c = addRun(st.read(stat::stcst), st.read(stat::stcto), s.countedLoaded, s.countedTaken);
        st.write(stat::stcst, c.loaded);
        st.write(stat::stcto, c.taken);
        st.write(stat::stcw, c.won);
        st.write(stat::stcl, c.lost);
    }

    if (resetAsked(choices_.saveRedBlack, kResetRedBlack, port)) {
        st.write(stat::strba, 0);
        st.write(stat::strbv, 0);
    }
    if (choices_.saveRedBlack) {
        st.write(stat::strba, addSaturated(st.read(stat::strba), s.redBlackAttempts));
        st.write(stat::strbv, addSaturated(st.read(stat::strbv), s.redBlackWins));
    }

    if (resetAsked(choices_.saveHigherLower, kResetHigherLower, port)) {
        st.write(stat::stbsa, 0);
        st.write(stat::stbsv, 0);
    }
    if (choices_.saveHigherLower) {
        st.write(stat::stbsa, addSaturated(st.read(stat::stbsa), s.higherLowerAttempts));
        st.write(stat::stbsv, addSaturated(st.read(stat::stbsv), s.higherLowerWins));
    }

    if (resetAsked(choices_.saveTrainer, kResetTrainer, port)) resetTrainerFigures(st);
    if (choices_.saveTrainer) addTrainerFigures(st, trainerFiguresOf(s));
}

void Memory::exitSequence(ExitPort& port) {
    if (exitDone_) return;
    exitDone_ = true;
    Machine& m = machine_;

    m.syncCountedTotals();
    {
        SettingsStore st(paths_.settingsFile);
        storeStatistics(st, port);
        st.write(vol::screen, choices_.rememberDisplayMode ? port.displayMode() : 1);
        for (std::size_t i = 0; i < vol::pools.size(); ++i) st.write(vol::pools[i], m.state.bonusPools[i]);
        syncCountedJackPot(m);
        st.write(vol::format, m.stats.countedJackPot);
        note(st);
    }

    m.play(SoundId::Home);
    port.showReceipt();

    if (choices_.offerAnotherGame && port.askPlayAgain(kPlayAgain)) {
        // The new run restores this desktop at its own end, and it reads the
        // log and the run number at its start: all of it is written first.
        SettingsStore st(paths_.settingsFile);
        st.write(vol::scrw, desktop_.width);
        st.write(vol::scrh, desktop_.height);
        st.write(vol::scrp, desktop_.depth);
        note(st);
        finishRun(port);
        port.startAgain();
        return;
    }
    port.restoreDesktop(desktop_);
    finishRun(port);
}

void Memory::finishRun(ExitPort& port) {
    if (finished_) return;
    finished_ = true;
    // A game still open when the run ends (its window closed in the middle
    // of it) is recorded as far as it went.
    machine_.recorder.gameOver(machine_.state.credits);
    machine_.recorder.setSink({});
    const Statistics& s = machine_.stats;
    if (log_.isOpen()) logFailed_ = !log_.close(s.countedCredits, s.countedLoaded, s.countedTaken, now_());
    {
        SettingsStore st(paths_.settingsFile);
        st.write(vol::num, totals_.runNumber);
        note(st);
    }
    const QString problem = problemMessage();
    if (!problem.isEmpty()) port.reportProblem(problem);
}

QString Memory::problemMessage() const {
    QStringList lines;
    if (storeFailed_)
        lines << QStringLiteral("Не удалось сохранить настройки и статистику игры в файл %1.")
                     .arg(QDir::toNativeSeparators(paths_.settingsFile));
    if (logFailed_)
        lines << QStringLiteral("Не удалось записать журнал игр в файл %1.")
                     .arg(QDir::toNativeSeparators(paths_.logFile()));
    if (recall_.failed())
        lines << QStringLiteral("Не удалось записать последние игры в файл %1.")
                     .arg(QDir::toNativeSeparators(paths_.recallFile()));
    return lines.join(u'\n');
}

} // namespace talvern::store
