#pragma once

namespace game {

// Takes back the last move, once.
void undoMove();

} // namespace game
