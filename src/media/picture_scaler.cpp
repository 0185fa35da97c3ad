#include "media/picture_scaler.hpp"

#include <algorithm>
#include <cstring>

namespace game {
namespace {

// The source index a target index samples: the centre of target pixel i of n, taken back into
// m source pixels. Spreads the longer and shorter blocks evenly.
std::int32_t sampleOf(std::int32_t i, std::int32_t n, std::int32_t m) {
    const std::int64_t s = ((2 * static_cast<std::int64_t>(i) + 1) * m) / (2 * std::int64_t{n});
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(s, 0, m - 1));
}

void fillTables(std::int32_t n, std::int32_t m, std::vector<std::int32_t>& src,
                std::vector<std::int32_t>& first) {
    src.resize(static_cast<std::size_t>(n));
    first.assign(static_cast<std::size_t>(m) + 1, n);
    for (std::int32_t i = n - 1; i >= 0; --i) {
        const std::int32_t s = sampleOf(i, n, m);
        src[static_cast<std::size_t>(i)] = s;
        first[static_cast<std::size_t>(s)] = i;
    }
    // A source pixel that no target pixel samples (scaling down) starts where the next one does.
    for (std::int32_t s = m - 1; s >= 0; --s) {
        first[static_cast<std::size_t>(s)] =
            std::min(first[static_cast<std::size_t>(s)], first[static_cast<std::size_t>(s) + 1]);
    }
}

// A tile's digest: two 64-bit words of pixels at a time go through a 64 x 64 -> 128-bit product
// folded back to 64 bits, the way fast non-cryptographic hashes mix, with the running digest in
// the product so the pixels' order counts. Frames are not chosen to collide: a change that keeps
// a tile's digest is as likely as guessing a 64-bit number.
__extension__ using Product = unsigned __int128;
constexpr std::uint64_t kDigestSeed = 0x243F6A8885A308D3u;
constexpr std::uint64_t kMixA = 0xA0761D6478BD642Fu;
constexpr std::uint64_t kMixB = 0xE7037ED1A0B428DBu;

std::uint64_t mix(std::uint64_t a, std::uint64_t b) {
    const Product p = static_cast<Product>(a ^ kMixA) * (b ^ kMixB);
    return static_cast<std::uint64_t>(p) ^ static_cast<std::uint64_t>(p >> 64);
}

inline std::uint64_t digestPixels(const std::uint32_t* pixels, std::int32_t count,
                                  std::uint64_t digest) {
    std::int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, pixels + i, sizeof a);
        std::memcpy(&b, pixels + i + 2, sizeof b);
        digest = mix(a, b ^ digest);
    }
    for (; i < count; ++i) {
        digest = mix(pixels[i], digest);
    }
    return digest;
}

// Blocks up to this wide are written four pixels at a time.
constexpr std::int32_t kMaxRun = 4;

} // namespace

PixelRect letterbox(std::int32_t windowW, std::int32_t windowH, std::int32_t pictureW,
                    std::int32_t pictureH) {
    if (windowW <= 0 || windowH <= 0 || pictureW <= 0 || pictureH <= 0) {
        return {};
    }
    PixelRect r;
    const std::int64_t byWidth = std::int64_t{windowW} * pictureH;
    const std::int64_t byHeight = std::int64_t{windowH} * pictureW;
    if (byWidth <= byHeight) { // the width is the narrower fit: bars above and below
        r.w = windowW;
        r.h = static_cast<std::int32_t>((byWidth + pictureW / 2) / pictureW);
    } else {
        r.h = windowH;
        r.w = static_cast<std::int32_t>((byHeight + pictureH / 2) / pictureH);
    }
    r.w = std::clamp(r.w, 1, windowW);
    r.h = std::clamp(r.h, 1, windowH);
    r.x = (windowW - r.w) / 2;
    r.y = (windowH - r.h) / 2;
    return r;
}

std::vector<PixelRect> barsAround(const PixelRect& picture, std::int32_t windowW,
                                  std::int32_t windowH) {
    std::vector<PixelRect> bars;
    const PixelRect all[4] = {
        {0, 0, windowW, picture.y},
        {0, picture.y + picture.h, windowW, windowH - picture.y - picture.h},
        {0, picture.y, picture.x, picture.h},
        {picture.x + picture.w, picture.y, windowW - picture.x - picture.w, picture.h},
    };
    for (const PixelRect& bar : all) {
        if (bar.w > 0 && bar.h > 0) {
            bars.push_back(bar);
        }
    }
    return bars;
}

void windowToPicture(const PixelRect& picture, std::int32_t pictureW, std::int32_t pictureH,
                     std::int32_t windowX, std::int32_t windowY, std::int32_t& x, std::int32_t& y) {
    if (picture.w <= 0 || picture.h <= 0) {
        x = 0;
        y = 0;
        return;
    }
    x = sampleOf(windowX - picture.x, picture.w, pictureW);
    y = sampleOf(windowY - picture.y, picture.h, pictureH);
}

ScaleTables makeScaleTables(const PixelRect& to, std::int32_t pictureW, std::int32_t pictureH) {
    ScaleTables t;
    t.to = to;
    fillTables(std::max(to.w, 0), pictureW, t.srcX, t.firstX);
    fillTables(std::max(to.h, 0), pictureH, t.srcY, t.firstY);
    if (pictureW > 0 && to.w > 0 && to.w % pictureW == 0) {
        t.wholeX = to.w / pictureW;
    } else if (pictureW > 0 && to.w > pictureW && to.w < kMaxRun * pictureW) {
        t.runX.resize(static_cast<std::size_t>(pictureW));
        for (std::size_t x = 0; x < t.runX.size(); ++x) {
            t.runX[x] = static_cast<std::uint8_t>(t.firstX[x + 1] - t.firstX[x]);
        }
    }
    return t;
}

