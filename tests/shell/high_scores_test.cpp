#include "shell/high_scores.hpp"

#include "shell/game_state.hpp"
#include "shell/score_file.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

class HighScores : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        setDefaultScoresAndSettings(); // 100, 90, ..., 10
    }
    static void insert(std::int32_t score, const char* name) {
        state.score = score;
        state.enteredName = name;
        insertHighScore();
    }
};

TEST_F(HighScores, ScoreEqualToTheTenthRowAsksForNoName) {
    state.score = 10;
    checkHighScore();
    EXPECT_EQ(state.nameEntryActive, 0);
    state.score = 11;
    checkHighScore();
    EXPECT_EQ(state.nameEntryActive, 1);
}

TEST_F(HighScores, ScoreJustAboveTheTenthRowBecomesTheTenthRow) {
    insert(11, "NEU");
    EXPECT_EQ(state.highScores[9].name, "NEU");
    EXPECT_EQ(state.highScores[8].score, 20);
    EXPECT_EQ(state.highScores[10].name, "Pos 10 Player"); // fell out of the list
}

TEST_F(HighScores, TieLeavesTheOlderEntryTheBetterPlace) {
    insert(70, "NEU"); // row 3 holds 70, row 4 60
    EXPECT_EQ(state.highScores[3].name, "Pos 4 Player");
    EXPECT_EQ(state.highScores[4].name, "NEU");
    EXPECT_EQ(state.highScores[5].score, 60);
}

TEST_F(HighScores, BestScoreClimbsToTheTop) {
    insert(5000, "ANNA");
    EXPECT_EQ(state.highScores[0].name, "ANNA");
    EXPECT_EQ(state.highScores[1].name, "Pos 1 Player");
    EXPECT_EQ(state.highScores[9].score, 20);
}

} // namespace
} // namespace game
