// The SDL side of keyboard and mouse, under SDL's dummy video driver: events pushed into SDL's
// queue come out as key position codes and mouse events, which then feed the game's own reads.

#include "media/input.hpp"
#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"
#include "support/fake_device.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace game {
namespace {

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

    static void pushKey(SDL_Scancode scancode, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.scancode = scancode;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static void pushMotion(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    static SDL_Event sizeChanged() {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
        return e;
    }
    static void pushButton(Uint8 button, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = button;
        e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
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

// Position codes by place on the keyboard, whatever its layout: the key a German keyboard
// labels Z sits where US keyboards have Y. Every mapped key has its own code but the ISO twins.
TEST_F(SdlInput, KeysMapToTheirPositionCodes) {
    const std::pair<SDL_Scancode, int> keys[] = {{SDL_SCANCODE_ESCAPE, key::kEscape},
                                                 {SDL_SCANCODE_BACKSPACE, key::kBackspace},
                                                 {SDL_SCANCODE_RETURN, key::kEnter},
                                                 {SDL_SCANCODE_KP_ENTER, key::kKeypadEnter},
                                                 {SDL_SCANCODE_LCTRL, key::kLeftCtrl},
                                                 {SDL_SCANCODE_RCTRL, 0x9D},
                                                 {SDL_SCANCODE_SPACE, key::kSpace},
                                                 {SDL_SCANCODE_F12, 0x58},
                                                 {SDL_SCANCODE_DELETE, 0xD3},
                                                 {SDL_SCANCODE_A, key::kA},
                                                 {SDL_SCANCODE_M, key::kM},
                                                 {SDL_SCANCODE_Q, key::kQ},
                                                 {SDL_SCANCODE_Y, key::kY},
                                                 {SDL_SCANCODE_Z, key::kZ},
                                                 {static_cast<SDL_Scancode>(SDL_NUM_SCANCODES), 0}};
    for (const auto& [scancode, code] : keys) {
        EXPECT_EQ(sdl::keyCodeOf(scancode), code) << scancode;
    }
    std::set<int> codes;
    int mapped = 0;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int code = sdl::keyCodeOf(static_cast<SDL_Scancode>(sc));
        mapped += code != 0 ? 1 : 0;
        codes.insert(code);
    }
    EXPECT_GE(mapped, 104);                            // a full PC keyboard
    EXPECT_EQ(static_cast<int>(codes.size()), mapped); // the twins share 0x2B; 0 is the rest
}

// A key tapped between two reads is down for one read and released at the next; every press and
// desktop repeat is one stroke.
TEST_F(SdlInput, PushedKeysReachTheSnapshot) {
    pushKey(SDL_SCANCODE_LCTRL, true);
    pushKey(SDL_SCANCODE_Z, true);
    pushKey(SDL_SCANCODE_ESCAPE, true);
    pushKey(SDL_SCANCODE_ESCAPE, false);
    SDL_Event repeat{};
    repeat.type = SDL_KEYDOWN;
    repeat.key.repeat = 1;
    repeat.key.keysym.scancode = SDL_SCANCODE_Z;
    ASSERT_EQ(SDL_PushEvent(&repeat), 1);
    readThroughSdl();
    EXPECT_EQ(keyDown(key::kLeftCtrl) + keyDown(key::kZ) + keyDown(key::kEscape), 3 * 128);
    EXPECT_EQ(keyStrokes(key::kZ), 2);
    EXPECT_EQ(keyReleased(key::kZ) + keyReleased(key::kEscape), 0);
    pushKey(SDL_SCANCODE_Z, false);
    readThroughSdl();
    EXPECT_EQ(keyDown(key::kZ) + keyDown(key::kEscape), 0);
    EXPECT_EQ(keyReleased(key::kZ) + keyReleased(key::kEscape), 2);
    EXPECT_EQ(keyStrokes(key::kLeftCtrl), 0); // held, not repeated since
    EXPECT_EQ(keyDown(key::kLeftCtrl), 128);
}

TEST_F(SdlInput, TheDesktopPointerIsMappedThroughTheLetterboxAndClampedToThePicture) {
    displayOptions.startInWindow = true;
    ASSERT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480)) << SDL_GetError();
    displayOptions = DisplayOptions{};
    SDL_SetWindowSize(sdl::window(), 1000, 480);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    sdl::takeDisplayEvent(sizeChanged());
    struct Case {
        int wx, wy, x, y;
    };
    for (const Case& c : {Case{180, 0, 0, 0}, Case{500, 240, 320, 240}, Case{819, 479, 639, 479},
                          Case{5, 100, 0, 100}, Case{990, -20, 639, 0}}) {
        pushMotion(c.wx + 3, c.wy + 3); // only the last place before a read counts
        pushMotion(c.wx, c.wy);
        readThroughSdl();
        EXPECT_EQ(mousePosX(), c.x) << c.wx;
        EXPECT_EQ(mousePosY(), c.y) << c.wy;
    }
    sdl::closeWindow();
}

TEST_F(SdlInput, ButtonsComeFromTheEventsBetweenReads) {
    pushButton(SDL_BUTTON_RIGHT, true);
    readThroughSdl();
    EXPECT_EQ(mouseButtonDown(2), 1);
    pushButton(SDL_BUTTON_RIGHT, false);
    pushButton(SDL_BUTTON_LEFT, true);
    pushButton(SDL_BUTTON_LEFT, false);
    readThroughSdl();
    EXPECT_EQ(mouseButtonDown(2), 0);
    EXPECT_EQ(mouseButtonDown(1), 1); // the quick click counts for this read
    readThroughSdl();
    EXPECT_EQ(mouseButtonDown(1), 0);
}

TEST_F(SdlInput, WithoutTheFocusNothingIsReadAndQueuedMotionIsDropped) {
    SDL_Event lost{};
    lost.type = SDL_WINDOWEVENT;
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&lost);
    pushMotion(10, 10);
    device::KeySnapshot keys{};
    EXPECT_FALSE(sdl::readKeys(keys));
    std::vector<device::MouseEvent> events;
    EXPECT_FALSE(sdl::readMouseEvents(events));
    EXPECT_TRUE(events.empty());

    SDL_Event gained = lost;
    gained.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    SDL_PushEvent(&gained);
    EXPECT_TRUE(sdl::readKeys(keys));
    EXPECT_TRUE(sdl::readMouseEvents(events));
    EXPECT_TRUE(events.empty());
}

TEST_F(SdlInput, QuitEventAsksTheGameToClose) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    sdl::pumpEvents();
    EXPECT_TRUE(sdl::input.closeRequested);
}

} // namespace
} // namespace game
