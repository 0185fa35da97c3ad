#include "shell/score_file.hpp"

#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace game {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

void putLong(Bytes& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
}

void putText(Bytes& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

// A file written by hand: ten rows "Row 0".."Row 9" with 900, 800, ... points, line ends as
// given, then the settings.
Bytes handWrittenFile(const std::string& lineEnd, std::int32_t sound, std::int32_t snow,
                      std::int32_t difficulty) {
    Bytes out;
    for (int row = 0; row < 10; ++row) {
        putLong(out, 900 - 100 * row);
        putText(out, "Row " + std::to_string(row) + lineEnd);
    }
    putLong(out, sound);
    putLong(out, snow);
    putLong(out, difficulty);
    return out;
}

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        fake::reset(0);
    }
    test::TempFolder folder;
};

TEST_F(ScoreFile, MissingFileGivesTheDefaultsAndSavingThemWrites193Bytes) {
    loadScoreFile();
    EXPECT_EQ(state.highScores[0].name, "Pos 1 Player");
    EXPECT_EQ(state.highScores[9].name, "Pos 10 Player");
    EXPECT_EQ(state.highScores[9].score, 10);
    EXPECT_EQ(state.soundOn, 1);
    EXPECT_EQ(state.snowOn, 1);
    EXPECT_EQ(state.difficulty, 2);
    saveScoreFile();
    const Bytes file = test::readWholeFile("flockvel.txt");
    ASSERT_EQ(file.size(), 193u);
    const Bytes firstRow = {0x64, 0,   0,   0,   'P', 'o', 's', ' ',  '1',
                            ' ',  'P', 'l', 'a', 'y', 'e', 'r', 0x0D, 0x0A};
    EXPECT_TRUE(std::equal(firstRow.begin(), firstRow.end(), file.begin()));
    const Bytes settings = {1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), file.end() - 12));
}

TEST_F(ScoreFile, WhatIsSavedIsReadBack) {
    setDefaultScoresAndSettings();
    state.highScores[0] = {123456789, "ANNA"};
    state.highScores[4] = {-7, ""};
    state.highScores[9] = {0, "LANGER NAME MIT LEER"};
    state.soundOn = 0;
    state.snowOn = 0;
    state.difficulty = 4;
    saveScoreFile();
    resetGameState();
    loadScoreFile();
    EXPECT_EQ(state.highScores[0].score, 123456789);
    EXPECT_EQ(state.highScores[0].name, "ANNA");
    EXPECT_EQ(state.highScores[4].score, -7);
    EXPECT_EQ(state.highScores[4].name, "");
    EXPECT_EQ(state.highScores[5].name, "Pos 6 Player");
    EXPECT_EQ(state.highScores[9].name, "LANGER NAME MIT LEER");
    EXPECT_EQ(state.soundOn, 0);
    EXPECT_EQ(state.snowOn, 0);
    EXPECT_EQ(state.difficulty, 4);
}

TEST_F(ScoreFile, LfAndCrLfNameLinesReadAlike) {
    for (const char* lineEnd : {"\n", "\r\n"}) {
        test::writeWholeFile("flockvel.txt", handWrittenFile(lineEnd, 0, 1, 3));
        loadScoreFile();
        EXPECT_EQ(state.highScores[3].name, "Row 3") << lineEnd[0];
        EXPECT_EQ(state.highScores[9].score, 0);
        EXPECT_EQ(state.difficulty, 3);
    }
}

TEST_F(ScoreFile, CrTakesTheNextByteAlongWhateverItIs) {
    Bytes file;
    putLong(file, 50);
    putText(file, "AB\rX"); // X is dropped with the CR
    putLong(file, 40);
    putText(file, std::string("\0", 1)); // a zero byte ends a line too
    putLong(file, 30);
    putText(file, "\r\n"); // an empty name
    putLong(file, 20);
    test::writeWholeFile("flockvel.txt", file);
    loadScoreFile();
    EXPECT_EQ(state.highScores[0].name, "AB");
    EXPECT_EQ(state.highScores[1].score, 40);
    EXPECT_EQ(state.highScores[1].name, "");
    EXPECT_EQ(state.highScores[2].score, 30);
    EXPECT_EQ(state.highScores[2].name, "");
    EXPECT_EQ(state.highScores[3].score, 20);
}

TEST_F(ScoreFile, FileEndingEarlyKeepsTheDefaultsOfWhatIsMissing) {
    Bytes file = handWrittenFile("\r\n", 0, 0, 1);
    file.resize(2 * 11 + 4); // rows 0 and 1 (11 bytes each), then row 2's score
    test::writeWholeFile("flockvel.txt", file);
    loadScoreFile();
    EXPECT_EQ(state.highScores[1].name, "Row 1");
    EXPECT_EQ(state.highScores[2].score, 700);
    EXPECT_EQ(state.highScores[2].name, "Pos 3 Player");
    EXPECT_EQ(state.highScores[3].score, 70);
    EXPECT_EQ(state.soundOn, 1);
    EXPECT_EQ(state.difficulty, 2);
    file.resize(11 + 2); // row 0, then half of row 1's score
    test::writeWholeFile("flockvel.txt", file);
    loadScoreFile();
    EXPECT_EQ(state.highScores[1].score, 90);
}

TEST_F(ScoreFile, OverlongNameLineIsCutAndTheRestOfTheLineSkipped) {
    Bytes file;
    putLong(file, 5);
    putText(file, std::string(100000, 'Q') + "\r\n");
    putLong(file, 4);
    putText(file, "NEXT\r\n");
    test::writeWholeFile("flockvel.txt", file);
    loadScoreFile();
    EXPECT_EQ(state.highScores[0].name, std::string(kMaxNameBytes, 'Q'));
    EXPECT_EQ(state.highScores[1].score, 4);
    EXPECT_EQ(state.highScores[1].name, "NEXT");
}

TEST_F(ScoreFile, SettingsOutOfRangeBecomeDefaultsAndNamesKeepPrintableBytes) {
    for (const std::int32_t bad : {-1, 0, 5, 1000000}) {
        Bytes file = handWrittenFile("\r\n", 7, -1, bad);
        file[4] = 0x01; // a control character inside row 0's name
        file[5] = 0xE9; // é
        file[6] = 0x7F; // DEL
        test::writeWholeFile("flockvel.txt", file);
        loadScoreFile();
        EXPECT_EQ(state.difficulty, 2) << bad;
        EXPECT_EQ(state.soundOn, 1);
        EXPECT_EQ(state.snowOn, 1);
        EXPECT_EQ(state.highScores[0].name, "\xE9 0");
    }
}

} // namespace
} // namespace game
