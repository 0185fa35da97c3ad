#pragma once
// Reads the PCM samples out of a WAV file held in memory. The file is untrusted: every offset and
// size is checked against its length.

#include "media/device.hpp"

#include <cstddef>
#include <cstdint>

namespace game {

struct WavSamples {
    device::PcmFormat format;
    const std::uint8_t* samples = nullptr; // inside the file's bytes
    std::size_t bytes = 0;                 // whole sample frames only
};

// Walks the RIFF chunks to "fmt " and "data". Accepts PCM with 8 or 16 bits and 1 or 2 channels
// (also in the extensible form); false for anything else.
bool readWav(const std::uint8_t* data, std::size_t size, WavSamples& out);

} // namespace game
