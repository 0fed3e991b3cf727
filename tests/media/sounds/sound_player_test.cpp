// The effects player on a machine without an audio device (as here and in CI):
// it must take every call, never fail and never wait. Whether a sound is heard
// is not observable here, so nothing below looks at isPlaying().
#include "media/sounds/soundeffects.h"
#include "media/sounds/soundplayer.h"
#include "media/sounds/soundresources.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QSoundEffect>
#include <QUrl>

#include <gtest/gtest.h>

namespace talvern::media::test {
namespace {

SoundId id(int i) { return static_cast<SoundId>(i); }

TEST(QtSoundPlayer, LoadsEachSoundOnceFromItsResource)
{
    QtSoundPlayer player;
    for (int i = 1; i <= kSoundCount; ++i) {
        const QSoundEffect* effect = player.effect(id(i));
        ASSERT_NE(effect, nullptr) << i;
        EXPECT_EQ(effect->source(), QUrl(soundResourceUrl(id(i))));
        // The URL has to lead to a real resource, or the effect stays silent.
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + effect->source().path())) << effect->source().toString().toStdString();
        for (int j = 1; j < i; ++j) EXPECT_NE(effect, player.effect(id(j)));
    }
    EXPECT_EQ(player.effect(SoundId::None), nullptr);
    EXPECT_EQ(player.effect(id(kSoundCount + 1)), nullptr);
    EXPECT_EQ(player.effect(id(-3)), nullptr);
}

TEST(QtSoundPlayer, StartsEverySoundOnceOrLoopedWithoutADevice)
{
    QtSoundPlayer player;
    EXPECT_EQ(player.current(), SoundId::None);
    for (int i = 1; i <= kSoundCount; ++i) {
        player.start(id(i), false);
        EXPECT_EQ(player.current(), id(i));
        EXPECT_EQ(player.effect(id(i))->loopCount(), 1);
        QCoreApplication::processEvents();
    }
    for (int i = 1; i <= kSoundCount; ++i) {
        player.start(id(i), true);
        EXPECT_EQ(player.effect(id(i))->loopCount(), QSoundEffect::Infinite);
    }
    QCoreApplication::processEvents();
}

TEST(QtSoundPlayer, HeartbeatLoopsUntilTheNextSoundWhichPlaysOnce)
{
    QtSoundPlayer player;
    player.start(SoundId::Serdze, true);
    EXPECT_EQ(player.effect(SoundId::Serdze)->loopCount(), QSoundEffect::Infinite);
    player.start(SoundId::Gun, false);
    EXPECT_EQ(player.current(), SoundId::Gun);
    EXPECT_EQ(player.effect(SoundId::Gun)->loopCount(), 1);
    // A sound that was looped before plays once when started without the loop.
    player.start(SoundId::Serdze, false);
    EXPECT_EQ(player.effect(SoundId::Serdze)->loopCount(), 1);
}

TEST(QtSoundPlayer, IgnoresNoSoundAndUnknownIds)
{
    QtSoundPlayer player;
    player.start(SoundId::None, false);
    EXPECT_EQ(player.current(), SoundId::None);
    player.start(SoundId::Card, false);
    for (int bad : {0, -1, kSoundCount + 1, 255}) {
        player.start(id(bad), true);
        player.start(id(bad), false);
        EXPECT_EQ(player.current(), SoundId::Card) << bad;
    }
    EXPECT_EQ(player.effect(SoundId::Card)->loopCount(), 1);
}

TEST(QtSoundPlayer, SettlesEverySampleBeforeItGoes)
{
    // Leaving while a sample is still decoded hangs the program at exit;
    // fresh players are exactly that case.
    for (int round = 0; round < 3; ++round) {
        QtSoundPlayer player;
        player.start(SoundId::Card, false);
        player.finishLoading();
        EXPECT_FALSE(player.loading()) << round;
        for (int i = 1; i <= kSoundCount; ++i)
            EXPECT_NE(player.effect(id(i))->status(), QSoundEffect::Loading) << i;
    }
}

TEST(QtSoundPlayer, CanBeDestroyedWhileASoundRuns)
{
    auto player = std::make_unique<QtSoundPlayer>();
    player->start(SoundId::Serdze, true);
    QCoreApplication::processEvents();
    player.reset();
    QCoreApplication::processEvents();
}

// The game's effects come through the plugin of the build tree: nothing is
// loaded before load() or the first sound, and then once.
TEST(SoundEffects, LoadTheirPlayerWhenToldOrAtTheFirstSound)
{
    SoundEffects told;
    EXPECT_FALSE(told.loaded());
    told.finishLoading();  // nothing to wait for
    told.load();
    ASSERT_TRUE(told.loaded()) << "the plugin talvern-sound.so was not found in the build tree";
    told.load();
    EXPECT_TRUE(told.loaded());
    told.finishLoading();

    SoundEffects asked;
    asked.start(SoundId::Serdze, true);
    EXPECT_TRUE(asked.loaded());
    asked.start(SoundId::Gun, false);
    asked.finishLoading();
}

// Without the plugin, or with a damaged one, the machine plays on silently.
TEST(SoundEffects, WithoutTheirPluginAreSilentAndTakeEveryCall)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString damaged = dir.filePath(QStringLiteral("talvern-sound.so"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a library");
    f.close();
    for (const QStringList& files : {QStringList{dir.filePath(QStringLiteral("missing.so"))}, QStringList{damaged}}) {
        SoundEffects silent(files);
        for (int i = 0; i <= kSoundCount + 1; ++i) silent.start(id(i), i % 2 == 0);
        EXPECT_FALSE(silent.loaded());
        silent.load();
        EXPECT_FALSE(silent.loaded());
        silent.finishLoading();
    }
}

} // namespace
} // namespace talvern::media::test
