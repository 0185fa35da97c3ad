#include "view/overlay_pages.hpp"

#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "view/game_text.hpp"
#include "view/sprite_draw.hpp"
#include "view/text_draw.hpp"

namespace game {
namespace {

constexpr std::int32_t kPageTitleY = 165;
constexpr std::int32_t kPageLinesY = 220;
constexpr std::int32_t kPageLineHeight = 16;

void drawNamePrompt() {
    drawGameText(280, 165, "TOP TEN-Punktezahl !!!", text_style::kSunken);
    drawGameText(220, 230, "Bitte Name eingeben.", text_style::kRaised);
    // The input field: dark upper and left edge, gold lower and right edge.
    const std::int32_t dark = rgb(93, 90, 28);
    const std::int32_t gold = rgb(181, 175, 55);
    drawLine(219, 259, 252, 0, dark);
    drawLine(219, 259, 0, 22, dark);
    drawBox(220, 260, 250, 20, rgb(236, 234, 212));
    drawLine(219, 280, 252, 0, gold);
    drawLine(470, 259, 0, 22, gold);
    // The name in gold with a black shadow one pixel below and to the right.
    moveTextCursor(226, 263);
    setFrontColor(0, 0, 0);
    drawText(state.typedName);
    moveTextCursor(225, 262);
    setFrontColor(181, 175, 55);
    drawText(state.typedName);
}

void drawHighScorePage(std::int32_t px) {
    drawLine(px + 20, 230, 360, 0, rgb(228, 226, 194));
    drawLine(px + 20, 231, 360, 0, rgb(181, 175, 55));
    drawLine(px + 20, 232, 360, 0, rgb(93, 90, 28));
    drawGameText(px + 140, kPageTitleY, "B E S T E N L I S T E", text_style::kSunken);
    drawGameText(px + 45, 210, "Platz", text_style::kRaised);
    drawGameText(px + 90, 210, "Punkte", text_style::kRaised);
    drawGameText(px + 200, 210, "Name", text_style::kRaised);
    for (std::int32_t k = 0; k < 10; ++k) {
        const HighScoreEntry& entry = state.highScores[static_cast<std::size_t>(k)];
        const std::int32_t y = 240 + 20 * k;
        drawGameText(px + 60, y, numberToText(k + 1) + ".", text_style::kRaised);
        drawGameText(px + 90, y, numberToText(entry.score), text_style::kWhite);
        drawGameText(px + 200, y, entry.name, text_style::kShadow);
    }
}

template <std::size_t N>
void drawTextPage(std::int32_t px, const char* title, const std::array<Text, N>& lines) {
    drawGameText(px + 110, kPageTitleY, title, text_style::kSunken);
    for (std::size_t k = 0; k < N; ++k) {
        drawGameText(px + 30, kPageLinesY + kPageLineHeight * static_cast<std::int32_t>(k),
                     lines[k], text_style::kShadow);
    }
}

} // namespace

void drawOverlayPages() {
    if (state.nameEntryActive == 1) {
        drawNamePrompt();
    }
    const std::int32_t px = state.overlayX;
    switch (state.overlayPage) {
    case 1:
        drawHighScorePage(px);
        break;
    case 2:
        drawTextPage(px, "ZURAVOZIDIZUVAV - HILFE", state.helpLines);
        break;
    case 3:
        drawTextPage(px, "WER HAT'S VERBROCHEN ?", state.creditLines);
        break;
    default:
        break;
    }
}

void drawPageMascot() {
    struct Mascot {
        std::int32_t color;
        std::int32_t face;
        std::int32_t dx;
        std::int32_t y;
    };
    // Page 1: blue looking down left; 2: pink looking down right; 3: green looking up.
    static constexpr Mascot kMascots[3] = {{2, 37, 300, 195}, {5, 38, 30, 185}, {3, 36, 200, 405}};
    if (state.overlayPage < 1 || state.overlayPage > 3) {
        return;
    }
    const Mascot& m = kMascots[state.overlayPage - 1];
    drawSpriteKeyed(ballSprite(m.color), state.overlayX + m.dx, m.y);
    drawSpriteKeyed(m.face, state.overlayX + m.dx, m.y);
}

} // namespace game
