#include "rules/new_balls.hpp"

#include "media/random.hpp"
#include "rules/board.hpp"
#include "rules/moves.hpp"
#include "rules/rows.hpp"

namespace game {
namespace {

// Draws squares until an empty one turns up; false when the bound of draws is reached first.
bool drawEmptySquare(std::int32_t& col, std::int32_t& row) {
    state.dropTries = 0;
    while (state.dropTries < kMaxDropTries) {
        col = random(8);
        row = random(8);
        state.dropTries += 1;
        if (cellAt(col, row).color == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::int32_t randomColor() {
    return random(6) + 1;
}

void newGame() {
    state.selectedCol = -1;
    state.selectedRow = -1;
    state.undoableMoves = 0;
    state.gameRunning = 1;
    state.score = 0;
    state.undoScore = 0;
    // A walk left over from the last game would go on over the new board and end in a drop of
    // its own.
    cancelWalk();
    clearBoard();
    for (std::int32_t i = 0; i <= state.difficulty && i < kNextColors; ++i) {
        state.nextColors[static_cast<std::size_t>(i)] = randomColor();
    }
    dropNewBalls();
}

void dropNewBalls() {
    state.emptyCount = 0;
    for (const Cell& cell : state.board) {
        state.emptyCount += cell.color == 0 ? 1 : 0;
    }
    state.dropCount = state.difficulty + 1;
    state.boardFull = state.emptyCount <= state.dropCount ? 1 : 0;
    if (state.emptyCount < state.dropCount) {
        state.dropCount = state.emptyCount;
    }
    for (std::int32_t i = 1; i <= state.dropCount && i <= kNextColors; ++i) {
        std::int32_t col = 0;
        std::int32_t row = 0;
        // There is always an empty square here; should the draws still miss it, that ball is
        // left out rather than placed on top of another.
        if (!drawEmptySquare(col, row)) {
            continue;
        }
        Cell& cell = cellAt(col, row);
        cell.color = state.nextColors[static_cast<std::size_t>(i - 1)];
        cell.height = kDropHeight;
        cell.fallSpeed = kDropSpeed;
    }
    findRows();
    // Game over is decided before the balls of a row completed by this drop burst.
    if (state.boardFull == 1) {
        state.gameRunning = 0;
        state.undoableMoves = 0;
        checkHighScore();
    }
    for (std::int32_t i = 0; i < kPreviewColors; ++i) {
        state.nextColors[static_cast<std::size_t>(i)] = randomColor();
    }
}

void checkHighScore() {
    if (state.score > state.highScores[kShownRows - 1].score) {
        state.nameEntryActive = 1;
    }
}

} // namespace game
