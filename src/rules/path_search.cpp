#include "rules/path_search.hpp"

#include "rules/board.hpp"

namespace game {
namespace {

constexpr int kMaxPruningRounds = 100;

template <typename Visit> void forEachSquare(Visit visit) {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            visit(col, row, cellAt(col, row));
        }
    }
}

// One round of pruning: each square claims its still unclaimed successors on the next level;
// a square that claims none cannot lie on a chain to the target and drops out.
void claimSuccessors() {
    forEachSquare([](std::int32_t, std::int32_t, Cell& cell) { cell.mark = 0; });
    for (std::int32_t level = 0; level <= state.searchDepth; ++level) {
        forEachSquare([level](std::int32_t col, std::int32_t row, Cell& cell) {
            const bool isTarget = col == state.targetCol && row == state.targetRow;
            if (isTarget || cell.onPath != 1 || cell.distance != level) {
                return;
            }
            bool claimed = false;
            for (const Step& step : kSteps) {
                const std::int32_t c = col + step.dcol;
                const std::int32_t r = row + step.drow;
                if (!onBoard(c, r)) {
                    continue;
                }
                Cell& next = cellAt(c, r);
                if (next.onPath == 1 && next.distance == level + 1 && next.mark == 0) {
                    next.mark = 1;
                    claimed = true;
                }
            }
            if (!claimed) {
                cell.onPath = 0;
            }
        });
    }
}

// True while some level still holds more than one candidate. The counts are left at zero.
bool levelsStillShared() {
    forEachSquare([](std::int32_t, std::int32_t, Cell& cell) {
        if (cell.onPath == 1 && cell.distance >= 0) {
            state.levelCounts[static_cast<std::size_t>(cell.distance)] += 1;
        }
    });
    bool shared = false;
    for (std::int32_t level = 0; level < kLevelCounts; ++level) {
        std::int32_t& count = state.levelCounts[static_cast<std::size_t>(level)];
        if (level <= state.searchDepth && count > 1) {
            shared = true;
        }
        count = 0;
    }
    return shared;
}

} // namespace

void searchDistances() {
    forEachSquare([](std::int32_t, std::int32_t, Cell& cell) {
        cell.distance = -1;
        cell.mark = cell.color != 0 ? -1 : 0;
        cell.onPath = 1;
    });
    Cell& source = cellAt(state.sourceCol, state.sourceRow);
    source.distance = 0;
    source.mark = 1;
    state.pathSteps = -1;
    state.searchDepth = 0;

    bool stop = false;
    while (!stop) {
        bool reachedAny = false;
        // The sweep always finishes its whole level, also after reaching the target.
        forEachSquare([&](std::int32_t col, std::int32_t row, Cell& cell) {
            if (cell.distance != state.searchDepth) {
                return;
            }
            for (const Step& step : kSteps) {
                const std::int32_t c = col + step.dcol;
                const std::int32_t r = row + step.drow;
                if (!onBoard(c, r) || cellAt(c, r).mark != 0) {
                    continue;
                }
                cellAt(c, r).distance = state.searchDepth + 1;
                cellAt(c, r).mark = 1;
                reachedAny = true;
                if (c == state.targetCol && r == state.targetRow) {
                    state.pathSteps = state.searchDepth + 1;
                    stop = true;
                }
            }
        });
        if (!reachedAny) {
            stop = true;
        }
        state.searchDepth += 1;
    }
}

Text tracePath() {
    forEachSquare([](std::int32_t, std::int32_t, Cell& cell) {
        if (cell.distance == -1) {
            cell.onPath = 0;
        }
    });
    for (int round = 0; round < kMaxPruningRounds; ++round) {
        claimSuccessors();
        if (!levelsStillShared()) {
            break;
        }
    }

    Text letters;
    for (std::int32_t level = 0; level < state.searchDepth; ++level) {
        forEachSquare([&](std::int32_t col, std::int32_t row, Cell& cell) {
            if (cell.distance != level || cell.onPath != 1) {
                return;
            }
            for (const Step& step : kSteps) {
                const std::int32_t c = col + step.dcol;
                const std::int32_t r = row + step.drow;
                if (onBoard(c, r) && cellAt(c, r).distance == level + 1 &&
                    cellAt(c, r).onPath == 1) {
                    letters += step.letter;
                    break;
                }
            }
        });
    }
    return letters;
}

} // namespace game
