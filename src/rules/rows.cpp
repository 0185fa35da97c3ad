#include "rules/rows.hpp"

#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "rules/board.hpp"

namespace game {
namespace {

constexpr std::int32_t kRowLength = 5;

struct Direction {
    std::int32_t dcol;
    std::int32_t drow;
};

// Runs are counted forwards only, in this order.
constexpr Direction kRowDirections[4] = {{1, 0}, {1, 1}, {1, -1}, {0, 1}};

// Counts the run of start's colour from (col, row) in one direction, marking its squares.
void countRun(std::int32_t col, std::int32_t row, Direction dir) {
    for (Cell& cell : state.board) {
        cell.mark = 0;
    }
    const std::int32_t color = cellAt(col, row).color;
    cellAt(col, row).mark = 1;
    state.runLength = 1;
    for (std::int32_t c = col + dir.dcol, r = row + dir.drow;
         onBoard(c, r) && cellAt(c, r).color == color; c += dir.dcol, r += dir.drow) {
        state.runLength += 1;
        cellAt(c, r).mark = 1;
    }
}

} // namespace

void findRows() {
    // Balls still waiting to burst from the last search go without points.
    for (Cell& cell : state.board) {
        if (cell.bursting == 1) {
            cell.color = 0;
        }
        cell.bursting = 0;
    }
    state.rowsFound = 0;
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            if (cellAt(col, row).color == 0) {
                continue;
            }
            for (const Direction dir : kRowDirections) {
                countRun(col, row, dir);
                if (state.runLength < kRowLength) {
                    continue;
                }
                // A line of six is taken again from its second ball: the sound plays twice,
                // the balls are marked (and burst) once.
                if (state.soundOn == 1) {
                    playSound(sound::kExplode);
                }
                state.rowsFound = 1;
                for (Cell& cell : state.board) {
                    if (cell.mark == 1) {
                        cell.bursting = 1;
                    }
                }
            }
        }
    }
}

} // namespace game
