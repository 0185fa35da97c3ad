#include "media/jpeg_reader.hpp"

#include "media/image_decoders.hpp"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jpeglib.h>

namespace game {
namespace {

// A progressive picture may hold thousands of tiny scans that each cost a pass over the whole
// picture; no honest picture needs more than a few dozen (a progressive encoder writes about ten).
constexpr int kMaxScans = 100;

// The error manager comes first, so the library's pointer to it is also a pointer to the jump.
// Everything between setjmp and the jump is plain data: the jump passes no destructor.
struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

struct ScanLimit {
    jpeg_progress_mgr manager;
};

[[noreturn]] void leaveOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

// Warnings (a premature end of the file, for one) are neither shown nor fatal.
void stayQuiet(j_common_ptr) {}

void limitScans(j_common_ptr info) {
    if (info->is_decompressor != 0 &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
        leaveOnError(info);
    }
}

void prepare(jpeg_decompress_struct& info, ErrorExit& error, ScanLimit& progress) {
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = &leaveOnError;
    error.manager.output_message = &stayQuiet;
    progress.manager.progress_monitor = &limitScans;
}

// Starts a decompression of data up to the first output row: header, BGR output, integer DCT,
// no scaling. Must be called inside the setjmp guard of its caller.
bool start(jpeg_decompress_struct& info, ScanLimit& progress, const std::uint8_t* data,
           std::size_t size) {
    jpeg_create_decompress(&info);
    info.progress = &progress.manager;
    // The library's memory source supplies the whole picture at once and, when asked for more,
    // warns and hands out an end-of-picture marker, which completes a file cut short.
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    info.out_color_space = JCS_EXT_BGR; // the rows hold blue, green, red, as in a BMP
    info.dct_method = JDCT_ISLOW;
    info.scale_num = 1;
    info.scale_denom = 1;
    jpeg_calc_output_dimensions(&info);
    return info.output_components == 3;
}

bool looksLikeJpeg(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
}

// The picture the decoder accepted last.
struct Accepted {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

Accepted accepted;

bool probeJpeg(const std::uint8_t* data, std::size_t size) {
    accepted = Accepted{};
    std::int32_t w = 0;
    std::int32_t h = 0;
    if (!looksLikeJpeg(data, size) || !readJpegSize(data, size, w, h)) {
        return false;
    }
    accepted = Accepted{data, size, w, h};
    return true;
}

bool decodeAccepted(std::uint8_t* destination, std::size_t stride, std::int32_t) {
    return decodeJpeg(accepted.data, accepted.size, destination, stride, accepted.width,
                      accepted.height);
}

std::int32_t acceptedWidth() {
    return accepted.width;
}
std::int32_t acceptedHeight() {
    return accepted.height;
}

const ImageDecoder kJpegDecoder{&probeJpeg, &decodeAccepted, &acceptedWidth, &acceptedHeight};

} // namespace

bool readJpegSize(const std::uint8_t* data, std::size_t size, std::int32_t& width,
                  std::int32_t& height) {
    if (!looksLikeJpeg(data, size)) {
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorExit error{};
    ScanLimit progress{};
    prepare(info, error, progress);
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool ok = start(info, progress, data, size);
    width = static_cast<std::int32_t>(info.output_width);
    height = static_cast<std::int32_t>(info.output_height);
    jpeg_destroy_decompress(&info);
    return ok;
}

bool decodeJpeg(const std::uint8_t* data, std::size_t size, std::uint8_t* destination,
                std::size_t stride, std::int32_t width, std::int32_t height) {
    if (!looksLikeJpeg(data, size) || destination == nullptr || width <= 0 || height <= 0 ||
        stride < 3 * static_cast<std::size_t>(width)) {
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorExit error{};
    ScanLimit progress{};
    prepare(info, error, progress);
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (!start(info, progress, data, size) || info.output_width != static_cast<JDIMENSION>(width) ||
        info.output_height != static_cast<JDIMENSION>(height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        std::uint8_t* row = destination + static_cast<std::size_t>(info.output_scanline) * stride;
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

void installJpegDecoder() {
    if (!imageDecoderListed(kJpegDecoder)) {
        addImageDecoder(kJpegDecoder);
    }
}

} // namespace game
