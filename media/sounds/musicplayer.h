#pragma once
// Plays the music file through FluidSynth's MIDI player.
#include "engine/ports.h"

#include <string>
#include <utility>
#include <vector>

// FluidSynth's handles, declared as its own header does.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
typedef struct _fluid_player_t fluid_player_t;

namespace talvern::media {

// Everything is made on the first open(): the synthesiser, the soundfont and
// the audio output; a failure at any step makes open() return false and the
// next open() tries again. FluidSynth's own messages are switched off, so a
// machine without sound stays quiet in every sense.
class FluidMusicPlayer : public MusicPort {
public:
    static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

    struct Options {
        std::string soundFont = kDefaultSoundFont;
        // Audio drivers, tried in this order.
        std::vector<std::string> drivers = {"pulseaudio", "alsa"};
        // Further FluidSynth string settings, set before the driver is made
        // (for instance "audio.file.name" for the "file" driver).
        std::vector<std::pair<std::string, std::string>> settings;
    };

    explicit FluidMusicPlayer(std::string soundFont = kDefaultSoundFont);
    explicit FluidMusicPlayer(Options options);
    ~FluidMusicPlayer() override;
    FluidMusicPlayer(const FluidMusicPlayer&) = delete;
    FluidMusicPlayer& operator=(const FluidMusicPlayer&) = delete;

    bool open(const std::string& path) override;
    bool isPlaying() const override;
    void stop() override;
    void close() override;

private:
    bool ensureSynth();
    bool ensureDriver();
    void silence();

    Options options_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    bool soundFontLoaded_ = false;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_player_t* player_ = nullptr;
};

} // namespace talvern::media
