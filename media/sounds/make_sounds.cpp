// Synthesises the machine's 18 sound effects and writes them as WAVE files
// (16-bit PCM, mono, 44100 Hz) into the folder given on the command line.
//
// Every sound is built from a handful of physical ideas: struck objects are
// sums of decaying modes (chips, coins, bells, wood, metal), paper and powder
// are filtered noise, instruments are band-limited additive voices. Noise comes
// from one fixed-seed generator per sound, so every build writes the same bytes.
//
// usage: make_sounds <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Peak level of the sounds: -3 dBFS leaves headroom for the mixer and the
// reconstruction filter. Sustained tones sound far louder than clicks at the
// same peak, so those sit a few dB lower to keep the set balanced.
constexpr double kPeakDb = -3.0;

using Sound = std::vector<double>;

Sound silence(double seconds) { return Sound(static_cast<size_t>(seconds * kRate + 0.5), 0.0); }

// xorshift64*: tiny, fast and, unlike the standard distributions, gives the
// same numbers with every compiler and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    double uniform() // [0, 1)
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<double>((state_ * 2685821657736338717ull) >> 11) * 0x1.0p-53;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double bipolar() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t state_;
};

// RBJ cookbook biquad. Coefficients may be changed while running for sweeps.
class Biquad {
public:
    enum class Type { LowPass, HighPass, BandPass, Peak };
    Biquad(Type type, double freq, double q, double gainDb = 0.0) : type_(type), q_(q), gainDb_(gainDb)
    {
        set(freq);
    }
    void set(double freq)
    {
        freq = std::clamp(freq, 10.0, 0.45 * kRate);
        const double w = kTwoPi * freq / kRate;
        const double cw = std::cos(w), sw = std::sin(w);
        const double alpha = sw / (2.0 * q_);
        const double a = std::pow(10.0, gainDb_ / 40.0);
        double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
        switch (type_) {
        case Type::LowPass:
            b0 = (1 - cw) / 2; b1 = 1 - cw; b2 = (1 - cw) / 2;
            a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
            break;
        case Type::HighPass:
            b0 = (1 + cw) / 2; b1 = -(1 + cw); b2 = (1 + cw) / 2;
            a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
            break;
        case Type::BandPass:
            b0 = alpha; b1 = 0; b2 = -alpha;
            a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
            break;
        case Type::Peak:
            b0 = 1 + alpha * a; b1 = -2 * cw; b2 = 1 - alpha * a;
            a0 = 1 + alpha / a; a1 = -2 * cw; a2 = 1 - alpha / a;
            break;
        }
        b0_ = b0 / a0; b1_ = b1 / a0; b2_ = b2 / a0; a1_ = a1 / a0; a2_ = a2 / a0;
    }
    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_; x1_ = x; y2_ = y1_; y1_ = y;
        return y;
    }
    void run(Sound& s)
    {
        for (double& v : s) v = (*this)(v);
    }

private:
    Type type_;
    double q_, gainDb_;
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

using BQ = Biquad::Type;

// Rounds off the end of a building block, so that cutting a tail that has
// not quite died away never leaves a step (a click) in the mix.
void taper(Sound& s, double length = 0.004)
{
    const size_t n = std::min(s.size(), static_cast<size_t>(length * kRate) + 1);
    for (size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n));
}

void mixAt(Sound& dst, const Sound& src, double at, double gain = 1.0)
{
    const size_t off = static_cast<size_t>(std::max(0.0, at) * kRate + 0.5);
    if (dst.size() < off + src.size()) dst.resize(off + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i) dst[off + i] += gain * src[i];
}

// Smooth onset (raised cosine over `attack`) followed by an exponential decay.
double strike(double t, double attack, double tau)
{
    if (t < 0) return 0;
    if (t < attack) return 0.5 - 0.5 * std::cos(kPi * t / attack);
    return std::exp(-(t - attack) / tau);
}

// Attack, decay to a sustain level, hold, and release ending at `length`.
double adsr(double t, double a, double d, double s, double r, double length)
{
    if (t < 0 || t >= length) return 0;
    double v;
    if (t < a) v = 0.5 - 0.5 * std::cos(kPi * t / a);
    else v = s + (1 - s) * std::exp(-(t - a) / d);
    const double untilEnd = length - t;
    if (untilEnd < r) v *= 0.5 - 0.5 * std::cos(kPi * untilEnd / r);
    return v;
}

