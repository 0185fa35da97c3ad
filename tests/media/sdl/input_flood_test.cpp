// A long stall with heavy mouse use: more events arrive between two reads than are kept.

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using Kind = device::MouseEvent::Kind;

TEST(InputFlood, GivesUpMotionButNeverAButtonAndKeepsWherePointerWent) {
    sdl::InputState into;
    SDL_Event e{};
    const auto button = [&](Uint32 type, Uint8 which) {
        e = {};
        e.type = type;
        e.button.button = which;
        sdl::takeInputEvent(e, into);
    };
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    constexpr int kMotions = 20000;
    for (int i = 0; i < kMotions; ++i) {
        e = {};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = i % 700;
        e.motion.y = i % 500;
        sdl::takeInputEvent(e, into);
        e = {};
        e.type = SDL_MOUSEWHEEL; // between two places, so they cannot merge
        e.wheel.y = 1;
        sdl::takeInputEvent(e, into);
        if (i == kMotions / 2) {
            button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
        }
    }
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);

    EXPECT_LT(into.mouseEvents.size(), 5000u);
    std::vector<std::pair<std::int32_t, std::int32_t>> buttons;
    std::int64_t wheel = 0;
    std::int32_t x = -1;
    std::int32_t y = -1;
    for (const device::MouseEvent& m : into.mouseEvents) {
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
