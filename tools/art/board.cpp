// The board square and its highlight. Squares are drawn row by row, each overlapping the ones
// drawn before, so a square owns exactly the pixels whose centres lie inside its outline (left
// edge included, right edge excluded) and neighbours tile without gap or overlap. Below the
// bottom and right edges hangs the snow slab's edge; inside the board the next squares cover it,
// along the board's outer edges it gives the board its thickness.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <cmath>

namespace game::tools {

namespace {

using layout::kFieldHeight;
using layout::kFieldLift;
using layout::kFieldWidth;

constexpr double kSlab = 3.0;

struct Point {
    double x, y;
};

// Corners inside the picture: top, right, bottom, left.
constexpr Point kTop{20, kFieldLift};
constexpr Point kRight{60, 10 + kFieldLift};
constexpr Point kBottom{40, 30 + kFieldLift};
constexpr Point kLeft{0, 20 + kFieldLift};

constexpr Colour kSnowLight = rgb(236, 242, 252);
constexpr Colour kSnowDeep = rgb(194, 208, 234);

bool ownsPixel(int px, int py) {
    const double x = px + 0.5, y = py + 0.5 - kFieldLift;
    return 4 * y - x > -20 && 4 * y - x < 80 && x + y >= 20 && x + y < 70;
}

// A point of the square by its position along the top edge (s) and the left edge (t), 0..1.
Point along(double s, double t) {
    return {kTop.x + s * (kRight.x - kTop.x) + t * (kLeft.x - kTop.x),
            kTop.y + s * (kRight.y - kTop.y) + t * (kLeft.y - kTop.y)};
}

// The outline moved inwards by d pixels on every side.
void insetPath(cairo_t* cr, double d) {
    const double area = 1000.0; // |(40, 10) x (-20, 20)|
    const double s0 = d / (area / std::hypot(20.0, 20.0));
    const double t0 = d / (area / std::hypot(40.0, 10.0));
    const Point a = along(s0, t0), b = along(1 - s0, t0), c = along(1 - s0, 1 - t0),
                e = along(s0, 1 - t0);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_line_to(cr, c.x, c.y);
    cairo_line_to(cr, e.x, e.y);
    cairo_close_path(cr);
}

void line(cairo_t* cr, Point a, Point b) {
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
}

void drawTopFace(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(kTop.x, kTop.y, kBottom.x, kBottom.y);
    addStop(p, 0, kSnowLight);
    addStop(p, 1, kSnowDeep);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);

    // A few frozen glints, the same on every square.
    Rng rng(8);
    for (int i = 0; i < 7; ++i) {
        const Point q = along(rng.range(0.15, 0.85), rng.range(0.15, 0.85));
        glow(cr, q.x, q.y, 1.6, rgb(255, 255, 255), 0.55);
    }

    const double d = 1.4;
    const double s0 = d / (1000.0 / std::hypot(20.0, 20.0));
    const double t0 = d / (1000.0 / std::hypot(40.0, 10.0));
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Lit from the upper left: bright top and left rims, blue shadow on the lower ones.
    line(cr, along(s0, 1 - t0), along(s0, t0));
    line(cr, along(s0, t0), along(1 - s0, t0));
    setColour(cr, rgb(255, 255, 255), 0.95);
    cairo_stroke(cr);
    line(cr, along(1 - s0, t0), along(1 - s0, 1 - t0));
    line(cr, along(1 - s0, 1 - t0), along(s0, 1 - t0));
    setColour(cr, rgb(150, 170, 212), 0.95);
    cairo_stroke(cr);
}

void drawSlab(cairo_t* cr) {
    // Front edge under the bottom-left side, right edge under the bottom-right side.
    cairo_move_to(cr, kLeft.x, kLeft.y);
    cairo_line_to(cr, kBottom.x, kBottom.y);
    cairo_line_to(cr, kBottom.x, kBottom.y + kSlab);
    cairo_line_to(cr, kLeft.x, kLeft.y + kSlab);
    cairo_close_path(cr);
    setColour(cr, rgb(128, 150, 198));
    cairo_fill(cr);
    cairo_move_to(cr, kBottom.x, kBottom.y);
    cairo_line_to(cr, kRight.x, kRight.y);
    cairo_line_to(cr, kRight.x, kRight.y + kSlab);
    cairo_line_to(cr, kBottom.x, kBottom.y + kSlab);
    cairo_close_path(cr);
    setColour(cr, rgb(92, 110, 160));
    cairo_fill(cr);
}

} // namespace

Rgb8 fieldSurfaceColour() {
    return {215, 225, 243};
}

Picture makeField(const Picture& background, Rgb8 key) {
    Canvas top(kFieldWidth, kFieldHeight);
    drawTopFace(top.cr());
    Canvas slab(kFieldWidth, kFieldHeight);
    drawSlab(slab.cr());

    // The slab shows only along the board's lower edges, over the night sky there.
    const Rgb8 matte = meanColour(background, 40, 330, 360, 90);
    Picture out = resolveKeyed(slab, {key, EdgeBlend::OverMatte, matte, 128});
    const Picture face = resolveOpaque(top);
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            if (ownsPixel(x, y)) {
                out.at(x, y) = avoidKey(face.at(x, y), key);
            }
        }
    }
    return out;
}

Picture makeHighlight(Rgb8 key) {
    Canvas canvas(kFieldWidth, kFieldHeight);
    cairo_t* cr = canvas.cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    insetPath(cr, 2.6);
    setColour(cr, rgb(150, 60, 0));
    cairo_set_line_width(cr, 5.2);
    cairo_stroke(cr);
    insetPath(cr, 2.6);
    setColour(cr, rgb(255, 184, 30));
    cairo_set_line_width(cr, 3.4);
    cairo_stroke(cr);
    insetPath(cr, 2.3);
    setColour(cr, rgb(255, 246, 190));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    // Sparkles on the three corners a ball leaves free.
    for (Point c : {Point{kLeft.x + 5, kLeft.y}, Point{kRight.x - 5, kRight.y},
                    Point{kBottom.x, kBottom.y - 3.2}}) {
        starPath(cr, c.x, c.y, 3.6, 1.0, 4);
        setColour(cr, rgb(255, 252, 225));
        cairo_fill(cr);
    }
    KeyedStyle style{key, EdgeBlend::OverMatte, fieldSurfaceColour(), 110};
    return resolveKeyed(canvas, style);
}

} // namespace game::tools
