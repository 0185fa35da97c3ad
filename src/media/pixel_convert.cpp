#include "media/pixel_convert.hpp"

namespace game {

void convertRow(const std::uint8_t* source, std::int32_t depth, std::uint32_t* target,
                std::int32_t width) {
    switch (depth) {
    case 32:
    case 24: {
        const std::int32_t step = depth / 8;
        for (std::int32_t x = 0; x < width; ++x, source += step) {
            target[x] = static_cast<std::uint32_t>(source[2]) << 16 |
                        static_cast<std::uint32_t>(source[1]) << 8 | source[0];
        }
        break;
    }
    case 16:
        // Each 5-bit channel is scaled by 8, so full white comes out as (248, 248, 248).
        for (std::int32_t x = 0; x < width; ++x, source += 2) {
            const std::uint32_t v = static_cast<std::uint32_t>(source[0] | source[1] << 8);
            const std::uint32_t r = (v >> 10) & 0x1F;
            const std::uint32_t g = (v >> 5) & 0x1F;
            const std::uint32_t b = v & 0x1F;
            target[x] = (r * 8) << 16 | (g * 8) << 8 | b * 8;
        }
        break;
    default:
        break;
    }
}

} // namespace game
