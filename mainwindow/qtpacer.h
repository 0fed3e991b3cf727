#pragma once
// The cabinet's pacer: waits in a nested event loop, so the window keeps
// painting, sounds keep playing and other buttons can be clicked; a hold
// also swallows the player's clicks and keys while it waits. When the
// program closes, abortWaits() ends every wait and makes the waiting flows
// unwind (Unwind) before any window is destroyed.
#include <QObject>

#include <functional>
#include <vector>

#include "pacer.h"

class QEventLoop;

namespace talvern {

class QtPacer : public QObject, public Pacer {
public:
    explicit QtPacer(QObject* parent = nullptr);
    ~QtPacer() override;

    // Called before every wait so the cabinet shows the latest state.
    void setRender(std::function<void()> render) { render_ = std::move(render); }

    void pause(int ms) override { wait(ms, false); }
    void hold(int ms) override { wait(ms, true); }
    void processEvents() override;

    // Tests of the window binding run the waits faster (0: no waiting at all).
    void setTimeScale(double scale) { timeScale_ = scale; }

    void abortWaits();
    void resume() { aborting_ = false; }
    bool aborting() const { return aborting_; }
    bool waiting() const { return !loops_.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wait(int ms, bool ignoreInput);
    std::function<void()> render_;
    std::vector<QEventLoop*> loops_;
    int holding_ = 0;
    bool aborting_ = false;
    double timeScale_ = 1.0;
};

} // namespace talvern
