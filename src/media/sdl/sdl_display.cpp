#include "media/sdl/sdl_display.hpp"

#include "media/draw_list.hpp"
#include "media/picture_scaler.hpp"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace game::sdl {
namespace {

struct Window {
    SDL_Window* window = nullptr;
    int width = 0; // the game's picture
    int height = 0;
    bool videoStarted = false;
    bool full = true;
    PresentPath path = PresentPath::Cpu;
    bool layoutStale = true; // the window's size changed: bars, tables, textures anew
    bool redrawAll = true;   // the next picture goes out whole, bars included
    bool rebuild = false;    // the renderer lost its textures or device
    bool lost = false;       // a rebuild happened that the game has not been told of
    bool cursorShown = true;
    bool windowManager = true; // false: a bare X server, where nobody answers for full screen
    PixelRect pointerArea;     // the picture in window coordinates
    Display* x11 = nullptr;    // the window's X connection, when SDL runs on X11
    int quietPasses = 0;       // eventsMayWait's answers of false in a row
    // CPU path
    SDL_Surface* surface = nullptr; // the window's own, owned by SDL
    ScaleTables tables;
    std::vector<SDL_Rect> updates;
    // GPU path
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr; // the picture, 1:1
    SDL_Texture* sharp = nullptr; // the picture blown up by a whole factor, for a smooth step down
    PixelRect target;             // the picture in renderer output pixels
};

Window win;

void destroyRenderer() {
    if (win.sharp != nullptr) {
        SDL_DestroyTexture(win.sharp);
        win.sharp = nullptr;
    }
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
    win.texture = SDL_CreateTexture(win.renderer, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, win.width, win.height);
    if (win.texture == nullptr) {
        destroyRenderer();
        return false;
    }
    SDL_SetTextureBlendMode(win.texture, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(win.renderer, 0, 0, 0, 255);
    win.layoutStale = true;
    return true;
}

// Whether a GL context would run on a real GPU, judged without loading any GL: on Linux a GPU
// shows as a DRM node, and a display on another machine gets its pictures over the network
// whatever renders them. Where this cannot tell, the renderer is asked (see choosePath).
bool mayHaveGpu() {
#ifdef __linux__
    std::error_code ec;
    if (!std::filesystem::exists("/dev/dri", ec)) {
        return false;
    }
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && display[0] != ':' && std::strncmp(display, "unix:", 5) != 0 &&
        std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) {
        return false;
    }
#endif
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "dummy") != 0 &&
           std::strcmp(driver, "offscreen") != 0;
}

// A renderer drawing on a real GPU, or false (and none) when it would run on the CPU.
bool acceleratedRendererRuns() {
    if (!createRenderer()) {
        return false;
    }
    SDL_RendererInfo info{};
    bool hardware = SDL_GetRendererInfo(win.renderer, &info) == 0 &&
                    (info.flags & SDL_RENDERER_ACCELERATED) != 0 &&
                    std::strcmp(info.name, "software") != 0;
    // A software GL calls itself accelerated: its name gives it away.
    if (hardware && std::strncmp(info.name, "opengl", 6) == 0) {
        using GetString = const unsigned char* (*)(unsigned int);
        auto glGetString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
        constexpr unsigned int kGlRenderer = 0x1F01;
        const unsigned char* name = glGetString != nullptr ? glGetString(kGlRenderer) : nullptr;
        hardware = name != nullptr && !isSoftwareRendererName(reinterpret_cast<const char*>(name));
    }
    if (!hardware) {
        destroyRenderer();
    }
    return hardware;
}

bool surfaceFits(const SDL_Surface* s) {
    return s != nullptr && s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u &&
           s->format->Gmask == 0x00FF00u && s->format->Bmask == 0x0000FFu;
}

bool openCpuPath() {
    // The window's pixels must be plain memory here, not a texture behind SDL's back.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
    win.surface = SDL_GetWindowSurface(win.window);
    if (!surfaceFits(win.surface)) {
        win.surface = nullptr;
        return false;
    }
    win.path = PresentPath::Cpu;
    return true;
}

bool choosePath(PresentPath wanted) {
    if (wanted == PresentPath::Gpu || (wanted == PresentPath::Auto && mayHaveGpu())) {
        const bool gpu = wanted == PresentPath::Gpu ? createRenderer() : acceleratedRendererRuns();
        if (gpu) {
            win.path = PresentPath::Gpu;
            return true;
        }
    }
    if (openCpuPath()) {
        return true;
    }
    // A window whose pixels are laid out otherwise: let a renderer convert them.
    win.path = PresentPath::Gpu;
    return createRenderer();
}

