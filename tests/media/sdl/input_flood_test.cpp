// A long stall with heavy mouse motion: more events arrive between two reads than are kept.

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
        e.motion.xrel = 1;
        e.motion.yrel = -2;
        sdl::takeInputEvent(e, into);
        if (i == kMotions / 2) {
            button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
        }
    }
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);

    EXPECT_LT(into.mouseEvents.size(), 2u * kMotions);
    std::vector<std::pair<std::int32_t, std::int32_t>> buttons;
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    for (const device::MouseEvent& m : into.mouseEvents) {
        if (m.kind == Kind::Button) {
            buttons.emplace_back(m.button, m.value);
        }
        dx += m.kind == Kind::MoveX ? m.value : 0;
        dy += m.kind == Kind::MoveY ? m.value : 0;
    }
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {
        {0, 1}, {1, 1}, {0, 0}, {1, 0}};
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(dx, kMotions);
    EXPECT_EQ(dy, -2 * kMotions);
}

} // namespace
} // namespace game
