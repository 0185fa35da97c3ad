// The player's display choices from the command line and ZV_PRESENT, and telling a GL that runs
// on the CPU by its name.

#include "media/display_options.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

TEST(DisplayOptions, TheCommandLineOverridesTheEnvironmentAndUnknownWordsAreRefused) {
    struct Case {
        std::vector<const char*> args;
        const char* env;
        bool ok;
        PresentPath path;
        bool window;
    };
    const Case cases[] = {
        {{"game"}, nullptr, true, PresentPath::Auto, false},
        {{"game", "--window"}, "cpu", true, PresentPath::Cpu, true},
        {{"game", "--present=gpu"}, "cpu", true, PresentPath::Gpu, false},
        {{"game", "--present=auto"}, "", true, PresentPath::Auto, false},
        {{"game"}, "gpu", true, PresentPath::Gpu, false},
        {{"game"}, "opengl", false, PresentPath::Auto, false},
        {{"game", "--present=fast"}, nullptr, false, PresentPath::Auto, false},
        {{"game", "--windowed"}, nullptr, false, PresentPath::Auto, false},
    };
    for (const Case& c : cases) {
        DisplayOptions options;
        std::string error;
        const bool ok = parseDisplayOptions(static_cast<int>(c.args.size()), c.args.data(), c.env,
                                            options, error);
        EXPECT_EQ(ok, c.ok) << c.args.back();
        EXPECT_EQ(error.empty(), c.ok) << c.args.back();
        if (ok) {
            EXPECT_EQ(options.present, c.path) << c.args.back();
            EXPECT_EQ(options.startInWindow, c.window) << c.args.back();
        }
    }
}

TEST(DisplayOptions, MesasRasterisersOnTheCpuAreKnownByName) {
    for (const char* soft : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast",
                             "Software Rasterizer"}) {
        EXPECT_TRUE(isSoftwareRendererName(soft)) << soft;
    }
    for (const char* gpu :
         {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)",
          "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1060"}) {
        EXPECT_FALSE(isSoftwareRendererName(gpu)) << gpu;
    }
}

} // namespace
} // namespace game
