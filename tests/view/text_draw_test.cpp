// The drawing service on the back buffer: spans, texts and the current position, boxes, lines.

#include "view/text_draw.hpp"

#include "media/display.hpp"
#include "media/font.hpp"
#include "support/screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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
    static void startSpan() { ASSERT_EQ(startDrawing(screenOutput()), 1); }
};

TEST_F(TextDraw, ASpanOnNoOutputDrawsNothing) {
    EXPECT_EQ(startDrawing(nullptr), 0);
    drawBox(10, 10, 20, 20, rgb(255, 0, 0));
    drawLine(0, 0, 100, 0, rgb(255, 0, 0));
    moveTextCursor(50, 50);
    drawText("Hallo");
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(TextDraw, TheBackBufferIsHeldForTheSpanAndGivenBackAtItsEnd) {
    startSpan();
    EXPECT_EQ(screenOutput(), nullptr);
    // A second span on that answer draws nothing.
    EXPECT_EQ(startDrawing(screenOutput()), 0);
    drawBox(10, 10, 20, 20, rgb(255, 0, 0));
    EXPECT_EQ(untouched(), 640 * 480);
    startSpan();
    stopDrawing();
    EXPECT_EQ(display.outputHeld, 0);
}

TEST_F(TextDraw, StoppingTwiceOrDrawingAfterTheStopHasNoEffect) {
    startSpan();
    stopDrawing();
    stopDrawing();
    EXPECT_EQ(display.outputHeld, 0);
    drawBox(10, 10, 20, 20, rgb(255, 0, 0));
    moveTextCursor(5, 5);
    drawText("x");
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(TextDraw, RgbPacksRedLowAndBlueHigh) {
    EXPECT_EQ(rgb(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(rgb(255, 255, 255), 0xFFFFFF);
}

TEST_F(TextDraw, ABoxIsFilledAndOutlinedInTheFrontColourWithoutItsRightAndBottomEdge) {
    startSpan();
    drawBox(220, 260, 250, 20, rgb(236, 234, 212));
    EXPECT_EQ(untouched(), 640 * 480 - 250 * 20);
    EXPECT_EQ(at(220, 260), 0xECEAD4u);
    EXPECT_EQ(at(469, 279), 0xECEAD4u);
    EXPECT_EQ(at(300, 270), 0xECEAD4u);
    EXPECT_EQ(at(470, 270), kBackground);
    EXPECT_EQ(at(300, 280), kBackground);
}

TEST_F(TextDraw, AHollowBoxDrawsOnlyItsOutline) {
    startSpan();
    setDrawingMode(kDrawHollow);
    drawBox(10, 10, 5, 4, rgb(255, 0, 0));
    // Picture of the box: # outline, . untouched.
    const char* rows[] = {"#####", "#...#", "#...#", "#####"};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(at(10 + x, 10 + y) == 0xFF0000u, rows[y][x] == '#') << x << "," << y;
        }
    }
}

TEST_F(TextDraw, EachSpanStartsWithTheBlackDefaultBrushAndPen) {
    startSpan();
    setFrontColor(255, 0, 0);
    stopDrawing();
    startSpan();
    drawBox(0, 0, 3, 3);
    EXPECT_EQ(at(1, 1), 0u);
    EXPECT_EQ(at(0, 0), 0u);
}

TEST_F(TextDraw, ALineLeavesOutItsEndPoint) {
    startSpan();
    setFrontColor(255, 255, 0);
    drawLine(10, 10, 5, 0);
    drawLine(10, 20, 0, 3);
    drawLine(40, 40, 4, 4);
    drawLine(60, 60, -3, 0);
    const std::set<std::pair<int, int>> want = {
        {10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 10}, // across, 15 left out
        {10, 20}, {10, 21}, {10, 22},                     // down, 23 left out
        {40, 40}, {41, 41}, {42, 42}, {43, 43},           // diagonal, (44, 44) left out
        {60, 60}, {59, 60}, {58, 60},                     // leftwards, 57 left out
    };
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            EXPECT_EQ(at(x, y) == 0xFFFF00u, want.count({x, y}) == 1) << x << "," << y;
        }
    }
    EXPECT_EQ(untouched(), 640 * 480 - static_cast<int>(want.size()));
}

