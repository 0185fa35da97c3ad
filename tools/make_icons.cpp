// Draws the game's icon for the desktop:  make_icons <folder>
// writes zuravozidizuvav-<size>.png at the sizes desktops ask for, and zuravozidizuvav.svg.

#include "art/icon.hpp"

#include <cairo-svg.h>
#include <cairo.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

// Finishes the surface and reports its state (a write error shows up here).
bool finish(cairo_surface_t* surface, cairo_t* cr) {
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

bool writePng(const std::string& file, int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    game::tools::drawIcon(cr, size);
    const bool written = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
    return finish(surface, cr) && written;
}

bool writeSvg(const std::string& file) {
    constexpr int kSize = 256;
    cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), kSize, kSize);
    cairo_t* cr = cairo_create(surface);
    game::tools::drawIcon(cr, kSize);
    return finish(surface, cr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    constexpr std::array<int, 6> kSizes = {16, 32, 48, 64, 128, 256};
    for (const int size : kSizes) {
        const std::string file = dir + "/zuravozidizuvav-" + std::to_string(size) + ".png";
        if (!writePng(file, size)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    if (!writeSvg(dir + "/zuravozidizuvav.svg")) {
        std::fprintf(stderr, "make_icons: cannot write %s/zuravozidizuvav.svg\n", dir.c_str());
        return 1;
    }
    return 0;
}
