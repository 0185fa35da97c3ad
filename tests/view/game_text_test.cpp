// Relief texts: seven passes (four for the shadow style) at one-pixel offsets, face on top.

#include "view/game_text.hpp"

#include "media/display.hpp"
#include "media/font.hpp"
#include "support/screen.hpp"
#include "view/text_draw.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace game {
namespace {

constexpr std::uint32_t kBackground = 0x00010101;

struct Style {
    TextStyle style;
    std::optional<std::uint32_t> first; // up and left
    std::uint32_t second;               // down and right
    std::uint32_t face;
};

// The four styles as 0x00RRGGBB.
const Style kStyles[] = {
    {text_style::kWhite, 0x3E2712, 0xB28E6D, 0xFFFFFF},
    {text_style::kRaised, 0xE4E2C2, 0x5D5A1C, 0xB5AF37},
    {text_style::kSunken, 0x5D5A1C, 0xE4E2C2, 0xB5AF37},
    {text_style::kShadow, std::nullopt, 0x2E2D0E, 0xD5D187},
};

class GameText : public ::testing::Test {
protected:
    void SetUp() override {
        test::openTestScreen();
        initDrawing();
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
        ASSERT_EQ(startDrawing(screenOutput()), 1);
        setDrawingMode(kDrawTransparent);
    }
    void TearDown() override {
        stopDrawing();
        test::closeTestScreen();
    }
};

// What the relief should look like, painted from the text's shape in the order of the passes.
std::vector<std::uint32_t> expectedRelief(int x, int y, const Text& text, const Style& s) {
    std::vector<std::uint32_t> picture(640 * 480, kBackground);
    const TextShape& shape = textShape(text);
    const auto paint = [&](int dx, int dy, std::uint32_t colour) {
        for (const TextRun& run : shape.runs) {
            for (int i = 0; i < run.length; ++i) {
                picture[static_cast<std::size_t>((y + dy + run.y) * 640 + x + dx + run.x + i)] =
                    colour;
            }
        }
    };
    if (s.first) {
        paint(-1, 0, *s.first);
        paint(-1, -1, *s.first);
        paint(0, -1, *s.first);
    }
    paint(0, 1, s.second);
    paint(1, 1, s.second);
    paint(1, 0, s.second);
    paint(0, 0, s.face);
    return picture;
}

TEST_F(GameText, EachStyleLaysItsColoursAtTheirOffsetsWithTheFaceOnTopAndNoOtherStyleDraws) {
    for (const Style& s : kStyles) {
        SCOPED_TRACE(s.style);
        std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
        drawGameText(200, 150, "Punkte: 415", s.style);
        EXPECT_EQ(display.backBuffer.pixels, expectedRelief(200, 150, "Punkte: 415", s));
    }
    std::fill(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), kBackground);
    for (const TextStyle style : {0, 5, -1}) {
        drawGameText(200, 150, "Ende", style);
    }
    EXPECT_EQ(display.backBuffer.pixels, std::vector<std::uint32_t>(640 * 480, kBackground));
}

} // namespace
} // namespace game
