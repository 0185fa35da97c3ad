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

struct Clip {
    int x, y, width, height;
};

struct CopyCase {
    const char* name;
    int width, height;       // of the picture
    std::vector<Clip> clips; // set in this order before the copy
    int x, y;                // where it is drawn
    int firstX, firstY;      // the screen pixel of the top left corner shown
    int column, row;         // the picture pixel shown there
    int shownWidth, shownHeight;
};

class SpriteCopy : public ::testing::TestWithParam<CopyCase> {
protected:
    void SetUp() override { test::openTestScreen(); }
    void TearDown() override { test::closeTestScreen(); }
    static void clearScreen() {
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
    }
};

TEST_P(SpriteCopy, ShowsExactlyThePicturePixelsInsideTheScreenAndTheClip) {
    const CopyCase& c = GetParam();
    const test::Bytes bmp = test::makeBmp(c.width, c.height, place);
    ASSERT_NE(spriteFromMemory(50, bmp.data(), bmp.size(), 0, ""), 0);
    for (const Clip& clip : c.clips) {
        clipSprite(50, clip.x, clip.y, clip.width, clip.height);
    }
    for (const bool keyed : {false, true}) {
        std::vector<std::uint32_t> want(640 * 480, kBackground);
        for (int y = 0; y < c.shownHeight; ++y) {
            for (int x = 0; x < c.shownWidth; ++x) {
                want[static_cast<std::size_t>((c.firstY + y) * 640 + c.firstX + x)] =
                    place(c.column + x, c.row + y);
            }
        }
        clearScreen();
        (keyed ? drawSpriteKeyed : drawSprite)(50, c.x, c.y);
        EXPECT_EQ(display.backBuffer.pixels, want) << (keyed ? "keyed" : "opaque");
    }
}

// A clip of one frame of a strip, then -1: the whole picture again.
const std::vector<Clip> kClipThenWhole = {{22, 3, 11, 5}, {-1, 0, 0, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, SpriteCopy,
    ::testing::Values(
        CopyCase{"WhollyOnScreen", 30, 20, {}, 100, 50, 100, 50, 0, 0, 30, 20},
        CopyCase{"CutAtTheLeft", 30, 12, {}, -5, 100, 0, 100, 5, 0, 25, 12},
        CopyCase{"CutAtTheRight", 30, 12, {}, 630, 100, 630, 100, 0, 0, 10, 12},
        CopyCase{"CutAtTheTop", 4, 12, {}, 10, -3, 10, 0, 0, 3, 4, 9},
        CopyCase{"CutAtTheBottom", 4, 12, {}, 20, 470, 20, 470, 0, 0, 4, 10},
        CopyCase{"JustOffTheLeft", 30, 12, {}, -30, 0, 0, 0, 0, 0, 0, 0},
        CopyCase{"JustOffTheBottom", 30, 12, {}, 0, 480, 0, 0, 0, 0, 0, 0},
        CopyCase{"FarOff", 30, 12, {}, -5000, 9000, 0, 0, 0, 0, 0, 0},
        CopyCase{"OneFrameOfAStrip", 66, 12, {{22, 0, 11, 12}}, 200, 100, 200, 100, 22, 0, 11, 12},
        CopyCase{"ClipPastThePicture", 66, 12, {{60, 0, 11, 12}}, 200, 100, 200, 100, 60, 0, 6, 12},
        CopyCase{"ClipAndLeftEdge", 66, 12, {{22, 0, 11, 12}}, -4, 100, 0, 100, 26, 0, 7, 12},
        CopyCase{"MinusOneShowsItAll", 66, 12, kClipThenWhole, 200, 100, 200, 100, 0, 0, 66, 12},
        // A clip whose origin lies outside the picture asks for pixels that do not exist: the
        // copy is refused as a whole, as the blitter refuses it.
        CopyCase{"ClipLeftOfThePicture", 66, 12, {{-5, 0, 10, 12}}, 100, 100, 0, 0, 0, 0, 0, 0},
        CopyCase{"ClipAboveThePicture", 66, 12, {{0, -3, 10, 12}}, 100, 100, 0, 0, 0, 0, 0, 0},
        CopyCase{"ClipRightOfThePicture", 66, 12, {{70, 0, 11, 12}}, 100, 100, 0, 0, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<CopyCase>& p) { return std::string(p.param.name); });

class SpriteDraw : public SpriteCopy {};

TEST_F(SpriteDraw, NothingIsDrawnFromAnEmptySlotABadNumberOrAnInactiveDisplay) {
    const test::Bytes bmp = test::makeBmp(30, 12, place);
    ASSERT_NE(spriteFromMemory(1, bmp.data(), bmp.size(), 0, ""), 0);
    clearScreen();
    for (const std::int32_t number : {7, 5000, -1}) {
        drawSprite(number, 10, 10);
        drawSpriteKeyed(number, 10, 10);
    }
    display.displayActive = 0;
    drawSprite(1, 10, 10);
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(display.backBuffer.pixels, std::vector<std::uint32_t>(640 * 480, kBackground));
}

TEST_F(SpriteDraw, AKeyedCopySkipsExactlyThePixelsOfTheKeyComparingOnlyColourBits) {
    // Magenta, two colours one step beside it, and black.
    const std::uint32_t colours[4] = {0xFF00FF, 0xFE00FF, 0xFF00FE, 0};
    const test::Bytes bmp = test::makeBmp(4, 1, [&](int x, int) { return colours[x]; });
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(spriteFromMemory(1, bmp.data(), bmp.size(), 0, ""), 0);
    clearScreen();
    drawSpriteKeyed(1, 10, 10);
    const std::uint32_t* row = display.backBuffer.row(10) + 10;
    EXPECT_EQ(std::vector<std::uint32_t>(row, row + 4),
              (std::vector<std::uint32_t>{kBackground, 0xFE00FF, 0xFF00FE, 0}));
    display.sprites[1].colorKey = 0xCD000000u;           // black, with bits above the colour
    display.sprites[1].surface->row(0)[3] = 0xAB000000u; // a black pixel with other such bits
    drawSpriteKeyed(1, 20, 10);
    EXPECT_EQ(display.backBuffer.row(10)[23], kBackground);
    drawSprite(1, 10, 10);
    EXPECT_EQ(row[0], 0xFF00FFu);
}

} // namespace
} // namespace game
