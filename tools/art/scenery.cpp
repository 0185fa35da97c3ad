// The snowy night behind everything, the fir tree at the board's corner and the snowflake.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <cmath>

namespace game::tools {

namespace {

using layout::kScreenHeight;
using layout::kScreenWidth;

void drawSky(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kScreenHeight);
    addStop(p, 0.0, rgb(5, 9, 30));
    addStop(p, 0.55, rgb(14, 26, 64));
    addStop(p, 0.80, rgb(30, 48, 96));
    addStop(p, 1.0, rgb(44, 64, 114));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void drawStars(cairo_t* cr) {
    Rng rng(1224);
    for (int i = 0; i < 110; ++i) {
        const double x = rng.range(0, kScreenWidth);
        const double y = rng.range(0, 330) * rng.range(0.35, 1.0);
        const double size = rng.range(0.5, 1.2);
        glow(cr, x, y, size * 1.6, rgb(220, 228, 255), rng.range(0.25, 0.7));
    }
    // A few brighter twinkling ones, out of the way of board and title.
    const double bright[][2] = {{30, 22}, {162, 118}, {610, 150}, {20, 262}, {520, 92}};
    for (const auto& b : bright) {
        glow(cr, b[0], b[1], 4.5, rgb(200, 215, 255), 0.35);
        starPath(cr, b[0], b[1], 4.0, 0.6, 4);
        setColour(cr, rgb(235, 240, 255), 0.75);
        cairo_fill(cr);
    }
}

void drawMoon(cairo_t* cr) {
    const double cx = 108, cy = 70, r = 15;
    glow(cr, cx, cy, r * 4.0, rgb(150, 170, 230), 0.22);
    cairo_push_group(cr);
    circlePath(cr, cx, cy, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 4, cy - 4, 2, cx, cy, r);
    addStop(p, 0, rgb(255, 252, 232));
    addStop(p, 1, rgb(226, 222, 196));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // The crescent: the dark part cut away.
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    circlePath(cr, cx + 7, cy - 4, r * 0.92);
    setColour(cr, rgb(0, 0, 0));
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// A hill line as a smooth curve through the given heights at even steps across the screen.
void hillPath(cairo_t* cr, const double* heights, int count) {
    const double step = static_cast<double>(kScreenWidth) / (count - 1);
    cairo_move_to(cr, -10, kScreenHeight + 10);
    cairo_line_to(cr, -10, heights[0]);
    for (int i = 0; i + 1 < count; ++i) {
        const double x0 = i * step, x1 = (i + 1) * step;
        cairo_curve_to(cr, x0 + step / 2, heights[i], x1 - step / 2, heights[i + 1], x1,
                       heights[i + 1]);
    }
    cairo_line_to(cr, kScreenWidth + 10, kScreenHeight + 10);
    cairo_close_path(cr);
}

void pine(cairo_t* cr, double x, double base, double h) {
    cairo_move_to(cr, x, base - h);
    cairo_line_to(cr, x + h * 0.32, base);
    cairo_line_to(cr, x - h * 0.32, base);
    cairo_close_path(cr);
}

void house(cairo_t* cr, double x, double base, double w, double h, Rng& rng) {
    cairo_rectangle(cr, x, base - h, w, h);
    setColour(cr, rgb(24, 30, 58));
    cairo_fill(cr);
    // Snow on the roof.
    cairo_move_to(cr, x - 2, base - h);
    cairo_line_to(cr, x + w / 2, base - h - w * 0.45);
    cairo_line_to(cr, x + w + 2, base - h);
    cairo_close_path(cr);
    setColour(cr, rgb(150, 165, 205));
    cairo_fill(cr);
    // Warm windows.
    const int windows = w > 16 ? 2 : 1;
    for (int i = 0; i < windows; ++i) {
        const double wx = x + (i + 1) * w / (windows + 1) - 1.5;
        const double wy = base - h * 0.62;
        glow(cr, wx + 1.5, wy + 1.5, 5, rgb(255, 190, 90), 0.25);
        cairo_rectangle(cr, wx, wy, 3, 3);
        setColour(cr, rgb(255, 206, 120), rng.range(0.7, 0.95));
        cairo_fill(cr);
    }
}

void drawLand(cairo_t* cr) {
    // Far hills with a row of dark firs and a little village on the right.
    const double far[] = {372, 360, 366, 352, 356, 348, 340, 344, 352};
    hillPath(cr, far, 9);
    setColour(cr, rgb(36, 52, 96));
    cairo_fill(cr);
    Rng rng(77);
    for (int i = 0; i < 46; ++i) {
        const double x = rng.range(0, kScreenWidth);
        const double ridge = 372 - 28 * (x / kScreenWidth);
        pine(cr, x, ridge + 8, rng.range(8, 18));
    }
    setColour(cr, rgb(20, 30, 62));
    cairo_fill(cr);
    const double houses[][3] = {
        {478, 18, 12}, {500, 14, 10}, {540, 20, 13}, {566, 13, 9}, {590, 17, 12}};
    for (const auto& h : houses) {
        house(cr, h[0], 352, h[1], h[2], rng);
    }
    // The church tower.
    cairo_rectangle(cr, 520, 322, 9, 30);
    setColour(cr, rgb(24, 30, 58));
    cairo_fill(cr);
    cairo_move_to(cr, 518, 322);
    cairo_line_to(cr, 524.5, 306);
    cairo_line_to(cr, 531, 322);
    cairo_close_path(cr);
    setColour(cr, rgb(150, 165, 205));
    cairo_fill(cr);
    glow(cr, 524.5, 330, 5, rgb(255, 190, 90), 0.3);
    cairo_rectangle(cr, 523, 328, 3, 4);
    setColour(cr, rgb(255, 206, 120), 0.9);
    cairo_fill(cr);

    // Near snow, softly lit from the sky.
    const double nearHills[] = {412, 420, 428, 422, 430, 436, 428, 418, 410};
    hillPath(cr, nearHills, 9);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 405, 0, kScreenHeight);
    addStop(p, 0, rgb(104, 124, 176));
    addStop(p, 1, rgb(70, 88, 140));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    const double front[] = {452, 446, 458, 462, 454, 448, 458, 452, 444};
    hillPath(cr, front, 9);
    p = cairo_pattern_create_linear(0, 440, 0, kScreenHeight);
    addStop(p, 0, rgb(128, 146, 196));
    addStop(p, 1, rgb(92, 110, 160));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

} // namespace

Picture makeBackground() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    drawSky(cr);
    drawStars(cr);
    drawMoon(cr);
    drawLand(cr);
    Picture picture = resolveOpaque(canvas);
    // A faint fixed grain keeps the long gradients from banding.
    Rng rng(31);
    for (Rgb8& c : picture.pixels) {
        const int n = static_cast<int>(std::floor(rng.range(-1.5, 1.5) + 0.5));
        auto nudge = [n](std::uint8_t v) {
            const int w = v + n;
            return static_cast<std::uint8_t>(w < 0 ? 0 : (w > 255 ? 255 : w));
        };
        c = {nudge(c.r), nudge(c.g), nudge(c.b)};
    }
    return picture;
}

Picture makeSnowflake(Rgb8 key) {
    Canvas canvas(4, 4);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(2, 2, 0, 2, 2, 2.0);
    addStop(p, 0, rgb(255, 255, 255));
    addStop(p, 0.5, rgb(238, 244, 255));
    addStop(p, 1, rgb(186, 202, 236));
    cairo_set_source(cr, p);
    circlePath(cr, 2, 2, 1.9);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Light edges only: a flake may fall over the dark sky or the white board.
    return resolveKeyed(canvas, {key, EdgeBlend::OwnColour, {}, 128});
}

} // namespace game::tools
