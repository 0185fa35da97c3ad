// The game's name in festive lettering: round red candy letters with a golden rim and snow lying
// on top.
// The font file is opened directly through FreeType with hinting off, so the outlines, and
// with them the picture, are the same on every machine that has the same font file.

#include "art/paint.hpp"
#include "art/pictures.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace game::tools {

namespace {

constexpr int kTitleWidth = 440;
constexpr int kTitleHeight = 60; // the preview balls start at y = 60
constexpr const char* kName = "Zuravozidizuvav";
constexpr double kLetterSpacing = 0.02;

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

// Sets the title font on cr; the returned font face belongs to the caller.
cairo_font_face_t* useFont(cairo_t* cr, FT_Library library, const std::string& fontFile) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        throw std::runtime_error("cannot open font " + fontFile);
    }
    cairo_font_face_t* fontFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_font_face_set_user_data(fontFace, &kFaceKey, face, releaseFace);
    cairo_set_font_face(cr, fontFace);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    return fontFace;
}

// The name's glyphs at the given size, each letter moved apart by a fixed share of the size.
std::vector<cairo_glyph_t> spacedGlyphs(cairo_t* cr, double size) {
    cairo_set_font_size(cr, size);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, kName, -1, &glyphs,
                                         &count, nullptr, nullptr,
                                         nullptr) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot lay out the title");
    }
    std::vector<cairo_glyph_t> out(glyphs, glyphs + count);
    cairo_glyph_free(glyphs);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i].x += static_cast<double>(i) * size * kLetterSpacing;
    }
    return out;
}

} // namespace

Picture makeTitle(const Picture& background, const std::string& fontFile, Rgb8 key) {
    // Cairo may keep the face in its caches after we let go of it, so the library stays open
    // until the program ends.
    static FT_Library library = nullptr;
    if (library == nullptr && FT_Init_FreeType(&library) != 0) {
        throw std::runtime_error("cannot start FreeType");
    }
    Picture picture;
    {
        Canvas canvas(kTitleWidth, kTitleHeight);
        cairo_t* cr = canvas.cr();
        cairo_font_face_t* fontFace = useFont(cr, library, fontFile);

        // Fit the word into the picture with room for rim, snow and shadow; the letters stand a
        // little apart so that each keeps its own rim.
        const std::vector<cairo_glyph_t> atSize100 = spacedGlyphs(cr, 100);
        cairo_text_extents_t ext;
        cairo_glyph_extents(cr, atSize100.data(), static_cast<int>(atSize100.size()), &ext);
        const double scale =
            std::min((kTitleWidth - 16) / ext.width, (kTitleHeight - 12) / ext.height);
        std::vector<cairo_glyph_t> glyphs = spacedGlyphs(cr, 100 * scale);
        cairo_glyph_extents(cr, glyphs.data(), static_cast<int>(glyphs.size()), &ext);
        const double x = (kTitleWidth - ext.width) / 2 - ext.x_bearing;
        const double y = 6 - ext.y_bearing;
        for (cairo_glyph_t& g : glyphs) {
            g.x += x;
            g.y += y;
        }
        cairo_glyph_path(cr, glyphs.data(), static_cast<int>(glyphs.size()));
        cairo_path_t* path = cairo_copy_path(cr);
        cairo_new_path(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

        // Shadow falling down to the right.
        for (int i = 3; i >= 1; --i) {
            cairo_save(cr);
            cairo_translate(cr, i * 0.9, i * 1.1);
            cairo_append_path(cr, path);
            cairo_set_line_width(cr, 4.5);
            setColour(cr, rgb(2, 4, 16), 0.35);
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        // Dark outline, golden rim, red letters.
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, 6.0);
        setColour(cr, rgb(70, 8, 14));
        cairo_stroke_preserve(cr);
        cairo_pattern_t* gold = cairo_pattern_create_linear(0, y + ext.y_bearing, 0, y);
        addStop(gold, 0, rgb(255, 238, 150));
        addStop(gold, 0.5, rgb(228, 172, 46));
        addStop(gold, 1, rgb(170, 110, 20));
        cairo_set_source(cr, gold);
        cairo_set_line_width(cr, 3.6);
        cairo_stroke_preserve(cr);
        cairo_pattern_destroy(gold);
        cairo_pattern_t* red = cairo_pattern_create_linear(0, y + ext.y_bearing, 0, y);
        addStop(red, 0, rgb(246, 74, 70));
        addStop(red, 0.55, rgb(204, 22, 34));
        addStop(red, 1, rgb(136, 8, 22));
        cairo_set_source(cr, red);
        cairo_fill(cr);
        cairo_pattern_destroy(red);

        // Snow lying on the upper edges of the letters: the letters minus themselves moved down.
        cairo_push_group(cr);
        cairo_translate(cr, 0, -1.6);
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, 2.4);
        setColour(cr, rgb(248, 252, 255));
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        cairo_translate(cr, 0.6, 4.6);
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, 2.6);
        setColour(cr, rgb(0, 0, 0));
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);

        cairo_path_destroy(path);
        cairo_set_font_face(cr, nullptr);
        cairo_font_face_destroy(fontFace);

        const Rgb8 matte =
            meanColour(background, layout::kTitleX, layout::kTitleY, kTitleWidth, kTitleHeight);
        picture = resolveKeyed(canvas, {key, EdgeBlend::OverMatte, matte, 120});
    }
    return picture;
}

} // namespace game::tools
