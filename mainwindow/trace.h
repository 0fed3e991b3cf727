#pragma once
// A diagnostic for the whole-program test: when TALVERN_TRACE names a file,
// the running program appends to it one line per click and key it receives
// and one line each time what the player can see changes. The figures come
// from the presentation models (the cabinet, the Jack Pot window's view, the
// settings dialog's model, the receipt's figures), never from the machine's
// inner state, so a test reads what the player reads. Without the variable
// nothing is created and nothing runs.
//
// Every line is tab-separated name=value fields:
//   seq=N  t=MS  kind=input  ev=press|key  win=OBJECTNAME  x= y= | key=
//   seq=N  t=MS  kind=state  busy=N  wait=0|1  modal=...  credits=... ...
//   (advice=MASK of the hint, five 0/1 or "-"; hint= and odds= its words;
//   hand= the card codes on the table)
// busy counts the cabinet's handlers still running (waiting in a pause or
// in a window they opened); busy=0 and wait=0 mean the machine waits for
// the player.
#include <QFile>
#include <QObject>
#include <QString>

#include <memory>

class QTimer;

namespace talvern {

class Controller;
namespace settings {
class SettingsFlow;
}
namespace store {
struct TotalsFigures;
}

// What the trace reads of the cabinet window: the models its windows are
// drawn from and which of them are up, nothing of the widgets.
class TracedWindow {
public:
    virtual Controller& controller() = 0;
    // Whether a step waits in a pause or a hold now.
    virtual bool pacerWaiting() = 0;
    // The Jack Pot window (its game is the controller's `jackPot`) is shown.
    virtual bool jackPotShown() = 0;
    // The settings dialog's rules, or null before the dialog is made.
    virtual settings::SettingsFlow* settingsFlow() = 0;
    virtual bool settingsShown() = 0;
    // What the totals receipt would show now.
    virtual const store::TotalsFigures& receiptFigures() = 0;

protected:
    ~TracedWindow() = default;
};

class Trace : public QObject {
public:
    // The trace the environment asks for, or none.
    static std::unique_ptr<Trace> fromEnvironment(TracedWindow& window);
    ~Trace() override;

    // What the player sees now, as the fields of a state line.
    static QString figures(TracedWindow& window);
    // A state line, if the figures changed since the last one (the timer's
    // tick; a test may call it at once).
    void sample();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Trace(TracedWindow& window, const QString& path);
    void write(const QString& kind, const QString& fields);

    TracedWindow& window_;
    QFile file_;
    QTimer* timer_ = nullptr;
    QString last_;
    qint64 start_ = 0;
    int seq_ = 0;
};

} // namespace talvern
