#pragma once
// Bounds every picture loader applies before it allocates anything: the files are untrusted.

#include <cstdint>

namespace game {

// The game's pictures are at most 640 x 480; a larger side is a damaged or hostile file, and
// refusing it early keeps the decoders from spending their time on huge declared sizes.
constexpr std::int32_t kMaxPictureSide = 4096;
// About a million pixels in all, three times the largest picture: a hostile 4096 x 4096 header
// would otherwise cost a 48 MB decode.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 20;

inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

} // namespace game
