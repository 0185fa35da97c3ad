// A game, the menu and the name prompt played by keys alone through the real main-loop pass on
// the fake device: one script of keys, each line with what the player sees after it.

#include "media/input.hpp"
#include "shell/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <string>

namespace game {
namespace {

using namespace test;

void hold(KeyCode code, bool ctrl, std::uint32_t ms) {
    if (ctrl) {
        fake::pressKey(key::kLeftCtrl);
    }
    fake::pressKey(code);
    runFor(ms);
    fake::releaseKey(code);
    fake::releaseKey(key::kLeftCtrl);
    pass();
}

// U D L R the arrows, u d l r the keypad's; ' ' Space and '\n' Return once the last click's
// lock-out is over, '!' Return at once, '_' Space held for a second; '>' Right held, its press and
// two of the desktop's repeats reaching one read; z Ctrl+Z; n Ctrl+N, h Ctrl+H and 1 F1, each held
// for half a second; m the mouse moved onto (0, 4); @ the name prompt opened or closed.
void type(const std::string& keys) {
    const KeyCode arrows[] = {key::kUp,         key::kDown,       key::kLeft,
                              key::kRight,      key::kKeypadUp,   key::kKeypadDown,
                              key::kKeypadLeft, key::kKeypadRight};
    for (char c : keys) {
        const bool click = c == ' ' || c == '\n';
        for (int guard = 0;
             click && guard < 100 && !deadlinePassed(state.clickLockUntil, fake::dev.tick);
             ++guard) {
            pass();
        }
        switch (c) {
        case ' ':
            tapKey(key::kSpace);
            break;
        case '\n':
        case '!':
            tapKey(key::kEnter);
            break;
        case '_':
            hold(key::kSpace, false, 1000);
            break;
        case '>':
            fake::pressKey(key::kRight);
            fake::pressKey(key::kRight);
            hold(key::kRight, false, 300);
            break;
        case 'z':
            hold(key::kZ, true, 10);
            break;
        case 'n':
        case 'h':
            hold(c == 'n' ? key::kN : key::kH, true, 500);
            break;
        case '1':
            hold(key::kF1, false, 500);
            break;
        case 'm':
            pointAt(squarePoint(0, 4));
            pass();
            break;
        case '@':
            state.nameEntryActive = 1 - state.nameEntryActive;
            break;
        default:
            tapKey(arrows[std::string("UDLRudlr").find(c)]);
        }
    }
    runUntilSettled();
}

// The pointed square, the selection, whether a game runs, balls, points, page, prompt, sounds.
std::string shown() {
    auto square = [](std::int32_t col, std::int32_t row) {
        return std::to_string(col) + "," + std::to_string(row);
    };
    std::string s = state.hoverCol < 0 ? "-" : square(state.hoverCol, state.hoverRow);
    s += state.selectedCol < 0 ? "" : " sel" + square(state.selectedCol, state.selectedRow);
    s += state.gameRunning == 0 ? " off" : "";
    s += " b" + std::to_string(ballCount());
    s += state.score == 0 ? "" : " pts" + std::to_string(state.score);
    s += state.overlayPage == 0 ? "" : " page" + std::to_string(state.overlayPage);
    s += state.nameEntryActive == 0 ? "" : " prompt:" + state.typedName;
    for (std::int32_t sound : newSounds()) {
        s += " s" + std::to_string(sound);
    }
    return s;
}

TEST(KeyboardPlay, GameMenuAndNamePromptByKeysAlone) {
    prepareBoard({"b.......r", ".........", ".........", ".........", "rrrr.....", ".........",
                  ".........", "........y", ".......y."});
    const std::pair<const char*, const char*> script[] = {
        {"R", "4,4 b8"}, // the first arrow only shows the cursor, at the centre
        {"UUUUUlllll", "0,0 b8"},
        {" !_", "0,0 sel0,0 b8 s14 s14"}, // select; lost in the lock-out; held: one click
        {">", "3,0 sel0,0 b8"},           // one square per repeat, not per pass
        {"RRRRRR ", "8,0 sel8,0 b8 s14"},
        {"dddddddddd\n", "8,8 b8 s11"}, // walled in: refused
        {"UUUUUUUU LLLLDDDD\n", "4,4 b3 pts25 s14 s10"},
        {"z", "4,4 b8 s12"},
        {"m ", "0,4 b8"}, // the mouse takes over; Space on the hidden cursor does nothing
        {"D", "4,4 b8"},  // back where it was left
        {"UUUULLLL@\n R1hn", "0,0 b8 prompt:HN"},
        {"@1", "0,0 b8 page2 s12"},
        {"1h", "0,0 b8 page1 s12 s12"},
        {"h", "0,0 b8 s12"},
        {"n", "- off b8 s12"},
        {"n", "0,4 b3 s12"}, // a new game ("Mittel"): the pointer points till the next arrow
    };
    for (const auto& [keys, want] : script) {
        type(keys);
        ASSERT_EQ(shown(), want) << "after " << keys;
    }
}

} // namespace
} // namespace game
