#include "media/sdl/sdl_display.hpp"

namespace game::sdl {
namespace {

struct Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0; // the game's picture
    int height = 0;
    bool videoStarted = false;
    bool rebuild = false; // the renderer lost its textures or device
    bool lost = false;    // a rebuild happened that the game has not been told of
};

Window win;

void destroyRenderer() {
    if (win.texture != nullptr) {
        SDL_DestroyTexture(win.texture);
        win.texture = nullptr;
    }
    if (win.renderer != nullptr) {
        SDL_DestroyRenderer(win.renderer);
        win.renderer = nullptr;
    }
}

bool createRenderer() {
    // No vsync: the game paces its own frames, and waiting for a refresh would slow the update.
    win.renderer = SDL_CreateRenderer(win.window, -1, 0);
    if (win.renderer == nullptr) {
        return false;
    }
    SDL_RenderSetLogicalSize(win.renderer, win.width, win.height);
    win.texture = SDL_CreateTexture(win.renderer, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, win.width, win.height);
    if (win.texture == nullptr) {
        destroyRenderer();
        return false;
    }
    SDL_SetTextureBlendMode(win.texture, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(win.renderer, 0, 0, 0, 255);
    return true;
}

} // namespace

bool startVideo() {
    if (!win.videoStarted) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            return false;
        }
        win.videoStarted = true;
    }
    return true;
}

void stopVideo() {
    closeWindow();
    if (win.videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        win.videoStarted = false;
    }
}

bool openWindow(const char* title, int width, int height) {
    if (win.window != nullptr) {
        SDL_SetWindowTitle(win.window, title);
        return true;
    }
    if (!startVideo()) {
        return false;
    }
    // Motion arrives in the mouse's own counts, not divided by the window's scale.
    SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");

    // The monitor keeps its mode: the window covers the desktop at its own resolution.
    SDL_DisplayMode desktop{};
    int w = width;
    int h = height;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
        w = desktop.w;
        h = desktop.h;
    }
    win.window = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (win.window == nullptr) {
        return false;
    }
    win.width = width;
    win.height = height;
    if (!createRenderer()) {
        SDL_DestroyWindow(win.window);
        win.window = nullptr;
        return false;
    }
    // The game draws its own pointer; relative mode hides the system one and gives raw motion.
    // It may be refused (no pointer grab possible); the game still runs.
    SDL_ShowCursor(SDL_DISABLE);
    SDL_SetRelativeMouseMode(SDL_TRUE);
    SDL_RaiseWindow(win.window);
    return true;
}

void present(const std::uint32_t* pixels, int width, int height) {
    if (win.window == nullptr || width != win.width || height != win.height) {
        return;
    }
    if (win.rebuild || win.renderer == nullptr) {
        // What showed the picture is gone (device reset): make it anew and carry on.
        destroyRenderer();
        win.rebuild = false;
        win.lost = true;
        if (!createRenderer()) {
            win.rebuild = true;
            return;
        }
    }
    SDL_UpdateTexture(win.texture, nullptr, pixels, width * 4);
    SDL_RenderClear(win.renderer);
    SDL_RenderCopy(win.renderer, win.texture, nullptr, nullptr);
    SDL_RenderPresent(win.renderer);
}

void closeWindow() {
    destroyRenderer();
    if (win.window != nullptr) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
        SDL_DestroyWindow(win.window);
        win.window = nullptr;
    }
    win.rebuild = false;
    win.lost = false;
}

bool windowOpen() {
    return win.window != nullptr;
}

bool displayLost() {
    const bool lost = win.lost;
    win.lost = false;
    return lost;
}

void takeDisplayEvent(const SDL_Event& event) {
    // A lost device (or its textures) is rebuilt before the next picture is shown.
    if (event.type == SDL_RENDER_TARGETS_RESET || event.type == SDL_RENDER_DEVICE_RESET) {
        win.rebuild = true;
    }
}

SDL_Renderer* renderer() {
    return win.renderer;
}

} // namespace game::sdl
