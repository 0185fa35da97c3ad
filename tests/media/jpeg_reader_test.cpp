// JPEG pictures through libjpeg and the decoder list.

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace game {
namespace {

// Large flat areas survive compression nearly unchanged.
std::uint32_t quarters(int x, int y) {
    static constexpr std::uint32_t kColors[4] = {0xE01010, 0x10E010, 0x1010E0, 0xE0E0E0};
    return kColors[(x >= 8 ? 1 : 0) + (y >= 8 ? 2 : 0)];
}

bool near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>(a >> shift & 0xFF);
        const int cb = static_cast<int>(b >> shift & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return (a >> 24) == 0;
}

class Jpeg : public test::PictureLoading {};

TEST_F(Jpeg, ADecodedPictureBecomesScreenPixelsTopRowFirst) {
    ASSERT_NE(load(0, test::makeJpeg(16, 16, quarters)), 0);
    const SpriteSlot& slot = display.sprites[0];
    ASSERT_EQ(slot.width, 16);
    ASSERT_EQ(slot.height, 16);
    EXPECT_EQ(slot.depth, 24);
    for (const auto& [x, y] : {std::pair{2, 2}, {13, 2}, {2, 13}, {13, 13}}) {
        EXPECT_TRUE(near(slot.surface->row(y)[x], quarters(x, y), 6))
            << x << "," << y << ": " << std::hex << slot.surface->row(y)[x];
    }
}

TEST_F(Jpeg, DecodedRowsOf13PixelsAreFortyBytesApart) {
    EXPECT_EQ(decodeStride(13), 40u);
    EXPECT_EQ(decodeStride(16), 48u);
    EXPECT_EQ(decodeStride(1), 4u);
    // The decoder writes exactly there: the bytes between the rows stay untouched.
    const test::Bytes file = test::makeJpeg(13, 2, [](int, int) { return 0x808080u; });
    std::int32_t w = 0;
    std::int32_t h = 0;
    ASSERT_TRUE(readJpegSize(file.data(), file.size(), w, h));
    ASSERT_EQ(w, 13);
    std::vector<std::uint8_t> rows(decodeStride(13) * 3, 0xEE);
    ASSERT_TRUE(decodeJpeg(file.data(), file.size(), rows.data(), decodeStride(13), w, h));
    EXPECT_EQ(rows[39], 0xEE);
    EXPECT_NE(rows[40], 0xEE);
    EXPECT_EQ(rows[79], 0xEE);
}

TEST_F(Jpeg, AGreyscalePictureComesOutWithEqualChannels) {
    ASSERT_NE(load(0, test::makeJpeg(16, 16, quarters, /*greyscale=*/true)), 0);
    for (const std::uint32_t p : display.sprites[0].surface->pixels) {
        ASSERT_EQ(p >> 16 & 0xFF, p & 0xFF);
        ASSERT_EQ(p >> 8 & 0xFF, p & 0xFF);
    }
    // Green of the top-left quarter was 0x10, of the top-right 0xE0.
    EXPECT_NEAR(static_cast<int>(display.sprites[0].surface->row(2)[2] & 0xFF), 0x10, 6);
    EXPECT_NEAR(static_cast<int>(display.sprites[0].surface->row(2)[13] & 0xFF), 0xE0, 6);
}

TEST_F(Jpeg, ATruncatedPictureStillLoadsAtItsFullSize) {
    test::Bytes file = test::makeJpeg(64, 64, quarters, false, 95, /*progressive=*/true);
    file.resize(file.size() * 2 / 3);
    ASSERT_NE(load(0, file), 0);
    EXPECT_EQ(display.sprites[0].width, 64);
    EXPECT_EQ(display.sprites[0].height, 64);
}

TEST_F(Jpeg, APictureCutInsideItsHeadersIsRefusedCleanly) {
    test::Bytes file = test::makeJpeg(16, 16, quarters);
    file.resize(40);
    EXPECT_EQ(load(0, file), 0);
    EXPECT_EQ(display.sprites[0].surface, nullptr);
}

TEST_F(Jpeg, WithoutTheInstalledDecoderAJpegIsNotRecognised) {
    resetImageDecoders();
    EXPECT_EQ(load(0, test::makeJpeg(16, 16, quarters)), 0);
    installJpegDecoder();
    EXPECT_NE(load(0, test::makeJpeg(16, 16, quarters)), 0);
}

TEST_F(Jpeg, InstallingTheDecoderTwiceListsItOnce) {
    resetImageDecoders();
    installJpegDecoder();
    installJpegDecoder();
    // 99 more fit exactly when the JPEG decoder took one place.
    int added = 0;
    const ImageDecoder other{[](const std::uint8_t*, std::size_t) { return false; },
                             [](std::uint8_t*, std::size_t, std::int32_t) { return false; },
                             [] { return std::int32_t{0}; }, [] { return std::int32_t{0}; }};
    while (addImageDecoder(other)) {
        ++added;
    }
    EXPECT_EQ(added, 99);
}

TEST_F(Jpeg, TheFirstDecoderThatAcceptsWins) {
    resetImageDecoders();
    static int asked = 0;
    asked = 0;
    const ImageDecoder refuser{[](const std::uint8_t*, std::size_t) {
                                   ++asked;
                                   return false;
                               },
                               [](std::uint8_t*, std::size_t, std::int32_t) { return false; },
                               [] { return std::int32_t{0}; }, [] { return std::int32_t{0}; }};
    addImageDecoder(refuser);
    installJpegDecoder();
    EXPECT_NE(load(0, test::makeJpeg(16, 16, quarters)), 0);
    EXPECT_EQ(asked, 1);
}

TEST_F(Jpeg, APictureLargerThanTheBudgetIsRefusedBeforeDecoding) {
    // A valid header claiming 20000 x 8 pixels (wider than 4096).
    const test::Bytes file = test::makeJpeg(
        20000, 8, [](int, int) { return 0u; }, false, 10);
    EXPECT_EQ(load(0, file), 0);
}

} // namespace
} // namespace game