struct Mode {
    double freq; // Hz
    double amp;
    double tau;  // decay time constant, s
};

// A struck object: decaying sinusoids that all start at phase 0, so the hit
// starts from silence without a step.
Sound modal(const std::vector<Mode>& modes, double length, double attack = 0.0002)
{
    Sound s = silence(length);
    for (const Mode& m : modes) {
        if (m.freq >= 0.45 * kRate) continue;
        const double w = kTwoPi * m.freq / kRate;
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            s[i] += m.amp * strike(t, attack, m.tau) * std::sin(w * static_cast<double>(i));
        }
    }
    taper(s);
    return s;
}

// White noise shaped by an envelope, then by a chain of filters.
Sound noise(Rng& rng, double length, const std::function<double(double)>& env, std::vector<Biquad> filters = {})
{
    Sound s = silence(length);
    for (size_t i = 0; i < s.size(); ++i) s[i] = rng.bipolar() * env(static_cast<double>(i) / kRate);
    for (Biquad& f : filters) f.run(s);
    taper(s);
    return s;
}

// Band-limited additive voice. `freq(t)` is the pitch, `harm(k, t)` the weight
// of harmonic k (1-based) and `env(t)` the loudness; harmonics above 16 kHz
// are left out so that nothing aliases while the pitch moves.
Sound voice(double length, const std::function<double(double)>& freq,
            const std::function<double(int, double)>& harm, const std::function<double(double)>& env,
            int maxHarmonics = 40, double phase0 = 0.0)
{
    Sound s = silence(length);
    double phase = phase0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = freq(t);
        const double e = env(t);
        if (e != 0.0) {
            double v = 0;
            for (int k = 1; k <= maxHarmonics && k * f < 16000.0; ++k) v += harm(k, t) * std::sin(k * phase);
            s[i] = e * v;
        }
        phase += kTwoPi * f / kRate;
        if (phase > kTwoPi * 1024) phase -= kTwoPi * 1024;
    }
    taper(s);
    return s;
}

// Mono Schroeder-Moorer reverb in the well-known "eight combs, four
// allpasses" arrangement. `size` 0..1 sets the decay, `damp` 0..1 darkens it.
// A high-pass on the way in keeps low thumps from ringing on as a hum.
void reverb(Sound& s, double wet, double size, double damp, double tail, double inputHighPass = 0.0)
{
    s.resize(s.size() + static_cast<size_t>(tail * kRate), 0.0);
    static constexpr int combLen[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr int apLen[] = {556, 441, 341, 225};
    std::vector<std::vector<double>> comb, ap;
    for (int n : combLen) comb.emplace_back(static_cast<size_t>(n), 0.0);
    for (int n : apLen) ap.emplace_back(static_cast<size_t>(n), 0.0);
    std::vector<size_t> ci(8, 0), ai(4, 0);
    std::vector<double> store(8, 0.0);
    const double feedback = 0.7 + 0.28 * size;
    Sound out(s.size());
    Biquad hp(BQ::HighPass, std::max(10.0, inputHighPass), 0.707);
    for (size_t i = 0; i < s.size(); ++i) {
        const double in = (inputHighPass > 0 ? hp(s[i]) : s[i]) * 0.015;
        double acc = 0;
        for (size_t c = 0; c < 8; ++c) {
            const double y = comb[c][ci[c]];
            store[c] = y * (1 - damp) + store[c] * damp;
            comb[c][ci[c]] = in + store[c] * feedback;
            ci[c] = (ci[c] + 1) % comb[c].size();
            acc += y;
        }
        for (size_t a = 0; a < 4; ++a) {
            const double b = ap[a][ai[a]];
            ap[a][ai[a]] = acc + b * 0.5;
            ai[a] = (ai[a] + 1) % ap[a].size();
            acc = b - acc;
        }
        out[i] = s[i] + wet * 3.0 * acc;
    }
    s.swap(out);
}

// Gentle tape-like saturation for punch; keeps small signals linear.
void saturate(Sound& s, double drive)
{
    for (double& v : s) v = std::tanh(drive * v) / std::tanh(drive);
}

// The last steps every sound takes: remove any offset, fade the very edges so
// the first and last samples are silent, and set the peak level.
void finish(Sound& s, double fadeIn = 0.0015, double fadeOut = 0.02, double peakDb = kPeakDb)
{
    Biquad hp(BQ::HighPass, 22.0, 0.707);
    hp.run(s);
    const size_t in = std::min(s.size(), static_cast<size_t>(fadeIn * kRate) + 1);
    for (size_t i = 0; i < in; ++i) s[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in));
    taper(s, fadeOut);
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    const double target = std::pow(10.0, peakDb / 20.0);
    if (peak > 0)
        for (double& v : s) v *= target / peak;
}

