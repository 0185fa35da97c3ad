#include "media/sprites.hpp"

#include "media/bmp_reader.hpp"
#include "media/display.hpp"
#include "media/file_bytes.hpp"
#include "media/image_decoders.hpp"
#include "media/picture_limits.hpp"
#include "media/pixel_convert.hpp"

#include <new>
#include <string>
#include <vector>

namespace game {
namespace {

constexpr std::size_t kMaxPictureFileBytes = 256u << 20;

std::uint64_t lastSurfaceSerial = 0;

bool growTable(std::int32_t number) {
    if (number < spriteCapacity()) {
        return true;
    }
    try {
        display.sprites.resize(static_cast<std::size_t>(number) + kSpriteSlotGrowth);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Fills the slot's description and makes its pixel block. 16-, 24- and 32-bit pictures suit a
// screen of 16 bits or more; nothing can be made before the screen is open (its depth is 0).
bool createSpriteSurface(SpriteSlot& slot, std::int32_t width, std::int32_t height,
                         std::int32_t depth, SpriteMode mode) {
    slot = SpriteSlot{};
    slot.displayWidth = width;
    slot.displayHeight = height;
    slot.depth = depth;
    slot.mode = mode;
    slot.width = width;
    slot.height = height;
    const std::int32_t screen = display.screenDepth;
    if (mode == kSpriteModeRaw) {
        return false; // raw 8-bit buffers serve 8-bit screens, which this display never opens
    }
    if (depth != 0 && depth != screen && (depth < 16 || screen < 16)) {
        return false;
    }
    if (!pictureSizeAllowed(width, height)) {
        return false;
    }
    try {
        auto surface = std::make_unique<Surface>();
        surface->width = width;
        surface->height = height;
        surface->serial = ++lastSurfaceSerial;
        surface->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        slot.surface = std::move(surface);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::int32_t bmpSprite(SpriteSlot& slot, const std::uint8_t* data, std::size_t size,
                       SpriteMode mode, const char* fileName) {
    BmpInfo bmp;
    if (!readBmpHeader(data, size, bmp) ||
        !createSpriteSurface(slot, bmp.width, bmp.height, bmp.bitCount, mode)) {
        return 0;
    }
    slot.fileName = fileName != nullptr ? fileName : "";
    // Stored rows go from the bottom up: the file's last row is the picture's top.
    for (std::int32_t y = 0; y < bmp.height; ++y) {
        convertRow(bmpRow(data, bmp, y), bmp.bitCount, slot.surface->row(y), bmp.width);
    }
    slot.colorKey = display.defaultColorKey;
    return 1;
}

std::int32_t decodedSprite(SpriteSlot& slot, const ImageDecoder& decoder, SpriteMode mode,
                           const char* fileName) {
    const std::int32_t width = decoder.width();
    const std::int32_t height = decoder.height();
    if (!pictureSizeAllowed(width, height)) {
        return 0;
    }
    const std::size_t stride = decodeStride(width);
    std::vector<std::uint8_t> rows;
    try {
        rows.resize(stride * (static_cast<std::size_t>(height) + 1));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!decoder.decode(rows.data(), stride, 0) ||
        !createSpriteSurface(slot, width, height, 24, mode)) {
        return 0;
    }
    slot.fileName = fileName != nullptr ? fileName : "";
    for (std::int32_t y = 0; y < height; ++y) {
        convertRow(rows.data() + static_cast<std::size_t>(y) * stride, 24, slot.surface->row(y),
                   width);
    }
    slot.colorKey = display.defaultColorKey;
    return 1;
}

} // namespace

SpriteSlot* spriteSlot(std::int32_t number) {
    if (number < 0 || number >= spriteCapacity()) {
        return nullptr;
    }
    return &display.sprites[static_cast<std::size_t>(number)];
}

std::int32_t loadSprite(std::int32_t number, const char* fileName, SpriteMode mode) {
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!readFileBytes(fileName, kMaxPictureFileBytes, bytes, &why)) {
        noteLoadProblem(why);
        return 0;
    }
    const std::int32_t result =
        spriteFromMemory(number, bytes.data(), bytes.size(), mode, fileName);
    if (result == 0) {
        noteLoadProblem("not a picture this game can show (damaged, or not an uncompressed BMP or "
                        "a JPEG of at most " +
                        std::to_string(kMaxPictureSide) + " pixels a side and " +
                        std::to_string(kMaxPicturePixels) + " in all)");
    }
    return result;
}

std::int32_t spriteFromMemory(std::int32_t number, const std::uint8_t* data, std::size_t size,
                              SpriteMode mode, const char* fileName) {
    if (number < 0 || number >= kMaxSpriteNumber || !growTable(number)) {
        return 0;
    }
    freeSprite(number);
    SpriteSlot& slot = display.sprites[static_cast<std::size_t>(number)];
    if (data == nullptr || size < 2) {
        return 0;
    }
    std::int32_t result = 0;
    if (data[0] == 'B' && data[1] == 'M') {
        result = bmpSprite(slot, data, size, mode, fileName);
    } else if (const ImageDecoder* decoder = findImageDecoder(data, size)) {
        result = decodedSprite(slot, *decoder, mode, fileName);
    }
    if (result == 0) {
        slot.surface.reset();
    }
    return result;
}

std::int32_t reloadSprite(std::int32_t number) {
    SpriteSlot* slot = spriteSlot(number);
    if (slot == nullptr) {
        return 0;
    }
    // A key set for this sprite alone, or the default that was in force when it was first
    // loaded, survives the reload.
    const Text fileName = slot->fileName;
    const SpriteMode mode = slot->mode;
    const std::uint32_t key = slot->colorKey;
    const std::int32_t result = loadSprite(number, fileName.c_str(), mode);
    if (result != 0) {
        display.sprites[static_cast<std::size_t>(number)].colorKey = key;
    }
    return result;
}

void freeSprite(std::int32_t number) {
    SpriteSlot* slot = spriteSlot(number);
    if (slot != nullptr && slot->surface != nullptr) {
        // Drawing from the picture may still be waiting for the flip.
        settleBackBuffer();
        slot->surface.reset();
        slot->fileName.clear();
    }
}

void setColorKey(std::int32_t number, std::int32_t red, std::int32_t green, std::int32_t blue) {
    const std::uint32_t pixel = colorToPixel(red, green, blue);
    if (number < 0) {
        display.defaultColorKey = pixel;
        return;
    }
    SpriteSlot* slot = spriteSlot(number);
    if (slot != nullptr && slot->surface != nullptr) {
        slot->colorKey = pixel;
    }
}

std::uint32_t colorToPixel(std::int32_t red, std::int32_t green, std::int32_t blue) {
    if (display.screenDepth != kScreenBufferDepth) {
        return 0;
    }
    return static_cast<std::uint32_t>(blue) + static_cast<std::uint32_t>(green) * 256u +
           static_cast<std::uint32_t>(red) * 65536u;
}

} // namespace game
