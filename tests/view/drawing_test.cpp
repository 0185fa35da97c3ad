// Drawing on the back buffer: the drawing service (spans, texts and the current position, boxes,
// lines), the relief texts of the game built on it, and sprites copied onto it (clipping at the
// edges, the clip of a sprite, the key).

#include "media/display.hpp"
#include "media/font.hpp"
#include "media/sprites.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "view/game_text.hpp"
#include "view/sprite_draw.hpp"
#include "view/text_draw.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

constexpr std::uint32_t kBackground = 0x00406080;

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        test::openTestScreen();
        initDrawing();
        clearScreen();
    }
    void TearDown() override {
        stopDrawing();
        test::closeTestScreen();
    }

    // Written behind the drawing's back: nothing is known of what the tiles hold then.
    static void clearScreen() {
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
        resetDrawList(display.drawList, display.backBuffer.width, display.backBuffer.height);
    }
    static const PixelVector& shown() {
        settleBackBuffer();
        return display.backBuffer.pixels;
    }
    static std::uint32_t at(int x, int y) { return shown()[static_cast<std::size_t>(y * 640 + x)]; }
    static int untouched() {
        return static_cast<int>(std::count(shown().begin(), shown().end(), kBackground));
    }
    static void drawAll() {
        drawBox(10, 10, 20, 20, rgb(255, 0, 0));
        drawLine(0, 0, 100, 0, rgb(255, 0, 0));
        moveTextCursor(50, 50);
        drawText("Hallo");
    }
};

// Only a span on the free back buffer draws; what reaches off screen is cut at its edges.
TEST_F(Drawing, OnlyASpanOnTheFreeBackBufferDrawsAndOnlyOnScreen) {
    EXPECT_EQ(startDrawing(nullptr), 0);
    drawAll();
    ASSERT_EQ(startDrawing(screenOutput()), 1);
    EXPECT_EQ(screenOutput(), nullptr); // held for the span
    EXPECT_EQ(startDrawing(screenOutput()), 0);
    stopDrawing();
    stopDrawing();
    EXPECT_EQ(display.outputHeld, 0);
    drawAll(); // after the stop
    EXPECT_EQ(untouched(), 640 * 480);
    ASSERT_EQ(startDrawing(screenOutput()), 1);
    drawAll();
    EXPECT_LT(untouched(), 640 * 480 - 20 * 20);
    EXPECT_EQ(at(50, 50), 0xFFFFFFu); // an opaque text lies on its white background
    EXPECT_EQ(textCursorX(), 50 + textShape("Hallo").width); // it moves the position along
    EXPECT_EQ(textCursorY(), 50);
    setDrawingMode(kDrawTransparent);
    setFrontColor(1, 2, 3);
    drawLine(-100, 5, 1000, 0);
    drawLine(5, -2000000000, 0, 2100000000);
    drawBox(600, 470, 100, 100);
    moveTextCursor(-30, -8);
    drawText("Wichtelwerkstatt");
    moveTextCursor(620, 470);
    drawText("Wichtelwerkstatt");
    EXPECT_EQ(at(0, 5) & at(639, 5) & at(5, 479) & at(639, 479), 0x010203u);
}

// The shapes in the top left 32 x 5 pixels: '#' the front colour, '~' the background inverted,
// '.' untouched. The right and bottom edge of a box and the end of a line are left out.
TEST_F(Drawing, ShapesCoverTheirPixelsAndNoOthers) {
    startDrawing(screenOutput());
    setFrontColor(255, 255, 0);
    drawBox(1, 1, 5, 3);
    drawLine(16, 0, 5, 0);
    drawLine(23, 0, 0, 3);
    drawLine(20, 4, -3, 0);
    drawLine(24, 1, 4, 2); // the other axis rounded
    setDrawingMode(kDrawHollow);
    drawBox(9, 0, 5, 4);
    setDrawingMode(kDrawInvert);
    drawLine(0, 4, 3, 0);
    const char* const picture[5] = {
        ".........#####..#####..#........", ".#####...#...#.........##.......",
        ".#####...#...#.........#.##.....", ".#####...#####.............#....",
        "~~~...............###..........."};
    int covered = 0;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char want = picture[y][x];
            const std::uint32_t pixel = want == '#'   ? 0xFFFF00u
                                        : want == '~' ? kBackground ^ 0xFFFFFFu
                                                      : kBackground;
            EXPECT_EQ(at(x, y), pixel) << x << "," << y;
            covered += want != '.' ? 1 : 0;
        }
    }
    EXPECT_EQ(untouched(), 640 * 480 - covered);
}

