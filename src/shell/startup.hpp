#pragma once

namespace game {

// The program: prepares the game, starts the media services, runs the main loop and shuts down.
// Returns the exit code: 0, or 1 when the game's font is missing.
int startUp();

// The end sequence after the main loop.
void shutDown();

} // namespace game
