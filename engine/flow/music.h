#pragma once
// The music of the biggest wins: "temp.mid" from the working directory, for
// 152 seconds at most. The timer itself is the window's; it calls timerFired().
#include <functional>
#include <string>

#include "ports.h"

namespace talvern {

class Music {
public:
    static constexpr int kPlayMs = 152000;

    Music(MusicPort& port, const bool& soundOn) : port_(port), soundOn_(soundOn) {}

    // Starts and stops the window's timer.
    void setTimer(std::function<void(bool run)> timer) { timer_ = std::move(timer); }
    void setFile(std::string path) { file_ = std::move(path); }

    // Play music: only with sounds on and the file there; failures are silent.
    void play();
    // Timer1 fired: stop, close and stop the timer.
    void timerFired();
    // The take-win buttons of the card-pick and roulette games.
    void stopIfPlaying();
    // A pull of the trigger: quiet now, the timer closes the device later.
    void silence();

private:
    MusicPort& port_;
    const bool& soundOn_;
    std::function<void(bool)> timer_;
    std::string file_ = "temp.mid";
};

} // namespace talvern
