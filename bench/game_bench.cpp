// The cost of the game's update: one pass over a full board, and whole games played through the
// main loop on the fake device.

#include "media/input.hpp"
#include "media/random.hpp"
#include "record/game_state.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "rules/snow.hpp"
#include "rules/update_game.hpp"
#include "shell/main_loop.hpp"
#include "shell/score_file.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <benchmark/benchmark.h>

#include <queue>

namespace game {
namespace {

// Every square a ball, no two neighbours alike: no row anywhere.
void fillBoard() {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            cellAt(col, row).color = 1 + (col + 2 * row) % 7;
        }
    }
}

// The update of a pass on a full board, with (1) or without (0) the frame's share of work.
void BM_UpdatePassOnFullBoard(benchmark::State& bench) {
    test::prepareGame(1);
    fillBoard();
    state.gameRunning = 1;
    state.frameTick = static_cast<std::int32_t>(bench.range(0));
    state.mouseX = 300; // over a ball: the pointing test finds a square
    state.mouseY = 250;
    for (auto _ : bench) {
        updateGame();
        fake::dev.tick += 10;
    }
}
BENCHMARK(BM_UpdatePassOnFullBoard)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly();

// A move the player can make: the first ball in scan order with a free square next to it, sent to
// the free square farthest from it.
bool chooseMove(ScreenPoint& from, ScreenPoint& to) {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            if (cellAt(col, row).color == 0) {
                continue;
            }
            bool seen[kCellCount] = {};
            std::queue<ScreenPoint> open;
            open.push({col, row});
            seen[col * kBoardSize + row] = true;
            ScreenPoint last{-1, -1};
            while (!open.empty()) {
                const ScreenPoint at = open.front();
                open.pop();
                for (const Step& step : kSteps) {
                    const ScreenPoint next{at.x + step.dcol, at.y + step.drow};
                    if (onBoard(next.x, next.y) && !seen[next.x * kBoardSize + next.y] &&
                        cellAt(next.x, next.y).color == 0) {
                        seen[next.x * kBoardSize + next.y] = true;
                        open.push(next);
                        last = next;
                    }
                }
            }
            if (last.x >= 0) {
                from = {col, row};
                to = last;
                return true;
            }
        }
    }
    return false;
}

void clickSquare(ScreenPoint square, std::int64_t& passes) {
    while (!deadlinePassed(state.clickLockUntil, fake::dev.tick)) {
        mainLoopPass();
        ++passes;
    }
    const ScreenPoint origin = squareOrigin(square.x, square.y);
    setMousePosition(origin.x + 30, origin.y + 5);
    fake::pressButton(0);
    fake::releaseButton(0);
    mainLoopPass();
    ++passes;
}

// Whole games at "Grausam", from the new game to the full board: passes of the main loop per
// second of real time.
void BM_WholeSimulatedGame(benchmark::State& bench) {
    std::int64_t passes = 0;
    std::uint32_t seed = 1;
    for (auto _ : bench) {
        test::prepareGame(seed++);
        state.difficulty = 4;
        setMousePosition(5, 60); // the game tab
        fake::pressButton(0);
        fake::releaseButton(0);
        mainLoopPass();
        ++passes;
        while (state.gameRunning == 1) {
            ScreenPoint from, to;
            if (!chooseMove(from, to)) {
                break;
            }
            clickSquare(from, passes);
            clickSquare(to, passes);
            while (state.ballMoving == 1) {
                mainLoopPass();
                ++passes;
            }
        }
    }
    bench.counters["passes_per_second"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeSimulatedGame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
} // namespace game
