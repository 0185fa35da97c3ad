#include "rules/shards.hpp"

#include "media/random.hpp"
#include "rules/board.hpp"

#include <cmath>

namespace game {
namespace {

constexpr float kDegreesPerRadian = 57.0f; // the game's own, not 180 / pi
constexpr float kRightEdge = 645.0f;
constexpr float kLeftEdge = -5.0f;
constexpr float kBottomEdge = 485.0f;
constexpr float kTopEdge = -5.0f;

void throwShards(std::int32_t col, std::int32_t row, std::int32_t color) {
    const ScreenPoint origin = squareOrigin(col, row);
    // New shards go after the last one (the drawing pass leaves the cursor there anyway).
    state.shards.current = state.shards.last;
    for (std::int32_t i = 0; i < kShardsPerBall; ++i) {
        Shard& shard = *listInsert(state.shards);
        shard.x = static_cast<float>(origin.x + random(40));
        shard.y = static_cast<float>(origin.y + random(40));
        shard.angle = random(360);
        shard.speed = random(25) + 15;
        shard.color = color;
    }
}

} // namespace

void moveShards() {
    listReset(state.shards);
    while (Shard* shard = listNext(state.shards)) {
        const float radians = static_cast<float>(shard->angle) / kDegreesPerRadian;
        shard->x = shard->x + std::cos(radians) * static_cast<float>(shard->speed);
        shard->y = shard->y + std::sin(radians) * static_cast<float>(shard->speed);
        if (shard->x > kRightEdge || shard->x < kLeftEdge || shard->y > kBottomEdge ||
            shard->y < kTopEdge) {
            // Removing the first shard leaves the cursor on the new first one, so the walk
            // passes over it for this frame. Kept: it only delays one shard by a frame.
            listRemove(state.shards);
        }
    }
}

void burstStep() {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            Cell& cell = cellAt(col, row);
            if (cell.bursting != 1) {
                continue;
            }
            cell.bursting = 0;
            throwShards(col, row, cell.color);
            cell.color = 0;
            state.score += kPointsPerBall;
            return;
        }
    }
}

} // namespace game
