#pragma once
// Small drawing helpers shared by the picture makers.

#include "art/canvas.hpp"
#include "rng.hpp"

#include <cairo.h>

#include <cstdint>

namespace game::tools {

inline constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};

// 0..255 channels, as the palettes are written.
constexpr Colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}
Colour mix(Colour a, Colour b, double t);
Colour shade(Colour c, double factor); // < 1 darker, > 1 towards white

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);
void addStop(cairo_pattern_t* p, double offset, Colour c, double alpha = 1.0);

void circlePath(cairo_t* cr, double cx, double cy, double r);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn = -kPi / 2);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);

// A soft round glow: full alpha in the middle, nothing at radius r.
void glow(cairo_t* cr, double cx, double cy, double r, Colour c, double alpha);

} // namespace game::tools
