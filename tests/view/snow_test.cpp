#include "view/snow.hpp"

#include "media/random.hpp"
#include "shell/game_state.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace game {
namespace {

class Snow : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        seedRandom(3);
        state.snowOn = 1;
    }
};

TEST_F(Snow, FlakesStartOnScreenWithWholeDriftsAndTwoSpeeds) {
    initSnow();
    for (const Snowflake& flake : state.snow) {
        EXPECT_GE(flake.x, 0.0f);
        EXPECT_LE(flake.x, 640.0f);
        EXPECT_GE(flake.y, 0.0f);
        EXPECT_LE(flake.y, 470.0f);
        EXPECT_EQ(flake.drift, std::round(flake.drift));
        EXPECT_LE(std::abs(flake.drift), 2.0f);
        EXPECT_TRUE(flake.speed == 0.8f || flake.speed == 1.8f) << flake.speed;
    }
}

TEST_F(Snow, WithSnowOffEveryFlakeWaitsBelowTheScreenUntilSwitchedOn) {
    state.snowOn = 0;
    initSnow();
    for (const Snowflake& flake : state.snow) {
        ASSERT_EQ(flake.y, 490.0f);
    }
    restartSnow(); // 490 is not below 490: a flake there stays parked
    EXPECT_EQ(state.snow[0].y, 490.0f);
    for (int frame = 0; frame < 2; ++frame) {
        moveSnow();
    }
    for (const Snowflake& flake : state.snow) {
        ASSERT_EQ(flake.y, 500.0f); // left the screen and parked again
    }
    state.snowOn = 1;
    restartSnow();
    for (const Snowflake& flake : state.snow) {
        EXPECT_LE(flake.y, 0.0f);
        EXPECT_GE(flake.y, -200.0f);
        EXPECT_GE(flake.x, -100.0f);
        EXPECT_LE(flake.x, 640.0f);
    }
}

TEST_F(Snow, FlakeDriftingOffTheSideRestartsAtTheTopEvenHighUp) {
    initSnow();
    Snowflake& flake = state.snow[7];
    flake.x = -104.4f;
    flake.y = 100.0f;
    flake.drift = -2.0f;
    moveSnow();
    EXPECT_EQ(flake.y, -2.0f);
}

TEST_F(Snow, FlakesFallBySpeedAndDriftHalfTheirDriftPlusHalfAPixel) {
    initSnow();
    for (Snowflake& flake : state.snow) {
        flake.x = 300.0f;
        flake.y = 200.0f;
    }
    const auto before = state.snow;
    moveSnow();
    int driftsChanged = 0;
    for (std::size_t k = 0; k < state.snow.size(); ++k) {
        const Snowflake& after = state.snow[k];
        EXPECT_FLOAT_EQ(after.y, 200.0f + before[k].speed);
        EXPECT_FLOAT_EQ(after.x, 300.0f + after.drift / 2 + 0.5f); // the drift of this frame
        driftsChanged += after.drift != before[k].drift ? 1 : 0;
    }
    // A new drift is drawn with chance 1/11, and it may equal the old one.
    EXPECT_GT(driftsChanged, 0);
    EXPECT_LT(driftsChanged, 40);
}

} // namespace
} // namespace game
