// The display on the fake machine: its start and end, the page flip, the drawing output and the
// recovery after the machine lost what showed the picture.

#include "media/display.hpp"
#include "media/sprites.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace game {
namespace {

class Display : public ::testing::Test {
protected:
    void SetUp() override {
        test::closeTestScreen();
        fake::reset(0);
    }
    void TearDown() override { test::closeTestScreen(); }
};

TEST_F(Display, InitDisplayMakesFiftyEmptySpriteSlotsAndABlackDefaultKey) {
    display.defaultColorKey = 0x123456;
    ASSERT_NE(initDisplay(), 0);
    ASSERT_EQ(spriteCapacity(), 50);
    for (const SpriteSlot& slot : display.sprites) {
        EXPECT_EQ(slot.surface, nullptr);
    }
    EXPECT_EQ(display.defaultColorKey, 0u);
    EXPECT_EQ(display.displayActive, 0);
    EXPECT_NE(initQuadSprites(), 0);
}

TEST_F(Display, WithoutADisplaySystemNeitherServiceStartsAndNoWindowOpens) {
    fake::dev.videoStartFails = true;
    EXPECT_EQ(initDisplay(), 0);
    EXPECT_EQ(initQuadSprites(), 0);
    EXPECT_EQ(openScreen(640, 480, 32, "Zuravozidizuvav"), 0);
    EXPECT_FALSE(fake::dev.windowOpen);
}

TEST_F(Display, CloseDisplayWithoutInitDisplayDoesNothing) {
    fake::dev.videoStarted = true;
    closeDisplay();
    EXPECT_TRUE(fake::dev.videoStarted);
    EXPECT_EQ(display.displayUsers, 0);
}

TEST_F(Display, OpenScreenGivesABlack640By480BackBufferAsTheTarget) {
    ASSERT_NE(initDisplay(), 0);
    ASSERT_EQ(openScreen(640, 480, 32, "Zuravozidizuvav"), 1);
    EXPECT_TRUE(fake::dev.windowOpen);
    EXPECT_EQ(display.targetSurface, &display.backBuffer);
    EXPECT_EQ(display.targetWidth, 640);
    EXPECT_EQ(display.targetHeight, 480);
    EXPECT_EQ(display.backBuffer.pixels.size(), 640u * 480u);
    EXPECT_EQ(std::count(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), 0u),
              640 * 480);
    EXPECT_EQ(display.pixelFormat, kPixelFormatX8R8G8B8);
    EXPECT_EQ(display.displayActive, 1);
}

TEST_F(Display, AScreenOfAnotherDepthIsRefusedAndLeavesNothingOpen) {
    ASSERT_NE(initDisplay(), 0);
    EXPECT_EQ(openScreen(640, 480, 16, "Zuravozidizuvav"), 0);
    EXPECT_FALSE(fake::dev.windowOpen);
    EXPECT_EQ(display.screenOpen, 0);
    EXPECT_EQ(display.targetSurface, nullptr);
}

TEST_F(Display, AWindowThatCannotOpenLeavesNoHalfOpenScreen) {
    ASSERT_NE(initDisplay(), 0);
    fake::dev.windowOpenFails = true;
    EXPECT_EQ(openScreen(640, 480, 32, "Zuravozidizuvav"), 0);
    EXPECT_EQ(display.screenOpen, 0);
    EXPECT_EQ(display.displayActive, 0);
    EXPECT_EQ(screenOutput(), nullptr);
}

TEST_F(Display, FlipPageShowsTheBackBufferOnce) {
    test::openTestScreen();
    display.backBuffer.pixels[641] = 0x00ABCDEF;
    flipPage();
    ASSERT_EQ(fake::dev.presents, 1);
    ASSERT_EQ(fake::dev.lastFrame.size(), 640u * 480u);
    EXPECT_EQ(fake::dev.lastFrame[641], 0x00ABCDEFu);
}

