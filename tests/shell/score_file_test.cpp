#include "shell/score_file.hpp"

#include "record/game_state.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/replay_script.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using namespace std::string_literals;

// Ten rows "Row 0" to "Row 9" with 900, 800, ... points and the given line ends.
std::string tenRows(const std::string& lineEnd) {
    std::string text;
    for (int row = 0; row < 10; ++row) {
        text.append("{").append(std::to_string(900 - 100 * row)).append("}Row ");
        text.append(std::to_string(row)).append(lineEnd);
    }
    return text;
}

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        resetGameState();
        fake::reset(0);
    }
    test::TempFolder folder;
};

TEST_F(ScoreFile, MissingFileGivesTheDefaultsSavedByteForByte) {
    loadScoreFile();
    saveScoreFile();
    std::string expected;
    for (int row = 0; row < 10; ++row) {
        expected.append("{").append(std::to_string(100 - 10 * row)).append("}Pos ");
        expected.append(std::to_string(row + 1)).append(" Player\r\n");
    }
    EXPECT_EQ(test::readWholeFile("flockvel.txt"), test::scoreFileOf(expected + "{1}{1}{2}"));
}

struct ReadCase {
    const char* what;
    std::string file;              // as scoreFileOf writes it
    std::vector<std::string> rows; // "row: score name" as read
    const char* settings;          // sound, snow and difficulty as read
};

TEST_F(ScoreFile, ReadsWhatTheFileHoldsAndKeepsTheDefaultsOfTheRest) {
    const std::string overlong = "{5}" + std::string(100000, 'Q') + "\r\n{4}NEXT\r\n";
    const ReadCase cases[] = {
        {"LF name lines", tenRows("\n") + "{0}{1}{3}", {"3: 600 Row 3", "9: 0 Row 9"}, "0 1 3"},
        {"CR LF name lines",
         tenRows("\r\n") + "{1}{0}{4}",
         {"3: 600 Row 3", "9: 0 Row 9"},
         "1 0 4"},
        {"a CR takes the next byte along, a zero byte ends a line",
         "{50}AB\rX{40}\0{30}\r\n{20}"s,
         {"0: 50 AB", "1: 40 ", "2: 30 ", "3: 20 Pos 4 Player"},
         "1 1 2"},
        {"the file ends in a score",
         "{900}Row 0\r\n{800}Row 1\r\n{700}",
         {"1: 800 Row 1", "2: 700 Pos 3 Player", "3: 70 Pos 4 Player"},
         "1 1 2"},
        {"the file ends inside a score", "{900}Row 0\r\nAB", {"1: 90 Pos 2 Player"}, "1 1 2"},
        {"an overlong name is cut, the rest of its line skipped",
         overlong,
         {"0: 5 " + std::string(kMaxNameBytes, 'Q'), "1: 4 NEXT"},
         "1 1 2"},
        {"a name keeps its printable bytes", "{5}\x01\xE9\x7F\x81Z\r\n", {"0: 5 \xE9Z"}, "1 1 2"},
        {"settings out of range, difficulty 0", tenRows("\r\n") + "{7}{-1}{0}", {}, "1 1 2"},
        {"difficulty 5", tenRows("\r\n") + "{0}{0}{5}", {}, "0 0 2"},
        {"difficulty -1", tenRows("\r\n") + "{1}{0}{-1}", {}, "1 0 2"},
        {"difficulty 1000000", tenRows("\r\n") + "{0}{1}{1000000}", {}, "0 1 2"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        test::writeWholeFile("flockvel.txt", test::scoreFileOf(c.file));
        loadScoreFile();
        for (const std::string& row : c.rows) {
            const HighScoreEntry& entry = state.highScores.at(std::stoul(row));
            EXPECT_EQ(row.substr(0, row.find(':') + 2) + std::to_string(entry.score) + " " +
                          entry.name,
                      row);
        }
        EXPECT_EQ(std::to_string(state.soundOn) + " " + std::to_string(state.snowOn) + " " +
                      std::to_string(state.difficulty),
                  c.settings);
    }
}

} // namespace
} // namespace game
