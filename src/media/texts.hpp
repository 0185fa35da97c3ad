#pragma once
// Texts are byte strings in the Windows-1252 code page.

#include <cstdint>
#include <string>

namespace game {

using Text = std::string;

Text numberToText(std::int32_t n);
std::int32_t textLength(const Text& text);
// The first count bytes (all of them if the text is shorter); empty if count <= 0.
Text textLeft(const Text& text, std::int32_t count);
// count bytes from the 1-based position start (fewer at the end); start <= 1 counts as 1; empty
// when start lies beyond the end or count <= 0.
Text textMiddle(const Text& text, std::int32_t start, std::int32_t count);

} // namespace game
