// Sprites copied onto the back buffer: clipping at the edges, the clip of a sprite, the key.

#include "view/sprite_draw.hpp"

#include "media/display.hpp"
#include "media/sprites.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

constexpr std::uint32_t kBackground = 0x00102030;

// Every pixel of a test sprite names its own column and row (both counted from 1, so no pixel is
// black and none equals the background).
std::uint32_t place(int x, int y) {
    return static_cast<std::uint32_t>(x + 1) | static_cast<std::uint32_t>(y + 1) << 8 | 0x800000u;
}

int columnOf(std::uint32_t pixel) {
    return static_cast<int>(pixel & 0xFF) - 1;
}

class SpriteDraw : public ::testing::Test {
protected:
    void SetUp() override {
        test::openTestScreen();
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
    }
    void TearDown() override { test::closeTestScreen(); }

    static void loadPicture(std::int32_t number, int width, int height) {
        const test::Bytes bmp = test::makeBmp(width, height, place);
        ASSERT_NE(spriteFromMemory(number, bmp.data(), bmp.size(), 0, ""), 0);
    }
    static std::uint32_t at(int x, int y) { return display.backBuffer.row(y)[x]; }
    static int untouched() {
        return static_cast<int>(std::count(display.backBuffer.pixels.begin(),
                                           display.backBuffer.pixels.end(), kBackground));
    }
    // The sprite columns shown along screen row y, from screen column x0 on, until the background
    // starts again.
    static std::vector<int> columnsShown(int y, int x0) {
        std::vector<int> columns;
        for (int x = x0; x < 640 && at(x, y) != kBackground; ++x) {
            columns.push_back(columnOf(at(x, y)));
        }
        return columns;
    }
    static std::vector<int> range(int first, int last) {
        std::vector<int> r;
        for (int i = first; i <= last; ++i) {
            r.push_back(i);
        }
        return r;
    }
};

TEST_F(SpriteDraw, ASpriteWhollyOnScreenIsCopiedPixelForPixel) {
    loadPicture(1, 30, 20);
    drawSprite(1, 100, 50);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(at(100 + x, 50 + y), place(x, y));
        }
    }
    EXPECT_EQ(untouched(), 640 * 480 - 30 * 20);
}

TEST_F(SpriteDraw, AtXMinus5TheColumns5To29ShowFromTheLeftEdge) {
    loadPicture(1, 30, 12);
    drawSprite(1, -5, 100);
    EXPECT_EQ(columnsShown(100, 0), range(5, 29));
    EXPECT_EQ(at(0, 100), place(5, 0));
    EXPECT_EQ(untouched(), 640 * 480 - 25 * 12);
}

TEST_F(SpriteDraw, AtX630TheColumns0To9ShowUpToTheRightEdge) {
    loadPicture(1, 30, 12);
    drawSprite(1, 630, 100);
    EXPECT_EQ(columnsShown(100, 630), range(0, 9));
    EXPECT_EQ(untouched(), 640 * 480 - 10 * 12);
}

TEST_F(SpriteDraw, RowsAreCutAtTheTopAndBottomEdgesLikeColumns) {
    loadPicture(1, 4, 12);
    drawSprite(1, 10, -3);
    EXPECT_EQ(at(10, 0), place(0, 3));
    drawSprite(1, 20, 470);
    EXPECT_EQ(at(20, 479), place(0, 9));
    EXPECT_EQ(untouched(), 640 * 480 - 4 * 9 - 4 * 10);
}

