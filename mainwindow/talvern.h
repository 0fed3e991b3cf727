#pragma once
// TTalvern, the main window: the 800 x 600 cabinet on Panel1, shown 1:1 in a
// window or scaled to fill the screen (aspect kept, black bars). It renders
// the controller's presentation model and forwards clicks and keys.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "controller.h"
#include "memory.h"
#include "qtpacer.h"
#include "settingsflow.h"
#include "trace.h"

class QGraphicsScene;
class QGraphicsView;
class QTimer;

namespace talvern {

class CardView;
class ExpertPanel;
class FramesView;
class HotSpot;
class RiskPanels;
class NumberView;
class PayLineView;
class PictureButton;
class TextLine;
class TAboutBox4;
namespace settings {
class TForm2;
}
namespace about {
class Tabout;
}
namespace store {
class TForm4;
class TForm6;
}

namespace media {
class SoundEffects;
class FluidMusicPlayer;
}

class SystemClock : public Clock {
public:
    std::uint32_t millisecondsOfDayUtc() override;
};

class TTalvern : public QWidget, public TracedWindow, private WindowPort, private store::ExitPort, private settings::SettingsHost {
public:
    explicit TTalvern(QWidget* parent = nullptr);
    ~TTalvern() override;

    // The screen checks of start-up: false (after telling the player why)
    // when the screen is too small or has too few colours.
    static bool displayIsUsable(QWidget* owner);

    Controller& controller() override { return *controller_; }
    store::Memory& memory() { return *memory_; }
    store::TForm4* totalsWindow() const { return totals_; }
    store::TForm6* historyViewer() const { return history_; }
    settings::TForm2* settingsDialog() const { return settings_; }
    about::Tabout* aboutWindow() const { return about_; }
    QWidget* panel1() const { return panel1_; }
    QtPacer& pacer() { return pacer_; }
    bool fullScreenMode() const { return fullScreen_; }
    // The time limit of the settings: the game ends after this many minutes
    // (0: no limit).
    void setTimeLimit(int minutes);
    void enterFullScreen();
    void leaveFullScreen();
    void render() override;  // also what the settings dialog asks for
    // Whether the payment animation's timer runs.
    bool animating() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // TracedWindow
    bool pacerWaiting() override;
    bool jackPotShown() override;
    settings::SettingsFlow* settingsFlow() override;
    bool settingsShown() override;
    const store::TotalsFigures& receiptFigures() override;

    // WindowPort
    bool ask(const QString& question) override;
    void openAddress(const QString& url) override;
    void openHelp() override;
    void showAbout() override;
    void showTotals() override;
    void showSettings() override;
    void minimize() override;
    void toggleFullScreen() override;
    void closeWindow() override { close(); }

    // store::ExitPort
    bool askReset(const QString& question) override;
    int displayMode() override { return fullScreen_ ? 1 : 0; }
    void showReceipt() override;
    bool askPlayAgain(const QString& question) override;
    void restoreDesktop(const store::DesktopMode&) override {}  // the desktop's mode is never changed
    void startAgain() override;
    void reportProblem(const QString& message) override;

    // settings::SettingsHost (render() is the public one above)
    void startTimeLimit(int intervalMs) override { setTimeLimit(intervalMs / 60000); }
    void stopTimeLimit() override { setTimeLimit(0); }
    void applyDisplayMode(bool fullScreen) override;

    void buildPanel();
    void openJackPot();
    void fitView();
    void animate();
    void updateAnimation();
    void prepareWindows(int step);

    QtPacer pacer_;
    SystemClock clock_;
    std::unique_ptr<media::SoundEffects> sound_;
    std::unique_ptr<media::FluidMusicPlayer> musicPlayer_;
    std::unique_ptr<Controller> controller_;
    std::unique_ptr<Music> music_;
    QTimer* timer1_ = nullptr;  // the music's 152 s
    QTimer* timer2_ = nullptr;  // the time limit

    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QWidget* panel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    std::array<CardView*, 5> cards_{};
    std::array<TextLine*, 5> holds_{};
    std::array<PayLineView*, 10> payCaptions_{}, payValues_{};
    NumberView *bonus_ = nullptr, *jackPot_ = nullptr, *credits_ = nullptr, *bet_ = nullptr, *topPrize_ = nullptr;
    TextLine *message1_ = nullptr, *rxLabel24_ = nullptr;
    FramesView *dealx_ = nullptr, *payment_ = nullptr, *duble_ = nullptr;
    PictureButton *deal_ = nullptr, *bet1_ = nullptr, *bet2_ = nullptr, *pay_ = nullptr;
    std::vector<std::pair<PictureButton*, Ctl>> buttons_;  // drawn enabled while the controller takes them
    QWidget *rdBl_ = nullptr, *rusRul_ = nullptr, *panel3_ = nullptr, *panel4_ = nullptr;
    HotSpot* image6_ = nullptr;
    RiskPanels* riskPanels_ = nullptr;  // RdBl, Panel3 and Panel4 filled
    std::unique_ptr<ExpertPanel> expert_;  // the hint, its marks and the risk games' odds
    std::unique_ptr<store::Memory> memory_;
    store::TForm4* totals_ = nullptr;
    store::TForm6* history_ = nullptr;
    settings::TForm2* settings_ = nullptr;
    about::Tabout* about_ = nullptr;
    TAboutBox4* jackPotWindow_ = nullptr;
    QTimer* animation_ = nullptr;
    int paymentFrame_ = 0;
    bool fullScreen_ = false;
    bool closePending_ = false;
    QPointer<QMessageBox> question_;  // the question the cabinet waits on, if any
    std::unique_ptr<Trace> trace_;  // last: it reads the others to the end
};

} // namespace talvern
