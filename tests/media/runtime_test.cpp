// The old runtime's helpers as the game uses them: texts cut and written as the old text
// functions did, a bounded store of the texts set in the game's typeface, random draws and the
// element lists the game walks.

#include "media/element_list.hpp"
#include "media/font.hpp"
#include "media/random.hpp"
#include "media/texts.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

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

// The draw is floor(R * (n + 1) / 2^64) of the generator's 64-bit value R, exactly: a large range
// shows the low half of R too. Seed 0 comes again: reseeding starts the sequence afresh. Odd
// ranges answer the old way, and the full range does not overflow.
TEST(Random, SeedsGiveTheirKnownSequencesAgainAndOddRangesAnswerTheOldWay) {
    clearRandom();
    EXPECT_TRUE(random(99) == 0 && random(2147483647) == 0) << "unseeded";
    const struct {
        std::uint32_t seed;
        std::int32_t n;
        std::vector<int> want;
    } rows[] = {
        {0, 99, {54, 78, 66, 37, 23, 62, 63, 42}},
        {12345, 99, {27, 71, 66, 34, 58, 27, 30, 70}},
        {0, 2147483646, {1170769584, 1683484736, 1418143767, 813114335}},
    };
    for (const auto& row : rows) {
        seedRandom(row.seed);
        for (int want : row.want) {
            ASSERT_EQ(random(row.n), want) << "seed " << row.seed << ", range " << row.n;
        }
    }
    seedRandom(0);
    EXPECT_TRUE(random(0) == 0 && random(-1) == INT_MIN && random(INT_MIN) == INT_MIN);
    EXPECT_EQ(random(99), 37) << "the fourth value of seed 0: three steps were taken";
    bool sawHighHalf = false;
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t v = random(2147483647);
        ASSERT_GE(v, 0);
        sawHighHalf = sawHighHalf || v > 1073741823;
    }
    EXPECT_TRUE(sawHighHalf);
    EXPECT_EQ(truncToInt(__builtin_nanf("")), 0);
}

struct Item {
    int value = 0;
};

// Walks a fresh list: a digit inserts an element of that value behind the cursor, 'r' resets
// the cursor, 'n' steps on (recording its answer, 0 for none), 'x' removes at the cursor.
// Returns the answers and the values left, front to back.
std::pair<std::vector<int>, std::vector<int>> walk(const std::string& steps) {
    ElementList<Item> list;
    std::vector<int> answers, values;
    for (char step : steps) {
        if (step == 'r') {
            listReset(list);
        } else if (step == 'n') {
            const Item* item = listNext(list);
            answers.push_back(item != nullptr ? item->value : 0);
        } else if (step == 'x') {
            listRemove(list);
        } else {
            Item* item = listInsert(list);
            EXPECT_EQ(item->value, 0) << "a new element is zero-filled";
            item->value = step - '0';
        }
    }
    EXPECT_TRUE(list.first ? list.first->previous == nullptr : list.last == nullptr);
    for (auto* e = list.first; e != nullptr; e = e->next) {
        EXPECT_TRUE(e->next ? e->next->previous == e : list.last == e) << "a broken link";
        values.push_back(e->data.value);
    }
    return {answers, values};
}

TEST(ElementList, TheCursorWalksInsertsAndRemovesAsTheGameExpects) {
    const struct {
        const char* what;
        const char* steps;
        std::vector<int> answers, after;
    } rows[] = {
        {"an empty list yields none, again and again", "nn", {0, 0}, {}},
        {"inserting after a reset puts it in front", "23r1n", {2}, {1, 2, 3}},
        {"inserting while walking puts it behind the cursor", "13rn2n", {1, 3}, {1, 2, 3}},
        {"past the end the cursor stays on the last", "1rnnn2rn", {1, 0, 0, 1}, {1, 2}},
        {"removing in the middle goes on with the next", "123rnnxn", {1, 2, 3}, {1, 3}},
        {"removing the first skips the new first", "123rnxn", {1, 3}, {2, 3}},
        {"removing the last steps the cursor back", "12rnnxn", {1, 2, 0}, {1}},
        {"removing the only one leaves room for more", "1rnx5n", {1, 0}, {5}},
        {"removing before the first does nothing", "1rx", {}, {1}},
        {"a walk removing all leaves every skipped one", "1234rnxnxnxn", {1, 3, 4, 0}, {2}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(walk(row.steps), std::pair(row.answers, row.after)) << row.what;
    }
}

} // namespace
} // namespace game
