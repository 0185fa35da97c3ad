#pragma once

#include <cstdint>

namespace game {

constexpr std::uint32_t kClickLockMs = 333;
constexpr std::uint32_t kFrameIntervalMs = 25;
constexpr std::uint32_t kFpsSampleMs = 1000;
constexpr std::uint32_t kPassSleepMs = 10;

// One pass: input, keyboard cursor, click filter, frame decision, FPS sample, name entry, hot
// keys and menu keys, update, drawing, sleep. Returns false when the game is to end (Escape, or
// "Ende" chosen in the menu).
bool mainLoopPass();

// Runs passes until the game ends.
void runMainLoop();

} // namespace game
