#pragma once
// The shortest chain of free horizontal and vertical steps from the ball at (sourceCol,
// sourceRow) to the empty square (targetCol, targetRow). Works in place on the board's
// distance, mark and onPath fields; the chosen chain follows from the scan order.

#include "media/texts.hpp"

namespace game {

// Level-by-level flood from the source: exact distances out to the target's level. Sets
// pathSteps (-1 when the target cannot be reached) and searchDepth.
void searchDistances();

// Prunes the flood down to one square per level and returns the step letters from the source to
// the target. Call right after searchDistances; meaningful only when pathSteps >= 0.
Text tracePath();

} // namespace game
