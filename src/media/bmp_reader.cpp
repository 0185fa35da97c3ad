#include "media/bmp_reader.hpp"

#include "media/little_endian.hpp"
#include "media/picture_limits.hpp"

namespace game {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;

} // namespace

bool readBmpHeader(const std::uint8_t* data, std::size_t size, BmpInfo& out) {
    if (data == nullptr || size < kFileHeaderBytes + kInfoHeaderBytes || data[0] != 'B' ||
        data[1] != 'M') {
        return false;
    }
    // A header shorter than the 40-byte one (the old OS/2 form) keeps its fields elsewhere;
    // reading it as the long form would take the height for part of the width.
    if (le32(data + 14) < kInfoHeaderBytes) {
        return false;
    }
    const auto width = static_cast<std::int32_t>(le32(data + 18));
    const auto height = static_cast<std::int32_t>(le32(data + 22));
    const std::uint16_t bitCount = le16(data + 28);
    const std::uint32_t compression = le32(data + 30);
    if (compression != kUncompressed) {
        return false;
    }
    if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return false;
    }
    // Top-down rows (a negative height) are not supported.
    if (!pictureSizeAllowed(width, height)) {
        return false;
    }
    const std::uint64_t rowBits = static_cast<std::uint64_t>(width) * bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t lastRow = (rowBits + 7) / 8; // the last row may come without its padding
    const std::uint64_t offset = le32(data + 10);
    const std::uint64_t needed = offset + stride * static_cast<std::uint64_t>(height - 1) + lastRow;
    if (offset > size || needed > size) {
        return false;
    }
    out.width = width;
    out.height = height;
    out.bitCount = bitCount;
    out.pixelOffset = static_cast<std::size_t>(offset);
    out.rowStride = static_cast<std::size_t>(stride);
    return true;
}

} // namespace game