TEST_F(SpriteDraw, ASpriteWhollyOffScreenDrawsNothing) {
    loadPicture(1, 30, 12);
    for (const auto& [x, y] : {std::pair{-30, 0}, {640, 0}, {0, -12}, {0, 480}, {-5000, 9000}}) {
        drawSprite(1, x, y);
        drawSpriteKeyed(1, x, y);
    }
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(SpriteDraw, AClipShowsOnlyItsColumnsOfTheStrip) {
    loadPicture(50, 66, 12);
    clipSprite(50, 22, 0, 11, 12);
    drawSprite(50, 200, 100);
    EXPECT_EQ(columnsShown(100, 200), range(22, 32));
    EXPECT_EQ(untouched(), 640 * 480 - 11 * 12);
}

TEST_F(SpriteDraw, AClipReachingPastThePictureIsCutToIt) {
    loadPicture(50, 66, 12);
    clipSprite(50, 60, 0, 11, 12);
    EXPECT_EQ(display.sprites[50].displayWidth, 6);
    drawSprite(50, 200, 100);
    EXPECT_EQ(columnsShown(100, 200), range(60, 65));
}

TEST_F(SpriteDraw, AClipWithXMinus1ShowsTheWholePictureAgain) {
    loadPicture(50, 66, 12);
    clipSprite(50, 22, 3, 11, 5);
    clipSprite(50, -1, 0, 0, 0);
    const SpriteSlot& slot = display.sprites[50];
    EXPECT_EQ(slot.clipX, 0);
    EXPECT_EQ(slot.clipY, 0);
    EXPECT_EQ(slot.displayWidth, 66);
    EXPECT_EQ(slot.displayHeight, 12);
    drawSprite(50, 200, 100);
    EXPECT_EQ(columnsShown(100, 200), range(0, 65));
}

TEST_F(SpriteDraw, AClippedSpriteCutAtTheLeftEdgeStartsInsideItsClip) {
    loadPicture(50, 66, 12);
    clipSprite(50, 22, 0, 11, 12);
    drawSprite(50, -4, 100);
    EXPECT_EQ(columnsShown(100, 0), range(26, 32));
}

// A clip whose origin lies outside the picture asks for pixels that do not exist: the copy is
// refused as a whole, as the blitter refuses such a rectangle.
TEST_F(SpriteDraw, AClipOutsideThePictureDrawsNothing) {
    loadPicture(50, 66, 12);
    clipSprite(50, -5, 0, 10, 12);
    drawSprite(50, 100, 100);
    clipSprite(50, 0, -3, 10, 12);
    drawSpriteKeyed(50, 100, 100);
    clipSprite(50, 70, 0, 11, 12);
    drawSprite(50, 100, 100);
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(SpriteDraw, NothingIsDrawnWhileTheDisplayIsInactive) {
    loadPicture(1, 30, 12);
    display.displayActive = 0;
    drawSprite(1, 10, 10);
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(SpriteDraw, AnEmptySlotOrANumberBeyondTheTableDrawsNothing) {
    drawSprite(7, 10, 10);
    drawSpriteKeyed(7, 10, 10);
    drawSprite(5000, 10, 10);
    drawSprite(-1, 10, 10);
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(SpriteDraw, AKeyedCopySkipsExactlyThePixelsOfTheKey) {
    // Magenta, and two colours one step beside it.
    const std::uint32_t colours[3] = {0xFF00FF, 0xFE00FF, 0xFF00FE};
    const test::Bytes bmp = test::makeBmp(3, 1, [&](int x, int) { return colours[x]; });
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(spriteFromMemory(1, bmp.data(), bmp.size(), 0, ""), 0);
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(at(10, 10), kBackground);
    EXPECT_EQ(at(11, 10), 0xFE00FFu);
    EXPECT_EQ(at(12, 10), 0xFF00FEu);
    drawSprite(1, 10, 10);
    EXPECT_EQ(at(10, 10), 0xFF00FFu);
}

TEST_F(SpriteDraw, AKeyedCopyComparesOnlyTheColourBits) {
    const test::Bytes bmp = test::makeBmp(2, 1, [](int x, int) { return x == 0 ? 0u : 0x123456u; });
    ASSERT_NE(spriteFromMemory(1, bmp.data(), bmp.size(), 0, ""), 0);
    display.sprites[1].colorKey = 0xAB000000u; // black, with bits above the colour
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(at(10, 10), kBackground);
    EXPECT_EQ(at(11, 10), 0x123456u);
}

} // namespace
} // namespace game