// ---------------------------------------------------------------- building blocks

// One card edge snapping off the thumb: a bright paper crack with a little body.
Sound cardFlick(Rng& rng, double centre, double decay, double length = 0.03)
{
    Sound s = noise(rng, length, [=](double t) { return strike(t, 0.0004, decay); },
                    {Biquad(BQ::BandPass, centre, 1.4), Biquad(BQ::HighPass, 900, 0.7)});
    Sound body = noise(rng, length, [=](double t) { return strike(t, 0.0008, decay * 1.8); },
                       {Biquad(BQ::LowPass, 1100, 0.8)});
    mixAt(s, body, 0, 0.35);
    return s;
}

// A coin: a thin metal disc has strongly inharmonic modes; small ones ring high.
Sound coin(Rng& rng, double f0, double ring, double length = 0.22)
{
    static constexpr double ratio[] = {1.0, 1.59, 2.14, 2.30, 2.65, 3.16};
    static constexpr double amp[] = {1.0, 0.7, 0.55, 0.45, 0.3, 0.2};
    std::vector<Mode> modes;
    for (size_t k = 0; k < 6; ++k)
        modes.push_back({f0 * ratio[k] * rng.range(0.985, 1.015), amp[k] * rng.range(0.6, 1.0),
                         ring * rng.range(0.6, 1.1) / (1.0 + 0.5 * static_cast<double>(k))});
    Sound s = modal(modes, length);
    Sound tick = noise(rng, 0.01, [](double t) { return strike(t, 0.0002, 0.0012); },
                       {Biquad(BQ::HighPass, 3500, 0.7)});
    mixAt(s, tick, 0, 0.5);
    return s;
}

// Coins tumbling onto a pile: strike times thin out as the flow dries up.
Sound coinShower(Rng& rng, int count, double start, double spread, double length)
{
    Sound s = silence(length);
    for (int n = 0; n < count; ++n) {
        // Squaring a uniform number crowds the coins at the start of the flow.
        const double u = rng.uniform();
        const double at = start + spread * u * u;
        const double late = (at - start) / spread;
        const double gain = rng.range(0.35, 1.0) * (1.0 - 0.55 * late);
        const double f0 = rng.range(2400, 4400);
        mixAt(s, coin(rng, f0, rng.range(0.03, 0.09)), at, gain);
        // Now and then a coin lands flat on the heap: a dull, short knock.
        if (rng.uniform() < 0.3) {
            Sound knock = modal({{rng.range(900, 1400), 1.0, 0.008}, {rng.range(2000, 2600), 0.5, 0.005}}, 0.04);
            mixAt(s, knock, at + 0.004, 0.3 * gain);
        }
    }
    // The hiss of many small impacts under the distinct ones.
    Sound bed = noise(rng, length,
                      [=](double t) {
                          const double x = (t - start) / spread;
                          return x < 0 ? 0 : (x < 0.05 ? x / 0.05 : std::exp(-(x - 0.05) * 3.0));
                      },
                      {Biquad(BQ::BandPass, 6000, 0.8)});
    mixAt(s, bed, 0, 0.06);
    s.resize(static_cast<size_t>(length * kRate));
    return s;
}

// A chime note: nearly harmonic partials with a touch of stretch for shimmer.
Sound chime(double f, double length, double ring)
{
    return modal({{f, 1.0, ring}, {f * 2.0, 0.45, ring * 0.55}, {f * 3.01, 0.2, ring * 0.33},
                  {f * 4.07, 0.12, ring * 0.2}, {f * 5.2, 0.05, ring * 0.12}},
                 length, 0.0015);
}

