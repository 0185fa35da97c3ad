// Start-up: the game finds its data beside the program or in an installed prefix, will not start
// without its font.

#include "shell/startup.hpp"

#include "record/game_state.hpp"
#include "shell/data_folder.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "support/game_font.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

namespace fs = std::filesystem;

TEST(StartUp, FindsTheDataBesideTheProgramFirstThenInTheInstalledShareFolder) {
    struct Case {
        const char* name;
        std::vector<const char*> folders; // made under the prefix
        const char* expected;             // from the program folder prefix/bin/
    };
    const Case cases[] = {
        {"build folder", {"bin/data"}, "data/"},
        {"installed", {"share/zuravozidizuvav"}, "../share/zuravozidizuvav/"},
        {"both", {"bin/data", "share/zuravozidizuvav"}, "data/"},
        {"neither", {"share/other"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder prefix;
        fs::create_directory(prefix.path() / "bin");
        for (const char* folder : c.folders) {
            fs::create_directories(prefix.path() / folder);
        }
        const Text program = (prefix.path() / "bin").string() + "/";
        const Text found = findDataFolder(program);
        EXPECT_EQ(found, c.expected ? program + c.expected : Text{});
        EXPECT_EQ(installedDataFolder(found), c.folders.size() == 1 && c.expected != nullptr &&
                                                  Text(c.expected).starts_with("../"));
    }
}

TEST(StartUp, WithoutItsFontTheGameEndsBeforeAnyWindowWithCode1) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / "data");
    fake::reset(test::kStartTick);
    fake::dev.closeRequested = true; // a game that started anyway ends at once
    testing::internal::CaptureStderr();
    EXPECT_EQ(startUp(), 1);
    EXPECT_TRUE(
        testing::internal::GetCapturedStderr().starts_with("zuravozidizuvav: font missing"));
    EXPECT_FALSE(fake::dev.windowOpen);
    EXPECT_FALSE(fake::dev.videoStarted);
    EXPECT_FALSE(fs::exists("flockvel.txt"));
    ASSERT_TRUE(openFont(test::builtFontFile().string())); // for the tests after this one
}

} // namespace
} // namespace game
