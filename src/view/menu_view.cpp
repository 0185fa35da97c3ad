#include "view/menu_view.hpp"

#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "view/game_text.hpp"
#include "view/sprite_draw.hpp"

namespace game {
namespace {

// A tab shows its caption once it has slid 20 pixels out of its resting place.
constexpr std::int32_t kCaptionFromX = -114;
constexpr std::int32_t kCaptionDown = 11;

const char* onOff(std::int32_t flag) {
    return flag == 1 ? "an" : "aus";
}

} // namespace

Text menuStateText(std::int32_t item) {
    // The blanks inside these texts are part of them: they move the words along the tab.
    switch (item) {
    case 0:
        return state.gameRunning == 1 ? "Spiel beenden" : "    Neues Spiel";
    case 2:
        switch (state.difficulty) {
        case 1:
            return "   Einfach";
        case 2:
            return "      Mittel";
        case 3:
            return "   Schwer";
        case 4:
            return "Grausam";
        default:
            return {};
        }
    case 3:
        return onOff(state.soundOn);
    case 4:
        return onOff(state.snowOn);
    default:
        return {};
    }
}

void drawMenuTabs() {
    for (const MenuItem& item : state.menu) {
        drawSpriteKeyed(sprite::kMenuTab, item.x, item.y);
    }
}

void drawMenuCaptions() {
    for (std::int32_t k = 0; k < kMenuItems; ++k) {
        const MenuItem& item = state.menu[static_cast<std::size_t>(k)];
        if (item.x >= kCaptionFromX) {
            drawGameText(item.x + item.labelX, item.y + kCaptionDown, item.label + menuStateText(k),
                         text_style::kWhite);
        }
    }
}

} // namespace game
