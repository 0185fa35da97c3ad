#pragma once
// A very small synthesiser for the game's sound effects: sample buffers, filters, envelopes and
// the WAV writer. Everything is plain arithmetic on doubles with fixed seeds, so every build
// writes the same files.

#include <string>
#include <vector>

namespace game::tools {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<double>;

Samples silence(double seconds);
double timeOf(std::size_t index);
std::size_t indexOf(double seconds);

// Second-order filter section (the usual audio cookbook forms).
class Biquad {
public:
    static Biquad lowpass(double freq, double q);
    static Biquad highpass(double freq, double q);
    static Biquad bandpass(double freq, double q); // peak gain 1
    double process(double x);
    // Changes the tuning but keeps the filter's memory, for sweeps.
    void retune(const Biquad& other);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void filter(Samples& s, Biquad f);

// Adds a decaying sine starting at `start` seconds: amplitude * e^(-t / decay), with a short
// rise of `attack` seconds so that it starts without a click.
void addPing(Samples& s, double start, double freq, double amplitude, double decay,
             double attack = 0.001);

// Raised-cosine fades at both ends: the first and last samples are exactly zero.
void fadeEdges(Samples& s, double fadeIn, double fadeOut);

// Scales the sound so that its largest sample reaches the given level in dB below full scale.
void normalise(Samples& s, double peakDb);

// 16-bit PCM, mono, the format chunk directly followed by the sample chunk.
void writeWav(const std::string& path, const Samples& s);

} // namespace game::tools
