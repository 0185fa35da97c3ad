// The built data folder, loaded the way the game loads it at start-up: every picture and sound
// reaches its number, with the pixels the files hold and the key the catalogue gives it.

#include "data/data_files.hpp"
#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sound.hpp"
#include "media/sprites.hpp"
#include "shell/catalogue.hpp"
#include "shell/load_catalogue.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace game {
namespace {

class GameLoadsData : public test::PictureLoading {
protected:
    void SetUp() override {
        PictureLoading::SetUp();
        closeSound();
        ASSERT_EQ(initSound(), 1);
        loadCatalogue(ZV_DATA_DIR "/");
    }
    void TearDown() override {
        closeSound();
        PictureLoading::TearDown();
    }
};

TEST_F(GameLoadsData, EveryPictureArrivesWithTheFilesPixelsAndItsKey) {
    for (const PictureEntry& entry : kPictures) {
        SCOPED_TRACE(entry.file);
        const SpriteSlot* slot = spriteSlot(entry.id);
        ASSERT_NE(slot, nullptr);
        ASSERT_TRUE(slot->surface);
        const testdata::Sprite file = testdata::loadSprite(entry.id);
        ASSERT_EQ(slot->width, file.image.width);
        ASSERT_EQ(slot->height, file.image.height);
        const Rgb key = finalColorKey(entry.id);
        EXPECT_EQ(slot->colorKey, (static_cast<std::uint32_t>(key.r) << 16) |
                                      (static_cast<std::uint32_t>(key.g) << 8) | key.b);
        std::int32_t differing = 0;
        for (int y = 0; y < file.image.height; ++y) {
            for (int x = 0; x < file.image.width; ++x) {
                const testdata::Rgb& want = file.image.at(x, y);
                const std::uint32_t got = slot->surface->row(y)[x] & 0xFFFFFFu;
                const std::uint32_t wantPixel = (static_cast<std::uint32_t>(want.r) << 16) |
                                                (static_cast<std::uint32_t>(want.g) << 8) |
                                                static_cast<std::uint32_t>(want.b);
                differing += got != wantPixel ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(GameLoadsData, EverySoundArrivesInItsSlot) {
    for (const SoundEntry& entry : kSounds) {
        ASSERT_LT(static_cast<std::size_t>(entry.id), sounds.slots.size());
        EXPECT_NE(sounds.slots[static_cast<std::size_t>(entry.id)], 0) << entry.file;
    }
}

} // namespace
} // namespace game
