#include "rules/update_game.hpp"

#include "media/device.hpp"
#include "rules/ball_height.hpp"
#include "rules/board.hpp"
#include "rules/expressions.hpp"
#include "rules/menu.hpp"
#include "rules/moves.hpp"
#include "rules/shards.hpp"
#include "rules/snow.hpp"
#include "rules/undo.hpp"

namespace game {

void updateGame() {
    // 1 to 3. The page slide, the menu tabs and the action chosen on them.
    slideOverlayPage();
    updateMenuTabs();
    runMenuAction();
    if (state.quitRequested == 1) {
        // "Ende" ends the program here, as Escape would before the update.
        return;
    }
    // 4. A click on the open page closes it and reaches nothing else.
    closeOverlayPageOnClick();
    // 5 to 7. Selection check, pointing, and a click beside the board dropping the selection
    // (also a click meant for a tab or the Undo button).
    checkSelection();
    pointAtSquare();
    if (state.hoverCol == -1 && state.leftClick == 1) {
        state.selectedCol = -1;
        state.selectedRow = -1;
    }
    // 8. Every square in scan order.
    const std::uint32_t now = device::tickCount();
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            Cell& cell = cellAt(col, row);
            expireExpression(cell, now);
            if (state.gameRunning == 1 && state.leftClick == 1 && state.menuHover == 0 &&
                col == state.hoverCol && row == state.hoverRow) {
                clickSquare(col, row);
            }
            if (cell.color >= 1) {
                if (state.frameTick == 1) {
                    animateBallHeight(col, row);
                }
                startExpressions(cell);
            }
        }
    }
    // 9. The Undo button.
    pressUndoButton();
    // 10. Shards, then snow, once per drawn frame.
    if (state.frameTick == 1) {
        moveShards();
        moveSnow();
    }
    // 11. The walking ball.
    if (state.gameRunning == 1) {
        stepWalkingBall();
    }
}

} // namespace game
