#pragma once
// The game's one random generator (RANROT type W: 17 pairs of 32-bit words, rotations 19 and 27,
// lag 10). Every random choice of the game draws from it in a fixed order, so a seed replays a
// game exactly.

#include <cstdint>

namespace game {

void seedRandom(std::uint32_t seed);
// Back to the unseeded generator of a fresh process, whose every result is 0.
void clearRandom();
void seedRandomFromClock();

// A whole number from 0 to n inclusive, uniformly; -2147483648 for n < 0. Every call advances
// the generator by one step, whatever n is.
std::int32_t random(std::int32_t n);

// Float to integer, rounding toward zero.
std::int32_t truncToInt(float x);
// Float to pixel: the nearest integer, ties to even.
std::int32_t nearest(float x);

} // namespace game
