#pragma once
// Undo: the last move attempt can be taken back once, board and score together.

namespace game {

// The snapshot taken at the start of every move attempt: colours and score.
void saveUndo();

// Takes back the last move, once; also ends a walk that is still going on.
void undoMove();

// The Undo button at the lower right: a left click there undoes while a game runs.
void pressUndoButton();

} // namespace game
