#pragma once
// The faces of the balls: a smile by default, fear under the mouse, a gape in the air, and now
// and then a short random expression (two of them with a sound, only after Ctrl+S).

#include "shell/game_state.hpp"

#include <cstdint>

namespace game {

namespace face {
constexpr std::int32_t kSmile = 0;
constexpr std::int32_t kAfraid = 1;
constexpr std::int32_t kAahhh = 2;
constexpr std::int32_t kFirstExpression = 3; // expression e shows face e + 2
} // namespace face

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

// The face a ball shows in this frame (0..8). A forced face (afraid while pointed at and not
// selected, aahhh in the air) ends a running expression for good.
std::int32_t chooseFace(Cell& cell, bool pointedNotSelected);

} // namespace game
