#pragma once
// The side menu: eight tabs at the left edge that slide out under the mouse and act on a click,
// and the overlay pages (high-score list, help, credits) that slide in from the right.

#include <cstdint>

namespace game {

constexpr std::int32_t kTabRested = -134; // almost hidden: 10 pixels show
constexpr std::int32_t kTabWidth = 144;
constexpr std::int32_t kTabHeight = 40;
constexpr std::int32_t kTabSlideOut = 10; // pixels per pass
constexpr std::int32_t kTabSlideBack = 3;

constexpr std::int32_t kOverlayHidden = 640;
constexpr std::int32_t kOverlayShown = 160;
constexpr std::int32_t kOverlaySlide = 40;
constexpr std::int32_t kOverlayTop = 150;
constexpr std::int32_t kOverlayWidth = 400;
constexpr std::int32_t kOverlayHeight = 300;

// Tabs by index, and what menuAction holds.
namespace tab {
constexpr std::int32_t kNone = -1;
constexpr std::int32_t kGame = 0; // new game, or end the running one
constexpr std::int32_t kHighScores = 1;
constexpr std::int32_t kDifficulty = 2;
constexpr std::int32_t kSound = 3;
constexpr std::int32_t kSnow = 4;
constexpr std::int32_t kHelp = 5;
constexpr std::int32_t kCredits = 6;
constexpr std::int32_t kEnd = 7;
constexpr std::int32_t kDifficultyBack = 12; // a right click on the difficulty tab
} // namespace tab

namespace page {
constexpr std::int32_t kNone = 0;
constexpr std::int32_t kHighScores = 1;
constexpr std::int32_t kHelp = 2;
constexpr std::int32_t kCredits = 3;
} // namespace page

// Fills the menu table, every tab rested.
void buildMenu();

// Moves the open page in, or a closed one out, by 40 pixels.
void slideOverlayPage();

// Hover, slide and clicks of the tabs; chooses menuAction.
void updateMenuTabs();

// Carries out menuAction.
void runMenuAction();

// A left click on the open page closes it and is used up.
void closeOverlayPageOnClick();

// A tab's action chosen from the keyboard: the click sound and the action, as a click on it.
void chooseMenuEntry(std::int32_t entry);

// Closes the open page with the sound of a closing click.
void closeOverlayPage();

} // namespace game
