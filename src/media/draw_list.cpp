#include "media/draw_list.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

namespace game {
namespace {

constexpr std::uint32_t kColorBits = 0x00FFFFFF;
constexpr std::uint64_t kWholeCover = 0x243F6A8885A308D3u; // a tile drawn over whole, opaque
constexpr std::uint64_t kStep = 0x9FB21C651E98DF25u;

std::uint64_t mix(std::uint64_t v) {
    v ^= v >> 32;
    v *= 0xD6E8FEB86659FD93u;
    v ^= v >> 32;
    v *= 0xD6E8FEB86659FD93u;
    v ^= v >> 32;
    return v;
}

std::uint64_t pair(std::int32_t a, std::int32_t b) {
    return static_cast<std::uint32_t>(a) | std::uint64_t{static_cast<std::uint32_t>(b)} << 32;
}

// Everything that decides what an op leaves on the target. Each field goes through its own odd
// factor (a one-to-one map), so ops that differ in one field always differ before the mix.
std::uint64_t signature(const DrawOp& op) {
    const std::uint64_t kind = static_cast<std::uint64_t>(op.kind) << 32 | op.value;
    return mix(kind * 0x9E3779B97F4A7C15u ^ op.content * 0xC2B2AE3D27D4EB4Fu ^
               pair(op.x, op.y) * 0x165667B19E3779F9u ^ pair(op.w, op.h) * 0xD6E8FEB86659FD93u ^
               pair(op.fromX, op.fromY) * 0xFF51AFD7ED558CCDu);
}

// A tile's width is the most common length here: it is copied inline, without a call.
void copyPixels(std::uint32_t* to, const std::uint32_t* from, std::int32_t count) {
    if (count == kDrawTileWidth) {
        std::memcpy(to, from, kDrawTileWidth * sizeof(std::uint32_t));
    } else {
        std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
    }
}

// The runs of a picture's pixels that are not the key (colour bits only).
const KeyRuns& keyRunsOf(const Surface& picture, std::uint32_t key) {
    KeyRuns& k = picture.keyRuns;
    if (k.made && k.key == key) {
        return k;
    }
    k.made = true;
    k.key = key;
    k.runs.clear();
    k.firstRun.assign(static_cast<std::size_t>(picture.height) + 1, 0);
    for (std::int32_t y = 0; y < picture.height; ++y) {
        k.firstRun[static_cast<std::size_t>(y)] = static_cast<std::uint32_t>(k.runs.size());
        const std::uint32_t* row = picture.row(y);
        for (std::int32_t x = 0; x < picture.width;) {
            if (((row[x] ^ key) & kColorBits) == 0) {
                ++x;
                continue;
            }
            const std::int32_t start = x;
            while (x < picture.width && ((row[x] ^ key) & kColorBits) != 0) {
                ++x;
            }
            k.runs.push_back(
                {static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(x - start)});
        }
    }
    k.firstRun.back() = static_cast<std::uint32_t>(k.runs.size());
    k.runs.shrink_to_fit();
    return k;
}

// Carries out the part [x0, x1) x [y0, y1) of an op; the part lies inside the op.
void carryOut(const DrawOp& op, const TextRun* runsOf, Surface& target, std::int32_t x0,
              std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    const auto width = static_cast<std::size_t>(x1 - x0);
    switch (op.kind) {
    case DrawKind::Copy:
        for (std::int32_t y = y0; y < y1; ++y) {
            copyPixels(target.row(y) + x0,
                       op.source->row(op.fromY + y - op.y) + op.fromX + x0 - op.x, x1 - x0);
        }
        break;
    case DrawKind::KeyedCopy: {
        const KeyRuns& k = keyRunsOf(*op.source, op.value);
        const std::int32_t left = op.fromX + x0 - op.x;
        const std::int32_t right = op.fromX + x1 - op.x;
        for (std::int32_t y = y0; y < y1; ++y) {
            const auto sy = static_cast<std::size_t>(op.fromY + y - op.y);
            const std::uint32_t* from = op.source->row(static_cast<std::int32_t>(sy));
            std::uint32_t* to = target.row(y) + x0 - left;
            const KeyRun* run = k.runs.data() + k.firstRun[sy];
            const KeyRun* last = k.runs.data() + k.firstRun[sy + 1];
            // A strip of pictures has many runs in a row: find the first that reaches into the cut.
            run = std::partition_point(run, last,
                                       [&](const KeyRun& r) { return r.x + r.length <= left; });
            for (; run != last && run->x < right; ++run) {
                const std::int32_t begin = std::max<std::int32_t>(run->x, left);
                const std::int32_t end = std::min<std::int32_t>(run->x + run->length, right);
                copyPixels(to + begin, from + begin, end - begin);
            }
        }
        break;
    }
    case DrawKind::Fill:
        for (std::int32_t y = y0; y < y1; ++y) {
            std::fill_n(target.row(y) + x0, width, op.value);
        }
        break;
    case DrawKind::Runs:
        for (std::uint32_t i = op.first; i < op.first + op.count; ++i) {
            const TextRun& run = runsOf[i];
            const std::int32_t y = op.fromY + run.y;
            const std::int32_t from = std::max(op.fromX + run.x, x0);
            const std::int32_t to = std::min(op.fromX + run.x + run.length, x1);
            if (y >= y0 && y < y1 && from < to) {
                std::fill(target.row(y) + from, target.row(y) + to, op.value);
            }
        }
        break;
    case DrawKind::Invert:
        for (std::int32_t y = y0; y < y1; ++y) {
            std::uint32_t* row = target.row(y) + x0;
            for (std::size_t i = 0; i < width; ++i) {
                row[i] ^= kColorBits;
            }
        }
        break;
    }
}

// The tiles of row r to redraw that lie under columns c0..c1, 64 to a word (word w).
std::uint64_t redrawUnder(const DrawList& list, std::int32_t r, std::int32_t w, std::int32_t c0,
                          std::int32_t c1) {
    std::uint64_t bits = list.redraw[static_cast<std::size_t>(r) * list.words + w];
    if (w == c0 / 64) {
        bits &= ~std::uint64_t{0} << (c0 % 64);
    }
    if (w == c1 / 64 && c1 % 64 != 63) {
        bits &= (std::uint64_t{1} << (c1 % 64 + 1)) - 1;
    }
    return bits;
}

// Carries out an op on the tiles to redraw under it: runs of tiles along a row, and rows of tiles
// with the same runs together.
void carryOutWhereRedrawn(const DrawList& list, const DrawOp& op, Surface& target) {
    const std::int32_t right = op.x + op.w;
    const std::int32_t bottom = op.y + op.h;
    const std::int32_t c0 = op.x / kDrawTileWidth;
    const std::int32_t c1 = (right - 1) / kDrawTileWidth;
    const std::int32_t r1 = (bottom - 1) / kDrawTileHeight;
    const auto sameRuns = [&](std::int32_t a, std::int32_t b) {
        for (std::int32_t w = c0 / 64; w <= c1 / 64; ++w) {
            if (redrawUnder(list, a, w, c0, c1) != redrawUnder(list, b, w, c0, c1)) {
                return false;
            }
        }
        return true;
    };
    for (std::int32_t start = op.y / kDrawTileHeight, end = start; start <= r1; start = end) {
        while (end <= r1 && sameRuns(start, end)) {
            ++end;
        }
        const std::int32_t y0 = std::max(op.y, start * kDrawTileHeight);
        const std::int32_t y1 = std::min(bottom, end * kDrawTileHeight);
        for (std::int32_t w = c0 / 64; w <= c1 / 64; ++w) {
            std::uint64_t bits = redrawUnder(list, start, w, c0, c1);
            while (bits != 0) {
                const int first = std::countr_zero(bits);
                const int length = std::countr_one(bits >> first);
                const std::int32_t from = w * 64 + first;
                carryOut(op, list.runs.data(), target, std::max(op.x, from * kDrawTileWidth), y0,
                         std::min(right, (from + length) * kDrawTileWidth), y1);
                bits &= length + first >= 64 ? 0 : ~std::uint64_t{0} << (first + length);
            }
        }
    }
}

void record(DrawList& list, DrawOp op) {
    // Cut to the target; a copy's corner in the source moves along.
    const bool copy = op.kind == DrawKind::Copy || op.kind == DrawKind::KeyedCopy;
    if (op.x < 0) {
        op.fromX -= copy ? op.x : 0;
        op.w += op.x;
        op.x = 0;
    }
    if (op.y < 0) {
        op.fromY -= copy ? op.y : 0;
        op.h += op.y;
        op.y = 0;
    }
    op.w = std::min(op.w, list.width - op.x);
    op.h = std::min(op.h, list.height - op.y);
    if (op.w <= 0 || op.h <= 0) {
        return;
    }
    const std::uint64_t s = signature(op);
    const bool opaque = op.kind == DrawKind::Copy || op.kind == DrawKind::Fill;
    const std::uint64_t covered = mix(kWholeCover ^ s);
    const std::int32_t right = op.x + op.w;
    const std::int32_t bottom = op.y + op.h;
    const std::int32_t c0 = op.x / kDrawTileWidth;
    const std::int32_t c1 = (right - 1) / kDrawTileWidth + 1;
    // The columns an opaque op covers whole: from the first tile it starts on the edge of to
    // the last it reaches the end of (the target's edge ends a tile too).
    const std::int32_t whole0 = op.x % kDrawTileWidth == 0 ? c0 : c0 + 1;
    const std::int32_t whole1 = right % kDrawTileWidth == 0 || right == list.width ? c1 : c1 - 1;
    for (std::int32_t r = op.y / kDrawTileHeight; r <= (bottom - 1) / kDrawTileHeight; ++r) {
        const std::int32_t top = r * kDrawTileHeight;
        const bool allRows = op.y <= top && bottom >= std::min(top + kDrawTileHeight, list.height);
        std::uint64_t* tile = list.coming.data() + static_cast<std::size_t>(r) * list.columns;
        // What was under a tile drawn over whole no longer matters. Otherwise one multiply by an
        // odd number keeps the order of the ops in the signature.
        const std::int32_t from = opaque && allRows ? whole0 : c1;
        const std::int32_t to = opaque && allRows ? std::max(whole1, from) : c1;
        for (std::int32_t c = c0; c < from; ++c) {
            tile[c] = (tile[c] ^ s) * kStep;
        }
        std::fill(tile + from, tile + to, covered);
        for (std::int32_t c = to; c < c1; ++c) {
            tile[c] = (tile[c] ^ s) * kStep;
        }
    }
    list.ops.push_back(op);
}

} // namespace

void resetDrawList(DrawList& list, std::int32_t width, std::int32_t height) {
    list.width = std::max(width, 0);
    list.height = std::max(height, 0);
    list.columns = (list.width + kDrawTileWidth - 1) / kDrawTileWidth;
    list.rows = (list.height + kDrawTileHeight - 1) / kDrawTileHeight;
    const auto tiles = static_cast<std::size_t>(list.columns) * list.rows;
    list.ops.clear();
    list.runs.clear();
    // Tiles nobody draws on keep what they hold; any drawing on one makes it differ.
    list.unknownContent += 1;
    list.held.assign(tiles, mix(list.unknownContent));
    list.coming = list.held;
    list.words = (list.columns + 63) / 64;
    list.redraw.assign(static_cast<std::size_t>(list.words) * list.rows, 0);
    // Every tile counts as changed (bits past the last column are never looked at).
    list.changed.assign(static_cast<std::size_t>(list.words) * list.rows, ~std::uint64_t{0});
    list.bands.clear();
}

void recordCopy(DrawList& list, const Surface& source, std::int32_t fromX, std::int32_t fromY,
                std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    record(list, {&source, source.serial, x, y, w, h, fromX, fromY, 0, 0, 0, DrawKind::Copy});
}

void recordKeyedCopy(DrawList& list, const Surface& source, std::int32_t fromX, std::int32_t fromY,
                     std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::uint32_t key) {
    record(list, {&source, source.serial, x, y, w, h, fromX, fromY, key & kColorBits, 0, 0,
                  DrawKind::KeyedCopy});
}

void recordFill(DrawList& list, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                std::uint32_t color) {
    record(list, {nullptr, 0, x0, y0, x1 - x0, y1 - y0, 0, 0, color, 0, 0, DrawKind::Fill});
}

void recordInvert(DrawList& list, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                  std::int32_t y1) {
    record(list, {nullptr, 0, x0, y0, x1 - x0, y1 - y0, 0, 0, 0, 0, 0, DrawKind::Invert});
}

void recordRuns(DrawList& list, const TextShape& shape, std::int64_t x, std::int64_t y,
                std::uint32_t color) {
    // Far off the target nothing can land; near it, every sum below fits in 32 bits.
    constexpr std::int64_t kFar = 1 << 28;
    if (shape.runs.empty() || x < -kFar || x > kFar || y < -kFar || y > kFar ||
        shape.left < -kFar || shape.right > kFar || shape.top < -kFar || shape.bottom > kFar) {
        return;
    }
    const auto ox = static_cast<std::int32_t>(x);
    const auto oy = static_cast<std::int32_t>(y);
    const std::size_t ops = list.ops.size();
    record(list,
           {nullptr, shape.digest, ox + shape.left, oy + shape.top, shape.right - shape.left,
            shape.bottom - shape.top, ox, oy, color, static_cast<std::uint32_t>(list.runs.size()),
            static_cast<std::uint32_t>(shape.runs.size()), DrawKind::Runs});
    if (list.ops.size() > ops) {
        list.runs.insert(list.runs.end(), shape.runs.begin(), shape.runs.end());
    }
}

void settleDrawing(DrawList& list, Surface& target) {
    if (target.width != list.width || target.height != list.height) {
        list.ops.clear();
        list.runs.clear();
        return;
    }
    // Without branches, 64 tiles to a word: most of a frame's tiles hold what they held.
    std::uint64_t any = 0;
    for (std::int32_t r = 0; r < list.rows; ++r) {
        const std::size_t row = static_cast<std::size_t>(r) * list.columns;
        for (std::int32_t w = 0; w < list.words; ++w) {
            const std::int32_t c0 = w * 64;
            const std::int32_t n = std::min(64, list.columns - c0);
            const std::uint64_t* coming = list.coming.data() + row + c0;
            const std::uint64_t* held = list.held.data() + row + c0;
            std::uint64_t bits = 0;
            for (std::int32_t i = 0; i < n; ++i) {
                bits |= std::uint64_t{coming[i] != held[i]} << i;
            }
            const std::size_t at = static_cast<std::size_t>(r) * list.words + w;
            list.redraw[at] = bits;
            list.changed[at] |= bits;
            any |= bits;
        }
    }
    if (any != 0) {
        list.held = list.coming;
        for (const DrawOp& op : list.ops) {
            carryOutWhereRedrawn(list, op, target);
        }
    }
    list.ops.clear();
    list.runs.clear();
}

const std::vector<PixelRect>& takeChangedBands(DrawList& list) {
    list.bands.clear();
    for (std::int32_t r = 0; r < list.rows; ++r) {
        const std::uint64_t* changed =
            list.changed.data() + static_cast<std::size_t>(r) * list.words;
        const auto isChanged = [&](std::int32_t c) {
            return c < list.columns && (changed[c / 64] >> (c % 64) & 1) != 0;
        };
        // The first changed column from c on (or one past the last column).
        const auto nextChanged = [&](std::int32_t c) {
            while (c < list.columns) {
                const std::uint64_t bits = changed[c / 64] & ~std::uint64_t{0} << (c % 64);
                if (bits != 0) {
                    return c / 64 * 64 + std::countr_zero(bits);
                }
                c = (c / 64 + 1) * 64;
            }
            return list.columns;
        };
        const std::int32_t y = r * kDrawTileHeight;
        const std::int32_t h = std::min(kDrawTileHeight, list.height - y);
        for (std::int32_t c = nextChanged(0), end = c; c < list.columns; c = nextChanged(end)) {
            end = c + 1;
            while (isChanged(end) || isChanged(end + 1)) {
                ++end;
            }
            const std::int32_t x = c * kDrawTileWidth;
            const std::int32_t w = std::min(end * kDrawTileWidth, list.width) - x;
            // A band of the same columns ending just above grows down instead.
            const auto above = std::find_if(list.open.begin(), list.open.end(), [&](std::size_t i) {
                return list.bands[i].x == x && list.bands[i].w == w;
            });
            if (above != list.open.end()) {
                list.bands[*above].h += h;
                list.stillOpen.push_back(*above);
            } else {
                list.stillOpen.push_back(list.bands.size());
                list.bands.push_back({x, y, w, h});
            }
        }
        list.open.swap(list.stillOpen);
        list.stillOpen.clear();
    }
    std::fill(list.changed.begin(), list.changed.end(), 0);
    list.open.clear();
    return list.bands;
}

} // namespace game
