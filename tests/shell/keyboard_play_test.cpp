// Playing by keys alone, through the real main-loop pass on the fake device: the board cursor,
// Space and Return as clicks, the hand-over between mouse and keyboard, the menu keys, and the
// name prompt that keeps every key for itself.

#include "media/input.hpp"
#include "rules/menu.hpp"
#include "shell/catalogue.hpp"
#include "shell/game_state.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace game {
namespace {

using namespace test;

constexpr std::array<const char*, kBoardSize> kStartBoard = {
    "b.......r", ".........", ".........", ".........", "rrrr.....",
    ".........", ".........", "........y", ".......y.",
};

void tapWithCtrl(KeyCode code) {
    fake::pressKey(key::kLeftCtrl);
    tapKey(code);
    fake::releaseKey(key::kLeftCtrl);
}

// Keys by letter: U D L R the arrows, u d l r the keypad's, ' ' Space, '\n' Return, z Ctrl+Z.
// A click key waits out the lock-out of the click before, as a player would.
void typeKeys(const std::string& keys) {
    for (char c : keys) {
        switch (c) {
        case ' ':
        case '\n':
            while (!deadlinePassed(state.clickLockUntil, fake::dev.tick)) {
                pass();
            }
            tapKey(c == ' ' ? key::kSpace : key::kEnter);
            break;
        case 'z':
            tapWithCtrl(key::kZ);
            break;
        default: {
            const std::string letters = "UDLRudlr";
            const KeyCode codes[] = {key::kUp,         key::kDown,       key::kLeft,
                                     key::kRight,      key::kKeypadUp,   key::kKeypadDown,
                                     key::kKeypadLeft, key::kKeypadRight};
            tapKey(codes[letters.find(c)]);
        }
        }
    }
    runUntilSettled();
}

struct Step {
    const char* keys;
    const char* what;
    std::int32_t cursorCol, cursorRow; // the pointed square afterwards
    std::int32_t selectedCol, selectedRow;
    std::vector<std::int32_t> sounds;
    std::int32_t score;
    int balls;
};

TEST(KeyboardPlay, ShortGameByKeysAlone) {
    prepareBoard(kStartBoard);
    const Step steps[] = {
        {"R", "the first arrow shows the cursor at the centre", 4, 4, -1, -1, {}, 0, 8},
        {"UUUUU", "the top edge holds", 4, 0, -1, -1, {}, 0, 8},
        {"lllll", "the left edge holds", 0, 0, -1, -1, {}, 0, 8},
        {" ", "Space selects the blue ball", 0, 0, 0, 0, {sound::kFieldSelect}, 0, 8},
        {"rrrrrrrrr ", "the right edge; another ball", 8, 0, 8, 0, {sound::kFieldSelect}, 0, 8},
        {"dddddddddd\n", "walled-in corner: refused", 8, 8, -1, -1, {sound::kNoWay}, 0, 8},
        {"UUUUUUUU ", "the red ball again", 8, 0, 8, 0, {sound::kFieldSelect}, 0, 8},
        {"LLLLDDDD\n", "sent into a row of five", 4, 4, -1, -1, {sound::kExplode}, 25, 3},
        {"z", "Ctrl+Z takes the move back", 4, 4, -1, -1, {sound::kMenuSelect}, 0, 8},
    };
    for (const Step& step : steps) {
        typeKeys(step.keys);
        SCOPED_TRACE(step.what);
        EXPECT_EQ(state.hoverCol, step.cursorCol);
        EXPECT_EQ(state.hoverRow, step.cursorRow);
        EXPECT_EQ(state.selectedCol, step.selectedCol);
        EXPECT_EQ(state.selectedRow, step.selectedRow);
        EXPECT_EQ(newSounds(), step.sounds);
        EXPECT_EQ(state.score, step.score);
        ASSERT_EQ(ballCount(), step.balls);
    }
    const auto undone = boardPicture();
    for (std::size_t row = 0; row < kStartBoard.size(); ++row) {
        EXPECT_EQ(undone[row], kStartBoard[row]);
    }
}

TEST(KeyboardPlay, HeldArrowMovesOncePerDesktopRepeatNotPerPass) {
    prepareBoard(kStartBoard);
    // Strokes reaching each read while Right is held: its press, then the desktop's repeats.
    const int strokes[] = {1, 0, 0, 1, 0, 2, 0, 5};
    const std::int32_t wantCol[] = {4, 4, 4, 5, 5, 7, 7, 8};
    for (std::size_t i = 0; i < std::size(strokes); ++i) {
        for (int s = 0; s < strokes[i]; ++s) {
            fake::pressKey(key::kRight);
        }
        pass();
        ASSERT_EQ(state.hoverCol, wantCol[i]) << "read " << i;
    }
}

TEST(KeyboardPlay, SpaceObeysTheClickFilterLikeTheLeftButton) {
    prepareBoard(kStartBoard);
    typeKeys("UUUUUllll"); // on the blue ball: every accepted click plays the select sound
    newSounds();
    tapKey(key::kSpace);
    tapKey(key::kEnter); // released inside the lock-out of the click before: lost
    fake::pressKey(key::kSpace);
    runFor(1000); // held: one click, once the lock-out is over
    EXPECT_EQ(newSounds(), (std::vector<std::int32_t>{sound::kFieldSelect, sound::kFieldSelect}));
}

TEST(KeyboardPlay, MouseAndKeyboardHandTheBoardOver) {
    prepareBoard(kStartBoard);
    typeKeys("R");
    ASSERT_EQ(state.keyCursorShown, 1);
    // The pointer moves: the mouse points again, and Space on the hidden cursor does nothing.
    pointAt(squarePoint(0, 4));
    pass();
    EXPECT_EQ(state.keyCursorShown, 0);
    EXPECT_EQ(state.hoverCol, 0);
    EXPECT_EQ(state.hoverRow, 4);
    typeKeys(" ");
    EXPECT_EQ(state.selectedCol, -1);
    // The next arrow brings the cursor back where it was left, whatever the pointer points at.
    typeKeys("D");
    EXPECT_EQ(state.hoverCol, 4);
    EXPECT_EQ(state.hoverRow, 4);
    // A click lands where the pointer is, not on the cursor.
    clickOn(8, 0);
    EXPECT_EQ(state.keyCursorShown, 0);
    EXPECT_EQ(state.selectedCol, 8);
    EXPECT_EQ(state.selectedRow, 0);
}

TEST(KeyboardPlay, FacesReactToTheCursorAsToThePointer) {
    prepareBoard(kStartBoard);
    Cell& blue = cellAt(0, 0);
    for (bool cursorOnBall : {false, true}) {
        if (cursorOnBall) {
            typeKeys("UUUUUllll");
        }
        blue.expression = 3;
        blue.expressionUntil = fake::dev.tick + 1000;
        runFrame();
        // Pointed at and not selected, the ball shows fear: its idle expression is cut off.
        EXPECT_EQ(blue.expression, cursorOnBall ? 0 : 3);
    }
}

struct MenuKeyCase {
    const char* what;
    std::int32_t runningBefore, pageBefore;
    KeyCode code;
    bool ctrl;
    std::int32_t runningAfter, pageAfter;
};

TEST(KeyboardPlay, MenuKeysActOncePerPressLikeTheirTabs) {
    const MenuKeyCase cases[] = {
        {"Ctrl+N starts a game", 0, page::kNone, key::kN, true, 1, page::kNone},
        {"Ctrl+N ends it", 1, page::kNone, key::kN, true, 0, page::kNone},
        {"N alone is no menu key", 0, page::kNone, key::kN, false, 0, page::kNone},
        {"F1 opens help", 1, page::kNone, key::kF1, false, 1, page::kHelp},
        {"F1 closes it", 1, page::kHelp, key::kF1, false, 1, page::kNone},
        {"F1 replaces the list", 0, page::kHighScores, key::kF1, false, 0, page::kHelp},
        {"Ctrl+H opens the list", 0, page::kNone, key::kH, true, 0, page::kHighScores},
        {"Ctrl+H closes it", 0, page::kHighScores, key::kH, true, 0, page::kNone},
    };
    for (const MenuKeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        prepareGame();
        state.gameRunning = c.runningBefore;
        state.overlayPage = c.pageBefore;
        if (c.ctrl) {
            fake::pressKey(key::kLeftCtrl);
        }
        fake::pressKey(c.code);
        for (int held = 0; held < 50; ++held) { // held for half a second: acts once
            pass();
        }
        EXPECT_EQ(state.gameRunning, c.runningAfter);
        EXPECT_EQ(state.overlayPage, c.pageAfter);
        const bool acted = c.runningAfter != c.runningBefore || c.pageAfter != c.pageBefore;
        EXPECT_EQ(newSounds(), acted ? std::vector<std::int32_t>{sound::kMenuSelect}
                                     : std::vector<std::int32_t>{});
    }
}

TEST(KeyboardPlay, NamePromptKeepsEveryKeyForTheName) {
    prepareBoard(kStartBoard);
    typeKeys("UUUUUllll"); // the cursor on the blue ball
    newSounds();
    // A game started while the prompt is still open: the board runs, the keys still type.
    state.nameEntryActive = 1;
    typeKeys("\n R");
    tapKey(key::kF1);
    tapWithCtrl(key::kH);
    tapWithCtrl(key::kN);
    EXPECT_EQ(state.typedName, "HN");
    EXPECT_EQ(state.nameEntryActive, 1);
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.overlayPage, page::kNone);
    EXPECT_EQ(state.hoverCol, 0);
    EXPECT_EQ(state.hoverRow, 0);
    EXPECT_EQ(state.selectedCol, -1);
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{});
}

} // namespace
} // namespace game
