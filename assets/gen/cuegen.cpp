// Writes the ten sound cues of the boards: 22050 Hz mono 16-bit PCM WAV files,
// synthesised from tones and noise with envelopes. Usage: domisol_cuegen OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<double>;

double noteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Semitones from A4 of a few notes used below.
enum Note { C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19, G6 = 22, C7 = 27 };

Buffer silence(double seconds)
{
    return Buffer(std::size_t(seconds * kRate), 0.0);
}

// Adds src into dst starting at `at` seconds, growing dst as needed.
void mix(Buffer &dst, const Buffer &src, double at, double gain = 1.0)
{
    const std::size_t start = std::size_t(at * kRate);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[start + i] += gain * src[i];
}

// A bell-like partial stack with an exponential decay: bright but soft.
Buffer bell(double hz, double seconds, double decay)
{
    Buffer b(std::size_t(seconds * kRate));
    const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.01, 0.15}, {4.2, 0.06}};
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const auto &p : partials)
            v += p[1] * std::sin(2 * kPi * hz * p[0] * t) * std::exp(-decay * p[0] * t);
        const double attack = std::min(1.0, t / 0.004);
        b[i] = 0.6 * attack * v;
    }
    return b;
}

// A warm brass-like tone: a few odd and even harmonics with a swell and release.
Buffer brass(double hz, double seconds)
{
    Buffer b(std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double vib = 1.0 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
        double v = 0;
        for (int h = 1; h <= 6; ++h)
            v += std::sin(2 * kPi * hz * h * vib * t) / (h * 1.3);
        const double attack = std::min(1.0, t / 0.03);
        const double release = std::min(1.0, (seconds - t) / 0.08);
        b[i] = 0.35 * attack * std::max(0.0, release) * v;
    }
    return b;
}

// A soft wooden tick: a short filtered noise burst over a damped low tone.
Buffer tick(double hz, double seconds, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> uni(-1.0, 1.0);
    Buffer b(std::size_t(seconds * kRate));
    double lp = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        lp += 0.25 * (uni(rng) - lp);
        const double tone = std::sin(2 * kPi * hz * t) * std::exp(-t * 60);
        b[i] = 0.5 * tone + 0.25 * lp * std::exp(-t * 250);
    }
    return b;
}

// A tone whose pitch glides from hz0 to hz1, with a gentle vibrato.
Buffer glide(double hz0, double hz1, double seconds, double vibrato)
{
    Buffer b(std::size_t(seconds * kRate));
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double u = t / seconds;
        const double hz = hz0 * std::pow(hz1 / hz0, u) * (1 + vibrato * std::sin(2 * kPi * 9 * t));
        phase += 2 * kPi * hz / kRate;
        const double env = std::min(1.0, t / 0.02) * std::pow(1 - u, 1.5);
        // Sine plus a little second harmonic: rounded, not harsh.
        b[i] = 0.6 * env * (std::sin(phase) + 0.25 * std::sin(2 * phase));
    }
    return b;
}

// Applause: many short claps (band-limited noise bursts) with random spacing,
// swelling in and dying away.
Buffer applause(double seconds, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    Buffer out(std::size_t(seconds * kRate), 0.0);
    const int claps = int(seconds * 110);
    for (int c = 0; c < claps; ++c) {
        const double at = uni(rng) * (seconds - 0.1);
        const double u = at / seconds;
        const double density = std::min(1.0, u / 0.12) * std::min(1.0, (1 - u) / 0.45);
        const double gain = density * (0.25 + 0.35 * uni(rng));
        const double bright = 0.3 + 0.5 * uni(rng);
        Buffer clap(std::size_t(0.06 * kRate));
        double lp = 0, prev = 0;
        for (std::size_t i = 0; i < clap.size(); ++i) {
            const double t = double(i) / kRate;
            const double n = 2 * uni(rng) - 1;
            lp += bright * (n - lp);
            const double hp = lp - prev;  // drop the rumble
            prev = lp;
            clap[i] = (hp + 0.5 * lp) * std::exp(-t * 70) * std::min(1.0, t / 0.001);
        }
        mix(out, clap, at, gain);
    }
    return out;
}

