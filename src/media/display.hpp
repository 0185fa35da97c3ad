#pragma once
// The full-screen display: a 640 x 480 back buffer of 32-bit pixels (0x00RRGGBB) in memory that
// the game draws into, shown once per drawn frame by flipPage, and the sprite table that the
// picture loader fills and the sprite display draws from.

#include "media/draw_list.hpp"
#include "media/surface.hpp"

#include <cstdint>
#include <vector>

namespace game {

// Layout of a screen pixel. The display only opens 32-bit screens with red in the high byte.
using PixelFormatCode = std::int32_t;
constexpr PixelFormatCode kPixelFormatNone = 0;
constexpr PixelFormatCode kPixelFormatX8R8G8B8 = 7;

constexpr std::int32_t kScreenBufferDepth = 32;
constexpr std::int32_t kInitialSpriteSlots = 50;
constexpr std::int32_t kDrawingOutputScreen = 7;

// Where the text-and-shape drawing paints: a block of screen pixels, reached through the list
// its drawing is written down in, and the operation that gives it back when the drawing span
// ends.
struct DrawingOutput {
    std::int32_t kind = 0;          // kDrawingOutputScreen for the back buffer
    std::int32_t deviceContext = 0; // non-zero: the output may be drawn on
    void (*release)() = nullptr;    // called by stopDrawing
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t depth = 0;
    PixelFormatCode pixelFormat = kPixelFormatNone;
    DrawList* drawList = nullptr;
};

struct DisplayState {
    std::int32_t displayReady = 0;     // initDisplay ran; closeDisplay does nothing without it
    std::int32_t displayInterface = 0; // the machine's display system is started
    std::int32_t displayUsers = 0;
    std::int32_t screenOpen = 0; // the window and the back buffer exist
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t screenDepth = 0;
    Surface backBuffer;
    DrawList drawList;                // what is drawn into the back buffer, until the next flip
    Surface* targetSurface = nullptr; // where sprites are drawn; always the back buffer
    std::int32_t targetWidth = 0;
    std::int32_t targetHeight = 0;
    PixelFormatCode pixelFormat = kPixelFormatNone;
    std::int32_t displayActive = 0; // 1 while the screen is open and the game has the focus
    std::int32_t outputHeld = 0;    // the drawing service holds the back buffer
    DrawingOutput screenDrawingOutput;
    std::vector<SpriteSlot> sprites;   // the sprite table
    std::uint32_t defaultColorKey = 0; // key given to every sprite loaded from now on
};

extern DisplayState display;

std::int32_t initDisplay();
// The accelerated sprite service: the game needs nothing of it but its start.
std::int32_t initQuadSprites();
std::int32_t openScreen(std::int32_t width, std::int32_t height, std::int32_t depth,
                        const char* title);
// Shows the back buffer and takes the window's waiting messages; nothing is shown while the game
// is in the background.
void flipPage();
// Carries out the drawing still written down for the back buffer (flipPage does it first).
void settleBackBuffer();
// The back buffer as a drawing output; none while it is already handed out or no screen is open.
const DrawingOutput* screenOutput();
void releaseScreenOutput();
void closeDisplay();
void freeQuadSprites();
void initWindows();
void closeAllWindows();

std::int32_t spriteCapacity();

} // namespace game