TEST_F(TextDraw, AnInvertingLineFlipsEveryColourBit) {
    startSpan();
    setDrawingMode(kDrawInvert);
    setFrontColor(255, 0, 0);
    drawLine(0, 0, 3, 0);
    EXPECT_EQ(at(0, 0), kBackground ^ 0xFFFFFFu);
    EXPECT_EQ(at(3, 0), kBackground);
}

TEST_F(TextDraw, LinesBoxesAndTextsReachingOffScreenAreCutAtItsEdges) {
    startSpan();
    setDrawingMode(kDrawTransparent);
    setFrontColor(1, 2, 3);
    drawLine(-100, 5, 1000, 0);
    drawLine(5, -2000000000, 0, 2100000000);
    drawBox(600, 470, 100, 100);
    moveTextCursor(-30, -8);
    drawText("Wichtelwerkstatt");
    moveTextCursor(620, 470);
    drawText("Wichtelwerkstatt");
    EXPECT_EQ(at(0, 5), 0x010203u);
    EXPECT_EQ(at(639, 5), 0x010203u);
    EXPECT_EQ(at(5, 479), 0x010203u);
    EXPECT_EQ(at(639, 479), 0x010203u);
}

TEST_F(TextDraw, AnEmptyTextDrawsNothingAndKeepsThePosition) {
    startSpan();
    moveTextCursor(30, 40);
    drawText("");
    EXPECT_EQ(textCursorX(), 30);
    EXPECT_EQ(textCursorY(), 40);
    EXPECT_EQ(untouched(), 640 * 480);
}

TEST_F(TextDraw, ATextMovesThePositionToItsEnd) {
    startSpan();
    moveTextCursor(30, 40);
    drawText("Punkte:");
    EXPECT_EQ(textCursorX(), 30 + textShape("Punkte:").width);
    EXPECT_EQ(textCursorY(), 40);
}

TEST_F(TextDraw, ATransparentTextIsCrispInTheFrontColourInsideItsLine) {
    startSpan();
    setDrawingMode(kDrawTransparent);
    setFrontColor(181, 175, 55);
    moveTextCursor(100, 200);
    drawText("Bitte Name eingeben.");
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (at(x, y) == kBackground) {
                continue;
            }
            ++lit;
            ASSERT_EQ(at(x, y), 0xB5AF37u) << "no smoothing";
            ASSERT_GE(y, 200);
            ASSERT_LT(y, 216);
            ASSERT_GE(x, 99);
            ASSERT_LE(x, 100 + textShape("Bitte Name eingeben.").width);
        }
    }
    EXPECT_GT(lit, 100);
}

TEST_F(TextDraw, AnOpaqueTextFillsItsCellWithTheBackColour) {
    startSpan();
    setBackColor(0, 0, 0);
    setFrontColor(255, 255, 255);
    moveTextCursor(100, 200);
    drawText("Ok");
    const int width = textShape("Ok").width;
    for (int y = 200; y < 216; ++y) {
        for (int x = 100; x < 100 + width; ++x) {
            ASSERT_TRUE(at(x, y) == 0u || at(x, y) == 0xFFFFFFu) << x << "," << y;
        }
    }
    EXPECT_EQ(at(100 + width, 205), kBackground);
    EXPECT_EQ(at(100, 216), kBackground);
}

TEST_F(TextDraw, ATextAfterALineStartsAtTheLinesEnd) {
    startSpan();
    setDrawingMode(kDrawTransparent);
    setFrontColor(255, 255, 255);
    moveTextCursor(150, 300);
    drawText("Name");
    const std::vector<std::uint32_t> placed = display.backBuffer.pixels;
    clearScreen();

    // A line in the background colour changes nothing visible but moves the position.
    drawLine(100, 300, 50, 0, static_cast<std::int32_t>(0x806040u));
    setFrontColor(255, 255, 255);
    drawText("Name");
    EXPECT_EQ(display.backBuffer.pixels, placed);
}

} // namespace
} // namespace game
