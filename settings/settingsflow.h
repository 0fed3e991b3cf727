#pragma once
// The rules of the settings dialog without its widgets: what each control
// does to the machine at once, what OK applies and in which order, and what
// closing the dialog keeps in the store. TForm2 shows this state and hands
// every click to it; the tests drive it directly.
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

#include "context.h"
#include "deckset.h"
#include "memory.h"

namespace talvern::settings {

inline const QStringList kVariantNames = {QStringLiteral("Joker Poker"), QStringLiteral("Jack or Better"),
                                          QStringLiteral("Deuces Wild")};
inline const QString kStatisticsOn = QStringLiteral("статистика включена");
inline const QString kStatisticsOff = QStringLiteral("статистика отключена");
inline const QString kFortuneNormal = QStringLiteral("Норма");
inline const QString kFortuneMore = QStringLiteral("Больше");
inline const QString kFortuneLess = QStringLiteral("Меньше");
inline const QString kChooseDeck = QStringLiteral("Выберите колоду в выпадающем списке.");
// The expert at the player's side on "Продвинутые настройки".
inline const QString kHintCaption = QStringLiteral("Подсказка: лучшая игра");
inline const QString kTrainerCaption = QStringLiteral("Тренер: предупреждать об ошибках");
inline const QString kKeysCaption = QStringLiteral("Игра с клавиатуры");

inline constexpr int kFortuneMin = -100;
inline constexpr int kFortuneMax = 100;
inline constexpr int kFortuneTick = 5;
inline constexpr int kTimeLimitMaxMinutes = 900;
inline constexpr int kLossDelayMin = 1;
inline constexpr int kLossDelayMax = 10;
inline constexpr int kBackCount = 5;

// What the dialog asks of the main window.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    // The end-of-game timer: start it afresh with this interval (0 never
    // fires), or switch it off.
    virtual void startTimeLimit(int intervalMs) = 0;
    virtual void stopTimeLimit() = 0;
    virtual void applyDisplayMode(bool fullScreen) = 0;
    // The cabinet shows the machine as it is now.
    virtual void render() = 0;
};

// The external decks as the dialog uses them (decks::DeckSet in the program).
class DeckSource {
public:
    virtual ~DeckSource() = default;
    virtual QStringList names() = 0;
    virtual bool select(int number) = 0;
    virtual void unload() = 0;
    virtual bool loaded() const = 0;
};

// The decks of the data folder.
class LibraryDecks : public DeckSource {
public:
    explicit LibraryDecks(decks::DeckSet& set) : set_(set) {}
    QStringList names() override { return set_.names(); }
    bool select(int number) override { return set_.select(number); }
    void unload() override { set_.unload(); }
    bool loaded() const override { return set_.loaded(); }

private:
    decks::DeckSet& set_;
};

// One column of the fortune settings.
struct FortuneColumn {
    int position = 0;                     // RxSlider1..4
    QString percent = QStringLiteral("0%");  // RxLabel4, RxLabel3, RxLabel5, RxLabel6
    QString state = kFortuneNormal;       // Label4..Label7
};

// The figures of the statistics page. Rows of the credit group: loaded,
// taken, won, lost; of the risk games: attempts, wins.
struct StatisticsFigures {
    std::array<int, 10> combinationsThisRun{}, combinationsAll{};
    std::array<int, 4> creditsThisRun{}, creditsAll{};
    std::array<int, 2> redBlackThisRun{}, redBlackAll{};
    std::array<int, 2> higherLowerThisRun{}, higherLowerAll{};
    // The trainer: decisions, mistakes, and their cost in hundredths of a credit.
    std::array<int, 3> trainerThisRun{}, trainerAll{};
};

// The dialog's own state: what has no place in the machine's options or in
// the memory's exit choices, which the controls show directly.
struct SettingsModel {
    std::optional<RiskChoice> risk = RiskChoice::RedBlack;  // RB1, RB2, RB3, RB5, RB6; none marked
    bool sounds = true;                                     // glCheckBox5 "Звуки"
    bool fullScreen = false;                                // RadioButton6, else RadioButton5

