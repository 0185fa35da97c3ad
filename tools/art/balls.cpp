// The seven glossy Christmas-tree balls. Each colour carries its own ornament, so that the balls
// can be told apart by pattern as well as by hue.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <array>
#include <cmath>

namespace game::tools {

namespace {

using layout::kBallCx;
using layout::kBallCy;
using layout::kBallR;

struct BallLook {
    const char* name;
    Colour base;
    Colour ornament;
};

const std::array<BallLook, kBallColours> kLooks = {{
    {"red", rgb(206, 24, 34), rgb(255, 214, 92)},
    {"blue", rgb(34, 86, 214), rgb(236, 242, 255)},
    {"green", rgb(22, 148, 58), rgb(246, 250, 240)},
    {"yellow", rgb(250, 206, 36), rgb(214, 96, 16)},
    {"pink", rgb(248, 112, 184), rgb(255, 240, 248)},
    {"brown", rgb(124, 70, 34), rgb(252, 246, 234)},
    {"silver", rgb(184, 190, 204), rgb(232, 236, 246)},
}};

// Red: a scatter of golden stars round the face.
void drawStars(cairo_t* cr, const BallLook& look) {
    const double spots[][3] = {
        {7.2, 8.2, 3.6}, {22.8, 8.0, 3.6}, {3.6, 19.6, 3.0}, {26.4, 19.8, 3.0}, {15.0, 26.4, 3.4}};
    setColour(cr, look.ornament);
    for (const auto& s : spots) {
        starPath(cr, s[0], s[1], s[2], s[2] * 0.45, 5);
    }
    cairo_fill(cr);
}

// Blue: two white rings round the ball, a wide one low down and a narrow one at the top, seen
// from a little above so they curve downwards.
void drawRings(cairo_t* cr, const BallLook& look) {
    const double rings[][2] = {{24.0, 3.0}, {7.6, 1.8}};
    for (const auto& ring : rings) {
        const double y = ring[0];
        const double half = std::sqrt(kBallR * kBallR - (y - kBallCy) * (y - kBallCy)) + 1;
        cairo_save(cr);
        cairo_translate(cr, kBallCx, y - 2.2);
        cairo_scale(cr, half, 2.6);
        cairo_arc(cr, 0, 0, 1, 0, kPi);
        cairo_restore(cr);
        cairo_set_line_width(cr, ring[1]);
        setColour(cr, look.ornament);
        cairo_stroke(cr);
    }
    // A row of small dots inside the wide ring.
    setColour(cr, rgb(120, 170, 255));
    for (int i = -2; i <= 2; ++i) {
        const double x = kBallCx + i * 4.6;
        const double y = 24.0 - 2.2 + 2.6 * std::sqrt(1 - (i * 4.6 / 13.0) * (i * 4.6 / 13.0));
        circlePath(cr, x, y, 0.75);
    }
    cairo_fill(cr);
}

// Green: white polka dots all over.
void drawDots(cairo_t* cr, const BallLook& look) {
    setColour(cr, look.ornament);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const double x = 1.5 + col * 6.0 + (row % 2) * 3.0;
            const double y = 3.5 + row * 5.2;
            circlePath(cr, x, y, 1.35);
        }
    }
    cairo_fill(cr);
}

// Yellow: orange meridians from pole to pole, like a paper lantern.
void drawMeridians(cairo_t* cr, const BallLook& look) {
    setColour(cr, look.ornament);
    cairo_set_line_width(cr, 1.3);
    for (double s : {0.42, 0.8}) {
        cairo_save(cr);
        cairo_translate(cr, kBallCx, kBallCy);
        cairo_scale(cr, kBallR * s, kBallR);
        circlePath(cr, 0, 0, 1);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, kBallCx, kBallCy - kBallR);
    cairo_line_to(cr, kBallCx, kBallCy + kBallR);
    cairo_stroke(cr);
}

