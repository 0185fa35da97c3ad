#include "rules/menu.hpp"

#include "rules/board.hpp"
#include "shell/catalogue.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

using test::newSounds;
using test::pass;

// Where the mouse meets a rested tab: its 10 visible pixel columns.
ScreenPoint tabPoint(std::int32_t index) {
    return {5, state.menu[static_cast<std::size_t>(index)].y + 20};
}

class Menu : public ::testing::Test {
protected:
    void SetUp() override { test::prepareGame(); }

    static int passesUntil(bool (*done)()) {
        int passes = 0;
        while (!done() && passes < 1000) {
            pass();
            ++passes;
        }
        return passes;
    }
};

TEST_F(Menu, TabSlidesOutInFourteenPassesAndBackInFortyFive) {
    test::pointAt(tabPoint(3));
    EXPECT_EQ(passesUntil([] { return state.menu[3].x == 0; }), 14);
    test::pointAt({320, 240});
    EXPECT_EQ(passesUntil([] { return state.menu[3].x == kTabRested; }), 45);
}

TEST_F(Menu, OpeningSoundPlaysOnceAndAgainForTheNextTab) {
    test::pointAt(tabPoint(3));
    for (int i = 0; i < 3; ++i) {
        pass(); // still sliding out
    }
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{sound::kMenuOpen});
    test::pointAt(tabPoint(4)); // straight on to the next tab
    test::runFor(300);
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{sound::kMenuOpen});
}

TEST_F(Menu, PageSlidesInInTwelvePassesAndAClickOnItClosesIt) {
    test::clickAt(tabPoint(1));
    ASSERT_EQ(state.overlayPage, page::kHighScores);
    EXPECT_EQ(state.overlayX, kOverlayHidden); // the click does not close it in its own pass
    EXPECT_EQ(passesUntil([] { return state.overlayX == kOverlayShown; }), 12);
    newSounds();
    cellAt(4, 4).color = 1;
    state.selectedCol = 4;
    state.selectedRow = 4;
    test::clickAt({360, 300});
    EXPECT_EQ(state.overlayPage, page::kNone);
    EXPECT_EQ(state.selectedCol, 4); // the click went to the page only
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{sound::kMenuSelect});
    EXPECT_EQ(passesUntil([] { return state.overlayX == kOverlayHidden; }), 12);
}

TEST_F(Menu, ClickBesideTheOpenPageLeavesItOpen) {
    test::clickAt(tabPoint(5));
    test::runFor(200);
    test::clickAt({600, 100});
    EXPECT_EQ(state.overlayPage, page::kHelp);
    test::clickAt(tabPoint(6)); // another page's tab replaces it
    EXPECT_EQ(state.overlayPage, page::kCredits);
}

TEST_F(Menu, GameTabStartsAndEndsAGameKeepingTheBoard) {
    test::clickAt(tabPoint(0));
    ASSERT_EQ(state.gameRunning, 1);
    const int balls = test::ballCount();
    state.undoableMoves = 1;
    test::clickAt(tabPoint(0));
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(test::ballCount(), balls);
    EXPECT_EQ(state.undoableMoves, 1);
    EXPECT_EQ(state.nameEntryActive, 0);
}

TEST_F(Menu, DifficultyCyclesForwardsAndBackwardsOnlyBetweenGames) {
    std::vector<std::int32_t> seen;
    for (int i = 0; i < 4; ++i) {
        test::clickAt(tabPoint(2));
        seen.push_back(state.difficulty);
    }
    EXPECT_EQ(seen, (std::vector<std::int32_t>{3, 4, 1, 2}));
    test::clickAt(tabPoint(2), 1);
    EXPECT_EQ(state.difficulty, 1);
    test::clickAt(tabPoint(2), 1);
    EXPECT_EQ(state.difficulty, 4);
    test::clickAt(tabPoint(0)); // a game runs now
    newSounds();
    test::clickAt(tabPoint(2));
    test::clickAt(tabPoint(2), 1);
    EXPECT_EQ(state.difficulty, 4);
    const std::vector<std::int32_t> sounds = newSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), sound::kNoWay), 2);
}

TEST_F(Menu, SwitchingTheSoundOffIsHeardAndOnIsNot) {
    test::clickAt(tabPoint(3));
    EXPECT_EQ(state.soundOn, 0);
    // The click, then the tab starting to slide out, both before the switch.
    EXPECT_EQ(newSounds(), (std::vector<std::int32_t>{sound::kMenuSelect, sound::kMenuOpen}));
    test::clickAt(tabPoint(3));
    EXPECT_EQ(state.soundOn, 1);
    EXPECT_TRUE(newSounds().empty());
}

TEST_F(Menu, SnowSwitchedBackOnComesInFromAboveTheScreen) {
    test::clickAt(tabPoint(4));
    ASSERT_EQ(state.snowOn, 0);
    test::runFor(20000); // every flake falls out and is parked
    for (const Snowflake& flake : state.snow) {
        ASSERT_EQ(flake.y, 500.0f);
    }
    test::clickAt(tabPoint(4));
    EXPECT_EQ(state.snowOn, 1);
    for (const Snowflake& flake : state.snow) {
        EXPECT_LE(flake.y, 1.8f);
        EXPECT_GE(flake.y, -200.0f);
    }
}

TEST_F(Menu, EndTabEndsTheProgramAsEscapeWould) {
    test::pointAt(tabPoint(7));
    test::runFor(100);
    const std::uint32_t slept = fake::dev.sleptMs;
    const std::int32_t bob = state.bobAngle;
    fake::pressButton(0);
    EXPECT_FALSE(pass());
    EXPECT_EQ(state.quitRequested, 1);
    EXPECT_EQ(fake::dev.sleptMs, slept); // no sleep and no frame after the update
    EXPECT_EQ(state.bobAngle, bob);
}

} // namespace
} // namespace game
