#include "rules/path_search.hpp"

#include "rules/board.hpp"
#include "support/board_picture.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace game {
namespace {

class PathSearch : public ::testing::Test {
protected:
    void SetUp() override { resetGameState(); }

    // Runs the search and returns the letters; pathSteps is left in the state.
    Text searchPath(ScreenPoint from, ScreenPoint to) {
        state.sourceCol = from.x;
        state.sourceRow = from.y;
        state.targetCol = to.x;
        state.targetRow = to.y;
        searchDistances();
        return tracePath();
    }

    // Follows the letters from the source over empty squares; returns the end square, or
    // (-1, -1) when a step leaves the board or enters a ball.
    static ScreenPoint walk(ScreenPoint from, const Text& letters) {
        ScreenPoint at = from;
        for (char letter : letters) {
            for (const Step& step : kSteps) {
                if (step.letter == letter) {
                    at = {at.x + step.dcol, at.y + step.drow};
                }
            }
            if (!onBoard(at.x, at.y) || cellAt(at.x, at.y).color != 0) {
                return {-1, -1};
            }
        }
        return at;
    }
};

TEST_F(PathSearch, AdjacentTargetIsOneStep) {
    test::setBoard({
        ".........",
        ".........",
        ".........",
        ".........",
        "....o....",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_EQ(searchPath({4, 4}, {5, 4}), "R");
    EXPECT_EQ(state.pathSteps, 1);
    EXPECT_EQ(searchPath({4, 4}, {4, 3}), "U");
    EXPECT_EQ(searchPath({4, 4}, {3, 4}), "L");
    EXPECT_EQ(searchPath({4, 4}, {4, 5}), "D");
}

TEST_F(PathSearch, DiagonalNeighbourPrefersTheSquareEarlierInScanOrder) {
    test::setBoard({
        "o........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_EQ(searchPath({0, 0}, {1, 1}), "RD");
    EXPECT_EQ(state.pathSteps, 2);
}

TEST_F(PathSearch, DiagonalNeighbourGoesRoundABlockedCorner) {
    test::setBoard({
        "oo.......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_EQ(searchPath({0, 0}, {1, 1}), "DR");
}

TEST_F(PathSearch, CornerToCornerRunsAlongTheTopRowThenDown) {
    test::setBoard({
        "o........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_EQ(searchPath({0, 0}, {8, 8}), "RRRRRRRRDDDDDDDD");
    EXPECT_EQ(state.pathSteps, 16);
    EXPECT_EQ(state.searchDepth, 16);
}

TEST_F(PathSearch, TargetWalledInByBallsIsUnreachable) {
    test::setBoard({
        "o........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "........r",
        ".......r.",
    });
    searchPath({0, 0}, {8, 8});
    EXPECT_EQ(state.pathSteps, -1);
}

TEST_F(PathSearch, EnclosedSourceReachesNothing) {
    test::setBoard({
        "....r....",
        "...rbr...",
        "....r....",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    searchPath({4, 1}, {0, 8});
    EXPECT_EQ(state.pathSteps, -1);
    EXPECT_EQ(state.searchDepth, 1); // one more than the greatest distance reached (0)
}

TEST_F(PathSearch, MazeFollowsTheOnlyCorridor) {
    test::setBoard({
        "o.r......",
        "r.r.rrrr.",
        "..r.r....",
        ".rr.r.rrr",
        "....r....",
        "rrrrrrrr.",
        ".........",
        ".rrrrrrrr",
        "........g",
    });
    const Text letters = searchPath({0, 0}, {0, 8});
    EXPECT_EQ(state.pathSteps, static_cast<std::int32_t>(letters.size()));
    const ScreenPoint end = walk({0, 0}, letters);
    EXPECT_EQ(end.x, 0);
    EXPECT_EQ(end.y, 8);
    EXPECT_EQ(letters, "RDDLDDRRRUUUURRRRRDDLLLDDRRRDDLLLLLLLLDD");
}

TEST_F(PathSearch, AmongEqualChainsTheOneFixedBackwardsFromTheTargetIsTaken) {
    // Two shortest chains round a block: over the top (row 1) or below it (row 5). Walking back
    // from the target, the square with the smaller row is preferred at every level.
    test::setBoard({
        ".........",
        ".........",
        ".ooooooo.",
        ".ooooooo.",
        ".ooooooo.",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_EQ(searchPath({0, 3}, {8, 3}), "UURRRRRRRRDD");
}

TEST_F(PathSearch, EveryFoundPathIsShortestAndStaysOnEmptySquares) {
    test::setBoard({
        "..r...b..",
        ".r..g....",
        "....g.y..",
        "s.....y..",
        "..pp.....",
        ".....n...",
        "..b....s.",
        "......r..",
        "r.......g",
    });
    const ScreenPoint source{2, 0};
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            if (cellAt(col, row).color != 0) {
                continue;
            }
            const Text letters = searchPath(source, {col, row});
            ASSERT_GE(state.pathSteps, 1) << col << "," << row;
            ASSERT_EQ(static_cast<std::int32_t>(letters.size()), state.pathSteps);
            const ScreenPoint end = walk(source, letters);
            ASSERT_EQ(end.x, col);
            ASSERT_EQ(end.y, row);
            const int manhattan = std::abs(col - source.x) + std::abs(row - source.y);
            ASSERT_GE(state.pathSteps, manhattan);
        }
    }
}

TEST_F(PathSearch, LevelCountsAreLeftAtZero) {
    test::setBoard({
        "o........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    searchPath({0, 0}, {5, 6});
    for (std::int32_t count : state.levelCounts) {
        ASSERT_EQ(count, 0);
    }
}

} // namespace
} // namespace game
