#include "media/sounds/musicplayer.h"

#include <fluidsynth.h>

#ifdef TALVERN_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

namespace talvern::media {

namespace {

// FluidSynth logs to the terminal by default, and complains loudly on a
// machine without sound; the game has nothing to tell the player about it.
void quietFluidSynth()
{
    static const bool done = [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)done;
}

#ifdef TALVERN_HAVE_ALSA
// The ALSA library prints its own complaints about a missing sound card,
// past FluidSynth's logging; hush it while the driver is being made.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class AlsaHush {
public:
    AlsaHush() { snd_lib_error_set_handler(quietAlsa); }
    ~AlsaHush() { snd_lib_error_set_handler(nullptr); }
    AlsaHush(const AlsaHush&) = delete;
    AlsaHush& operator=(const AlsaHush&) = delete;
};
#else
struct AlsaHush {};
#endif

} // namespace

FluidMusicPlayer::FluidMusicPlayer(std::string soundFont) : FluidMusicPlayer([&] {
    Options o;
    o.soundFont = std::move(soundFont);
    return o;
}())
{
}

FluidMusicPlayer::FluidMusicPlayer(Options options) : options_(std::move(options)) { quietFluidSynth(); }

FluidMusicPlayer::~FluidMusicPlayer()
{
    close();
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidMusicPlayer::ensureSynth()
{
    if (!settings_) {
        settings_ = new_fluid_settings();
        if (!settings_) return false;
        for (const auto& [name, value] : options_.settings) fluid_settings_setstr(settings_, name.c_str(), value.c_str());
    }
    if (!synth_) {
        synth_ = new_fluid_synth(settings_);
        if (!synth_) return false;
    }
    if (!soundFontLoaded_) {
        // Checking first keeps a missing or broken file from reaching the loader.
        if (!fluid_is_soundfont(options_.soundFont.c_str())) return false;
        soundFontLoaded_ = fluid_synth_sfload(synth_, options_.soundFont.c_str(), 1) != FLUID_FAILED;
    }
    return soundFontLoaded_;
}

bool FluidMusicPlayer::ensureDriver()
{
    [[maybe_unused]] const AlsaHush hush;
    for (const std::string& name : options_.drivers) {
        if (driver_) break;
        if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK) continue;
        driver_ = new_fluid_audio_driver(settings_, synth_);
    }
    return driver_ != nullptr;
}

bool FluidMusicPlayer::open(const std::string& path)
{
    if (!fluid_is_midifile(path.c_str())) return false;
    if (!ensureSynth() || !ensureDriver()) return false;
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
        silence();
    }
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_player_add(player_, path.c_str()) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
        return false;
    }
    return true;
}

bool FluidMusicPlayer::isPlaying() const
{
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

// The player leaves sounding notes (and a held pedal) as they are when it
// stops; let them go so the music actually falls silent.
void FluidMusicPlayer::silence()
{
    if (!synth_) return;
    const int channels = fluid_synth_count_midi_channels(synth_);
    for (int ch = 0; ch < channels; ++ch) fluid_synth_cc(synth_, ch, 64, 0);
    fluid_synth_all_notes_off(synth_, -1);
}

void FluidMusicPlayer::stop()
{
    if (!player_) return;
    fluid_player_stop(player_);
    silence();
}

void FluidMusicPlayer::close()
{
    if (player_) fluid_player_stop(player_);
    // The driver goes first: with its thread gone nothing can call into the
    // player while it is being deleted.
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (player_) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

} // namespace talvern::media
