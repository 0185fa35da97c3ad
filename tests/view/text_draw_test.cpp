// The drawing service on the back buffer: spans, texts and the current position, boxes, lines,
// and the relief texts of the game built on it.

#include "view/text_draw.hpp"

#include "media/display.hpp"
#include "media/font.hpp"
#include "support/screen.hpp"
#include "view/game_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

constexpr std::uint32_t kBackground = 0x00406080;

class TextDraw : public ::testing::Test {
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

    static void clearScreen() {
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
    }
    static std::uint32_t at(int x, int y) { return display.backBuffer.row(y)[x]; }
    static int untouched() {
        return static_cast<int>(std::count(display.backBuffer.pixels.begin(),
                                           display.backBuffer.pixels.end(), kBackground));
    }
    static void drawAll() {
        drawBox(10, 10, 20, 20, rgb(255, 0, 0));
        drawLine(0, 0, 100, 0, rgb(255, 0, 0));
        moveTextCursor(50, 50);
        drawText("Hallo");
    }
};

TEST_F(TextDraw, OnlyASpanOnTheFreeBackBufferDraws) {
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
}

// The shapes in the top left 32 x 5 pixels: '#' the front colour, '~' the background inverted,
// '.' untouched. The right and bottom edge of a box and the end of a line are left out.
TEST_F(TextDraw, ShapesCoverTheirPixelsAndNoOthers) {
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

TEST_F(TextDraw, LinesBoxesAndTextsReachingOffScreenAreCutAtItsEdges) {
    startDrawing(screenOutput());
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

// The pixels of texts are checked with the relief texts below.
TEST_F(TextDraw, ATextMovesThePositionAlongItsWidth) {
    startDrawing(screenOutput());
    moveTextCursor(100, 200);
    drawText("");
    EXPECT_EQ(untouched(), 640 * 480);
    drawText("Bitte Name eingeben.");
    EXPECT_EQ(textCursorX(), 100 + textShape("Bitte Name eingeben.").width);
    EXPECT_EQ(textCursorY(), 200);
}

// A relief text: the text in the first colour up and left of its place, in the second down and
// right, the face on top. The shadow style has no first colour (0 here).
TEST_F(TextDraw, EachReliefStyleLaysItsColoursAtTheirOffsetsAndNoOtherStyleDraws) {
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
        std::vector<std::uint32_t> want(640 * 480, kBackground);
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
        EXPECT_EQ(display.backBuffer.pixels, want) << style;
    }
    clearScreen();
    for (const TextStyle style : {0, 5, -1}) {
        drawGameText(200, 150, "Ende", style);
    }
    EXPECT_EQ(untouched(), 640 * 480);
}

} // namespace
} // namespace game
