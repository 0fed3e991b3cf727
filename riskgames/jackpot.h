#pragma once
// The Jack Pot window's game: find the joker among three cards. A hit pays a
// third of the Jack Pot (the rest at the third hit), a miss ends it. The
// window renders JackPotView and drives the two timers; this class holds the
// rules.
#include <QString>

#include <array>

#include "context.h"

namespace talvern {

struct JackPotView {
    QString amount = QStringLiteral("0");       // RxLabel1
    bool findJokerVisible = false;               // RxLabel2 "Найди джокера"
    std::array<QString, 3> cards;                // Image1..3 picture names
    std::array<bool, 3> cardsEnabled{true, true, true};
    std::array<bool, 3> sure{};                  // RxLabel4..6 "уверен?"
    bool yesVisible = false, yesEnabled = false; // BitBtn1 "Да!"
    bool winVisible = false;                     // RxLabel7 "Выигрыш:" and RxLabel8
    QString paid = QStringLiteral("0");          // RxLabel8
    bool pressAnyKeyVisible = true;              // Label1
    bool yellow = false;                         // the flash of the last hit
    bool shuffleTimer = false;                   // Timer1, 300 ms
    bool countUpTimer = false;                   // Timer2, 20 ms
};

class JackPotFlow {
public:
    static constexpr int kShuffleMs = 300;
    static constexpr int kCountUpMs = 20;
    static constexpr int kFloor = 10000;

    explicit JackPotFlow(Machine& m) : m_(m) {}

    JackPotView view;

    void open();             // the window is shown
    void shuffleTick();      // Timer1
    void countUpTick();      // Timer2
    void keyPressed(bool f12);
    void cardClick(int i);   // 0..2
    void confirm();          // "Да!"
    // Closing: the paid sum goes to the credits, what is left stays.
    void close();

    bool closed() const { return closed_; }
    bool paying() const { return paying_; }
    int hits() const { return hits_; }
    int amountAtOpen() const { return amountAtOpen_; }

private:
    void setUpGuess();
    void payOut();
    void endCountUp();
    QString faceName(Card c) const { return QString::fromStdString(m_.cards.name(c)); }
    QString backName() const { return QString::fromStdString(m_.cards.name(m_.state.selectedBack)); }

    Machine& m_;
    int amountAtOpen_ = 0, countedUp_ = 0, countDown_ = 0, shufflePos_ = 1, hits_ = 0, pick_ = 0, paid_ = 0;
    bool closed_ = true;  // until the window opens
    bool paying_ = false;
    bool lineOneZero_ = false;  // the main window's Lv1 shows "0"
};

} // namespace talvern
