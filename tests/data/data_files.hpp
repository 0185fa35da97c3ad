#pragma once
// Reads the built data files the way the game's loaders read them: BMP headers at their fixed
// places with bottom-up rows padded to four bytes, JPEG through libjpeg, WAV chunks at fixed
// places. Kept small on purpose: the tests check the files, not this reader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game::testdata {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top row first

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A picture with its colour key: which pixels the keyed copy leaves out.
struct Sprite {
    Image image;
    Rgb key;

    bool visible(int x, int y) const {
        return x >= 0 && y >= 0 && x < image.width && y < image.height && !(image.at(x, y) == key);
    }
};

struct Wav {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::uint32_t riffSize = 0;
    std::string dataId;
    std::size_t dataOffset = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples; // interleaved
};

// The bytes of a catalogue file such as "field.bmp", from the built data folder.
std::vector<unsigned char> readDataFile(const std::string& catalogueName);

// Nothing when the bytes are not a 24-bit, uncompressed, bottom-up BMP that the game reads.
std::optional<Image> parseBmp(const std::vector<unsigned char>& bytes);
std::optional<Image> decodeJpeg(const std::vector<unsigned char>& bytes);
// Either of the two by its first bytes, as the sprite loader tells them apart.
std::optional<Image> parsePicture(const std::vector<unsigned char>& bytes);
std::optional<Wav> parseWav(const std::vector<unsigned char>& bytes);

// A catalogue picture with the key it ends up with in the game; fails the test when unreadable.
Sprite loadSprite(int spriteId);

// Perceived brightness 0..255 and the contrast ratio of two colours (1..21, as for readable text).
double luminance(const Rgb& c);
double contrastRatio(const Rgb& a, const Rgb& b);

} // namespace game::testdata
