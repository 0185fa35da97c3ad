#pragma once
// JPEG pictures through libjpeg, decoded from memory into rows of blue, green, red bytes.
// Greyscale pictures come out as RGB with equal channels; a file cut short is completed by the
// library's own end-of-picture handling; any error of the library refuses the picture.

#include <cstddef>
#include <cstdint>

namespace game {

// Reads the picture's header: true for a JPEG picture the library can decode to RGB at the
// returned size.
bool readJpegSize(const std::uint8_t* data, std::size_t size, std::int32_t& width,
                  std::int32_t& height);

// Decodes the whole picture, row r at destination + r * stride (at least 3 * width bytes per
// row). width and height must be what readJpegSize answered. False on any error.
bool decodeJpeg(const std::uint8_t* data, std::size_t size, std::uint8_t* destination,
                std::size_t stride, std::int32_t width, std::int32_t height);

// Adds the JPEG decoder to the decoder list; a second call does nothing.
void installJpegDecoder();

} // namespace game
