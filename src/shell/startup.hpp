#pragma once

namespace game {

// The program: prepares the game, starts the media services, runs the main loop and shuts down.
// Returns the exit code: 0 after a normal end, 1 when the game could not start (what failed is
// told on standard error).
int startUp();

// The end sequence after the main loop.
void shutDown();

} // namespace game
