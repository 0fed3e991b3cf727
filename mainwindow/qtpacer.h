#pragma once
// The cabinet's pacer: waits in a nested event loop, so the window keeps
// painting, sounds keep playing and other buttons can be clicked; a hold
// also swallows the player's clicks and keys while it waits. When the
// program closes, abortWaits() ends every wait and makes the waiting flows
// unwind (Unwind) before any window is destroyed.
//
// The model is rendered before every wait, and at most once a frame while a
// flow only handles events between its steps (the Jack Pot's payout adds
// ten thousand units one at a time): the last step is rendered at the
// latest a frame later, by a timer.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

#include "pacer.h"

class QEventLoop;

namespace talvern {

class QtPacer : public QObject, public Pacer {
public:
    explicit QtPacer(QObject* parent = nullptr);
    ~QtPacer() override;

    // Called before every wait so the cabinet shows the latest state, and
    // at most once a frame from processEvents().
    void setRender(std::function<void()> render);

    void pause(int ms) override { wait(ms, false); }
    void hold(int ms) override { wait(ms, true); }
    void processEvents() override;

    // Tests of the window binding run the waits faster (0: no waiting at all).
    void setTimeScale(double scale) { timeScale_ = scale; }

    void abortWaits();
    void resume() { aborting_ = false; }
    bool aborting() const { return aborting_; }
    bool waiting() const { return !loops_.empty(); }

    // The shortest time between two renders of processEvents() (a frame of
    // the screen), and how many renders there have been.
    int frameMs() const { return frameMs_; }
    void setFrameMs(int ms) { frameMs_ = ms; }
    int renders() const { return renders_; }
    // Whether a step is waiting for its render at the end of the frame.
    bool renderDue() const { return frame_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wait(int ms, bool ignoreInput);
    void renderNow();
    std::function<void()> render_;
    QElapsedTimer sinceRender_;
    QTimer frame_;  // the render a frame after a step that was not rendered
    int frameMs_ = 16;
    int renders_ = 0;
    std::vector<QEventLoop*> loops_;
    int holding_ = 0;
    bool aborting_ = false;
    double timeScale_ = 1.0;
};

} // namespace talvern
