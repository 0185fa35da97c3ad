// The moving parts (faces, the hop of the balls, snow) and the frame that draws them. In the
// frame every picture is a small solid block of its own colour, so a pixel tells which picture
// lies on top there.

#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "media/sprites.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/ball_height.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "rules/snow.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "view/faces.hpp"
#include "view/menu_view.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace game {
namespace {

// Whether the generator stands exactly `draws` draws after seed.
bool drewExactly(std::uint32_t seed, int draws) {
    const std::int32_t next = random(1000000);
    seedRandom(seed);
    for (int i = 0; i < draws; ++i) {
        random(0);
    }
    return random(1000000) == next;
}

// Every trial draws, even while an expression runs (four trials, six with the noisy ones); the
// first that succeeds wins, and a noisy one is heard while the sound is on.
TEST(Faces, EveryTrialDrawsAndTheFirstThatSucceedsWins) {
    struct Case {
        std::int32_t noisy, soundOn, expression;
        std::uint32_t lastsMs;
        std::int32_t sound; // the one sound heard, -1 none
    };
    for (const Case& c :
         {Case{0, 1, expression::kBlink, 333, -1}, Case{1, 1, expression::kBurp, 500, sound::kBurp},
          Case{1, 0, expression::kBurp, 500, -1}}) {
        test::prepareGame();
        state.noisyFacesOn = c.noisy;
        state.soundOn = c.soundOn;
        seedRandom(5);
        Cell cell{};
        cell.expression = expression::kLookUp;
        startExpressions(cell);
        EXPECT_TRUE(drewExactly(5, c.noisy == 1 ? 6 : 4)) << c.noisy;
        clearRandom(); // every draw is 0, so every trial succeeds
        cell.expression = expression::kNone;
        startExpressions(cell);
        EXPECT_EQ(cell.expression, c.expression);
        EXPECT_EQ(cell.expressionUntil, fake::dev.tick + c.lastsMs);
        EXPECT_EQ(fake::dev.played.size(), c.sound < 0 ? 0u : 1u);
        EXPECT_TRUE(fake::dev.played.empty() || fake::dev.played[0].channel == c.sound);
    }
}

TEST(Faces, ABlinkStartsWithAChanceOfTwoIn2501) {
    test::prepareGame();
    int blinks = 0;
    for (int i = 0; i < 250100; ++i) {
        Cell cell{};
        startExpressions(cell);
        blinks += cell.expression == expression::kBlink ? 1 : 0;
    }
    EXPECT_NEAR(blinks, 200, 50); // three in 2501 would give 300
}

TEST(Faces, ExpressionEndsOnceTheClockIsPastItsEndOrJumpedFarBeyond) {
    const std::uint32_t end = 0xFFFFFFF0u + 4000; // across the wrap
    // Weeks later an end looks like the past's future.
    for (const auto& [now, ends] :
         {std::pair{end, false}, std::pair{end + 1, true}, std::pair{end + (3u << 30), true}}) {
        Cell cell{};
        cell.expression = expression::kLookUp;
        cell.expressionUntil = end;
        expireExpression(cell, now);
        EXPECT_EQ(cell.expression == expression::kNone, ends) << now;
    }
}

TEST(Faces, ForcedFacesEndARunningExpressionForGood) {
    Cell cell{};
    cell.color = 1;
    cell.expression = expression::kBlink;
    EXPECT_EQ(chooseFace(cell, false), face::kFirstExpression + 2);
    EXPECT_EQ(chooseFace(cell, true), face::kAfraid);
    EXPECT_EQ(chooseFace(cell, false), face::kSmile);
    cell.expression = expression::kLookUp;
    cell.height = 4;
    EXPECT_EQ(chooseFace(cell, true), face::kAahhh); // in the air wins over afraid
    EXPECT_EQ(cell.expression, expression::kNone);
    cell.height = 0;
    cell.fallSpeed = -3;
    EXPECT_EQ(chooseFace(cell, false), face::kAahhh);
}

TEST(BallHeight, SelectedBallHopsWithoutPause) {
    resetGameState();
    state.selectedCol = 2;
    state.selectedRow = 3;
    std::vector<float> heights;
    for (int frame = 0; frame < 18; ++frame) {
        animateBallHeight(2, 3);
        heights.push_back(cellAt(2, 3).height);
    }
    EXPECT_EQ(heights, (std::vector<float>{4, 7.5f, 10.5f, 13, 15, 16.5f, 17.5f, 18, 18, 17.5f,
                                           16.5f, 15, 13, 10.5f, 7.5f, 4, 0, 4}));
}

TEST(Snow, WithSnowOffEveryFlakeWaitsBelowTheScreenUntilSwitchedOn) {
    resetGameState();
    seedRandom(3);
    const auto allAt = [](float y) {
        return std::all_of(state.snow.begin(), state.snow.end(),
                           [y](const Snowflake& f) { return f.y == y; });
    };
    initSnow();
    restartSnow(); // 490 is not below 490: a flake there stays parked
    EXPECT_TRUE(allAt(490.0f));
    moveSnow();
    moveSnow();
    ASSERT_TRUE(allAt(500.0f));
    state.snowOn = 1;
    restartSnow();
    for (const Snowflake& f : state.snow) {
        EXPECT_TRUE(f.y <= 0 && f.y >= -200 && f.x >= -100 && f.x <= 640) << f.x << "," << f.y;
    }
}

constexpr std::uint32_t colorOf(SpriteId id) {
    return 0x200000u + static_cast<std::uint32_t>(id);
}
constexpr std::uint32_t kBackgroundColor = colorOf(sprite::kBackground);

void loadBlock(SpriteId id, int width, int height) {
    const test::Bytes bmp = test::makeBmp(width, height, [id](int, int) { return colorOf(id); });
    ASSERT_NE(spriteFromMemory(id, bmp.data(), bmp.size(), kSpriteModeDefault, "block.bmp"), 0);
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        test::openTestScreen();
        buildMenu();
        state.overlayX = kOverlayHidden;
        state.hoverCol = state.hoverRow = -1;
        state.selectedCol = state.selectedRow = -1;
        state.mouseX = 639;
        state.mouseY = 479;
        state.difficulty = 2;
        loadBlock(sprite::kBackground, 640, 480);
        for (std::int32_t color = 1; color <= 7; ++color) {
            loadBlock(ballSprite(color), 20, 20);
        }
        for (std::int32_t face = 0; face < 9; ++face) {
            loadBlock(sprite::kFirstFace + face, 6, 6);
        }
        loadBlock(sprite::kUndo, 20, 20);
        seedRandom(11);
    }
    void TearDown() override { test::closeTestScreen(); }

