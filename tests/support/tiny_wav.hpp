#pragma once
// Sounds for tests: a tiny valid WAV file made in memory, loaded into the game's seven slots.

#include "media/sound.hpp"
#include "shell/catalogue.hpp"

#include <cstdint>
#include <iterator>
#include <vector>

namespace game::test {

// A WAV file of four 8-bit mono samples at 8000 Hz.
inline std::vector<std::uint8_t> tinyWav() {
    static constexpr std::uint8_t kBytes[] = {
        'R',  'I',  'F', 'F', 40,  0,   0,   0,   // the rest of the file: 40 bytes
        'W',  'A',  'V', 'E', 'f', 'm', 't', ' ', //
        16,   0,    0,   0,                       // format chunk of 16 bytes
        1,    0,    1,   0,                       // PCM, mono
        0x40, 0x1F, 0,   0,                       // 8000 samples per second
        0x40, 0x1F, 0,   0,                       // 8000 bytes per second
        1,    0,    8,   0,                       // 1 byte per sample frame, 8 bits
        'd',  'a',  't', 'a', 4,   0,   0,   0,   // 4 bytes of samples
        128,  160,  128, 96,
    };
    return {std::begin(kBytes), std::end(kBytes)};
}

// Starts the sound service and fills the slots 10..16, so that every played sound reaches the
// fake device.
inline void loadTestSounds() {
    // The device is fresh for every test, so the service starts afresh too.
    closeSound();
    initSound();
    const std::vector<std::uint8_t> wav = tinyWav();
    for (const SoundEntry& entry : kSounds) {
        soundFromMemory(entry.id, wav.data(), wav.size());
    }
}

} // namespace game::test
