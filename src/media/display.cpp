#include "media/display.hpp"

#include "media/device.hpp"

namespace game {

DisplayState display;

std::int32_t initDisplay() {
    display = DisplayState{};
    display.displayReady = 1;
    return 1;
}

// The game needs nothing of an accelerated sprite service beyond its start.
std::int32_t initQuadSprites() {
    return display.displayReady;
}

std::int32_t openScreen(std::int32_t width, std::int32_t height, std::int32_t depth,
                        const char* title) {
    if (display.displayReady == 0 || width <= 0 || height <= 0) {
        return 0;
    }
    if (!device::openWindow(title, width, height)) {
        return 0;
    }
    display.screenOpen = 1;
    display.screenWidth = width;
    display.screenHeight = height;
    display.screenDepth = depth;
    display.backBuffer.width = width;
    display.backBuffer.height = height;
    display.backBuffer.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    device::pumpEvents();
    display.displayActive = device::windowActive() ? 1 : 0;
    return 1;
}

void flipPage() {
    device::pumpEvents();
    display.displayActive = display.screenOpen != 0 && device::windowActive() ? 1 : 0;
    if (display.displayActive == 0) {
        return;
    }
    device::present(display.backBuffer.pixels.data(), display.backBuffer.width,
                    display.backBuffer.height);
}

void closeDisplay() {
    if (display.displayReady == 0) {
        return;
    }
    if (display.screenOpen != 0) {
        device::closeWindow();
    }
    display = DisplayState{};
}

void freeQuadSprites() {}
void initWindows() {}
void closeAllWindows() {}

} // namespace game
