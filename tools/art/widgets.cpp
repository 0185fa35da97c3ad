// The menu tab (also the score panel), the undo button, the page panel and the mouse pointer.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <cmath>

namespace game::tools {

namespace {

using layout::kPanelHeight;
using layout::kPanelWidth;
using layout::kTabHeight;
using layout::kTabWidth;

constexpr Colour kVelvetTop = rgb(178, 34, 40);
constexpr Colour kVelvetBottom = rgb(112, 14, 24);
constexpr Colour kGoldLight = rgb(255, 232, 140);
constexpr Colour kGold = rgb(222, 170, 52);
constexpr Colour kGoldDark = rgb(140, 92, 16);

cairo_pattern_t* goldGradient(double x0, double y0, double x1, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStop(p, 0, kGoldLight);
    addStop(p, 0.5, kGold);
    addStop(p, 1, kGoldDark);
    return p;
}

// The tab's outline: square on the left (it comes out of the screen edge), round on the right.
void tabPath(cairo_t* cr, double inset) {
    const double r = 12 - inset;
    const double right = kTabWidth - 0.5 - inset;
    const double top = 0.5 + inset, bottom = kTabHeight - 0.5 - inset;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -5, top);
    cairo_arc(cr, right - r, top + r, r, -kPi / 2, 0);
    cairo_arc(cr, right - r, bottom - r, r, 0, kPi / 2);
    cairo_line_to(cr, -5, bottom);
    cairo_close_path(cr);
}

void drawVelvet(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    addStop(p, 0, shade(kVelvetTop, 1.12));
    addStop(p, 0.18, kVelvetTop);
    addStop(p, 1, kVelvetBottom);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    // A faint weave of diagonal lines, the feel of cloth.
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.6);
    for (double x = x0 - (y1 - y0); x < x1; x += 4) {
        cairo_move_to(cr, x, y1);
        cairo_line_to(cr, x + (y1 - y0), y0);
    }
    setColour(cr, rgb(255, 255, 255), 0.05);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

Picture makeMenuTab(const Picture& background, Rgb8 key) {
    Canvas canvas(kTabWidth, kTabHeight);
    cairo_t* cr = canvas.cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    tabPath(cr, 0);
    setColour(cr, rgb(60, 30, 8));
    cairo_fill(cr);
    tabPath(cr, 1);
    cairo_pattern_t* gold = goldGradient(0, 0, 0, kTabHeight);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    tabPath(cr, 3);
    drawVelvet(cr, 0, 3, kTabWidth, kTabHeight - 3);
    cairo_new_path(cr);

    // The end that peeks out at rest: a golden knob with an arrow pointing into the screen.
    const double knobLeft = kTabWidth - 10;
    cairo_save(cr);
    tabPath(cr, 1);
    cairo_clip(cr);
    cairo_rectangle(cr, knobLeft, 0, 10, kTabHeight);
    gold = goldGradient(knobLeft, 0, kTabWidth, kTabHeight);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    cairo_move_to(cr, knobLeft + 0.5, 2);
    cairo_line_to(cr, knobLeft + 0.5, kTabHeight - 2);
    setColour(cr, rgb(90, 50, 8));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
    const double ax = knobLeft + 2.2, ay = kTabHeight / 2.0;
    cairo_move_to(cr, ax, ay - 5.5);
    cairo_line_to(cr, ax + 4.6, ay);
    cairo_line_to(cr, ax, ay + 5.5);
    cairo_close_path(cr);
    setColour(cr, rgb(150, 16, 28));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(80, 6, 14));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);

    const Rgb8 matte = meanColour(background, 0, 40, 12, 430);
    return resolveKeyed(canvas, {key, EdgeBlend::OverMatte, matte, 120});
}

