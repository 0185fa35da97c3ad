#pragma once
// The game's own sound mixer: one voice per channel (the game plays each sound number on its own
// channel, so a replay cuts the running play and starts over), a fixed gain per voice, and a sum
// that saturates instead of wrapping when loud sounds meet. Sounds are stored already in the
// output's format (signed 16-bit, the output's rate and channel count), so mixing is additions.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

struct MixerSound {
    std::vector<std::int16_t> samples; // interleaved frames in the output's channel count
};

struct Voice {
    const MixerSound* sound = nullptr; // none = silent
    std::size_t position = 0;          // next sample of sound->samples
    bool loop = false;
    std::int32_t gain = 0; // 1.0 = kUnityGain
};

constexpr std::int32_t kUnityGain = 1 << 15;

struct SoundMixer {
    std::vector<Voice> voices; // index = channel
};

// A linear gain 0..1 (clamped) as the mixer's fixed-point factor.
std::int32_t fixedGain(float gain);

// Starts sound on channel from its first sample, cutting what that channel played. The voice
// table grows to hold the channel: call it where the mixing cannot run at the same time.
void startVoice(SoundMixer& mixer, std::size_t channel, const MixerSound* sound, bool loop,
                float gain);
// Silences every voice that plays sound (before the sound is freed).
void stopVoicesOf(SoundMixer& mixer, const MixerSound* sound);

// Writes the next `count` output samples (frames x channels) of all voices into out.
void mixInto(SoundMixer& mixer, std::int16_t* out, std::size_t count);

} // namespace game
