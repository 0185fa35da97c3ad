#pragma once
// The small 2D drawing service: inside a drawing span on an output (the back buffer), texts at a
// current position that moves along with them, boxes and lines in the front colour.

#include "media/display.hpp"
#include "media/texts.hpp"

#include <cstdint>

namespace game {

// Bits of setDrawingMode.
constexpr std::int32_t kDrawTransparent = 1; // texts leave their background alone
constexpr std::int32_t kDrawInvert = 2;      // lines and boxes invert what they cover
constexpr std::int32_t kDrawHollow = 4;      // boxes are not filled

// Prepares the service once at program start: black front colour, brush and pen.
void initDrawing();

// Ends any open span and starts one on output; none (null) starts nothing. Non-zero when the
// output can be drawn on; otherwise every drawing call until the next start does nothing.
std::int32_t startDrawing(const DrawingOutput* output);
// Gives the output back (for the back buffer: releaseScreenOutput).
void stopDrawing();

void setDrawingMode(std::int32_t flags);
void setFrontColor(std::int32_t red, std::int32_t green, std::int32_t blue);
void setBackColor(std::int32_t red, std::int32_t green, std::int32_t blue);
void moveTextCursor(std::int32_t x, std::int32_t y);
// Writes the Windows-1252 text with its top-left corner at the current position and moves the
// position to the text's end.
void drawText(const Text& text);
// Outline and fill from (x, y) to (x + width, y + height), right and bottom edges excluded.
void drawBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
void drawBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             std::int32_t color);
// From (x, y) to (x + dx, y + dy); the end point is not drawn and becomes the current position.
void drawLine(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
void drawLine(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy, std::int32_t color);

// A colour packed as red + 256 * green + 65536 * blue.
std::int32_t rgb(std::int32_t red, std::int32_t green, std::int32_t blue);

// For checks: the current text position and front colour.
std::int32_t textCursorX();
std::int32_t textCursorY();
std::int32_t frontColor();

} // namespace game
