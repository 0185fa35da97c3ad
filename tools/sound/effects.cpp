// The seven sound effects of the game.

#include "sound/effects.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>

namespace game::tools {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Smooth 0..1..0 hump over [start, end], for swells.
double hump(double t, double start, double end) {
    if (t <= start || t >= end) {
        return 0;
    }
    const double x = (t - start) / (end - start);
    return std::sin(x * kTwoPi / 2) * std::sin(x * kTwoPi / 2);
}

// Noise that wanders slowly: white noise through a low-pass, for rough, living envelopes.
Samples wobble(std::size_t n, double freq, Rng& rng) {
    Samples s(n);
    Biquad lp = Biquad::lowpass(freq, 0.7);
    for (double& x : s) {
        x = lp.process(rng.noise());
    }
    double peak = 1e-9;
    for (double x : s) {
        peak = std::max(peak, std::fabs(x));
    }
    for (double& x : s) {
        x /= peak;
    }
    return s;
}

} // namespace

// A glass ball bursting: a sharp crack, a short thump, then a shower of tinkling splinters.
Samples explodeSound() {
    Samples s = silence(0.9);
    Rng rng(10);
    Biquad crackFilter = Biquad::highpass(1800, 0.7);
    double thumpPhase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        s[i] += 0.9 * crackFilter.process(rng.noise()) * std::exp(-t / 0.006);
        s[i] += 0.45 * std::sin(thumpPhase) * std::exp(-t / 0.05);
        thumpPhase += kTwoPi * (70 + 120 * std::exp(-t / 0.03)) / kSampleRate;
    }
    Biquad hissFilter = Biquad::bandpass(6500, 0.9);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] += 0.5 * hissFilter.process(rng.noise()) * std::exp(-timeOf(i) / 0.11);
    }
    for (int k = 0; k < 70; ++k) {
        const double u = rng.uniform();
        const double start = 0.004 + 0.5 * u * u;
        const double amp = 0.22 * (1 - start / 0.6) * rng.range(0.4, 1.0);
        const double f = rng.range(2600, 7800);
        const double decay = rng.range(0.015, 0.07);
        addPing(s, start, f, amp, decay, 0.0004);
        addPing(s, start, f * rng.range(1.4, 2.6), amp * 0.5, decay * 0.6, 0.0004);
    }
    filter(s, Biquad::highpass(40, 0.7));
    fadeEdges(s, 0.0015, 0.05);
    return s;
}

// A soft refusal: two short muffled notes going down, "uh-uh".
Samples noWaySound() {
    Samples s = silence(0.42);
    struct Note {
        double start, length, from, to;
    };
    for (const Note& n : {Note{0.0, 0.15, 392, 370}, Note{0.19, 0.21, 294, 262}}) {
        double phase = 0;
        for (std::size_t i = indexOf(n.start); i < indexOf(n.start + n.length); ++i) {
            const double t = timeOf(i) - n.start;
            const double f = n.from + (n.to - n.from) * t / n.length;
            const double env = std::min(1.0, t / 0.012) * std::exp(-t / (n.length * 0.55)) *
                               std::min(1.0, (n.length - t) / 0.02);
            s[i] +=
                env * (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
            phase += kTwoPi * f / kSampleRate;
        }
    }
    filter(s, Biquad::lowpass(1600, 0.7));
    fadeEdges(s, 0.002, 0.01);
    return s;
}

// A short wooden click.
Samples menuSelectSound() {
    Samples s = silence(0.075);
    Rng rng(12);
    Biquad body = Biquad::bandpass(3200, 1.4);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] += 0.8 * body.process(rng.noise()) * std::exp(-timeOf(i) / 0.0025);
    }
    addPing(s, 0, 1850, 0.55, 0.011, 0.0003);
    addPing(s, 0, 930, 0.4, 0.018, 0.0003);
    fadeEdges(s, 0.0012, 0.012);
    return s;
}

// A short airy swish: noise swept upwards through a resonant band.
Samples menuOpenSound() {
    Samples s = silence(0.3);
    Rng rng(13);
    Biquad band = Biquad::bandpass(700, 2.2);
    Biquad air = Biquad::bandpass(5000, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double x = t / 0.3;
        band.retune(Biquad::bandpass(700 * std::pow(3800.0 / 700.0, x), 2.2));
        const double env = hump(t, 0.0, 0.3) * (1 - 0.4 * x);
        const double n = rng.noise();
        s[i] = env * (band.process(n) + 0.25 * air.process(n));
    }
    fadeEdges(s, 0.003, 0.01);
    return s;
}

