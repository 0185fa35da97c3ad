#include "rules/path_search.hpp"

#include "record/game_state.hpp"
#include "support/board_picture.hpp"

#include <gtest/gtest.h>

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

// Follows the letters over empty squares; (-1, -1) when a step leaves the board or hits a ball.
ScreenPoint walk(ScreenPoint at, const Text& letters) {
    for (const char letter : letters) {
        for (const Step& step : kSteps) {
            at = step.letter == letter ? ScreenPoint{at.x + step.dcol, at.y + step.drow} : at;
        }
        if (!onBoard(at.x, at.y) || cellAt(at.x, at.y).color != 0) {
            return {-1, -1};
        }
    }
    return at;
}

constexpr Board kCorner = {"o........", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."};

struct PathCase {
    const char* name;
    Board board;
    ScreenPoint from, to;
    const char* letters; // nullptr: no way
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
        PathCase{"Right", kCorner, {4, 4}, {5, 4}, "R"},
        PathCase{"Up", kCorner, {4, 4}, {4, 3}, "U"},
        PathCase{"Left", kCorner, {4, 4}, {3, 4}, "L"},
        PathCase{"Down", kCorner, {4, 4}, {4, 5}, "D"},
        PathCase{"DiagonalTakesTheSquareEarlierInScanOrder", kCorner, {0, 0}, {1, 1}, "RD"},
        PathCase{"DiagonalGoesRoundABlockedCorner",
                 {"oo.......", ".........", ".........", ".........", ".........", ".........",
                  ".........", ".........", "........."},
                 {0, 0},
                 {1, 1},
                 "DR"},
        PathCase{
            "CornerToCornerAlongTheTopRowThenDown", kCorner, {0, 0}, {8, 8}, "RRRRRRRRDDDDDDDD"},
        PathCase{"TargetWalledIn",
                 {"o........", ".........", ".........", ".........", ".........", ".........",
                  ".........", "........r", ".......r."},
                 {0, 0},
                 {8, 8},
                 nullptr},
        PathCase{"SourceEnclosed",
                 {"....r....", "...rbr...", "....r....", ".........", ".........", ".........",
                  ".........", ".........", "........."},
                 {4, 1},
                 {0, 8},
                 nullptr},
        PathCase{"MazeWithOneCorridor",
                 {"o.r......", "r.r.rrrr.", "..r.r....", ".rr.r.rrr", "....r....", "rrrrrrrr.",
                  ".........", ".rrrrrrrr", "........g"},
                 {0, 0},
                 {0, 8},
                 "RDDLDDRRRUUUURRRRRDDLLLDDRRRDDLLLLLLLLDD"},
        // Two shortest chains round a block; walking back from the target, the square with the
        // smaller row wins at every level.
        PathCase{"AmongEqualChainsTheOneFixedBackwardsFromTheTarget",
                 {".........", ".........", ".ooooooo.", ".ooooooo.", ".ooooooo.", ".........",
                  ".........", ".........", "........."},
                 {0, 3},
                 {8, 3},
                 "UURRRRRRRRDD"}),
    [](const ::testing::TestParamInfo<PathCase>& p) { return std::string(p.param.name); });

// Distances by a plain breadth-first search over empty squares.
std::array<int, kCellCount> distancesFrom(ScreenPoint source) {
    std::array<int, kCellCount> distance;
    distance.fill(-1);
    distance[static_cast<std::size_t>(source.x * kBoardSize + source.y)] = 0;
    std::deque<ScreenPoint> queue{source};
    while (!queue.empty()) {
        const ScreenPoint at = queue.front();
        queue.pop_front();
        for (const Step& step : kSteps) {
            const ScreenPoint next{at.x + step.dcol, at.y + step.drow};
            const auto i = static_cast<std::size_t>(next.x * kBoardSize + next.y);
            if (onBoard(next.x, next.y) && cellAt(next.x, next.y).color == 0 && distance[i] < 0) {
                distance[i] = distance[static_cast<std::size_t>(at.x * kBoardSize + at.y)] + 1;
                queue.push_back(next);
            }
        }
    }
    return distance;
}

TEST(PathSearchEverywhere, EveryEmptySquareGetsAShortestChainOverEmptySquaresOrNone) {
    test::setBoard({"..r...b..", ".r..g....", "....g.y..", "s.....y..", "..pp.....", ".....n...",
                    "..b....s.", "......rrr", "r.....r.g"});
    const ScreenPoint source{2, 0};
    const std::array<int, kCellCount> shortest = distancesFrom(source);
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            if (cellAt(col, row).color != 0) {
                continue;
            }
            const Text letters = searchPath(source, {col, row});
            const int want = shortest[static_cast<std::size_t>(col * kBoardSize + row)];
            ASSERT_EQ(state.pathSteps, want) << col << "," << row;
            if (want > 0) {
                const ScreenPoint end = walk(source, letters);
                ASSERT_EQ(static_cast<int>(letters.size()), want) << col << "," << row;
                ASSERT_TRUE(end.x == col && end.y == row) << col << "," << row;
            }
        }
    }
}

} // namespace
} // namespace game
