// The player's display choices from the command line and ZV_PRESENT, and telling a GL that runs
// on the CPU by its name.

#include "media/display_options.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

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