// A brass-like note whose brightness opens with the attack, as a lip-buzzed
// tone does, and relaxes a little as it sustains.
Sound brass(double f, double length, double release, double detune = 0.0, double vibratoFrom = 0.25,
            std::function<double(double)> bend = nullptr)
{
    auto freq = [=](double t) {
        double v = f * (1.0 + detune);
        if (t > vibratoFrom) v *= 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * (t - vibratoFrom)) * std::min(1.0, (t - vibratoFrom) / 0.2);
        if (bend) v *= bend(t);
        return v;
    };
    auto bright = [](double t) { return t < 0.04 ? 1.5 + 7.0 * t / 0.04 : 5.0 + 3.5 * std::exp(-(t - 0.04) / 0.08); };
    auto harm = [=](int k, double t) { return std::exp(-(k - 1) / bright(t)) / k; };
    auto env = [=](double t) { return adsr(t, 0.018, 0.09, 0.72, release, length); };
    return voice(length, freq, harm, env, 30, detune * 1000.0);
}

// ---------------------------------------------------------------- the sounds

// UI tick: a tiny hard plastic click, short and high so it never masks the game.
Sound makeClick()
{
    Rng rng(101);
    Sound s = modal({{3200, 1.0, 0.004}, {5100, 0.5, 0.0025}, {1450, 0.35, 0.007}}, 0.05);
    Sound n = noise(rng, 0.05, [](double t) { return strike(t, 0.0002, 0.0015); }, {Biquad(BQ::HighPass, 3000, 0.7)});
    mixAt(s, n, 0, 0.6);
    finish(s, 0.001, 0.01);
    return s;
}

// A card dealt onto the felt: a short slide, the snap of the edge, a soft landing.
Sound makeCard()
{
    Rng rng(202);
    Sound s = silence(0.16);
    Sound slide = noise(rng, 0.045,
                        [](double t) { return std::pow(std::min(1.0, t / 0.035), 2.0) * (t < 0.035 ? 1.0 : std::exp(-(t - 0.035) / 0.004)); },
                        {Biquad(BQ::BandPass, 3500, 0.7)});
    mixAt(s, slide, 0.0, 0.16);
    mixAt(s, cardFlick(rng, 2800, 0.012, 0.08), 0.035, 1.0);
    Sound paper = noise(rng, 0.09, [](double t) { return strike(t, 0.001, 0.025); }, {Biquad(BQ::LowPass, 900, 0.8)});
    mixAt(s, paper, 0.037, 0.3);
    mixAt(s, modal({{170, 1.0, 0.02}, {340, 0.3, 0.012}}, 0.09, 0.002), 0.038, 0.12);
    finish(s, 0.002, 0.02);
    return s;
}

// The shuffle: a riffle of forty-odd card edges that speeds up in the middle
// and slows at the end, then the two halves are squared into one deck.
Sound makeRasd()
{
    Rng rng(303);
    Sound s = silence(0.65);
    const double begin = 0.01, end = 0.50;
    double t = begin;
    while (t < end) {
        const double x = (t - begin) / (end - begin);
        const double level = std::min(1.0, x / 0.08) * (x > 0.8 ? 1.0 - (x - 0.8) * 2.5 : 1.0);
        mixAt(s, cardFlick(rng, rng.range(2200, 4600), rng.range(0.004, 0.008), 0.03), t, level * rng.range(0.5, 1.0));
        // The interval shrinks from 16 ms to 9 ms and widens again.
        t += (0.009 + 0.007 * (2.0 * x - 1.0) * (2.0 * x - 1.0)) * rng.range(0.85, 1.15);
    }
    Sound rustle = noise(rng, 0.65,
                         [=](double u) { return u < begin ? 0 : std::min(1.0, (u - begin) / 0.05) * (u < end ? 1.0 : std::exp(-(u - end) / 0.03)); },
                         {Biquad(BQ::BandPass, 2500, 0.6)});
    mixAt(s, rustle, 0, 0.12);
    Sound bridge = noise(rng, 0.12, [](double u) { return std::sin(kPi * std::min(1.0, u / 0.09)) * (u < 0.09 ? 1.0 : 0.0); },
                         {Biquad(BQ::LowPass, 2200, 0.7)});
    mixAt(s, bridge, 0.49, 0.25);
    Sound tap = modal({{140, 1.0, 0.025}, {310, 0.4, 0.012}}, 0.08, 0.0015);
    Sound tapNoise = noise(rng, 0.06, [](double u) { return strike(u, 0.0008, 0.012); }, {Biquad(BQ::BandPass, 1100, 1.0)});
    mixAt(s, tap, 0.585, 0.35);
    mixAt(s, tapNoise, 0.585, 0.5);
    finish(s, 0.002, 0.02);
    return s;
}

