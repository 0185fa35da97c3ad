#include "shell/keyboard_play.hpp"

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "rules/moves.hpp"

#include <algorithm>

namespace game {
namespace {

struct ArrowKey {
    KeyCode code;
    std::int32_t dcol;
    std::int32_t drow;
};

// Up and down follow the board's rows, left and right its columns.
constexpr ArrowKey kArrows[] = {
    {key::kLeft, -1, 0},     {key::kRight, 1, 0},       {key::kUp, 0, -1},
    {key::kDown, 0, 1},      {key::kKeypadLeft, -1, 0}, {key::kKeypadRight, 1, 0},
    {key::kKeypadUp, 0, -1}, {key::kKeypadDown, 0, 1},
};

bool keysFree() {
    return state.nameEntryActive == 0;
}

bool down(KeyCode code) {
    return keyDown(code) != 0;
}

// True once per hold of the keys.
bool pressedOnce(bool keysHeld, std::int32_t& latch) {
    const bool fresh = keysHeld && latch == 0;
    latch = keysHeld ? 1 : 0;
    return fresh;
}

void togglePage(std::int32_t shownPage, std::int32_t openingTab) {
    if (state.overlayPage == shownPage) {
        closeOverlayPage();
    } else {
        chooseMenuEntry(openingTab);
    }
}

} // namespace

void steerBoardCursor() {
    const std::int32_t x = mousePosX();
    const std::int32_t y = mousePosY();
    // The mouse takes the board back as soon as it moves or a button goes down, so a click
    // always lands where the pointer is drawn.
    const bool mouseBusy = x != state.pointerX || y != state.pointerY || mouseButtonDown(1) != 0 ||
                           mouseButtonDown(2) != 0;
    state.pointerX = x;
    state.pointerY = y;
    if (mouseBusy || state.gameRunning != 1) {
        state.keyCursorShown = 0;
    } else if (keysFree()) {
        for (const ArrowKey& arrow : kArrows) {
            std::int32_t strokes = keyStrokes(arrow.code);
            if (strokes > 0 && state.keyCursorShown == 0) {
                // The first stroke only shows the cursor where it was left, so the player sees
                // where the next one will move it from.
                state.keyCursorShown = 1;
                strokes -= 1;
            }
            state.keyCursorCol =
                std::clamp(state.keyCursorCol + arrow.dcol * strokes, 0, kBoardSize - 1);
            state.keyCursorRow =
                std::clamp(state.keyCursorRow + arrow.drow * strokes, 0, kBoardSize - 1);
        }
    }
    if (state.keyCursorShown == 1) {
        const ScreenPoint centre = pointingCentre(state.keyCursorCol, state.keyCursorRow);
        state.mouseX = centre.x;
        state.mouseY = centre.y;
    }
}

std::int32_t keyboardClick() {
    if (state.keyCursorShown == 0 || !keysFree()) {
        return 0;
    }
    return down(key::kSpace) || down(key::kEnter) || down(key::kKeypadEnter) ? 1 : 0;
}

void runMenuKeys() {
    const bool free = keysFree();
    const bool ctrl = free && down(key::kLeftCtrl);
    if (pressedOnce(ctrl && down(key::kN), state.ctrlNLatch)) {
        chooseMenuEntry(tab::kGame);
    }
    if (pressedOnce(free && down(key::kF1), state.f1Latch)) {
        togglePage(page::kHelp, tab::kHelp);
    }
    if (pressedOnce(ctrl && down(key::kH), state.ctrlHLatch)) {
        togglePage(page::kHighScores, tab::kHighScores);
    }
}

} // namespace game
