// The SDL side of keyboard and mouse, under SDL's dummy video driver: events pushed into SDL's
// queue come out as key position codes and mouse events, which then feed the game's own reads.
// A flood of events between two reads gives up motion, never a button.

#include "media/input.hpp"
#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"
#include "support/fake_device.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace game {
namespace {

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
// is one stroke, so a key tapped in between shows once. Losing the focus lets go of every key.
TEST_F(SdlInput, KeysAreDownUntilReleasedAndEveryPressOrRepeatIsAStroke) {
    push({key(SDL_SCANCODE_LCTRL, true), key(SDL_SCANCODE_Z, true), key(SDL_SCANCODE_ESCAPE, true),
          key(SDL_SCANCODE_ESCAPE, false), key(SDL_SCANCODE_Z, true, 1)});
    device::KeySnapshot keys{};
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys[key::kLeftCtrl] << 16 | keys[key::kZ] << 8 | keys[key::kEscape], 0x818281);
    push({key(SDL_SCANCODE_Z, false)});
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys[key::kLeftCtrl] << 16 | keys[key::kZ] << 8 | keys[key::kEscape], 0x800000);
    push({windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)});
    ASSERT_TRUE(sdl::readKeys(keys));
    EXPECT_EQ(keys, device::KeySnapshot{});
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

TEST_F(SdlInput, WithoutTheFocusNothingIsReadAndQueuedMotionIsDropped) {
    push({windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), motion(10, 10)});
    device::KeySnapshot keys{};
    EXPECT_FALSE(sdl::readKeys(keys));
    std::vector<device::MouseEvent> events;
    EXPECT_FALSE(sdl::readMouseEvents(events));
    EXPECT_TRUE(events.empty());
    // Back in front, only the latest of two places is kept.
    push({windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), event(SDL_QUIT), motion(1, 1), motion(2, 2)});
    EXPECT_TRUE(sdl::readKeys(keys));
    EXPECT_TRUE(sdl::readMouseEvents(events));
    EXPECT_EQ(events.size(), 2u);
    EXPECT_TRUE(sdl::input.closeRequested) << "the window's close asks the game to end";
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
    std::vector<std::pair<std::int32_t, std::int32_t>> buttons;
    std::int64_t wheel = 0;
    std::int32_t x = -1;
    std::int32_t y = -1;
    for (const device::MouseEvent& m : into.mouseEvents) {
        using Kind = device::MouseEvent::Kind;
        if (m.kind == Kind::Button) {
            buttons.emplace_back(m.button, m.value);
        }
        wheel += m.kind == Kind::Wheel ? m.value : 0;
        x = m.kind == Kind::AtX ? m.value : x;
        y = m.kind == Kind::AtY ? m.value : y;
    }
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {
        {0, 1}, {1, 1}, {0, 0}, {1, 0}};
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(wheel, kMotions);
    std::int32_t lastX = 0;
    std::int32_t lastY = 0;
    sdl::pointerToPicture((kMotions - 1) % 700, (kMotions - 1) % 500, lastX, lastY);
    EXPECT_EQ(x, lastX);
    EXPECT_EQ(y, lastY);
}

} // namespace
} // namespace game
