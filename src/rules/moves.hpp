#pragma once
// Selecting a ball, pointing at squares, sending the selected ball to an empty square and walking
// it there one square per 50 ms.

#include "rules/board.hpp"

#include <cstdint>

namespace game {

constexpr std::uint32_t kWalkStepMs = 50;

// A selected ball whose square has become empty is no longer selected.
void checkSelection();

// The middle of a square's pointing area: the point a player aims at.
ScreenPoint pointingCentre(std::int32_t col, std::int32_t row);

// Finds the square under the mouse (hoverCol, hoverRow), or -1/-1; only while a game runs.
void pointAtSquare();

// The accepted left click on the pointed square (col, row): selects a ball there, or sends the
// selected ball to the empty square.
void clickSquare(std::int32_t col, std::int32_t row);

// Sends the selected ball to the empty square (col, row) through the path search; a move without
// a path is refused.
void startMove(std::int32_t col, std::int32_t row);

// One step of the walking ball when its time has come; the last step finishes the move with the
// row search and, when no row was completed, the new balls.
void stepWalkingBall();

// Stops a walk where it stands: no further steps, no row search, no new balls.
void cancelWalk();

} // namespace game
