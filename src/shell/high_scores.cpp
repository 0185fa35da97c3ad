#include "shell/high_scores.hpp"

#include "record/game_state.hpp"

#include <utility>

namespace game {

void insertHighScore() {
    auto& table = state.highScores;
    table[kCandidateSlot].score = state.score;
    table[kCandidateSlot].name = state.enteredName;
    for (std::size_t i = kShownRows; i-- > 0;) {
        if (table[i].score < table[i + 1].score) {
            std::swap(table[i], table[i + 1]);
        }
    }
}

} // namespace game
