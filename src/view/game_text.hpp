#pragma once
// The game's texts with a two-colour relief: a first colour up and left, a second colour down
// and right, the face colour on top.

#include "media/texts.hpp"

#include <cstdint>

namespace game {

using TextStyle = std::int32_t;
namespace text_style {
constexpr TextStyle kWhite = 1;  // menu captions, score
constexpr TextStyle kRaised = 2; // frame rate, prompts, column heads
constexpr TextStyle kSunken = 3; // page titles
constexpr TextStyle kShadow = 4; // help and credit lines, names
} // namespace text_style

// x, y: the text's top-left corner. Any other style draws nothing. Afterwards the front colour is
// the face colour. Needs an open drawing span.
void drawGameText(std::int32_t x, std::int32_t y, const Text& text, TextStyle style);

} // namespace game
