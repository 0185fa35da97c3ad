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
        } else if (t.wholeX == 2) { // the commonest blow-up: one store per picture pixel
            std::uint32_t* out = row;
            for (std::int32_t x = dx0 / 2; x < dx1 / 2; ++x, out += 2) {
                const std::uint64_t two = std::uint64_t{source[x]} * 0x100000001u;
                std::memcpy(out, &two, sizeof two);
            }
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

} // namespace game
