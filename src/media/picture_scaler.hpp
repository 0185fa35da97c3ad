#pragma once
// Where the game's picture sits in a window of any size, and how its pixels are scaled there on
// the CPU: the largest rectangle of the picture's aspect that fits, centred, black bars around
// it. Each picture pixel becomes a block of whole window pixels (nearest neighbour): at an
// integer factor every block is k x k, at other factors the blocks differ by at most one pixel
// and are spread evenly, so text edges stay sharp. The pointer is mapped back through the same
// blocks.

#include <cstdint>
#include <vector>

namespace game {

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
};

// The picture's place in a window; empty (w = h = 0) when the window has no area.
PixelRect letterbox(std::int32_t windowW, std::int32_t windowH, std::int32_t pictureW,
                    std::int32_t pictureH);

// The up to four black bars around the picture in the window, without empty ones.
std::vector<PixelRect> barsAround(const PixelRect& picture, std::int32_t windowW,
                                  std::int32_t windowH);

// The picture pixel under a window point, clamped to the picture.
void windowToPicture(const PixelRect& picture, std::int32_t pictureW, std::int32_t pictureH,
                     std::int32_t windowX, std::int32_t windowY, std::int32_t& x, std::int32_t& y);

// Nearest-neighbour scaling of a pictureW x pictureH picture into a rectangle of a 32-bit
// target. The tables are built once per size, so a frame costs table lookups and row copies.
struct ScaleTables {
    PixelRect to;                     // where the picture goes in the target
    std::vector<std::int32_t> srcX;   // per target column of the rectangle: the picture column
    std::vector<std::int32_t> srcY;   // per target row: the picture row
    std::vector<std::int32_t> firstX; // per picture column (+1 at the end): first target column
    std::vector<std::int32_t> firstY; // per picture row (+1 at the end): first target row
    std::int32_t wholeX = 0; // the width is this whole multiple of the picture's (0: it is not)
    // Otherwise, when the picture is blown up by less than 4: per picture column the width of its
    // block (empty when not).
    std::vector<std::uint8_t> runX;
};

ScaleTables makeScaleTables(const PixelRect& to, std::int32_t pictureW, std::int32_t pictureH);

// Scales the part x0..x1-1 x y0..y1-1 of the picture (pixels with pitch pictureW) into target
// (pitch in bytes); returns the target rectangle written (relative to the target's origin).
PixelRect scaleRegion(const ScaleTables& t, const std::uint32_t* picture, std::int32_t pictureW,
                      std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                      std::uint32_t* target, std::int32_t targetPitch);

} // namespace game
