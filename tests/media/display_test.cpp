// The display on the fake machine: the recovery after the machine lost what showed the picture.

#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

namespace game {
namespace {

class Display : public ::testing::Test {
protected:
    void SetUp() override { test::openTestScreen(); }
    void TearDown() override { test::closeTestScreen(); }
};

// After the machine lost the picture's renderer, the sprites read from files are read again and
// keep the keys they had; a sprite that came from memory stays as it is. Closing empties all.
TEST_F(Display, ALostDisplayReloadsSpritesFromTheirFilesKeepingTheirKeys) {
    test::TempFolder folder;
    const std::string file = folder.file("red.bmp");
    test::writeWholeFile(file, test::makeBmp(2, 2, [](int, int) { return 0xFF0000u; }));
    ASSERT_NE(loadSprite(7, file.c_str()), 0);
    setColorKey(7, 255, 0, 0);
    const test::Bytes memoryPicture = test::makeBmp(2, 2, [](int, int) { return 0x0000FFu; });
    ASSERT_NE(spriteFromMemory(8, memoryPicture.data(), memoryPicture.size(), 0, ""), 0);
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
