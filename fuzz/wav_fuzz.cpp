// libFuzzer target: any bytes as a WAV file, through the sound loader (the chunk walk and the
// slot handling) on the fake machine, whose createSound checks the format it is handed.

#include "media/sound.hpp"
#include "media/wav_reader.hpp"
#include "support/fake_device.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    game::fake::reset(0);
    game::initSound();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    game::WavSamples wav;
    if (game::readWav(data, size, wav)) {
        // The samples lie inside the file and hold whole frames.
        const std::size_t frame =
            static_cast<std::size_t>(wav.format.channels * wav.format.bits / 8);
        if (wav.samples < data || wav.samples + wav.bytes > data + size || wav.bytes == 0 ||
            frame == 0 || wav.bytes % frame != 0) {
            __builtin_trap();
        }
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i < wav.bytes; ++i) {
            sum += wav.samples[i];
        }
        (void)sum;
    }
    game::soundFromMemory(10, data, size);
    return 0;
}
