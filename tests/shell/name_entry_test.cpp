#include "shell/name_entry.hpp"

#include "media/input.hpp"
#include "shell/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using test::pass;
using test::tapKey;

class NameEntry : public ::testing::Test {
protected:
    void SetUp() override {
        test::prepareGame();
        state.score = 55;
        state.nameEntryActive = 1;
    }
    static void type(const std::string& letters) {
        for (const char c : letters) {
            tapKey(c == ' ' ? key::kSpace : kLetterKeys[c - 'A']);
        }
    }
    static constexpr KeyCode kLetterKeys[26] = {
        key::kA, key::kB, key::kC, key::kD, key::kE, key::kF, key::kG, key::kH, key::kI,
        key::kJ, key::kK, key::kL, key::kM, key::kN, key::kO, key::kP, key::kQ, key::kR,
        key::kS, key::kT, key::kU, key::kV, key::kW, key::kX, key::kY, key::kZ};
};

TEST_F(NameEntry, BackspaceTakesTheLastLetterAndNothingFromAnEmptyName) {
    tapKey(key::kBackspace);
    type("AB");
    tapKey(key::kBackspace);
    type("C");
    EXPECT_EQ(state.typedName, "AC");
}

TEST_F(NameEntry, SpaceNeverStartsAName) {
    type(" A B");
    EXPECT_EQ(state.typedName, "A B");
}

TEST_F(NameEntry, TwentyLettersAtMostUntilOneIsDeleted) {
    type("ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_EQ(state.typedName, "ABCDEFGHIJKLMNOPQRST");
    tapKey(key::kBackspace);
    type("Z");
    EXPECT_EQ(state.typedName, "ABCDEFGHIJKLMNOPQRSZ");
}

TEST_F(NameEntry, ReturnWithAnEmptyNameKeepsThePromptOpen) {
    tapKey(key::kEnter);
    EXPECT_EQ(state.nameEntryActive, 1);
}

TEST_F(NameEntry, LettersComeInTheOrderTheirKeysAreReleased) {
    fake::pressKey(key::kA);
    pass();
    fake::pressKey(key::kB);
    pass();
    fake::releaseKey(key::kB);
    pass();
    EXPECT_EQ(state.typedName, "B");
    fake::releaseKey(key::kA);
    pass();
    EXPECT_EQ(state.typedName, "BA");
    fake::pressKey(key::kC);
    fake::pressKey(key::kD);
    pass();
    fake::releaseKey(key::kD);
    fake::releaseKey(key::kC);
    pass();
    pass();
    EXPECT_EQ(state.typedName, "BACD"); // released together: table order
}

TEST_F(NameEntry, CtrlSBothSwitchesTheNoisyFacesAndTypesS) {
    fake::pressKey(key::kLeftCtrl);
    tapKey(key::kS);
    EXPECT_EQ(state.noisyFacesOn, 1);
    EXPECT_EQ(state.typedName, "S");
}

TEST_F(NameEntry, ReturnOrKeypadEnterEntersTheNameWithTheScoreOfThatMoment) {
    type("EVA");
    state.score = 65; // bursts went on after the check
    tapKey(key::kKeypadEnter);
    EXPECT_EQ(state.nameEntryActive, 0);
    EXPECT_EQ(state.enteredName, "EVA");
    EXPECT_EQ(state.highScores[4].name, "EVA"); // 65 beats the 60 of row 5
    EXPECT_EQ(state.highScores[4].score, 65);
    // The next qualifying game offers the same name; Return alone enters it again.
    state.nameEntryActive = 1;
    tapKey(key::kEnter);
    EXPECT_EQ(state.highScores[5].name, "EVA");
}

} // namespace
} // namespace game
