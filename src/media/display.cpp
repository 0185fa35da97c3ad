#include "media/display.hpp"

#include "media/device.hpp"
#include "media/sprites.hpp"

namespace game {

DisplayState display;

namespace {

// What the display has lost with its device is shown again from memory; the sprites are read
// from their files once more, as after any loss of the screen.
void restoreSprites() {
    for (std::int32_t i = 0; i < spriteCapacity(); ++i) {
        const SpriteSlot& slot = display.sprites[static_cast<std::size_t>(i)];
        if (slot.surface != nullptr && slot.mode == kSpriteModeDefault) {
            reloadSprite(i);
        }
    }
}

void selectBackBuffer() {
    display.targetSurface = display.screenOpen != 0 ? &display.backBuffer : nullptr;
    display.targetWidth = display.screenWidth;
    display.targetHeight = display.screenHeight;
}

// Leaves no half-open screen behind: the sprites, the window and the back buffer go.
void closeScreen() {
    for (std::int32_t i = 0; i < spriteCapacity(); ++i) {
        freeSprite(i);
    }
    if (display.screenOpen != 0) {
        device::closeWindow();
    }
    display.screenOpen = 0;
    display.displayActive = 0;
    display.outputHeld = 0;
    display.screenDrawingOutput = DrawingOutput{};
    display.backBuffer = Surface{};
    resetDrawList(display.drawList, 0, 0);
    display.targetSurface = nullptr;
}

} // namespace

std::int32_t spriteCapacity() {
    return static_cast<std::int32_t>(display.sprites.size());
}

std::int32_t initDisplay() {
    display.defaultColorKey = 0;
    display.outputHeld = 0;
    display.sprites.clear();
    display.sprites.resize(kInitialSpriteSlots);
    display.displayReady = 1;
    if (display.displayInterface == 0) {
        display.displayInterface = device::startVideo() ? 1 : 0;
    }
    display.displayUsers += 1;
    return display.displayInterface;
}

std::int32_t initQuadSprites() {
    return display.displayInterface;
}

std::int32_t openScreen(std::int32_t width, std::int32_t height, std::int32_t depth,
                        const char* title) {
    // The sizes arrive as 16-bit values, as the screen mode takes them.
    const auto w = static_cast<std::int16_t>(width);
    const auto h = static_cast<std::int16_t>(height);
    const auto d = static_cast<std::int16_t>(depth);
    if (display.displayReady == 0 || display.displayInterface == 0) {
        return 0;
    }
    // Only the 32-bit screen exists here: every picture is converted for it.
    if (w <= 0 || h <= 0 || d != kScreenBufferDepth ||
        !device::openWindow(title != nullptr ? title : "", w, h)) {
        closeScreen();
        return 0;
    }
    display.screenOpen = 1;
    display.screenWidth = w;
    display.screenHeight = h;
    display.screenDepth = d;
    display.backBuffer.width = w;
    display.backBuffer.height = h;
    display.backBuffer.pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    resetDrawList(display.drawList, w, h);
    selectBackBuffer();
    display.pixelFormat = kPixelFormatX8R8G8B8;
    display.displayActive = 1;
    return 1;
}

void settleBackBuffer() {
    settleDrawing(display.drawList, display.backBuffer);
}

void flipPage() {
    if (display.outputHeld != 0) {
        releaseScreenOutput();
    }
    settleBackBuffer();
    selectBackBuffer();
    // Messages are taken whether or not the game is in the front.
    device::pumpEvents();
    display.displayActive = display.screenOpen != 0 && device::windowActive() ? 1 : 0;
    if (display.displayActive == 0) {
        return;
    }
    // What was drawn while the game was in the background goes out with the next picture.
    device::present(display.backBuffer.pixels.data(), display.backBuffer.width,
                    display.backBuffer.height, takeChangedBands(display.drawList));
    if (device::displayLost()) {
        restoreSprites();
    }
    selectBackBuffer();
}

const DrawingOutput* screenOutput() {
    if (display.outputHeld != 0 || display.screenOpen == 0) {
        return nullptr;
    }
    display.outputHeld = 1;
    DrawingOutput& out = display.screenDrawingOutput;
    out.kind = kDrawingOutputScreen;
    out.deviceContext = 1;
    out.release = &releaseScreenOutput;
    out.width = display.backBuffer.width;
    out.height = display.backBuffer.height;
    out.depth = display.screenDepth;
    out.pixelFormat = display.pixelFormat;
    out.drawList = &display.drawList;
    return &out;
}

void releaseScreenOutput() {
    if (display.outputHeld != 0) {
        display.outputHeld = 0;
        display.screenDrawingOutput.deviceContext = 0;
    }
}

void closeDisplay() {
    if (display.displayReady == 0) {
        return;
    }
    closeScreen();
    display.displayUsers -= 1;
    if (display.displayUsers == 0 && display.displayInterface != 0) {
        device::stopVideo();
        display.displayInterface = 0;
    }
}

// Nothing was made for the accelerated sprites, so nothing is given back.
void freeQuadSprites() {}

// The general window service opens no window in this game; there is nothing to prepare or close.
void initWindows() {}
void closeAllWindows() {}

} // namespace game
