#include "view/game_text.hpp"

#include "view/text_draw.hpp"

#include <array>

namespace game {
namespace {

struct Color {
    std::int32_t r = 0, g = 0, b = 0;
};

struct Relief {
    bool hasFirst = false;
    Color first;  // at (x - 1, y), (x - 1, y - 1), (x, y - 1)
    Color second; // at (x, y + 1), (x + 1, y + 1), (x + 1, y)
    Color face;   // at (x, y)
};

constexpr std::array<Relief, 4> kReliefs = {{
    {true, {62, 39, 18}, {178, 142, 109}, {255, 255, 255}}, // white
    {true, {228, 226, 194}, {93, 90, 28}, {181, 175, 55}},  // raised
    {true, {93, 90, 28}, {228, 226, 194}, {181, 175, 55}},  // sunken
    {false, {0, 0, 0}, {46, 45, 14}, {213, 209, 135}},      // shadow
}};

struct Offset {
    std::int32_t dx = 0, dy = 0;
};

constexpr std::array<Offset, 3> kFirstOffsets = {{{-1, 0}, {-1, -1}, {0, -1}}};
constexpr std::array<Offset, 3> kSecondOffsets = {{{0, 1}, {1, 1}, {1, 0}}};

void pass(std::int32_t x, std::int32_t y, const Text& text, const Color& color,
          const Offset* offsets, std::size_t count) {
    setFrontColor(color.r, color.g, color.b);
    for (std::size_t i = 0; i < count; ++i) {
        moveTextCursor(x + offsets[i].dx, y + offsets[i].dy);
        drawText(text);
    }
}

} // namespace

void drawGameText(std::int32_t x, std::int32_t y, const Text& text, TextStyle style) {
    if (style < text_style::kWhite || style > text_style::kShadow) {
        return;
    }
    const Relief& relief = kReliefs[static_cast<std::size_t>(style - 1)];
    if (relief.hasFirst) {
        pass(x, y, text, relief.first, kFirstOffsets.data(), kFirstOffsets.size());
    }
    pass(x, y, text, relief.second, kSecondOffsets.data(), kSecondOffsets.size());
    const Offset face{0, 0};
    pass(x, y, text, relief.face, &face, 1);
}

} // namespace game
