// The chain of steps a moved ball walks, checked letter by letter on boards that decide its
// turns, its ties and its dead ends.

#include "rules/path_search.hpp"

#include "record/game_state.hpp"
#include "support/board_picture.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using Board = std::array<const char*, kBoardSize>;

constexpr Board kCorner = {"o........", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."};
constexpr Board kTwoInTheCorner = {"oo.......", ".........", ".........", ".........", ".........",
                                   ".........", ".........", ".........", "........."};
constexpr Board kTargetWalledIn = {"o........", ".........", ".........", ".........", ".........",
                                   ".........", ".........", "........r", ".......r."};
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
    state.sourceCol = c.from.x;
    state.sourceRow = c.from.y;
    state.targetCol = c.to.x;
    state.targetRow = c.to.y;
    searchDistances();
    const Text letters = tracePath();
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
        PathCase{"TargetWalledIn", {0, 0}, {8, 8}, nullptr, kTargetWalledIn},
        PathCase{"SourceEnclosed", {4, 1}, {0, 8}, nullptr, kSourceEnclosed},
        PathCase{"Maze", {0, 0}, {0, 8}, "RDDLDDRRRUUUURRRRRDDLLLDDRRRDDLLLLLLLLDD", kMaze},
        PathCase{"EqualChainsFixedBackwards", {0, 3}, {8, 3}, "UURRRRRRRRDD", kBlock}),
    [](const ::testing::TestParamInfo<PathCase>& p) { return std::string(p.param.name); });

} // namespace
} // namespace game
