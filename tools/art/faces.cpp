// The nine faces the balls wear. A face is drawn over the ball at the same place, so everything
// but the eyes, brows, cheeks and mouth is transparent.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <array>
#include <cmath>

namespace game::tools {

namespace {

constexpr Colour kInk = rgb(40, 16, 22);
constexpr Colour kEyeWhite = rgb(255, 255, 255);
constexpr Colour kMouth = rgb(120, 18, 30);
constexpr Colour kTongue = rgb(238, 92, 110);
constexpr Colour kCheek = rgb(255, 138, 150);

constexpr double kEyeY = 13.6;
constexpr double kLeftEyeX = 10.7;
constexpr double kRightEyeX = 19.3;
constexpr double kMouthY = 19.6;

const std::array<const char*, kFaces> kNames = {
    "smile", "affraid", "aahhh", "brpng", "frtng", "blnzln", "lookup", "lookdownl", "lookdownr"};

struct Eye {
    double rx = 2.5, ry = 3.1;
    double pupilR = 1.85;
    double lookX = 0, lookY = 0.4; // where the pupil sits inside the eye
};

void drawEye(cairo_t* cr, double cx, double cy, const Eye& eye) {
    ellipsePath(cr, cx, cy, eye.rx, eye.ry);
    setColour(cr, kEyeWhite);
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    // The pupil stays inside the eye wherever it looks.
    cairo_save(cr);
    ellipsePath(cr, cx, cy, eye.rx, eye.ry);
    cairo_clip(cr);
    const double px = cx + eye.lookX, py = cy + eye.lookY;
    ellipsePath(cr, px, py, eye.pupilR * 0.9, eye.pupilR * 1.1);
    setColour(cr, kInk);
    cairo_fill(cr);
    circlePath(cr, px - 0.55, py - 0.75, 0.75);
    setColour(cr, kEyeWhite);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawEyes(cairo_t* cr, const Eye& eye) {
    drawEye(cr, kLeftEyeX, kEyeY, eye);
    drawEye(cr, kRightEyeX, kEyeY, eye);
}

void drawCheeks(cairo_t* cr, double r = 1.5) {
    ellipsePath(cr, 6.4, 18.6, r * 1.15, r * 0.8);
    ellipsePath(cr, 23.6, 18.6, r * 1.15, r * 0.8);
    setColour(cr, kCheek);
    cairo_fill(cr);
}

// The open smile: a flat top and a round bottom, with a tongue.
void drawSmile(cairo_t* cr, double halfWidth = 4.2, double depth = 3.6) {
    const double cx = 15.0, y = kMouthY;
    cairo_move_to(cr, cx - halfWidth, y);
    cairo_curve_to(cr, cx - halfWidth + 0.6, y + depth * 1.3, cx + halfWidth - 0.6, y + depth * 1.3,
                   cx + halfWidth, y);
    cairo_curve_to(cr, cx + halfWidth * 0.4, y + 0.8, cx - halfWidth * 0.4, y + 0.8, cx - halfWidth,
                   y);
    cairo_close_path(cr);
    setColour(cr, kMouth);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    ellipsePath(cr, cx + 0.6, y + depth + 0.6, halfWidth * 0.55, depth * 0.55);
    setColour(cr, kTongue);
    cairo_fill(cr);
    cairo_restore(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

// Closed eyes: an arc per eye, bulging up for a happy squint, down for a blink.
void drawClosedEyes(cairo_t* cr, bool happy) {
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double cx : {kLeftEyeX, kRightEyeX}) {
        cairo_new_sub_path(cr);
        if (happy) {
            cairo_arc(cr, cx, kEyeY + 1.2, 2.5, kPi * 1.1, kPi * 1.9);
        } else {
            cairo_arc_negative(cr, cx, kEyeY - 0.8, 2.6, kPi * 0.9, kPi * 0.1);
        }
    }
    setColour(cr, kInk);
    cairo_stroke(cr);
}

void drawBrows(cairo_t* cr, double lift, double tilt) {
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double y = kEyeY - 4.4 - lift;
    cairo_move_to(cr, kLeftEyeX - 2.4, y + tilt);
    cairo_line_to(cr, kLeftEyeX + 2.2, y - tilt);
    cairo_move_to(cr, kRightEyeX - 2.2, y - tilt);
    cairo_line_to(cr, kRightEyeX + 2.4, y + tilt);
    setColour(cr, kInk);
    cairo_stroke(cr);
}

void faceSmile(cairo_t* cr, double lookX, double lookY) {
    Eye eye;
    eye.lookX = lookX;
    eye.lookY = lookY;
    drawEyes(cr, eye);
    drawCheeks(cr);
    drawSmile(cr);
}

// Afraid: wide eyes with tiny pupils, worried brows, a trembling mouth and a bead of sweat.
void faceAfraid(cairo_t* cr) {
    Eye eye;
    eye.rx = 2.9;
    eye.ry = 3.5;
    eye.pupilR = 1.0;
    eye.lookY = 0;
    drawEyes(cr, eye);
    drawBrows(cr, 0.6, 1.0);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 10.4, kMouthY + 2.2);
    for (int i = 1; i <= 6; ++i) {
        cairo_line_to(cr, 10.4 + i * 1.55, kMouthY + 2.2 + ((i % 2 != 0) ? -1.3 : 0.0));
    }
    setColour(cr, kInk);
    cairo_stroke(cr);
    // Sweat drop above the right eye.
    cairo_move_to(cr, 23.6, 6.6);
    cairo_curve_to(cr, 25.4, 9.2, 25.4, 10.6, 23.6, 10.8);
    cairo_curve_to(cr, 21.8, 10.6, 21.8, 9.2, 23.6, 6.6);
    setColour(cr, rgb(170, 220, 255));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(40, 90, 160));
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
}

// "Aahhh": in the air, eyes wide, mouth a big round O.
void faceAahhh(cairo_t* cr) {
    Eye eye;
    eye.rx = 2.8;
    eye.ry = 3.4;
    eye.pupilR = 1.3;
    eye.lookY = -0.6;
    drawEyes(cr, eye);
    drawBrows(cr, 1.6, 0.35);
    ellipsePath(cr, 15.0, kMouthY + 2.4, 2.9, 3.5);
    setColour(cr, kMouth);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    ellipsePath(cr, 15.0, kMouthY + 5.4, 2.4, 1.8);
    setColour(cr, kTongue);
    cairo_fill(cr);
    cairo_restore(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

// Burp: eyes squeezed happily shut, puffed cheeks, a lopsided open mouth.
void faceBurp(cairo_t* cr) {
    drawClosedEyes(cr, true);
    drawCheeks(cr, 2.1);
    cairo_save(cr);
    cairo_translate(cr, 16.2, kMouthY + 1.8);
    cairo_rotate(cr, -0.25);
    ellipsePath(cr, 0, 0, 3.6, 2.3);
    cairo_restore(cr);
    setColour(cr, kMouth);
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    // A little bubble escaping.
    circlePath(cr, 22.5, kMouthY + 4.4, 1.3);
    setColour(cr, rgb(225, 240, 255));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(60, 100, 150));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

// Raspberry: eyes pinched shut, lips pressed together and the tongue stuck out.
void faceRaspberry(cairo_t* cr) {
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, kLeftEyeX - 2.2, kEyeY - 2.0);
    cairo_line_to(cr, kLeftEyeX + 2.0, kEyeY);
    cairo_line_to(cr, kLeftEyeX - 2.2, kEyeY + 2.0);
    cairo_move_to(cr, kRightEyeX + 2.2, kEyeY - 2.0);
    cairo_line_to(cr, kRightEyeX - 2.0, kEyeY);
    cairo_line_to(cr, kRightEyeX + 2.2, kEyeY + 2.0);
    setColour(cr, kInk);
    cairo_stroke(cr);
    drawCheeks(cr, 1.8);
    // Tongue first, then the lips over its root.
    cairo_move_to(cr, 12.6, kMouthY + 1.0);
    cairo_line_to(cr, 12.6, kMouthY + 4.2);
    cairo_arc_negative(cr, 15.0, kMouthY + 4.2, 2.4, kPi, 0);
    cairo_line_to(cr, 17.4, kMouthY + 1.0);
    cairo_close_path(cr);
    setColour(cr, kTongue);
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, 15.0, kMouthY + 1.6);
    cairo_line_to(cr, 15.0, kMouthY + 4.4);
    setColour(cr, rgb(170, 40, 60));
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_move_to(cr, 10.0, kMouthY + 0.6);
    cairo_curve_to(cr, 13.0, kMouthY + 1.8, 17.0, kMouthY + 1.8, 20.0, kMouthY + 0.6);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    // Spray.
    setColour(cr, rgb(200, 235, 255));
    circlePath(cr, 20.6, kMouthY + 4.4, 0.8);
    circlePath(cr, 9.4, kMouthY + 4.0, 0.7);
    cairo_fill(cr);
}

void faceBlink(cairo_t* cr) {
    drawClosedEyes(cr, false);
    drawCheeks(cr);
    drawSmile(cr);
}

} // namespace

const char* faceName(int index) {
    return kNames[static_cast<std::size_t>(index)];
}

Picture makeFace(int face, Rgb8 key) {
    Canvas canvas(layout::kBallSize, layout::kBallSize);
    cairo_t* cr = canvas.cr();
    switch (face) {
    case 0:
        faceSmile(cr, 0, 0.4);
        break;
    case 1:
        faceAfraid(cr);
        break;
    case 2:
        faceAahhh(cr);
        break;
    case 3:
        faceBurp(cr);
        break;
    case 4:
        faceRaspberry(cr);
        break;
    case 5:
        faceBlink(cr);
        break;
    case 6:
        faceSmile(cr, 0, -1.6);
        break;
    case 7:
        faceSmile(cr, -1.1, 1.4);
        break;
    default:
        faceSmile(cr, 1.1, 1.4);
        break;
    }
    KeyedStyle style{key, EdgeBlend::OwnColour, {}, 120};
    return resolveKeyed(canvas, style);
}

} // namespace game::tools
