// One page flip on the SDL device under SDL's dummy video driver, on each presentation path and
// at two window sizes: the window's events taken, the changed picture scaled into the window
// (on the CPU, or uploaded and scaled by SDL's renderer, which is its software one here) and
// shown. Every frame differs from the one before everywhere, the most a frame can cost.

#include "media/picture_scaler.hpp"
#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace game {
namespace {

// Two 640 x 480 frames that differ in every pixel.
std::array<std::vector<std::uint32_t>, 2> twoFrames() {
    std::array<std::vector<std::uint32_t>, 2> frames;
    for (std::uint32_t f = 0; f < 2; ++f) {
        frames[f].resize(640 * 480);
        for (std::size_t i = 0; i < frames[f].size(); ++i) {
            frames[f][i] = (static_cast<std::uint32_t>(i * 2654435761u) + f) & 0xFFFFFFu;
        }
    }
    return frames;
}

void BM_FlipPageOnSdlDummy(benchmark::State& bench) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    displayOptions.present = bench.range(0) == 0 ? PresentPath::Cpu : PresentPath::Gpu;
    displayOptions.startInWindow = true;
    if (!sdl::startVideo() || !sdl::openWindow("Zuravozidizuvav", 640, 480)) {
        bench.SkipWithError("no SDL video");
        return;
    }
    SDL_SetWindowSize(sdl::window(), static_cast<int>(bench.range(1)),
                      static_cast<int>(bench.range(2)));
    sdl::pumpEvents();
    const auto frames = twoFrames();
    const std::vector<PixelRect> everything{{0, 0, 640, 480}};
    std::size_t n = 0;
    for (auto _ : bench) {
        sdl::pumpEvents();
        sdl::present(frames[n++ % 2].data(), 640, 480, everything);
    }
    bench.SetLabel(bench.range(0) == 0 ? "cpu" : "gpu (SDL software renderer)");
    sdl::stopVideo();
    displayOptions = DisplayOptions{};
}

BENCHMARK(BM_FlipPageOnSdlDummy)
    ->ArgNames({"gpu", "w", "h"})
    ->Args({0, 1280, 1024})
    ->Args({0, 1920, 1080})
    ->Args({1, 1280, 1024})
    ->Args({1, 1920, 1080})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace game
