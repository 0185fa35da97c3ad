// The decorated fir tree with its presents. It stands at the board's left corner and must stay
// below the board's lower edge: relative to the tree picture that edge is the line
// v = u / 4 (u to the right, v down, for u up to 360).

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <cmath>

namespace game::tools {

namespace {

constexpr int kTreeWidth = 196;
constexpr int kTreeHeight = 150;
constexpr double kTrunkX = 58;

struct Tier {
    double top, bottom, halfWidth;
};
constexpr Tier kTiers[] = {{31, 62, 21}, {46, 92, 33}, {66, 124, 46}};

// One layer of branches: a tent whose lower edge droops between the branch tips.
void tierPath(cairo_t* cr, const Tier& t) {
    cairo_move_to(cr, kTrunkX, t.top);
    cairo_curve_to(cr, kTrunkX + t.halfWidth * 0.3, t.top + (t.bottom - t.top) * 0.35,
                   kTrunkX + t.halfWidth * 0.8, t.bottom - 6, kTrunkX + t.halfWidth, t.bottom);
    const int tips = 5;
    for (int i = tips - 1; i >= 0; --i) {
        const double x0 = kTrunkX - t.halfWidth + (i + 1) * 2 * t.halfWidth / tips;
        const double x1 = kTrunkX - t.halfWidth + i * 2 * t.halfWidth / tips;
        cairo_curve_to(cr, x0 - 3, t.bottom - 5, x1 + 3, t.bottom - 5, x1, t.bottom);
    }
    cairo_curve_to(cr, kTrunkX - t.halfWidth * 0.8, t.bottom - 6, kTrunkX - t.halfWidth * 0.3,
                   t.top + (t.bottom - t.top) * 0.35, kTrunkX, t.top);
    cairo_close_path(cr);
}

void drawTier(cairo_t* cr, const Tier& t) {
    tierPath(cr, t);
    cairo_pattern_t* p =
        cairo_pattern_create_linear(kTrunkX - t.halfWidth, 0, kTrunkX + t.halfWidth, 0);
    addStop(p, 0, rgb(44, 128, 62));
    addStop(p, 0.55, rgb(22, 92, 46));
    addStop(p, 1, rgb(10, 58, 32));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, rgb(8, 40, 24));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // Needle strokes.
    cairo_set_line_width(cr, 0.8);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, kTrunkX + i * 1.5, t.top + 8);
        cairo_line_to(cr, kTrunkX + i * t.halfWidth / 3.6, t.bottom - 4);
    }
    setColour(cr, rgb(60, 150, 80), 0.35);
    cairo_stroke(cr);
    // Snow lying along the drooping lower edge.
    cairo_save(cr);
    tierPath(cr, t);
    cairo_clip(cr);
    const int tips = 5;
    for (int i = 0; i < tips; ++i) {
        const double x1 = kTrunkX - t.halfWidth + i * 2 * t.halfWidth / tips;
        const double x0 = x1 + 2 * t.halfWidth / tips;
        cairo_move_to(cr, x1, t.bottom);
        cairo_curve_to(cr, x1 + 3, t.bottom - 5, x0 - 3, t.bottom - 5, x0, t.bottom);
    }
    cairo_set_line_width(cr, 4.0);
    setColour(cr, rgb(236, 244, 255));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawGarland(cairo_t* cr, const Tier& t) {
    const double y0 = t.top + (t.bottom - t.top) * 0.45;
    const double w = t.halfWidth * 0.55;
    cairo_move_to(cr, kTrunkX - w, y0);
    cairo_curve_to(cr, kTrunkX - w * 0.3, y0 + 9, kTrunkX + w * 0.5, y0 + 10, kTrunkX + w + 4,
                   y0 + 3);
    cairo_set_line_width(cr, 1.4);
    setColour(cr, rgb(240, 196, 70));
    cairo_stroke(cr);
}

