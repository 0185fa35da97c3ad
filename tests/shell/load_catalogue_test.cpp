// Loading the catalogue from a data folder of made-up files: every picture and sound under its
// number, the keys each picture ends up with, the three volumes.

#include "shell/load_catalogue.hpp"

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace game {
namespace {

class LoadCatalogue : public test::PictureLoading {
protected:
    void SetUp() override {
        PictureLoading::SetUp();
        closeSound();
        ASSERT_EQ(initSound(), 1);
        for (const PictureEntry& picture : kPictures) {
            const std::string name = picture.file;
            const auto pixel = [](int x, int) { return x % 2 == 0 ? 0xFF00FFu : 0x204060u; };
            test::writeWholeFile(folder.file(name), name.ends_with(".jpg")
                                                        ? test::makeJpeg(16, 8, pixel)
                                                        : test::makeBmp(12, 8, pixel));
        }
        for (const SoundEntry& sound : kSounds) {
            test::writeWholeFile(folder.file(sound.file),
                                 test::makePcmWav(1, 22050, 16, test::Bytes(100, 0)));
        }
    }
    void TearDown() override {
        closeSound();
        PictureLoading::TearDown();
    }

    static float playedGain(SoundId id) {
        playSound(id, 0);
        return fake::dev.played.empty() ? -1.0f : fake::dev.played.back().gain;
    }

    test::TempFolder folder;
};

TEST_F(LoadCatalogue, EveryFileIsLoadedUnderItsNumberWithItsKeyAndVolume) {
    std::filesystem::remove(folder.file("Undo.bmp")); // only its own number stays empty
    loadCatalogue(folder.path().string() + "/");
    for (const PictureEntry& picture : kPictures) {
        const SpriteSlot& slot = display.sprites[static_cast<std::size_t>(picture.id)];
        EXPECT_EQ(slot.surface == nullptr, picture.id == sprite::kUndo) << picture.file;
    }
    // Black for the first six and the pink ball, yellow for the pink shards, magenta else.
    EXPECT_EQ(display.sprites[5].colorKey, 0u);
    EXPECT_EQ(display.sprites[7].colorKey, 0xFF00FFu);
    EXPECT_EQ(display.sprites[44].colorKey, 0u);
    EXPECT_EQ(display.sprites[54].colorKey, 0xFFFF00u);
    EXPECT_EQ(display.defaultColorKey, 0xFF00FFu);
    for (const SoundEntry& sound : kSounds) {
        EXPECT_NE(sounds.slots[static_cast<std::size_t>(sound.id)], 0) << sound.file;
    }
    // Gains 10^(attenuation / 2000) of the volume table.
    EXPECT_NEAR(playedGain(sound::kFieldSelect), std::pow(10.0, (9397 - 10000) / 2000.0), 1e-4);
    EXPECT_NEAR(playedGain(sound::kMenuOpen), std::pow(10.0, (9037 - 10000) / 2000.0), 1e-4);
    EXPECT_NEAR(playedGain(sound::kRaspberry), std::pow(10.0, (8795 - 10000) / 2000.0), 1e-4);
    EXPECT_FLOAT_EQ(playedGain(sound::kExplode), 1.0f);
}

} // namespace
} // namespace game
