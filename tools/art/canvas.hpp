#pragma once
// Drawing surfaces for the picture makers and the way a drawing becomes a game picture: every
// pixel either fully opaque or exactly the picture's key colour.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace game::tools {

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

inline constexpr Rgb8 kBlackKey{0, 0, 0};
inline constexpr Rgb8 kMagentaKey{255, 0, 255};
inline constexpr Rgb8 kYellowKey{255, 255, 0};

// A finished picture: rows top first, every pixel opaque (key-coloured pixels are the holes).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}
    Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgb8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A Cairo image surface with its context; ARGB32, premultiplied, cleared to transparent.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Premultiplied channels of one pixel, 0..255.
    struct Argb {
        int a, r, g, b;
    };
    Argb pixel(int x, int y) const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// How a half-covered edge pixel gets its colour once it is made opaque.
enum class EdgeBlend {
    // Blended over a matte colour: right when the picture always sits on about that colour.
    OverMatte,
    // The drawing's own colour at full strength: right for small features drawn over pictures of
    // many colours (faces over every ball).
    OwnColour,
};

struct KeyedStyle {
    Rgb8 key;
    EdgeBlend blend = EdgeBlend::OverMatte;
    Rgb8 matte{};
    int alphaThreshold = 128; // coverage from which a pixel is part of the picture
};

// Turns the drawing into a keyed picture; no visible pixel ends up equal to the key.
Picture resolveKeyed(const Canvas& canvas, const KeyedStyle& style);
// Turns the drawing into an opaque picture, blending it over black where it is not covered.
Picture resolveOpaque(const Canvas& canvas);

// The nearest colour to c that is not the key, for visible pixels that happen to hit it.
Rgb8 avoidKey(Rgb8 c, Rgb8 key);

// Mean colour of a rectangle, for choosing a matte close to what a sprite is drawn on.
Rgb8 meanColour(const Picture& picture, int x, int y, int w, int h);

// 24-bit uncompressed Windows bitmap, rows bottom-up and padded to four bytes.
void writeBmp(const std::string& path, const Picture& picture);
// Baseline JPEG with full-resolution colour; libjpeg writes the same bytes for the same input.
void writeJpeg(const std::string& path, const Picture& picture, int quality);

} // namespace game::tools
