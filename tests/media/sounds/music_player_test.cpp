// The music player. There is no audio device here, so the real drivers are
// only shown not to crash or complain; FluidSynth's "file" driver stands in
// for a sound card where a test needs the music to actually run.
#include "media/sounds/musicplayer.h"
#include "tiny_midi.h"

#include <QFile>
#include <QTemporaryDir>

#include <dlfcn.h>

#include <gtest/gtest.h>

namespace talvern::media::test {
namespace {

class FluidMusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        midi_ = dir_.filePath(QStringLiteral("temp.mid")).toStdString();
        ASSERT_TRUE(writeFile(QString::fromStdString(midi_), tinyMidi()));
    }

    // A player whose "sound card" is a WAVE file in the temporary folder.
    FluidMusicPlayer::Options toFile(std::string soundFont = FluidMusicPlayer::kDefaultSoundFont) const
    {
        FluidMusicPlayer::Options o;
        o.soundFont = std::move(soundFont);
        o.drivers = {"file"};
        o.settings = {{"audio.file.name", rendered()}};
        return o;
    }
    std::string rendered() const { return dir_.filePath(QStringLiteral("out.wav")).toStdString(); }
    static bool haveSoundFont() { return QFile::exists(QString::fromLatin1(FluidMusicPlayer::kDefaultSoundFont)); }

    QTemporaryDir dir_;
    std::string midi_;
};

// First of the player's tests, while nothing has asked for music yet.
TEST_F(FluidMusicPlayerTest, FluidSynthIsOpenedOnlyWhenMusicIsAskedFor)
{
    const auto loaded = [] {
        void* lib = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_NOLOAD);
        if (lib) dlclose(lib);
        return lib != nullptr;
    };
    if (loaded()) GTEST_SKIP() << "another test of this run has opened it already";
    {
        FluidMusicPlayer player(toFile());
        EXPECT_FALSE(player.isPlaying());
        player.stop();
        player.close();
    }
    EXPECT_FALSE(loaded());
    FluidMusicPlayer player(toFile());
    player.open(midi_);
    EXPECT_TRUE(loaded());
}

TEST_F(FluidMusicPlayerTest, MissingOrForeignFileIsRefused)
{
    FluidMusicPlayer player(toFile());
    EXPECT_FALSE(player.open(dir_.filePath(QStringLiteral("nothing.mid")).toStdString()));
    const QString text = dir_.filePath(QStringLiteral("text.mid"));
    ASSERT_TRUE(writeFile(text, "not a MIDI file at all"));
    EXPECT_FALSE(player.open(text.toStdString()));
    EXPECT_FALSE(player.open(""));
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(FluidMusicPlayerTest, MissingOrBrokenSoundFontIsRefused)
{
    FluidMusicPlayer missing(toFile(dir_.filePath(QStringLiteral("none.sf2")).toStdString()));
    EXPECT_FALSE(missing.open(midi_));
    EXPECT_FALSE(missing.isPlaying());

    const QString broken = dir_.filePath(QStringLiteral("broken.sf2"));
    ASSERT_TRUE(writeFile(broken, QByteArray("RIFF\x04\0\0\0sfbk", 12)));
    FluidMusicPlayer bad(toFile(broken.toStdString()));
    EXPECT_FALSE(bad.open(midi_));
    EXPECT_FALSE(bad.isPlaying());
}

TEST_F(FluidMusicPlayerTest, NoUsableDriverIsRefused)
{
    if (!haveSoundFont()) GTEST_SKIP() << "no soundfont installed";
    FluidMusicPlayer::Options o;
    o.drivers = {"no-such-driver"};
    FluidMusicPlayer player(o);
    EXPECT_FALSE(player.open(midi_));
    EXPECT_FALSE(player.isPlaying());
    player.close();
}

TEST_F(FluidMusicPlayerTest, StopAndCloseBeforeAnyOpenAreHarmless)
{
    FluidMusicPlayer player;
    EXPECT_FALSE(player.isPlaying());
    player.stop();
    player.close();
    player.close();
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(FluidMusicPlayerTest, PlaysStopsReopensAndClosesOnAWorkingDevice)
{
    if (!haveSoundFont()) GTEST_SKIP() << "no soundfont installed";
    FluidMusicPlayer player(toFile());
    ASSERT_TRUE(player.open(midi_));
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    // Stop keeps the device: the file is played again without closing.
    ASSERT_TRUE(player.open(midi_));
    EXPECT_TRUE(player.isPlaying());
    player.close();
    EXPECT_FALSE(player.isPlaying());
    player.stop();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(rendered()))) << "the driver never ran";
    // After close everything is made anew on the next open.
    ASSERT_TRUE(player.open(midi_));
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(FluidMusicPlayerTest, CanBeDestroyedWhilePlaying)
{
    if (!haveSoundFont()) GTEST_SKIP() << "no soundfont installed";
    auto player = std::make_unique<FluidMusicPlayer>(toFile());
    ASSERT_TRUE(player->open(midi_));
    player.reset();
}

TEST_F(FluidMusicPlayerTest, RealDriversDoWhatTheMachineAllows)
{
    // With a sound card this plays; without one open() is simply false. Either
    // way nothing crashes and closing afterwards is safe.
    FluidMusicPlayer player;
    const bool opened = player.open(midi_);
    if (!opened) {
        EXPECT_FALSE(player.isPlaying());
    }
    player.stop();
    player.close();
    EXPECT_FALSE(player.isPlaying());
    player.close();
}

} // namespace
} // namespace talvern::media::test
