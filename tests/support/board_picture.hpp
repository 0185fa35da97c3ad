#pragma once
// Boards drawn as pictures: one string per row, top row first, one character per column.
// '.' empty; r b g y p n s = red, blue, green, yellow, pink, brown, silver;
// '#' a filler ball: never red, and never the colour of a neighbour in any of the four row
// directions, so a board of fillers holds no row.

#include "rules/board.hpp"

#include <array>
#include <string>
#include <string_view>

namespace game::test {

inline constexpr std::string_view kBallCodes = ".rbgypns"; // by colour number

inline std::int32_t colorOfChar(char c) {
    const auto at = kBallCodes.find(c);
    return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at);
}

inline void setBoard(const std::array<const char*, kBoardSize>& rows) {
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const char c = rows[static_cast<std::size_t>(row)][col];
            cellAt(col, row).color = c == '#' ? 2 + (col + 2 * row) % 6 : colorOfChar(c);
        }
    }
}

inline std::array<std::string, kBoardSize> boardPicture() {
    std::array<std::string, kBoardSize> rows;
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            const std::int32_t c = cellAt(col, row).color;
            rows[static_cast<std::size_t>(row)] += c >= 0 && c <= 7 ? kBallCodes[c] : '?';
        }
    }
    return rows;
}

} // namespace game::test
