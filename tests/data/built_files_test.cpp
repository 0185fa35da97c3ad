// The built picture and sound files, loaded the way the game loads them at start-up: each
// reaches its number with the key the catalogue gives it and a size that fits where the game
// draws it; the sounds are plain PCM as old readers expect them, loud but never clipped.

#include "media/sound.hpp"
#include "media/wav_reader.hpp"
#include "record/catalogue.hpp"
#include "shell/load_catalogue.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace game {
namespace {

class BuiltFiles : public test::PictureLoading {
protected:
    void SetUp() override {
        PictureLoading::SetUp();
        closeSound();
        ASSERT_EQ(initSound(), 1);
        ASSERT_EQ(loadCatalogue(std::string(ZV_DATA_DIR) + "/"), ""); // every file loads
        for (const PictureEntry& entry : kPictures) {
            ASSERT_TRUE(spriteSlot(entry.id) && spriteSlot(entry.id)->surface) << entry.file;
        }
    }
    void TearDown() override {
        closeSound();
        PictureLoading::TearDown();
    }
    static const SpriteSlot& slot(SpriteId id) { return *spriteSlot(id); }
};

TEST_F(BuiltFiles, EveryPictureHasItsKeyAndFitsWhereTheGameDrawsIt) {
    const int ball = slot(ballSprite(1)).width;
    struct Row {
        const char* what;
        SpriteId id;
        int minWidth, maxWidth, minHeight, maxHeight;
    };
    std::vector<Row> rows = {
        {"the background fills the screen", sprite::kBackground, 640, 640, 480, 480},
        {"the page panel", sprite::kTextPanel, 400, 400, 300, 300},
        {"a menu tab", sprite::kMenuTab, 144, 144, 40, 40},
        {"a square reaching from x 0 to 60", sprite::kField, 61, 99, 33, 99},
        {"a ball of about 30 pixels", ballSprite(1), 26, 34, ball, ball},
    };
    for (SpriteId id = sprite::kFirstFace; id < ballSprite(8);
         id += id + 1 == ballSprite(0) ? 2 : 1) {
        rows.push_back({"faces over balls of one size", id, ball, ball, ball, ball});
    }
    for (int colour = 1; colour <= 7; ++colour) {
        rows.push_back({"six shards of 11 x 12", brokenSprite(colour), 66, 66, 12, 12});
    }
    for (const Row& row : rows) {
        const SpriteSlot& s = slot(row.id);
        EXPECT_TRUE(s.width >= row.minWidth && s.width <= row.maxWidth &&
                    s.height >= row.minHeight && s.height <= row.maxHeight)
            << row.what << ", " << row.id << ": " << s.width << " x " << s.height;
    }
    for (const PictureEntry& entry : kPictures) {
        const PixelVector& pixels = slot(entry.id).surface->pixels;
        const Rgb key = finalColorKey(entry.id);
        EXPECT_EQ(slot(entry.id).colorKey,
                  static_cast<std::uint32_t>(key.r << 16 | key.g << 8 | key.b))
            << entry.file;
        const auto hidden = std::count(pixels.begin(), pixels.end(), slot(entry.id).colorKey);
        EXPECT_TRUE(hidden < std::ssize(pixels) &&
                    (hidden > 0 || std::string(entry.file).ends_with(".jpg")))
            << entry.file << ": " << hidden << " transparent pixels";
    }
    // The pink ball is keyed black and its shards yellow: magenta would stay visible on them.
    for (SpriteId id : {ballSprite(5), brokenSprite(5)}) {
        const PixelVector& pixels = slot(id).surface->pixels;
        EXPECT_EQ(pixels[0], slot(id).colorKey) << id;
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFF00FFu), 0) << id;
    }
}

TEST_F(BuiltFiles, EverySoundArrivesAndIsPlainPcmLoudButNotClipped) {
    for (const SoundEntry& entry : kSounds) {
        EXPECT_NE(sounds.slots.at(static_cast<std::size_t>(entry.id)), 0) << entry.file;
        const test::Bytes bytes =
            test::readWholeFile(std::filesystem::path(ZV_DATA_DIR) / entry.file);
        WavSamples wav;
        ASSERT_TRUE(readWav(bytes.data(), bytes.size(), wav)) << entry.file;
        EXPECT_TRUE(wav.format.rate == 22050 || wav.format.rate == 44100) << entry.file;
        // The plain 44-byte header of 16-bit PCM, the samples right after it up to the end.
        const test::Bytes samples(bytes.begin() + 44, bytes.end()); // a read file has 44 at least
        EXPECT_EQ(test::makePcmWav(wav.format.channels, wav.format.rate, 16, samples), bytes)
            << entry.file;
        const auto le = [&bytes](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
        int peak = 0;
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
            const int sample = static_cast<std::int16_t>(le(at));
            peak = std::max(peak, sample == -32768 ? 32768 : std::abs(sample));
        }
        EXPECT_LT(peak, 32767) << entry.file << " is clipped";
        EXPECT_GT(peak, 32767 / 2) << entry.file << " is quieter than -6 dB";
    }
}

} // namespace
} // namespace game