// Hold marker on: a soft round blip that leans upwards.
Sound makeSelect()
{
    Sound s = voice(0.12, [](double t) { return 1180.0 + 140.0 * std::min(1.0, t / 0.015); },
                    [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.12 : k == 3 ? 0.04 : 0.0; },
                    [](double t) { return strike(t, 0.004, 0.03); }, 3);
    finish(s, 0.001, 0.02, -7.0);
    return s;
}

// Bet: a clay chip dropped on another, a clack and a smaller bounce.
Sound makeBet()
{
    Rng rng(505);
    Sound s = silence(0.15);
    auto chip = [&](double scale) {
        Sound c = modal({{2350 * scale, 1.0, 0.018}, {3720 * scale, 0.7, 0.012}, {5230 * scale, 0.5, 0.008},
                         {6890 * scale, 0.35, 0.006}, {1480 * scale, 0.3, 0.014}},
                        0.08);
        Sound n = noise(rng, 0.02, [](double t) { return strike(t, 0.0002, 0.0015); }, {Biquad(BQ::HighPass, 2000, 0.7)});
        mixAt(c, n, 0, 0.8);
        return c;
    };
    mixAt(s, chip(1.0), 0.004, 1.0);
    mixAt(s, chip(1.03), 0.04, 0.5);
    finish(s, 0.0005, 0.02);
    return s;
}

// Right guess: two chime notes a fifth apart, the second brighter.
Sound makeYes()
{
    Sound s = silence(0.75);
    // Both notes ring to the end of the sound, where the last fade takes them.
    mixAt(s, chime(880.0, 0.745, 0.3), 0.005, 0.85);
    mixAt(s, chime(1318.5, 0.635, 0.35), 0.115, 1.0);
    reverb(s, 0.12, 0.5, 0.5, 0.0);
    finish(s, 0.001, 0.2, -4.0);
    return s;
}

// Wrong guess: a reedy buzz that sags in pitch, like a game-show "eh-eh".
Sound makeNo()
{
    auto freq = [](double t) { return 230.0 * std::pow(150.0 / 230.0, std::min(1.0, t / 0.4)); };
    auto harm = [](int k, double) { return (k % 2 ? 1.0 : 0.45) / k; };
    auto env = [](double t) { return adsr(t, 0.008, 0.1, 0.8, 0.09, 0.44) * (1.0 - 0.22 * (0.5 + 0.5 * std::cos(kTwoPi * 28.0 * t))); };
    Sound s = voice(0.44, freq, harm, env, 40);
    Biquad lp(BQ::LowPass, 2600, 0.8);
    lp.run(s);
    Biquad body(BQ::Peak, 900, 1.0, 4.0);
    body.run(s);
    finish(s, 0.002, 0.02, -5.0);
    return s;
}

// Taking the win: the register rings up and the coins come pouring out.
Sound makeHome()
{
    Rng rng(808);
    Sound s = silence(1.5);
    Sound clunk = modal({{420, 1.0, 0.03}, {905, 0.5, 0.018}, {1730, 0.25, 0.01}}, 0.12, 0.001);
    Sound clunkNoise = noise(rng, 0.05, [](double t) { return strike(t, 0.0005, 0.01); }, {Biquad(BQ::LowPass, 1500, 0.7)});
    mixAt(s, clunk, 0.005, 0.5);
    mixAt(s, clunkNoise, 0.005, 0.5);
    // Bell partials (1, 2.76, 5.40, 8.93) of a small cup bell.
    const double bell = 2093.0;
    Sound ching = modal({{bell, 1.0, 0.5}, {bell * 1.003, 0.5, 0.45}, {bell * 2.76, 0.45, 0.25},
                         {bell * 5.40, 0.22, 0.12}, {bell * 8.93, 0.1, 0.06}},
                        1.43, 0.001);
    mixAt(s, ching, 0.065, 0.75);
    mixAt(s, coinShower(rng, 60, 0.0, 1.0, 1.3), 0.2, 0.9);
    reverb(s, 0.14, 0.55, 0.45, 0.0);
    finish(s, 0.002, 0.12);
    return s;
}

