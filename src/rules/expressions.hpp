#pragma once
// The short random expressions of the balls' faces, now and then, each for its time (two of them
// with a sound, only after Ctrl+S).

#include "record/game_state.hpp"

#include <cstdint>

namespace game {

namespace expression {
constexpr std::int32_t kNone = 0;
constexpr std::int32_t kBurp = 1;
constexpr std::int32_t kRaspberry = 2;
constexpr std::int32_t kBlink = 3;
constexpr std::int32_t kLookUp = 4;
constexpr std::int32_t kLookDownLeft = 5;
constexpr std::int32_t kLookDownRight = 6;
} // namespace expression

// Ends the cell's expression once its time is up. Every pass, every cell.
void expireExpression(Cell& cell, std::uint32_t now);

// The six chances of an expression to start, in their fixed order. Every pass, every cell that
// holds a ball.
void startExpressions(Cell& cell);

} // namespace game
