// Start-up: the game finds its data beside the program or in an installed prefix, will not start
// without its font, and reads the settings before it builds the snow that depends on them.

#include "shell/startup.hpp"

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "shell/data_folder.hpp"
#include "shell/score_file.hpp"
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

TEST(StartUp, ReadsTheSettingsBeforeBuildingTheSnow) {
    test::TempFolder folder;
    fake::reset(test::kStartTick);
    fs::create_directory_symlink(ZV_DATA_DIR, "data"); // it does not start without
    resetGameState();
    setDefaultScoresAndSettings();
    state.snowOn = 0;
    state.difficulty = 3;
    saveScoreFile();
    int passes = 0;
    fake::dev.onSleep = [&] { // after the first pass: Escape
        if (passes++ == 0) {
            EXPECT_EQ(state.difficulty, 3);
            for (const Snowflake& flake : state.snow) {
                EXPECT_GT(flake.y, 480.0f); // snow off: parked below the screen
            }
        }
        fake::pressKey(key::kEscape);
        if (passes == test::kPassLimit) {
            ADD_FAILURE() << "Escape did not end the game";
            fake::dev.closeRequested = true;
        }
    };
    EXPECT_EQ(startUp(), 0);
    fake::dev.onSleep = nullptr;
    EXPECT_GT(passes, 0);
}

} // namespace
} // namespace game
