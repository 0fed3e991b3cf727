#pragma once
// Plays the machine's sound effects through Qt Multimedia.
#include "media/sounds/effects.h"

#include <array>
#include <memory>

class QSoundEffect;

namespace talvern::media {

// One QSoundEffect per sound, loaded once from the resources when the player
// is made (create it after the application object). Starting a sound stops
// the one that is playing. Without an audio device nothing is heard and
// nothing fails; the calls never wait for the sound.
class QtSoundPlayer : public EffectsPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Looping sounds run until the next start. None and unknown ids are ignored.
    void start(SoundId id, bool loop) override;

    // Waits, serving events, until every sound has been read (or failed),
    // at most `timeoutMs`. Qt 6.4's sample cache deadlocks at program exit
    // while a sample is still being decoded, so the player settles before
    // it goes; quitting right after start-up is how that happens.
    void finishLoading(int timeoutMs = 2000) override;
    bool loading() const override;

    // The sound started last (None before the first), and the effect that
    // plays a sound (nullptr for None and unknown ids), for diagnostics.
    SoundId current() const { return current_; }
    const QSoundEffect* effect(SoundId id) const;

private:
    std::array<std::unique_ptr<QSoundEffect>, kSoundCount> effects_;
    SoundId current_ = SoundId::None;
};

} // namespace talvern::media
