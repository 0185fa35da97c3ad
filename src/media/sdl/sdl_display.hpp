#pragma once
// The game's window on SDL: full screen at the desktop's own resolution or a resizable window,
// the 640 x 480 picture letterboxed into it with crisp pixels. The picture reaches the screen by
// the cheaper of two paths, chosen when the window opens: scaled on the CPU into the window's
// own pixels (no GPU, a software GL, a remote display), or as a texture the GPU scales.

#include "media/display_options.hpp"
#include "media/picture_scaler.hpp"

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace game::sdl {

bool startVideo();
void stopVideo();
bool openWindow(const char* title, int width, int height);
// Shows the picture; only the changed parts (picture pixels) are scaled and sent, unless the
// window needs it whole.
void present(const std::uint32_t* pixels, int width, int height,
             const std::vector<PixelRect>& changed);
void closeWindow();
bool windowOpen();
// True once after present had to rebuild the renderer.
bool displayLost();

// Between full screen and a window (F11, Alt+Enter).
void toggleWindowMode();
bool fullScreen();

// The picture pixel under a point of the window, clamped to the picture; also hides the system
// pointer over the picture and shows it over the bars of a window.
void pointerToPicture(int windowX, int windowY, std::int32_t& x, std::int32_t& y);

// Whether the window system may have something for SDL's event pump: false only when the
// window's X connection has nothing queued (in Xlib or in XCB) or waiting to be read, and the
// last pump is recent. Other video drivers always say true.
bool eventsMayWait();

// Window events that concern the display (size, exposure, render target lost).
void takeDisplayEvent(const SDL_Event& event);

// The path in use, once the window is open.
PresentPath presentPath();

// For tests: the window, or null.
SDL_Window* window();
// For tests: copies what the window shows (window pixels, 0x00RRGGBB) into out; false when it
// cannot be read back.
bool readShown(std::uint32_t* out, int& width, int& height, int capacity);

} // namespace game::sdl
