// Where the frame puts things: every picture is a small solid block of its own colour, so a
// pixel tells which picture lies on top there.

#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "media/sprites.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "shell/catalogue.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "view/menu_view.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

constexpr std::uint32_t kBackgroundColor = 0x101010;

std::uint32_t colorOfSprite(SpriteId id) {
    return 0x200000u + static_cast<std::uint32_t>(id);
}

void loadBlock(SpriteId id, int width, int height, std::uint32_t color) {
    const test::Bytes bmp = test::makeBmp(width, height, [color](int, int) { return color; });
    ASSERT_NE(spriteFromMemory(id, bmp.data(), bmp.size(), kSpriteModeDefault, "block.bmp"), 0);
}

class FrameDrawing : public ::testing::Test {
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
        loadBlock(sprite::kBackground, 640, 480, kBackgroundColor);
        for (std::int32_t color = 1; color <= 7; ++color) {
            loadBlock(ballSprite(color), 20, 20, colorOfSprite(ballSprite(color)));
        }
        loadBlock(sprite::kUndo, 20, 20, colorOfSprite(sprite::kUndo));
        seedRandom(3);
    }
    void TearDown() override { test::closeTestScreen(); }

    static std::uint32_t pixel(int x, int y) {
        return display.backBuffer.pixels[static_cast<std::size_t>(y * 640 + x)] & 0xFFFFFFu;
    }
};

TEST_F(FrameDrawing, PreviewShowsTheNextDropGrowingLeftwardsFrom605) {
    state.gameRunning = 1;
    state.difficulty = 4;
    state.nextColors = {1, 2, 3, 4, 5, 0, 0};
    renderFrame();
    for (int k = 0; k <= 4; ++k) {
        EXPECT_EQ(pixel(605 - 35 * k + 10, 70), colorOfSprite(ballSprite(k + 1))) << k;
    }
    EXPECT_EQ(pixel(605 - 35 * 5 + 10, 70), kBackgroundColor);
}

TEST_F(FrameDrawing, PreviewIsHiddenWithoutARunningGame) {
    state.gameRunning = 0;
    state.nextColors = {1, 2, 3, 4, 5, 0, 0};
    renderFrame();
    EXPECT_EQ(pixel(615, 70), kBackgroundColor);
}

TEST_F(FrameDrawing, UndoButtonShowsOnlyWhileAMoveCanBeTakenBack) {
    renderFrame();
    EXPECT_EQ(pixel(590, 450), kBackgroundColor);
    state.undoableMoves = 1;
    renderFrame();
    EXPECT_EQ(pixel(590, 450), colorOfSprite(sprite::kUndo));
}

TEST_F(FrameDrawing, BallsStandAboveTheirSquaresAndRiseWithTheirHeight) {
    cellAt(4, 4).color = 2;
    const ScreenPoint o = squareOrigin(4, 4); // ball anchor (x + 15, y - 12)
    renderFrame();
    EXPECT_EQ(pixel(o.x + 15, o.y - 12), colorOfSprite(ballSprite(2)));
    EXPECT_EQ(pixel(o.x + 15, o.y - 13), kBackgroundColor);
    cellAt(4, 4).height = 100.0f;
    cellAt(4, 4).fallSpeed = 20.0f;
    renderFrame();
    EXPECT_EQ(pixel(o.x + 15, o.y - 112), colorOfSprite(ballSprite(2)));
    EXPECT_EQ(pixel(o.x + 15, o.y - 12 + 19), kBackgroundColor);
}

TEST_F(FrameDrawing, StateTextsFollowTheSettings) {
    state.gameRunning = 0;
    EXPECT_EQ(menuStateText(0), "    Neues Spiel");
    state.gameRunning = 1;
    EXPECT_EQ(menuStateText(0), "Spiel beenden");
    const char* const levels[] = {"   Einfach", "      Mittel", "   Schwer", "Grausam"};
    for (int level = 1; level <= 4; ++level) {
        state.difficulty = level;
        EXPECT_EQ(menuStateText(2), levels[level - 1]);
    }
    state.difficulty = 9;
    EXPECT_EQ(menuStateText(2), "");
    state.soundOn = 0;
    state.snowOn = 1;
    EXPECT_EQ(menuStateText(3), "aus");
    EXPECT_EQ(menuStateText(4), "an");
    EXPECT_EQ(menuStateText(1), "");
}

TEST_F(FrameDrawing, CaptionAppearsOnceTheTabHasSlidTwentyPixelsOut) {
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