PixelRect scaleRegion(const ScaleTables& t, const std::uint32_t* picture, std::int32_t pictureW,
                      std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                      std::uint32_t* target, std::int32_t targetPitch) {
    const std::int32_t dx0 = t.firstX[static_cast<std::size_t>(x0)];
    const std::int32_t dx1 = t.firstX[static_cast<std::size_t>(x1)];
    const std::int32_t dy0 = t.firstY[static_cast<std::size_t>(y0)];
    const std::int32_t dy1 = t.firstY[static_cast<std::size_t>(y1)];
    if (dx1 <= dx0 || dy1 <= dy0) {
        return {};
    }
    auto* base = reinterpret_cast<std::uint8_t*>(target);
    const auto rowBytes = static_cast<std::size_t>(dx1 - dx0) * sizeof(std::uint32_t);
    const std::uint32_t* lastSource = nullptr;
    std::uint32_t* lastRow = nullptr;
    for (std::int32_t dy = dy0; dy < dy1; ++dy) {
        auto* row = reinterpret_cast<std::uint32_t*>(
                        base + static_cast<std::ptrdiff_t>(t.to.y + dy) * targetPitch) +
                    t.to.x + dx0;
        const std::uint32_t* source =
            picture + static_cast<std::ptrdiff_t>(t.srcY[static_cast<std::size_t>(dy)]) * pictureW;
        if (source == lastSource) { // the same picture row again: a plain copy
            std::memcpy(row, lastRow, rowBytes);
            continue;
        }
        if (t.wholeX == 1) {
            std::memcpy(row, source + dx0, rowBytes);
        } else if (t.wholeX > 1) { // each picture pixel becomes a run of wholeX
            std::uint32_t* out = row;
            for (std::int32_t x = dx0 / t.wholeX; x < dx1 / t.wholeX; ++x) {
                out = std::fill_n(out, t.wholeX, source[x]);
            }
        } else if (!t.runX.empty()) {
            // Four copies of each picture pixel, then on by its block's width: the next block
            // writes over what went too far. Near the end of the part the blocks are written
            // exactly, as the pixels after it belong to a part that may not be redrawn.
            std::uint32_t* out = row;
            std::uint32_t* const end = row + (dx1 - dx0);
            std::int32_t x = x0;
            for (; x < x1 && end - out >= kMaxRun; ++x) {
                const std::uint64_t two = std::uint64_t{source[x]} * 0x100000001u;
                std::memcpy(out, &two, sizeof two);
                std::memcpy(out + 2, &two, sizeof two);
                out += t.runX[static_cast<std::size_t>(x)];
            }
            for (; x < x1; ++x) {
                out = std::fill_n(out, t.runX[static_cast<std::size_t>(x)], source[x]);
            }
        } else {
            const std::int32_t* cols = t.srcX.data() + dx0;
            for (std::int32_t i = 0; i < dx1 - dx0; ++i) {
                row[i] = source[cols[i]];
            }
        }
        lastSource = source;
        lastRow = row;
    }
    return {t.to.x + dx0, t.to.y + dy0, dx1 - dx0, dy1 - dy0};
}

bool findChanges(FrameChanges& changes, const std::uint32_t* frame, std::int32_t w,
                 std::int32_t h) {
    changes.bands.clear();
    const std::int32_t tiles = (w + kChangeTile - 1) / kChangeTile;
    const std::int32_t tileRows = (h + kChangeTile - 1) / kChangeTile;
    const std::int32_t wholeTiles = w / kChangeTile;
    const bool first = changes.width != w || changes.height != h;
    if (first) {
        changes.width = w;
        changes.height = h;
        changes.digests.assign(static_cast<std::size_t>(tiles) * tileRows, 0);
        changes.bands.push_back({0, 0, w, h});
    }
    changes.fresh.resize(static_cast<std::size_t>(tiles));
    for (std::int32_t ty = 0; ty < h; ty += kChangeTile) {
        const std::int32_t rows = std::min(kChangeTile, h - ty);
        std::fill(changes.fresh.begin(), changes.fresh.end(), kDigestSeed);
        for (std::int32_t y = ty; y < ty + rows; ++y) {
            const std::uint32_t* row = frame + static_cast<std::size_t>(y) * w;
            std::uint64_t* fresh = changes.fresh.data();
            // A whole tile's row has a fixed length, so its digest stays in registers.
            for (std::int32_t t = 0; t < wholeTiles; ++t) {
                fresh[t] = digestPixels(row + t * kChangeTile, kChangeTile, fresh[t]);
            }
            if (wholeTiles < tiles) {
                const std::int32_t x = wholeTiles * kChangeTile;
                fresh[wholeTiles] = digestPixels(row + x, w - x, fresh[wholeTiles]);
            }
        }
        std::uint64_t* stored =
            changes.digests.data() + static_cast<std::size_t>(ty / kChangeTile) * tiles;
        const auto changed = [&](std::int32_t t) {
            return changes.fresh[static_cast<std::size_t>(t)] != stored[t];
        };
        // Runs of changed tiles; one unchanged tile between two runs is cheaper sent along than
        // sent as another piece.
        for (std::int32_t t = 0; t < tiles && !first;) {
            if (!changed(t)) {
                ++t;
                continue;
            }
            std::int32_t end = t + 1;
            while (end < tiles && (changed(end) || (end + 1 < tiles && changed(end + 1)))) {
                ++end;
            }
            const std::int32_t x = t * kChangeTile;
            changes.bands.push_back({x, ty, std::min(end * kChangeTile, w) - x, rows});
            t = end;
        }
        std::copy(changes.fresh.begin(), changes.fresh.end(), stored);
    }
    return !changes.bands.empty();
}

} // namespace game
