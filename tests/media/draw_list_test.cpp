// Drawing written down and carried out at the flip, only on the tiles whose drawing changed: the
// pixels come out as if every copy and fill had been carried out at once, and the bands handed
// out cover every pixel that changed, and nothing when a frame is drawn again the same.

#include "media/draw_list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

namespace game {
namespace {

constexpr int kW = 100; // the last column and the last row of tiles are cut
constexpr int kH = 62;
constexpr std::uint32_t kKeys[] = {0x00FF00FF, 0x00123456};

// Random pixels, a third of them one of the keys, with random bits above the colour.
Surface picture(std::uint64_t serial, std::mt19937& rng) {
    Surface s{kW, kH, {}, serial, {}};
    for (int i = 0; i < kW * kH; ++i) {
        const auto r = static_cast<std::uint32_t>(rng());
        s.pixels.push_back(r % 3 == 0 ? kKeys[r % 2] | (r & 0xFF000000) : r);
    }
    return s;
}

enum class Kind { Copy, Keyed, Fill, Invert, Runs };
struct Op {
    Kind kind = Kind::Fill;
    const Surface* source = nullptr; // copies
    int x = 0, y = 0, w = 0, h = 0;  // on the target, before any cut
    int fromX = 0, fromY = 0;        // copies: the corner in the source
    std::uint32_t value = 0;         // keyed copies: the key; fills and runs: the colour
};

// Texts of the same size: the second differs in the length of a run, the third in its place.
TextShape measured(std::vector<TextRun> runs) {
    TextShape shape;
    shape.runs = std::move(runs);
    measureRuns(shape);
    return shape;
}
const TextShape kTexts[] = {measured({{0, 0, 9}, {2, 3, 4}, {1, 7, 2}}),
                            measured({{0, 0, 9}, {2, 3, 3}, {1, 7, 2}}),
                            measured({{0, 0, 9}, {2, 3, 4}, {2, 7, 2}})};

// Carries the op out at once on the pixels, pixel by pixel, and records it.
void draw(DrawList& list, PixelVector& to, const Op& o) {
    const auto paint = [&to](const Op& r) {
        for (int y = std::max(r.y, 0); y < std::min(r.y + r.h, kH); ++y) {
            for (int x = std::max(r.x, 0); x < std::min(r.x + r.w, kW); ++x) {
                std::uint32_t& p = to[static_cast<std::size_t>(y * kW + x)];
                const std::uint32_t s = r.kind == Kind::Fill ? r.value
                                        : r.kind == Kind::Invert
                                            ? p ^ 0xFFFFFF
                                            : r.source->row(r.fromY + y - r.y)[r.fromX + x - r.x];
                if (r.kind != Kind::Keyed || ((s ^ r.value) & 0xFFFFFF) != 0) {
                    p = s;
                }
            }
        }
    };
    if (o.kind != Kind::Runs) {
        paint(o);
    }
    switch (o.kind) {
    case Kind::Copy:
        return recordCopy(list, *o.source, o.fromX, o.fromY, o.x, o.y, o.w, o.h);
    case Kind::Keyed:
        return recordKeyedCopy(list, *o.source, o.fromX, o.fromY, o.x, o.y, o.w, o.h, o.value);
    case Kind::Fill:
        return recordFill(list, o.x, o.y, o.x + o.w, o.y + o.h, o.value);
    case Kind::Invert:
        return recordInvert(list, o.x, o.y, o.x + o.w, o.y + o.h);
    case Kind::Runs:
        for (const TextRun& r : kTexts[o.fromX].runs) {
            paint({Kind::Fill, nullptr, o.x + r.x, o.y + r.y, r.length, 1, 0, 0, o.value});
        }
        return recordRuns(list, kTexts[o.fromX], o.x, o.y, o.value);
    }
}

// Frames drawn like the game's: mostly a background, things that move (partly off the edges)
// under and over a blinking panel, fixed sprites (one cut by the corner), an animated one, a
// highlight and a text that changes like the score. Some frames leave out the background, some are
// the last one again, pictures are reloaded between frames, and a sprite freed mid-frame settles
// the drawing early.
TEST(DrawList, PixelsComeOutAsIfDrawnAtOnceAndTheBandsCoverEveryChange) {
    std::mt19937 rng(20240611);
    const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::uint64_t serial = 1;
    Surface back = picture(serial++, rng);
    Surface sheet = picture(serial++, rng);
    Surface target = back;
    PixelVector shown; // what the ops make, carried out at once
    DrawList list;
    std::vector<Op> ops;
    const auto moving = [&](int n) {
        for (; n > 0; --n) {
            const Kind kind = static_cast<Kind>(below(4));
            const int w = 1 + below(24), h = 1 + below(24);
            ops.push_back({kind, below(2) == 0 ? &sheet : &back, below(kW + 32) - 24,
                           below(kH + 32) - 24, w, h, below(kW - w + 1), below(kH - h + 1),
                           kKeys[below(2)] | 0x80000000u * below(2)});
        }
    };
    bool background = false;
    std::size_t settleAt = 0;
    for (int frame = 0; frame < 60; ++frame) {
        const bool fresh = frame % 20 == 0; // a new back buffer: garbage, nothing known of it
        if (fresh) {
            target.pixels = picture(0, rng).pixels;
            shown = target.pixels;
            resetDrawList(list, kW, kH);
        }
        const bool again = !fresh && below(3) == 0;
        const bool reload = below(6) == 0;
        if (reload) {
            (below(2) == 0 ? sheet : back) = picture(serial++, rng);
        }
        if (!again) {
            ops.clear();
            // After the second reset nothing covers the garbage: it goes out all the same.
            background = frame != 20 && below(4) != 0;
            if (background) {
                ops.push_back({Kind::Copy, &back, 0, 0, kW, kH});
            }
            moving(below(4));
            const int step = below(6); // of the animated sprite, in a sheet of 3 x 2 pictures
            ops.insert(ops.end(),
                       {{Kind::Fill, nullptr, 0, 52, kW, 8, 0, 0, 0x203040u << below(2)},
                        {Kind::Keyed, &sheet, 8, 8, 24, 24, 0, 0, kKeys[0]},
                        {Kind::Keyed, &sheet, -5, -3, 16, 12, kW - 16, 24, kKeys[0]},
                        {Kind::Copy, &sheet, 61, 44, 12, 16, 12 * (step % 3), 8 * (step / 3)},
                        {Kind::Keyed, &sheet, 40, 32, 20, 16, 20, 20, kKeys[1]},
                        {Kind::Invert, nullptr, 16, 40, 16, 8},
                        {Kind::Runs, nullptr, 70, 20, 0, 0, below(3), 0, 0xFFFFFF}});
            moving(below(3));
            settleAt = below(5) == 0 ? static_cast<std::size_t>(below(static_cast<int>(ops.size())))
                                     : ops.size();
        }
        const auto before = shown;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (i == settleAt) {
                settleDrawing(list, target);
            }
            draw(list, shown, ops[i]);
        }
        settleDrawing(list, target);
        ASSERT_EQ(target.pixels, shown) << "frame " << frame;

        // The last picture with the bands sent anew must be the new one.
        auto sent = before;
        int area = 0;
        for (const PixelRect& b : takeChangedBands(list)) {
            for (int y = b.y; y < b.y + b.h; ++y) {
                std::copy_n(shown.begin() + y * kW + b.x, b.w, sent.begin() + y * kW + b.x);
            }
            area += b.w * b.h;
        }
        ASSERT_EQ(sent, shown) << "frame " << frame << ": a change was not sent";
        EXPECT_TRUE(!fresh || area == kW * kH) << frame;
        // The same frame over a background again sends nothing (a settle mid-frame would: the
        // tiles it settled hold half the frame).
        if (again && !reload && background && settleAt == ops.size()) {
            EXPECT_EQ(area, 0) << "frame " << frame;
        }
    }
}

// A row of more than 64 tiles keeps its bits in more than one word.
TEST(DrawList, AChangeFarAlongAWideRowIsDrawnAndSent) {
    constexpr int kWide = 1100; // 69 tiles across, the last one cut
    Surface target{kWide, 4, PixelVector(kWide * 4), 1, {}};
    DrawList list;
    resetDrawList(list, kWide, 4);
    recordFill(list, 0, 0, kWide, 4, 0);
    settleDrawing(list, target);
    takeChangedBands(list);

    recordFill(list, 0, 0, kWide, 4, 0);
    recordFill(list, 1090, 1, 1091, 2, 0xABCDEF);
    settleDrawing(list, target);
    EXPECT_EQ(target.row(1)[1090], 0xABCDEFu);
    const std::vector<PixelRect> bands = takeChangedBands(list);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(std::tuple(bands[0].x, bands[0].y, bands[0].w, bands[0].h),
              std::tuple(1088, 0, 12, 4));
}

} // namespace
} // namespace game