void relayoutCpu() {
    win.surface = SDL_GetWindowSurface(win.window);
    if (!surfaceFits(win.surface)) {
        win.surface = nullptr;
        return;
    }
    win.tables = makeScaleTables(letterbox(win.surface->w, win.surface->h, win.width, win.height),
                                 win.width, win.height);
    win.updates.reserve(static_cast<std::size_t>((win.height / kDrawTileHeight + 1) *
                                                 (win.width / kDrawTileWidth + 1)));
}

void relayoutGpu() {
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(win.renderer, &w, &h);
    win.target = letterbox(w, h, win.width, win.height);
    if (win.sharp != nullptr) {
        SDL_DestroyTexture(win.sharp);
        win.sharp = nullptr;
    }
    SDL_SetTextureScaleMode(win.texture, SDL_ScaleModeNearest);
    const bool whole = win.target.w % win.width == 0 && win.target.h % win.height == 0;
    if (whole || win.target.w < win.width) {
        if (!whole) {
            SDL_SetTextureScaleMode(win.texture, SDL_ScaleModeLinear);
        }
        return;
    }
    // Sharp bilinear: blocks of whole pixels up to the next factor, then one smooth step down,
    // so only the block edges blend.
    const int factor = (win.target.w + win.width - 1) / win.width;
    win.sharp = SDL_CreateTexture(win.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                  win.width * factor, win.height * factor);
    if (win.sharp != nullptr) {
        SDL_SetTextureScaleMode(win.sharp, SDL_ScaleModeLinear);
        SDL_SetTextureBlendMode(win.sharp, SDL_BLENDMODE_NONE);
    }
}

void updatePointerArea() {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(win.window, &w, &h);
    win.pointerArea = letterbox(w, h, win.width, win.height);
}

void relayout() {
    updatePointerArea();
    if (win.path == PresentPath::Cpu) {
        relayoutCpu();
    } else {
        relayoutGpu();
    }
    // In full screen the pointer stays over the picture; a window lets it go.
    const SDL_Rect area{win.pointerArea.x, win.pointerArea.y, win.pointerArea.w, win.pointerArea.h};
    SDL_SetWindowMouseRect(win.window, win.full ? &area : nullptr);
    win.layoutStale = false;
    win.redrawAll = true;
}

void presentCpu(const std::uint32_t* pixels, const std::vector<PixelRect>& changed) {
    if (win.surface == nullptr) {
        return;
    }
    auto* target = static_cast<std::uint32_t*>(win.surface->pixels);
    if (win.redrawAll) {
        for (const PixelRect& bar : barsAround(win.tables.to, win.surface->w, win.surface->h)) {
            const SDL_Rect r{bar.x, bar.y, bar.w, bar.h};
            SDL_FillRect(win.surface, &r, 0);
        }
        scaleRegion(win.tables, pixels, win.width, 0, 0, win.width, win.height, target,
                    win.surface->pitch);
        SDL_UpdateWindowSurface(win.window);
        return;
    }
    win.updates.clear();
    for (const PixelRect& band : changed) {
        const PixelRect out =
            scaleRegion(win.tables, pixels, win.width, band.x, band.y, band.x + band.w,
                        band.y + band.h, target, win.surface->pitch);
        if (out.w > 0 && out.h > 0) {
            win.updates.push_back({out.x, out.y, out.w, out.h});
        }
    }
    if (!win.updates.empty()) {
        SDL_UpdateWindowSurfaceRects(win.window, win.updates.data(),
                                     static_cast<int>(win.updates.size()));
    }
}

