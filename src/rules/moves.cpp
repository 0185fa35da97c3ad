#include "rules/moves.hpp"

#include "media/device.hpp"
#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "rules/board.hpp"
#include "rules/new_balls.hpp"
#include "rules/path_search.hpp"
#include "rules/rows.hpp"
#include "rules/undo.hpp"

#include <cstdlib>

namespace game {
namespace {

// The pointing area of a square: a 39 x 27 box around the middle of its top face.
constexpr std::int32_t kPointOffsetX = 30;
constexpr std::int32_t kPointOffsetY = 5;
constexpr std::int32_t kPointReachX = 20;
constexpr std::int32_t kPointReachY = 14;

void clearSelection() {
    state.selectedCol = -1;
    state.selectedRow = -1;
}

const Step* stepOfLetter(char letter) {
    for (const Step& step : kSteps) {
        if (step.letter == letter) {
            return &step;
        }
    }
    return nullptr;
}

void finishMove() {
    state.ballMoving = 0;
    clearSelection();
    findRows();
    if (state.rowsFound == 0) {
        dropNewBalls();
    }
}

} // namespace

void checkSelection() {
    if (state.selectedCol != -1 && onBoard(state.selectedCol, state.selectedRow) &&
        cellAt(state.selectedCol, state.selectedRow).color == 0) {
        clearSelection();
    }
}

ScreenPoint pointingCentre(std::int32_t col, std::int32_t row) {
    const ScreenPoint origin = squareOrigin(col, row);
    return {origin.x + kPointOffsetX, origin.y + kPointOffsetY};
}

void pointAtSquare() {
    state.hoverCol = -1;
    state.hoverRow = -1;
    if (state.gameRunning != 1) {
        return;
    }
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const ScreenPoint centre = pointingCentre(col, row);
            if (std::abs(state.mouseX - centre.x) < kPointReachX &&
                std::abs(state.mouseY - centre.y) < kPointReachY) {
                // No break: where two areas overlap, the square later in scan order wins.
                state.hoverCol = col;
                state.hoverRow = row;
            }
        }
    }
}

void clickSquare(std::int32_t col, std::int32_t row) {
    if (cellAt(col, row).color >= 1) {
        // Clicking the selected ball again keeps it and plays the sound again.
        state.selectedCol = col;
        state.selectedRow = row;
        if (state.soundOn == 1) {
            playSound(sound::kFieldSelect);
        }
    } else if (state.selectedCol != -1) {
        startMove(col, row);
    }
}

void startMove(std::int32_t col, std::int32_t row) {
    // The snapshot comes before the search, so a refused attempt replaces it too.
    saveUndo();
    state.sourceCol = state.selectedCol;
    state.sourceRow = state.selectedRow;
    state.targetCol = col;
    state.targetRow = row;
    clearSelection();
    searchDistances();
    Text path = tracePath();
    if (state.pathSteps >= 0) {
        state.movePath = std::move(path);
        state.moveLength = state.pathSteps;
        state.undoableMoves += 1;
        state.ballMoving = 1;
        state.moveStep = 0;
        state.movingCol = state.sourceCol;
        state.movingRow = state.sourceRow;
    } else {
        // A refused move leaves a walk in progress alone: taking over the refused search's
        // letters would send the walking ball off its path, over other balls or off the board.
        if (state.soundOn == 1) {
            playSound(sound::kNoWay);
        }
    }
    state.sourceCol = -1;
    state.sourceRow = -1;
    state.targetCol = -1;
    state.targetRow = -1;
    state.leftClick = 0;
}

void stepWalkingBall() {
    const std::uint32_t now = device::tickCount();
    if (state.ballMoving != 1 || !deadlinePassed(state.nextStepTick, now)) {
        return;
    }
    // A walk only ever follows its own path over free squares. Should that ever not hold, the
    // walk stops where it stands rather than step off the board or onto another ball.
    const std::int32_t next = state.moveStep + 1;
    const Step* step = next <= state.moveLength && next <= textLength(state.movePath)
                           ? stepOfLetter(state.movePath[static_cast<std::size_t>(next - 1)])
                           : nullptr;
    const std::int32_t toCol = step != nullptr ? state.movingCol + step->dcol : -1;
    const std::int32_t toRow = step != nullptr ? state.movingRow + step->drow : -1;
    if (step == nullptr || !onBoard(state.movingCol, state.movingRow) || !onBoard(toCol, toRow) ||
        cellAt(toCol, toRow).color != 0) {
        cancelWalk();
        return;
    }
    state.moveStep = next;
    Cell& from = cellAt(state.movingCol, state.movingRow);
    Cell& to = cellAt(toCol, toRow);
    // Only the colour travels; the other fields stay with their squares.
    to.color = from.color;
    from.color = 0;
    state.movingCol = toCol;
    state.movingRow = toRow;
    to.height = 0;
    to.fallSpeed = 0;
    if (state.moveStep == state.moveLength) {
        finishMove();
    }
    setDeadline(state.nextStepTick, now, kWalkStepMs);
}

void cancelWalk() {
    state.ballMoving = 0;
}

} // namespace game
