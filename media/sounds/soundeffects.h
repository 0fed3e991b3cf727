#pragma once
// The machine's sound effects as the game sees them. The player itself
// (QtSoundPlayer) lives in the plugin talvern-sound.so (effects.h), loaded
// by load() or by the first sound asked for: the cabinet calls load() once
// its first picture is drawn, so neither Qt Multimedia nor the decoding of
// the samples shares the start with the window. Without the plugin (not
// built, not installed, damaged) the machine is silent and plays on.
#include <QStringList>

#include <memory>

#include "engine/ports.h"

namespace talvern::media {

class EffectsPlayer;

class SoundEffects : public SoundPort {
public:
    // `pluginFiles`: where the plugin is looked for, in order; empty means
    // beside the installed program, then in the build tree.
    explicit SoundEffects(QStringList pluginFiles = {});
    ~SoundEffects() override;
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Loads the plugin and has its player read the effects; tried once.
    void load();
    // Whether a player is there (the plugin loaded).
    bool loaded() const { return player_ != nullptr; }

    void start(SoundId id, bool loop) override;
    // The player's (see QtSoundPlayer::finishLoading); at once without one.
    void finishLoading(int timeoutMs = 2000);

private:
    QStringList files_;
    std::unique_ptr<EffectsPlayer> player_;
    bool tried_ = false;
};

} // namespace talvern::media
