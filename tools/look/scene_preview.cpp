// Composes game scenes from a data folder the way the game draws its frames, to look at the
// pictures together:  scene_preview <data folder> <out.png> [page]
// Without "page" it shows a running game; with it, the help page slid in over the board.

#include "art/paint.hpp"
#include "look/image_file.hpp"
#include "look/sheet.hpp"

#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using namespace game::tools;

namespace {

class Scene {
public:
    explicit Scene(const std::string& dir) : dir_(dir), frame_(640, 480) {
        for (const PictureFile& f : kPictureFiles) {
            pictures_[f.name] = readPicture(dir + "/" + f.name);
            keys_[f.name] = f.key;
        }
    }

    // A keyed copy, clipped to the screen; clipX/clipW pick a part of a strip.
    void draw(const std::string& name, int x, int y, int clipX = 0, int clipW = -1) {
        const Picture& p = pictures_.at(name);
        const Rgb8 key = keys_.at(name);
        const bool keyed = name != "wkhg.jpg" && !name.ends_with(".jpg");
        const int w = clipW < 0 ? p.width : clipW;
        for (int j = 0; j < p.height; ++j) {
            for (int i = 0; i < w; ++i) {
                const int sx = x + i, sy = y + j;
                if (sx < 0 || sy < 0 || sx >= 640 || sy >= 480) {
                    continue;
                }
                const Rgb8 c = p.at(clipX + i, j);
                if (keyed && c == key) {
                    continue;
                }
                frame_.at(sx, sy) = c;
            }
        }
    }

