#include "rules/board.hpp"

namespace game {

void clearBoard() {
    for (Cell& cell : state.board) {
        const std::uint32_t until = cell.expressionUntil;
        cell = Cell{};
        cell.expressionUntil = until;
    }
}

} // namespace game
