// The moving parts: faces, the hop and drop of the balls, burst shards and snow.

#include "media/random.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/ball_height.hpp"
#include "rules/board.hpp"
#include "rules/shards.hpp"
#include "rules/snow.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "view/faces.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace game {
namespace {

// Whether the generator stands exactly `steps` draws after seed.
bool advancedBy(std::uint32_t seed, int steps) {
    const std::int32_t next = random(1000000);
    seedRandom(seed);
    for (int i = 0; i < steps; ++i) {
        random(0);
    }
    return random(1000000) == next;
}

TEST(Faces, EveryTrialDrawsEvenWhileAnExpressionRuns) {
    test::prepareGame();
    Cell cell{};
    cell.color = 2;
    cell.expression = expression::kLookUp;
    for (const std::int32_t noisy : {0, 1}) {
        state.noisyFacesOn = noisy;
        seedRandom(5);
        startExpressions(cell);
        EXPECT_TRUE(advancedBy(5, noisy == 1 ? 6 : 4)) << noisy;
    }
}

TEST(Faces, FirstTrialThatSucceedsWinsAndANoisyOneIsHeardWhileTheSoundIsOn) {
    struct Case {
        std::int32_t noisy, soundOn, expression;
        std::uint32_t lastsMs;
        std::vector<std::int32_t> sounds;
    };
    for (const Case& c : {Case{0, 1, expression::kBlink, 333, {}},
                          Case{1, 1, expression::kBurp, 500, {sound::kBurp}},
                          Case{1, 0, expression::kBurp, 500, {}}}) {
        test::prepareGame();
        state.noisyFacesOn = c.noisy;
        state.soundOn = c.soundOn;
        clearRandom(); // every draw is 0, so every trial succeeds
        Cell cell{};
        startExpressions(cell);
        EXPECT_EQ(cell.expression, c.expression);
        EXPECT_EQ(cell.expressionUntil, fake::dev.tick + c.lastsMs);
        EXPECT_EQ(test::newSounds(), c.sounds);
    }
}

TEST(Faces, ABlinkStartsWithAChanceOfTwoIn2501) {
    test::prepareGame();
    int blinks = 0;
    for (int i = 0; i < 250100; ++i) {
        Cell cell{};
        startExpressions(cell);
        blinks += cell.expression == expression::kBlink ? 1 : 0;
    }
    EXPECT_NEAR(blinks, 200, 50); // three in 2501 would give 300
}

TEST(Faces, ExpressionEndsOnceTheClockIsPastItsEndOrJumpedFarBeyond) {
    Cell cell{};
    const std::uint32_t now = 0xFFFFFFF0u; // its end lies across the wrap
    cell.expression = expression::kLookDownLeft;
    cell.expressionUntil = now + 4000;
    expireExpression(cell, now + 4000);
    EXPECT_EQ(cell.expression, expression::kLookDownLeft);
    expireExpression(cell, now + 4001);
    EXPECT_EQ(cell.expression, expression::kNone);
    cell.expression = expression::kLookUp;
    cell.expressionUntil = 1000;
    expireExpression(cell, 1000u + (3u << 30)); // weeks later: looks like the past's future
    EXPECT_EQ(cell.expression, expression::kNone);
}

TEST(Faces, ForcedFacesEndARunningExpressionForGood) {
    Cell cell{};
    cell.color = 1;
    cell.expression = expression::kBlink;
    EXPECT_EQ(chooseFace(cell, false), face::kFirstExpression + 2);
    EXPECT_EQ(chooseFace(cell, true), face::kAfraid);
    EXPECT_EQ(chooseFace(cell, false), face::kSmile);
    cell.expression = expression::kLookUp;
    cell.height = 4;
    EXPECT_EQ(chooseFace(cell, true), face::kAahhh); // in the air wins over afraid
    EXPECT_EQ(cell.expression, expression::kNone);
    cell.height = 0;
    cell.fallSpeed = -3;
    EXPECT_EQ(chooseFace(cell, false), face::kAahhh);
}

TEST(BallHeight, SelectedBallHopsWithoutPauseAndANewBallFallsSeventeenFrames) {
    resetGameState();
    state.selectedCol = 2;
    state.selectedRow = 3;
    std::vector<float> heights;
    for (int frame = 0; frame < 18; ++frame) {
        animateBallHeight(2, 3);
        heights.push_back(cellAt(2, 3).height);
    }
    EXPECT_EQ(heights, (std::vector<float>{4, 7.5f, 10.5f, 13, 15, 16.5f, 17.5f, 18, 18, 17.5f,
                                           16.5f, 15, 13, 10.5f, 7.5f, 4, 0, 4}));
    Cell& dropped = cellAt(5, 5);
    dropped.height = 400.0f;
    dropped.fallSpeed = 20.0f;
    int frames = 0;
    for (; frames < 100 && (dropped.height != 0 || dropped.fallSpeed != 0); ++frames) {
        animateBallHeight(5, 5);
    }
    EXPECT_EQ(frames, 17);
    animateBallHeight(5, 5); // at rest and not selected: stays down
    EXPECT_EQ(dropped.height + dropped.fallSpeed, 0.0f);
}

TEST(Shards, BurstStepTakesTheFirstMarkedBallInScanOrderAndAppendsItsShards) {
    resetGameState();
    seedRandom(9);
    burstStep(); // nothing marked: nothing happens
    EXPECT_EQ(state.score, 0);
    listInsert(state.shards)->color = 7;
    listReset(state.shards); // the cursor before the first: a plain insert would go in front
    for (const auto& [col, row, color] : {std::array{6, 1, 3}, std::array{2, 2, 5}}) {
        cellAt(col, row).color = color;
        cellAt(col, row).bursting = 1;
    }
    burstStep();
    EXPECT_EQ(cellAt(6, 1).color + cellAt(6, 1).bursting, 0);
    EXPECT_EQ(cellAt(2, 2).color, 5);
    EXPECT_EQ(state.score, 5);
    ASSERT_EQ(listSize(state.shards), 12u);
    EXPECT_EQ(state.shards.first->data.color, 7);
    const ScreenPoint o = squareOrigin(6, 1);
    for (const ListElement<Shard>* e = state.shards.first->next; e != nullptr; e = e->next) {
        const Shard& s = e->data;
        EXPECT_EQ(s.color, 3);
        EXPECT_TRUE(s.x >= static_cast<float>(o.x) && s.x <= static_cast<float>(o.x + 40) &&
                    s.y >= static_cast<float>(o.y) && s.y <= static_cast<float>(o.y + 40));
        EXPECT_TRUE(s.angle >= 0 && s.angle <= 360 && s.speed >= 15 && s.speed <= 40);
    }
}

TEST(Shards, ShardFliesInItsDirectionInTheGamesDegreesAndIsRemovedOffScreen) {
    resetGameState();
    *listInsert(state.shards) = {630.0f, 200.0f, 0, 20, 1}; // angle 0: straight right, out
    moveShards();
    EXPECT_EQ(listSize(state.shards), 0u);
    Shard& down = *listInsert(state.shards);
    down = {100.0f, 100.0f, 90, 15, 1}; // 90 / 57 radians: mostly down, a little left
    moveShards();
    ASSERT_EQ(listSize(state.shards), 1u);
    EXPECT_NEAR(down.x, 100.0f + 15.0f * std::cos(90.0f / 57.0f), 1e-4);
    EXPECT_NEAR(down.y, 100.0f + 15.0f * std::sin(90.0f / 57.0f), 1e-4);
}

TEST(Snow, WithSnowOffEveryFlakeWaitsBelowTheScreenUntilSwitchedOn) {
    resetGameState();
    seedRandom(3);
    initSnow();
    ASSERT_TRUE(std::all_of(state.snow.begin(), state.snow.end(),
                            [](const Snowflake& f) { return f.y == 490.0f; }));
    restartSnow(); // 490 is not below 490: a flake there stays parked
    EXPECT_EQ(state.snow[0].y, 490.0f);
    moveSnow();
    moveSnow();
    ASSERT_TRUE(std::all_of(state.snow.begin(), state.snow.end(),
                            [](const Snowflake& f) { return f.y == 500.0f; }));
    state.snowOn = 1;
    restartSnow();
    for (const Snowflake& f : state.snow) {
        EXPECT_TRUE(f.y <= 0 && f.y >= -200 && f.x >= -100 && f.x <= 640) << f.x << "," << f.y;
    }
}

} // namespace
} // namespace game
