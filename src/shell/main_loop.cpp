#include "shell/main_loop.hpp"

#include "media/device.hpp"
#include "media/input.hpp"
#include "media/stop_signals.hpp"
#include "record/game_state.hpp"
#include "rules/undo.hpp"
#include "rules/update_game.hpp"
#include "shell/keyboard_play.hpp"
#include "shell/name_entry.hpp"
#include "view/frame.hpp"

namespace game {
namespace {

bool held(KeyCode a, KeyCode b) {
    return keyDown(a) != 0 && keyDown(b) != 0;
}

// A press is delivered as a click when its button was up before and no click of either button
// was accepted in the last 333 ms; afterwards it only counts as held.
void filterClick(std::int32_t& click, std::int32_t& heldFlag, std::uint32_t now) {
    if (click == 1) {
        if (heldFlag == 0 && deadlinePassed(state.clickLockUntil, now)) {
            heldFlag = 1;
            setDeadline(state.clickLockUntil, now, kClickLockMs);
        } else {
            click = 0;
        }
    } else {
        heldFlag = 0;
    }
}

// Toggles flag once per hold of the two keys.
void toggleOnHold(bool keysHeld, std::int32_t& latch, std::int32_t& flag) {
    if (keysHeld) {
        if (latch == 0) {
            flag = 1 - flag;
            latch = 1;
        }
    } else {
        latch = 0;
    }
}

} // namespace

bool mainLoopPass() {
    readKeyboard();
    readMouse();
    const std::uint32_t now = device::tickCount();
    // Deadlines are looked at every pass, so one that has passed is latched as passed even when
    // nothing asks for it for weeks.
    deadlinePassed(state.clickLockUntil, now);
    deadlinePassed(state.nextStepTick, now);

    state.mouseX = mousePosX();
    state.mouseY = mousePosY();
    steerBoardCursor();
    // Space and Return on the keyboard cursor press the left button, through the same filter.
    state.leftClick = mouseButtonDown(1) != 0 || keyboardClick() != 0 ? 1 : 0;
    state.rightClick = mouseButtonDown(2);
    if (state.rightClick == 1) {
        state.selectedCol = -1;
        state.selectedRow = -1;
    }
    filterClick(state.leftClick, state.leftHeld, now);
    filterClick(state.rightClick, state.rightHeld, now);

    if (deadlinePassed(state.nextFrameTick, now)) {
        state.frameTick = 1;
        state.framesCounted += 1;
        setDeadline(state.nextFrameTick, now, kFrameIntervalMs);
    } else {
        state.frameTick = 0;
    }
    if (deadlinePassed(state.nextFpsTick, now)) {
        state.framesPerSecond = state.framesCounted;
        state.framesCounted = 0;
        setDeadline(state.nextFpsTick, now, kFpsSampleMs);
    }

    if (state.nameEntryActive == 1) {
        runNameEntry();
    }
    toggleOnHold(held(key::kLeftCtrl, key::kF), state.ctrlFLatch, state.showFps);
    toggleOnHold(held(key::kLeftCtrl, key::kS), state.ctrlSLatch, state.noisyFacesOn);
    // No latch: undo allows one step per move, so repeats while held change nothing.
    if (held(key::kLeftCtrl, key::kY)) {
        undoMove();
    }
    if (held(key::kLeftCtrl, key::kZ)) {
        undoMove();
    }
    runMenuKeys();
    // A window closed by the system, or a stop signal, ends the game like Escape, so the scores
    // are still saved.
    if (keyDown(key::kEscape) != 0 || device::closeRequested() || stopSignalled()) {
        return false;
    }

    updateGame();
    if (state.quitRequested == 1) {
        return false;
    }
    if (state.frameTick == 1) {
        renderFrame();
    }
    device::sleepMs(kPassSleepMs);
    return true;
}

void runMainLoop() {
    while (mainLoopPass()) {
    }
}

} // namespace game
