#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "support/scenario.hpp"

namespace game::test {
namespace {

class Menu : public ::testing::TestWithParam<Scenario> {};
TEST_P(Menu, Play) {
    runScenario(GetParam());
}

// Tab i rests at y = 40, 85, 155, 200, 245, 315, 360, 430; its visible edge is x 0..9.
INSTANTIATE_TEST_SUITE_P(
    Scenarios, Menu,
    ::testing::Values(
        Scenario{"a tab slides out in fourteen passes and back in forty-five",
                 "point 5,220; pass 13; tab3=-4; pass; tab3=0; point 320,240; pass 44; "
                 "tab3=-132; pass; tab3=-134"},
        Scenario{"a rested tab is pointed at over its ten visible columns, between its edges",
                 "point 10,60; pass; tab0=-134; point 5,80; pass; tab0=-134; point 5,40; pass; "
                 "tab0=-134; point 9,41; pass; tab0=-124; point 0,79; pass; tab0=-114"},
        Scenario{"the opening sound plays once per tab",
                 "point 5,220; pass 3; sounds=open; quiet; point 5,265; run 300; sounds=open"},
        Scenario{"a page slides in and a click on it closes it and nothing else",
                 "tab 1; page=1 overlayx=640; pass 11; overlayx=200; pass; overlayx=160; "
                 "put 4,4 r; let selcol=4 selrow=4; quiet; at 360,300; page=0 sel=4,4 "
                 "sounds=menu; pass 11; overlayx=600; pass; overlayx=640"},
        Scenario{"a click beside the page leaves it open; another tab replaces it",
                 "tab 5; run 200; at 600,100; page=2; tab 6; page=3"},
        Scenario{"the game tab starts a game and ends it keeping the board",
                 "tab 0; running=1; save; let moves=1; tab 0; running=0 board=saved moves=1 "
                 "entry=0"},
        Scenario{"the difficulty cycles both ways, only between games",
                 "tab 2; difficulty=3; tab 2; tab 2; difficulty=1; tab 2; difficulty=2; rtab 2; "
                 "difficulty=1; rtab 2; difficulty=4; tab 0; quiet; tab 2; rtab 2; difficulty=4 "
                 "noway=2"},
        Scenario{"switching the sound off is heard, on is not",
                 "tab 3; soundon=0 sounds=menu,open; quiet; tab 3; soundon=1 sounds="},
        Scenario{"the end tab ends the program", "tab 7; quit=1 ended=1"}),
    scenarioName);

TEST(MenuActions, SnowSwitchedBackOnComesInFromAboveTheScreen) {
    runScenario({"snow off", "tab 4; snowon=0"});
    runFor(20000); // every flake falls out and is parked below the screen
    ASSERT_TRUE(std::all_of(state.snow.begin(), state.snow.end(),
                            [](const Snowflake& f) { return f.y == 500.0f; }));
    clickAt({5, 265});
    EXPECT_EQ(state.snowOn, 1);
    EXPECT_TRUE(std::all_of(state.snow.begin(), state.snow.end(),
                            [](const Snowflake& f) { return f.y <= 1.8f && f.y >= -200.0f; }));
}

TEST(MenuActions, EndTabEndsThePassWithoutSleepOrFrame) {
    prepareGame();
    pointAt({5, 450});
    runFor(100);
    const std::uint32_t slept = fake::dev.sleptMs;
    const std::int32_t bob = state.bobAngle;
    fake::pressButton(0);
    EXPECT_FALSE(pass());
    EXPECT_EQ(fake::dev.sleptMs, slept);
    EXPECT_EQ(state.bobAngle, bob);
}

} // namespace
} // namespace game::test
