// Where the picture sits in a window and how its pixels are scaled there: whole blocks, evenly
// spread, the pointer mapped through the same blocks, and changed parts redrawn alone.

#include "media/draw_list.hpp"
#include "media/picture_scaler.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace game {
namespace {

constexpr int kW = 640;
constexpr int kH = 480;

bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Every picture pixel its own value, so a target pixel tells which one it shows.
PixelVector numbered() {
    PixelVector p(kW * kH);
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = static_cast<std::uint32_t>(i);
    }
    return p;
}

std::vector<std::uint32_t> scaled(const PixelVector& picture, int w, int h) {
    std::vector<std::uint32_t> target(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu);
    const ScaleTables t = makeScaleTables(letterbox(w, h, kW, kH), kW, kH);
    scaleRegion(t, picture.data(), kW, 0, 0, kW, kH, target.data(), w * 4);
    return target;
}

TEST(PictureScaler, ThePictureFillsTheNarrowerSideCentredBetweenBars) {
    struct Case {
        int w, h;
        PixelRect want;
    };
    for (const Case& c :
         {Case{640, 480, {0, 0, 640, 480}}, Case{1280, 1024, {0, 32, 1280, 960}},
          Case{1920, 1080, {240, 0, 1440, 1080}}, Case{1366, 768, {171, 0, 1024, 768}},
          Case{320, 480, {0, 120, 320, 240}}, Case{0, 480, {0, 0, 0, 0}}}) {
        EXPECT_TRUE(letterbox(c.w, c.h, kW, kH) == c.want) << c.w << " x " << c.h;
    }
    const auto bars = barsAround(letterbox(1920, 1080, kW, kH), 1920, 1080);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_TRUE(bars[0] == (PixelRect{0, 0, 240, 1080}));
    EXPECT_TRUE(bars[1] == (PixelRect{1680, 0, 240, 1080}));
    EXPECT_TRUE(barsAround(letterbox(640, 480, kW, kH), 640, 480).empty());
    EXPECT_EQ(barsAround(letterbox(1280, 1024, kW, kH), 1280, 1024).size(), 2u); // above, below
}

// Each picture pixel becomes a block of whole target pixels: k x k at an integer factor, at
// other factors blocks that differ by at most one, with every picture pixel shown. The pointer
// lands on the pixel shown under it.
TEST(PictureScaler, PixelsBecomeWholeBlocksOfEvenSizeUnderThePointer) {
    struct Case {
        int w, h, smallest, largest, first; // first: the top left pixel's block, sampled centred
    };
    for (const Case& c :
         {Case{1280, 960, 2, 2, 2}, Case{1920, 1440, 3, 3, 3}, Case{1440, 1080, 2, 3, 2},
          Case{1000, 750, 1, 2, 2}, Case{1920, 1080, 2, 3, 2}, Case{640, 480, 1, 1, 1}}) {
        const auto target = scaled(numbered(), c.w, c.h);
        const PixelRect r = letterbox(c.w, c.h, kW, kH);
        std::map<std::uint32_t, int> blocks; // picture pixel -> target pixels showing it
        for (int y = r.y; y < r.y + r.h; ++y) {
            for (int x = r.x; x < r.x + r.w; ++x) {
                const std::uint32_t shown = target[static_cast<std::size_t>(y) * c.w + x];
                ++blocks[shown];
                std::int32_t px = -1;
                std::int32_t py = -1;
                windowToPicture(r, kW, kH, x, y, px, py);
                ASSERT_EQ(static_cast<std::uint32_t>(py * kW + px), shown) << x << ", " << y;
            }
        }
        ASSERT_EQ(blocks.size(), static_cast<std::size_t>(kW * kH)) << c.w;
        const auto [lo, hi] = std::minmax_element(
            blocks.begin(), blocks.end(), [](auto& a, auto& b) { return a.second < b.second; });
        EXPECT_EQ(lo->second, c.smallest * c.smallest) << c.w;
        EXPECT_EQ(hi->second, c.largest * c.largest) << c.w;
        EXPECT_EQ(blocks[0], c.first * c.first) << c.w;
    }
}

// A frame that differs from the last in a few pixels sends only their tiles, with one clean tile
// between two runs sent along, and scaling just those onto the last frame's window gives the
// new frame's window.
TEST(DrawList, TheChangedBandsScaledOntoTheLastFrameGiveTheNewOne) {
    const Surface picture{kW, kH, numbered(), 1, {}};
    Surface target = picture;
    DrawList list;
    resetDrawList(list, kW, kH);
    recordCopy(list, picture, 0, 0, 0, 0, kW, kH);
    settleDrawing(list, target);
    takeChangedBands(list);

    const auto before = target.pixels;
    recordCopy(list, picture, 0, 0, 0, 0, kW, kH);
    for (const auto& [x, y, color] :
         {std::tuple{37, 100, 0xABCDEFu}, std::tuple{600, 100, 0xABCDEFu},
          std::tuple{69, 103, 0xABCDEFu}, std::tuple{639, 479, 0x123456u}}) {
        recordFill(list, x, y, x + 1, y + 1, color);
    }
    settleDrawing(list, target);
    const std::vector<PixelRect> bands = takeChangedBands(list);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_TRUE(bands[0] == (PixelRect{32, 100, 48, 4}));
    EXPECT_TRUE(bands[1] == (PixelRect{592, 100, 16, 4}));
    EXPECT_TRUE(bands[2] == (PixelRect{624, 476, 16, 4}));

    for (const auto& [w, h] : {std::pair{1440, 1080}, std::pair{1920, 1440}, std::pair{1280, 960},
                               std::pair{640, 480}}) {
        auto window = scaled(before, w, h);
        const ScaleTables t = makeScaleTables(letterbox(w, h, kW, kH), kW, kH);
        for (const PixelRect& b : bands) {
            scaleRegion(t, target.pixels.data(), kW, b.x, b.y, b.x + b.w, b.y + b.h, window.data(),
                        w * 4);
        }
        EXPECT_EQ(window, scaled(target.pixels, w, h)) << w;
    }
}

} // namespace
} // namespace game
