#include "shell/startup.hpp"

#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "shell/score_file.hpp"
#include "support/game_font.hpp"
#include "support/replay_script.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace game {
namespace {

namespace fs = std::filesystem;

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset(test::kStartTick);
        fs::create_directory_symlink(ZV_DATA_DIR, "data"); // it does not start without
    }
    void TearDown() override { fake::dev.onSleep = nullptr; }
    test::TempFolder folder;
};

TEST_F(StartUp, ReadsTheSettingsBeforeBuildingTheMenuAndTheSnow) {
    resetGameState();
    setDefaultScoresAndSettings();
    state.snowOn = 0;
    state.difficulty = 3;
    saveScoreFile();
    test::ReplayScript script;
    script.holdKey(50, key::kEscape);
    bool checked = false;
    script.attach([&](std::uint32_t) {
        if (checked) {
            return;
        }
        checked = true;
        EXPECT_EQ(state.difficulty, 3);
        EXPECT_EQ(state.menu[7].y, 430);
        EXPECT_EQ(state.menu[7].x, kTabRested);
        EXPECT_EQ(state.overlayX, kOverlayHidden);
        for (const Snowflake& flake : state.snow) {
            EXPECT_GT(flake.y, 480.0f); // snow off: parked below the screen
        }
    });
    EXPECT_EQ(startUp(), 0);
    EXPECT_TRUE(checked);
}

TEST_F(StartUp, EndTabWritesTheFileAsEscapeDoes) {
    test::ReplayScript script;
    script.click(100, {5, 450}); // "Ende"
    script.attach(nullptr);
    EXPECT_EQ(startUp(), 0);
    EXPECT_EQ(fs::file_size("flockvel.txt"), 193u);
}

TEST_F(StartUp, FailedStartWritesNothing) {
    fake::dev.windowOpenFails = true;
    EXPECT_EQ(startUp(), 1);
    EXPECT_FALSE(fs::exists("flockvel.txt"));
}

} // namespace
} // namespace game
