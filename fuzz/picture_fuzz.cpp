// libFuzzer target: any bytes as a picture file, through the whole sprite loader (the BMP reader,
// the decoder list with the JPEG decoder, the pixel conversion) on an open 640 x 480 screen.

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "support/fake_device.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    game::fake::reset(0);
    game::initDisplay();
    game::openScreen(640, 480, 32, "Zuravozidizuvav");
    game::resetImageDecoders();
    game::installJpegDecoder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (game::spriteFromMemory(1, data, size, 0, "") != 0) {
        // Every pixel of the sprite must have been written: read them all.
        const game::SpriteSlot& slot = game::display.sprites[1];
        std::uint32_t sum = 0;
        for (const std::uint32_t p : slot.surface->pixels) {
            sum += p;
        }
        if (slot.width <= 0 || slot.height <= 0 || (sum >> 31) > 1) {
            __builtin_trap();
        }
    }
    return 0;
}
