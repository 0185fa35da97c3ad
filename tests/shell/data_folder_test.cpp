// The game finds its data from its own folder, in a build folder and in an installed prefix, and
// will not start without its font.

#include "record/game_state.hpp"
#include "shell/data_folder.hpp"
#include "shell/score_file.hpp"

#include "shell/startup.hpp"
#include "support/fake_device.hpp"
#include "support/game_font.hpp"
#include "support/replay_script.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace game {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, IsFoundBesideTheProgramFirstThenInTheInstalledShareFolder) {
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

// An installed copy's folder belongs to the system even where it can be written (as root): the
// score file goes to the player's own folder and one in the program's folder is not read.
TEST(DataFolder, AnInstalledCopyKeepsItsScoresInThePlayersOwnFolder) {
    test::TempFolder own;
    test::TempFolder program; // the current folder, writable
    fake::reset(0);
    fake::dev.preferenceFolder = own.path().string() + "/";
    resetGameState();
    state.installedCopy = 1;
    std::ofstream("flockvel.txt") << "old";
    loadScoreFile();
    saveScoreFile();
    EXPECT_TRUE(fs::exists(own.path() / "flockvel.txt"));
    EXPECT_EQ(fs::file_size("flockvel.txt"), 3u);
}

TEST(DataFolder, WithoutItsFontTheGameEndsBeforeAnyWindowWithCode1) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / "data");
    fake::reset(test::kStartTick);
    fake::dev.closeRequested = true; // a game that started anyway ends at once
    EXPECT_EQ(startUp(), 1);
    EXPECT_FALSE(fake::dev.windowOpen);
    EXPECT_FALSE(fake::dev.videoStarted);
    EXPECT_FALSE(fs::exists("flockvel.txt"));
    ASSERT_TRUE(openFont(test::builtFontFile().string())); // for the tests after this one
}

} // namespace
} // namespace game