// Pink: white candy-cane stripes running diagonally.
void drawCandyStripes(cairo_t* cr, const BallLook& look) {
    setColour(cr, look.ornament);
    cairo_set_line_width(cr, 2.6);
    for (int i = -4; i <= 4; ++i) {
        const double o = i * 7.0;
        cairo_move_to(cr, kBallCx - 16 + o, kBallCy + 16);
        cairo_curve_to(cr, kBallCx - 6 + o, kBallCy + 3, kBallCx + 2 + o, kBallCy - 6,
                       kBallCx + 16 + o, kBallCy - 16);
    }
    cairo_stroke(cr);
}

// Brown: a chocolate ball with white icing poured over the top, dripping down, with sprinkles.
void drawIcing(cairo_t* cr, const BallLook& look) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 30, 0);
    cairo_line_to(cr, 30, 10.5);
    const double drips[][3] = {
        {25.5, 13.5, 1.4}, {19.0, 11.0, 1.3}, {11.5, 14.5, 1.5}, {5.0, 12.0, 1.2}};
    double x = 30;
    for (const auto& d : drips) {
        const double dx = d[0], depth = d[1], w = d[2];
        cairo_curve_to(cr, x - 1.5, 10.5, dx + w + 1, 9.0, dx + w, 10.0);
        cairo_line_to(cr, dx + w, depth - w);
        cairo_arc(cr, dx, depth - w, w, 0, kPi);
        cairo_line_to(cr, dx - w, 10.0);
        x = dx - w;
    }
    cairo_curve_to(cr, x - 1.5, 9.0, 1.5, 10.5, 0, 10.0);
    cairo_close_path(cr);
    setColour(cr, look.ornament);
    cairo_fill(cr);

    const double sprinkles[][3] = {{8.0, 6.5, 0.6},  {13.0, 8.2, -0.5}, {21.5, 6.8, 0.3},
                                   {17.5, 5.2, 1.2}, {5.5, 9.0, -1.0},  {24.5, 9.2, 0.9}};
    const Colour colours[] = {rgb(230, 40, 50), rgb(40, 170, 70), rgb(250, 200, 30)};
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    int n = 0;
    for (const auto& s : sprinkles) {
        setColour(cr, colours[n++ % 3]);
        cairo_move_to(cr, s[0] - std::cos(s[2]), s[1] - std::sin(s[2]));
        cairo_line_to(cr, s[0] + std::cos(s[2]), s[1] + std::sin(s[2]));
        cairo_stroke(cr);
    }
}

// Silver: a mirror ball, a mosaic of little tiles that each catch the light differently.
void drawMirrorTiles(cairo_t* cr, const BallLook& look) {
    constexpr int kBands = 8, kSlices = 9;
    auto at = [](double lat, double lon, double& x, double& y) {
        x = kBallCx + (kBallR + 0.5) * std::cos(lat) * std::sin(lon);
        y = kBallCy - (kBallR + 0.5) * std::sin(lat);
    };
    Rng rng(46);
    for (int i = 0; i < kBands; ++i) {
        const double lat0 = -kPi / 2 + i * kPi / kBands, lat1 = lat0 + kPi / kBands;
        for (int j = 0; j < kSlices; ++j) {
            const double lon0 = -kPi / 2 + j * kPi / kSlices, lon1 = lon0 + kPi / kSlices;
            double x, y;
            at(lat0, lon0, x, y);
            cairo_move_to(cr, x, y);
            at(lat0, lon1, x, y);
            cairo_line_to(cr, x, y);
            at(lat1, lon1, x, y);
            cairo_line_to(cr, x, y);
            at(lat1, lon0, x, y);
            cairo_line_to(cr, x, y);
            cairo_close_path(cr);
            const double u = rng.uniform();
            if (u < 0.14) {
                setColour(cr, look.ornament);
            } else {
                setColour(cr, shade(look.base, 0.78 + 0.3 * u));
            }
            cairo_fill_preserve(cr);
            setColour(cr, shade(look.base, 0.5));
            cairo_set_line_width(cr, 0.45);
            cairo_stroke(cr);
        }
    }
}

