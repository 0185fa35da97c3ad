// Sprite loading: BMP and JPEG pictures becoming screen pixels, the colour keys, the pictures
// refused, the JPEG decoder's one place in the list of decoders, and the recovery after the
// machine lost what showed the picture.

#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

namespace game {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

constexpr auto checker = [](int x, int y) { return (x + y) % 2 == 0 ? 0u : kMagenta; };

class Sprites : public test::PictureLoading {
protected:
    static std::uint32_t keyOf(std::size_t number) { return display.sprites[number].colorKey; }
};

TEST_F(Sprites, ASpriteKeepsTheDefaultKeyOfItsLoadUntilGivenItsOwn) {
    const test::Bytes bmp = test::makeBmp(2, 1, checker); // black, magenta
    ASSERT_NE(load(0, bmp), 0);
    EXPECT_EQ(load(kMaxSpriteNumber, bmp), 0);
    setColorKey(-1, 255, 0, 255);
    setColorKey(44, 0, 0, 0);
    ASSERT_NE(load(44, bmp), 0);
    ASSERT_NE(load(6, bmp), 0);
    EXPECT_EQ(keyOf(0), 0u) << "the default changed after its load";
    EXPECT_EQ(keyOf(44), kMagenta) << "a key for an empty slot is not remembered";
    EXPECT_EQ(display.sprites[6].surface->pixels[1], keyOf(6)) << "magenta pixels are the key";
    setColorKey(44, 255, 255, 0);
    EXPECT_EQ(keyOf(44), 0xFFFF00u);
    EXPECT_EQ(keyOf(6), kMagenta) << "a sprite's own key is for that sprite only";
    EXPECT_EQ(display.defaultColorKey, kMagenta);
    test::closeTestScreen();
    EXPECT_EQ(colorToPixel(255, 0, 255), 0u) << "no colours without a screen";
}

// Forms the corpora do not cover; they hold compressed, palette and absurdly large files.
TEST_F(Sprites, AHostilePictureIsRefusedAndEmptiesTheSlot) {
    const test::Bytes good = test::makeBmp(4, 4, checker);
    const test::Bytes jpeg = test::makeJpeg(16, 16, checker);
    const auto changed = [&good](std::size_t at, std::uint32_t value, std::size_t cut = 0) {
        test::Bytes b = good;
        test::put32(b, at, value);
        b.resize(b.size() - cut);
        return b;
    };
    const struct {
        const char* what;
        test::Bytes file;
    } rows[] = {
        {"24-bit top-down rows", test::makeBmp(4, 4, checker, {.topDown = true})},
        {"old short header", test::makeBmp(4, 4, checker, {.infoSize = 12})},
        {"24-bit pixels cut short", changed(2, static_cast<std::uint32_t>(good.size()), 20)},
        {"pixel offset past the end", changed(10, 0xFFFFFFF0u)},
        {"wider than 4096", changed(18, 4097)},
        {"zero width", changed(18, 0)},
        {"a broken header", test::Bytes{'B', 'M', 0, 0}},
        {"neither BMP nor JPEG", test::Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}},
        {"a JPEG start and nothing else", test::Bytes{0xFF, 0xD8}},
        {"a JPEG cut inside its headers", test::Bytes(jpeg.begin(), jpeg.begin() + 40)},
        {"a JPEG wider than 4096", test::makeJpeg(4097, 8, checker, false, 10)},
        {"a JPEG of more than a million pixels", test::makeJpeg(1025, 1024, checker, false, 10)},
    };
    for (const auto& row : rows) {
        ASSERT_NE(load(2, good), 0);
        EXPECT_EQ(load(2, row.file), 0) << row.what;
        EXPECT_EQ(display.sprites[2].surface, nullptr) << row.what;
    }
}

// Large flat areas survive compression nearly unchanged. The 16- and 32-bit forms and cut JPEGs
// are the picture corpus's part.
std::uint32_t quarters(int x, int y) {
    static constexpr std::uint32_t kColors[4] = {0xE01010, 0x10E010, 0x1010E0, 0xE0E0E0};
    return kColors[(x >= 8 ? 1 : 0) + (y >= 8 ? 2 : 0)];
}

