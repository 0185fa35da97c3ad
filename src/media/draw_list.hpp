#pragma once
// What is drawn into the back buffer during a frame is written down first and carried out when
// the frame is shown, and only on the 16 x 4 tiles whose drawing differs from what they hold.
// Each tile keeps a 64-bit signature of the drawing that made its pixels: the copies and fills
// that touched it, in order, from the last one that covered it whole and opaque. A tile whose
// signature comes out the same as the one it holds already shows those pixels. Most of a frame
// (the background, the board, the panels) is drawn the same way frame after frame, so only the
// parts around what moved are drawn, and only those are shown anew.
//
// The pixels come out exactly as if every copy and fill had been carried out at once, in the
// order given; a tile would keep stale pixels only if two different drawings had the same
// signature (odds of about 2^-64).

#include "media/font.hpp"
#include "media/picture_scaler.hpp"
#include "media/surface.hpp"

#include <cstdint>
#include <vector>

namespace game {

enum class DrawKind : std::uint8_t { Copy, KeyedCopy, Fill, Invert, Runs };

// One copy, fill or text, already cut to the target.
struct DrawOp {
    const Surface* source = nullptr; // copies only
    std::uint64_t content = 0;       // what is drawn: the picture's serial, a digest of the runs
    std::int32_t x = 0;              // the rectangle on the target
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
    std::int32_t fromX = 0; // copies: the rectangle's corner in the source; runs: their origin
    std::int32_t fromY = 0;
    std::uint32_t value = 0; // keyed copies: the key's colour bits; fills and runs: the colour
    std::uint32_t first = 0; // runs: where they are kept in the list, and how many
    std::uint32_t count = 0;
    DrawKind kind = DrawKind::Fill;
};

// A tile's row is one cache line of the back buffer and of every 640-pixel picture, as their
// pixels start on a line: a redrawn tile touches as few lines as its pixels need.
constexpr std::int32_t kDrawTileWidth = 16;
constexpr std::int32_t kDrawTileHeight = 4;
static_assert(kDrawTileWidth * sizeof(std::uint32_t) ==
              static_cast<std::size_t>(CacheLineAllocator<std::uint32_t>::kAlignment));

struct DrawList {
    std::int32_t width = 0; // of the target
    std::int32_t height = 0;
    std::int32_t columns = 0; // of tiles
    std::int32_t rows = 0;
    std::vector<DrawOp> ops;            // not yet carried out, in order
    std::vector<TextRun> runs;          // of the pending texts
    std::vector<std::uint64_t> coming;  // per tile: what it holds once the ops are carried out
    std::vector<std::uint64_t> held;    // per tile: what it holds now
    std::int32_t words = 0;             // of redraw per row of tiles
    std::vector<std::uint64_t> redraw;  // a bit per tile, while the ops are carried out
    std::vector<std::uint64_t> changed; // bits as redraw: drawn since the changes were last taken
    std::vector<PixelRect> bands;       // handed out by takeChangedBands
    std::vector<std::size_t> open;      // while they are made: the bands that end above the row
    std::vector<std::size_t> stillOpen; // and those that end below it
    std::uint64_t unknownContent = 0;   // bumped whenever what the tiles hold is unknown
};

// A fresh target of the given size: nothing is known of what its tiles hold, all count as
// changed.
void resetDrawList(DrawList& list, std::int32_t width, std::int32_t height);

// The source rectangle (fromX, fromY, w, h) to (x, y); a keyed copy leaves out the pixels whose
// colour bits equal the key. The source's pixels must not change while the copy is pending.
void recordCopy(DrawList& list, const Surface& source, std::int32_t fromX, std::int32_t fromY,
                std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
void recordKeyedCopy(DrawList& list, const Surface& source, std::int32_t fromX, std::int32_t fromY,
                     std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::uint32_t key);
// [x0, x1) x [y0, y1) set to a colour, or its colour bits inverted.
void recordFill(DrawList& list, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                std::uint32_t color);
void recordInvert(DrawList& list, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                  std::int32_t y1);
// A text's runs of pixels, relative to (x, y), in one colour (its place and digest measured).
void recordRuns(DrawList& list, const TextShape& shape, std::int64_t x, std::int64_t y,
                std::uint32_t color);

// Carries out the pending ops on the tiles that need them.
void settleDrawing(DrawList& list, Surface& target);

// The tiles drawn since the last call, as runs along each row of tiles, top to bottom; one
// unchanged tile between two runs is sent along with them, and a run of the same columns as one
// just above makes that band taller. Bands are in the order of their tops.
const std::vector<PixelRect>& takeChangedBands(DrawList& list);

} // namespace game
