#pragma once
// Source pixels to screen pixels (0x00RRGGBB). Bytes are read in file order: 24 and 32 bits are
// blue, green, red (a fourth byte is ignored); 16 bits are a little-endian 5-5-5 value.

#include <cstdint>

namespace game {

// Converts one row of width pixels of the given source depth (16, 24 or 32).
void convertRow(const std::uint8_t* source, std::int32_t depth, std::uint32_t* target,
                std::int32_t width);

} // namespace game