void drawStar(cairo_t* cr) {
    glow(cr, kTrunkX, 26, 12, rgb(255, 220, 120), 0.35);
    starPath(cr, kTrunkX, 26.5, 8.0, 3.4, 5);
    cairo_pattern_t* p = cairo_pattern_create_linear(kTrunkX - 6, 19, kTrunkX + 6, 33);
    addStop(p, 0, rgb(255, 246, 170));
    addStop(p, 1, rgb(230, 160, 20));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, rgb(150, 90, 10));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void drawBaubles(cairo_t* cr) {
    const double spots[][2] = {{50, 54},  {67, 58},  {40, 80},  {60, 86},  {76, 78},
                               {30, 112}, {48, 116}, {70, 110}, {88, 118}, {54, 100}};
    int colour = 0;
    for (const auto& s : spots) {
        const Colour c = ballBaseColour(colour++ % kBallColours);
        circlePath(cr, s[0], s[1], 3.0);
        cairo_pattern_t* p = cairo_pattern_create_radial(s[0] - 1, s[1] - 1, 0.3, s[0], s[1], 3);
        addStop(p, 0, shade(c, 1.6));
        addStop(p, 0.5, c);
        addStop(p, 1, shade(c, 0.5));
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // Little candle lights.
    const double lights[][2] = {{44, 66},  {72, 70},  {36, 98},  {82, 96},
                                {22, 120}, {62, 122}, {96, 108}, {58, 72}};
    for (const auto& l : lights) {
        glow(cr, l[0], l[1], 3.6, rgb(255, 236, 150), 0.9);
    }
}

void drawPresent(cairo_t* cr, double x, double y, double w, double h, Colour paper, Colour ribbon) {
    cairo_rectangle(cr, x, y, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
    addStop(p, 0, shade(paper, 1.25));
    addStop(p, 1, shade(paper, 0.7));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, shade(paper, 0.4));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    setColour(cr, ribbon);
    cairo_rectangle(cr, x + w / 2 - 1.6, y, 3.2, h);
    cairo_rectangle(cr, x, y + h * 0.4 - 1.6, w, 3.2);
    cairo_fill(cr);
    // The bow.
    cairo_set_line_width(cr, 1.6);
    ellipsePath(cr, x + w / 2 - 3.5, y - 2, 3.6, 2.2);
    ellipsePath(cr, x + w / 2 + 3.5, y - 2, 3.6, 2.2);
    cairo_stroke(cr);
}

} // namespace

Picture makeTree(const Picture& background, Rgb8 key) {
    Canvas canvas(kTreeWidth, kTreeHeight);
    cairo_t* cr = canvas.cr();

    // A drift of snow the tree and the presents stand in.
    ellipsePath(cr, 92, 150, 92, 14);
    setColour(cr, rgb(220, 230, 248));
    cairo_fill(cr);

    cairo_rectangle(cr, kTrunkX - 6, 118, 12, 22);
    setColour(cr, rgb(92, 56, 30));
    cairo_fill(cr);

    for (const Tier& t : kTiers) {
        drawTier(cr, t);
        drawGarland(cr, t);
    }
    drawBaubles(cr);
    drawStar(cr);

    drawPresent(cr, 98, 118, 30, 24, rgb(200, 30, 40), rgb(250, 210, 90));
    drawPresent(cr, 132, 127, 26, 18, rgb(40, 90, 200), rgb(240, 244, 255));
    drawPresent(cr, 160, 131, 22, 14, rgb(30, 140, 70), rgb(230, 40, 50));
    drawPresent(cr, 14, 128, 20, 15, rgb(240, 190, 30), rgb(200, 30, 40));

    // The drift again in front of the trunk and the lower boxes.
    ellipsePath(cr, 92, 156, 96, 12);
    setColour(cr, rgb(236, 242, 255));
    cairo_fill(cr);

    const Rgb8 matte =
        meanColour(background, layout::kTreeX, layout::kTreeY, kTreeWidth, kTreeHeight);
    return resolveKeyed(canvas, {key, EdgeBlend::OverMatte, matte, 120});
}

} // namespace game::tools
