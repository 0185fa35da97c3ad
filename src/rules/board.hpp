#pragma once
// The 9 x 9 board: squares addressed by (col, row), each 0..8, visited in scan order (row
// outside, col inside), drawn in an oblique view.

#include "record/game_state.hpp"

namespace game {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A step to a neighbour: its letter and direction.
struct Step {
    char letter;
    std::int32_t dcol;
    std::int32_t drow;
};

// The four neighbours in the order every search tries them.
inline constexpr Step kSteps[4] = {{'L', -1, 0}, {'R', 1, 0}, {'U', 0, -1}, {'D', 0, 1}};

inline bool onBoard(std::int32_t col, std::int32_t row) {
    return col >= 0 && col < kBoardSize && row >= 0 && row < kBoardSize;
}

// Both coordinates must lie within 0..8.
inline Cell& cellAt(std::int32_t col, std::int32_t row) {
    return state.board[static_cast<std::size_t>(col * kBoardSize + row)];
}

// Top-left drawing point of a square on the 640 x 480 screen.
inline ScreenPoint squareOrigin(std::int32_t col, std::int32_t row) {
    return {40 * col - 20 * row + 200, 10 * col + 20 * row + 150};
}

// Empties the board for a new game; expressionUntil is left alone.
void clearBoard();

} // namespace game
