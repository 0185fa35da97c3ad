// Keyboard and mouse. The game's reads on the fake machine answer as the old input did. On the SDL
// side, under SDL's dummy video driver, events pushed into SDL's queue come out as key position
// codes and mouse events, which then feed the game's own reads; a flood of events between two
// reads gives up motion, never a button.

#include "media/input.hpp"
#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"
#include "support/fake_device.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace game {
namespace {

using Seen = std::vector<int>;

// The steps of a script, each a name and up to two numbers ("D30", "S700,240"); the small
// letters and the signs record an answer.
const std::map<std::string, std::function<void(int a, int b, Seen&)>> kSteps = {
    {"D", [](int a, int, Seen&) { fake::pressKey(a); }},   // key a goes down
    {"U", [](int a, int, Seen&) { fake::releaseKey(a); }}, // key a goes up
    {"K", [](int, int, Seen&) { readKeyboard(); }},
    {"k", [](int, int, Seen& s) { s.push_back(readKeyboard()); }},
    {"=", [](int a, int, Seen& s) { s.push_back(keyDown(a)); }},
    {"?", [](int a, int, Seen& s) { s.push_back(keyReleased(a)); }},
    {"P", [](int a, int, Seen&) { fake::pressButton(a); }},   // button a goes down
    {"R", [](int a, int, Seen&) { fake::releaseButton(a); }}, // button a goes up
    {"M", [](int, int, Seen&) { readMouse(); }},
    {"m", [](int, int, Seen& s) { s.push_back(readMouse()); }},
    {"B", [](int a, int, Seen& s) { s.push_back(mouseButtonDown(a)); }},
    {"X", [](int, int, Seen& s) { s.push_back(mousePosX()); }},
    {"Y", [](int, int, Seen& s) { s.push_back(mousePosY()); }},
    {"S", [](int a, int b, Seen&) { setMousePosition(a, b); }},
    {"V", [](int a, int b, Seen&) { fake::moveMouse(a, b); }},  // the mouse moves by (a, b)
    {"off", [](int, int, Seen&) { fake::dev.active = false; }}, // into the background
    {"on", [](int, int, Seen&) { fake::dev.active = true; }},
};

// Plays a script of steps such as "D30 K ?30" on a fresh fake machine; returns what it recorded.
Seen play(const std::string& script) {
    fake::reset(0);
    initKeyboard();
    initMouse();
    Seen seen;
    std::istringstream steps(script);
    for (std::string step; steps >> step;) {
        const std::string name = kSteps.count(step) != 0 ? step : step.substr(0, 1);
        int a = 0, b = 0;
        std::sscanf(step.c_str() + name.size(), "%d,%d", &a, &b);
        kSteps.at(name)(a, b, seen); // an unknown step throws, failing the test
    }
    return seen;
}

TEST(Input, KeysAndButtonsAnswerAsTheOldInputDid) {
    const struct {
        const char* what;
        const char* script;
        std::vector<int> want;
    } rows[] = {
        {"a held key is 128, another 0, any 1, no key 0",
         "D29 K =29 =33 =-1 =300 =-7",
         {128, 0, 1, 0, 0}},
        {"any key looks at codes up to 254 only", "D255 K =255 =-1", {128, 0}},
        {"a release asked about while down shows once",
         "D30 K ?30 K ?30 U30 K ?30 K ?30",
         {0, 0, 1, 0}},
        {"a release not asked about while down is silent", "D48 K U48 K ?48", {0}},
        {"any key's release", "D57 K ?-1 U57 K ?-1 ?-1", {0, 1, 0}},
        {"in the background the last key snapshot stays",
         "D1 k off U1 k =1 on k =1",
         {1, 0, 128, 1, 0}},
        {"the last button event wins", "P1 P0 M B2 B1 R1 M B2 B1", {1, 1, 0, 1}},
        {"a press and release between reads is down for one read", "P0 R0 M B1 M B1", {1, 0}},
        {"a quick click and a new press stay down", "P0 R0 M P0 M B1", {1}},
        {"the middle button is button three", "P2 M B3 B4 B0", {1, 0, 0}},
        {"in the background buttons keep their state",
         "P0 M off R0 m B1 on M B1 R0 M B1",
         {0, 1, 1, 0}},
        {"the pointer stays on the screen",
         "S320,240 V-5000,-5000 M X Y V5000,5000 M X Y V-2147483647,2147483647 M X Y",
         {0, 0, 639, 479, 0, 479}},
        {"a set position is clamped at the next read", "S700,240 X M X Y", {700, 639, 240}},
        {"in the background the pointer stays", "S100,100 off V50,50 M X on", {100}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(play(row.script), row.want) << row.what;
    }
}

SDL_Event event(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}
SDL_Event key(SDL_Scancode scancode, bool down, Uint8 repeat = 0) {
    SDL_Event e = event(down ? SDL_KEYDOWN : SDL_KEYUP);
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat;
    return e;
}
SDL_Event motion(int x, int y) {
    SDL_Event e = event(SDL_MOUSEMOTION);
    e.motion.x = x;
    e.motion.y = y;
    return e;
}
SDL_Event button(Uint8 which, bool down) {
    SDL_Event e = event(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP);
    e.button.button = which;
    return e;
}
SDL_Event windowEvent(Uint8 what) {
    SDL_Event e = event(SDL_WINDOWEVENT);
    e.window.event = what;
    return e;
}

class SdlInput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    void SetUp() override {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        sdl::input = sdl::InputState{};
        fake::reset(0);
        initKeyboard();
        initMouse();
    }

    static void push(std::initializer_list<SDL_Event> events) {
        for (SDL_Event e : events) {
            ASSERT_EQ(SDL_PushEvent(&e), 1);
        }
    }
    // The game's reads, fed by the SDL device: what SDL delivered goes through the fake's slot.
    static void readThroughSdl() {
        sdl::readKeys(fake::dev.keys);
        std::vector<device::MouseEvent> events;
        if (sdl::readMouseEvents(events)) {
            fake::dev.mouseEvents.insert(fake::dev.mouseEvents.end(), events.begin(), events.end());
        }
        readKeyboard();
        readMouse();
    }
};

// A key is down from its key-down to its key-up; every press and desktop repeat between two reads
// is one stroke, so a key tapped in between shows once. Without the focus nothing is read and
// queued motion is dropped; losing it lets go of every key.
TEST_F(SdlInput, KeysAreDownUntilReleasedEveryPressOrRepeatIsAStrokeAndNothingWithoutTheFocus) {
    push({key(SDL_SCANCODE_LCTRL, true), key(SDL_SCANCODE_Z, true), key(SDL_SCANCODE_ESCAPE, true),
          key(SDL_SCANCODE_ESCAPE, false), key(SDL_SCANCODE_Z, true, 1)});
    device::KeySnapshot keys{};
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys[key::kLeftCtrl] << 16 | keys[key::kZ] << 8 | keys[key::kEscape], 0x818281);
    push({key(SDL_SCANCODE_Z, false)});
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys[key::kLeftCtrl] << 16 | keys[key::kZ] << 8 | keys[key::kEscape], 0x800000);
    push({windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), motion(10, 10)});
    EXPECT_FALSE(sdl::readKeys(keys));
    std::vector<device::MouseEvent> events;
    EXPECT_FALSE(sdl::readMouseEvents(events));
    EXPECT_TRUE(events.empty());
    // Back in front, only the latest of two places is kept.
    push({windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), event(SDL_QUIT), motion(1, 1), motion(2, 2)});
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys, device::KeySnapshot{});
    EXPECT_TRUE(sdl::readMouseEvents(events));
    EXPECT_EQ(events.size(), 2u);
    EXPECT_TRUE(sdl::input.closeRequested) << "the window's close asks the game to end";
}

