#include "media/input.hpp"

#include "support/fake_device.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset(0);
        initKeyboard();
        initMouse();
    }
};

TEST_F(Input, KeyDownAnswers128ForAHeldKey) {
    fake::pressKey(key::kLeftCtrl);
    readKeyboard();
    EXPECT_EQ(keyDown(key::kLeftCtrl), 128);
    EXPECT_EQ(keyDown(key::kF), 0);
    EXPECT_EQ(keyDown(key::kAny), 1);
    EXPECT_EQ(keyDown(300), 0);
    EXPECT_EQ(keyDown(-7), 0);
}

TEST_F(Input, AnyKeyLooksAtCodesUpTo254Only) {
    fake::pressKey(255);
    readKeyboard();
    EXPECT_EQ(keyDown(255), 128);
    EXPECT_EQ(keyDown(key::kAny), 0);
}

TEST_F(Input, KeyReleasedReportsOnceAfterTheKeyWasSeenDown) {
    fake::pressKey(key::kA);
    std::vector<int> answers;
    for (int pass = 0; pass < 6; ++pass) {
        if (pass == 3) {
            fake::releaseKey(key::kA);
        }
        readKeyboard();
        answers.push_back(keyReleased(key::kA));
    }
    EXPECT_EQ(answers, (std::vector<int>{0, 0, 0, 1, 0, 0}));
}

TEST_F(Input, KeyReleasedStaysSilentForAKeyNotAskedAboutWhileDown) {
    fake::pressKey(key::kB);
    readKeyboard();
    fake::releaseKey(key::kB);
    readKeyboard();
    EXPECT_EQ(keyReleased(key::kB), 0);
}

TEST_F(Input, AnyKeyReleasedWatchesEveryKey) {
    fake::pressKey(key::kSpace);
    readKeyboard();
    EXPECT_EQ(keyReleased(key::kAny), 0);
    fake::releaseKey(key::kSpace);
    readKeyboard();
    EXPECT_EQ(keyReleased(key::kAny), 1);
    EXPECT_EQ(keyReleased(key::kAny), 0);
}

TEST_F(Input, InBackgroundTheLastSnapshotStays) {
    fake::pressKey(key::kEscape);
    ASSERT_EQ(readKeyboard(), 1);
    fake::dev.active = false;
    fake::releaseKey(key::kEscape);
    EXPECT_EQ(readKeyboard(), 0);
    EXPECT_EQ(keyDown(key::kEscape), 128);
    fake::dev.active = true;
    EXPECT_EQ(readKeyboard(), 1);
    EXPECT_EQ(keyDown(key::kEscape), 0);
}

TEST_F(Input, MouseIsClampedToTheScreen) {
    setMousePosition(320, 240);
    fake::moveMouse(-5000, -5000);
    readMouse();
    EXPECT_EQ(mousePosX(), 0);
    EXPECT_EQ(mousePosY(), 0);
    fake::moveMouse(5000, 5000);
    readMouse();
    EXPECT_EQ(mousePosX(), 639);
    EXPECT_EQ(mousePosY(), 479);
    fake::moveMouse(-2147483647, 2147483647);
    readMouse();
    EXPECT_EQ(mousePosX(), 0);
    EXPECT_EQ(mousePosY(), 479);
}

TEST_F(Input, SetPositionIsNotClampedUntilTheNextRead) {
    setMousePosition(700, 240);
    EXPECT_EQ(mousePosX(), 700);
    readMouse();
    EXPECT_EQ(mousePosX(), 639);
    EXPECT_EQ(mousePosY(), 240);
}

TEST_F(Input, TheLastButtonEventWins) {
    fake::pressButton(1);
    fake::pressButton(0);
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 1);
    EXPECT_EQ(mouseButtonDown(2), 1);
    fake::releaseButton(1);
    readMouse();
    EXPECT_EQ(mouseButtonDown(2), 0);
    EXPECT_EQ(mouseButtonDown(1), 1);
}

TEST_F(Input, QuickClickBetweenReadsIsDownForOneRead) {
    fake::pressButton(0);
    fake::releaseButton(0);
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 1);
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 0);
}

TEST_F(Input, QuickClickFollowedByANewPressStaysDown) {
    fake::pressButton(0);
    fake::releaseButton(0);
    readMouse();
    fake::pressButton(0);
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 1);
}

TEST_F(Input, InBackgroundButtonsAndPositionKeepTheirValues) {
    setMousePosition(100, 100);
    fake::pressButton(0);
    readMouse();
    fake::dev.active = false;
    fake::moveMouse(50, 50);
    fake::releaseButton(0);
    EXPECT_EQ(readMouse(), 0);
    EXPECT_EQ(mouseButtonDown(1), 1);
    EXPECT_EQ(mousePosX(), 100);
    fake::dev.active = true;
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 1); // held until the next button event
    fake::releaseButton(0);
    readMouse();
    EXPECT_EQ(mouseButtonDown(1), 0);
}

TEST_F(Input, MiddleButtonIsReportedAsButtonThree) {
    fake::pressButton(2);
    readMouse();
    EXPECT_EQ(mouseButtonDown(3), 1);
    EXPECT_EQ(mouseButtonDown(4), 0);
    EXPECT_EQ(mouseButtonDown(0), 0);
}

} // namespace
} // namespace game
