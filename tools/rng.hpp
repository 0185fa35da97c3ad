#pragma once
// The one random source of the tools: a fixed seed gives the same pictures and sounds on every
// build (xorshift64*, independent of the standard library's distributions).

#include <cstdint>

namespace game::tools {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed * 2654435761u + 0x9E3779B97F4A7C15ull) {}

    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // 0 <= u < 1
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }
    // -1 <= v < 1
    double noise() { return range(-1.0, 1.0); }

private:
    std::uint64_t state_;
};

} // namespace game::tools
