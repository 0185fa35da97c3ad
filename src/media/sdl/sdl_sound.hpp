#pragma once
// Sounds on SDL_mixer: each sound is the whole sample data converted once to the mixer's own
// format; each sound number plays on its own mixer channel.

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

// For tests: the mixer's volume (0..128) that a gain becomes.
int mixerVolume(float gain);

} // namespace game::sdl
