// One page flip on the SDL device under SDL's dummy video driver: the window's events taken, the
// 640 x 480 back buffer uploaded once, scaled into the window and presented. Target: under 2 ms.

#include "media/sdl/sdl_display.hpp"
#include "media/sdl/sdl_input.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

void BM_FlipPageOnSdlDummy(benchmark::State& bench) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (!sdl::startVideo() || !sdl::openWindow("Zuravozidizuvav", 640, 480)) {
        bench.SkipWithError("no SDL video");
        return;
    }
    std::vector<std::uint32_t> pixels(640 * 480);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFFu;
    }
    for (auto _ : bench) {
        sdl::pumpEvents();
        sdl::present(pixels.data(), 640, 480);
    }
    sdl::stopVideo();
}
BENCHMARK(BM_FlipPageOnSdlDummy)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace game