// Credits loaded: a coin clinks at the slot and bounces to rest in the box.
Sound makePay()
{
    Rng rng(909);
    Sound s = silence(0.42);
    mixAt(s, coin(rng, 3900, 0.12, 0.35), 0.005, 1.0);
    double t = 0.085, gap = 0.06, gain = 0.55;
    for (int i = 0; i < 6; ++i) {
        mixAt(s, coin(rng, 3900 * rng.range(0.97, 1.03), 0.03 + 0.01 * (5 - i), 0.15), t, gain);
        t += gap;
        gap *= 0.72;
        gain *= 0.72;
    }
    reverb(s, 0.06, 0.3, 0.6, 0.0);
    finish(s, 0.0005, 0.04);
    return s;
}

// The win bell: an electric bell's hammer trilling on a cup bell, then the bell
// rings out. Resonators keep ringing between strikes, as the metal does.
Sound makeZvon()
{
    Rng rng(1010);
    const double length = 1.2;
    Sound excite = silence(length);
    const double trillEnd = 0.82;
    for (double t = 0.004; t < trillEnd; t += (1.0 / 21.0) * rng.range(0.99, 1.01)) {
        const double gain = std::min(1.0, 0.35 + t / 0.06) * rng.range(0.8, 1.0);
        const size_t at = static_cast<size_t>(t * kRate);
        // A hammer strike is a short rounded pulse, which softens the highest modes.
        for (size_t i = 0; i < 12 && at + i < excite.size(); ++i)
            excite[at + i] += gain * std::sin(kPi * static_cast<double>(i) / 12.0);
    }
    const double f0 = 1240.0;
    const Mode modes[] = {{f0, 1.0, 0.5}, {f0 * 1.005, 0.35, 0.45}, {f0 * 2.32, 0.5, 0.3},
                          {f0 * 4.25, 0.3, 0.15}, {f0 * 6.63, 0.15, 0.08}, {f0 * 9.38, 0.06, 0.04}};
    Sound s = silence(length);
    for (const Mode& m : modes) {
        const double w = kTwoPi * m.freq / kRate;
        const double r = std::exp(-1.0 / (m.tau * kRate));
        const double a1 = 2.0 * r * std::cos(w), a2 = -r * r;
        double y1 = 0, y2 = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const double y = a1 * y1 + a2 * y2 + excite[i] * std::sin(w);
            y2 = y1;
            y1 = y;
            s[i] += m.amp * y;
        }
    }
    reverb(s, 0.1, 0.5, 0.5, 0.0);
    finish(s, 0.002, 0.3, -4.5);
    return s;
}

// A tie: two identical woodblock ticks, level, neither happy nor sad.
Sound makeZvjak()
{
    Rng rng(1111);
    Sound s = silence(0.3);
    auto tick = [&] {
        Sound t = modal({{1050, 1.0, 0.03}, {2680, 0.4, 0.012}, {4300, 0.15, 0.006}}, 0.12, 0.0004);
        Sound n = noise(rng, 0.02, [](double u) { return strike(u, 0.0002, 0.001); }, {Biquad(BQ::BandPass, 2500, 1.0)});
        mixAt(t, n, 0, 0.4);
        return t;
    };
    mixAt(s, tick(), 0.005, 1.0);
    mixAt(s, tick(), 0.135, 0.85);
    finish(s, 0.0005, 0.02);
    return s;
}

