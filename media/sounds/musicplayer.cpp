#include "media/sounds/musicplayer.h"

// Only FluidSynth's declarations: the library itself is opened the first
// time music is asked for, so a run without music never loads it (nor the
// thirty-odd libraries of codecs and sound servers it brings along).
#include <fluidsynth.h>

#ifdef TALVERN_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

#include <dlfcn.h>

namespace talvern::media {

namespace {

// The functions the player calls, from the library opened on first use.
struct Fluid {
#define TALVERN_FLUID_FUNCTIONS(X)                                                                      \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setstr) X(new_fluid_synth)         \
    X(delete_fluid_synth) X(fluid_is_soundfont) X(fluid_synth_sfload) X(fluid_is_midifile)             \
    X(new_fluid_audio_driver) X(delete_fluid_audio_driver) X(new_fluid_player) X(delete_fluid_player) \
    X(fluid_player_add) X(fluid_player_play) X(fluid_player_stop) X(fluid_player_get_status)           \
    X(fluid_synth_count_midi_channels) X(fluid_synth_cc) X(fluid_synth_all_notes_off)                  \
    X(fluid_synth_all_sounds_off) X(fluid_set_log_function)
#define TALVERN_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
    TALVERN_FLUID_FUNCTIONS(TALVERN_FLUID_MEMBER)
#undef TALVERN_FLUID_MEMBER
};

// FluidSynth, or nullptr when its library cannot be opened: no music then.
const Fluid* fluid()
{
    static const Fluid* const loaded = []() -> const Fluid* {
        void* lib = dlopen(TALVERN_FLUIDSYNTH_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!lib) return nullptr;
        static Fluid f;
        bool complete = true;
#define TALVERN_FLUID_LOOKUP(name)                                           \
    f.name = reinterpret_cast<decltype(&::name)>(dlsym(lib, #name));         \
    complete = complete && f.name != nullptr;
        TALVERN_FLUID_FUNCTIONS(TALVERN_FLUID_LOOKUP)
#undef TALVERN_FLUID_LOOKUP
        if (!complete) return nullptr;
        // FluidSynth logs to the terminal by default, and complains loudly
        // on a machine without sound; the game has nothing to tell the
        // player about it.
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) f.fluid_set_log_function(level, nullptr, nullptr);
        return &f;
    }();
    return loaded;
}

#ifdef TALVERN_HAVE_ALSA
// The ALSA library prints its own complaints about a missing sound card,
// past FluidSynth's logging; hush it while the driver is being made. It is
// FluidSynth's own copy of the library that is hushed, found the same way.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class AlsaHush {
public:
    AlsaHush()
    {
        if (void* lib = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD)) {
            set_ = reinterpret_cast<decltype(set_)>(dlsym(lib, "snd_lib_error_set_handler"));
            dlclose(lib);
        }
        if (set_) set_(quietAlsa);
    }
    ~AlsaHush()
    {
        if (set_) set_(nullptr);
    }
    AlsaHush(const AlsaHush&) = delete;
    AlsaHush& operator=(const AlsaHush&) = delete;

private:
    int (*set_)(snd_lib_error_handler_t) = nullptr;
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

FluidMusicPlayer::FluidMusicPlayer(Options options) : options_(std::move(options)) {}

FluidMusicPlayer::~FluidMusicPlayer()
{
    close();
    // Anything made came from the library, which is then open; with nothing
    // made the library is not opened just to close.
    if (synth_) fluid()->delete_fluid_synth(synth_);
    if (settings_) fluid()->delete_fluid_settings(settings_);
}

bool FluidMusicPlayer::ensureSynth()
{
    const Fluid* f = fluid();
    if (!f) return false;
    if (!settings_) {
        settings_ = f->new_fluid_settings();
        if (!settings_) return false;
        for (const auto& [name, value] : options_.settings) f->fluid_settings_setstr(settings_, name.c_str(), value.c_str());
    }
    if (!synth_) {
        synth_ = f->new_fluid_synth(settings_);
        if (!synth_) return false;
    }
    if (!soundFontLoaded_) {
        // Checking first keeps a missing or broken file from reaching the loader.
        if (!f->fluid_is_soundfont(options_.soundFont.c_str())) return false;
        soundFontLoaded_ = f->fluid_synth_sfload(synth_, options_.soundFont.c_str(), 1) != FLUID_FAILED;
    }
    return soundFontLoaded_;
}

bool FluidMusicPlayer::ensureDriver()
{
    const Fluid* f = fluid();
    [[maybe_unused]] const AlsaHush hush;
    for (const std::string& name : options_.drivers) {
        if (driver_) break;
        if (f->fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK) continue;
        driver_ = f->new_fluid_audio_driver(settings_, synth_);
    }
    return driver_ != nullptr;
}

bool FluidMusicPlayer::open(const std::string& path)
{
    const Fluid* f = fluid();
    if (!f || !f->fluid_is_midifile(path.c_str())) return false;
    if (!ensureSynth() || !ensureDriver()) return false;
    if (player_) {
        f->fluid_player_stop(player_);
        f->delete_fluid_player(player_);
        player_ = nullptr;
        silence();
    }
    player_ = f->new_fluid_player(synth_);
    if (!player_) return false;
    if (f->fluid_player_add(player_, path.c_str()) != FLUID_OK || f->fluid_player_play(player_) != FLUID_OK) {
        f->delete_fluid_player(player_);
        player_ = nullptr;
        return false;
    }
    return true;
}

bool FluidMusicPlayer::isPlaying() const
{
    return player_ && fluid()->fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

// The player leaves sounding notes (and a held pedal) as they are when it
// stops; let them go so the music actually falls silent.
void FluidMusicPlayer::silence()
{
    if (!synth_) return;
    const Fluid* f = fluid();
    const int channels = f->fluid_synth_count_midi_channels(synth_);
    for (int ch = 0; ch < channels; ++ch) f->fluid_synth_cc(synth_, ch, 64, 0);
    f->fluid_synth_all_notes_off(synth_, -1);
}

void FluidMusicPlayer::stop()
{
    if (!player_) return;
    fluid()->fluid_player_stop(player_);
    silence();
}

void FluidMusicPlayer::close()
{
    if (!player_ && !driver_ && !synth_) return;  // nothing was ever made
    const Fluid* f = fluid();
    if (player_) f->fluid_player_stop(player_);
    // The driver goes first: with its thread gone nothing can call into the
    // player while it is being deleted.
    if (driver_) {
        f->delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (player_) {
        f->delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) f->fluid_synth_all_sounds_off(synth_, -1);
}

} // namespace talvern::media
