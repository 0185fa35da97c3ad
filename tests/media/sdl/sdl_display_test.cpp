// The SDL window under SDL's dummy video driver (a 1024 x 768 desktop): the rebuild after a lost
// render device, read back from the window, and the window's size. Also the player's display
// choices from the command line and ZV_PRESENT, and telling a GL that runs on the CPU by its name.

#include "media/display_options.hpp"
#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

class SdlRenderer : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        displayOptions.present = PresentPath::Gpu;
        ASSERT_TRUE(sdl::startVideo()) << SDL_GetError();
        ASSERT_TRUE(sdl::openWindow("Zuravozidizuvav", 640, 480)) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        sdl::displayLost();
    }
    void TearDown() override {
        sdl::stopVideo();
        displayOptions = DisplayOptions{};
    }
};

// The same picture twice: the rebuilt device shows it although nothing in it changed.
TEST_F(SdlRenderer, ALostRenderDeviceIsRebuiltAndReportedOnce) {
    const std::vector<std::uint32_t> blue(640 * 480, 0x0000FFu);
    for (const Uint32 lost : {SDL_RENDER_DEVICE_RESET, SDL_RENDER_TARGETS_RESET}) {
        SDL_Event reset{};
        reset.type = lost;
        ASSERT_EQ(SDL_PushEvent(&reset), 1);
        sdl::pumpEvents();
        EXPECT_FALSE(sdl::displayLost()) << "nothing was rebuilt yet";
        sdl::present(blue.data(), 640, 480, {});
        EXPECT_TRUE(sdl::displayLost());
        EXPECT_FALSE(sdl::displayLost());
        std::vector<std::uint32_t> shown(1024 * 768);
        int w = 0;
        int h = 0;
        ASSERT_TRUE(sdl::readShown(shown.data(), w, h, static_cast<int>(shown.size())));
        EXPECT_EQ(shown[static_cast<std::size_t>(h / 2 * w + w / 2)] & 0xFFFFFF, 0x0000FFu);
    }
}

TEST_F(SdlRenderer, AWindowIsTheLargestWholeMultipleThatFitsTheDesktop) {
    sdl::toggleWindowMode();
    sdl::pumpEvents();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(sdl::window(), &w, &h);
    EXPECT_EQ(w, 640) << "1024 x 768 takes 640 x 480 once";
    EXPECT_EQ(h, 480);
}

TEST(DisplayOptions, TheCommandLineOverridesTheEnvironment) {
    const struct {
        std::vector<const char*> args;
        const char* env;
        PresentPath path;
        bool window;
    } cases[] = {
        {{"game", "--window"}, "cpu", PresentPath::Cpu, true},
        {{"game", "--present=gpu"}, "cpu", PresentPath::Gpu, false},
    };
    for (const auto& c : cases) {
        DisplayOptions options;
        std::string error;
        EXPECT_TRUE(parseDisplayOptions(static_cast<int>(c.args.size()), c.args.data(), c.env,
                                        options, error));
        EXPECT_EQ(options.present, c.path) << c.args.back();
        EXPECT_EQ(options.startInWindow, c.window) << c.args.back();
    }
    EXPECT_TRUE(isSoftwareRendererName("llvmpipe (LLVM 15.0.6, 256 bits)"));
}

} // namespace
} // namespace game
