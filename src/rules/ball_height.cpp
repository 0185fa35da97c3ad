#include "rules/ball_height.hpp"

#include "rules/board.hpp"

namespace game {

void animateBallHeight(std::int32_t col, std::int32_t row) {
    Cell& cell = cellAt(col, row);
    // The selected ball hops without pause: 17 frames up and down, peak 18 pixels.
    if (col == state.selectedCol && row == state.selectedRow && cell.height == 0) {
        cell.fallSpeed = kHopSpeed;
    }
    if (cell.height > 0) {
        cell.fallSpeed += kGravity;
    }
    cell.height -= cell.fallSpeed;
    if (cell.height < 0) {
        cell.height = 0;
        cell.fallSpeed = 0;
    }
}

} // namespace game
