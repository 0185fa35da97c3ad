#include "rules/moves.hpp"

#include "rules/menu.hpp"
#include "shell/catalogue.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using test::boardPicture;
using test::clickOn;
using test::newSounds;
using test::pass;
using test::runFor;
using Picture = std::array<std::string, kBoardSize>;

// A red ball in the top left corner, a wall of blue balls around (8, 8).
constexpr std::array<const char*, kBoardSize> kCornerAndWall = {
    "r........", ".........", ".........", ".........", ".........",
    ".........", ".........", ".......bb", ".......b.",
};

class Moves : public ::testing::Test {
protected:
    void SetUp() override { test::prepareBoard(kCornerAndWall, {2, 3, 4, 5, 6}); }
};

TEST_F(Moves, ClickingABallSelectsItPlaysTheSelectSoundAndMakesItHop) {
    clickOn(0, 0);
    EXPECT_EQ(state.selectedCol, 0);
    EXPECT_EQ(state.selectedRow, 0);
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{sound::kFieldSelect});
    test::runFrame();
    EXPECT_GT(cellAt(0, 0).height, 0.0f);
}

TEST_F(Moves, ClickingTheSelectedBallAgainKeepsItAndPlaysTheSoundAgain) {
    clickOn(0, 0);
    clickOn(0, 0);
    EXPECT_EQ(state.selectedCol, 0);
    EXPECT_EQ(newSounds(), (std::vector<std::int32_t>{sound::kFieldSelect, sound::kFieldSelect}));
}

TEST_F(Moves, ClickingAnEmptySquareWithNothingSelectedDoesNothing) {
    clickOn(4, 4);
    EXPECT_EQ(state.ballMoving, 0);
    EXPECT_EQ(state.undoableMoves, 0);
    EXPECT_TRUE(newSounds().empty());
}

TEST_F(Moves, RefusedMovePlaysNowayAndChangesNothingElse) {
    const Picture before = boardPicture();
    test::sendBall(0, 0, 8, 8);
    EXPECT_EQ(newSounds(), (std::vector<std::int32_t>{sound::kFieldSelect, sound::kNoWay}));
    EXPECT_EQ(state.undoableMoves, 0);
    EXPECT_EQ(state.ballMoving, 0);
    EXPECT_EQ(state.selectedCol, -1);
    runFor(500);
    EXPECT_EQ(boardPicture(), before);
}

TEST_F(Moves, WalkOfNStepsTakesAboutNTimesFiftyMilliseconds) {
    clickOn(0, 0);
    clickOn(4, 0); // the first step comes in the click's own pass, then one per 50 ms or so
    const std::uint32_t started = fake::dev.tick;
    while (state.ballMoving == 1) {
        pass();
    }
    const std::uint32_t took = fake::dev.tick - started;
    EXPECT_GE(took, 3u * 50u);
    EXPECT_LE(took, 4u * 50u);
    EXPECT_EQ(cellAt(4, 0).color, 1);
    EXPECT_EQ(cellAt(0, 0).color, 0);
    EXPECT_EQ(state.undoableMoves, 1);
}

TEST_F(Moves, FinishedMoveWithoutARowDropsThePreviewBalls) {
    test::sendBall(0, 0, 0, 1);
    test::runUntilSettled();
    EXPECT_EQ(test::ballCount(), 4 + 3); // difficulty 2: three new balls
    int falling[8] = {};
    for (const Cell& cell : state.board) {
        falling[cell.color] += cell.height > 0 ? 1 : 0;
    }
    EXPECT_EQ(falling[2] + falling[3] + falling[4], 3); // the first three preview colours
    EXPECT_EQ(state.selectedCol, -1);
}

// Long walks, so that the two clicks of another move attempt (each waiting out the click
// lock-out) fall inside them: red walks 16 steps along the top row and down the right edge.
constexpr std::array<const char*, kBoardSize> kLongWalk = {
    "r........", ".........", ".........", ".........", ".........",
    ".........", ".........", "b...g....", ".b.......",
};

