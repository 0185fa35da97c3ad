#pragma once
// Driving the real main-loop pass in tests: a game prepared as start-up leaves it, clicks at
// screen points and squares, keys, and passes for a span of the fake clock.

#include "rules/board.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace game::test {

constexpr std::uint32_t kStartTick = 0xFFFFFF00u; // every deadline crosses the wrap
constexpr int kPassLimit = 20000;                 // of a wait for the game to reach a state

// The state start-up leaves before the loop: default settings (sound on, snow on, "Mittel"), the
// menu, the snow, input and sounds ready, no page, no selection. Seeds the generator.
void prepareGame(std::uint32_t seed = 1);

// prepareGame, then a running game on the given board with nothing selected and the preview
// colours set (entries 0..4).
void prepareBoard(const std::array<const char*, kBoardSize>& rows,
                  std::array<std::int32_t, 5> next = {1, 1, 1, 1, 1});

// One pass of the main loop; false once the program is to end, and from then on no more passes
// run (waits for a state fail).
bool pass();
bool gameEnded();

// Passes until the clock has moved on by at least ms.
void runFor(std::uint32_t ms);

// Passes until the next pass that draws a frame has run.
void runFrame();

// The point a player aims at on a square: the middle of its top face.
ScreenPoint squarePoint(std::int32_t col, std::int32_t row);

void pointAt(ScreenPoint at);

// A press and release of the left (button 0) or right (button 1) button at a point, delivered in
// one pass. Passes first until the click lock-out of the previous click is over.
void clickAt(ScreenPoint at, std::int32_t button = 0);

// Passes until no ball walks and no ball waits to burst.
void runUntilSettled();

// Presses a key for one pass (and holdMs longer) and releases it in the next pass.
void tapKey(int code, std::uint32_t holdMs = 0);

// The sounds played since the last call (or since prepareGame), in order.
std::vector<std::int32_t> newSounds();

} // namespace game::test
