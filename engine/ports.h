#pragma once
// The engine's view of the world outside it. Game code talks to these small
// interfaces only, so tests can replace the clock, the speakers and the music
// player with recording fakes.
#include <cstdint>
#include <string>

namespace talvern {

// Sound effect ids as the machine numbers them; 0 is "no sound".
enum class SoundId : int {
    None = 0,
    Click = 1, Card, Rasd, Select, Bet, Yes, No, Home, Pay,
    Zvon, Zvjak, Bonus, Bonus1, Halt, Serdze, Gun, Gunno, Gunyes,
};
inline constexpr int kSoundCount = 18;

// Plays the WAVE effects. Starting a sound stops the one playing; the
// heartbeat is started with loop = true and runs until the next start.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void start(SoundId id, bool loop) = 0;
};

// Plays the music file. Every failure (no file, no synthesiser, no audio
// device) is silent: open() then simply returns false.
class MusicPort {
public:
    virtual ~MusicPort() = default;
    virtual bool open(const std::string& path) = 0; // load and start playing
    virtual bool isPlaying() const = 0;
    virtual void stop() = 0;  // stop playing, keep the file open
    virtual void close() = 0; // stop and release the file and device
};

// Time of day for seeding the random source.
class Clock {
public:
    virtual ~Clock() = default;
    // ((h * 60 + m) * 60 + s) * 1000 + ms of the current UTC time.
    virtual std::uint32_t millisecondsOfDayUtc() = 0;
};

} // namespace talvern
