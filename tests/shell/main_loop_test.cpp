#include "shell/main_loop.hpp"

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

void start(std::uint32_t tick) {
    test::prepareGame();
    fake::dev.tick = tick;
}

TEST(MainLoop, UnsetDeadlinesCountAsPassedAtAnyTick) {
    for (std::uint32_t tick : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFF00u, 0xFFFFFFFFu}) {
        start(tick);
        fake::pressButton(0);
        ASSERT_TRUE(mainLoopPass());
        EXPECT_EQ(state.leftClick, 1) << tick;
        EXPECT_EQ(state.frameTick, 1) << tick;
        EXPECT_EQ(state.framesPerSecond, 1) << tick;
        EXPECT_EQ(fake::dev.sleptMs, 10u) << tick;
    }
}

TEST(MainLoop, AFrameComesOnlyOnceItsIntervalHasPassedAlsoAcrossTheWrap) {
    start(0xFFFFFFF0u);
    mainLoopPass();
    fake::dev.tick += 15; // with the pass's sleep: exactly 25 ms after the frame
    mainLoopPass();
    EXPECT_EQ(state.frameTick, 0);
    mainLoopPass();
    EXPECT_EQ(state.frameTick, 1);
}

TEST(MainLoop, ClockJumpsOfWeeksOrHalfTheTickRangeLockNothingOut) {
    for (const std::uint32_t jump : {3u << 30, 7u * 24 * 3600 * 1000}) {
        start(0xFFFFFF00u);
        fake::pressButton(0);
        mainLoopPass();
        fake::releaseButton(0);
        for (int i = 0; i < 4; ++i) { // the machine sleeps while the lock-out still runs
            fake::dev.tick += jump;
            mainLoopPass();
            EXPECT_EQ(state.frameTick, 1) << jump;
        }
        fake::pressButton(0);
        mainLoopPass();
        EXPECT_EQ(state.leftClick, 1) << jump;
    }
}

TEST(MainLoop, EscapeOrAClosedWindowEndsTheLoopAtOnceWithoutSleeping) {
    start(0);
    mainLoopPass();
    fake::pressKey(key::kEscape);
    EXPECT_FALSE(mainLoopPass());
    EXPECT_EQ(fake::dev.sleptMs, 10u);
    start(0);
    fake::dev.closeRequested = true;
    EXPECT_FALSE(mainLoopPass());
}

} // namespace
} // namespace game
