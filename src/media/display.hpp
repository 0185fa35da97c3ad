#pragma once
// The full-screen display: a 640 x 480 back buffer of 32-bit pixels (0x00RRGGBB) in memory that
// the game draws into, shown once per drawn frame by flipPage.

#include <cstdint>
#include <vector>

namespace game {

struct BackBuffer {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels; // rows top to bottom, width pixels each
};

struct DisplayState {
    std::int32_t displayReady = 0;
    std::int32_t screenOpen = 0;
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t screenDepth = 0;
    std::int32_t displayActive = 0; // 1 while the screen is open and the game has the focus
    BackBuffer backBuffer;
};

extern DisplayState display;

std::int32_t initDisplay();
std::int32_t initQuadSprites();
std::int32_t openScreen(std::int32_t width, std::int32_t height, std::int32_t depth,
                        const char* title);
// Shows the back buffer and takes the window's waiting messages; nothing is shown while the game
// is in the background.
void flipPage();
void closeDisplay();
void freeQuadSprites();
void initWindows();
void closeAllWindows();

} // namespace game
