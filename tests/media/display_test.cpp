// The display on the fake machine: its start and end, the page flip, the drawing output and the
// recovery after the machine lost what showed the picture.

#include "support/media_files.hpp"
#include "support/screen.hpp"
#include "support/temp_folder.hpp"

#include <algorithm>

namespace game {
namespace {

class Display : public ::testing::Test {
protected:
    void SetUp() override { test::openTestScreen(); }
    void TearDown() override { test::closeTestScreen(); }
};

TEST_F(Display, OnlyA32BitScreenOpensAndAFailureLeavesNothingHalfOpen) {
    const struct {
        const char* what;
        bool videoFails, windowFails;
        int depth;
    } rows[] = {
        {"the 32-bit screen", false, false, 32},
        {"no display system", true, false, 32},
        {"a 16-bit screen", false, false, 16},
        {"a window that cannot open", false, true, 32},
    };
    for (const auto& row : rows) {
        test::closeTestScreen();
        fake::reset(0);
        display.defaultColorKey = 0x123456;
        fake::dev.videoStartFails = row.videoFails;
        fake::dev.windowOpenFails = row.windowFails;
        const bool opens = !row.videoFails && !row.windowFails && row.depth == 32;
        EXPECT_EQ(initDisplay() != 0, !row.videoFails) << row.what;
        EXPECT_EQ(display.defaultColorKey, 0u) << row.what << ": the first pictures keyed black";
        EXPECT_EQ(openScreen(640, 480, row.depth, "Zuravozidizuvav"), opens ? 1 : 0) << row.what;
        EXPECT_EQ(fake::dev.windowOpen && display.displayActive && screenOutput(), opens)
            << row.what;
        EXPECT_EQ(
            std::count(display.backBuffer.pixels.begin(), display.backBuffer.pixels.end(), 0u),
            opens ? 640 * 480 : 0)
            << row.what << ": a black back buffer, or none";
    }
    test::closeTestScreen();
    fake::dev.videoStarted = true;
    closeDisplay();
    EXPECT_TRUE(fake::dev.videoStarted) << "a display the game did not start is not stopped";
}

TEST_F(Display, FlipPageShowsTheBackBufferOnlyInTheFrontAndTakesBackTheOutput) {
    const DrawingOutput* output = screenOutput();
    ASSERT_TRUE(output && output->pixels == display.backBuffer.pixels.data());
    EXPECT_EQ(screenOutput(), nullptr) << "handed out once until released";
    output->release();
    ASSERT_NE(screenOutput(), nullptr);
    display.backBuffer.pixels[641] = 0x00ABCDEF;
    for (bool front : {true, false, true}) {
        fake::dev.active = front;
        fake::dev.displayLost = !front;
        flipPage();
        EXPECT_EQ(display.displayActive, front ? 1 : 0);
        EXPECT_EQ(fake::dev.displayLost, !front) << "no restore in the background";
    }
    EXPECT_EQ(fake::dev.presents, 2);
    EXPECT_EQ(fake::dev.lastFrame.at(641), 0x00ABCDEFu);
    EXPECT_NE(screenOutput(), nullptr) << "the flip takes the output back";
}

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
    closeDisplay();
    EXPECT_EQ(display.sprites[7].surface, nullptr);
    EXPECT_FALSE(fake::dev.windowOpen || fake::dev.videoStarted);
}

} // namespace
} // namespace game
