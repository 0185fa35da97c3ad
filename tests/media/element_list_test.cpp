#include "media/element_list.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace game {
namespace {

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
