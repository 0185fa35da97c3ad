#pragma once
// The full-screen window on SDL: the desktop's own resolution, the game's 640 x 480 picture
// scaled into it with its aspect kept.

#include <SDL.h>

#include <cstdint>

namespace game::sdl {

bool startVideo();
void stopVideo();
bool openWindow(const char* title, int width, int height);
void present(const std::uint32_t* pixels, int width, int height);
void closeWindow();
bool windowOpen();
// True once after present had to rebuild the renderer.
bool displayLost();

// Window events that concern the display (render target lost, window shown again).
void takeDisplayEvent(const SDL_Event& event);

// For tests: the renderer showing the window, or null.
SDL_Renderer* renderer();

} // namespace game::sdl
