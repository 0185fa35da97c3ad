// The game's texts: cut and written as the old text functions did, and set in its typeface,
// DejaVu Sans Condensed Bold at 13 points, crisp, in Windows-1252.

#include "media/font.hpp"
#include "media/texts.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Texts, CutAndWriteLikeTheOldTextFunctions) {
    const struct {
        const char* what;
        Text got;
        Text want;
    } rows[] = {
        {"negative number", numberToText(-5), "-5"},
        {"lowest number", numberToText(INT32_MIN), "-2147483648"},
        {"left of nothing", textLeft("Punkte", 0), ""},
        {"left of a negative count", textLeft("Punkte", -3), ""},
        {"left part", textLeft("Punkte", 3), "Pun"},
        {"left past the end", textLeft("Punkte", 99), "Punkte"},
        {"middle counts from one", textMiddle("Punkte", 3, 10), "nkte"},
        {"middle from zero starts at one", textMiddle("Punkte", 0, 2), "Pu"},
        {"middle from the lowest number", textMiddle("Punkte", INT32_MIN, 2), "Pu"},
        {"middle at the last letter", textMiddle("Punkte", 6, 1), "e"},
        {"middle past the end", textMiddle("Punkte", 7, 1), ""},
        {"middle of no letters", textMiddle("Punkte", 2, 0), ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.got, row.want) << row.what;
    }
    EXPECT_EQ(textLength("f\xFCllt"), 5) << "Windows-1252 letters are one byte";
}

// 13 pixels per em: the font's ascender and descender round up to the old system font's line.
// Letters advance by their own widths, without kerning; Windows-1252 signs have glyphs.
TEST(Font, TextsAreSetOnA16PixelLineInWindows1252) {
    EXPECT_EQ(fontLineHeight(), 16);
    EXPECT_EQ(fontAscent(), 13);
    EXPECT_EQ(textShape("AV").width, textShape("A").width + textShape("V").width);
    const TextShape shape = textShape("Punkte: 1234 Tg");
    for (const TextRun& run : shape.runs) {
        EXPECT_TRUE(run.y >= 0 && run.y < shape.height && run.length > 0);
    }
    EXPECT_EQ(unicodeOf1252(0x80), 0x20ACu); // the euro sign, first of the high controls
    EXPECT_EQ(unicodeOf1252(0x81), 0x81u);   // undefined in the code page
    EXPECT_EQ(textShape("\xE4").width, textShape("a").width);
    EXPECT_GT(textShape("\xE4").runs.size(), textShape("a").runs.size()) << "and its dots";
    for (const char* sign : {"A", "\x80", "\xDF", "\xF6", "\xFC", "\x84"}) {
        EXPECT_FALSE(textShape(sign).runs.empty()) << static_cast<int>(sign[0] & 0xFF);
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
