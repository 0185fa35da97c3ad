#include "view/faces.hpp"

#include "media/random.hpp"
#include "shell/catalogue.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

class Faces : public ::testing::Test {
protected:
    void SetUp() override { test::prepareGame(); }
    Cell cell{};
};

// Whether the generator stands exactly `steps` draws after seed.
bool advancedBy(std::uint32_t seed, int steps) {
    const std::int32_t next = random(1000000);
    seedRandom(seed);
    for (int i = 0; i < steps; ++i) {
        random(0);
    }
    return random(1000000) == next;
}

TEST_F(Faces, EveryTrialDrawsEvenWhileAnExpressionRuns) {
    cell.color = 2;
    cell.expression = expression::kLookUp;
    seedRandom(5);
    startExpressions(cell);
    EXPECT_TRUE(advancedBy(5, 4)); // the four silent trials
    state.noisyFacesOn = 1;
    seedRandom(5);
    startExpressions(cell);
    EXPECT_TRUE(advancedBy(5, 6));
}

TEST_F(Faces, WithoutNoisyFacesTheFirstExpressionThatCanStartIsTheBlink) {
    clearRandom(); // every draw is 0, so every trial succeeds
    startExpressions(cell);
    EXPECT_EQ(cell.expression, expression::kBlink);
    EXPECT_EQ(cell.expressionUntil, fake::dev.tick + 333);
    EXPECT_TRUE(test::newSounds().empty());
}

TEST_F(Faces, NoisyExpressionPlaysItsSoundAndIsNotReplacedByLaterTrials) {
    state.noisyFacesOn = 1;
    clearRandom();
    startExpressions(cell);
    EXPECT_EQ(cell.expression, expression::kBurp);
    EXPECT_EQ(cell.expressionUntil, fake::dev.tick + 500);
    EXPECT_EQ(test::newSounds(), std::vector<std::int32_t>{sound::kBurp});
}

TEST_F(Faces, WithTheSoundOffTheNoisyExpressionStillShowsSilently) {
    state.noisyFacesOn = 1;
    state.soundOn = 0;
    clearRandom();
    startExpressions(cell);
    EXPECT_EQ(cell.expression, expression::kBurp);
    EXPECT_TRUE(test::newSounds().empty());
}

TEST_F(Faces, ExpressionEndsOnceTheClockHasPassedItsEnd) {
    const std::uint32_t now = 0xFFFFFFF0u; // its end lies across the wrap
    cell.expression = expression::kLookDownLeft;
    cell.expressionUntil = now + 4000;
    expireExpression(cell, now + 4000);
    EXPECT_EQ(cell.expression, expression::kLookDownLeft);
    expireExpression(cell, now + 4001);
    EXPECT_EQ(cell.expression, expression::kNone);
}

TEST_F(Faces, ExpressionWhoseEndTheClockJumpedFarPastEnds) {
    cell.expression = expression::kLookUp;
    cell.expressionUntil = 1000;
    expireExpression(cell, 1000u + (3u << 30)); // weeks later: looks like the past's future
    EXPECT_EQ(cell.expression, expression::kNone);
}

TEST_F(Faces, ForcedFacesEndARunningExpressionForGood) {
    cell.color = 1;
    cell.expression = expression::kBlink;
    EXPECT_EQ(chooseFace(cell, false), face::kFirstExpression + 2);
    EXPECT_EQ(chooseFace(cell, true), face::kAfraid);
    EXPECT_EQ(cell.expression, expression::kNone);
    EXPECT_EQ(chooseFace(cell, false), face::kSmile);
    cell.expression = expression::kLookUp;
    cell.height = 4;
    EXPECT_EQ(chooseFace(cell, true), face::kAahhh); // in the air wins over afraid
    EXPECT_EQ(cell.expression, expression::kNone);
}

} // namespace
} // namespace game
