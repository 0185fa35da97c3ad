#include "rules/new_balls.hpp"

#include "media/random.hpp"
#include "rules/menu.hpp"
#include "support/board_picture.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using test::ballCount;

// Fills the board with balls no two neighbours of which (in any of the four row directions)
// share a colour, and never red; then empties the given squares.
void fillBoardExcept(std::initializer_list<ScreenPoint> empties) {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            cellAt(col, row).color = 2 + (col + 2 * row) % 6;
        }
    }
    for (const ScreenPoint at : empties) {
        cellAt(at.x, at.y).color = 0;
    }
}

TEST(NewBalls, NewGameStartsWithDifficultyPlusOneFallingBalls) {
    for (std::int32_t difficulty = 1; difficulty <= 4; ++difficulty) {
        test::prepareGame();
        state.difficulty = difficulty;
        test::clickAt({5, 60}); // "Neues Spiel"
        ASSERT_EQ(state.gameRunning, 1);
        EXPECT_EQ(ballCount(), difficulty + 1) << difficulty;
        for (const Cell& cell : state.board) {
            if (cell.color != 0) {
                EXPECT_GT(cell.height, 300.0f);
                EXPECT_GT(cell.fallSpeed, 19.0f);
            }
        }
        EXPECT_EQ(state.score, 0);
        EXPECT_EQ(state.undoableMoves, 0);
    }
}

TEST(NewBalls, DropPlacesThePreviewColoursInOrderAndChoosesFiveNewOnes) {
    test::prepareBoard({".........", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........."},
                       {3, 5, 7, 2, 2});
    state.difficulty = 2;
    dropNewBalls();
    int count[8] = {};
    for (const Cell& cell : state.board) {
        count[cell.color] += 1;
    }
    EXPECT_EQ(count[3] + count[5] + count[7], 3);
    EXPECT_EQ(count[3] * count[5] * count[7], 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_GE(state.nextColors[static_cast<std::size_t>(i)], 1);
        EXPECT_LE(state.nextColors[static_cast<std::size_t>(i)], 7);
    }
}

TEST(NewBalls, DropThatFillsTheBoardEndsTheGame) {
    test::prepareGame();
    state.gameRunning = 1;
    state.undoableMoves = 1;
    state.nextColors = {2, 3, 4, 5, 6, 0, 0};
    fillBoardExcept({{0, 0}, {4, 4}, {8, 8}});
    dropNewBalls();
    EXPECT_EQ(ballCount(), 81);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(state.undoableMoves, 0);
}

TEST(NewBalls, FourEmptySquaresTakeThreeBallsAndTheGameGoesOn) {
    test::prepareGame();
    state.gameRunning = 1;
    state.nextColors = {2, 3, 4, 5, 6, 0, 0};
    fillBoardExcept({{0, 0}, {4, 4}, {8, 8}, {2, 6}});
    dropNewBalls();
    EXPECT_EQ(ballCount(), 80);
    EXPECT_EQ(state.gameRunning, 1);
}

TEST(NewBalls, FewerEmptySquaresThanBallsTakeTheFirstPreviewColours) {
    test::prepareGame();
    state.gameRunning = 1;
    state.difficulty = 4;
    state.nextColors = {1, 1, 4, 4, 4, 0, 0};
    fillBoardExcept({{0, 0}, {8, 8}});
    dropNewBalls();
    EXPECT_EQ(cellAt(0, 0).color, 1);
    EXPECT_EQ(cellAt(8, 8).color, 1);
    EXPECT_EQ(state.gameRunning, 0);
}

TEST(NewBalls, GameOverAsksForANameOnlyAboveTheTenthRow) {
    for (const std::int32_t score : {10, 11}) { // the tenth row holds 10 points
        test::prepareGame();
        state.gameRunning = 1;
        state.score = score;
        fillBoardExcept({{0, 0}});
        dropNewBalls();
        EXPECT_EQ(state.nameEntryActive, score > 10 ? 1 : 0) << score;
    }
}

TEST(NewBalls, GameOverComesBeforeTheBurstsWhosePointsStillCount) {
    test::prepareGame();
    state.gameRunning = 1;
    state.nextColors = {1, 1, 1, 1, 1, 0, 0};
    fillBoardExcept({{4, 0}, {8, 7}, {8, 8}});
    for (std::int32_t col = 0; col < 4; ++col) {
        cellAt(col, 0).color = 1;
    }
    dropNewBalls(); // whichever square it lands on, a red ball completes row 0
    EXPECT_EQ(state.rowsFound, 1);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(state.nameEntryActive, 0); // 0 points at the moment of the check
    for (int frame = 0; frame < 6; ++frame) {
        test::runFrame();
    }
    EXPECT_EQ(state.score, 25);
}

TEST(NewBalls, BallWhoseDrawsNeverFindAnEmptySquareIsLeftOut) {
    test::prepareBoard({"y........", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........."});
    clearRandom(); // every draw is 0: square (0, 0), which is taken
    dropNewBalls();
    EXPECT_EQ(state.dropTries, kMaxDropTries);
    EXPECT_EQ(ballCount(), 1);
    EXPECT_EQ(cellAt(0, 0).color, 4);
}

} // namespace
} // namespace game