    static std::uint32_t pixel(int x, int y) {
        return display.backBuffer.pixels[static_cast<std::size_t>(y * 640 + x)] & 0xFFFFFFu;
    }
};

TEST_F(Frame, BallsWearTheirFacesAboveTheirSquaresAndRiseWithTheirHeight) {
    cellAt(4, 4).color = 2;
    cellAt(4, 4).expression = expression::kBlink;
    const ScreenPoint o = squareOrigin(4, 4); // ball anchor (x + 15, y - 12)
    renderFrame();
    EXPECT_TRUE(drewExactly(11, 0)); // a quiet board draws no random numbers
    EXPECT_EQ(fake::dev.presents, 1);
    EXPECT_EQ(pixel(o.x + 15, o.y - 12), colorOf(sprite::kFirstFace + expression::kBlink + 2));
    EXPECT_EQ(pixel(o.x + 25, o.y - 2), colorOf(ballSprite(2)));
    EXPECT_EQ(pixel(o.x + 25, o.y - 13), kBackgroundColor);
    cellAt(4, 4).height = 100.0f;
    cellAt(4, 4).fallSpeed = 20.0f;
    renderFrame();
    EXPECT_EQ(pixel(o.x + 15, o.y - 112), colorOf(sprite::kFirstFace + face::kAahhh));
    EXPECT_EQ(pixel(o.x + 25, o.y - 102), colorOf(ballSprite(2)));
    EXPECT_EQ(pixel(o.x + 25, o.y - 12 + 19), kBackgroundColor);
}

TEST_F(Frame, BobAngleRunsFromTenToThreeHundredSixtyAndAround) {
    for (int frame = 1; frame <= 37; ++frame) {
        renderFrame();
        ASSERT_EQ(state.bobAngle, frame <= 36 ? frame * 10 : 10) << frame;
    }
}

TEST_F(Frame, PreviewAndUndoButtonShowOnlyWhileTheyMeanSomething) {
    state.nextColors = {1, 2, 3, 4, 5, 0, 0};
    state.difficulty = 4;
    renderFrame();
    EXPECT_EQ(pixel(615, 70), kBackgroundColor);
    EXPECT_EQ(pixel(590, 450), kBackgroundColor);
    state.gameRunning = 1;
    state.undoableMoves = 1;
    renderFrame();
    for (int k = 0; k <= 4; ++k) { // growing leftwards from 605
        EXPECT_EQ(pixel(605 - 35 * k + 10, 75), colorOf(ballSprite(k + 1))) << k;
    }
    EXPECT_EQ(pixel(605 - 35 * 5 + 10, 75), kBackgroundColor);
    EXPECT_EQ(pixel(590, 450), colorOf(sprite::kUndo));
}

TEST_F(Frame, TabCaptionsFollowTheSettingsOnceTheTabHasSlidTwentyPixelsOut) {
    state.gameRunning = 1;
    state.soundOn = 0;
    state.snowOn = 1;
    EXPECT_EQ(menuStateText(0) + menuStateText(3) + menuStateText(4), "Spiel beendenausan");
    // Tab 7 "Ende": its caption starts at x + 90, y + 11.
    MenuItem& tab = state.menu[7];
    auto captionDrawn = [&tab] {
        renderFrame();
        for (int y = tab.y + 11; y < tab.y + 27; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (pixel(x, y) != kBackgroundColor) {
                    return true;
                }
            }
        }
        return false;
    };
    tab.x = -115;
    EXPECT_FALSE(captionDrawn());
    tab.x = -114;
    EXPECT_TRUE(captionDrawn());
}

} // namespace
} // namespace game
