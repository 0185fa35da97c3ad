#pragma once
// Sounds in numbered slots, loaded from WAV files, each played on its own channel so that one
// sound never plays twice at once: playing it again starts it over.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

constexpr std::int32_t kInitialSoundSlots = 50;
// Sound numbers beyond this are refused: the table grows to number + 50 slots.
constexpr std::int32_t kMaxSoundNumber = 1 << 16;

struct SoundState {
    std::int32_t started = 0;
    std::vector<std::int32_t> slots; // device sound per number, 0 = empty
    std::vector<float> gains;        // linear gain per number
    std::array<std::int32_t, 101> volumeTable{};
};

extern SoundState sounds;

std::int32_t initSound();
std::int32_t loadSound(std::int32_t number, const char* fileName);
// data holds a complete WAV file.
std::int32_t soundFromMemory(std::int32_t number, const std::uint8_t* data, std::size_t size);
void playSound(std::int32_t number, std::int32_t loop = 0);
// volume 0..100 (clamped), logarithmic: 100 full level, 10 = -20 dB, 1 = -40 dB, 0 silent.
void setSoundVolume(std::int32_t number, std::int32_t volume);
void freeSound(std::int32_t number);
void closeSound();

// The attenuation of a volume in hundredths of a decibel (0 = full level, -10000 = silent).
std::int32_t volumeAttenuation(std::int32_t volume);

} // namespace game
