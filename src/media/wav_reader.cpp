#include "media/wav_reader.hpp"

#include "media/little_endian.hpp"

#include <cstring>

namespace game {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::int32_t kMaxRate = 384000;
// The extensible form names its samples by a GUID whose first two bytes are the old format tag;
// for PCM the other fourteen are these.
constexpr std::uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

} // namespace

bool readWav(const std::uint8_t* data, std::size_t size, WavSamples& out) {
    if (data == nullptr || size < 12 || std::memcmp(data, "RIFF", 4) != 0 ||
        std::memcmp(data + 8, "WAVE", 4) != 0) {
        return false;
    }
    bool haveFormat = false;
    device::PcmFormat format;
    std::size_t at = 12;
    while (size - at >= 8) {
        const std::uint8_t* chunk = data + at;
        const std::size_t length = le32(chunk + 4);
        const std::size_t available = size - at - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || length > available) {
                return false;
            }
            std::uint16_t tag = le16(chunk + 8);
            const std::uint16_t channels = le16(chunk + 10);
            const std::uint32_t rate = le32(chunk + 12);
            const std::uint16_t blockAlign = le16(chunk + 20);
            const std::uint16_t bits = le16(chunk + 22);
            if (tag == kFormatExtensible && length >= 40 &&
                std::memcmp(chunk + 8 + 26, kSubFormatTail, sizeof kSubFormatTail) == 0) {
                tag = le16(chunk + 8 + 24);
            }
            if (tag != kFormatPcm || (bits != 8 && bits != 16) ||
                (channels != 1 && channels != 2) || rate == 0 || rate > kMaxRate ||
                blockAlign != channels * bits / 8) {
                return false;
            }
            format.rate = static_cast<std::int32_t>(rate);
            format.channels = channels;
            format.bits = bits;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                return false;
            }
            // A data chunk longer than the file is cut to what is there, as players do.
            std::size_t bytes = length < available ? length : available;
            const std::size_t frame = static_cast<std::size_t>(format.channels * format.bits / 8);
            bytes -= bytes % frame;
            if (bytes == 0) {
                return false;
            }
            out.format = format;
            out.samples = chunk + 8;
            out.bytes = bytes;
            return true;
        }
        if (length > available) {
            return false;
        }
        at += 8 + length + (length & 1); // chunks are padded to an even size
        if (at > size) {
            return false;
        }
    }
    return false;
}

} // namespace game