// Scales to a peak of `peak` (of full scale) and fades the last few ms.
void finish(Buffer &b, double peak)
{
    double m = 0;
    for (double v : b)
        m = std::max(m, std::abs(v));
    if (m > 0)
        for (double &v : b)
            v *= peak / m;
    const std::size_t fade = std::min<std::size_t>(b.size(), kRate / 200);
    for (std::size_t i = 0; i < fade; ++i)
        b[b.size() - 1 - i] *= double(i) / fade;
}

void put16(std::FILE *f, std::uint16_t v)
{
    const unsigned char b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

void put32(std::FILE *f, std::uint32_t v)
{
    put16(f, std::uint16_t(v));
    put16(f, std::uint16_t(v >> 16));
}

bool writeWav(const std::string &path, const Buffer &b)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t dataBytes = std::uint32_t(b.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);  // PCM
    put16(f, 1);  // mono
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (double v : b)
        put16(f, std::uint16_t(std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
    return std::fclose(f) == 0;
}

struct Cue {
    const char *name;
    std::function<Buffer()> make;
    double peak;
};

const Cue kCues[] = {
    {"applous.WAV", [] { return applause(3.2, 7); }, 0.7},
    {"bingo.wav",
     [] {
         // Fanfare: G C E G (pickup triplet), then a held C major chord.
         Buffer b = silence(0.1);
         const double step = 0.12;
         const int run[] = {G5 - 12, C5, E5, G5};
         for (int i = 0; i < 4; ++i)
             mix(b, brass(noteHz(run[i]), step * 0.95), i * step);
         for (int n : {int(C6), int(G5), int(E5), C5 - 12})
             mix(b, brass(noteHz(n), 1.1), 4 * step, 0.6);
         mix(b, bell(noteHz(C7), 1.0, 3.0), 4 * step, 0.25);
         return b;
     },
     0.8},
    {"bome.wav", [] { return glide(196, 98, 0.65, 0.03); }, 0.6},
    {"box.wav",
     [] {
         Buffer b;
         mix(b, bell(noteHz(G5), 0.35, 9), 0);
         mix(b, bell(noteHz(C6), 0.45, 8), 0.07);
         return b;
     },
     0.6},
    {"Click.wav",
     [] {
         // A crisp click with a tiny high blip: unlike the clock's tick.
         Buffer b = tick(2000, 0.05, 3);
         mix(b, bell(noteHz(E6), 0.12, 25), 0.01, 0.6);
         return b;
     },
     0.6},
    {"end.wav",
     [] {
         // Game over: a falling phrase that comes home, with a soft chord.
         Buffer b;
         const int run[] = {G5, E5, D5, C5};
         for (int i = 0; i < 4; ++i)
             mix(b, bell(noteHz(run[i]), 0.8, 4), i * 0.22);
         for (int n : {int(C5), int(E5), int(G5)})
             mix(b, brass(noteHz(n - 12), 1.0), 0.88, 0.35);
         return b;
     },
     0.7},
    {"right.wav",
     [] {
         Buffer b;
         mix(b, bell(noteHz(E6), 0.7, 5), 0);
         mix(b, bell(noteHz(G6), 0.6, 5), 0.1);
         mix(b, bell(noteHz(C7), 0.9, 4), 0.2);
         return b;
     },
     0.7},
    {"send.wav",
     [] {
         // Team picked: an upward swoop and a pop.
         Buffer b = glide(330, 990, 0.22, 0.0);
         mix(b, bell(noteHz(A5), 0.35, 8), 0.2);
         return b;
     },
     0.6},
    {"start.wav",
     [] {
         Buffer b;
         const int run[] = {C5, E5, G5};
         for (int i = 0; i < 3; ++i)
             mix(b, bell(noteHz(run[i]), 0.3, 7), i * 0.11);
         mix(b, brass(noteHz(C6), 0.5), 0.33, 0.7);
         mix(b, bell(noteHz(C6), 0.6, 5), 0.33, 0.6);
         return b;
     },
     0.7},
    // Heard every second for a minute: short, low and soft, no ring.
    {"timer.wav", [] { return tick(900, 0.07, 11); }, 0.35},
};

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    for (const Cue &cue : kCues) {
        Buffer b = cue.make();
        finish(b, cue.peak);
        if (!writeWav(dir + "/" + cue.name, b)) {
            std::fprintf(stderr, "cannot write %s\n", cue.name);
            return 1;
        }
    }
    return 0;
}
