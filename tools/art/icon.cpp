// The game's icon: the red ball with its smiling face, as the player meets it on the board. The
// ball is drawn smooth at the icon's size; the face keeps its pixel stamps, each a square, so it
// reads as the same face at every size.

#include "art/icon.hpp"

#include "art/pictures.hpp"

namespace game::tools {

void drawIcon(cairo_t* cr, int size) {
    constexpr int kRed = 0;
    constexpr int kSmile = 0;
    // One unit of margin round the 30-unit ball picture.
    constexpr double kUnits = layout::kBallSize + 2.0;
    cairo_save(cr);
    cairo_scale(cr, size / kUnits, size / kUnits);
    cairo_translate(cr, 1.0, 1.0);
    drawBall(cr, kRed);
    const Picture face = makeFace(kSmile, kMagentaKey);
    for (int y = 0; y < face.height; ++y) {
        for (int x = 0; x < face.width; ++x) {
            const Rgb8 ink = face.at(x, y);
            if (ink == kMagentaKey) {
                continue;
            }
            cairo_set_source_rgb(cr, ink.r / 255.0, ink.g / 255.0, ink.b / 255.0);
            cairo_rectangle(cr, x, y, 1.0, 1.0);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

} // namespace game::tools
