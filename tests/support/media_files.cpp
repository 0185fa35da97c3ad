#include "support/media_files.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

namespace game::test {
namespace {

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}

Bytes makeBmp(int width, int height, const PixelAt& pixel, const BmpOptions& options) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t offset = 14 + options.infoSize;
    Bytes b(offset + stride * static_cast<std::size_t>(height), 0);
    put16(b, 0, 'B' | 'M' << 8);
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, static_cast<std::uint32_t>(offset));
    put32(b, 14, options.infoSize);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(options.topDown ? -height : height));
    put16(b, 26, 1);
    put16(b, 28, 24);
    for (int row = 0; row < height; ++row) {
        const int y = options.topDown ? row : height - 1 - row; // bottom row first
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y);
            const std::size_t at =
                offset + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(x) * 3;
            put16(b, at, c); // blue, green
            b[at + 2] = static_cast<std::uint8_t>(c >> 16);
        }
    }
    return b;
}

Bytes makeJpeg(int width, int height, const PixelAt& pixel, bool greyscale, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = greyscale ? 1 : 3;
    info.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (Bytes row; info.next_scanline < info.image_height; row.clear()) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, static_cast<int>(info.next_scanline));
            for (int shift = greyscale ? 8 : 16; shift >= (greyscale ? 8 : 0); shift -= 8) {
                row.push_back(static_cast<std::uint8_t>(c >> shift)); // grey is the green
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(out, out + outSize);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

Bytes makePcmWav(int channels, int rate, int bits, const Bytes& samples) {
    // An odd number of bytes is followed by a pad byte.
    Bytes b(44 + samples.size() + samples.size() % 2, 0);
    const std::string head = "RIFF....WAVEfmt ";
    std::copy(head.begin(), head.end(), b.begin());
    const auto frame = static_cast<std::uint32_t>(channels * bits / 8);
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    put32(b, 16, 16);
    put16(b, 20, 1);
    put16(b, 22, static_cast<std::uint32_t>(channels));
    put32(b, 24, static_cast<std::uint32_t>(rate));
    put32(b, 28, static_cast<std::uint32_t>(rate) * frame);
    put16(b, 32, frame);
    put16(b, 34, static_cast<std::uint32_t>(bits));
    std::copy_n("data", 4, b.begin() + 36);
    put32(b, 40, static_cast<std::uint32_t>(samples.size()));
    std::copy(samples.begin(), samples.end(), b.begin() + 44);
    return b;
}

Bytes readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace game::test
