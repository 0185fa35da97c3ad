#include "view/faces.hpp"

namespace game {

std::int32_t chooseFace(Cell& cell, bool pointedNotSelected) {
    std::int32_t chosen = pointedNotSelected ? face::kAfraid : face::kSmile;
    if (cell.fallSpeed != 0 || cell.height != 0) {
        chosen = face::kAahhh;
    }
    if (chosen != face::kSmile) {
        cell.expression = expression::kNone;
    } else if (cell.expression != expression::kNone) {
        chosen = cell.expression + 2;
    }
    return chosen;
}

} // namespace game
