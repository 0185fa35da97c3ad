#pragma once
// The game's own reader for Windows bitmaps: uncompressed 16-bit (5-5-5), 24-bit and 32-bit
// pictures stored bottom row first. The file is untrusted: every offset and size is checked
// against its length before a pixel is read.

#include <cstddef>
#include <cstdint>

namespace game {

struct BmpInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitCount = 0;
    std::size_t pixelOffset = 0; // of the first stored row (the picture's bottom row)
    std::size_t rowStride = 0;   // bytes from one stored row to the next, a multiple of 4
};

// True when data (size bytes, starting with "BM") is a bitmap this reader can convert, with every
// row inside the file.
bool readBmpHeader(const std::uint8_t* data, std::size_t size, BmpInfo& out);

// Start of the stored row that holds picture row y (0 = top).
inline const std::uint8_t* bmpRow(const std::uint8_t* data, const BmpInfo& info, std::int32_t y) {
    const auto stored = static_cast<std::size_t>(info.height - 1 - y);
    return data + info.pixelOffset + stored * info.rowStride;
}

} // namespace game
