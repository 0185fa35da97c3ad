#include "media/sound.hpp"

#include "media/device.hpp"
#include "media/file_bytes.hpp"
#include "media/wav_reader.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <string>

namespace game {

SoundState sounds;

namespace {

constexpr std::int32_t kSlotGrowth = 50;
constexpr std::size_t kMaxSoundFileBytes = 64u << 20;

bool validNumber(std::int32_t number) {
    return number >= 0 && static_cast<std::size_t>(number) < sounds.slots.size();
}

float gainOf(std::int32_t volume) {
    return static_cast<float>(std::pow(10.0, volumeAttenuation(volume) / 2000.0));
}

} // namespace

std::int32_t volumeAttenuation(std::int32_t volume) {
    const std::int32_t v = std::clamp(volume, 0, 100);
    return sounds.volumeTable[static_cast<std::size_t>(v)] - 10000;
}

std::int32_t initSound() {
    // A second start keeps the device but gives back what the old table held.
    for (const std::int32_t sound : sounds.slots) {
        if (sound != 0) {
            device::destroySound(sound);
        }
    }
    sounds.slots.assign(kInitialSoundSlots, 0);
    sounds.gains.assign(kInitialSoundSlots, 1.0f);
    sounds.volumeTable[0] = 0;
    for (int v = 1; v <= 99; ++v) {
        sounds.volumeTable[static_cast<std::size_t>(v)] =
            static_cast<std::int32_t>(100.0 * (20.0 * std::log10(1000.0 * v)));
    }
    sounds.volumeTable[100] = 10000;
    if (sounds.started != 0) {
        return 1;
    }
    // No sound device (a machine without sound, a broken sound server) is no reason to end: the
    // game plays silently, the sounds stay unloaded, and the player is told once.
    if (!device::openAudio()) {
        std::fputs("zuravozidizuvav: no sound device could be opened; playing without sound\n",
                   stderr);
    }
    sounds.started = 1;
    return 1;
}

std::int32_t loadSound(std::int32_t number, const char* fileName) {
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!readFileBytes(fileName, kMaxSoundFileBytes, bytes, &why)) {
        noteLoadProblem(why);
        return 0;
    }
    // Told apart from a device that refuses to play: only a file that is no sound is damaged.
    WavSamples wav;
    if (!readWav(bytes.data(), bytes.size(), wav)) {
        noteLoadProblem("not a WAV sound with 8- or 16-bit PCM samples");
        return 0;
    }
    return soundFromMemory(number, bytes.data(), bytes.size());
}

std::int32_t soundFromMemory(std::int32_t number, const std::uint8_t* data, std::size_t size) {
    if (sounds.started == 0 || number < 0 || number >= kMaxSoundNumber) {
        return 0;
    }
    // The samples are found by walking the chunks, so a "fact" or "LIST" chunk before them is
    // skipped rather than played as noise; what cannot be played cleanly is refused and the slot
    // keeps the sound it had.
    WavSamples wav;
    if (!readWav(data, size, wav)) {
        return 0;
    }
    const std::int32_t created = device::createSound(wav.format, wav.samples, wav.bytes);
    if (created == 0) {
        return 0;
    }
    if (static_cast<std::size_t>(number) >= sounds.slots.size()) {
        try {
            sounds.slots.resize(static_cast<std::size_t>(number) + kSlotGrowth, 0);
            sounds.gains.resize(sounds.slots.size(), 1.0f);
        } catch (const std::bad_alloc&) {
            device::destroySound(created);
            return 0;
        }
    }
    freeSound(number);
    sounds.slots[static_cast<std::size_t>(number)] = created;
    sounds.gains[static_cast<std::size_t>(number)] = 1.0f; // a new sound starts at full level
    return 1;
}

void playSound(std::int32_t number, std::int32_t loop) {
    if (!validNumber(number) || sounds.slots[static_cast<std::size_t>(number)] == 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(number);
    device::startSound(sounds.slots[i], number, loop != 0, sounds.gains[i]);
}

void setSoundVolume(std::int32_t number, std::int32_t volume) {
    if (!validNumber(number) || sounds.slots[static_cast<std::size_t>(number)] == 0) {
        return;
    }
    sounds.gains[static_cast<std::size_t>(number)] = gainOf(volume);
}

void freeSound(std::int32_t number) {
    if (!validNumber(number)) {
        return;
    }
    std::int32_t& slot = sounds.slots[static_cast<std::size_t>(number)];
    if (slot != 0) {
        device::destroySound(slot);
        slot = 0;
    }
}

void closeSound() {
    if (sounds.started == 0) {
        return;
    }
    for (std::size_t i = 0; i < sounds.slots.size(); ++i) {
        freeSound(static_cast<std::int32_t>(i));
    }
    device::closeAudio();
    sounds = SoundState{};
}

} // namespace game
