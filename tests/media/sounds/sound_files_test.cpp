// The generated sound effects as the program finds them in its resources.
#include "media/sounds/soundresources.h"
#include "wave_reader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace talvern::media::test {
namespace {

struct Expected {
    SoundId id;
    const char* name;
    double minSeconds, maxSeconds;
};

// Lengths that fit each sound's use: UI ticks are over at once, the bell and
// the sting may ring, the heartbeat is one beat of a resting heart.
const Expected kExpected[] = {
    {SoundId::Click, "CLICK", 0.02, 0.15},   {SoundId::Card, "CARD", 0.05, 0.3},
    {SoundId::Rasd, "RASD", 0.45, 0.9},      {SoundId::Select, "SELECT", 0.05, 0.25},
    {SoundId::Bet, "BET", 0.05, 0.3},        {SoundId::Yes, "YES", 0.3, 1.0},
    {SoundId::No, "NO", 0.2, 0.8},           {SoundId::Home, "HOME", 0.8, 2.0},
    {SoundId::Pay, "PAY", 0.2, 0.8},         {SoundId::Zvon, "ZVON", 0.9, 1.6},
    {SoundId::Zvjak, "ZVJAK", 0.15, 0.5},    {SoundId::Bonus, "BONUS", 0.6, 1.6},
    {SoundId::Bonus1, "BONUS1", 0.04, 0.2},  {SoundId::Halt, "HALT", 0.3, 1.2},
    {SoundId::Serdze, "SERDZE", 0.7, 0.9},   {SoundId::Gun, "GUN", 0.4, 1.6},
    {SoundId::Gunno, "GUNNO", 0.15, 0.6},    {SoundId::Gunyes, "GUNYES", 0.8, 2.2},
};

QByteArray resource(SoundId id)
{
    initSoundResources();
    QFile f(soundResourcePath(id));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Wave load(SoundId id)
{
    std::string error;
    const auto w = readWave(resource(id), error);
    EXPECT_TRUE(w.has_value()) << soundName(id).toStdString() << ": " << error;
    return w.value_or(Wave{});
}

double dbfs(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9) / 32768.0); }

int peakOf(const std::vector<std::int16_t>& s, size_t from = 0, size_t to = SIZE_MAX)
{
    int peak = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return peak;
}

// The strongest frequency (Hz) between 100 Hz and 4 kHz in a Hann-windowed
// stretch of 2048 samples starting at `at` seconds.
double dominant(const Wave& w, double at)
{
    const size_t n = 2048, start = static_cast<size_t>(at * w.rate);
    if (start + n > w.samples.size()) return 0.0;
    double best = 0, bestFreq = 0;
    for (size_t k = 1; k < n / 2; ++k) {
        const double f = static_cast<double>(k) * w.rate / n;
        if (f < 100 || f > 4000) continue;
        std::complex<double> sum;
        for (size_t i = 0; i < n; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (n - 1));
            sum += hann * w.samples[start + i] * std::polar(1.0, -2 * std::numbers::pi * k * i / n);
        }
        if (std::abs(sum) > best) best = std::abs(sum), bestFreq = f;
    }
    return bestFreq;
}

TEST(SoundNames, FollowTheMachineNumberingAndRejectOtherIds)
{
    for (const Expected& e : kExpected) {
        EXPECT_EQ(soundName(e.id), QString::fromLatin1(e.name));
        EXPECT_EQ(soundResourcePath(e.id), QStringLiteral(":/sounds/%1.wav").arg(e.name));
        EXPECT_EQ(soundResourceUrl(e.id), QStringLiteral("qrc:/sounds/%1.wav").arg(e.name));
    }
    for (int bad : {0, -1, kSoundCount + 1, 1000}) {
        EXPECT_TRUE(soundName(static_cast<SoundId>(bad)).isEmpty()) << bad;
        EXPECT_TRUE(soundResourcePath(static_cast<SoundId>(bad)).isEmpty()) << bad;
    }
}

TEST(SoundFiles, AllEighteenAreDistinctResources)
{
    initSoundResources();
    EXPECT_EQ(QDir(QStringLiteral(":/sounds")).entryList(QDir::Files).size(), kSoundCount);
    QSet<QByteArray> digests;
    for (const Expected& e : kExpected) {
        const QByteArray bytes = resource(e.id);
        ASSERT_FALSE(bytes.isEmpty()) << e.name << " is missing from the resources";
        digests.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
    }
    EXPECT_EQ(digests.size(), kSoundCount) << "two sounds are the same file";
}

