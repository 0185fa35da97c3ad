#include "rules/menu.hpp"

#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/new_balls.hpp"
#include "rules/snow.hpp"

#include <algorithm>
#include <cstdlib>

namespace game {
namespace {

constexpr std::int32_t kFirstTabId = 30;
constexpr std::int32_t kLowestDifficulty = 1;
constexpr std::int32_t kHighestDifficulty = 4;

struct TabEntry {
    std::int32_t y;
    const char* label;
    std::int32_t labelX;
};

// The caption shown is the label followed by a state text that the menu drawing adds.
constexpr TabEntry kTabs[kMenuItems] = {
    {40, "", 35},
    {85, "Bestenliste", 50},
    {155, "Spiel ist ", 14},
    {200, "Ton ist ", 61},
    {245, "Schnee ist ", 36},
    {315, "Hilfe", 93},
    {360, "Wer war's?", 50},
    {430, "Ende", 90},
};

void play(std::int32_t sound) {
    if (state.soundOn == 1) {
        playSound(sound);
    }
}

bool underMouse(const MenuItem& item) {
    return state.mouseY > item.y && state.mouseY < item.y + kTabHeight &&
           state.mouseX < item.x + kTabWidth;
}

// The difficulty changes only between games.
void stepDifficulty(std::int32_t by) {
    if (state.gameRunning != 0) {
        play(sound::kNoWay);
        return;
    }
    state.difficulty += by;
    if (state.difficulty > kHighestDifficulty) {
        state.difficulty = kLowestDifficulty;
    }
    if (state.difficulty < kLowestDifficulty) {
        state.difficulty = kHighestDifficulty;
    }
}

} // namespace

void buildMenu() {
    for (std::int32_t i = 0; i < kMenuItems; ++i) {
        MenuItem& item = state.menu[static_cast<std::size_t>(i)];
        const TabEntry& entry = kTabs[i];
        item.id = kFirstTabId + i;
        item.x = kTabRested;
        item.y = entry.y;
        item.label = entry.label;
        item.labelX = entry.labelX;
    }
    state.menuAction = tab::kNone;
    state.lastOpenedItem = -1;
}

void slideOverlayPage() {
    if (state.overlayPage != page::kNone && state.overlayX > kOverlayShown) {
        state.overlayX = std::max(state.overlayX - kOverlaySlide, kOverlayShown);
    }
    if (state.overlayPage == page::kNone && state.overlayX < kOverlayHidden) {
        state.overlayX = std::min(state.overlayX + kOverlaySlide, kOverlayHidden);
    }
}

void updateMenuTabs() {
    state.menuHover = 0;
    state.menuSliding = 0;
    state.menuAction = tab::kNone;
    for (std::int32_t i = 0; i < kMenuItems; ++i) {
        MenuItem& item = state.menu[static_cast<std::size_t>(i)];
        if (!underMouse(item)) {
            if (item.x > kTabRested) {
                item.x = std::max(item.x - kTabSlideBack, kTabRested);
            }
            continue;
        }
        state.menuHover = 1;
        if (state.leftClick == 1) {
            state.menuAction = i;
            play(sound::kMenuSelect);
        }
        if (state.rightClick == 1 && i == tab::kDifficulty) {
            state.menuAction = tab::kDifficultyBack;
            play(sound::kMenuSelect);
        }
        if (item.x < 0) {
            // The opening sound plays once per tab that starts sliding out.
            if (state.lastOpenedItem != i) {
                play(sound::kMenuOpen);
            }
            state.lastOpenedItem = i;
            state.menuSliding = 1;
            item.x = std::min(item.x + kTabSlideOut, 0);
        }
    }
}

namespace {

// The action of a tab, whether chosen by a click or from the keyboard.
void carryOut(std::int32_t action) {
    switch (action) {
    case tab::kGame:
        // Ending a game simply stops it: the board stays, no high-score check, and the last
        // move may still be undone with the keys.
        state.gameRunning = 1 - state.gameRunning;
        if (state.gameRunning == 1) {
            newGame();
        }
        break;
    case tab::kHighScores:
        state.overlayPage = page::kHighScores;
        break;
    case tab::kDifficulty:
        stepDifficulty(+1);
        break;
    case tab::kDifficultyBack:
        stepDifficulty(-1);
        break;
    case tab::kSound:
        // The click sound has already played, so switching off is heard and switching on not.
        state.soundOn = 1 - state.soundOn;
        break;
    case tab::kSnow:
        state.snowOn = 1 - state.snowOn;
        if (state.snowOn == 1) {
            restartSnow();
        }
        break;
    case tab::kHelp:
        state.overlayPage = page::kHelp;
        break;
    case tab::kCredits:
        state.overlayPage = page::kCredits;
        break;
    case tab::kEnd:
        // The main loop ends after this update and the program shuts down as on Escape.
        state.quitRequested = 1;
        break;
    default:
        break;
    }
}

} // namespace

void runMenuAction() {
    carryOut(state.menuAction);
    if (state.menuSliding == 0) {
        state.lastOpenedItem = -1;
    }
}

void chooseMenuEntry(std::int32_t entry) {
    play(sound::kMenuSelect);
    carryOut(entry);
}

void closeOverlayPageOnClick() {
    const std::int32_t middleX = state.overlayX + kOverlayWidth / 2;
    const std::int32_t middleY = kOverlayTop + kOverlayHeight / 2;
    if (state.overlayPage != page::kNone && state.leftClick == 1 &&
        std::abs(state.mouseX - middleX) < kOverlayWidth / 2 &&
        std::abs(state.mouseY - middleY) < kOverlayHeight / 2) {
        state.leftClick = 0;
        closeOverlayPage();
    }
}

void closeOverlayPage() {
    state.overlayPage = page::kNone;
    play(sound::kMenuSelect);
}

} // namespace game
