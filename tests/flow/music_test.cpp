#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "music.h"
#include "riskrig.h"

using namespace talvern;

namespace {

struct MusicRig {
    test::MusicSpy port;
    bool soundOn = true;
    Music music{port, soundOn};
    int timerStarts = 0, timerStops = 0;
    std::filesystem::path file = std::filesystem::temp_directory_path() / "talvern-music-test.mid";
    MusicRig() {
        music.setTimer([this](bool run) { run ? ++timerStarts : ++timerStops; });
        music.setFile(file.string());
        std::ofstream(file) << "MThd";
    }
    ~MusicRig() { std::filesystem::remove(file); }
};
} // namespace

TEST(Music, PlaysWithTheTimerAndStopsWhenItFires) {
    MusicRig r;
    r.music.play();
    EXPECT_EQ(r.port.opens, 1);
    EXPECT_EQ(r.timerStarts, 1);
    r.music.timerFired();
    EXPECT_FALSE(r.port.playing);
    EXPECT_EQ(r.port.closes, 1);
    EXPECT_EQ(r.timerStops, 1);
    EXPECT_EQ(Music::kPlayMs, 152000);
}

TEST(Music, SilentWithoutSoundOrFile) {
    MusicRig r;
    r.soundOn = false;
    r.music.play();
    EXPECT_EQ(r.port.opens, 0);
    r.soundOn = true;
    std::filesystem::remove(r.file);
    r.music.play();
    EXPECT_EQ(r.port.opens, 0);
    EXPECT_EQ(r.timerStarts, 0);
}

TEST(Music, StopIfPlayingAndSilence) {
    MusicRig r;
    r.music.stopIfPlaying();  // nothing playing: nothing to do
    EXPECT_EQ(r.port.stops, 0);
    r.music.play();
    r.music.silence();  // a pull: stopped, the device stays open for the timer
    EXPECT_EQ(r.port.stops, 1);
    EXPECT_EQ(r.port.closes, 0);
    EXPECT_EQ(r.timerStops, 0);
    r.music.play();
    r.music.stopIfPlaying();
    EXPECT_EQ(r.port.closes, 1);
    EXPECT_EQ(r.timerStops, 1);
}
