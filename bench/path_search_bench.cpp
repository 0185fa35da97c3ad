#include "rules/path_search.hpp"

#include "rules/board.hpp"
#include "support/board_picture.hpp"

#include <benchmark/benchmark.h>

namespace game {
namespace {

void runSearch(benchmark::State& bench, const std::array<const char*, kBoardSize>& picture,
               ScreenPoint from, ScreenPoint to) {
    resetGameState();
    test::setBoard(picture);
    for (auto _ : bench) {
        state.sourceCol = from.x;
        state.sourceRow = from.y;
        state.targetCol = to.x;
        state.targetRow = to.y;
        searchDistances();
        Text letters = tracePath();
        benchmark::DoNotOptimize(letters);
    }
}

void BM_PathSearchEmptyBoardCornerToCorner(benchmark::State& bench) {
    runSearch(bench,
              {"o........", ".........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."},
              {0, 0}, {8, 8});
}
BENCHMARK(BM_PathSearchEmptyBoardCornerToCorner);

void BM_PathSearchMaze(benchmark::State& bench) {
    runSearch(bench,
              {"o.r......", "r.r.rrrr.", "..r.r....", ".rr.r.rrr", "....r....", "rrrrrrrr.",
               ".........", ".rrrrrrrr", "........g"},
              {0, 0}, {0, 8});
}
BENCHMARK(BM_PathSearchMaze);

void BM_PathSearchUnreachable(benchmark::State& bench) {
    runSearch(bench,
              {"o........", ".........", ".........", ".........", ".........", ".........",
               ".........", "........r", ".......r."},
              {0, 0}, {8, 8});
}
BENCHMARK(BM_PathSearchUnreachable);

} // namespace
} // namespace game
