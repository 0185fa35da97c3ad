// The SDL window under SDL's dummy video driver (a 1024 x 768 desktop): what each presentation
// path shows, read back from the window, the rebuild after a lost device, and the window mode.

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

class SdlDisplay : public ::testing::TestWithParam<PresentPath> {
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

    // Left half red, right half blue, a green band across the middle rows; a yellow corner
    // bottom left when asked for.
    static std::vector<std::uint32_t> pattern(bool corner = false) {
        std::vector<std::uint32_t> pixels(640 * 480);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::size_t x = i % 640;
            const std::size_t y = i / 640;
            pixels[i] = y >= 200 && y < 280 ? 0x00FF00u : x < 320 ? 0xFF0000u : 0x0000FFu;
            pixels[i] = corner && x < 100 && y >= 400 ? 0xFFFF00u : pixels[i];
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

TEST_P(SdlDisplay, PresentShowsTheGamesPictureScaledIntoTheWindow) {
    ASSERT_EQ(sdl::presentPath(), GetParam());
    sdl::present(pattern().data(), 640, 480);
    EXPECT_EQ(shownAt(100, 100), 0xFF0000u);
    EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
    EXPECT_EQ(shownAt(100, 240), 0x00FF00u);
    EXPECT_EQ(shownAt(600, 400), 0x0000FFu);
    // The next frame changes one corner only; the rest must stay as shown.
    sdl::present(pattern(true).data(), 640, 480);
    EXPECT_EQ(shownAt(50, 450), 0xFFFF00u);
    EXPECT_EQ(shownAt(150, 450), 0xFF0000u);
    EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
}

TEST_P(SdlDisplay, SwitchingToAWindowAndBackKeepsThePictureWhole) {
    sdl::toggleWindowMode();
    EXPECT_FALSE(sdl::fullScreen());
    sdl::pumpEvents();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(sdl::window(), &w, &h);
    EXPECT_EQ(w, 640) << "the largest whole multiple that fits 1024 x 768";
    EXPECT_EQ(h, 480);
    sdl::toggleWindowMode();
    sdl::pumpEvents();
    EXPECT_TRUE(sdl::fullScreen());
    sdl::present(pattern().data(), 640, 480);
    EXPECT_EQ(shownAt(500, 100), 0x0000FFu);
    EXPECT_EQ(shownAt(100, 240), 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, SdlDisplay,
                         ::testing::Values(PresentPath::Cpu, PresentPath::Gpu));

class SdlRenderer : public SdlDisplay {};

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

INSTANTIATE_TEST_SUITE_P(Gpu, SdlRenderer, ::testing::Values(PresentPath::Gpu));

TEST(SdlVideo, WithoutAUsableVideoDriverTheDisplaySystemDoesNotStart) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sdl::startVideo());
    EXPECT_FALSE(sdl::openWindow("Zuravozidizuvav", 640, 480));
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(sdl::startVideo());
    EXPECT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480));
    EXPECT_EQ(sdl::presentPath(), PresentPath::Cpu) << "no GPU behind a dummy display";
    sdl::stopVideo();
}

} // namespace
} // namespace game
