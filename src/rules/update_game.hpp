#pragma once

namespace game {

// The game's update, once per pass of the main loop.
void updateGame();

} // namespace game
