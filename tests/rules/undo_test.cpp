#include "rules/undo.hpp"

#include "media/input.hpp"
#include "shell/catalogue.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using test::boardPicture;
using test::newSounds;
using Picture = std::array<std::string, kBoardSize>;

constexpr ScreenPoint kUndoButton{600, 460};

// Four reds in row 4 with a fifth below the gap, a green ball beside.
class Undo : public ::testing::Test {
protected:
    void SetUp() override {
        test::prepareBoard({".........", ".........", ".........", ".........", "rrrr.....",
                            ".........", "....r....", ".........", "g........"},
                           {2, 3, 4, 5, 6});
        before = boardPicture();
    }
    Picture before;
};

TEST_F(Undo, ButtonTakesBackTheMoveAndItsNewBalls) {
    test::sendBall(0, 8, 1, 8);
    test::runUntilSettled();
    ASSERT_EQ(test::ballCount(), 6 + 3);
    newSounds();
    test::clickAt(kUndoButton);
    EXPECT_EQ(boardPicture(), before);
    EXPECT_EQ(state.undoableMoves, 0);
    EXPECT_EQ(newSounds(), std::vector<std::int32_t>{sound::kMenuSelect});
}

TEST_F(Undo, SecondUndoDoesNothingAndIsSilent) {
    test::sendBall(0, 8, 1, 8);
    test::runUntilSettled();
    test::clickAt(kUndoButton);
    const Picture undone = boardPicture();
    newSounds();
    test::tapKey(key::kZ); // Ctrl is not held: a plain Z does nothing either
    fake::pressKey(key::kLeftCtrl);
    test::tapKey(key::kZ);
    EXPECT_EQ(boardPicture(), undone);
    EXPECT_TRUE(newSounds().empty());
}

TEST_F(Undo, UndoAfterARefusedAttemptRestoresTheBoardOfThatAttempt) {
    test::sendBall(0, 8, 1, 8);
    test::runUntilSettled();
    const Picture afterMove = boardPicture();
    cellAt(0, 0).color = 0; // a square walled in by the board edge and two balls
    cellAt(1, 0).color = 5;
    cellAt(0, 1).color = 5;
    const Picture walled = boardPicture();
    test::sendBall(1, 8, 0, 0);
    ASSERT_EQ(state.undoableMoves, 1);
    test::clickAt(kUndoButton);
    EXPECT_EQ(boardPicture(), walled);
    EXPECT_NE(boardPicture(), afterMove);
    EXPECT_EQ(state.undoableMoves, 0);
}

TEST_F(Undo, UndoDuringBurstsCancelsTheRestAndRestoresTheScore) {
    state.score = 40;
    test::sendBall(4, 6, 4, 4);
    while (state.ballMoving == 1 || state.score < 50) {
        test::pass();
    }
    ASSERT_GT(state.score, 40);
    fake::pressKey(key::kLeftCtrl);
    test::tapKey(key::kY);
    fake::releaseKey(key::kLeftCtrl);
    EXPECT_EQ(state.score, 40);
    EXPECT_EQ(boardPicture(), before);
    test::runFor(300);
    EXPECT_EQ(state.score, 40);
    EXPECT_EQ(boardPicture(), before);
}

TEST_F(Undo, UndoDuringAWalkEndsTheWalk) {
    test::sendBall(0, 8, 8, 8);
    test::runFor(100);
    ASSERT_EQ(state.ballMoving, 1);
    test::clickAt(kUndoButton);
    EXPECT_EQ(state.ballMoving, 0);
    test::runFor(1000);
    EXPECT_EQ(boardPicture(), before); // no drop of new balls onto the restored board
}

TEST_F(Undo, ButtonDoesNothingOnceTheGameIsEndedButCtrlZStillUndoes) {
    test::sendBall(0, 8, 1, 8);
    test::runUntilSettled();
    test::clickAt({5, 60}); // "Spiel beenden"
    ASSERT_EQ(state.gameRunning, 0);
    test::clickAt(kUndoButton);
    EXPECT_EQ(state.undoableMoves, 1);
    fake::pressKey(key::kLeftCtrl);
    fake::pressKey(key::kZ);
    test::runFor(200); // held: one undo only
    EXPECT_EQ(boardPicture(), before);
    EXPECT_EQ(newSounds().back(), sound::kMenuSelect);
}

TEST_F(Undo, SelectedBallWhoseSquareTheUndoEmptiesIsDeselected) {
    test::sendBall(0, 8, 1, 8);
    test::runUntilSettled();
    test::clickOn(1, 8);
    ASSERT_EQ(state.selectedCol, 1);
    undoMove();
    test::pass();
    EXPECT_EQ(state.selectedCol, -1);
}

} // namespace
} // namespace game
