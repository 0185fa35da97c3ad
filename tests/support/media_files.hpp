#pragma once
// Picture and sound files made in memory for the loaders' tests: BMPs written byte by byte as the
// format describes them, JPEGs by libjpeg's own compressor, WAVs of PCM samples.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace game::test {

using Bytes = std::vector<std::uint8_t>;

// The colour a test picture has at (x, y), as 0x00RRGGBB.
using PixelAt = std::function<std::uint32_t(int x, int y)>;

// A 24-bit BMP.
struct BmpOptions {
    bool topDown = false; // negative height
    std::uint32_t infoSize = 40;
};

Bytes makeBmp(int width, int height, const PixelAt& pixel, const BmpOptions& options = {});

// A JPEG of the picture; greyscale takes the green channel as the grey value.
Bytes makeJpeg(int width, int height, const PixelAt& pixel, bool greyscale = false,
               int quality = 95);

// A plain PCM file: "fmt " and "data", the data padded to an even size.
Bytes makePcmWav(int channels, int rate, int bits, const Bytes& samples);

void put32(Bytes& b, std::size_t at, std::uint32_t v);

Bytes readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const Bytes& bytes);

} // namespace game::test
