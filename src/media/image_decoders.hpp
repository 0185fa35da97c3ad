#pragma once
// Decoders for pictures other than BMP, asked in the order they were added; the first that
// recognises a picture decodes it.

#include <cstddef>
#include <cstdint>

namespace game {

struct ImageDecoder {
    // True when the decoder recognises the picture; it then keeps what it needs for the calls
    // below. The data stays valid until the picture is decoded.
    bool (*probe)(const std::uint8_t* data, std::size_t size) = nullptr;
    // Writes the picture as rows of blue, green, red bytes, top row first, row r at
    // destination + r * stride. False when the picture turns out to be broken.
    bool (*decode)(std::uint8_t* destination, std::size_t stride, std::int32_t flags) = nullptr;
    std::int32_t (*width)() = nullptr;
    std::int32_t (*height)() = nullptr;
};

constexpr std::size_t kMaxImageDecoders = 100;

void resetImageDecoders();
// False when the list is full.
bool addImageDecoder(const ImageDecoder& decoder);
bool imageDecoderListed(const ImageDecoder& decoder);
// The first decoder whose probe accepts the picture, or null.
const ImageDecoder* findImageDecoder(const std::uint8_t* data, std::size_t size);

// Bytes from one decoded row to the next: 3 per pixel, rounded up to a multiple of 4.
inline std::size_t decodeStride(std::int32_t width) {
    const auto w = static_cast<std::size_t>(width);
    return 3 * w + w % 4;
}

} // namespace game
