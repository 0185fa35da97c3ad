#include "media/image_decoders.hpp"

#include <array>

namespace game {
namespace {

struct DecoderList {
    std::array<ImageDecoder, kMaxImageDecoders> entries{};
    std::size_t count = 0;
};

DecoderList decoders;

bool same(const ImageDecoder& a, const ImageDecoder& b) {
    return a.probe == b.probe && a.decode == b.decode && a.width == b.width && a.height == b.height;
}

} // namespace

void resetImageDecoders() {
    decoders = DecoderList{};
}

bool addImageDecoder(const ImageDecoder& decoder) {
    if (decoders.count >= kMaxImageDecoders || decoder.probe == nullptr ||
        decoder.decode == nullptr || decoder.width == nullptr || decoder.height == nullptr) {
        return false;
    }
    decoders.entries[decoders.count++] = decoder;
    return true;
}

bool imageDecoderListed(const ImageDecoder& decoder) {
    for (std::size_t i = 0; i < decoders.count; ++i) {
        if (same(decoders.entries[i], decoder)) {
            return true;
        }
    }
    return false;
}

const ImageDecoder* findImageDecoder(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < decoders.count; ++i) {
        if (decoders.entries[i].probe(data, size)) {
            return &decoders.entries[i];
        }
    }
    return nullptr;
}

} // namespace game
