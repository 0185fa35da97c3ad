#include "art/paint.hpp"

#include <cmath>

namespace game::tools {

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour shade(Colour c, double factor) {
    if (factor <= 1.0) {
        return {c.r * factor, c.g * factor, c.b * factor};
    }
    return mix(c, {1, 1, 1}, factor - 1.0);
}

void setColour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void addStop(cairo_pattern_t* p, double offset, Colour c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void circlePath(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    circlePath(cr, 0, 0, 1);
    cairo_restore(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = turn + i * kPi / points;
        const double x = cx + r * std::cos(a);
        const double y = cy + r * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void glow(cairo_t* cr, double cx, double cy, double r, Colour c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    addStop(p, 0, c, alpha);
    addStop(p, 0.4, c, alpha * 0.45);
    addStop(p, 1, c, 0);
    cairo_set_source(cr, p);
    circlePath(cr, cx, cy, r);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

} // namespace game::tools