// A bonus is paid: a brass arpeggio up the major chord that lands on a held
// chord, with a glockenspiel doubling two octaves up.
Sound makeBonus()
{
    Sound s = silence(1.2);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    const double step = 0.085, holdEnd = 1.0;
    for (int i = 0; i < 4; ++i) {
        const double at = 0.005 + step * i;
        const double len = holdEnd - at;
        mixAt(s, brass(notes[i], len, 0.15, 0.0), at, i == 3 ? 0.5 : 0.35);
        mixAt(s, brass(notes[i], len, 0.15, 0.0025, 0.3), at, i == 3 ? 0.25 : 0.17);
        mixAt(s, chime(notes[i] * 4.0, 0.5, 0.15), at, 0.12);
    }
    reverb(s, 0.22, 0.6, 0.4, 0.0);
    finish(s, 0.002, 0.1, -4.0);
    return s;
}

// The bonus counter steps up: a tiny quick upward chirp.
Sound makeBonus1()
{
    Sound s = voice(0.09, [](double t) { return 1400.0 * std::pow(2600.0 / 1400.0, std::min(1.0, t / 0.045)); },
                    [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.2 : 0.0; },
                    [](double t) { return strike(t, 0.0015, 0.018); }, 2);
    finish(s, 0.0005, 0.015, -6.0);
    return s;
}

// Half the win taken: a shorter, thinner pour of coins.
Sound makeHalt()
{
    Rng rng(1414);
    Sound s = coinShower(rng, 26, 0.005, 0.5, 0.75);
    reverb(s, 0.12, 0.5, 0.45, 0.0);
    finish(s, 0.001, 0.1);
    return s;
}

// One heartbeat, lub-dub, in a cycle of 0.8 s (75 beats a minute). Both beats
// have died away before the cycle ends, so the loop has no seam.
Sound makeSerdze()
{
    Rng rng(1515);
    const double cycle = 0.8;
    Sound s = silence(cycle);
    auto beat = [&](double fHi, double fLo, double tau, double gain, double at) {
        const double len = 0.25;
        Sound b = voice(len, [=](double t) { return fLo + (fHi - fLo) * std::exp(-t / 0.04); },
                        [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.35 : k == 3 ? 0.12 : 0.0; },
                        [=](double t) { return strike(t, 0.012, tau); }, 3);
        Sound thud = noise(rng, len, [=](double t) { return strike(t, 0.01, tau * 0.6); },
                           {Biquad(BQ::LowPass, 220, 0.9), Biquad(BQ::LowPass, 220, 0.9)});
        mixAt(b, thud, 0, 2.0);
        mixAt(s, b, at, gain);
    };
    beat(78, 50, 0.05, 1.0, 0.02);
    beat(92, 62, 0.038, 0.75, 0.27);
    // Soft saturation lends the thumps the overtones small speakers can play.
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    for (double& v : s) v /= peak;
    saturate(s, 2.0);
    s.resize(static_cast<size_t>(cycle * kRate));
    finish(s, 0.002, 0.05);
    return s;
}

// The revolver fires: the supersonic crack, the muzzle blast, the low boom
// and the room answering.
Sound makeGun()
{
    Rng rng(1616);
    Sound s = silence(0.5);
    Sound crack = noise(rng, 0.03, [](double t) { return strike(t, 0.0002, 0.003); }, {Biquad(BQ::HighPass, 1000, 0.7)});
    mixAt(s, crack, 0.003, 1.0);
    Biquad blastFilter(BQ::LowPass, 2500, 0.7);
    Sound blast = silence(0.4);
    for (size_t i = 0; i < blast.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        blastFilter.set(600.0 + 1900.0 * std::exp(-t / 0.05));
        blast[i] = blastFilter(rng.bipolar() * strike(t, 0.0005, 0.04));
    }
    mixAt(s, blast, 0.003, 1.6);
    Sound boom = voice(0.45, [](double t) { return 45.0 + 65.0 * std::exp(-t / 0.03); },
                       [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.3 : 0.0; },
                       [](double t) { return strike(t, 0.001, 0.07); }, 2);
    mixAt(s, boom, 0.003, 0.6);
    saturate(s, 1.8);
    reverb(s, 0.4, 0.82, 0.45, 0.75, 300.0);
    finish(s, 0.0008, 0.2);
    return s;
}

