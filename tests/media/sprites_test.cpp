// Sprite loading: the table, BMP pictures becoming screen pixels, and the colour keys.

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::uint32_t checker(int x, int y) {
    return (x + y) % 2 == 0 ? 0x000000u : kMagenta;
}

class Sprites : public test::PictureLoading {
protected:
    static std::uint32_t keyOf(std::int32_t number) {
        return display.sprites[static_cast<std::size_t>(number)].colorKey;
    }
};

// --- the table ---

TEST_F(Sprites, LoadingIntoSlot120GrowsTheTableTo170EmptySlots) {
    ASSERT_NE(load(120, test::makeBmp(2, 2, checker)), 0);
    ASSERT_EQ(spriteCapacity(), 170);
    for (std::int32_t i = 50; i < 170; ++i) {
        EXPECT_EQ(display.sprites[static_cast<std::size_t>(i)].surface != nullptr, i == 120) << i;
    }
}

TEST_F(Sprites, ALoadThatFailsStillEmptiesTheSlot) {
    ASSERT_NE(load(5, test::makeBmp(2, 2, checker)), 0);
    const test::Bytes broken = {'B', 'M', 0, 0};
    EXPECT_EQ(load(5, broken), 0);
    EXPECT_EQ(display.sprites[5].surface, nullptr);
}

TEST_F(Sprites, AFileThatCannotBeReadLeavesTheSlotAsItWas) {
    ASSERT_NE(load(5, test::makeBmp(2, 2, checker)), 0);
    EXPECT_EQ(loadSprite(5, "/nonexistent/picture.bmp"), 0);
    EXPECT_NE(display.sprites[5].surface, nullptr);
}

TEST_F(Sprites, NothingLoadsBeforeTheScreenIsOpen) {
    test::closeTestScreen();
    ASSERT_NE(initDisplay(), 0);
    EXPECT_EQ(load(1, test::makeBmp(2, 2, checker)), 0);
    EXPECT_EQ(display.sprites[1].surface, nullptr);
}

TEST_F(Sprites, NegativeAndHugeSpriteNumbersAreRefused) {
    const test::Bytes bmp = test::makeBmp(2, 2, checker);
    EXPECT_EQ(load(-1, bmp), 0);
    EXPECT_EQ(load(kMaxSpriteNumber, bmp), 0);
    EXPECT_EQ(spriteCapacity(), 50);
}

// --- BMP pictures ---

TEST_F(Sprites, A24BitBmpBecomesUprightScreenPixels) {
    // Each pixel names its own place: red = x, green = y, blue fixed.
    const auto place = [](int x, int y) {
        return static_cast<std::uint32_t>(x) << 16 | static_cast<std::uint32_t>(y) << 8 | 0x5A;
    };
    ASSERT_NE(load(1, test::makeBmp(5, 3, place)), 0);
    const SpriteSlot& slot = display.sprites[1];
    ASSERT_EQ(slot.width, 5);
    ASSERT_EQ(slot.height, 3);
    EXPECT_EQ(slot.displayWidth, 5);
    EXPECT_EQ(slot.displayHeight, 3);
    EXPECT_EQ(slot.depth, 24);
    EXPECT_EQ(slot.clipX, 0);
    EXPECT_EQ(slot.clipY, 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(slot.surface->row(y)[x], place(x, y)) << x << "," << y;
        }
    }
}

TEST_F(Sprites, AMagentaPixelEqualsTheMagentaKeyExactly) {
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(load(1, test::makeBmp(2, 1, checker)), 0);
    EXPECT_EQ(display.sprites[1].surface->pixels[1], 0x00FF00FFu);
    EXPECT_EQ(keyOf(1), 0x00FF00FFu);
}

TEST_F(Sprites, A13PixelWideBmpReadsRowsFortyBytesApart) {
    // 13 pixels of 3 bytes are 39 bytes, padded to 40 per row.
    const test::Bytes bmp =
        test::makeBmp(13, 2, [](int x, int y) { return static_cast<std::uint32_t>(x * 10 + y); });
    ASSERT_EQ(bmp.size(), 54u + 2 * 40);
    ASSERT_NE(load(1, bmp), 0);
    const Surface& s = *display.sprites[1].surface;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 13; ++x) {
            EXPECT_EQ(s.row(y)[x], static_cast<std::uint32_t>(x * 10 + y));
        }
    }
}

TEST_F(Sprites, A16BitBmpScalesEachFiveBitChannelByEight) {
    test::BmpOptions options;
    options.bitCount = 16;
    // (255, 128, 8) is stored as 5-bit (31, 16, 1) and comes back as (248, 128, 8).
    ASSERT_NE(load(1, test::makeBmp(
                          1, 1, [](int, int) { return 0xFF8008u; }, options)),
              0);
    EXPECT_EQ(display.sprites[1].surface->pixels[0], 0xF88008u);
}

// --- colour keys ---

TEST_F(Sprites, TheDefaultKeyChangedBetweenLoadsOnlyReachesLaterSprites) {
    ASSERT_NE(load(0, test::makeBmp(2, 2, checker)), 0);
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(load(6, test::makeBmp(2, 2, checker)), 0);
    EXPECT_EQ(keyOf(0), 0u);
    EXPECT_EQ(keyOf(6), kMagenta);
}

