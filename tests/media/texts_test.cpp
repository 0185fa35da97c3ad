// The game's texts: cut and written as the old text functions did, and a bounded store of the
// texts set in the game's typeface.

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

TEST(Font, ATextIsRenderedOnceAndTheStoreStaysBounded) {
    EXPECT_EQ(fontLineHeight(), 16) << "the ascent and the descent";
    const TextShape* first = &textShape("Bestenliste");
    EXPECT_EQ(&textShape("Bestenliste"), first);
    for (int i = 0; i < 3000; ++i) {
        textShape("Name " + std::to_string(i));
        ASSERT_LE(cachedTextCount(), kMaxCachedTexts);
    }
}

} // namespace
} // namespace game
