#pragma once
// The game's one typeface, rendered crisp (no smoothing): DejaVu Sans Condensed Bold at 13 points,
// whose 16-pixel line matches the old system font all text positions were laid out for. The
// condensed cut keeps the captions inside their tabs, as the narrow old font did. Texts are
// Windows-1252 bytes; each is rendered once and kept as the pixel runs it covers.

#include "media/texts.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace game {

// The font file in the game's data folder; the build copies it there with its licence.
constexpr const char* kFontFileName = "DejaVuSansCondensed-Bold.ttf";
constexpr std::int32_t kFontPoints = 13;

// A horizontal run of covered pixels, relative to the text's top-left corner.
struct TextRun {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t length = 0;
};

struct TextShape {
    std::int32_t width = 0;  // the advance: how far the current position moves
    std::int32_t height = 0; // the line's height
    std::vector<TextRun> runs;
    // Where the runs lie (right and bottom exclusive) and a digest of them all, so that drawing
    // can tell one text's pixels from another's without looking at every run.
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::uint64_t digest = 0;
};

// Fills in the place and digest of the shape's runs.
void measureRuns(TextShape& shape);

// Opens the font file (replacing any font opened before); false when it cannot be read as a
// font, and then every text is empty.
bool openFont(const std::string& file);
bool fontReady();

// The shape of a text; valid until the next call. Without a font every text is empty.
const TextShape& textShape(const Text& text);

// The Unicode character a Windows-1252 byte stands for (bytes the code page leaves undefined
// keep their own value).
std::uint32_t unicodeOf1252(std::uint8_t byte);

// The font's line height and ascent in pixels; 0 when the font could not be opened.
std::int32_t fontLineHeight();
std::int32_t fontAscent();
// Why the font could not be opened, with its path; empty when it is ready.
std::string fontProblem();

// Rendered texts kept at most; the store is emptied when it is full.
constexpr std::size_t kMaxCachedTexts = 1024;
std::size_t cachedTextCount();

} // namespace game
