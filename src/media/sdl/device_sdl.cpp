// The program's device: the game's seam on SDL.

#include "media/device.hpp"

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"
#include "media/sdl/sdl_sound.hpp"

#include <SDL.h>

#include <chrono>

namespace game::device {

std::uint32_t tickCount() {
    return SDL_GetTicks();
}
void sleepMs(std::uint32_t ms) {
    SDL_Delay(ms);
}
std::uint32_t startSeed() {
    // SDL's tick count is 0 before SDL starts; the wall clock in nanoseconds, folded, differs
    // from one start to the next even within the same second.
    const auto ns = std::chrono::system_clock::now().time_since_epoch();
    const auto n = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
    return static_cast<std::uint32_t>(n ^ (n >> 32));
}

std::string programFolder() {
    char* base = SDL_GetBasePath();
    if (base == nullptr) {
        return {};
    }
    std::string folder = base;
    SDL_free(base);
    return folder;
}

std::string preferenceFolder() {
    char* path = SDL_GetPrefPath("Wichtelwerkstatt", "Zuravozidizuvav");
    if (path == nullptr) {
        return {};
    }
    std::string folder = path;
    SDL_free(path);
    return folder;
}

bool readKeys(KeySnapshot& keys) {
    return sdl::readKeys(keys);
}
bool readMouseEvents(std::vector<MouseEvent>& events) {
    return sdl::readMouseEvents(events);
}
bool closeRequested() {
    return sdl::input.closeRequested;
}

namespace {
std::string videoTrouble;

// SDL falls back to drivers that show nothing when there is no display: the game would run
// unseen for ever. They count only when asked for by name (tests run headless on purpose).
bool showsNothing(const char* driver) {
    if (driver == nullptr ||
        (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0)) {
        return false;
    }
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return asked == nullptr || SDL_strstr(asked, driver) == nullptr;
}
} // namespace

bool startVideo() {
    const bool noDisplay =
        SDL_getenv("DISPLAY") == nullptr && SDL_getenv("WAYLAND_DISPLAY") == nullptr;
    if (!sdl::startVideo()) {
        videoTrouble =
            std::string(noDisplay ? "no display (DISPLAY is not set): " : "") + SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (showsNothing(driver)) {
        sdl::stopVideo();
        videoTrouble = std::string(noDisplay ? "no display (DISPLAY is not set); " : "") +
                       "SDL's \"" + driver + "\" video driver would show nothing";
        return false;
    }
    return true;
}
std::string videoProblem() {
    return videoTrouble;
}
void stopVideo() {
    sdl::stopVideo();
}
bool openWindow(const char* title, int width, int height) {
    if (!sdl::openWindow(title, width, height)) {
        videoTrouble = SDL_GetError();
        return false;
    }
    return true;
}
void present(const std::uint32_t* pixels, int width, int height,
             const std::vector<PixelRect>& changed) {
    sdl::present(pixels, width, height, changed);
}
void pumpEvents() {
    sdl::pumpEvents();
}
bool windowActive() {
    return sdl::windowOpen() && sdl::input.focused;
}
void closeWindow() {
    sdl::closeWindow();
}
bool displayLost() {
    return sdl::displayLost();
}

bool openAudio() {
    return sdl::openAudio();
}
void closeAudio() {
    sdl::closeAudio();
}
std::int32_t createSound(const PcmFormat& format, const std::uint8_t* samples, std::size_t bytes) {
    return sdl::createSound(format, samples, bytes);
}
void destroySound(std::int32_t sound) {
    sdl::destroySound(sound);
}
void startSound(std::int32_t sound, std::int32_t channel, bool loop, float gain) {
    sdl::startSound(sound, channel, loop, gain);
}

} // namespace game::device
