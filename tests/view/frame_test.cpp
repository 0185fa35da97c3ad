#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "rules/board.hpp"
#include "support/fake_device.hpp"
#include "view/faces.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        fake::reset(0);
        initDisplay();
        openScreen(640, 480, 32, "test");
        state.hoverCol = state.hoverRow = -1;
        state.selectedCol = state.selectedRow = -1;
        seedRandom(11);
    }

    // Whether renderFrame drew exactly `draws` random numbers.
    static bool drewExactly(int draws) {
        const std::int32_t next = random(1000000);
        seedRandom(11);
        for (int i = 0; i < draws; ++i) {
            random(0);
        }
        return random(1000000) == next;
    }
};

TEST_F(Frame, QuietBoardDrawsNoRandomNumbersAndShowsOnePicture) {
    cellAt(3, 3).color = 1;
    renderFrame();
    EXPECT_TRUE(drewExactly(0));
    EXPECT_EQ(fake::dev.presents, 1);
}

TEST_F(Frame, PointedBallTremblesWithTwoDrawsUnlessSelected) {
    state.hoverCol = 3;
    state.hoverRow = 3;
    renderFrame(); // an empty pointed square trembles too, unseen
    EXPECT_TRUE(drewExactly(2));
    seedRandom(11);
    cellAt(3, 3).color = 1;
    state.selectedCol = 3;
    state.selectedRow = 3;
    renderFrame();
    EXPECT_TRUE(drewExactly(0));
}

TEST_F(Frame, EveryShardPicksItsPictureAndTheBurstComesAfterTheFlip) {
    for (int i = 0; i < 3; ++i) {
        listInsert(state.shards)->color = 1;
    }
    cellAt(0, 0).color = 4;
    cellAt(0, 0).bursting = 1;
    renderFrame();
    EXPECT_TRUE(drewExactly(3 + 11 * 4)); // 3 pictures, then 11 new shards of 4 draws each
    EXPECT_EQ(fake::dev.presents, 1);
    EXPECT_EQ(cellAt(0, 0).color, 0);
    EXPECT_EQ(state.score, 5);
}

TEST_F(Frame, PointedBallLosesItsExpression) {
    cellAt(3, 3).color = 1;
    cellAt(3, 3).expression = expression::kBlink;
    renderFrame();
    EXPECT_EQ(cellAt(3, 3).expression, expression::kBlink);
    state.hoverCol = 3;
    state.hoverRow = 3;
    renderFrame();
    EXPECT_EQ(cellAt(3, 3).expression, expression::kNone);
}

TEST_F(Frame, BobAngleRunsFromTenToThreeHundredSixtyAndAround) {
    for (int frame = 1; frame <= 37; ++frame) {
        renderFrame();
        ASSERT_EQ(state.bobAngle, frame <= 36 ? frame * 10 : 10) << frame;
    }
}

} // namespace
} // namespace game
