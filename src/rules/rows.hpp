#pragma once
// Rows: five or more balls of one colour in an unbroken line across, down or along either
// diagonal are marked to burst (one per drawn frame, 5 points each, see burstStep).

namespace game {

// Empties the balls left marked by the previous search (without points), then marks every row
// on the board. Sets rowsFound.
void findRows();

} // namespace game