    Picture& frame() { return frame_; }

private:
    std::string dir_;
    Picture frame_;
    std::map<std::string, Picture> pictures_;
    std::map<std::string, Rgb8> keys_;
};

const char* kBalls[] = {"Ball_red.bmp",  "Ball_blue.bmp",  "Ball_green.bmp", "Ball_yellow.bmp",
                        "Ball_pink.bmp", "Ball_brown.bmp", "Ball_silver.bmp"};
const char* kBroken[] = {"Broken_red.bmp",    "Broken_blue.bmp", "Broken_green.bmp",
                         "Broken_yellow.bmp", "Broken_pink.bmp", "Broken_brown.bmp",
                         "Broken_silver.bmp"};
const char* kFacesByNumber[] = {"smile.bmp",  "affraid.bmp",   "aahhh.bmp",
                                "brpng.bmp",  "frtng.bmp",     "blnzln.bmp",
                                "lookup.bmp", "lookdownl.bmp", "lookdownr.bmp"};

int squareX(int col, int row) {
    return 200 + 40 * col - 20 * row;
}
int squareY(int col, int row) {
    return 150 + 10 * col + 20 * row;
}

struct Text {
    int x, y;
    std::string s;
    int style;
};

// The relief styles of the game: upper-left colour, lower-right colour, face colour.
void drawRelief(cairo_t* cr, const Text& t) {
    static const int styles[5][3][3] = {
        {},
        {{62, 39, 18}, {178, 142, 109}, {255, 255, 255}},
        {{228, 226, 194}, {93, 90, 28}, {181, 175, 55}},
        {{93, 90, 28}, {228, 226, 194}, {181, 175, 55}},
        {{-1, 0, 0}, {46, 45, 14}, {213, 209, 135}},
    };
    const auto& st = styles[t.style];
    const int offsets[3][3][2] = {{{-1, 0}, {-1, -1}, {0, -1}}, {{0, 1}, {1, 1}, {1, 0}}, {{0, 0}}};
    const int counts[3] = {3, 3, 1};
    for (int layer = 0; layer < 3; ++layer) {
        if (st[layer][0] < 0) {
            continue;
        }
        cairo_set_source_rgb(cr, st[layer][0] / 255.0, st[layer][1] / 255.0, st[layer][2] / 255.0);
        for (int k = 0; k < counts[layer]; ++k) {
            cairo_move_to(cr, t.x + offsets[layer][k][0], t.y + offsets[layer][k][1] + 12);
            cairo_show_text(cr, t.s.c_str());
        }
    }
}

void run(const std::string& dir, const std::string& out, bool page) {
    Scene scene(dir);
    Rng rng(page ? 5 : 3);
    std::vector<Text> texts;

    scene.draw("wkhg.jpg", 0, 0);
    const int hoverCol = 5, hoverRow = 6, selCol = 2, selRow = 3;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            scene.draw("field.bmp", squareX(col, row), squareY(col, row) - 2);
        }
    }
    scene.draw("highlighted.bmp", squareX(hoverCol, hoverRow),
               squareY(hoverCol, hoverRow) - 2 - 3 - 2);
    int shown = 0;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            if ((col + 2 * row) % 5 == 4 || (col == 7 && row == 1)) {
                continue; // a few empty squares
            }
            const int colour = rng.below(7);
            int face = 0, jx = 0, jy = 0, height = 0;
            if (col == hoverCol && row == hoverRow) {
                face = 1;
                jx = 1;
            } else if (col == selCol && row == selRow) {
                face = 2;
                height = 18;
            } else if (rng.below(4) == 0) {
                face = 3 + (shown++ % 6);
            }
            const int x = squareX(col, row) + 15 + jx, y = squareY(col, row) - (height + 12) + jy;
            scene.draw(kBalls[colour], x, y);
            scene.draw(kFacesByNumber[face], x, y);
        }
    }
    for (int i = 0; i < 100; ++i) {
        scene.draw("wkschn.bmp", rng.below(640), rng.below(470));
    }
    scene.draw("wktanne.bmp", 40, 330);
    scene.draw("title.bmp", 190, 0);
    const int tabY[] = {40, 85, 155, 200, 245, 315, 360, 430};
    const int labelX[] = {35, 50, 14, 61, 36, 93, 50, 90};
    const char* labels[] = {"Spiel beenden", "Bestenliste",   "Spiel ist       Mittel",
                            "Ton ist an",    "Schnee ist an", "Hilfe",
                            "Wer war's?",    "Ende"};
    for (int i = 0; i < 8; ++i) {
        const int x = page ? (i == 5 ? 0 : -134) : (i == 2 ? 0 : (i == 4 ? -70 : -134));
        scene.draw("menu.bmp", x, tabY[i]);
        if (x >= -114) {
            texts.push_back({x + labelX[i], tabY[i] + 11, labels[i], 1});
        }
    }
    scene.draw("menu.bmp", 450, 100);
    texts.push_back({535, 105, "Punkte:", 1});
    texts.push_back({460, 118, "1385", 1});
    scene.draw("Undo.bmp", 582, 442);
    for (int k = 0; k <= 4; ++k) {
        scene.draw(kBalls[(k * 3 + 1) % 7], 605 - 35 * k, 60);
        scene.draw("smile.bmp", 605 - 35 * k, 60);
    }
    const int px = 160;
    if (page) {
        scene.draw("textbg.jpg", px, 150);
        texts.push_back({px + 110, 165, "ZURAVOZIDIZUVAV - HILFE", 3});
        const char* help[] = {"Kleines Christbaumkugel-Verschiebe-Spiel",
                              "",
                              "Mindestens 5 Kugeln einer Farbe m\xc3\xbcssen in einer",
                              "Reihe vertikal, horizontal oder diagonal stehen,",
                              "damit sie verschwinden und das Spielfeld sich",
                              "nicht zu schnell f\xc3\xbcllt. Denn dann ist das Spiel",
                              "zu ende.",
                              "Dieser Hilfe-Bildschirm (und auch die Bestenliste",
                              "und die Info) verschwindet, wenn man einfach drauf",
                              "klickt. Alles weitere erkl\xc3\xa4rt sich wohl selbst  ;-)"};
        for (int k = 0; k < 10; ++k) {
            texts.push_back({px + 30, 220 + 16 * k, help[k], 4});
        }
    }

    // Texts go onto the frame with Cairo, in a bold sans of the game's text size.
    cairo_surface_t* surface = pictureSurface(scene.frame(), {1, 2, 3}, false);
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 12);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
    for (const Text& t : texts) {
        drawRelief(cr, t);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    // Back into the frame, then shards, the mascot, the cursor and the front snow on top.
    {
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const unsigned char* q = data + y * stride + x * 4;
                scene.frame().at(x, y) = {q[2], q[1], q[0]};
            }
        }
    }
    cairo_surface_destroy(surface);
    for (int s = 0; s < 11; ++s) {
        const double a = s * 0.57;
        scene.draw(kBroken[s % 7], static_cast<int>(520 + std::cos(a) * (30 + s * 6)),
                   static_cast<int>(300 + std::sin(a) * (20 + s * 5)), 11 * (s % 6), 11);
    }
    if (page) {
        scene.draw("Ball_pink.bmp", px + 30, 185);
        scene.draw("lookdownr.bmp", px + 30, 185);
    }
    scene.draw("wkcrsr.bmp", squareX(hoverCol, hoverRow) + 34, squareY(hoverCol, hoverRow) + 6);
    for (int i = 0; i < 100; ++i) {
        scene.draw("wkschn.bmp", rng.below(640), rng.below(470));
    }

    cairo_surface_t* result = pictureSurface(scene.frame(), {}, false);
    if (cairo_surface_write_to_png(result, out.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + out);
    }
    cairo_surface_destroy(result);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: scene_preview <data folder> <out.png> [page]\n");
        return 2;
    }
    try {
        run(argv[1], argv[2], argc == 4 && std::string(argv[3]) == "page");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "scene_preview: %s\n", e.what());
        return 1;
    }
    return 0;
}
