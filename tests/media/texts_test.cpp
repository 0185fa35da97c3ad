#include "media/texts.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Texts, NumbersAreWrittenPlainWithASign) {
    EXPECT_EQ(numberToText(-5), "-5");
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-2147483647 - 1), "-2147483648");
}

TEST(Texts, LeftTakesAtMostTheWholeText) {
    EXPECT_EQ(textLeft("Punkte", 0), "");
    EXPECT_EQ(textLeft("Punkte", -3), "");
    EXPECT_EQ(textLeft("Punkte", 3), "Pun");
    EXPECT_EQ(textLeft("Punkte", 99), "Punkte");
}

TEST(Texts, MiddleCountsFromOneAndStopsAtTheEnd) {
    EXPECT_EQ(textMiddle("Punkte", 3, 10), "nkte");
    EXPECT_EQ(textMiddle("Punkte", 0, 2), "Pu");
    EXPECT_EQ(textMiddle("Punkte", -2147483647 - 1, 2), "Pu");
    EXPECT_EQ(textMiddle("Punkte", 6, 1), "e");
    EXPECT_EQ(textMiddle("Punkte", 7, 1), "");
    EXPECT_EQ(textMiddle("Punkte", 2, 0), "");
    EXPECT_EQ(textMiddle("", 1, 1), "");
}

TEST(Texts, LengthCountsBytesOfWindows1252Texts) {
    EXPECT_EQ(textLength("f\xFCllt"), 5);
    EXPECT_EQ(textLength(""), 0);
}

} // namespace
} // namespace game
