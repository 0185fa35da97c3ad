#pragma once
// Bounds every picture loader applies before it allocates anything: the files are untrusted.

#include <cstdint>

namespace game {

constexpr std::int32_t kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 25; // 32 Mpixel, 128 MB on screen

inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

} // namespace game