// A light little bell.
Samples fieldSelectSound() {
    Samples s = silence(0.4);
    const double f0 = 1760;
    const double partials[][3] = {{1.0, 1.0, 0.2},
                                  {2.0, 0.35, 0.12},
                                  {2.76, 0.4, 0.09},
                                  {5.4, 0.18, 0.05},
                                  {8.93, 0.08, 0.03}};
    for (const auto& p : partials) {
        addPing(s, 0.0, f0 * p[0], p[1], p[2], 0.0015);
    }
    Rng rng(14);
    Biquad tick = Biquad::bandpass(5200, 2);
    for (std::size_t i = 0; i < indexOf(0.004); ++i) {
        s[i] += 0.25 * tick.process(rng.noise()) * std::exp(-timeOf(i) / 0.001);
    }
    fadeEdges(s, 0.0012, 0.03);
    return s;
}

namespace {

// A buzzing mouth: a train of irregular pulses whose rate follows `pitch`, shaped by the
// resonances of an open mouth. `jitter` makes every period a little different, `breath` mixes
// in noise that puffs with each pulse.
Samples mouthNoise(double seconds, double (*pitch)(double), double jitter, double breath,
                   const double (*formants)[3], int formantCount, Rng& rng) {
    Samples source = silence(seconds);
    double phase = 1.0, periodScale = 1.0, pulseGain = 1.0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const double t = timeOf(i);
        phase += pitch(t) * periodScale / kSampleRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            periodScale = 1.0 + jitter * rng.noise();
            pulseGain = 1.0 + 0.4 * jitter * rng.noise();
        }
        // A rounded pulse over the first third of each period.
        const double pulse = phase < 0.33 ? std::sin(phase / 0.33 * kTwoPi / 2) : 0.0;
        source[i] = pulseGain * (pulse + breath * pulse * rng.noise());
    }
    Samples out(source.size(), 0.0);
    for (int k = 0; k < formantCount; ++k) {
        Biquad f = Biquad::bandpass(formants[k][0], formants[k][1]);
        for (std::size_t i = 0; i < source.size(); ++i) {
            out[i] += formants[k][2] * f.process(source[i]);
        }
    }
    filter(out, Biquad::highpass(60, 0.7));
    return out;
}

double burpPitch(double t) {
    return 96 - 40 * t / 0.55;
}
double raspberryPitch(double t) {
    return 62 + 10 * std::sin(t * 7.0);
}

} // namespace

// A comic burp: a low croak through an "o" shaped mouth, rough and rising in the middle.
Samples burpSound() {
    Rng rng(15);
    const double formants[][3] = {{380, 4, 1.0}, {820, 5, 0.7}, {2400, 7, 0.2}};
    Samples s = mouthNoise(0.55, burpPitch, 0.13, 0.6, formants, 3, rng);
    const Samples rough = wobble(s.size(), 18, rng);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double env = std::min(1.0, t / 0.035) * (0.75 + 0.25 * hump(t, 0.0, 0.55)) *
                           std::min(1.0, (0.55 - t) / 0.16);
        s[i] *= env * (0.8 + 0.2 * rough[i]);
    }
    fadeEdges(s, 0.004, 0.02);
    return s;
}

// A comic raspberry: flapping lips, buzzing and spluttering.
Samples raspberrySound() {
    Rng rng(16);
    const double formants[][3] = {{520, 2.5, 1.0}, {1450, 3, 0.6}, {3100, 4, 0.3}};
    Samples s = mouthNoise(1.0, raspberryPitch, 0.28, 1.4, formants, 3, rng);
    const Samples rough = wobble(s.size(), 30, rng);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double flutter = 0.8 + 0.2 * std::sin(kTwoPi * 9 * t);
        const double env = std::min(1.0, t / 0.05) * std::min(1.0, (1.0 - t) / 0.22);
        s[i] *= env * flutter * (0.75 + 0.25 * rough[i]);
    }
    fadeEdges(s, 0.004, 0.02);
    return s;
}

} // namespace game::tools
