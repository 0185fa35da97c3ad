#pragma once
// Playing without a mouse: the arrow keys steer a cursor over the board, Space and Return click
// on its square, and three menu keys stand in for tabs. While the name prompt is open, none of
// these keys act: they all belong to the name.

#include <cstdint>

namespace game {

// Gives the board to the keyboard or back to the mouse and moves the cursor by the arrows.
// While the keyboard has the board, the game points at the cursor's square: mouseX and mouseY
// become the middle of that square, so every rule sees a pointer resting there. Called after the
// input is read, before the clicks are filtered.
void steerBoardCursor();

// 1 while Space or Return is held on the shown cursor: the left button, for the click filter.
std::int32_t keyboardClick();

// Ctrl+N as the first tab, F1 opens or closes the help page, Ctrl+H the high-score page.
void runMenuKeys();

} // namespace game
