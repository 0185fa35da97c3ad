// The drawing service on the back buffer: spans, texts and the current position, boxes, lines.

#include "view/text_draw.hpp"

#include "media/display.hpp"
#include "media/font.hpp"
#include "support/screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

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
}

// Shapes as pictures of the top left 8 x 5 pixels: '#' the front colour, '~' the background
// inverted, '.' untouched.
struct ShapeCase {
    const char* name;
    std::int32_t mode;
    std::function<void()> draw;
    std::array<const char*, 5> picture;
};

class Shapes : public TextDraw, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(Shapes, CoverTheirPixelsLeavingOutTheRightAndBottomEdgeAndTheLineEnd) {
    startDrawing(screenOutput());
    setDrawingMode(GetParam().mode);
    setFrontColor(255, 255, 0);
    GetParam().draw();
    int covered = 0;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            const char want = GetParam().picture[static_cast<std::size_t>(y)][x];
            const std::uint32_t pixel = want == '#'   ? 0xFFFF00u
                                        : want == '~' ? kBackground ^ 0xFFFFFFu
                                                      : kBackground;
            EXPECT_EQ(at(x, y), pixel) << x << "," << y;
            covered += want != '.' ? 1 : 0;
        }
    }
    EXPECT_EQ(untouched(), 640 * 480 - covered);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Shapes,
    ::testing::Values(ShapeCase{"FilledBox",
                                0,
                                [] { drawBox(1, 1, 5, 3); },
                                {"........", ".#####..", ".#####..", ".#####..", "........"}},
                      ShapeCase{"HollowBox",
                                kDrawHollow,
                                [] { drawBox(1, 0, 5, 4); },
                                {".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
                      ShapeCase{"LinesAcrossDownAndLeft",
                                0,
                                [] {
                                    drawLine(0, 0, 5, 0);
                                    drawLine(7, 0, 0, 3);
                                    drawLine(4, 4, -3, 0);
                                },
                                {"#####..#", ".......#", ".......#", "........", "..###..."}},
                      ShapeCase{"DiagonalLine",
                                0,
                                [] { drawLine(1, 1, 4, 4); },
                                {"........", ".#......", "..#.....", "...#....", "....#..."}},
                      ShapeCase{"InvertingLine",
                                kDrawInvert,
                                [] { drawLine(0, 2, 3, 0); },
                                {"........", "........", "~~~.....", "........", "........"}}),
    [](const ::testing::TestParamInfo<ShapeCase>& p) { return std::string(p.param.name); });

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

TEST_F(TextDraw, ATransparentTextIsCrispInTheFrontColourInsideItsLineAndMovesThePosition) {
    startDrawing(screenOutput());
    setDrawingMode(kDrawTransparent);
    setFrontColor(181, 175, 55);
    moveTextCursor(100, 200);
    drawText("");
    EXPECT_EQ(untouched(), 640 * 480);
    const Text text = "Bitte Name eingeben.";
    drawText(text);
    EXPECT_EQ(textCursorX(), 100 + textShape(text).width);
    EXPECT_EQ(textCursorY(), 200);
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (at(x, y) != kBackground) {
                ++lit;
                ASSERT_EQ(at(x, y), 0xB5AF37u) << "no smoothing";
                ASSERT_TRUE(y >= 200 && y < 216 && x >= 99 && x <= 100 + textShape(text).width);
            }
        }
    }
    EXPECT_GT(lit, 100);
}

} // namespace
} // namespace game
