#pragma once
// Driving the real main-loop pass in tests: a game prepared as start-up leaves it, the point
// a player aims at on a square (the scenario runner does the rest).

#include "rules/board.hpp"

#include <cstdint>

namespace game::test {

constexpr std::uint32_t kStartTick = 0xFFFFFF00u; // every deadline crosses the wrap
constexpr int kPassLimit = 20000;                 // of a wait for the game to reach a state

// The state start-up leaves before the loop: default settings (sound on, snow on, "Mittel"), the
// menu, the snow, input and sounds ready, no page, no selection. Seeds the generator.
void prepareGame(std::uint32_t seed = 1);

// The point a player aims at on a square: the middle of its top face.
ScreenPoint squarePoint(std::int32_t col, std::int32_t row);

} // namespace game::test
