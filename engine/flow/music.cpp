#include "music.h"

#include <filesystem>

namespace talvern {

void Music::play() {
    if (!soundOn_) return;
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) return;
    port_.open(file_);  // a device that fails stays silent
    if (timer_) timer_(true);
}

void Music::timerFired() {
    port_.stop();
    port_.close();
    if (timer_) timer_(false);
}

void Music::stopIfPlaying() {
    if (!port_.isPlaying()) return;
    port_.stop();
    port_.close();
    if (timer_) timer_(false);
}

void Music::silence() {
    if (port_.isPlaying()) port_.stop();
}

} // namespace talvern
