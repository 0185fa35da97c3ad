#pragma once

#include <cairo.h>

namespace game::tools {

// Draws the icon into the size x size square at the origin of cr, on a transparent ground.
void drawIcon(cairo_t* cr, int size);

} // namespace game::tools
