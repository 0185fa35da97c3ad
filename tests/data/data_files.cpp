#include "data/data_files.hpp"

#include "shell/catalogue.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <jpeglib.h>

namespace game::testdata {

namespace {

std::uint32_t le32(const std::vector<unsigned char>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
           static_cast<std::uint32_t>(d[at + 2]) << 16 |
           static_cast<std::uint32_t>(d[at + 3]) << 24;
}

int le16(const std::vector<unsigned char>& d, std::size_t at) {
    return d[at] | d[at + 1] << 8;
}

struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

void jpegFailed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->back, 1);
}

void jpegQuiet(j_common_ptr) {}

// Holds no C++ objects with destructors, so the error exit may jump out of it.
bool decodeRows(const std::vector<unsigned char>& bytes, unsigned char* out, int* width,
                int* height, int maxPixels) {
    jpeg_decompress_struct info;
    JpegFailure failure;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = jpegFailed;
    failure.manager.output_message = jpegQuiet;
    if (setjmp(failure.back) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    if (*width * *height > maxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out + static_cast<std::size_t>(info.output_scanline) * *width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::vector<unsigned char> readDataFile(const std::string& catalogueName) {
    std::ifstream in(std::filesystem::path(ZV_DATA_DIR) / catalogueName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<Image> parseBmp(const std::vector<unsigned char>& d) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t offset = le32(d, 10);
    const auto width = static_cast<std::int32_t>(le32(d, 18));
    const auto height = static_cast<std::int32_t>(le32(d, 22));
    if (le16(d, 28) != 24 || le32(d, 30) != 0 || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (offset + rowBytes * static_cast<std::size_t>(height) > d.size()) {
        return std::nullopt;
    }
    Image image{width, height, std::vector<Rgb>(static_cast<std::size_t>(width * height))};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * 3;
            image.at(x, y) = {d[p + 2], d[p + 1], d[p]};
        }
    }
    return image;
}

std::optional<Image> decodeJpeg(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return std::nullopt;
    }
    constexpr int kMaxPixels = 1024 * 1024;
    std::vector<unsigned char> rgb(static_cast<std::size_t>(kMaxPixels) * 3);
    int width = 0, height = 0;
    if (!decodeRows(bytes, rgb.data(), &width, &height, kMaxPixels)) {
        return std::nullopt;
    }
    Image image{width, height, std::vector<Rgb>(static_cast<std::size_t>(width * height))};
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = {rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]};
    }
    return image;
}

std::optional<Image> parsePicture(const std::vector<unsigned char>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        return parseBmp(bytes);
    }
    return decodeJpeg(bytes);
}

std::optional<Wav> parseWav(const std::vector<unsigned char>& d) {
    auto id = [&d](std::size_t at) { return std::string(d.begin() + at, d.begin() + at + 4); };
    if (d.size() < 44 || id(0) != "RIFF" || id(12) != "fmt ") {
        return std::nullopt;
    }
    const std::uint32_t formatSize = le32(d, 16);
    if (formatSize < 16 || 28 + formatSize > d.size()) {
        return std::nullopt;
    }
    Wav w;
    w.riffSize = le32(d, 4);
    w.formatTag = le16(d, 20);
    w.channels = le16(d, 22);
    w.sampleRate = static_cast<int>(le32(d, 24));
    w.byteRate = static_cast<int>(le32(d, 28));
    w.blockAlign = le16(d, 32);
    w.bitsPerSample = le16(d, 34);
    // The sample chunk is taken to follow the format chunk directly, as the game reads it.
    w.dataId = id(20 + formatSize);
    w.dataSize = le32(d, 24 + formatSize);
    w.dataOffset = 28 + formatSize;
    if (w.dataOffset + w.dataSize > d.size() || w.bitsPerSample != 16) {
        return w;
    }
    for (std::size_t i = 0; i + 1 < w.dataSize; i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(le16(d, w.dataOffset + i)));
    }
    return w;
}

Sprite loadSprite(int spriteId) {
    for (const PictureEntry& entry : kPictures) {
        if (entry.id != spriteId) {
            continue;
        }
        const std::optional<Image> image = parsePicture(readDataFile(entry.file));
        EXPECT_TRUE(image.has_value()) << entry.file << " cannot be read";
        const game::Rgb key = finalColorKey(spriteId);
        return {image.value_or(Image{}), {key.r, key.g, key.b}};
    }
    ADD_FAILURE() << "no picture " << spriteId << " in the catalogue";
    return {};
}

double luminance(const Rgb& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double contrastRatio(const Rgb& a, const Rgb& b) {
    auto rel = [](const Rgb& c) {
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
    };
    const double la = rel(a), lb = rel(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace game::testdata