TEST_F(Sprites, AKeyForAnEmptySlotIsNotRememberedForItsLoad) {
    setColorKey(-1, 255, 0, 255);
    setColorKey(44, 0, 0, 0);
    ASSERT_NE(load(44, test::makeBmp(2, 2, checker)), 0);
    EXPECT_EQ(keyOf(44), kMagenta);
    setColorKey(44, 0, 0, 0);
    EXPECT_EQ(keyOf(44), 0u);
}

TEST_F(Sprites, ASpriteKeySetsOnlyThatSprite) {
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(load(53, test::makeBmp(2, 2, checker)), 0);
    ASSERT_NE(load(54, test::makeBmp(2, 2, checker)), 0);
    setColorKey(54, 255, 255, 0);
    EXPECT_EQ(keyOf(54), 0xFFFF00u);
    EXPECT_EQ(keyOf(53), kMagenta);
    EXPECT_EQ(display.defaultColorKey, kMagenta);
}

TEST_F(Sprites, ColorToPixelPutsRedHighOnTheOpenScreenAndGivesZeroWithoutOne) {
    EXPECT_EQ(colorToPixel(255, 0, 255), 0xFF00FFu);
    EXPECT_EQ(colorToPixel(1, 2, 3), 0x010203u);
    test::closeTestScreen();
    EXPECT_EQ(colorToPixel(255, 0, 255), 0u);
}

TEST_F(Sprites, AReloadKeepsTheSpritesOwnKeyAndTheDefaultThatWasCurrentAtItsLoad) {
    test::TempFolder folder;
    const std::string first = folder.file("first.bmp");
    const std::string pink = folder.file("pink.bmp");
    test::writeWholeFile(first, test::makeBmp(2, 2, checker));
    test::writeWholeFile(pink, test::makeBmp(2, 2, checker));
    ASSERT_NE(loadSprite(0, first.c_str()), 0); // black key
    setColorKey(-1, 255, 0, 255);
    ASSERT_NE(loadSprite(44, pink.c_str()), 0);
    setColorKey(44, 0, 0, 0);
    ASSERT_NE(reloadSprite(0), 0);
    ASSERT_NE(reloadSprite(44), 0);
    EXPECT_EQ(keyOf(0), 0u);
    EXPECT_EQ(keyOf(44), 0u);
}

// --- refused pictures ---

struct Refusal {
    const char* what;
    test::Bytes file;
};

class RefusedPicture : public Sprites, public ::testing::WithParamInterface<int> {};

// Forms the corpora do not cover; they hold compressed, palette and absurdly large files.
std::vector<Refusal> refusals() {
    std::vector<Refusal> r;
    const test::Bytes good = test::makeBmp(4, 4, checker);
    test::BmpOptions o;
    o.topDown = true;
    r.push_back({"24-bit top-down rows", test::makeBmp(4, 4, checker, o)});
    o = {};
    o.infoSize = 12;
    r.push_back({"old short header", test::makeBmp(4, 4, checker, o)});
    test::Bytes cut = good;
    cut.resize(cut.size() - 20);
    r.push_back({"24-bit pixels cut short", cut});
    test::Bytes farOffset = good;
    test::put32(farOffset, 10, 0xFFFFFFF0u);
    r.push_back({"pixel offset past the end", farOffset});
    test::Bytes wide = good;
    test::put32(wide, 18, 4097);
    test::put32(wide, 22, 1);
    r.push_back({"wider than 4096", wide});
    test::Bytes zero = good;
    test::put32(zero, 18, 0);
    r.push_back({"zero width", zero});
    r.push_back({"neither BMP nor JPEG", test::Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}});
    r.push_back({"a JPEG start and nothing else", test::Bytes{0xFF, 0xD8}});
    return r;
}

TEST_P(RefusedPicture, IsRefusedAndLeavesTheSlotEmpty) {
    const Refusal refusal = refusals()[static_cast<std::size_t>(GetParam())];
    ASSERT_NE(load(2, test::makeBmp(2, 2, checker)), 0);
    EXPECT_EQ(load(2, refusal.file), 0) << refusal.what;
    EXPECT_EQ(display.sprites[2].surface, nullptr) << refusal.what;
}

INSTANTIATE_TEST_SUITE_P(Hostile, RefusedPicture,
                         ::testing::Range(0, static_cast<int>(refusals().size())));

TEST_F(Sprites, ABmpWhoseLastRowLacksItsPaddingStillLoads) {
    test::Bytes bmp = test::makeBmp(13, 2, checker);
    bmp.pop_back(); // the last stored row keeps its 39 pixel bytes
    ASSERT_NE(load(1, bmp), 0);
    EXPECT_EQ(display.sprites[1].surface->row(0)[1], kMagenta);
}

TEST_F(Sprites, TheRawEightBitModeIsNotOffered) {
    const test::Bytes bmp = test::makeBmp(2, 2, checker);
    EXPECT_EQ(spriteFromMemory(1, bmp.data(), bmp.size(), kSpriteModeRaw, ""), 0);
}

} // namespace
} // namespace game
