#include "look/sheet.hpp"

#include <cstring>

namespace game::tools {

cairo_surface_t* pictureSurface(const Picture& picture, Rgb8 key, bool keyed) {
    cairo_surface_t* s =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb8 c = picture.at(x, y);
            std::uint32_t word = 0;
            if (!keyed || !(c == key)) {
                word = 0xFF000000u | static_cast<std::uint32_t>(c.r) << 16 |
                       static_cast<std::uint32_t>(c.g) << 8 | c.b;
            }
            std::memcpy(data + y * stride + x * 4, &word, sizeof word);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

} // namespace game::tools
