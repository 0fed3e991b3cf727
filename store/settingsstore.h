#pragma once
// The settings store: named integers in two groups, [vol] for settings and
// [stat] for the long-running statistics, kept as decimal text in one INI
// file per user. Every value the machine keeps is listed here once, with its
// default, so that nobody reads a value with the wrong fallback.
#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <utility>

#include "machine.h"

namespace talvern::store {

inline const QString kOrganisation = QStringLiteral("Ostrel");
inline const QString kApplication = QStringLiteral("Talvern");

enum class Section { Vol, Stat };

struct Value {
    Section section;
    const char* name;
    int fallback;
};

// [vol]: who reads and who writes each value is noted beside it.
namespace vol {
inline constexpr Value screen{Section::Vol, "screen", 0};   // start of run / exit
inline constexpr Value scrw{Section::Vol, "scrw", 0};       // start of run, then cleared / "Сыграем еще?"
inline constexpr Value scrh{Section::Vol, "scrh", 0};       //   accepted at exit
inline constexpr Value scrp{Section::Vol, "scrp", 0};
inline constexpr Value format{Section::Vol, "format", 10000};  // Jack Pot: start of run / exit
inline constexpr Value bon{Section::Vol, "bon", 0};         // bonus pools: start of run / exit
inline constexpr Value bon1{Section::Vol, "bon1", 0};
inline constexpr Value bon2{Section::Vol, "bon2", 0};
inline constexpr Value bon3{Section::Vol, "bon3", 0};
inline constexpr Value riskGame{Section::Vol, "1", 0};      // settings dialog: creation / close
inline constexpr Value deck{Section::Vol, "2", 0};
inline constexpr Value back{Section::Vol, "3", 0};          // also read at the start of the run
inline constexpr Value exitOffer{Section::Vol, "exit", 0};
inline constexpr Value num{Section::Vol, "num", 0};         // totals window: creation / end of run
inline constexpr std::array<Value, 4> pools{bon, bon1, bon2, bon3};
// The expert at the player's side (expertstore.h): settings dialog creation /
// close, written only when they change.
inline constexpr Value hint{Section::Vol, "hint", 0};       // "Подсказка: лучшая игра"
inline constexpr Value trainer{Section::Vol, "trainer", 0}; // "Тренер: предупреждать об ошибках"
inline constexpr Value keys{Section::Vol, "keys", 0};       // "Игра с клавиатуры"
} // namespace vol

// [stat]: all default to 0; read at the start of the run, written at exit.
namespace stat {
inline constexpr Value stp{Section::Stat, "stp", 0};
inline constexpr Value str{Section::Stat, "str", 0};
inline constexpr Value stq{Section::Stat, "stq", 0};
inline constexpr Value stk{Section::Stat, "stk", 0};
inline constexpr Value sth{Section::Stat, "sth", 0};
inline constexpr Value stf{Section::Stat, "stf", 0};
inline constexpr Value sts{Section::Stat, "sts", 0};
inline constexpr Value stt{Section::Stat, "stt", 0};
inline constexpr Value std_{Section::Stat, "std", 0};
inline constexpr Value stdeal{Section::Stat, "stdeal", 0};
inline constexpr Value stcst{Section::Stat, "stcst", 0};  // credits loaded, all runs
inline constexpr Value stcto{Section::Stat, "stcto", 0};  // credits taken out, all runs
inline constexpr Value stcw{Section::Stat, "stcw", 0};
inline constexpr Value stcl{Section::Stat, "stcl", 0};
inline constexpr Value strba{Section::Stat, "strba", 0};  // Red-Black attempts, wins
inline constexpr Value strbv{Section::Stat, "strbv", 0};
inline constexpr Value stbsa{Section::Stat, "stbsa", 0};  // Higher-Lower attempts, wins
inline constexpr Value stbsv{Section::Stat, "stbsv", 0};
// The Joker Poker combination counters and the deal counter, in the order of
// the statistics page.
inline constexpr std::array<Value, 10> combinations{stp, str, stq, stk, sth, stf, sts, stt, std_, stdeal};
// The trainer (expertstore.h): the draws it weighed, those below the best
// play, and what they cost on average in hundredths of a credit.
inline constexpr Value stexd{Section::Stat, "stexd", 0};
inline constexpr Value stexm{Section::Stat, "stexm", 0};
inline constexpr Value stexc{Section::Stat, "stexc", 0};
} // namespace stat

// The running counter of Statistics that belongs to combinations[i].
int& combinationCounter(Statistics& s, std::size_t i);
int combinationCounter(const Statistics& s, std::size_t i);

// A decimal integer as the store keeps it: an optional sign and digits, no
// blanks, within the range of int. Anything else is not a number.
std::optional<int> parseDecimal(const QString& text);

// Where this user's store and data folder lie.
struct StorePaths {
    QString settingsFile;  // ~/.config/Ostrel/Talvern.conf
    QString dataFolder;    // ~/.local/share/Ostrel/Talvern
    QString logFile() const { return dataFolder + QStringLiteral("/stat.log"); }
    QString recallFile() const { return dataFolder + QStringLiteral("/recall.jsonl"); }

    // The standard locations of the desktop (they follow QStandardPaths'
    // test mode). Sets the application's organisation and name, which the
    // data location is formed from.
    static StorePaths standard();
};

// One step's access to the store: open, read and write, close. Nothing is
// cached between steps, so two runs that end one after the other both see
// what the other wrote.
//
// The file is an INI file of the form QSettings writes, read and written by
// the store itself: QSettings can replace it with an empty file when the disk
// is full and reports success, waits half a minute for a lock file a killed
// run left empty, and rewrites lines it cannot parse. Here a close rewrites
// only the lines of the values written in this step (in the last section of
// their group, or a new one at the end) and keeps every other byte of the
// file as it was, through a temporary file that replaces the old one only
// once it is completely on disk. The file is read in small pieces, so a
// file of junk costs time in proportion to its size but little memory.
class SettingsStore {
public:
    explicit SettingsStore(const QString& file);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // A missing value, or one that is not decimal text, reads as the fallback.
    int read(const Value& v) const { return read(v.section, QString::fromLatin1(v.name), v.fallback); }
    int read(Section section, const QString& name, int fallback) const;
    void write(const Value& v, int value) { write(v.section, QString::fromLatin1(v.name), value); }
    void write(Section section, const QString& name, int value);

    // Writes what this step wrote to disk, merged into the file as it is
    // now. False when the file could not be written; it is then unchanged.
    bool close();
    // False once a close has failed.
    bool ok() const { return ok_; }

private:
    using Key = std::pair<Section, QByteArray>;
    QString file_;
    std::map<Key, QByteArray> stored_;  // the text of each value as the step began
    std::map<Key, int> written_;        // written in this step, not yet closed
    bool unreadable_ = false;           // there, but could not be read: never written over
    bool ok_ = true;
};

// The four choices the settings dialog keeps in the store.
struct DialogChoices {
    std::optional<RiskChoice> riskGame = RiskChoice::RedBlack;  // nullopt: no choice marked
    bool builtInDeck = true;
    int back = 1;  // 1..5, the radio RBD1..RBD5
    bool offerAnotherGame = false;
};

// Settings dialog creation: "1", "2", "3" and "exit".
DialogChoices readDialogChoices(const SettingsStore& store);
// Settings dialog close. "No risk game" (or none marked) leaves "1" as it
// was, and an external deck leaves "2" as it was.
void writeDialogChoices(SettingsStore& store, const DialogChoices& choices);

} // namespace talvern::store
