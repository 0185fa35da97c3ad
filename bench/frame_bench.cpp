// A frame's worth of drawing into the back buffer: the opaque background, 500 keyed 30 x 30
// sprites and 15 relief texts in one drawing span. Target: well under 1 ms.

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

void drawFrame() {
    drawSprite(kBackgroundSprite, 0, 0);
    for (int i = 0; i < 500; ++i) {
        drawSpriteKeyed(kBallSprite, (i * 37) % 660 - 10, (i * 53) % 500 - 10);
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

void BM_FrameWorkload(benchmark::State& bench) {
    prepareScreen();
    drawFrame(); // the texts are rendered once, then kept
    for (auto _ : bench) {
        drawFrame();
        benchmark::DoNotOptimize(display.backBuffer.pixels.data());
    }
}
BENCHMARK(BM_FrameWorkload)->Unit(benchmark::kMicrosecond);

void BM_OpaqueBackground(benchmark::State& bench) {
    prepareScreen();
    for (auto _ : bench) {
        drawSprite(kBackgroundSprite, 0, 0);
        benchmark::DoNotOptimize(display.backBuffer.pixels.data());
    }
}
BENCHMARK(BM_OpaqueBackground)->Unit(benchmark::kMicrosecond);

void BM_FiveHundredKeyedSprites(benchmark::State& bench) {
    prepareScreen();
    for (auto _ : bench) {
        for (int i = 0; i < 500; ++i) {
            drawSpriteKeyed(kBallSprite, (i * 37) % 660 - 10, (i * 53) % 500 - 10);
        }
        benchmark::DoNotOptimize(display.backBuffer.pixels.data());
    }
}
BENCHMARK(BM_FiveHundredKeyedSprites)->Unit(benchmark::kMicrosecond);

void BM_FifteenReliefTexts(benchmark::State& bench) {
    prepareScreen();
    drawFrame();
    for (auto _ : bench) {
        startDrawing(screenOutput());
        setDrawingMode(kDrawTransparent);
        for (std::size_t i = 0; i < kTexts.size(); ++i) {
            drawGameText(20, 20 + static_cast<std::int32_t>(i) * 28, kTexts[i],
                         static_cast<TextStyle>(i % 4 + 1));
        }
        stopDrawing();
        benchmark::DoNotOptimize(display.backBuffer.pixels.data());
    }
}
BENCHMARK(BM_FifteenReliefTexts)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace game
