#include "rules/undo.hpp"

#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/moves.hpp"

namespace game {
namespace {

constexpr std::int32_t kUndoButtonLeft = 582;
constexpr std::int32_t kUndoButtonTop = 443;

} // namespace

void saveUndo() {
    for (Cell& cell : state.board) {
        cell.undoColor = cell.color;
    }
    state.undoScore = state.score;
}

void undoMove() {
    if (state.undoableMoves == 0) {
        return;
    }
    for (Cell& cell : state.board) {
        cell.color = cell.undoColor;
        cell.height = 0;
        cell.fallSpeed = 0;
        cell.distance = 0;
        cell.spare = 0;
        cell.mark = 0;
        cell.onPath = 0;
        cell.bursting = 0;
        cell.expression = 0;
    }
    // The undo takes back the whole move: a walk still going on would otherwise end on the
    // restored board with a row search and a drop of its own.
    cancelWalk();
    state.undoableMoves = 0;
    if (state.soundOn == 1) {
        playSound(sound::kMenuSelect);
    }
    state.score = state.undoScore;
}

void pressUndoButton() {
    // The click is left for later steps of the pass; none of them looks at this corner.
    if (state.gameRunning == 1 && state.leftClick == 1 && state.mouseX >= kUndoButtonLeft &&
        state.mouseY >= kUndoButtonTop && state.undoableMoves >= 1) {
        undoMove();
    }
}

} // namespace game
