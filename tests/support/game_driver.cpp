#include "support/game_driver.hpp"

#include "media/input.hpp"
#include "media/random.hpp"
#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "rules/snow.hpp"
#include "shell/main_loop.hpp"
#include "shell/score_file.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/tiny_wav.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game::test {
namespace {

std::size_t soundsSeen = 0;
bool ended = false; // the loop has ended: passes do nothing more

// Passes until done() holds; a game that never gets there fails the test instead of hanging it.
template <typename Done> void passUntil(Done done, const char* what) {
    for (int i = 0; !done(); ++i) {
        if (i == kPassLimit || ended) {
            ADD_FAILURE() << "the game never got " << what;
            return;
        }
        pass();
    }
}

} // namespace

void prepareGame(std::uint32_t seed) {
    resetGameState();
    fake::reset(kStartTick);
    seedRandom(seed);
    setDefaultScoresAndSettings();
    buildMenu();
    initSnow();
    initKeyboard();
    initMouse();
    loadTestSounds();
    state.overlayX = kOverlayHidden;
    state.selectedCol = -1;
    state.selectedRow = -1;
    soundsSeen = 0;
    ended = false;
}

void prepareBoard(const std::array<const char*, kBoardSize>& rows,
                  std::array<std::int32_t, 5> next) {
    prepareGame();
    state.gameRunning = 1;
    setBoard(rows);
    std::copy(next.begin(), next.end(), state.nextColors.begin());
}

bool pass() {
    ended = ended || !mainLoopPass();
    return !ended;
}

bool gameEnded() {
    return ended;
}

void runFor(std::uint32_t ms) {
    const std::uint32_t until = fake::dev.tick + ms;
    passUntil([until] { return static_cast<std::int32_t>(fake::dev.tick - until) >= 0; },
              "that far in time");
}

void runFrame() {
    pass();
    passUntil([] { return state.frameTick == 1; }, "to a frame");
}

ScreenPoint squarePoint(std::int32_t col, std::int32_t row) {
    const ScreenPoint origin = squareOrigin(col, row);
    return {origin.x + 30, origin.y + 5};
}

void pointAt(ScreenPoint at) {
    setMousePosition(at.x, at.y);
}

void clickAt(ScreenPoint at, std::int32_t button) {
    passUntil([] { return deadlinePassed(state.clickLockUntil, fake::dev.tick); },
              "out of the click lock-out");
    pointAt(at);
    fake::pressButton(button);
    fake::releaseButton(button);
    pass();
}

void runUntilSettled() {
    passUntil(
        [] {
            return state.ballMoving == 0 &&
                   std::none_of(state.board.begin(), state.board.end(),
                                [](const Cell& c) { return c.bursting == 1; });
        },
        "to rest");
}

void tapKey(int code, std::uint32_t holdMs) {
    fake::pressKey(code);
    pass();
    runFor(holdMs);
    fake::releaseKey(code);
    pass();
}

std::vector<std::int32_t> newSounds() {
    std::vector<std::int32_t> fresh;
    for (std::size_t i = soundsSeen; i < fake::dev.played.size(); ++i) {
        fresh.push_back(fake::dev.played[i].channel);
    }
    soundsSeen = fake::dev.played.size();
    return fresh;
}

} // namespace game::test
