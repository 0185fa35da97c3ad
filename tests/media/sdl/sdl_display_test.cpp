// The SDL window under SDL's dummy video driver: what present shows, read back from the
// renderer, and the rebuild after a lost device.

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

class SdlDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_TRUE(sdl::startVideo()) << SDL_GetError();
        ASSERT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480)) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        sdl::displayLost();
    }
    void TearDown() override { sdl::stopVideo(); }

    // Left half red, right half blue, a green band across the middle rows.
    static std::vector<std::uint32_t> pattern() {
        std::vector<std::uint32_t> pixels(640 * 480);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                std::uint32_t c = x < 320 ? 0xFF0000u : 0x0000FFu;
                if (y >= 200 && y < 280) {
                    c = 0x00FF00u;
                }
                pixels[static_cast<std::size_t>(y * 640 + x)] = c;
            }
        }
        return pixels;
    }

    // The colour at a point of the game's picture, read from the window (which may be scaled).
    static std::uint32_t shownAt(int x, int y) {
        SDL_Renderer* r = sdl::renderer();
        float scaleX = 1;
        float scaleY = 1;
        SDL_RenderGetScale(r, &scaleX, &scaleY);
        SDL_Rect viewport;
        SDL_RenderGetViewport(r, &viewport);
        SDL_Rect at{static_cast<int>((static_cast<float>(viewport.x + x) + 0.5f) * scaleX),
                    static_cast<int>((static_cast<float>(viewport.y + y) + 0.5f) * scaleY), 1, 1};
        std::uint32_t pixel = 0;
        SDL_RenderSetScale(r, 1, 1);
        SDL_RenderSetViewport(r, nullptr);
        const int read = SDL_RenderReadPixels(r, &at, SDL_PIXELFORMAT_RGB888, &pixel, 4);
        SDL_RenderSetLogicalSize(r, 640, 480);
        return read == 0 ? pixel & 0xFFFFFF : 0xDEADBEEF;
    }
};

TEST_F(SdlDisplay, PresentShowsTheGamesPictureScaledIntoTheWindow) {
    const auto pixels = pattern();
    sdl::present(pixels.data(), 640, 480);
    EXPECT_EQ(shownAt(100, 100), 0xFF0000u);
    EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
    EXPECT_EQ(shownAt(100, 240), 0x00FF00u);
    EXPECT_EQ(shownAt(600, 400), 0x0000FFu);
}

TEST_F(SdlDisplay, ALostRenderDeviceIsRebuiltAndReportedOnce) {
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    ASSERT_EQ(SDL_PushEvent(&reset), 1);
    sdl::pumpEvents();
    EXPECT_FALSE(sdl::displayLost()) << "nothing was rebuilt yet";
    const auto pixels = pattern();
    sdl::present(pixels.data(), 640, 480);
    EXPECT_TRUE(sdl::displayLost());
    EXPECT_FALSE(sdl::displayLost());
    ASSERT_NE(sdl::renderer(), nullptr);
    EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
}

TEST_F(SdlDisplay, LostRenderTargetsAreRebuiltToo) {
    SDL_Event reset{};
    reset.type = SDL_RENDER_TARGETS_RESET;
    ASSERT_EQ(SDL_PushEvent(&reset), 1);
    sdl::pumpEvents();
    const auto pixels = pattern();
    sdl::present(pixels.data(), 640, 480);
    EXPECT_TRUE(sdl::displayLost());
    EXPECT_EQ(shownAt(100, 100), 0xFF0000u);
}

TEST(SdlVideo, WithoutAUsableVideoDriverTheDisplaySystemDoesNotStart) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sdl::startVideo());
    EXPECT_FALSE(sdl::openWindow("Zuravozidizuvav", 640, 480));
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(sdl::startVideo());
    sdl::stopVideo();
}

} // namespace
} // namespace game