void presentGpu(const std::uint32_t* pixels, const std::vector<PixelRect>& changed) {
    if (win.rebuild || win.renderer == nullptr) {
        // What showed the picture is gone (device reset): make it anew and carry on.
        destroyRenderer();
        win.rebuild = false;
        win.lost = true;
        if (!createRenderer()) {
            win.rebuild = true;
            return;
        }
        relayout();
    }
    // Only the rows that changed go up to the texture.
    int top = 0;
    int bottom = win.height;
    if (!win.redrawAll && !changed.empty()) {
        top = changed.front().y;
        bottom = 0;
        for (const PixelRect& band : changed) {
            bottom = std::max(bottom, band.y + band.h);
        }
    }
    const SDL_Rect rows{0, top, win.width, bottom - top};
    SDL_UpdateTexture(win.texture, &rows, pixels + static_cast<std::ptrdiff_t>(top) * win.width,
                      win.width * 4);
    const SDL_Rect to{win.target.x, win.target.y, win.target.w, win.target.h};
    SDL_RenderClear(win.renderer);
    if (win.sharp != nullptr && SDL_SetRenderTarget(win.renderer, win.sharp) == 0) {
        SDL_RenderCopy(win.renderer, win.texture, nullptr, nullptr);
        SDL_SetRenderTarget(win.renderer, nullptr);
        SDL_RenderCopy(win.renderer, win.sharp, nullptr, &to);
    } else {
        SDL_RenderCopy(win.renderer, win.texture, nullptr, &to);
    }
    SDL_RenderPresent(win.renderer);
}

// The window's X connection, or null when SDL does not run on X11.
Display* x11Display() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(win.window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11
               ? info.info.x11.display
               : nullptr;
}

// Whether an X window manager that follows the desktop conventions runs. Without one a request
// for the full-screen state goes unanswered, and SDL waits a tenth of a second for the answer.
// Other video drivers always have someone who answers.
bool windowManagerRuns() {
    Display* display = win.x11;
    if (display == nullptr) {
        return true;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return found;
}

// The largest whole multiple of the picture that fits the usable desktop (at least 1x).
void windowedSize(int& w, int& h) {
    SDL_Rect usable{0, 0, win.width, win.height};
    const int display = std::max(SDL_GetWindowDisplayIndex(win.window), 0);
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        usable = {0, 0, win.width, win.height};
    }
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    SDL_GetWindowBordersSize(win.window, &top, &left, &bottom, &right);
    const int factor = std::max(
        1, std::min((usable.w - left - right) / win.width, (usable.h - top - bottom) / win.height));
    w = win.width * factor;
    h = win.height * factor;
}

