// The SDL window under SDL's dummy video driver (a 1024 x 768 desktop): the rebuild after a lost
// render device, read back from the window, the window's size, and a video driver that cannot
// start.

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

class SdlRenderer : public ::testing::TestWithParam<PresentPath> {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        displayOptions.present = GetParam();
        ASSERT_TRUE(sdl::startVideo()) << SDL_GetError();
        ASSERT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480)) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        sdl::displayLost();
    }
    void TearDown() override {
        sdl::stopVideo();
        displayOptions = DisplayOptions{};
    }

    // Left half red, right half blue.
    static std::vector<std::uint32_t> pattern() {
        std::vector<std::uint32_t> pixels(640 * 480);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = i % 640 < 320 ? 0xFF0000u : 0x0000FFu;
        }
        return pixels;
    }

    // The colour shown at a point of the game's picture (the window is 1.6 times larger).
    std::uint32_t shownAt(int x, int y) {
        int w = 0;
        int h = 0;
        if (!sdl::readShown(shown.data(), w, h, static_cast<int>(shown.size()))) {
            return 0xDEADBEEF;
        }
        const int wx = (2 * x + 1) * w / 1280;
        const int wy = (2 * y + 1) * h / 960;
        return shown[static_cast<std::size_t>(wy * w + wx)] & 0xFFFFFF;
    }
    std::vector<std::uint32_t> shown = std::vector<std::uint32_t>(1024 * 768);
};

TEST_P(SdlRenderer, ALostRenderDeviceIsRebuiltAndReportedOnce) {
    for (const Uint32 lost : {SDL_RENDER_DEVICE_RESET, SDL_RENDER_TARGETS_RESET}) {
        SDL_Event reset{};
        reset.type = lost;
        ASSERT_EQ(SDL_PushEvent(&reset), 1);
        sdl::pumpEvents();
        EXPECT_FALSE(sdl::displayLost()) << "nothing was rebuilt yet";
        sdl::present(pattern().data(), 640, 480);
        EXPECT_TRUE(sdl::displayLost());
        EXPECT_FALSE(sdl::displayLost());
        EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
    }
}

TEST_P(SdlRenderer, AWindowIsTheLargestWholeMultipleThatFitsTheDesktop) {
    sdl::toggleWindowMode();
    sdl::pumpEvents();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(sdl::window(), &w, &h);
    EXPECT_EQ(w, 640) << "1024 x 768 takes 640 x 480 once";
    EXPECT_EQ(h, 480);
}

INSTANTIATE_TEST_SUITE_P(Gpu, SdlRenderer, ::testing::Values(PresentPath::Gpu));

TEST(SdlVideo, WithoutAUsableVideoDriverTheDisplaySystemDoesNotStart) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sdl::startVideo());
    EXPECT_FALSE(sdl::openWindow("Zuravozidizuvav", 640, 480));
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

} // namespace
} // namespace game
