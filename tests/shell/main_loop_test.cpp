#include "shell/main_loop.hpp"

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

void start(std::uint32_t tick) {
    test::prepareGame();
    fake::dev.tick = tick;
}

// Runs passes until the clock has moved on by at least ms; returns the clicks delivered.
int clicksWithin(std::uint32_t ms, std::int32_t GameState::*click = &GameState::leftClick) {
    const std::uint32_t until = fake::dev.tick + ms;
    int clicks = 0;
    for (int i = 0; static_cast<std::int32_t>(fake::dev.tick - until) < 0; ++i) {
        if (i == test::kPassLimit) {
            ADD_FAILURE() << "the clock stands still";
            break;
        }
        mainLoopPass();
        clicks += state.*click;
    }
    return clicks;
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

// Button scripts: press (+) or release (-) of the left (L) or right (R) button, then passes for
// so many ms, counting the clicks of one button.
TEST(MainLoop, ClickFilterDeliversAClickPerPressOutsideTheLockOut) {
    struct ClickCase {
        const char* name;
        std::vector<std::pair<const char*, std::uint32_t>> steps;
        std::vector<int> clicks; // after each step
        std::int32_t GameState::*counted = &GameState::leftClick;
    };
    const ClickCase cases[] = {
        {"holding gives one click", {{"L+", 2000}}, {1}},
        {"a tap between two passes is a click", {{"L+L-", 10}, {"", 10}}, {1, 0}},
        {"a press inside the lock-out waits for its end",
         {{"L+", 100}, {"L-", 20}, {"L+", 200}, {"", 50}},
         {1, 0, 0, 1}},
        {"a press let go inside the lock-out is lost",
         {{"L+", 100}, {"L-", 20}, {"L+", 50}, {"L-", 1000}},
         {1, 0, 0, 0}},
        {"the lock-out is shared by the buttons",
         {{"L+", 10}, {"L-R+", 300}, {"", 100}},
         {0, 0, 1},
         &GameState::rightClick},
        {"both in one pass, left first", {{"L+R+", 10}, {"", 400}}, {0, 1}, &GameState::rightClick},
    };
    for (const ClickCase& c : cases) {
        start(0xFFFFFF00u);
        std::vector<int> clicks;
        for (const auto& [change, ms] : c.steps) {
            for (const char* k = change; *k != '\0'; k += 2) {
                (k[1] == '+' ? fake::pressButton : fake::releaseButton)(k[0] == 'L' ? 0 : 1);
            }
            clicks.push_back(clicksWithin(ms, c.counted));
        }
        EXPECT_EQ(clicks, c.clicks) << c.name;
    }
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