TEST_F(Display, FlipPageWhileInTheBackgroundShowsNothingAndClearsDisplayActive) {
    test::openTestScreen();
    fake::dev.active = false;
    fake::dev.displayLost = true;
    flipPage();
    EXPECT_EQ(fake::dev.presents, 0);
    EXPECT_EQ(display.displayActive, 0);
    // No restore happened: the loss is still waiting to be noticed.
    EXPECT_TRUE(fake::dev.displayLost);
    fake::dev.active = true;
    flipPage();
    EXPECT_EQ(display.displayActive, 1);
    EXPECT_EQ(fake::dev.presents, 1);
}

TEST_F(Display, ScreenOutputIsHandedOutOnceUntilReleased) {
    test::openTestScreen();
    const DrawingOutput* output = screenOutput();
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->kind, kDrawingOutputScreen);
    EXPECT_EQ(output->pixels, display.backBuffer.pixels.data());
    EXPECT_EQ(output->pitch, 640 * 4);
    EXPECT_EQ(output->width, 640);
    EXPECT_EQ(output->height, 480);
    EXPECT_EQ(output->depth, 32);
    EXPECT_EQ(output->pixelFormat, kPixelFormatX8R8G8B8);
    EXPECT_EQ(output->release, &releaseScreenOutput);
    EXPECT_EQ(screenOutput(), nullptr);
    output->release();
    EXPECT_NE(screenOutput(), nullptr);
}

TEST_F(Display, FlipPageTakesBackAnOutputStillHandedOut) {
    test::openTestScreen();
    ASSERT_NE(screenOutput(), nullptr);
    flipPage();
    EXPECT_EQ(display.outputHeld, 0);
    EXPECT_NE(screenOutput(), nullptr);
}

TEST_F(Display, CloseDisplayEmptiesEverySlotClosesTheWindowAndStopsTheDisplaySystem) {
    test::openTestScreen();
    const test::Bytes bmp = test::makeBmp(4, 4, [](int, int) { return 0x112233u; });
    ASSERT_NE(spriteFromMemory(3, bmp.data(), bmp.size(), 0, ""), 0);
    closeDisplay();
    EXPECT_EQ(display.sprites[3].surface, nullptr);
    EXPECT_FALSE(fake::dev.windowOpen);
    EXPECT_FALSE(fake::dev.videoStarted);
    EXPECT_EQ(display.displayActive, 0);
}

// After the machine lost the picture's renderer, the sprites read from files are read again and
// keep the keys they had; a sprite that came from memory stays as it is.
TEST_F(Display, ALostDisplayReloadsSpritesFromTheirFilesKeepingTheirKeys) {
    test::TempFolder folder;
    const std::string file = folder.file("red.bmp");
    test::writeWholeFile(file, test::makeBmp(2, 2, [](int, int) { return 0xFF0000u; }));
    test::openTestScreen();
    ASSERT_NE(loadSprite(7, file.c_str()), 0);
    setColorKey(7, 255, 0, 0);
    const test::Bytes memoryPicture = test::makeBmp(2, 2, [](int, int) { return 0x0000FFu; });
    ASSERT_NE(spriteFromMemory(8, memoryPicture.data(), memoryPicture.size(), 0, ""), 0);

    // The file changes meanwhile, so the reload shows.
    test::writeWholeFile(file, test::makeBmp(3, 2, [](int, int) { return 0x00FF00u; }));
    fake::dev.displayLost = true;
    flipPage();

    const SpriteSlot& reloaded = display.sprites[7];
    ASSERT_NE(reloaded.surface, nullptr);
    EXPECT_EQ(reloaded.width, 3);
    EXPECT_EQ(reloaded.surface->pixels[0], 0x00FF00u);
    EXPECT_EQ(reloaded.colorKey, 0xFF0000u);
    ASSERT_NE(display.sprites[8].surface, nullptr);
    EXPECT_EQ(display.sprites[8].surface->pixels[0], 0x0000FFu);
}

} // namespace
} // namespace game