// Survived: the cylinder turns a notch, the hammer cocks and falls on an empty
// chamber. Dry, metallic, and nothing else.
Sound makeGunno()
{
    Rng rng(1717);
    Sound s = silence(0.4);
    auto click = [&](const std::vector<Mode>& modes, double hiss) {
        Sound c = modal(modes, 0.06, 0.0001);
        Sound n = noise(rng, 0.02, [](double t) { return strike(t, 0.0001, 0.0015); }, {Biquad(BQ::HighPass, 2500, 0.7)});
        mixAt(c, n, 0, hiss);
        return c;
    };
    mixAt(s, click({{4200, 1.0, 0.003}, {6100, 0.5, 0.002}}, 0.8), 0.01, 0.3);
    mixAt(s, click({{2900, 1.0, 0.004}, {5100, 0.6, 0.003}, {1600, 0.3, 0.006}}, 0.8), 0.07, 0.45);
    mixAt(s, click({{3350, 1.0, 0.009}, {5870, 0.6, 0.005}, {8100, 0.4, 0.003}, {1210, 0.3, 0.012}, {400, 0.3, 0.01}}, 1.2),
          0.19, 1.0);
    reverb(s, 0.07, 0.25, 0.6, 0.0);
    finish(s, 0.0005, 0.05);
    return s;
}

// Hit: an orchestral sting. A timpani blow under a diminished brass cluster
// that sags and dies away.
Sound makeGunyes()
{
    Rng rng(1818);
    const double length = 1.5;
    Sound s = silence(length);
    const double chord[] = {110.0, 130.81, 155.56, 220.0, 261.63, 369.99};
    auto sag = [](double t) { return t < 0.7 ? 1.0 : std::pow(2.0, -2.0 / 12.0 * std::min(1.0, (t - 0.7) / 0.6)); };
    for (int i = 0; i < 6; ++i) {
        mixAt(s, brass(chord[i], length - 0.01, 0.5, 0.0, 0.4, sag), 0.004, 0.3);
        mixAt(s, brass(chord[i], length - 0.01, 0.5, 0.003 + 0.0005 * i, 0.45, sag), 0.006, 0.2);
    }
    // The stab: loud at the blow, then held quieter with a slow swell.
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] *= 0.45 + 0.55 * std::exp(-t / 0.12) + 0.15 * std::sin(kPi * std::min(1.0, t / 1.2));
    }
    Sound timp = voice(1.0, [](double t) { return 55.0 + 20.0 * std::exp(-t / 0.05); },
                       [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.5 : k == 3 ? 0.25 : 0.0; },
                       [](double t) { return strike(t, 0.002, 0.35); }, 3);
    Sound skin = noise(rng, 0.2, [](double t) { return strike(t, 0.0008, 0.03); }, {Biquad(BQ::LowPass, 600, 0.7)});
    mixAt(s, timp, 0.002, 0.9);
    mixAt(s, skin, 0.002, 0.6);
    reverb(s, 0.3, 0.8, 0.4, 0.35);
    finish(s, 0.002, 0.3);
    return s;
}

// ---------------------------------------------------------------- output

void put16(std::ofstream& f, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(b, 2);
}
void put32(std::ofstream& f, std::uint32_t v)
{
    put16(f, static_cast<std::uint16_t>(v & 0xffff));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}

bool writeWave(const std::filesystem::path& path, const Sound& s)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, dataBytes);
    for (double v : s) {
        const double scaled = std::clamp(v, -1.0, 1.0) * 32767.0;
        put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(scaled))));
    }
    return static_cast<bool>(f);
}

struct Entry {
    const char* name;
    Sound (*make)();
};

const Entry kSounds[] = {
    {"CLICK", makeClick},   {"CARD", makeCard},     {"RASD", makeRasd},     {"SELECT", makeSelect},
    {"BET", makeBet},       {"YES", makeYes},       {"NO", makeNo},         {"HOME", makeHome},
    {"PAY", makePay},       {"ZVON", makeZvon},     {"ZVJAK", makeZvjak},   {"BONUS", makeBonus},
    {"BONUS1", makeBonus1}, {"HALT", makeHalt},     {"SERDZE", makeSerdze}, {"GUN", makeGun},
    {"GUNNO", makeGunno},   {"GUNYES", makeGunyes},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const Entry& e : kSounds) {
        const auto path = dir / (std::string(e.name) + ".wav");
        if (!writeWave(path, e.make())) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
