#pragma once
// Burst shards: a marked ball bursts into eleven fragments of its colour that fly off the screen
// in straight lines.

#include <cstdint>

namespace game {

constexpr std::int32_t kShardsPerBall = 11;
constexpr std::int32_t kPointsPerBall = 5;

// One frame of flight; shards that left the screen are removed.
void moveShards();

// Bursts the first marked ball in scan order, if any: 11 shards, an empty square, 5 points.
// Once per drawn frame, after the page flip.
void burstStep();

} // namespace game
