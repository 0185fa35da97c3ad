#pragma once
// The faces of the balls: a smile by default, fear under the mouse, a gape in the air, and now
// and then a short random expression.

#include "record/game_state.hpp"
#include "rules/expressions.hpp"

#include <cstdint>

namespace game {

namespace face {
constexpr std::int32_t kSmile = 0;
constexpr std::int32_t kAfraid = 1;
constexpr std::int32_t kAahhh = 2;
constexpr std::int32_t kFirstExpression = 3; // expression e shows face e + 2
} // namespace face

// The face a ball shows in this frame (0..8). A forced face (afraid while pointed at and not
// selected, aahhh in the air) ends a running expression for good.
std::int32_t chooseFace(Cell& cell, bool pointedNotSelected);

} // namespace game
