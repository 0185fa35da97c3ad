// Lays all pictures of a data folder out enlarged on one PNG, key colours shown as a
// checkerboard:  contact_sheet <data folder> <out.png>

#include "look/image_file.hpp"
#include "look/sheet.hpp"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

using namespace game::tools;

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kGap = 14;
constexpr int kLabel = 16;

int enlargement(const Picture& p) {
    const int longest = std::max(p.width, p.height);
    if (longest <= 16) {
        return 8;
    }
    if (longest <= 70) {
        return 5;
    }
    if (longest <= 200) {
        return 3;
    }
    return longest <= 450 ? 2 : 1;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    const double cell = 6;
    for (double j = 0; j < h; j += cell) {
        for (double i = 0; i < w; i += cell) {
            const bool dark = (static_cast<int>(i / cell) + static_cast<int>(j / cell)) % 2 != 0;
            cairo_set_source_rgb(cr, dark ? 0.62 : 0.80, dark ? 0.62 : 0.80, dark ? 0.62 : 0.80);
            cairo_rectangle(cr, x + i, y + j, std::min(cell, w - i), std::min(cell, h - j));
            cairo_fill(cr);
        }
    }
}

void run(const std::string& dir, const std::string& out) {
    struct Placed {
        Picture picture;
        const PictureFile* file;
        int scale, x, y;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const PictureFile& f : kPictureFiles) {
        Picture p = readPicture(dir + "/" + f.name);
        const int s = enlargement(p);
        const int w = p.width * s, h = p.height * s + kLabel;
        if (x + w + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({std::move(p), &f, s, x, y});
        x += std::max(w, 110) + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    const int height = y + rowHeight + kGap;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    for (const Placed& p : placed) {
        const bool jpeg = std::string(p.file->name).ends_with(".jpg");
        const int w = p.picture.width * p.scale, h = p.picture.height * p.scale;
        checkerboard(cr, p.x, p.y + kLabel, w, h);
        cairo_surface_t* img = pictureSurface(p.picture, p.file->key, !jpeg);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y + kLabel);
        cairo_scale(cr, p.scale, p.scale);
        cairo_set_source_surface(cr, img, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(img);
        char label[96];
        std::snprintf(label, sizeof label, "%s %dx%d x%d", p.file->name, p.picture.width,
                      p.picture.height, p.scale);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
        cairo_move_to(cr, p.x, p.y + 11);
        cairo_show_text(cr, label);
    }
    cairo_destroy(cr);
    if (cairo_surface_write_to_png(sheet, out.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + out);
    }
    cairo_surface_destroy(sheet);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: contact_sheet <data folder> <out.png>\n");
        return 2;
    }
    try {
        run(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contact_sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
