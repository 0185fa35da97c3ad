#pragma once
// Sounds on SDL's own audio device: each sound is converted once, at load, to the device's rate
// and channel count as signed 16-bit samples; the game's mixer sums the voices in SDL's audio
// callback.

#include "media/device.hpp"

#include <cstddef>
#include <cstdint>

namespace game::sdl {

bool openAudio();
void closeAudio();
std::int32_t createSound(const device::PcmFormat& format, const std::uint8_t* samples,
                         std::size_t bytes);
void destroySound(std::int32_t sound);
void startSound(std::int32_t sound, std::int32_t channel, bool loop, float gain);

// For tests: whether any voice still plays.
bool anyVoicePlaying();

} // namespace game::sdl
