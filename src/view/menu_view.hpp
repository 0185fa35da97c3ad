#pragma once
// The side menu's tabs and their captions.

#include "media/texts.hpp"

#include <cstdint>

namespace game {

// The text after a tab's label, following the current settings ("an"/"aus", the level name...).
Text menuStateText(std::int32_t item);

// The eight tabs at their positions (before the texts).
void drawMenuTabs();
// The captions of the tabs slid out far enough to show them (inside the text phase).
void drawMenuCaptions();

} // namespace game