TEST_F(SdlInput, ThePointerIsMappedThroughTheLetterboxAndClampedAndTheButtonsFollow) {
    displayOptions.startInWindow = true;
    ASSERT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480)) << SDL_GetError();
    displayOptions = DisplayOptions{};
    SDL_SetWindowSize(sdl::window(), 1000, 480);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    sdl::takeDisplayEvent(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED));
    struct Case {
        int wx, wy, x, y;
    };
    for (const Case& c : {Case{180, 0, 0, 0}, Case{500, 240, 320, 240}, Case{819, 479, 639, 479},
                          Case{5, 100, 0, 100}, Case{990, -20, 639, 0}}) {
        // Only the last place before a read counts.
        push({motion(c.wx + 3, c.wy + 3), motion(c.wx, c.wy)});
        readThroughSdl();
        EXPECT_EQ(mousePosX(), c.x) << c.wx;
        EXPECT_EQ(mousePosY(), c.y) << c.wy;
    }
    sdl::closeWindow();
    push({button(SDL_BUTTON_RIGHT, true), button(SDL_BUTTON_MIDDLE, true),
          button(SDL_BUTTON_LEFT, true), button(SDL_BUTTON_LEFT, false)});
    readThroughSdl();
    EXPECT_EQ(mouseButtonDown(1) + mouseButtonDown(2) * 2 + mouseButtonDown(3) * 4, 7);
}

// A long stall with heavy mouse use: more events arrive between two reads than are kept.
TEST(InputFlood, GivesUpMotionButNeverAButtonAndKeepsWherePointerWent) {
    sdl::InputState into;
    sdl::takeInputEvent(button(SDL_BUTTON_LEFT, true), into);
    constexpr int kMotions = 20000;
    for (int i = 0; i < kMotions; ++i) {
        sdl::takeInputEvent(motion(i % 700, i % 500), into);
        SDL_Event wheel = event(SDL_MOUSEWHEEL); // between two places, so they cannot merge
        wheel.wheel.y = 1;
        sdl::takeInputEvent(wheel, into);
        if (i == kMotions / 2) {
            sdl::takeInputEvent(button(SDL_BUTTON_RIGHT, true), into);
        }
    }
    sdl::takeInputEvent(button(SDL_BUTTON_LEFT, false), into);
    sdl::takeInputEvent(button(SDL_BUTTON_RIGHT, false), into);

    EXPECT_LT(into.mouseEvents.size(), 5000u);
    using Pair = std::pair<std::int32_t, std::int32_t>;
    std::vector<Pair> buttons;
    std::int64_t wheel = 0;
    Pair at{-1, -1};
    for (const device::MouseEvent& m : into.mouseEvents) {
        using Kind = device::MouseEvent::Kind;
        if (m.kind == Kind::Button) {
            buttons.emplace_back(m.button, m.value);
        }
        wheel += m.kind == Kind::Wheel ? m.value : 0;
        at.first = m.kind == Kind::AtX ? m.value : at.first;
        at.second = m.kind == Kind::AtY ? m.value : at.second;
    }
    EXPECT_EQ(buttons, (std::vector<Pair>{{0, 1}, {1, 1}, {0, 0}, {1, 0}}));
    EXPECT_EQ(wheel, kMotions);
    Pair last;
    sdl::pointerToPicture((kMotions - 1) % 700, (kMotions - 1) % 500, last.first, last.second);
    EXPECT_EQ(at, last) << "where the pointer went last";
}

} // namespace
} // namespace game