TEST_F(Moves, RefusedMoveDuringAWalkLeavesTheWalkOnItsPath) {
    test::prepareBoard(kLongWalk, {2, 3, 4, 5, 6});
    test::sendBall(0, 0, 8, 8);
    test::sendBall(4, 7, 0, 8); // (0, 8) is walled in by (0, 7) and (1, 8)
    ASSERT_EQ(state.ballMoving, 1);
    EXPECT_EQ(newSounds().back(), sound::kNoWay);
    EXPECT_EQ(state.undoableMoves, 1);
    test::runUntilSettled();
    int reds = 0;
    for (const Cell& cell : state.board) {
        reds += cell.color == 1 ? 1 : 0;
    }
    EXPECT_EQ(reds, 1);
    EXPECT_EQ(cellAt(8, 8).color, 1);
    EXPECT_EQ(cellAt(0, 8).color, 0);
    EXPECT_EQ(test::ballCount(), 4 + 3);
}

TEST_F(Moves, NewMoveDuringAWalkLeavesTheFirstBallWhereItStands) {
    test::prepareBoard(kLongWalk, {2, 3, 4, 5, 6});
    test::sendBall(0, 0, 8, 8);
    clickOn(4, 7); // the green ball
    while (!deadlinePassed(state.clickLockUntil, fake::dev.tick)) {
        pass();
    }
    ASSERT_EQ(state.ballMoving, 1);
    const std::int32_t col = state.movingCol;
    const std::int32_t row = state.movingRow;
    clickOn(4, 6);
    test::runUntilSettled();
    EXPECT_EQ(cellAt(col, row).color, 1);
    EXPECT_EQ(cellAt(4, 6).color, 3);
    EXPECT_EQ(cellAt(8, 8).color == 1, col == 8 && row == 8);
    EXPECT_EQ(state.undoableMoves, 2);
}

TEST_F(Moves, ClickBesideTheBoardDropsTheSelection) {
    clickOn(0, 0);
    test::clickAt({620, 20});
    EXPECT_EQ(state.selectedCol, -1);
}

TEST_F(Moves, ClickOnATabReachingOverTheBoardNeverReachesTheBoard) {
    clickOn(0, 0);
    // Below the middle of square (0, 8), where the "Hilfe" tab (y 315..355) reaches once out.
    // The tab slides out under the mouse at the left edge and stays out while the mouse moves
    // right over it.
    test::pointAt({5, 320});
    runFor(300);
    const ScreenPoint at{70, 320};
    test::pointAt(at);
    pass();
    ASSERT_EQ(state.hoverCol, 0);
    ASSERT_EQ(state.hoverRow, 8);
    test::clickAt(at);
    EXPECT_EQ(state.overlayPage, page::kHelp);
    EXPECT_EQ(state.ballMoving, 0);
    EXPECT_EQ(state.selectedCol, 0); // a square is pointed at, so the selection stays
}

TEST_F(Moves, EndedGamePausesTheWalkAndANewGameCancelsIt) {
    test::sendBall(0, 0, 8, 0);
    runFor(60);
    state.gameRunning = 0; // "Spiel beenden"
    const std::int32_t stoodAt = state.movingCol;
    runFor(500);
    EXPECT_EQ(state.movingCol, stoodAt);
    test::clickAt({5, 60}); // the game tab: a new game
    ASSERT_EQ(state.gameRunning, 1);
    const int dropped = test::ballCount();
    runFor(1000);
    EXPECT_EQ(state.ballMoving, 0);
    EXPECT_EQ(test::ballCount(), dropped);
}

TEST_F(Moves, WalkWhoseNextSquareIsTakenStopsInsteadOfLosingABall) {
    test::sendBall(0, 0, 0, 3);
    runFor(20);
    cellAt(0, 2).color = 5; // never happens in play: the path was free when it was found
    runFor(300);
    EXPECT_EQ(state.ballMoving, 0);
    EXPECT_EQ(test::ballCount(), 5);
}

} // namespace
} // namespace game