Picture makeUndo(const Picture& background, Rgb8 key) {
    const int w = 56, h = 38;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 1, 1, w - 2, h - 2, 10);
    setColour(cr, rgb(60, 30, 8));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gold = goldGradient(0, 0, 0, h);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    roundedRectPath(cr, 3.5, 3.5, w - 7, h - 7, 8);
    drawVelvet(cr, 0, 3, w, h - 3);
    cairo_new_path(cr);

    // A curved arrow turning back to the left.
    const double cx = w / 2.0 + 2, cy = h / 2.0 + 3, r = 9.5;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, -kPi * 0.95, kPi * 0.25);
        cairo_set_line_width(cr, pass == 0 ? 6.0 : 3.6);
        setColour(cr, pass == 0 ? rgb(70, 8, 16) : rgb(255, 250, 236));
        cairo_stroke(cr);
        const double tipX = cx - r - 0.2, tipY = cy - 1.0;
        cairo_move_to(cr, tipX - 6.0, tipY - 1.5);
        cairo_line_to(cr, tipX + 0.8, tipY - 9.0);
        cairo_line_to(cr, tipX + 5.5, tipY + 0.5);
        cairo_close_path(cr);
        if (pass == 0) {
            cairo_set_line_width(cr, 2.4);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            setColour(cr, rgb(70, 8, 16));
            cairo_stroke_preserve(cr);
        }
        setColour(cr, pass == 0 ? rgb(70, 8, 16) : rgb(255, 250, 236));
        cairo_fill(cr);
    }
    const Rgb8 matte = meanColour(background, layout::kUndoX, layout::kUndoY, w, h);
    return resolveKeyed(canvas, {key, EdgeBlend::OverMatte, matte, 120});
}

Picture makePanel() {
    Canvas canvas(kPanelWidth, kPanelHeight);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(kPanelWidth * 0.4, kPanelHeight * 0.3, 20,
                                                     kPanelWidth / 2.0, kPanelHeight / 2.0, 300);
    addStop(p, 0, rgb(26, 72, 46));
    addStop(p, 1, rgb(10, 36, 24));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);

    // Faint snow crystals in the cloth.
    Rng rng(2412);
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(20, kPanelWidth - 20), y = rng.range(20, kPanelHeight - 20);
        const double r = rng.range(5, 11);
        for (int k = 0; k < 3; ++k) {
            const double a = k * kPi / 3 + rng.range(0, 0.01);
            cairo_move_to(cr, x - r * std::cos(a), y - r * std::sin(a));
            cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
        }
    }
    setColour(cr, rgb(120, 190, 140), 0.07);
    cairo_stroke(cr);

    // Frame: dark edge, golden band, thin inner gold line.
    cairo_rectangle(cr, 1, 1, kPanelWidth - 2, kPanelHeight - 2);
    setColour(cr, rgb(30, 18, 4));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 5, 5, kPanelWidth - 10, kPanelHeight - 10);
    cairo_pattern_t* gold = goldGradient(0, 0, kPanelWidth, kPanelHeight);
    cairo_set_source(cr, gold);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    cairo_rectangle(cr, 11.5, 11.5, kPanelWidth - 23, kPanelHeight - 23);
    setColour(cr, kGold, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Holly in two corners, clear of the titles, the texts and the peeking balls.
    auto holly = [cr](double x, double y, double turn) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, turn);
        for (int side = -1; side <= 1; side += 2) {
            cairo_save(cr);
            cairo_scale(cr, side, 1);
            cairo_move_to(cr, 0, 0);
            cairo_curve_to(cr, 5, -6, 14, -6, 20, -2);
            cairo_curve_to(cr, 15, 0, 14, 5, 10, 5);
            cairo_curve_to(cr, 6, 5, 3, 3, 0, 0);
            cairo_restore(cr);
        }
        setColour(cr, rgb(30, 120, 56));
        cairo_fill_preserve(cr);
        setColour(cr, rgb(8, 50, 22));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (int k = 0; k < 3; ++k) {
            circlePath(cr, (k - 1) * 4.0, -2 + (k == 1 ? -3 : 0), 3.2);
        }
        setColour(cr, rgb(210, 28, 40));
        cairo_fill_preserve(cr);
        setColour(cr, rgb(100, 8, 18));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    holly(kPanelWidth - 30, 26, 0.5);
    holly(30, kPanelHeight - 22, -0.4 + kPi);
    return resolveOpaque(canvas);
}

Picture makeCursor(Rgb8 key) {
    Canvas canvas(14, 22);
    cairo_t* cr = canvas.cr();
    // The tip sits on the centre of the top-left pixel.
    const double pts[][2] = {{0.5, 0.5},  {0.5, 17.0}, {4.4, 13.4}, {7.2, 19.8},
                             {9.8, 18.7}, {7.0, 12.4}, {12.2, 12.4}};
    for (const auto& q : pts) {
        cairo_line_to(cr, q[0], q[1]);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 10, 18);
    addStop(p, 0, rgb(255, 255, 255));
    addStop(p, 1, rgb(255, 222, 140));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, rgb(120, 12, 24));
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
    Picture picture = resolveKeyed(canvas, {key, EdgeBlend::OwnColour, {}, 110});
    picture.at(0, 0) = {120, 12, 24}; // the hot spot is always a visible pixel
    return picture;
}

} // namespace game::tools
