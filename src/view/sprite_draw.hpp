#pragma once
// Copies sprites onto the drawing target (the back buffer), clipped against its edges, so that
// callers may place sprites partly or wholly off screen.

#include <cstdint>

namespace game {

// Shows only the part of the picture from (x, y) of width x height from now on; x = -1 shows the
// whole picture again. A part reaching past the picture's right or bottom edge is cut there.
void clipSprite(std::int32_t sprite, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height);
// Every pixel opaque.
void drawSprite(std::int32_t sprite, std::int32_t x, std::int32_t y);
// Leaves out the pixels whose 24 colour bits equal the sprite's colour key.
void drawSpriteKeyed(std::int32_t sprite, std::int32_t x, std::int32_t y);

} // namespace game
