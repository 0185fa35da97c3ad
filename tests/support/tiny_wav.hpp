#pragma once
// Sounds for tests: a tiny valid WAV file made in memory, loaded into the game's seven slots.

#include "media/sound.hpp"
#include "record/catalogue.hpp"
#include "support/media_files.hpp"

namespace game::test {

// Starts the sound service and fills the slots 10..16, so that every played sound reaches the
// fake device.
inline void loadTestSounds() {
    // The device is fresh for every test, so the service starts afresh too.
    closeSound();
    initSound();
    // A WAV file of four 8-bit mono samples at 8000 Hz.
    const std::vector<std::uint8_t> wav = makePcmWav(1, 8000, 8, {128, 160, 128, 96});
    for (const SoundEntry& entry : kSounds) {
        soundFromMemory(entry.id, wav.data(), wav.size());
    }
}

} // namespace game::test
