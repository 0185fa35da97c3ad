#include "rules/path_search.hpp"

#include "record/game_state.hpp"
#include "support/board_picture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

namespace game {
namespace {

using Board = std::array<const char*, kBoardSize>;

// Runs the search; pathSteps is left in the state.
Text searchPath(ScreenPoint from, ScreenPoint to) {
    state.sourceCol = from.x;
    state.sourceRow = from.y;
    state.targetCol = to.x;
    state.targetRow = to.y;
    searchDistances();
    return tracePath();
}

constexpr Board kCorner = {"o........", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."};
constexpr Board kTwoInTheCorner = {"oo.......", ".........", ".........", ".........", ".........",
                                   ".........", ".........", ".........", "........."};
constexpr Board kSourceEnclosed = {"....r....", "...rbr...", "....r....", ".........", ".........",
                                   ".........", ".........", ".........", "........."};
constexpr Board kMaze = {"o.r......", "r.r.rrrr.", "..r.r....", ".rr.r.rrr", "....r....",
                         "rrrrrrrr.", ".........", ".rrrrrrrr", "........g"};
// Two shortest chains round a block; walking back from the target, the square with the smaller
// row wins at every level.
constexpr Board kBlock = {".........", ".........", ".ooooooo.", ".ooooooo.", ".ooooooo.",
                          ".........", ".........", ".........", "........."};

struct PathCase {
    const char* name;
    ScreenPoint from, to;
    const char* letters; // nullptr: no way
    Board board;
};

class PathSearch : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathSearch, FindsTheChainThatTheGameWalks) {
    const PathCase& c = GetParam();
    test::setBoard(c.board);
    const Text letters = searchPath(c.from, c.to);
    if (c.letters == nullptr) {
        EXPECT_EQ(state.pathSteps, -1);
        return;
    }
    EXPECT_EQ(letters, c.letters);
    EXPECT_EQ(state.pathSteps, static_cast<std::int32_t>(letters.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, PathSearch,
    ::testing::Values(
        PathCase{"DiagonalTakesTheSquareEarlierInScanOrder", {0, 0}, {1, 1}, "RD", kCorner},
        PathCase{"DiagonalGoesRoundABlockedCorner", {0, 0}, {1, 1}, "DR", kTwoInTheCorner},
        PathCase{"CornerToCorner", {0, 0}, {8, 8}, "RRRRRRRRDDDDDDDD", kCorner},
        PathCase{"SourceEnclosed", {4, 1}, {0, 8}, nullptr, kSourceEnclosed},
        PathCase{"Maze", {0, 0}, {0, 8}, "RDDLDDRRRUUUURRRRRDDLLLDDRRRDDLLLLLLLLDD", kMaze},
        PathCase{"EqualChainsFixedBackwards", {0, 3}, {8, 3}, "UURRRRRRRRDD", kBlock}),
    [](const ::testing::TestParamInfo<PathCase>& p) { return std::string(p.param.name); });

// The chains themselves are checked by the table above; (7, 8) cannot be reached.
TEST(PathSearchEverywhere, EveryEmptySquareGetsItsShortestDistanceOverEmptySquaresOrNone) {
    test::setBoard({"..r...b..", ".r..g....", "....g.y..", "s.....y..", "..pp.....", ".....n...",
                    "..b....s.", "......rrr", "r.....r.g"});
    const ScreenPoint source{2, 0};
    const auto empty = [](ScreenPoint p) {
        return onBoard(p.x, p.y) && cellAt(p.x, p.y).color == 0;
    };
    // Distances by a plain breadth-first search over empty squares.
    int distance[kBoardSize][kBoardSize];
    std::fill(&distance[0][0], &distance[0][0] + kCellCount, -1);
    distance[source.x][source.y] = 0;
    for (std::deque<ScreenPoint> queue{source}; !queue.empty(); queue.pop_front()) {
        for (const Step& step : kSteps) {
            const ScreenPoint next{queue.front().x + step.dcol, queue.front().y + step.drow};
            if (empty(next) && distance[next.x][next.y] < 0) {
                distance[next.x][next.y] = distance[queue.front().x][queue.front().y] + 1;
                queue.push_back(next);
            }
        }
    }
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            if (!empty({col, row})) {
                continue;
            }
            searchPath(source, {col, row});
            EXPECT_EQ(state.pathSteps, distance[col][row]) << col << "," << row;
        }
    }
}

} // namespace
} // namespace game
