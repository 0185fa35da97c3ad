#pragma once
// The hop of the selected ball and the fall of new balls, one step per drawn frame.

#include <cstdint>

namespace game {

constexpr float kHopSpeed = -4.0f; // a selected ball at rest jumps up with this speed
constexpr float kGravity = 0.5f;   // added to the fall speed per frame while in the air

// One frame of the height animation of the ball on (col, row).
void animateBallHeight(std::int32_t col, std::int32_t row);

} // namespace game
