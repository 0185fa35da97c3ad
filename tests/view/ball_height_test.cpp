#include "view/ball_height.hpp"

#include "rules/board.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

class BallHeight : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        state.selectedCol = -1;
        state.selectedRow = -1;
        cellAt(2, 3).color = 4;
    }
};

TEST_F(BallHeight, SelectedBallHopsSeventeenFramesUpToEighteenPixelsWithoutPause) {
    state.selectedCol = 2;
    state.selectedRow = 3;
    std::vector<float> heights;
    for (int frame = 0; frame < 18; ++frame) {
        animateBallHeight(2, 3);
        heights.push_back(cellAt(2, 3).height);
    }
    const std::vector<float> expected = {4,     7.5f,  10.5f, 13, 15,    16.5f, 17.5f, 18, 18,
                                         17.5f, 16.5f, 15,    13, 10.5f, 7.5f,  4,     0,  4};
    EXPECT_EQ(heights, expected);
}

TEST_F(BallHeight, NewBallFallsSeventeenFramesOntoItsSquare) {
    cellAt(2, 3).height = 400.0f;
    cellAt(2, 3).fallSpeed = 20.0f;
    int frames = 0;
    while (cellAt(2, 3).height != 0 || cellAt(2, 3).fallSpeed != 0) {
        animateBallHeight(2, 3);
        ++frames;
        ASSERT_LT(frames, 100);
    }
    EXPECT_EQ(frames, 17);
}

TEST_F(BallHeight, BallAtRestThatIsNotSelectedStaysDown) {
    animateBallHeight(2, 3);
    EXPECT_EQ(cellAt(2, 3).height, 0.0f);
    EXPECT_EQ(cellAt(2, 3).fallSpeed, 0.0f);
}

} // namespace
} // namespace game
