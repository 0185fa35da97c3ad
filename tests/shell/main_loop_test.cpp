#include "shell/main_loop.hpp"

#include "media/input.hpp"
#include "shell/game_state.hpp"
#include "support/fake_device.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

class MainLoop : public ::testing::Test {
protected:
    void SetUp() override { start(0xFFFFFF00u); }

    static void start(std::uint32_t tick) {
        resetGameState();
        fake::reset(tick);
        initKeyboard();
        initMouse();
        state.selectedCol = -1;
        state.selectedRow = -1;
    }

    // Runs passes until the clock has moved on by at least ms; returns the clicks delivered.
    static int runFor(std::uint32_t ms, std::int32_t GameState::*click = &GameState::leftClick) {
        const std::uint32_t until = fake::dev.tick + ms;
        int clicks = 0;
        while (static_cast<std::int32_t>(fake::dev.tick - until) < 0) {
            mainLoopPass();
            clicks += state.*click;
        }
        return clicks;
    }
};

TEST_F(MainLoop, FirstPassDrawsAFrameAndTakesAnFpsSample) {
    ASSERT_TRUE(mainLoopPass());
    EXPECT_EQ(state.frameTick, 1);
    EXPECT_EQ(state.framesPerSecond, 1);
    EXPECT_EQ(state.framesCounted, 0);
    EXPECT_EQ(fake::dev.sleptMs, 10u);
}

TEST_F(MainLoop, UnsetDeadlinesCountAsPassedAtAnyTick) {
    for (std::uint32_t tick : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0x80000001u, 0xFFFFFFFFu}) {
        start(tick);
        fake::pressButton(0);
        ASSERT_TRUE(mainLoopPass());
        EXPECT_EQ(state.leftClick, 1) << tick;
        EXPECT_EQ(state.frameTick, 1) << tick;
        EXPECT_EQ(state.framesPerSecond, 1) << tick;
    }
}

TEST_F(MainLoop, FramesComeEveryThirdPassAcrossTheWrap) {
    // Passes are 10 ms apart; a frame needs the tick to exceed the last frame's tick + 25.
    std::vector<int> frames;
    for (int pass = 0; pass < 40; ++pass) {
        mainLoopPass();
        frames.push_back(state.frameTick);
    }
    for (int pass = 0; pass < 40; ++pass) {
        ASSERT_EQ(frames[static_cast<std::size_t>(pass)], pass % 3 == 0 ? 1 : 0) << pass;
    }
}

TEST_F(MainLoop, FrameExactlyAtTheIntervalIsNotYetDue) {
    mainLoopPass();    // frame at the start tick, 10 ms sleep
    fake::advance(15); // exactly 25 ms after the frame
    mainLoopPass();
    EXPECT_EQ(state.frameTick, 0);
    fake::advance(0); // 35 ms
    mainLoopPass();
    EXPECT_EQ(state.frameTick, 1);
}

TEST_F(MainLoop, FpsSampleCountsTheFramesOfTheLastSecond) {
    mainLoopPass();
    runFor(1010);
    // The second sample comes in the first pass after 1000 ms: a frame every 30 ms.
    EXPECT_GE(state.framesPerSecond, 33);
    EXPECT_LE(state.framesPerSecond, 35);
}

TEST_F(MainLoop, HoldingTheLeftButtonGivesOneClick) {
    fake::pressButton(0);
    EXPECT_EQ(runFor(2000), 1);
    EXPECT_EQ(state.leftHeld, 1);
}

TEST_F(MainLoop, SecondPressInsideTheLockOutIsHeldBackUntilItEnds) {
    fake::pressButton(0);
    ASSERT_EQ(runFor(100), 1);
    fake::releaseButton(0);
    runFor(20);
    fake::pressButton(0);
    // Still held when the lock-out ends: delivered in the first pass after it.
    EXPECT_EQ(runFor(200), 0);
    EXPECT_EQ(runFor(50), 1);
}

TEST_F(MainLoop, PressReleasedInsideTheLockOutIsLost) {
    fake::pressButton(0);
    ASSERT_EQ(runFor(100), 1);
    fake::releaseButton(0);
    runFor(20);
    fake::pressButton(0);
    runFor(50);
    fake::releaseButton(0);
    EXPECT_EQ(runFor(1000), 0);
}

