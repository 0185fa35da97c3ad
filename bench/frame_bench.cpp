// A frame's worth of drawing into the back buffer: the opaque background, 500 keyed 30 x 30
// sprites and 15 relief texts in one drawing span, written down and carried out. Target: well
// under 1 ms.

#include "media/display.hpp"
#include "media/font.hpp"
#include "media/sprites.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "view/game_text.hpp"
#include "view/sprite_draw.hpp"
#include "view/text_draw.hpp"

#include <benchmark/benchmark.h>

#include <array>

namespace game {
namespace {

constexpr std::int32_t kBackgroundSprite = 0;
constexpr std::int32_t kBallSprite = 40;

void prepareScreen() {
    closeDisplay();
    display = DisplayState{};
    fake::reset(0);
    initDisplay();
    openScreen(640, 480, 32, "Zuravozidizuvav");
    initDrawing();
    openFont(ZV_DATA_DIR "/" + std::string(kFontFileName));
    const test::Bytes background = test::makeBmp(640, 480, [](int x, int y) {
        return static_cast<std::uint32_t>(x * 7 + y * 3) & 0xFFFFFFu;
    });
    spriteFromMemory(kBackgroundSprite, background.data(), background.size(), 0, "");
    setColorKey(-1, 255, 0, 255);
    // A ball: a disc on magenta.
    const test::Bytes ball = test::makeBmp(30, 30, [](int x, int y) {
        const int dx = x - 15;
        const int dy = y - 15;
        return dx * dx + dy * dy < 196 ? 0xC02020u : 0xFF00FFu;
    });
    spriteFromMemory(kBallSprite, ball.data(), ball.size(), 0, "");
}

const std::array<const char*, 15> kTexts = {"Neues Spiel", "Bestenliste", "Einfach",
                                            "Sound an",    "Schnee an",   "Hilfe",
                                            "Info",        "Ende",        "Punkte:",
                                            "1234",        "FPS:  40",    "TOP TEN-Punktezahl !!!",
                                            "1.",          "Wichtel",     "Bitte Name eingeben."};

// The balls from `moved` on stand one pixel further right in odd frames.
void drawFrame(int moved = 500, std::int64_t frame = 0) {
    drawSprite(kBackgroundSprite, 0, 0);
    for (int i = 0; i < 500; ++i) {
        const int shift = i >= moved && frame % 2 == 1 ? 1 : 0;
        drawSpriteKeyed(kBallSprite, (i * 37) % 660 - 10 + shift, (i * 53) % 500 - 10);
    }
    startDrawing(screenOutput());
    setDrawingMode(kDrawTransparent);
    setBackColor(0, 0, 0);
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        drawGameText(20 + static_cast<std::int32_t>(i % 3) * 200,
                     20 + static_cast<std::int32_t>(i) * 28, kTexts[i],
                     static_cast<TextStyle>(i % 4 + 1));
    }
    stopDrawing();
}

// Drawing is carried out when the frame is shown, and only where it differs from the last one;
// forgetting what the tiles hold makes every pixel count.
void drawWhole(void (*draw)()) {
    resetDrawList(display.drawList, 640, 480);
    draw();
    settleBackBuffer();
    benchmark::DoNotOptimize(display.backBuffer.pixels.data());
}

void BM_FrameWorkload(benchmark::State& bench) {
    prepareScreen();
    drawWhole([] { drawFrame(); }); // the texts are rendered once, then kept
    for (auto _ : bench) {
        drawWhole([] { drawFrame(); });
    }
}
BENCHMARK(BM_FrameWorkload)->Unit(benchmark::kMicrosecond);

// The same frame where 25 of the 500 balls move to and fro, about as much as changes in play.
void BM_FrameWhereLittleMoves(benchmark::State& bench) {
    prepareScreen();
    std::int64_t frame = 0;
    for (auto _ : bench) {
        drawFrame(475, frame++);
        settleBackBuffer();
        benchmark::DoNotOptimize(takeChangedBands(display.drawList));
    }
}
BENCHMARK(BM_FrameWhereLittleMoves)->Unit(benchmark::kMicrosecond);

void BM_OpaqueBackground(benchmark::State& bench) {
    prepareScreen();
    for (auto _ : bench) {
        drawWhole([] { drawSprite(kBackgroundSprite, 0, 0); });
    }
}
BENCHMARK(BM_OpaqueBackground)->Unit(benchmark::kMicrosecond);

void BM_FiveHundredKeyedSprites(benchmark::State& bench) {
    prepareScreen();
    for (auto _ : bench) {
        drawWhole([] {
            for (int i = 0; i < 500; ++i) {
                drawSpriteKeyed(kBallSprite, (i * 37) % 660 - 10, (i * 53) % 500 - 10);
            }
        });
    }
}
BENCHMARK(BM_FiveHundredKeyedSprites)->Unit(benchmark::kMicrosecond);

void BM_FifteenReliefTexts(benchmark::State& bench) {
    prepareScreen();
    drawWhole([] { drawFrame(); });
    for (auto _ : bench) {
        drawWhole([] {
            startDrawing(screenOutput());
            setDrawingMode(kDrawTransparent);
            for (std::size_t i = 0; i < kTexts.size(); ++i) {
                drawGameText(20, 20 + static_cast<std::int32_t>(i) * 28, kTexts[i],
                             static_cast<TextStyle>(i % 4 + 1));
            }
            stopDrawing();
        });
    }
}
BENCHMARK(BM_FifteenReliefTexts)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace game
