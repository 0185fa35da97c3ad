#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "record/catalogue.hpp"
#include "rules/board.hpp"
#include "rules/menu.hpp"
#include "rules/shards.hpp"
#include "view/faces.hpp"
#include "view/game_text.hpp"
#include "view/menu_view.hpp"
#include "view/overlay_pages.hpp"
#include "view/sprite_draw.hpp"
#include "view/text_draw.hpp"

#include <cmath>

namespace game {
namespace {

constexpr std::int32_t kBobStep = 10;
constexpr std::int32_t kFullTurn = 360;
// Angles are whole degrees, turned into radians by dividing by exactly 57.
constexpr float kDegreesPerRadian = 57.0f;
constexpr std::int32_t kSquareLift = 2;
constexpr std::int32_t kBallDx = 15;
constexpr float kBallLift = 12.0f;
constexpr std::int32_t kShardWidth = 11;
constexpr std::int32_t kShardHeight = 12;
constexpr std::int32_t kRearFlakes = kSnowflakes / 2;

// How a ball is shown in this frame: its trembling offset and its face.
struct BallLook {
    std::int32_t jitterX = 0;
    std::int32_t jitterY = 0;
    std::int32_t face = face::kSmile;
};

// The pointed ball trembles: a new offset of -1..1 in x, then in y, every frame. The offsets are
// drawn for the pointed square even when it is empty, so the generator moves on alike.
BallLook lookOfBall(std::int32_t col, std::int32_t row) {
    BallLook look;
    const bool pointed = col == state.hoverCol && row == state.hoverRow;
    const bool selected = col == state.selectedCol && row == state.selectedRow;
    if (pointed && !selected) {
        look.jitterX = random(2) - 1;
        look.jitterY = random(2) - 1;
    }
    Cell& cell = cellAt(col, row);
    if (cell.color != 0) {
        look.face = chooseFace(cell, pointed && !selected);
    }
    return look;
}

float bob() {
    return 3.0f * std::sin(static_cast<float>(state.bobAngle) / kDegreesPerRadian);
}

void drawSquaresAndHighlight() {
    bool highlight = false;
    ScreenPoint at;
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const ScreenPoint o = squareOrigin(col, row);
            drawSpriteKeyed(sprite::kField, o.x, o.y - kSquareLift);
            if (col == state.hoverCol && row == state.hoverRow) {
                highlight = true;
                at = {o.x, o.y - kSquareLift};
            }
        }
    }
    if (highlight) {
        drawSpriteKeyed(sprite::kHighlighted, at.x,
                        nearest(static_cast<float>(at.y) - bob() - 3.0f));
    }
}

void drawBalls() {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const BallLook look = lookOfBall(col, row);
            const Cell& cell = cellAt(col, row);
            if (cell.color == 0) {
                continue;
            }
            const ScreenPoint o = squareOrigin(col, row);
            const std::int32_t x = o.x + kBallDx + look.jitterX;
            const std::int32_t y = nearest(static_cast<float>(o.y) - (cell.height + kBallLift) +
                                           static_cast<float>(look.jitterY));
            drawSpriteKeyed(ballSprite(cell.color), x, y);
            drawSpriteKeyed(sprite::kFirstFace + look.face, x, y);
        }
    }
}

void drawSnow(std::int32_t from, std::int32_t to) {
    for (std::int32_t k = from; k < to; ++k) {
        const Snowflake& flake = state.snow[static_cast<std::size_t>(k)];
        drawSpriteKeyed(sprite::kSnowflake, nearest(flake.x), nearest(flake.y));
    }
}

void drawPreview() {
    if (state.gameRunning != 1) {
        return;
    }
    for (std::int32_t k = 0; k <= state.difficulty && k < kNextColors; ++k) {
        const std::int32_t color = state.nextColors[static_cast<std::size_t>(k)];
        if (color != 0) {
            drawSpriteKeyed(ballSprite(color), 605 - 35 * k, 60);
            drawSpriteKeyed(sprite::kFirstFace + face::kSmile, 605 - 35 * k, 60);
        }
    }
}