void applyMode(bool full) {
    win.full = full;
    if (full) {
        // Without a window manager nothing else moves the window over the whole desktop.
        SDL_Rect desktop{};
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(win.window), 0), &desktop) ==
            0) {
            SDL_SetWindowPosition(win.window, desktop.x, desktop.y);
            SDL_SetWindowSize(win.window, desktop.w, desktop.h);
        }
        // On a bare X server the window over the whole desktop already is the full screen.
        if (win.windowManager) {
            SDL_SetWindowFullscreen(win.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
        SDL_ShowCursor(SDL_DISABLE);
        win.cursorShown = false;
    } else {
        SDL_SetWindowFullscreen(win.window, 0);
        SDL_SetWindowResizable(win.window, SDL_TRUE);
        int w = 0;
        int h = 0;
        windowedSize(w, h);
        SDL_SetWindowSize(win.window, w, h);
        SDL_SetWindowPosition(win.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    win.layoutStale = true;
}

// The game reads keys, never text. SDL's X11 driver opens the X input method for text entry in
// the environment's locale as it starts, which for a UTF-8 locale parses the whole compose table:
// 0.8 MB kept and tens of milliseconds spent for nothing. It starts in the C locale instead.
bool initVideoInCLocale() {
    const char* was = std::getenv("LC_ALL");
    const std::string saved = was != nullptr ? was : "";
    setenv("LC_ALL", "C", 1);
    const bool ok = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (was != nullptr) {
        setenv("LC_ALL", saved.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
    return ok;
}

} // namespace

bool startVideo() {
    if (!win.videoStarted) {
        if (!initVideoInCLocale()) {
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
    if (!startVideo() || width <= 0 || height <= 0) {
        return false;
    }
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    win.width = width;
    win.height = height;
    win.full = !displayOptions.startInWindow;

    // The window opens hidden, is set to its mode and then shown. Full screen keeps the
    // monitor's mode: the window covers the desktop at its own resolution.
    win.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                  height, SDL_WINDOW_HIDDEN);
    if (win.window == nullptr) {
        return false;
    }
    win.x11 = x11Display();
    win.windowManager = windowManagerRuns();
    applyMode(win.full);
    SDL_ShowWindow(win.window);
    if (!choosePath(displayOptions.present)) {
        SDL_DestroyWindow(win.window);
        win.window = nullptr;
        return false;
    }
    relayout();
    // The game draws its own pointer at the desktop pointer's place; the system one hides over
    // the picture. Full screen starts with it in the middle, as the game's own pointer does.
    SDL_ShowCursor(SDL_DISABLE);
    win.cursorShown = false;
    if (win.full) {
        SDL_WarpMouseInWindow(win.window, win.pointerArea.x + win.pointerArea.w / 2,
                              win.pointerArea.y + win.pointerArea.h / 2);
    }
    SDL_RaiseWindow(win.window);
    return true;
}

void present(const std::uint32_t* pixels, int width, int height,
             const std::vector<PixelRect>& changed) {
    if (win.window == nullptr || width != win.width || height != win.height) {
        return;
    }
    if (win.layoutStale) {
        relayout();
    }
    // An unchanged picture costs nothing more.
    if (changed.empty() && !win.redrawAll && !win.rebuild) {
        return;
    }
    if (win.path == PresentPath::Cpu) {
        presentCpu(pixels, changed);
    } else {
        presentGpu(pixels, changed);
    }
    win.redrawAll = false;
}

void closeWindow() {
    destroyRenderer();
    if (win.window != nullptr) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_DestroyWindow(win.window);
        win.window = nullptr;
    }
    win.surface = nullptr;
    win.x11 = nullptr;
    win.rebuild = false;
    win.lost = false;
    win.layoutStale = true;
    win.redrawAll = true;
}

bool windowOpen() {
    return win.window != nullptr;
}

bool displayLost() {
    const bool lost = win.lost;
    win.lost = false;
    return lost;
}

void toggleWindowMode() {
    if (win.window != nullptr) {
        applyMode(!win.full);
    }
}

bool fullScreen() {
    return win.full;
}

void pointerToPicture(int windowX, int windowY, std::int32_t& x, std::int32_t& y) {
    windowToPicture(win.pointerArea, win.width, win.height, windowX, windowY, x, y);
    const PixelRect& p = win.pointerArea;
    const bool over =
        windowX >= p.x && windowX < p.x + p.w && windowY >= p.y && windowY < p.y + p.h;
    const bool show = !win.full && !over;
    if (show != win.cursorShown && win.window != nullptr) {
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
        win.cursorShown = show;
    }
}

bool eventsMayWait() {
    // SDL also keeps time-driven things of its own in the pump (a focus change settles after a
    // moment): it runs at least every tenth time.
    constexpr int kMostQuietPasses = 9;
    // Events may wait in Xlib's queue, in XCB's (read in while SDL waited for the server's answer
    // to a picture) or on the connection: one look, without blocking, covers all three.
    if (win.x11 == nullptr || win.quietPasses >= kMostQuietPasses ||
        XEventsQueued(win.x11, QueuedAfterReading) > 0) {
        win.quietPasses = 0;
        return true;
    }
    ++win.quietPasses;
    return false;
}

void takeDisplayEvent(const SDL_Event& event) {
    if (event.type == SDL_RENDER_TARGETS_RESET || event.type == SDL_RENDER_DEVICE_RESET) {
        // A lost device (or its textures) is rebuilt before the next picture is shown.
        win.rebuild = true;
        return;
    }
    if (event.type != SDL_WINDOWEVENT) {
        return;
    }
    switch (event.window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // The pointer follows the new size at once; the picture's layout at the next frame.
        if (win.window != nullptr) {
            updatePointerArea();
        }
        win.layoutStale = true;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
        win.redrawAll = true;
        break;
    default:
        break;
    }
}

SDL_Window* window() {
    return win.window;
}

PresentPath presentPath() {
    return win.path;
}

bool readShown(std::uint32_t* out, int& width, int& height, int capacity) {
    if (win.window == nullptr) {
        return false;
    }
    if (win.path == PresentPath::Cpu) {
        if (win.surface == nullptr || win.surface->w * win.surface->h > capacity) {
            return false;
        }
        width = win.surface->w;
        height = win.surface->h;
        for (int y = 0; y < height; ++y) {
            std::memcpy(out + static_cast<std::ptrdiff_t>(y) * width,
                        static_cast<const std::uint8_t*>(win.surface->pixels) +
                            static_cast<std::ptrdiff_t>(y) * win.surface->pitch,
                        static_cast<std::size_t>(width) * 4);
        }
        return true;
    }
    if (SDL_GetRendererOutputSize(win.renderer, &width, &height) != 0 ||
        width * height > capacity) {
        return false;
    }
    return SDL_RenderReadPixels(win.renderer, nullptr, SDL_PIXELFORMAT_RGB888, out, width * 4) == 0;
}

} // namespace game::sdl
