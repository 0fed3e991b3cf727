#pragma once
// The machine's memory for one run: what the start of the run reads from the
// store, the totals of the receipt, the game log, the boxes of the settings
// dialog that decide what is kept, and the exit sequence that writes it all
// back. The windows call the steps named here at the moments named here; the
// questions and pictures of the exit go through ExitPort.
#include <QDateTime>
#include <QString>

#include <array>
#include <functional>

#include "context.h"
#include "expertstore.h"
#include "gamelog.h"
#include "ledger.h"
#include "recallfile.h"
#include "settingsstore.h"

namespace talvern::store {

// A desktop mode to restore: width, height and colour depth in bits.
struct DesktopMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    friend bool operator==(const DesktopMode&, const DesktopMode&) = default;
};

// The settings dialog's boxes that the exit sequence reads. None of them is
// stored: every run starts with them as below ("exit" aside, which the dialog
// reads from the store when it is created).
struct ExitChoices {
    bool saveCombinations = true;  // the four " сохранить" boxes of the statistics page
    bool saveCredits = true;
    bool saveRedBlack = true;
    bool saveHigherLower = true;
    bool saveTrainer = true;          // the trainer's box on the same page
    bool rememberDisplayMode = true;  // "Запомнить при выходе" (CheckBox3)
    bool offerAnotherGame = false;    // "При выходе из программы всегда предлагать..." (CheckBox4)
};

// The statistics as the start of the run read them; the settings dialog's
// "Все игры" columns show them.
struct StoredStatistics {
    std::array<int, 10> combinations{};  // "stp" .. "stdeal"
    CreditStatistics credits;
    int redBlackAttempts = 0, redBlackWins = 0, higherLowerAttempts = 0, higherLowerWins = 0;
    TrainerFigures trainer;
};

// What the exit sequence asks of the windows.
class ExitPort {
public:
    virtual ~ExitPort() = default;
    // A warning box with Yes and No.
    virtual bool askReset(const QString& question) = 0;
    // 0 in a window, 1 full screen.
    virtual int displayMode() = 0;
    // The receipt, modally (the "home" sound has just been started).
    virtual void showReceipt() = 0;
    // "Сыграем еще?" in a box without an icon, Yes and No.
    virtual bool askPlayAgain(const QString& question) = 0;
    virtual void restoreDesktop(const DesktopMode& mode) = 0;
    // Starts the program again; everything of this run is written by then.
    virtual void startAgain() = 0;
    // Something could not be saved; said once, in Russian, and the program
    // still ends normally.
    virtual void reportProblem(const QString& message) = 0;
};

inline const QString kResetCombinations = QStringLiteral("Обнулить статистику выигрышных комбинаций?");
inline const QString kResetCredits = QStringLiteral("Обнулить статистику по кредитам?");
inline const QString kResetRedBlack = QStringLiteral("Обнулить статистику Красное-Черное?");
inline const QString kResetHigherLower = QStringLiteral("Обнулить статистику Больше-Меньше?");
inline const QString kPlayAgain = QStringLiteral("Сыграем еще?");

class Memory {
public:
    using Now = std::function<QDateTime()>;
    Memory(Machine& machine, StorePaths paths, Now now = {});
    ~Memory();
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;

    const StorePaths& paths() const { return paths_; }

    // --- main window creation, in this order -------------------------------
    // "screen": 0 in a window, 1 full screen.
    int readDisplayMode();
    // "scrw", "scrh", "scrp": a 0 takes the current value; all three are
    // cleared at once, so a desktop is restored by one run only.
    DesktopMode readDesktopToRestore(const DesktopMode& current);
    // The data folder with its parents. A failure is not reported here; the
    // game log then cannot be written.
    bool prepareDataFolder();
    // Statistics, the counted and the shown Jack Pot, the bonus pools (the
    // first into the bonus display) and the selected back, into the machine.
    void readRunStatistics();
    // All of the above in order; returns the display mode.
    int startOfRun(const DesktopMode& currentDesktop);

    // --- settings dialog ---------------------------------------------------
    // Creation: the four choices; "exit" also ticks the offer below.
    DialogChoices readDialogChoices();
    // Each close of the dialog.
    void storeDialogChoices(const DialogChoices& choices);
    ExitChoices& exitChoices() { return choices_; }
    // The expert's three options: creation and each close, like the four.
    ExpertChoices readExpertChoices();
    void storeExpertChoices(const ExpertChoices& choices);
    const StoredStatistics& storedAtStart() const { return stored_; }

    // --- totals window -----------------------------------------------------
    // Creation: the run number is the stored one plus 1.
    void createTotals();
    TotalsFigures& totals() { return totals_; }

    // --- history viewer ----------------------------------------------------
    // Creation, after the totals window (it needs the run number).
    void openLog();
    QString logText() const { return log_.viewerText(); }
    const GameLog& log() const { return log_; }

    // --- the game recall ---------------------------------------------------
    // Opened with the log: every game the machine's recorder finishes from
    // now on is appended to the recall file of the data folder.
    const RecallFile& recall() const { return recall_; }
    bool recallFailed() const { return recall_.failed(); }

    // --- synchronisation points the windows call ----------------------------
    void settingsOpened() { store::settingsOpened(machine_, totals_); }
    void settingsAccepted() { store::settingsAccepted(machine_); }
    void totalsActivated() { store::totalsActivated(machine_, totals_); }
    void jackPotWindowClosed() { syncCountedJackPot(machine_); }

    // --- end of the run ----------------------------------------------------
    // The whole closing sequence of the main window: statistics with their
    // reset questions, display mode, pools and Jack Pot; the receipt; the
    // offer of another game; then the log and the run number. Runs once.
    void exitSequence(ExitPort& port);
    // Writes the game log and "num" (once) and reports what could not be
    // written. The exit sequence calls it before the new run is started;
    // a window may call it on its own where a run ends without the sequence.
    void finishRun(ExitPort& port);

    bool storeFailed() const { return storeFailed_; }
    bool logFailed() const { return logFailed_; }
    // The message the port is given when something was not saved, or empty.
    QString problemMessage() const;

private:
    void note(SettingsStore& store) {
        if (!store.close()) storeFailed_ = true;
    }
    void storeStatistics(SettingsStore& store, ExitPort& port);
    bool resetAsked(bool& box, const QString& question, ExitPort& port);

    Machine& machine_;
    StorePaths paths_;
    Now now_;
    GameLog log_;
    RecallFile recall_;
    TotalsFigures totals_;
    ExitChoices choices_;
    StoredStatistics stored_;
    DesktopMode desktop_;
    bool storeFailed_ = false;
    bool logFailed_ = false;
    bool exitDone_ = false;
    bool finished_ = false;
};

} // namespace talvern::store
