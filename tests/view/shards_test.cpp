#include "view/shards.hpp"

#include "media/random.hpp"
#include "rules/board.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace game {
namespace {

class Shards : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        seedRandom(9);
    }
};

TEST_F(Shards, BurstStepTakesTheFirstMarkedBallInScanOrder) {
    cellAt(6, 1).color = 3;
    cellAt(6, 1).bursting = 1;
    cellAt(2, 2).color = 5;
    cellAt(2, 2).bursting = 1;
    burstStep();
    EXPECT_EQ(cellAt(6, 1).color, 0);
    EXPECT_EQ(cellAt(6, 1).bursting, 0);
    EXPECT_EQ(cellAt(2, 2).color, 5);
    EXPECT_EQ(state.score, 5);
    ASSERT_EQ(listSize(state.shards), 11u);
    const ScreenPoint origin = squareOrigin(6, 1); // (420, 230)
    for (const ListElement<Shard>* e = state.shards.first; e != nullptr; e = e->next) {
        EXPECT_EQ(e->data.color, 3);
        EXPECT_GE(e->data.x, static_cast<float>(origin.x));
        EXPECT_LE(e->data.x, static_cast<float>(origin.x + 40));
        EXPECT_GE(e->data.y, static_cast<float>(origin.y));
        EXPECT_LE(e->data.y, static_cast<float>(origin.y + 40));
        EXPECT_LE(e->data.angle, 360);
        EXPECT_GE(e->data.speed, 15);
        EXPECT_LE(e->data.speed, 40);
    }
}

TEST_F(Shards, BurstStepWithoutMarkedBallsDoesNothing) {
    cellAt(0, 0).color = 1;
    burstStep();
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(listSize(state.shards), 0u);
}

TEST_F(Shards, NewShardsGoAfterTheOldOnes) {
    Shard& old = *listInsert(state.shards);
    old.color = 7;
    listReset(state.shards); // the cursor before the first: a plain insert would go in front
    cellAt(0, 0).color = 2;
    cellAt(0, 0).bursting = 1;
    burstStep();
    EXPECT_EQ(state.shards.first->data.color, 7);
    EXPECT_EQ(state.shards.last->data.color, 2);
}

TEST_F(Shards, ShardFliesInItsDirectionAndIsRemovedOffScreen) {
    Shard& shard = *listInsert(state.shards);
    shard = {630.0f, 200.0f, 0, 20, 1}; // angle 0: straight right
    moveShards();
    EXPECT_EQ(listSize(state.shards), 0u);
    Shard& down = *listInsert(state.shards);
    down = {100.0f, 100.0f, 90, 15, 1}; // 90 / 57 radians: mostly down, a little left
    moveShards();
    ASSERT_EQ(listSize(state.shards), 1u);
    EXPECT_NEAR(down.x, 100.0f + 15.0f * std::cos(90.0f / 57.0f), 1e-4);
    EXPECT_NEAR(down.y, 100.0f + 15.0f * std::sin(90.0f / 57.0f), 1e-4);
    EXPECT_LT(down.x, 100.0f);
}

} // namespace
} // namespace game
