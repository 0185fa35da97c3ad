// libFuzzer target: any bytes as the score file, through its reader. Whatever was read must be
// within the ranges the game relies on, and must come back unchanged through a save and a read.

#include "record/game_state.hpp"
#include "shell/score_file.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace game;
    setDefaultScoresAndSettings();
    decodeScoreFile(std::vector<std::uint8_t>(data, data + size));
    if (state.difficulty < 1 || state.difficulty > 4 || (state.soundOn | state.snowOn) > 1 ||
        state.soundOn < 0 || state.snowOn < 0) {
        __builtin_trap();
    }
    const auto read = state.highScores;
    for (const HighScoreEntry& entry : read) {
        if (entry.name.size() > kMaxNameBytes) {
            __builtin_trap();
        }
    }
    const std::vector<std::uint8_t> saved = encodeScoreFile();
    setDefaultScoresAndSettings();
    decodeScoreFile(saved);
    for (std::size_t row = 0; row < 10; ++row) {
        if (state.highScores[row].score != read[row].score ||
            state.highScores[row].name != read[row].name) {
            __builtin_trap();
        }
    }
    return 0;
}
