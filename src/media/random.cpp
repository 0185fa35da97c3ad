#include "media/random.hpp"

#include "media/device.hpp"

#include <array>
#include <bit>
#include <climits>
#include <cmath>

namespace game {
namespace {

constexpr int kPairs = 17;
constexpr int kLag = 10;
constexpr int kWarmUpSteps = 31;
constexpr std::uint32_t kSeedMultiplier = 2891336453u;

struct RandomState {
    std::array<std::uint32_t, kPairs> a{};
    std::array<std::uint32_t, kPairs> b{};
    int p1 = 0;
    int p2 = 0;
};

// Zero until seeded: every result is then 0.
RandomState generator;

std::uint64_t step() {
    RandomState& g = generator;
    const std::uint32_t z = std::rotl(g.a[g.p1], 19) + g.a[g.p2];
    const std::uint32_t y = std::rotl(g.b[g.p1], 27) + g.b[g.p2];
    g.a[g.p1] = y;
    g.b[g.p1] = z;
    g.p1 = g.p1 == 0 ? kPairs - 1 : g.p1 - 1;
    g.p2 = g.p2 == 0 ? kPairs - 1 : g.p2 - 1;
    return (static_cast<std::uint64_t>(z) << 32) | y;
}

} // namespace

void seedRandom(std::uint32_t seed) {
    std::uint32_t x = seed;
    for (int i = 0; i < 2 * kPairs; ++i) {
        x = x * kSeedMultiplier + 1;
        if (i % 2 == 0) {
            generator.a[i / 2] = x;
        } else {
            generator.b[i / 2] = x;
        }
    }
    generator.p1 = 0;
    generator.p2 = kLag;
    for (int i = 0; i < kWarmUpSteps; ++i) {
        step();
    }
}

void clearRandom() {
    generator = RandomState{};
}

void seedRandomFromClock() {
    seedRandom(device::startSeed());
}

std::int32_t random(std::int32_t n) {
    const std::uint64_t r = step();
    if (n < 0) {
        return INT32_MIN;
    }
    // floor(R * (n + 1) / 2^64), exactly: the top 32 bits of the 96-bit product, assembled from
    // two 64-bit halves. n + 1 is taken in 64 bits, so random(2147483647) does not overflow.
    const std::uint64_t range = static_cast<std::uint64_t>(n) + 1;
    const std::uint64_t high = (r >> 32) * range;
    const std::uint64_t low = (r & 0xFFFFFFFFu) * range;
    return static_cast<std::int32_t>((high + (low >> 32)) >> 32);
}

std::int32_t nearest(float x) {
    return truncToInt(std::nearbyint(x));
}

std::int32_t truncToInt(float x) {
    // Out-of-range values and NaN would be undefined behaviour in a plain cast: pin them.
    if (!(x > -2147483648.0f)) {
        return std::isnan(x) ? 0 : INT32_MIN;
    }
    if (x >= 2147483648.0f) {
        return INT32_MAX;
    }
    return static_cast<std::int32_t>(x);
}

} // namespace game