TEST(SoundFiles, AreMono16BitPcmAt44100WithSensibleLengths)
{
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const Wave w = load(e.id);
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 44100);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.blockAlign, 2);
        EXPECT_EQ(w.byteRate, 88200);
        EXPECT_GE(w.seconds(), e.minSeconds);
        EXPECT_LE(w.seconds(), e.maxSeconds);
    }
}

TEST(SoundFiles, HavePeaksBetweenMinus12And0DbfsAndAudibleContent)
{
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const Wave w = load(e.id);
        const int peak = peakOf(w.samples);
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_GT(dbfs(peak), -12.0);
        double energy = 0;
        for (std::int16_t v : w.samples) energy += static_cast<double>(v) * v;
        const double rms = std::sqrt(energy / std::max<size_t>(1, w.samples.size()));
        EXPECT_GT(dbfs(rms), -40.0) << "mostly silence";
    }
}

TEST(SoundFiles, StartAndEndInSilenceSoTheyDoNotClick)
{
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const Wave w = load(e.id);
        ASSERT_GT(w.samples.size(), 64u);
        EXPECT_LE(std::abs(w.samples.front()), 16);
        EXPECT_LE(std::abs(w.samples.back()), 16);
        // No step just inside the edges either: the first and last 0.1 ms stay
        // well below the sound's own level.
        const size_t edge = 5;
        const int peak = peakOf(w.samples);
        EXPECT_LT(peakOf(w.samples, 0, edge), peak / 20);
        EXPECT_LT(peakOf(w.samples, w.samples.size() - edge), peak / 20);
    }
}

TEST(SoundFiles, HeartbeatLoopsWithoutASeam)
{
    const Wave w = load(SoundId::Serdze);
    const auto& s = w.samples;
    ASSERT_GT(s.size(), 4410u);
    // Played in a loop the last sample is followed by the first: the step there
    // must be as small as any step in the quiet between the beats.
    EXPECT_LE(std::abs(static_cast<int>(s.back()) - static_cast<int>(s.front())), 16);
    // Both beats have died away well before the cycle ends and the next lub
    // starts from silence, so the loop never cuts a sound off.
    const size_t tail = static_cast<size_t>(0.1 * w.rate);
    EXPECT_LT(dbfs(peakOf(s, s.size() - tail)), -50.0);
    EXPECT_LT(dbfs(peakOf(s, 0, static_cast<size_t>(0.005 * w.rate))), -40.0);
    // And it is a lub-dub: two beats, the second softer, about 0.25 s apart.
    const size_t half = static_cast<size_t>(0.15 * w.rate), gap = static_cast<size_t>(0.4 * w.rate);
    const int lub = peakOf(s, 0, half), dub = peakOf(s, half, gap);
    EXPECT_GT(dub, lub / 4);
    EXPECT_LT(dub, lub);
}

TEST(SoundFiles, RightRisesAndWrongFalls)
{
    const Wave yes = load(SoundId::Yes), no = load(SoundId::No);
    EXPECT_GT(dominant(yes, 0.25), 1.2 * dominant(yes, 0.02));
    EXPECT_LT(dominant(no, 0.33), dominant(no, 0.02) / 1.2);
}

TEST(SoundFiles, RouletteOutcomesAreAClickAndASting)
{
    // Surviving is a short dry click; being hit is a long, full sting.
    const Wave gunno = load(SoundId::Gunno), gunyes = load(SoundId::Gunyes);
    EXPECT_LT(gunno.seconds(), gunyes.seconds() / 2);
    auto rms = [](const Wave& w) {
        double e = 0;
        for (std::int16_t v : w.samples) e += static_cast<double>(v) * v;
        return std::sqrt(e / w.samples.size());
    };
    EXPECT_GT(rms(gunyes), 2.0 * rms(gunno));
}

TEST(SoundFiles, HalfTheShowerIsShorterThanTheWholeWin)
{
    EXPECT_LT(load(SoundId::Halt).seconds(), load(SoundId::Home).seconds());
}

TEST(SoundGenerator, WritesTheSameBytesEveryTime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess gen;
    gen.start(QStringLiteral(TALVERN_MAKE_SOUNDS), {dir.path()});
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(gen.exitCode(), 0);
    for (const Expected& e : kExpected) {
        QFile f(dir.filePath(QStringLiteral("%1.wav").arg(e.name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << e.name;
        EXPECT_TRUE(f.readAll() == resource(e.id)) << e.name << " differs from the built resource";
    }
}

TEST(SoundGenerator, FailsWithoutAnOutputFolder)
{
    QProcess gen;
    gen.start(QStringLiteral(TALVERN_MAKE_SOUNDS), {});
    ASSERT_TRUE(gen.waitForFinished(30000));
    EXPECT_NE(gen.exitCode(), 0);
}

} // namespace
} // namespace talvern::media::test
