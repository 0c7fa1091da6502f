// Writes the game's three sounds as 16-bit mono PCM WAV files: a soft wooden
// "tock" for a move, a bright rising arpeggio for a win and a falling minor
// figure for a loss. Each note is a few harmonics under a quick attack and an
// exponential decay, so nothing clicks and nothing sounds like a test tone.
#include "io/atomic_write.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double start;  // seconds
    double length; // seconds
    double hz;
    double gain;
    double decay; // per second
};

std::vector<double> render(const std::vector<Note>& notes, double total)
{
    std::vector<double> out(static_cast<size_t>(total * kRate), 0.0);
    for (const Note& n : notes) {
        const size_t first = static_cast<size_t>(n.start * kRate);
        const size_t count = static_cast<size_t>(n.length * kRate);
        for (size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.006);
            const double release = std::min(1.0, (n.length - t) / 0.02);
            const double env = attack * release * std::exp(-n.decay * t);
            const double w = 2 * kPi * n.hz * t;
            const double voice = std::sin(w) + 0.35 * std::sin(2 * w) + 0.12 * std::sin(3 * w);
            out[first + i] += n.gain * env * voice;
        }
    }
    return out;
}

// A short knock: a low pitched body with a fast decay and a little noise.
std::vector<double> tock()
{
    std::vector<double> out
        = render({ { 0.0, 0.09, 520, 0.45, 55 }, { 0.0, 0.05, 1210, 0.15, 90 } }, 0.10);
    std::uint32_t seed = 12345;
    for (size_t i = 0; i < out.size() && i < 220; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / (1u << 24)) * 2 - 1;
        out[i] += 0.12 * noise * (1.0 - i / 220.0);
    }
    return out;
}

bool writeWav(const std::string& path, const std::vector<double>& samples)
{
    std::string out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    const std::uint32_t bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out += "RIFF";
    put(36 + bytes, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(static_cast<std::uint32_t>(kRate), 4);
    put(static_cast<std::uint32_t>(kRate * 2), 4);
    put(2, 2);
    put(16, 2);
    out += "data";
    put(bytes, 4);
    for (double s : samples) {
        const double c = std::max(-1.0, std::min(1.0, s * 0.8));
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767))), 2);
    }
    return kv::writeFileAtomically(path, out).ok();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-soundgen DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    // C major arpeggio up to the octave, last note held.
    const std::vector<Note> win = { { 0.00, 0.30, 523.25, 0.32, 4 },
                                    { 0.12, 0.30, 659.25, 0.32, 4 },
                                    { 0.24, 0.30, 783.99, 0.32, 4 },
                                    { 0.36, 0.70, 1046.5, 0.36, 3 } };
    // G, E flat, C, a little slower and lower.
    const std::vector<Note> loss = { { 0.00, 0.35, 392.00, 0.34, 4 },
                                     { 0.20, 0.35, 311.13, 0.34, 4 },
                                     { 0.40, 0.80, 261.63, 0.36, 3 } };
    const bool ok = writeWav(dir + "/son.wav", tock())
        && writeWav(dir + "/gagne.wav", render(win, 1.1))
        && writeWav(dir + "/Perdu.wav", render(loss, 1.25));
    if (!ok) {
        std::fprintf(stderr, "kv-soundgen: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
