#pragma once

namespace game {

// The program: prepares the game, starts the media services, runs the main loop and shuts down.
// Returns the exit code, always 0.
int startUp();

// The end sequence after the main loop.
void shutDown();

} // namespace game
