#include "art/canvas.hpp"

#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <stdexcept>

namespace game::tools {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a drawing surface");
    }
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Canvas::Argb Canvas::pixel(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::uint32_t word = 0;
    std::memcpy(&word, data + y * stride + x * 4, sizeof word);
    return {static_cast<int>(word >> 24), static_cast<int>((word >> 16) & 255),
            static_cast<int>((word >> 8) & 255), static_cast<int>(word & 255)};
}

namespace {

std::uint8_t clampByte(int v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Rounded division of a premultiplied channel back to full strength.
std::uint8_t unpremultiply(int channel, int alpha) {
    return clampByte((channel * 255 + alpha / 2) / alpha);
}

std::uint8_t overMatte(int channel, int alpha, int matte) {
    return clampByte(channel + (matte * (255 - alpha) + 127) / 255);
}

} // namespace

Rgb8 avoidKey(Rgb8 c, Rgb8 key) {
    if (!(c == key)) {
        return c;
    }
    // Step the red channel one unit towards the middle: invisible, but no longer the key.
    c.r = static_cast<std::uint8_t>(c.r >= 128 ? c.r - 1 : c.r + 1);
    return c;
}

Picture resolveKeyed(const Canvas& canvas, const KeyedStyle& style) {
    cairo_surface_flush(canvas.surface());
    Picture out(canvas.width(), canvas.height());
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const Canvas::Argb p = canvas.pixel(x, y);
            if (p.a < style.alphaThreshold || p.a == 0) {
                out.at(x, y) = style.key;
                continue;
            }
            Rgb8 c;
            if (style.blend == EdgeBlend::OwnColour) {
                c = {unpremultiply(p.r, p.a), unpremultiply(p.g, p.a), unpremultiply(p.b, p.a)};
            } else {
                c = {overMatte(p.r, p.a, style.matte.r), overMatte(p.g, p.a, style.matte.g),
                     overMatte(p.b, p.a, style.matte.b)};
            }
            out.at(x, y) = avoidKey(c, style.key);
        }
    }
    return out;
}

Picture resolveOpaque(const Canvas& canvas) {
    cairo_surface_flush(canvas.surface());
    Picture out(canvas.width(), canvas.height());
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const Canvas::Argb p = canvas.pixel(x, y);
            out.at(x, y) = {clampByte(p.r), clampByte(p.g), clampByte(p.b)};
        }
    }
    return out;
}

Rgb8 meanColour(const Picture& picture, int x, int y, int w, int h) {
    long sum[3] = {0, 0, 0};
    long n = 0;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (i < 0 || j < 0 || i >= picture.width || j >= picture.height) {
                continue;
            }
            const Rgb8 c = picture.at(i, j);
            sum[0] += c.r;
            sum[1] += c.g;
            sum[2] += c.b;
            ++n;
        }
    }
    if (n == 0) {
        return {};
    }
    return {static_cast<std::uint8_t>(sum[0] / n), static_cast<std::uint8_t>(sum[1] / n),
            static_cast<std::uint8_t>(sum[2] / n)};
}

namespace {

void put16(std::vector<unsigned char>& out, std::uint32_t v) {
    out.push_back(static_cast<unsigned char>(v & 255));
    out.push_back(static_cast<unsigned char>((v >> 8) & 255));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        throw std::runtime_error("cannot write " + path);
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

void writeBmp(const std::string& path, const Picture& picture) {
    const auto w = static_cast<std::uint32_t>(picture.width);
    const auto h = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t rowBytes = (w * 3 + 3) / 4 * 4;
    const std::uint32_t dataOffset = 14 + 40;
    const std::uint32_t imageBytes = rowBytes * h;

    std::vector<unsigned char> out;
    out.reserve(dataOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, dataOffset + imageBytes);
    put32(out, 0); // reserved
    put32(out, dataOffset);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, w);
    put32(out, h); // positive: bottom row first
    put16(out, 1); // planes
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb8 c = picture.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = w * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    writeFile(path, out);
}

void writeJpeg(const std::string& path, const Picture& picture, int quality) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        throw std::runtime_error("cannot write " + path);
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.optimize_coding = TRUE;
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1; // no colour subsampling: thin gold lines stay gold
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb8 c = picture.at(x, y);
            row[static_cast<std::size_t>(x) * 3] = c.r;
            row[static_cast<std::size_t>(x) * 3 + 1] = c.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = c.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(f) != 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace game::tools