    std::array<FortuneColumn, 4> fortune;
    QString RxLabel7 = kStatisticsOn;
    bool Label71 = false;          // the warning that statistics are off
    bool CheckBox5 = false;        // limit the time ...
    int SEd2 = 0;                  // ... to this many minutes
    bool CheckBox2 = false;        // keep the fortune settings and hide them
    bool fortuneLocked = false;    // CheckBox2 applied: the controls are gone for this run

    StatisticsFigures figures;

    QStringList decks;       // ComboBox2
    int deckEntry = -1;      // the entry shown, -1 none
    bool externalDeck = false;  // p3, else p2
    int back = 1;            // RBD1..RBD5
};

class SettingsFlow {
public:
    SettingsFlow(Machine& machine, store::Memory& memory, SettingsHost& host, DeckSource& decks);

    const SettingsModel& model() const { return model_; }
    const Options& options() const { return machine_.options; }
    store::ExitChoices& exitChoices() { return memory_.exitChoices(); }

    // The dialog's creation at the start of the run.
    void create();
    // Each time the dialog is shown or becomes the active window again.
    void activate();
    // The main window's settings button, before the dialog is shown.
    void opening(bool fullScreen);
    // Each load of credits: "Эта игра" of "Заряжено" shows the counted
    // loaded credits, whether the dialog is open or not.
    void creditsLoaded();

    // --- "Настройки" ---------------------------------------------------------
    void chooseVariant(int index);  // takes effect at once
    void chooseRisk(RiskChoice choice);
    void setAlwaysSeven(bool on);   // either pair of radios
    void setSeeNextCard(bool on) { machine_.options.seeNextCard = on; }
    void setLossReveal(bool on) { machine_.options.lossReveal = on; }
    void setLossRevealDelay(int seconds);
    void setBloodOff(bool on) { machine_.options.bloodOff = on; }
    void setSounds(bool on);
    // --- " Вид " --------------------------------------------------------------
    void setFullScreen(bool on) { model_.fullScreen = on; }
    void setRememberDisplayMode(bool on) { exitChoices().rememberDisplayMode = on; }
    // --- "Продвинутые настройки" ---------------------------------------------
    void moveSlider(int column, int position);
    void allToZero();
    void setTimeLimitBox(bool on) {
        if (!model_.fortuneLocked) model_.CheckBox5 = on;
    }
    void setTimeLimitMinutes(int minutes);
    void setLockFortune(bool on) { model_.CheckBox2 = on; }
    void setOfferAnotherGame(bool on) { exitChoices().offerAnotherGame = on; }
    // The expert at the player's side: at once, kept when the dialog closes.
    void setHint(bool on) { machine_.options.hint = on; }
    void setTrainer(bool on) { machine_.options.trainer = on; }
    void setKeyboardPlay(bool on) { machine_.options.keyboardPlay = on; }
    // --- "Карты" --------------------------------------------------------------
    void chooseDeckEntry(int index);
    void setExternalDeck(bool on) { model_.externalDeck = on; }
    void chooseBack(int back);

    enum class OkResult {
        Applied,       // everything applied; the dialog closes
        DeckNotLoaded, // the external deck did not load: the built-in deck is checked again, nothing applied
        NoDeckChosen,  // no entry with a deck number: tell the player, then as above
    };
    OkResult ok();
    // The dialog closes: the four choices into the store, the sound switch
    // into the machine.
    void close();

    // The deck number of the entry shown in the list of decks.
    std::optional<int> chosenDeckNumber() const;

private:
    void refreshStatistics();
    void refreshTrainerFigures();
    void fillAllGamesAtCreation();
    void builtInDeckAgain();
    void applyTimeLimit();

    Machine& machine_;
    store::Memory& memory_;
    SettingsHost& host_;
    DeckSource& decks_;
    SettingsModel model_;
    // The end-of-game timer as OK last left it.
    bool timerOn_ = false;
    int timerMs_ = 0;
};

// The percent label of a fortune slider: "+35%", "+0%", "-35%".
QString fortunePercent(int position);

} // namespace talvern::settings
