// The flying pieces of a burst ball: six 11 x 12 frames side by side, which the game picks at
// random every frame, so together they flicker like tumbling glass.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <vector>

namespace game::tools {

namespace {

using layout::kShardFrames;
using layout::kShardHeight;
using layout::kShardWidth;

struct Shard {
    std::vector<double> outline; // x, y pairs inside the 11 x 12 frame
    bool ornament;               // a piece that carries a bit of the ball's ornament
};

// The same piece turning: outlines seen from different sides, a splinter and a spark.
const std::vector<Shard>& shardShapes() {
    static const std::vector<Shard> shapes = {
        {{1.0, 2.0, 9.5, 1.0, 5.5, 11.0}, false},
        {{2.0, 1.0, 10.0, 4.0, 8.0, 10.5, 1.0, 8.0}, true},
        {{5.0, 0.5, 10.0, 8.0, 1.0, 11.0}, false},
        {{1.0, 5.0, 4.0, 1.0, 10.0, 3.0, 9.0, 7.0, 3.0, 11.0}, true},
        {{0.5, 9.0, 6.0, 0.5, 10.5, 2.5, 4.0, 11.5}, false},
        {{3.0, 1.0, 8.0, 2.0, 10.0, 9.0, 6.0, 11.0, 1.0, 6.0}, false},
    };
    return shapes;
}

void outlinePath(cairo_t* cr, const std::vector<double>& pts, double ox) {
    for (std::size_t i = 0; i + 1 < pts.size(); i += 2) {
        if (i == 0) {
            cairo_move_to(cr, ox + pts[i], pts[i + 1]);
        } else {
            cairo_line_to(cr, ox + pts[i], pts[i + 1]);
        }
    }
    cairo_close_path(cr);
}

} // namespace

Picture makeShards(int colour, Rgb8 key) {
    const Colour base = ballBaseColour(colour);
    const Colour ornament = ballOrnamentColour(colour);
    Canvas canvas(kShardWidth * kShardFrames, kShardHeight);
    cairo_t* cr = canvas.cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    int frame = 0;
    for (const Shard& shard : shardShapes()) {
        const double ox = frame * kShardWidth;
        // Each frame catches the light differently.
        const double lightX = ox + (frame % 3) * 4.0 + 1.0;
        cairo_pattern_t* p = cairo_pattern_create_linear(lightX, 0, ox + 11 - (frame % 2) * 6, 12);
        addStop(p, 0, shade(base, 1.45));
        addStop(p, 0.45, base);
        addStop(p, 1, shade(base, 0.55));
        outlinePath(cr, shard.outline, ox);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_new_path(cr);
        if (shard.ornament) {
            cairo_save(cr);
            outlinePath(cr, shard.outline, ox);
            cairo_clip(cr);
            setColour(cr, ornament);
            starPath(cr, ox + 5.0, 5.5, 2.4, 1.0, 5);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        outlinePath(cr, shard.outline, ox);
        setColour(cr, shade(base, 0.35));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        // A bright glint on the glass.
        const double gx = ox + shard.outline[0] * 0.4 + 3.3, gy = shard.outline[1] * 0.4 + 3.0;
        starPath(cr, gx, gy, 2.2, 0.6, 4);
        setColour(cr, rgb(255, 255, 255), 0.95);
        cairo_fill(cr);
        ++frame;
    }
    KeyedStyle style{key, EdgeBlend::OwnColour, {}, 128};
    return resolveKeyed(canvas, style);
}

} // namespace game::tools
