#include "look/image_file.hpp"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace game::tools {

namespace {

std::uint32_t le32(const std::vector<unsigned char>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
           static_cast<std::uint32_t>(d[at + 2]) << 16 |
           static_cast<std::uint32_t>(d[at + 3]) << 24;
}

Picture readBmp(const std::vector<unsigned char>& d) {
    const std::uint32_t offset = le32(d, 10);
    const int w = static_cast<int>(le32(d, 18));
    const int h = static_cast<int>(le32(d, 22));
    const int bits = d[28] | d[29] << 8;
    if (bits != 24 || le32(d, 30) != 0 || w <= 0 || h <= 0) {
        throw std::runtime_error("not a 24-bit uncompressed bottom-up BMP");
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    if (offset + rowBytes * static_cast<std::size_t>(h) > d.size()) {
        throw std::runtime_error("BMP too short");
    }
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row =
            d.data() + offset + rowBytes * static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            p.at(x, y) = {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]};
        }
    }
    return p;
}

Picture readJpeg(std::vector<unsigned char>& d) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, d.data(), static_cast<unsigned long>(d.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&info);
    Picture p(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    std::vector<JSAMPLE> row(static_cast<std::size_t>(p.width) * 3);
    for (int y = 0; y < p.height; ++y) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < p.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(x) * 3;
            p.at(x, y) = {row[i], row[i + 1], row[i + 2]};
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return p;
}

} // namespace

Picture readPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (d.size() > 54 && d[0] == 'B' && d[1] == 'M') {
        return readBmp(d);
    }
    if (d.size() > 2 && d[0] == 0xFF && d[1] == 0xD8) {
        return readJpeg(d);
    }
    throw std::runtime_error(path + " is neither BMP nor JPEG");
}

} // namespace game::tools
