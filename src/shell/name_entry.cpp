#include "shell/name_entry.hpp"

#include "media/input.hpp"
#include "record/game_state.hpp"
#include "shell/high_scores.hpp"

namespace game {
namespace {

struct TypedKey {
    KeyCode code;
    char letter;
};

// Examined in this order; a key's release is only noticed when it is asked about, so a key
// behind the one that reported waits for a later pass. The letters are those of the key
// positions on a US keyboard, whatever the layout.
constexpr TypedKey kTypedKeys[] = {
    {key::kA, 'A'}, {key::kB, 'B'},     {key::kC, 'C'}, {key::kD, 'D'}, {key::kE, 'E'},
    {key::kF, 'F'}, {key::kG, 'G'},     {key::kH, 'H'}, {key::kI, 'I'}, {key::kJ, 'J'},
    {key::kK, 'K'}, {key::kL, 'L'},     {key::kM, 'M'}, {key::kN, 'N'}, {key::kO, 'O'},
    {key::kP, 'P'}, {key::kQ, 'Q'},     {key::kR, 'R'}, {key::kS, 'S'}, {key::kT, 'T'},
    {key::kU, 'U'}, {key::kV, 'V'},     {key::kW, 'W'}, {key::kX, 'X'}, {key::kY, 'Y'},
    {key::kZ, 'Z'}, {key::kSpace, ' '},
};

void typeOneKey() {
    for (const TypedKey& typed : kTypedKeys) {
        if (keyReleased(typed.code) == 0) {
            continue;
        }
        // A name never starts with a space; the release is used up all the same.
        if (typed.letter != ' ' || !state.typedName.empty()) {
            state.typedName.push_back(typed.letter);
        }
        return;
    }
}

} // namespace

void runNameEntry() {
    if (state.typedName.size() < kMaxTypedName) {
        typeOneKey();
    }
    if (keyReleased(key::kBackspace) != 0 && !state.typedName.empty()) {
        state.typedName.pop_back();
    }
    const bool confirmed = keyReleased(key::kEnter) != 0 || keyReleased(key::kKeypadEnter) != 0;
    if (confirmed && !state.typedName.empty()) {
        state.enteredName = state.typedName;
        state.nameEntryActive = 0;
        insertHighScore();
    }
}

} // namespace game
