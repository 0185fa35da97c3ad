#include "support/media_files.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>

namespace game::test {

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

Bytes makeBmp(int width, int height, const PixelAt& pixel, const BmpOptions& options) {
    const std::size_t stride = (static_cast<std::size_t>(width) * options.bitCount + 31) / 32 * 4;
    const std::size_t offset = 14 + options.infoSize + options.paletteBytes;
    Bytes b(offset + stride * static_cast<std::size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, static_cast<std::uint32_t>(offset));
    put32(b, 14, options.infoSize);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(options.topDown ? -height : height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint32_t>(options.bitCount));
    put32(b, 30, options.compression);
    for (int row = 0; row < height; ++row) {
        // Stored bottom row first unless top-down.
        const int y = options.topDown ? row : height - 1 - row;
        std::uint8_t* p = b.data() + offset + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y);
            const std::uint32_t r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, bl = c & 0xFF;
            if (options.bitCount == 16) {
                const std::uint32_t v = (r >> 3) << 10 | (g >> 3) << 5 | bl >> 3;
                p[2 * x] = static_cast<std::uint8_t>(v);
                p[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
            } else {
                const int step = options.bitCount / 8;
                p[step * x] = static_cast<std::uint8_t>(bl);
                p[step * x + 1] = static_cast<std::uint8_t>(g);
                p[step * x + 2] = static_cast<std::uint8_t>(r);
                if (step == 4) {
                    p[step * x + 3] = 0xA5; // the fourth byte means nothing
                }
            }
        }
    }
    return b;
}

Bytes makeJpeg(int width, int height, const PixelAt& pixel, bool greyscale, int quality,
               bool progressive) {
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
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * (greyscale ? 1 : 3));
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y);
            if (greyscale) {
                row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(c >> 8);
            } else {
                row[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(c >> 16);
                row[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(c >> 8);
                row[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(c);
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

Bytes pcmFormat(int channels, int rate, int bits) {
    Bytes f(16, 0);
    put16(f, 0, 1);
    put16(f, 2, static_cast<std::uint32_t>(channels));
    put32(f, 4, static_cast<std::uint32_t>(rate));
    put32(f, 8, static_cast<std::uint32_t>(rate * channels * bits / 8));
    put16(f, 12, static_cast<std::uint32_t>(channels * bits / 8));
    put16(f, 14, static_cast<std::uint32_t>(bits));
    return f;
}

Bytes makeWav(const std::vector<WavChunk>& chunks) {
    Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const WavChunk& chunk : chunks) {
        const std::size_t at = b.size();
        b.resize(at + 8);
        for (std::size_t i = 0; i < 4; ++i) {
            b[at + i] = static_cast<std::uint8_t>(chunk.id[i]);
        }
        put32(b, at + 4, static_cast<std::uint32_t>(chunk.body.size()));
        b.insert(b.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 != 0) {
            b.push_back(0);
        }
    }
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

Bytes makePcmWav(int channels, int rate, int bits, const Bytes& samples) {
    return makeWav({{"fmt ", pcmFormat(channels, rate, bits)}, {"data", samples}});
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
