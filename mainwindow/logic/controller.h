#pragma once
// The cabinet's controller: every click and key of the main window comes in
// here, is checked against the presentation model (a hidden or disabled
// control takes no click) and runs its flow. A flow that is waiting when the
// program closes is unwound here.
#include <QString>

#include <optional>

#include "context.h"
#include "expert.h"
#include "game.h"
#include "jackpot.h"
#include "redblack.h"
#include "riskgameset.h"
#include "takewin.h"
#include "winflow.h"

namespace talvern {

enum class Ctl {
    Deal, btnpay, btnbet1, btnbet2, Im1, Im2, Im3, Im4, Im5, Image6,
    btnoptions, btntotal, btnexit, btnClose, btnhelp, btnabout, btnminimize, Imwind, Imminim, Panel2,
    // the risk games' button rows: Panel3 (Red-Black) and Panel4
    BtnRed, BtnBlack, BtnNo, BtnCash, Btn12, BtnCash1, BtnHalf1, BtnYes1,
};

// What the controller asks of the window it drives.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual bool ask(const QString& question) = 0;  // Yes / No
    virtual void openAddress(const QString& url) = 0;
    virtual void openHelp() = 0;
    virtual void showAbout() = 0;
    virtual void showTotals() = 0;
    virtual void showSettings() = 0;
    virtual void minimize() = 0;            // leave full screen, then minimise
    virtual void toggleFullScreen() = 0;
    virtual void closeWindow() = 0;         // starts the closing sequence
};

// Keyboard play: the control a key presses now, if any. Enter and Space
// deal and draw, and in Higher-Lower and Russian Roulette take the next step;
// 1 to 5 are the cards; - and + the bet; Insert and 0 load credits; Left and
// Right guess red and black, Up and Down let the machine choose; End takes
// the win and Home half of it.
std::optional<Ctl> keyControl(int key, const Cabinet& cab);
// The keys of a control, as the help and the screen reader say them ("" for none).
QString keysOf(Ctl c);
inline constexpr int kHintKey = 0x01000031;  // Qt::Key_F2

// The maker's web pages, all on one host.
namespace web {
inline const QString kHost = QStringLiteral("https://talvern.ostrel.example");
QString helpPage();
QString deckPage();
QString homePage();
QString infoPage(int n);  // 1..10
} // namespace web

class Controller {
public:
    Controller(Pacer& pacer, SoundPort& sound, Clock& clock, WindowPort& window);

    Machine machine;
    GameFlow game;
    WinFlow wins;
    RedBlackFlow redBlack;
    TakeWinFlow takeWin;
    RiskGameSet risk;  // what the window hands to wins.setRiskGames()
    HigherLowerFlow higherLower;
    RouletteFlow roulette;
    JackPotFlow jackPot;  // the Jack Pot window's game
    ExpertFlow expert;    // the hint, the trainer and the risk games' odds, when turned on

    // Returns false when the control is hidden or disabled, or no click of it
    // is taken now.
    bool click(Ctl c);
    // Whether a click of the control would be taken now; the window draws
    // what this refuses as disabled.
    bool accepts(Ctl c) const;
    // Qt key codes: any key but F1 hides the intro, Esc minimises, F1 help.
    // With the hint on, F2 holds what it keeps; with keyboard play on, the
    // keys of keyControl() press their buttons (not while the intro is
    // shown, and not by a key held down).
    void keyPressed(int key, bool autoRepeat = false);

    // The Jack Pot window's clicks, keys and timers: its guess and payout
    // wait like every other step, so they run in the same guard.
    void jackPotCard(int i);
    void jackPotConfirm();
    void jackPotKey(bool f12);
    void jackPotShuffleTick();
    void jackPotCountUpTick();

    // Ends the game (exit buttons, the time limit): a Jack Pot window still
    // open pays what it has paid so far, the board is reset, the credits
    // are taken out and the window closes.
    void endGame(bool homeSound);
    void timeLimitReached() { endGame(true); }

    // How many handlers are running (waiting in a pause) now.
    int depth() const { return depth_; }
    void setUnwoundCallback(std::function<void()> f) { unwound_ = std::move(f); }

private:
    template <typename F>
    void guarded(F&& f);
    template <typename F>
    void jackPotStep(F&& f);
    WindowPort& window_;
    int depth_ = 0;
    bool ending_ = false;
    std::function<void()> unwound_;
};

} // namespace talvern