TEST_F(Sprites, EveryPictureFormBecomesUprightScreenPixels) {
    const auto grey = [](int x, int y) { return (quarters(x, y) >> 8 & 0xFF) * 0x010101u; };
    test::Bytes unpadded = test::makeBmp(21, 21, quarters);
    unpadded.pop_back(); // the last stored row keeps its 63 pixel bytes but not its padding
    const struct {
        const char* what;
        test::Bytes file;
        int size;
        std::uint32_t (*expected)(int x, int y);
        int tolerance;
    } rows[] = {
        {"24-bit BMP, rows of 63 bytes padded to 64", test::makeBmp(21, 21, quarters), 21, quarters,
         0},
        {"BMP without the last row's padding", unpadded, 21, quarters, 0},
        {"JPEG, rows of 63 bytes padded to 64", test::makeJpeg(21, 21, quarters), 21, quarters, 6},
        {"greyscale JPEG", test::makeJpeg(21, 21, quarters, true), 21, grey, 6},
    };
    for (const auto& row : rows) {
        ASSERT_NE(load(0, row.file), 0) << row.what;
        const SpriteSlot& slot = display.sprites[0];
        ASSERT_TRUE(slot.width == row.size && slot.height == row.size) << row.what;
        for (const auto& [x, y] : {std::pair{2, 2}, {16, 2}, {2, 16}, {16, 16}}) {
            const std::uint32_t got = slot.surface->row(y)[x];
            for (int shift = 0; shift < 32; shift += 8) {
                EXPECT_NEAR(got >> shift & 0xFF, row.expected(x, y) >> shift & 0xFF, row.tolerance)
                    << row.what << " at " << x << "," << y << ": " << std::hex << got;
            }
        }
    }
}

TEST_F(Sprites, TheJpegDecoderIsListedOnce) {
    installJpegDecoder();
    const ImageDecoder refuser{[](const std::uint8_t*, std::size_t) { return false; },
                               [](std::uint8_t*, std::size_t, std::int32_t) { return false; },
                               [] { return std::int32_t{0}; }, [] { return std::int32_t{0}; }};
    int added = 0;
    while (added < 1000 && addImageDecoder(refuser)) {
        ++added;
    }
    EXPECT_EQ(added, 99) << "the JPEG decoder took one place of 100";
}

// After the machine lost the picture's renderer, the sprites read from files are read again and
// keep the keys they had; a sprite that came from memory stays as it is. Closing empties all.
TEST_F(Sprites, ALostDisplayReloadsSpritesFromTheirFilesKeepingTheirKeys) {
    test::TempFolder folder;
    const std::string file = folder.file("red.bmp");
    test::writeWholeFile(file, test::makeBmp(2, 2, [](int, int) { return 0xFF0000u; }));
    ASSERT_NE(loadSprite(7, file.c_str()), 0);
    setColorKey(7, 255, 0, 0);
    ASSERT_NE(load(8, test::makeBmp(2, 2, [](int, int) { return 0x0000FFu; })), 0);
    // The file changes meanwhile, so the reload shows.
    test::writeWholeFile(file, test::makeBmp(3, 2, [](int, int) { return 0x00FF00u; }));
    fake::dev.displayLost = true;
    flipPage();
    const SpriteSlot& reloaded = display.sprites[7];
    ASSERT_TRUE(reloaded.surface && display.sprites[8].surface);
    EXPECT_EQ(reloaded.width, 3);
    EXPECT_EQ(reloaded.surface->pixels[0], 0x00FF00u);
    EXPECT_EQ(reloaded.colorKey, 0xFF0000u);
    EXPECT_EQ(display.sprites[8].surface->pixels[0], 0x0000FFu);
    fake::dev.active = false;
    const int presents = fake::dev.presents;
    flipPage();
    EXPECT_EQ(fake::dev.presents, presents) << "nothing is shown in the background";
    closeDisplay();
    EXPECT_EQ(display.sprites[7].surface, nullptr);
    EXPECT_FALSE(fake::dev.windowOpen || fake::dev.videoStarted);
    ASSERT_NE(initDisplay(), 0);
    EXPECT_EQ(openScreen(640, 480, 16, "Zuravozidizuvav"), 0) << "only the 32-bit screen";
}

} // namespace
} // namespace game
