#include "rules/rows.hpp"

#include "shell/catalogue.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

using test::newSounds;
using Board = std::array<const char*, kBoardSize>;

int explosions(const std::vector<std::int32_t>& sounds) {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound::kExplode));
}

// Sends the ball on from to (4, 4) and waits until the walk is over and every marked ball burst.
void completeAt44(ScreenPoint from) {
    test::sendBall(from.x, from.y, 4, 4);
    test::runUntilSettled();
}

struct RowCase {
    const char* name;
    Board board;
    ScreenPoint mover;
};

class RowsInEveryDirection : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowsInEveryDirection, FiveInALineBurstForTwentyFivePointsAndBringNoNewBalls) {
    test::prepareBoard(GetParam().board);
    newSounds();
    completeAt44(GetParam().mover);
    EXPECT_EQ(state.score, 25);
    EXPECT_EQ(test::ballCount(), 1); // only the green bystander is left
    EXPECT_EQ(explosions(newSounds()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowsInEveryDirection,
    ::testing::Values(RowCase{"Across",
                              {".........", ".........", ".........", ".........", "rrrr.....",
                               ".........", "....r....", ".........", "........g"},
                              {4, 6}},
                      RowCase{"Down",
                              {"....r....", "....r....", "....r....", "....r....", "......r..",
                               ".........", ".........", ".........", "........g"},
                              {6, 4}},
                      RowCase{"DownRight",
                              {"r........", ".r.......", "..r......", "...r.....", ".........",
                               ".........", "....r....", ".........", "........g"},
                              {4, 6}},
                      RowCase{"UpRight",
                              {".........", ".........", ".........", ".........", ".........",
                               "...r.....", "..r.r....", ".r.......", "r.......g"},
                              {4, 6}}),
    [](const ::testing::TestParamInfo<RowCase>& param) { return std::string(param.param.name); });

TEST(Rows, FourInALineIsNoRowAndNewBallsDrop) {
    test::prepareBoard({".........", ".........", ".........", ".........", "rrr......",
                        ".........", "....r....", ".........", "........g"});
    newSounds();
    completeAt44({4, 6});
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(explosions(newSounds()), 0);
    EXPECT_EQ(test::ballCount(), 5 + 3);
}

TEST(Rows, LineOfSixIsTakenTwiceAndScoresThirty) {
    test::prepareBoard({".........", ".........", ".........", ".........", "rrrr.r...",
                        ".........", "....r....", ".........", "........g"});
    newSounds();
    completeAt44({4, 6});
    EXPECT_EQ(explosions(newSounds()), 2);
    EXPECT_EQ(state.score, 30);
}

TEST(Rows, TwoCrossingLinesOfFiveShareOneBallAndScoreFortyFive) {
    // Across row 4 and down column 4 meet at (4, 4).
    test::prepareBoard({"....r....", "....r....", "....r....", "....r....", "rrrr.....",
                        ".........", "....r....", ".........", "........g"});
    newSounds();
    completeAt44({4, 6});
    EXPECT_EQ(explosions(newSounds()), 2);
    EXPECT_EQ(state.score, 45);
    EXPECT_EQ(test::ballCount(), 1);
}

TEST(Rows, MarkedBallsBurstOnePerDrawnFrameInScanOrder) {
    test::prepareBoard({".........", ".........", ".........", ".........", "rrrr.....",
                        ".........", "....r....", ".........", "........g"});
    test::sendBall(4, 6, 4, 4);
    while (state.ballMoving == 1) {
        test::pass();
    }
    // The walk ended in this pass; its frame (if it drew one) burst the first ball already.
    std::vector<int> ballsPerFrame;
    for (int frame = 0; frame < 6; ++frame) {
        test::runFrame();
        ballsPerFrame.push_back(test::ballCount());
    }
    const int first = ballsPerFrame[0];
    for (std::size_t k = 0; k < ballsPerFrame.size(); ++k) {
        EXPECT_EQ(ballsPerFrame[k], std::max(first - static_cast<int>(k), 1)) << k;
    }
    EXPECT_EQ(state.score, 25);
    EXPECT_EQ(listSize(state.shards), 5u * 11u);
}

TEST(Rows, BallsLeftMarkedWhenTheNextSearchRunsVanishWithoutPoints) {
    test::prepareBoard({"rrrrr....", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........g"});
    findRows();
    ASSERT_EQ(state.rowsFound, 1);
    findRows(); // before any ball burst
    EXPECT_EQ(state.rowsFound, 0);
    EXPECT_EQ(test::ballCount(), 1);
    EXPECT_EQ(state.score, 0);
}

} // namespace
} // namespace game
