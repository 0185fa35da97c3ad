#include "media/element_list.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

struct Item {
    int value = 0;
};

std::vector<int> values(const ElementList<Item>& list) {
    std::vector<int> out;
    for (auto* e = list.first; e != nullptr; e = e->next) {
        out.push_back(e->data.value);
    }
    return out;
}

// Appends in the game's way: walk to the end, then insert behind the cursor.
void append(ElementList<Item>& list, int value) {
    listReset(list);
    while (listNext(list) != nullptr) {
    }
    listInsert(list)->value = value;
}

TEST(ElementList, NextOnAnEmptyListYieldsNoneAndKeepsYieldingNone) {
    ElementList<Item> list;
    EXPECT_EQ(listNext(list), nullptr);
    EXPECT_EQ(listNext(list), nullptr);
}

TEST(ElementList, InsertAfterResetPutsTheElementAtTheFront) {
    ElementList<Item> list;
    append(list, 1);
    append(list, 2);
    listReset(list);
    listInsert(list)->value = 0;
    EXPECT_EQ(values(list), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list.first->data.value, 0);
    EXPECT_EQ(list.last->data.value, 2);
}

TEST(ElementList, InsertWhileWalkingPlacesTheElementRightBehindTheCursor) {
    ElementList<Item> list;
    append(list, 1);
    append(list, 3);
    listReset(list);
    listNext(list);
    listInsert(list)->value = 2;
    EXPECT_EQ(values(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(listNext(list)->value, 3);
}

TEST(ElementList, AfterTheEndNextStaysOnTheLastElementUntilReset) {
    ElementList<Item> list;
    append(list, 1);
    listReset(list);
    ASSERT_EQ(listNext(list)->value, 1);
    EXPECT_EQ(listNext(list), nullptr);
    EXPECT_EQ(listNext(list), nullptr);
    listInsert(list)->value = 2; // still standing on the last one: appends
    EXPECT_EQ(values(list), (std::vector<int>{1, 2}));
    listReset(list);
    EXPECT_EQ(listNext(list)->value, 1);
}

TEST(ElementList, RemovingInTheMiddleContinuesWithTheFollowingElement) {
    ElementList<Item> list;
    for (int v : {1, 2, 3}) {
        append(list, v);
    }
    listReset(list);
    listNext(list);
    listNext(list);
    listRemove(list); // removes 2, the cursor goes back to 1
    EXPECT_EQ(listNext(list)->value, 3);
    EXPECT_EQ(values(list), (std::vector<int>{1, 3}));
}

TEST(ElementList, RemovingTheFirstElementSkipsTheNewFirstOne) {
    ElementList<Item> list;
    for (int v : {1, 2, 3}) {
        append(list, v);
    }
    listReset(list);
    listNext(list);
    listRemove(list); // the cursor lands on 2, so the walk passes over it
    EXPECT_EQ(listNext(list)->value, 3);
    EXPECT_EQ(values(list), (std::vector<int>{2, 3}));
    EXPECT_EQ(list.first->previous, nullptr);
}

TEST(ElementList, RemovingTheLastElementMovesTheCursorBack) {
    ElementList<Item> list;
    for (int v : {1, 2}) {
        append(list, v);
    }
    listReset(list);
    listNext(list);
    listNext(list);
    listRemove(list);
    EXPECT_EQ(list.last->data.value, 1);
    EXPECT_EQ(list.last->next, nullptr);
    EXPECT_EQ(listNext(list), nullptr);
}

TEST(ElementList, RemovingTheOnlyElementLeavesAnEmptyListReadyForInsertion) {
    ElementList<Item> list;
    append(list, 1);
    listReset(list);
    listNext(list);
    listRemove(list);
    EXPECT_EQ(list.first, nullptr);
    EXPECT_EQ(list.last, nullptr);
    EXPECT_EQ(list.current, nullptr);
    listInsert(list)->value = 5;
    EXPECT_EQ(values(list), (std::vector<int>{5}));
    EXPECT_EQ(list.first, list.last);
}

TEST(ElementList, RemoveWithTheCursorBeforeTheFirstDoesNothing) {
    ElementList<Item> list;
    append(list, 1);
    listReset(list);
    listRemove(list);
    EXPECT_EQ(values(list), (std::vector<int>{1}));
}

TEST(ElementList, WalkRemovingEveryElementEmptiesTheListExceptTheSkippedOnes) {
    // The skip after removing the first element means a remove-all walk leaves every other
    // element at the front for the next walk.
    ElementList<Item> list;
    for (int v : {1, 2, 3, 4}) {
        append(list, v);
    }
    listReset(list);
    while (listNext(list) != nullptr) {
        listRemove(list);
    }
    EXPECT_EQ(values(list), (std::vector<int>{2}));
}

TEST(ElementList, NewElementsAreZeroFilled) {
    ElementList<Item> list;
    EXPECT_EQ(listInsert(list)->value, 0);
}

} // namespace
} // namespace game
