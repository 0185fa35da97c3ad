#include "view/frame.hpp"

#include "media/display.hpp"
#include "media/random.hpp"
#include "rules/board.hpp"
#include "view/faces.hpp"
#include "view/shards.hpp"

namespace game {
namespace {

constexpr std::int32_t kBobStep = 10;
constexpr std::int32_t kFullTurn = 360;

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

} // namespace

// The whole scene, back to front. The random numbers drawn here (the trembling of the pointed
// ball, the flicker of the shards) belong to the game as much as those of the update: a frame
// drawn with or without pictures must draw the same numbers in the same order.
void renderFrame() {
    // 1. The bobbing angle of the highlight and the Undo button: 10, 20, ..., 360, 10, ...
    state.bobAngle += kBobStep;
    if (state.bobAngle > kFullTurn) {
        state.bobAngle -= kFullTurn;
    }
    // 2. Background.
    // 3. Squares, remembering where the pointed one lies.
    // 4. Hover highlight.
    // 5. Balls and faces, in scan order.
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            [[maybe_unused]] const BallLook look = lookOfBall(col, row);
            // The ball and then its face are drawn at the ball anchor here.
        }
    }
    // 6. Rear snow: flakes 0..99.
    // 7. Fir tree.
    // 8. Title.
    // 9. Menu tabs.
    // 10. Score panel.
    // 11. Undo button.
    // 12. Next-ball preview.
    // 13. Page backgrounds.
    // 14. Texts: pages, frame rate, menu captions, score.
    // 15. Burst shards, each showing one of its six pictures at random, a new one every frame.
    listReset(state.shards);
    while (listNext(state.shards) != nullptr) {
        [[maybe_unused]] const std::int32_t frame = random(5);
        // The shard's picture is drawn here.
    }
    // 16. Page mascot.
    // 17. Mouse cursor.
    // 18. Front snow: flakes 100..199.
    // 19. Show the picture.
    flipPage();
    // 20. One marked ball bursts; it first disappears in the next frame.
    burstStep();
}

} // namespace game
