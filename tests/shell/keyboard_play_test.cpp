// A game, the menu and the name prompt played by keys alone through the real main-loop pass on
// the fake device: one script of keys, each line with what the player sees after it.

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace game {
namespace {

using namespace test;

struct KeyUse {
    char name; // in the script
    KeyCode code;
    bool ctrl;
    int strokes;          // its press and the desktop's repeats, all reaching one read
    std::uint32_t holdMs; // held this long after that read
    bool waits;           // a click that waits for the lock-out of the click before
};

constexpr KeyUse kKeys[] = {
    {'U', key::kUp, false, 1, 0, false},         {'D', key::kDown, false, 1, 0, false},
    {'L', key::kLeft, false, 1, 0, false},       {'R', key::kRight, false, 1, 0, false},
    {'u', key::kKeypadUp, false, 1, 0, false},   {'d', key::kKeypadDown, false, 1, 0, false},
    {'l', key::kKeypadLeft, false, 1, 0, false}, {'r', key::kKeypadRight, false, 1, 0, false},
    {'>', key::kRight, false, 3, 300, false},    {' ', key::kSpace, false, 1, 0, true},
    {'\n', key::kEnter, false, 1, 0, true},      {'!', key::kEnter, false, 1, 0, false},
    {'_', key::kSpace, false, 1, 1000, false},   {'z', key::kZ, true, 1, 0, false},
    {'n', key::kN, true, 1, 500, false},         {'h', key::kH, true, 1, 500, false},
    {'1', key::kF1, false, 1, 500, false},
};

// Keys by name; besides them, m moves the mouse onto (0, 4) and @ opens or closes the name prompt.
void type(const std::string& keys) {
    for (char c : keys) {
        if (c == 'm') {
            pointAt(squarePoint(0, 4));
            pass();
            continue;
        }
        if (c == '@') {
            state.nameEntryActive = 1 - state.nameEntryActive;
            continue;
        }
        const KeyUse& k = *std::find_if(std::begin(kKeys), std::end(kKeys),
                                        [c](const KeyUse& use) { return use.name == c; });
        for (int guard = 0;
             k.waits && guard < 100 && !deadlinePassed(state.clickLockUntil, fake::dev.tick);
             ++guard) {
            pass();
        }
        if (k.ctrl) {
            fake::pressKey(key::kLeftCtrl);
        }
        for (int stroke = 0; stroke < k.strokes; ++stroke) {
            fake::pressKey(k.code);
        }
        pass();
        runFor(k.holdMs);
        fake::releaseKey(k.code);
        fake::releaseKey(key::kLeftCtrl);
        pass();
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
