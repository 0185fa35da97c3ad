// The frames of a game in play, drawn from the game's own pictures: the board with a drop of
// balls, the menu, the score panel and the snow drifting, as the player sees them. Each frame
// is drawn, carried out where it changed and handed to the (fake) screen. With argument 1 the
// caches are flushed before each frame, as the 25 ms between two frames of the real game
// (sleeping, with the X server and everything else running) leave them.

#include "media/display.hpp"
#include "media/font.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "record/game_state.hpp"
#include "rules/new_balls.hpp"
#include "rules/snow.hpp"
#include "shell/load_catalogue.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "view/frame.hpp"
#include "view/text_draw.hpp"

#include <benchmark/benchmark.h>

#include <vector>

namespace game {
namespace {

void BM_PlayFrame(benchmark::State& bench) {
    closeDisplay();
    display = DisplayState{};
    test::prepareGame(1);
    initDisplay();
    openScreen(640, 480, 32, "Zuravozidizuvav");
    resetImageDecoders();
    installJpegDecoder();
    initDrawing();
    openFont(ZV_DATA_DIR "/" + std::string(kFontFileName));
    const std::string trouble = loadCatalogue(std::string(ZV_DATA_DIR) + "/");
    if (!trouble.empty()) {
        bench.SkipWithError(trouble.c_str());
        return;
    }
    newGame();
    state.mouseX = 400;
    state.mouseY = 250;
    std::vector<char> other(bench.range(0) != 0 ? 32u << 20 : 0u); // larger than the caches
    for (auto _ : bench) {
        if (!other.empty()) {
            bench.PauseTiming();
            for (std::size_t i = 0; i < other.size(); i += 64) {
                other[i] = static_cast<char>(other[i] + 1);
            }
            benchmark::DoNotOptimize(other.data());
            bench.ResumeTiming();
        }
        moveSnow();
        renderFrame();
    }
}
BENCHMARK(BM_PlayFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace game