void drawTexts() {
    startDrawing(screenOutput());
    setDrawingMode(kDrawTransparent);
    setBackColor(0, 0, 0);
    drawOverlayPages();
    if (state.showFps == 1) {
        drawGameText(5, 5, "FPS:  " + numberToText(state.framesPerSecond), text_style::kRaised);
    }
    drawMenuCaptions();
    // A little left of where the old system font put it: this font's "Punkte:" is wider and
    // would run into the panel's end cap at x = 584.
    drawGameText(528, 105, "Punkte:", text_style::kWhite);
    drawGameText(460, 118, numberToText(state.score), text_style::kWhite);
    stopDrawing();
}

// Each shard shows one of the six pictures of its colour's strip, a new one every frame, so the
// shards flicker as they fly.
void drawShards() {
    listReset(state.shards);
    while (const Shard* shard = listNext(state.shards)) {
        const std::int32_t frame = random(5);
        const SpriteId strip = brokenSprite(shard->color);
        clipSprite(strip, kShardWidth * frame, 0, kShardWidth, kShardHeight);
        drawSpriteKeyed(strip, nearest(shard->x), nearest(shard->y));
    }
}

} // namespace

// The whole scene, back to front. The random numbers drawn here (the trembling of the pointed
// ball, the flicker of the shards) belong to the game as much as those of the update: a frame
// drawn with or without pictures draws the same numbers in the same order.
void renderFrame() {
    // 1. The bobbing angle of the highlight and the Undo button: 10, 20, ..., 360, 10, ...
    state.bobAngle += kBobStep;
    if (state.bobAngle > kFullTurn) {
        state.bobAngle -= kFullTurn;
    }
    // 2. The background covers the previous frame; the back buffer is never cleared.
    drawSprite(sprite::kBackground, 0, 0);
    // 3, 4. Squares, and the highlight of the pointed one bobbing above it.
    drawSquaresAndHighlight();
    // 5. Balls and faces, in scan order.
    drawBalls();
    // 6. Rear snow: flakes 0..99, behind the tree, the panels and the texts.
    drawSnow(0, kRearFlakes);
    // 7 to 10. Fir tree, title, menu tabs, score panel.
    drawSpriteKeyed(sprite::kTree, 40, 330);
    drawSpriteKeyed(sprite::kTitle, 190, 0);
    drawMenuTabs();
    drawSpriteKeyed(sprite::kMenuTab, 450, 100);
    // 11. Undo button, bobbing.
    if (state.undoableMoves > 0) {
        drawSpriteKeyed(sprite::kUndo, 582, nearest(440.0f + bob()));
    }
    // 12. The balls of the next drop.
    drawPreview();
    // 13. Page backgrounds.
    if (state.overlayX < kOverlayHidden) {
        drawSpriteKeyed(sprite::kTextPanel, state.overlayX, kOverlayTop);
    }
    if (state.nameEntryActive == 1) {
        drawSpriteKeyed(sprite::kTextPanel, kOverlayShown, kOverlayTop);
    }
    // 14. Texts: pages, frame rate, menu captions, score, in one drawing span.
    drawTexts();
    // 15. Burst shards.
    drawShards();
    // 16. Page mascot.
    drawPageMascot();
    // 17. Mouse cursor; hidden while the keyboard steers, as the highlight shows where it is.
    if (state.keyCursorShown == 0) {
        drawSpriteKeyed(sprite::kCursor, state.mouseX, state.mouseY);
    }
    // 18. Front snow: flakes 100..199, over everything.
    drawSnow(kRearFlakes, kSnowflakes);
    // 19. Show the picture.
    flipPage();
    // 20. One marked ball bursts; it first disappears in the next frame.
    burstStep();
}

} // namespace game
