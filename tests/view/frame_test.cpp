// Where the frame puts things: every picture is a small solid block of its own colour, so a
// pixel tells which picture lies on top there.

#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "media/sprites.hpp"
#include "record/catalogue.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "view/faces.hpp"
#include "view/menu_view.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

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
    // Whether renderFrame drew exactly `draws` random numbers.
    static bool drewExactly(int draws) {
        const std::int32_t next = random(1000000);
        seedRandom(11);
        for (int i = 0; i < draws; ++i) {
            random(0);
        }
        return random(1000000) == next;
    }
};

TEST_F(Frame, BallsWearTheirFacesAboveTheirSquaresAndRiseWithTheirHeight) {
    cellAt(4, 4).color = 2;
    cellAt(4, 4).expression = expression::kBlink;
    const ScreenPoint o = squareOrigin(4, 4); // ball anchor (x + 15, y - 12)
    renderFrame();
    EXPECT_TRUE(drewExactly(0)); // a quiet board draws no random numbers
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

TEST_F(Frame, PointedBallTremblesWithTwoDrawsAndLosesItsExpressionUnlessSelected) {
    state.hoverCol = state.hoverRow = 3;
    renderFrame(); // an empty pointed square trembles too, unseen
    EXPECT_TRUE(drewExactly(2));
    cellAt(3, 3).color = 1;
    cellAt(3, 3).expression = expression::kBlink;
    state.selectedCol = state.selectedRow = 3;
    seedRandom(11);
    renderFrame();
    EXPECT_TRUE(drewExactly(0));
    EXPECT_EQ(cellAt(3, 3).expression, expression::kBlink);
    state.selectedCol = state.selectedRow = -1;
    renderFrame();
    EXPECT_EQ(cellAt(3, 3).expression, expression::kNone);
}

TEST_F(Frame, EveryShardPicksItsPictureAndTheBurstComesAfterTheFlip) {
    for (int i = 0; i < 3; ++i) {
        listInsert(state.shards)->color = 1;
    }
    cellAt(0, 0).color = 4;
    cellAt(0, 0).bursting = 1;
    renderFrame();
    EXPECT_TRUE(drewExactly(3 + 11 * 4)); // 3 pictures, then 11 new shards of 4 draws each
    EXPECT_EQ(fake::dev.presents, 1);
    EXPECT_EQ(cellAt(0, 0).color, 0);
    EXPECT_EQ(state.score, 5);
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
    const char* const levels[] = {"   Einfach", "      Mittel", "   Schwer", "Grausam"};
    for (int level = 1; level <= 4; ++level) {
        state.difficulty = level;
        EXPECT_EQ(menuStateText(2), levels[level - 1]);
    }
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