// A relief text (these check the pixels of texts): the text in the first colour up and left of its
// place, in the second down and right, the face on top. The shadow style has no first colour (0
// here).
TEST_F(Drawing, EachReliefStyleLaysItsColoursAtTheirOffsetsAndNoOtherStyleDraws) {
    struct Pass {
        int dx, dy, layer;
    };
    const Pass passes[] = {{-1, 0, 0}, {-1, -1, 0}, {0, -1, 0}, {0, 1, 1},
                           {1, 1, 1},  {1, 0, 1},   {0, 0, 2}};
    const std::uint32_t colours[4][3] = {{0x3E2712, 0xB28E6D, 0xFFFFFF},
                                         {0xE4E2C2, 0x5D5A1C, 0xB5AF37},
                                         {0x5D5A1C, 0xE4E2C2, 0xB5AF37},
                                         {0, 0x2E2D0E, 0xD5D187}};
    const TextShape& shape = textShape("Punkte: 415");
    startDrawing(screenOutput());
    setDrawingMode(kDrawTransparent);
    for (TextStyle style = text_style::kWhite; style <= text_style::kShadow; ++style) {
        PixelVector want(640 * 480, kBackground);
        for (const Pass& p : passes) {
            const std::uint32_t colour = colours[style - 1][p.layer];
            for (const TextRun& run : shape.runs) {
                const auto from =
                    static_cast<std::size_t>((150 + p.dy + run.y) * 640 + 200 + p.dx + run.x);
                std::fill_n(want.begin() + from, colour != 0 ? run.length : 0, colour);
            }
        }
        clearScreen();
        drawGameText(200, 150, "Punkte: 415", style);
        EXPECT_EQ(shown(), want) << style;
    }
    clearScreen();
    for (const TextStyle style : {0, 5, -1}) {
        drawGameText(200, 150, "Ende", style);
    }
    EXPECT_EQ(untouched(), 640 * 480);
}

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

class SpriteCopy : public Drawing, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(SpriteCopy, ShowsExactlyThePicturePixelsInsideTheScreenAndTheClip) {
    const CopyCase& c = GetParam();
    const test::Bytes bmp = test::makeBmp(c.width, c.height, place);
    ASSERT_NE(spriteFromMemory(50, bmp.data(), bmp.size(), 0, ""), 0);
    for (const Clip& clip : c.clips) {
        clipSprite(50, clip.x, clip.y, clip.width, clip.height);
    }
    for (const bool keyed : {false, true}) {
        PixelVector want(640 * 480, kBackground);
        for (int y = 0; y < c.shownHeight; ++y) {
            for (int x = 0; x < c.shownWidth; ++x) {
                want[static_cast<std::size_t>((c.firstY + y) * 640 + c.firstX + x)] =
                    place(c.column + x, c.row + y);
            }
        }
        clearScreen();
        (keyed ? drawSpriteKeyed : drawSprite)(50, c.x, c.y);
        EXPECT_EQ(shown(), want) << (keyed ? "keyed" : "opaque");
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
        CopyCase{"FarOff", 30, 12, {}, -5000, 9000, 0, 0, 0, 0, 0, 0},
        CopyCase{"OneFrameOfAStrip", 66, 12, {{22, 0, 11, 12}}, 200, 100, 200, 100, 22, 0, 11, 12},
        CopyCase{"ClipPastThePicture", 66, 12, {{60, 0, 11, 12}}, 200, 100, 200, 100, 60, 0, 6, 12},
        CopyCase{"ClipAndLeftEdge", 66, 12, {{22, 0, 11, 12}}, -4, 100, 0, 100, 26, 0, 7, 12},
        CopyCase{"MinusOneShowsItAll", 66, 12, kClipThenWhole, 200, 100, 200, 100, 0, 0, 66, 12},
        // A clip whose origin lies outside the picture asks for pixels that do not exist: the
        // copy is refused as a whole, as the blitter refuses it.
        CopyCase{"ClipLeftOfThePicture", 66, 12, {{-5, 0, 10, 12}}, 100, 100, 0, 0, 0, 0, 0, 0},
        CopyCase{"ClipAboveThePicture", 66, 12, {{0, -3, 10, 12}}, 100, 100, 0, 0, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<CopyCase>& p) { return std::string(p.param.name); });

// No sprite is drawn from an empty slot, a bad number or on an inactive display.
TEST_F(Drawing, NoSpriteIsDrawnFromAnEmptySlotABadNumberOrOnAnInactiveDisplay) {
    const test::Bytes bmp = test::makeBmp(4, 1, [](int, int) { return 0x123456u; });
    ASSERT_NE(spriteFromMemory(1, bmp.data(), bmp.size(), 0, ""), 0);
    for (const std::int32_t number : {7, 5000, -1}) {
        drawSprite(number, 10, 10);
        drawSpriteKeyed(number, 10, 10);
    }
    display.displayActive = 0;
    drawSprite(1, 10, 10);
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(untouched(), 640 * 480);
    display.displayActive = 1;
    drawSpriteKeyed(1, 10, 10);
    EXPECT_EQ(at(13, 10), 0x123456u);
}

} // namespace
} // namespace game
