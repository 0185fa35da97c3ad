#include "sound/synth.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace game::tools {

namespace {

constexpr double kTwoPi = 6.283185307179586;

} // namespace

Samples silence(double seconds) {
    return Samples(indexOf(seconds), 0.0);
}

double timeOf(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

std::size_t indexOf(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

Biquad Biquad::lowpass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = (1 - c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = (1 + c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = alpha / a0;
    f.b1_ = 0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void Biquad::retune(const Biquad& other) {
    b0_ = other.b0_;
    b1_ = other.b1_;
    b2_ = other.b2_;
    a1_ = other.a1_;
    a2_ = other.a2_;
}

void filter(Samples& s, Biquad f) {
    for (double& x : s) {
        x = f.process(x);
    }
}

void addPing(Samples& s, double start, double freq, double amplitude, double decay, double attack) {
    const std::size_t first = indexOf(start);
    double phase = 0;
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = timeOf(i - first);
        const double env = amplitude * std::exp(-t / decay) * std::min(1.0, t / attack);
        if (t > decay * 12) {
            break;
        }
        s[i] += env * std::sin(phase);
        phase += kTwoPi * freq / kSampleRate;
    }
}

void fadeEdges(Samples& s, double fadeIn, double fadeOut) {
    const std::size_t in = std::max<std::size_t>(indexOf(fadeIn), 2);
    const std::size_t out = std::max<std::size_t>(indexOf(fadeOut), 2);
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < in && i < n; ++i) {
        s[i] *=
            0.5 - 0.5 * std::cos(kTwoPi / 2 * static_cast<double>(i) / static_cast<double>(in - 1));
    }
    for (std::size_t i = 0; i < out && i < n; ++i) {
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(kTwoPi / 2 * static_cast<double>(i) /
                                             static_cast<double>(out - 1));
    }
}

void normalise(Samples& s, double peakDb) {
    double peak = 0;
    for (double x : s) {
        peak = std::max(peak, std::fabs(x));
    }
    if (peak == 0) {
        return;
    }
    const double gain = std::pow(10.0, -peakDb / 20.0) / peak;
    for (double& x : s) {
        x *= gain;
    }
}

namespace {

void put(std::vector<unsigned char>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 255));
    }
}

} // namespace

void writeWav(const std::string& path, const Samples& s) {
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::vector<unsigned char> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 1, 2); // mono
    put(out, kSampleRate, 4);
    put(out, kSampleRate * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(out, dataBytes, 4);
    for (double x : s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF, 2);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        throw std::runtime_error("cannot write " + path);
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    if (std::fclose(f) != 0 || !ok) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace game::tools
