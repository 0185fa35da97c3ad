// The desktop's auto-repeat of a held key, as SDL delivers it (further key-downs marked as
// repeats), counted into the keyboard snapshot: one stroke per press or repeat since the last read.

#include "media/input.hpp"
#include "media/sdl/sdl_input.hpp"
#include "support/fake_device.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

enum class Ev { Press, Repeat, Release };

struct Read {
    std::vector<Ev> events; // reaching SDL before this read
    std::int32_t strokes;
    std::int32_t down;
};

TEST(SdlKeyRepeat, EveryPressAndRepeatBeforeAReadIsOneStroke) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    sdl::input = sdl::InputState{};
    fake::reset(0);
    initKeyboard();
    const Read reads[] = {
        {{Ev::Press}, 1, 128},
        {{}, 0, 128}, // held, the desktop not repeating yet
        {{Ev::Repeat, Ev::Repeat, Ev::Repeat}, 3, 128},
        {{Ev::Release}, 0, 0},
        {{Ev::Press, Ev::Release}, 1, 128}, // a tap between two reads
        {{}, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(reads); ++i) {
        for (Ev ev : reads[i].events) {
            SDL_Event e{};
            e.type = ev == Ev::Release ? SDL_KEYUP : SDL_KEYDOWN;
            e.key.state = ev == Ev::Release ? SDL_RELEASED : SDL_PRESSED;
            e.key.repeat = ev == Ev::Repeat ? 1 : 0;
            e.key.keysym.scancode = SDL_SCANCODE_RIGHT;
            ASSERT_EQ(SDL_PushEvent(&e), 1);
        }
        sdl::readKeys(fake::dev.keys);
        readKeyboard();
        EXPECT_EQ(keyStrokes(key::kRight), reads[i].strokes) << "read " << i;
        EXPECT_EQ(keyDown(key::kRight), reads[i].down) << "read " << i;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
} // namespace game