TEST_F(MainLoop, LockOutIsSharedBetweenTheButtons) {
    fake::pressButton(0);
    mainLoopPass();
    ASSERT_EQ(state.leftClick, 1);
    fake::releaseButton(0);
    fake::pressButton(1);
    EXPECT_EQ(runFor(300, &GameState::rightClick), 0);
    EXPECT_EQ(runFor(100, &GameState::rightClick), 1);
}

TEST_F(MainLoop, BothButtonsInOnePassDeliverTheLeftClickFirst) {
    fake::pressButton(0);
    fake::pressButton(1);
    mainLoopPass();
    EXPECT_EQ(state.leftClick, 1);
    EXPECT_EQ(state.rightClick, 0);
    EXPECT_EQ(runFor(400, &GameState::rightClick), 1);
}

TEST_F(MainLoop, HoldingTheRightButtonKeepsTheSelectionCleared) {
    fake::pressButton(1);
    mainLoopPass();
    for (int pass = 0; pass < 50; ++pass) {
        state.selectedCol = 3;
        state.selectedRow = 4;
        mainLoopPass();
        ASSERT_EQ(state.selectedCol, -1);
        ASSERT_EQ(state.selectedRow, -1);
    }
}

TEST_F(MainLoop, QuickTapBetweenTwoPassesIsStillAClick) {
    fake::pressButton(0);
    fake::releaseButton(0);
    mainLoopPass();
    EXPECT_EQ(state.leftClick, 1);
    mainLoopPass();
    EXPECT_EQ(state.leftHeld, 0);
}

TEST_F(MainLoop, ClockJumpAfterAClickDoesNotLockClicksOut) {
    fake::pressButton(0);
    mainLoopPass();
    fake::releaseButton(0);
    // The machine sleeps for weeks while the lock-out is still running.
    fake::advance(3u << 30);
    mainLoopPass();
    fake::pressButton(0);
    mainLoopPass();
    EXPECT_EQ(state.leftClick, 1);
    EXPECT_EQ(state.frameTick, 0); // the frame of the previous pass was just drawn
}

TEST_F(MainLoop, DeadlinesLeftAloneForWeeksStayPassed) {
    fake::pressButton(0);
    mainLoopPass();
    fake::releaseButton(0);
    // Weeks of passes without a click: the lock-out is long gone.
    for (int week = 0; week < 4; ++week) {
        fake::advance(7u * 24 * 3600 * 1000);
        mainLoopPass();
    }
    fake::pressButton(0);
    mainLoopPass();
    EXPECT_EQ(state.leftClick, 1);
}

TEST_F(MainLoop, FrameClockSurvivesAJumpOfMoreThanHalfTheTickRange) {
    mainLoopPass();
    fake::advance(3u << 30);
    mainLoopPass();
    EXPECT_EQ(state.frameTick, 1);
}

TEST_F(MainLoop, CtrlFTogglesTheFrameRateOncePerHold) {
    fake::pressKey(key::kLeftCtrl);
    fake::pressKey(key::kF);
    runFor(200);
    EXPECT_EQ(state.showFps, 1);
    fake::releaseKey(key::kF);
    mainLoopPass();
    fake::pressKey(key::kF);
    runFor(200);
    EXPECT_EQ(state.showFps, 0);
}

TEST_F(MainLoop, CtrlSTogglesNoisyFacesAndTheRightCtrlDoesNotCount) {
    fake::pressKey(0x9D); // right Ctrl
    fake::pressKey(key::kS);
    runFor(100);
    EXPECT_EQ(state.noisyFacesOn, 0);
    fake::pressKey(key::kLeftCtrl);
    runFor(100);
    EXPECT_EQ(state.noisyFacesOn, 1);
}

TEST_F(MainLoop, EscapeEndsTheLoopAtOnceWithoutSleeping) {
    mainLoopPass();
    const std::uint32_t slept = fake::dev.sleptMs;
    fake::pressKey(key::kEscape);
    EXPECT_FALSE(mainLoopPass());
    EXPECT_EQ(fake::dev.sleptMs, slept);
}

TEST_F(MainLoop, WindowClosedBySystemEndsTheLoopLikeEscape) {
    fake::dev.closeRequested = true;
    EXPECT_FALSE(mainLoopPass());
}

TEST_F(MainLoop, MousePositionIsTakenEveryPass) {
    setMousePosition(320, 240);
    fake::moveMouse(15, -40);
    mainLoopPass();
    EXPECT_EQ(state.mouseX, 335);
    EXPECT_EQ(state.mouseY, 200);
}

} // namespace
} // namespace game
