#pragma once
// TForm2, the settings dialog "Настройки": six pages, the "Ok" button and the
// link to the maker's site. Created hidden at the start of the run and kept;
// the main window's settings button shows it without blocking the cabinet.
// It renders SettingsFlow's state and hands every change to it.
#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "infopage.h"
#include "settingsflow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace talvern::settings {

class CaptionButton;
class ClockFace;
class RecallWindow;
class GoldTitle;
class LinkLabel;
class Picture;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // With Controls::Later the pages and buttons are made the first time
    // they are needed (the dialog shown or drawn off the screen, or
    // buildControls()), so that the machine's first picture comes sooner;
    // the flow, which reads what the store remembers, is made at once.
    enum class Controls { Now, Later };
    // `connected` and `sitePages` are the information page's (see InfoPage).
    TForm2(Machine& machine, store::Memory& memory, SettingsHost& host, QWidget* parent = nullptr,
           InfoPage::Connected connected = {}, QStringList sitePages = {}, Controls controls = Controls::Now);
    ~TForm2() override;
    void buildControls();
    bool controlsBuilt() const { return built_; }
    void setVisible(bool visible) override;

    SettingsFlow& flow() { return *flow_; }
    decks::DeckSet& decks() { return *decks_; }
    InfoPage* infoPage() const { return info_; }

    // The main window's settings button, before it shows the dialog.
    void opening(bool fullScreen);
    // "история": the game log viewer, modally.
    void setHistoryHandler(std::function<void()> open) { openHistory_ = std::move(open); }
    // "Последние игры" on the statistics page: the game recall, modally.
    void openRecall();
    RecallWindow* recallWindow() const { return recall_; }
    // Every control takes the state of the flow.
    void render();
    // The dialog became active (it is called on showing and on activation).
    void activated();
    // The main window's load button was pressed.
    void creditsLoaded();

    // The pages and the buttons below them.
    QTabWidget* PageControl1 = nullptr;
    CaptionButton* Ok = nullptr;
    LinkLabel* LinkLabel1 = nullptr;

    // "Настройки"
    QComboBox* ComboBox1;
    GoldTitle* glLabel1;
    QRadioButton *RB1, *RB2, *RB3, *RB5, *RB6;
    Picture *ImageRB1, *ImageRB2, *ImageRB3;
    QCheckBox* CB2;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
    QCheckBox* CB1;
    QSpinBox* SEd1;
    QCheckBox* CheckBox1;
    CaptionButton* Button1;
    QCheckBox* glCheckBox5;
    // " Вид "
    QRadioButton *RadioButton5, *RadioButton6;
    QCheckBox* CheckBox3;
    // "Продвинутые настройки"
    QGroupBox* FortuneGroup;
    std::array<QSlider*, 4> RxSlider{};
    std::array<QLabel*, 4> PercentLabel{};  // RxLabel4, RxLabel3, RxLabel5, RxLabel6
    std::array<QLabel*, 4> StateLabel{};    // Label4 .. Label7
    QLabel* RxLabel7;
    CaptionButton* Button2;
    QLabel* Label71;
    ClockFace* Clock;
    QCheckBox* CheckBox5;
    QLabel* EndAfterLabel;
    QSpinBox* SEd2;
    QLabel* MinutesLabel;
    QCheckBox* CheckBox2;
    QLabel* RestartNote;
    QCheckBox* CheckBox4;
    // the expert at the player's side
    QCheckBox *HintBox, *TrainerBox, *KeysBox;
    // "Статистика"
    std::array<QCheckBox*, 4> SaveBox{};  // combinations, credits, Red-Black, Higher-Lower
    std::array<QLabel*, 10> CombinationThisRun{}, CombinationAll{};
    std::array<QLabel*, 4> CreditThisRun{}, CreditAll{};
    std::array<QLabel*, 2> RedBlackThisRun{}, RedBlackAll{}, HigherLowerThisRun{}, HigherLowerAll{};
    QCheckBox* TrainerSaveBox;
    std::array<QLabel*, 3> TrainerThisRun{}, TrainerAll{};  // decisions, mistakes, their cost
    CaptionButton* RecallButton;
    // "Карты"
    Picture *BuiltInDeckPicture, *ExternalDeckPicture;
    QComboBox* ComboBox2;
    CaptionButton* RxSpeedButton1;
    QRadioButton *p2, *p3;
    std::array<Picture*, 5> BackPicture{};
    std::array<QRadioButton*, 5> RBD{};

public slots:
    void done(int r) override;
    void reject() override {}  // Esc does not close it: only OK does

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // Each page in its own file: it builds its controls, wires them to the
    // flow and renders the flow's state into them.
    void buildRiskPage(QWidget* page);        // riskpage.cpp
    void renderRiskPage(const SettingsModel& m, const Options& o);
    void buildViewPage(QWidget* page);        // viewpage.cpp
    void renderViewPage(const SettingsModel& m, const store::ExitChoices& e);
    void buildAdvancedPage(QWidget* page);    // advancedpage.cpp
    void buildExpertBox(QWidget* page);
    void renderAdvancedPage(const SettingsModel& m, const Options& o, const store::ExitChoices& e);
    void buildStatisticsPage(QWidget* page);  // statisticspage.cpp
    void buildTrainerGroup(QWidget* page);
    void renderStatisticsPage(const SettingsModel& m, const store::ExitChoices& e);
    void buildCardsPage(QWidget* page);       // cardspage.cpp
    void renderCardsPage(const SettingsModel& m);
    void okClicked();
    // Runs a change of the flow and shows its result.
    template <typename F>
    void change(F&& f) {
        if (rendering_) return;
        f();
        render();
    }

    Machine& machine_;
    std::unique_ptr<decks::DeckSet> decks_;
    std::unique_ptr<LibraryDecks> deckSource_;
    std::unique_ptr<SettingsFlow> flow_;
    InfoPage* info_ = nullptr;
    std::function<void()> openHistory_;
    store::Memory& memory_;
    RecallWindow* recall_ = nullptr;
    QImage wood_;
    bool rendering_ = false;
    bool built_ = false;
    bool created_ = false;
    InfoPage::Connected connected_;  // the information page's, until it is made
    QStringList sitePages_;
};

} // namespace talvern::settings
