// The game's typeface: DejaVu Sans Condensed Bold at 13 points, crisp, Windows-1252 texts.

#include "media/font.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

// At 72 dots per inch 13 points are 13 pixels per em. DejaVu Sans Condensed Bold's ascender is
// 1901/2048 em (12.07 pixels) and its descender 483/2048 em (3.07): rounded up, a 13-pixel
// ascent and a 16-pixel line, the line the old system font had.
TEST(Font, TheLineIs16PixelsWithA13PixelAscent) {
    EXPECT_EQ(fontLineHeight(), 16);
    EXPECT_EQ(fontAscent(), 13);
}

TEST(Font, TheHighControlBytesOfTheCodePageAreItsTypographicSigns) {
    EXPECT_EQ(unicodeOf1252(0x80), 0x20ACu); // €
    EXPECT_EQ(unicodeOf1252(0x84), 0x201Eu); // „
    EXPECT_EQ(unicodeOf1252(0x85), 0x2026u); // …
    EXPECT_EQ(unicodeOf1252(0x93), 0x201Cu); // “
    EXPECT_EQ(unicodeOf1252(0x96), 0x2013u); // –
    EXPECT_EQ(unicodeOf1252(0x9F), 0x0178u); // Ÿ
    EXPECT_EQ(unicodeOf1252(0x81), 0x81u);   // undefined in the code page
    EXPECT_EQ(unicodeOf1252(0xE4), 0xE4u);   // ä, as in Latin-1
    EXPECT_EQ(unicodeOf1252(0xDF), 0xDFu);   // ß
    EXPECT_EQ(unicodeOf1252('A'), 0x41u);
}

TEST(Font, UmlautsAndTheEuroSignHaveGlyphsOfTheirOwn) {
    const TextShape a = textShape("a");
    const TextShape umlaut = textShape("\xE4");
    EXPECT_FALSE(umlaut.runs.empty());
    EXPECT_EQ(umlaut.width, a.width);
    // The dots lie above the top of the plain letter.
    int topA = 99;
    int topUmlaut = 99;
    for (const TextRun& run : a.runs) {
        topA = std::min(topA, run.y);
    }
    for (const TextRun& run : umlaut.runs) {
        topUmlaut = std::min(topUmlaut, run.y);
    }
    EXPECT_LT(topUmlaut, topA);
    for (const char* sign : {"\x80", "\xDF", "\xF6", "\xFC", "\x84"}) {
        EXPECT_FALSE(textShape(sign).runs.empty()) << static_cast<int>(sign[0] & 0xFF);
    }
}

TEST(Font, ATextAdvancesByTheSumOfItsLettersWithoutKerning) {
    const std::int32_t a = textShape("A").width;
    const std::int32_t v = textShape("V").width;
    EXPECT_GT(a, 0);
    EXPECT_EQ(textShape("AV").width, a + v);
    EXPECT_EQ(textShape("").width, 0);
}

TEST(Font, EveryRunLiesOnTheLineOfItsText) {
    const TextShape shape = textShape("Punkte: 1234 Tg");
    ASSERT_FALSE(shape.runs.empty());
    for (const TextRun& run : shape.runs) {
        EXPECT_GE(run.y, 0);
        EXPECT_LT(run.y, shape.height);
        EXPECT_GT(run.length, 0);
    }
}

TEST(Font, ATextIsRenderedOnceAndTheStoreStaysBounded) {
    const TextShape* first = &textShape("Bestenliste");
    EXPECT_EQ(&textShape("Bestenliste"), first);
    for (int i = 0; i < 3000; ++i) {
        textShape("Name " + std::to_string(i));
        ASSERT_LE(cachedTextCount(), kMaxCachedTexts);
    }
}

} // namespace
} // namespace game
