#pragma once

namespace game {

// Draws the whole scene into the back buffer and shows it.
void renderFrame();

} // namespace game