// Light from the upper left, a darker rim and a soft reflection of the snow at the lower right.
void drawShading(cairo_t* cr) {
    cairo_pattern_t* p =
        cairo_pattern_create_radial(kBallCx - 4.5, kBallCy - 5.5, 0, kBallCx, kBallCy, kBallR);
    addStop(p, 0.0, rgb(255, 255, 255), 0.42);
    addStop(p, 0.30, rgb(255, 255, 255), 0.06);
    addStop(p, 0.62, rgb(0, 0, 0), 0.0);
    addStop(p, 0.88, rgb(0, 0, 0), 0.28);
    addStop(p, 1.0, rgb(0, 0, 0), 0.55);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);

    cairo_set_line_width(cr, 1.4);
    cairo_arc(cr, kBallCx, kBallCy, kBallR - 2.2, 0.25, 1.55);
    setColour(cr, rgb(255, 255, 255), 0.30);
    cairo_stroke(cr);
}

void drawSpecular(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kBallCx - 5.2, kBallCy - 6.4);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 3.6, 2.2);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    addStop(p, 0.0, rgb(255, 255, 255), 1.0);
    addStop(p, 0.55, rgb(255, 255, 255), 0.85);
    addStop(p, 1.0, rgb(255, 255, 255), 0.0);
    cairo_set_source(cr, p);
    circlePath(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    // A second, tiny glint.
    glow(cr, kBallCx + 1.2, kBallCy - 9.6, 1.3, rgb(255, 255, 255), 0.8);
}

// The metal cap the ball hangs by.
void drawCap(cairo_t* cr) {
    const double x = kBallCx - 3.6, y = 0.4, w = 7.2, h = 4.2;
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    addStop(p, 0.0, rgb(150, 104, 24));
    addStop(p, 0.35, rgb(255, 236, 150));
    addStop(p, 1.0, rgb(168, 118, 30));
    roundedRectPath(cr, x, y, w, h, 1.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, rgb(92, 60, 12));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.6);
    for (double gx : {x + 2.4, x + 4.8}) {
        cairo_move_to(cr, gx, y + 0.8);
        cairo_line_to(cr, gx, y + h - 0.6);
    }
    setColour(cr, rgb(120, 80, 18), 0.8);
    cairo_stroke(cr);
}

} // namespace

const char* ballColourName(int index) {
    return kLooks[static_cast<std::size_t>(index)].name;
}
Colour ballBaseColour(int index) {
    return kLooks[static_cast<std::size_t>(index)].base;
}
Colour ballOrnamentColour(int index) {
    return kLooks[static_cast<std::size_t>(index)].ornament;
}

void drawBall(cairo_t* cr, int colour) {
    const BallLook& look = kLooks[static_cast<std::size_t>(colour)];
    cairo_save(cr);
    circlePath(cr, kBallCx, kBallCy, kBallR);
    cairo_clip(cr);
    setColour(cr, look.base);
    cairo_paint(cr);
    switch (colour) {
    case 0:
        drawStars(cr, look);
        break;
    case 1:
        drawRings(cr, look);
        break;
    case 2:
        drawDots(cr, look);
        break;
    case 3:
        drawMeridians(cr, look);
        break;
    case 4:
        drawCandyStripes(cr, look);
        break;
    case 5:
        drawIcing(cr, look);
        break;
    default:
        drawMirrorTiles(cr, look);
        break;
    }
    drawShading(cr);
    drawSpecular(cr);
    cairo_reset_clip(cr);

    circlePath(cr, kBallCx, kBallCy, kBallR - 0.45);
    setColour(cr, shade(look.base, 0.32));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    drawCap(cr);
    cairo_restore(cr);
}

Picture makeBall(int colour, Rgb8 key) {
    Canvas canvas(layout::kBallSize, layout::kBallSize);
    drawBall(canvas.cr(), colour);
    KeyedStyle style{key, EdgeBlend::OverMatte, fieldSurfaceColour(), 110};
    return resolveKeyed(canvas, style);
}

} // namespace game::tools
