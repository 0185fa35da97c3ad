#include "media/sound_mixer.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace game {
namespace {

// Mixed in slices through a sum on the stack: the audio thread never allocates.
constexpr std::size_t kSlice = 512;

void addVoice(Voice& voice, std::int32_t* sum, std::size_t count) {
    const std::vector<std::int16_t>& samples = voice.sound->samples;
    std::size_t i = 0;
    while (i < count) {
        if (voice.position >= samples.size()) {
            if (!voice.loop || samples.empty()) {
                voice.sound = nullptr; // the end of the sound ends the voice
                return;
            }
            voice.position = 0;
        }
        const std::size_t n = std::min(count - i, samples.size() - voice.position);
        const std::int16_t* from = samples.data() + voice.position;
        for (std::size_t k = 0; k < n; ++k) {
            sum[i + k] += (from[k] * voice.gain) >> 15;
        }
        voice.position += n;
        i += n;
    }
}

} // namespace

std::int32_t fixedGain(float gain) {
    const float g = std::clamp(gain, 0.0f, 1.0f);
    return static_cast<std::int32_t>(std::lround(g * static_cast<float>(kUnityGain)));
}

void startVoice(SoundMixer& mixer, std::size_t channel, const MixerSound* sound, bool loop,
                float gain) {
    if (channel >= mixer.voices.size()) {
        mixer.voices.resize(channel + 1);
    }
    mixer.voices[channel] = Voice{sound, 0, loop, fixedGain(gain)};
}

void stopVoicesOf(SoundMixer& mixer, const MixerSound* sound) {
    for (Voice& voice : mixer.voices) {
        if (voice.sound == sound) {
            voice.sound = nullptr;
        }
    }
}

void mixInto(SoundMixer& mixer, std::int16_t* out, std::size_t count) {
    std::array<std::int32_t, kSlice> sum;
    for (std::size_t done = 0; done < count; done += kSlice) {
        const std::size_t n = std::min(kSlice, count - done);
        std::fill_n(sum.begin(), n, 0);
        for (Voice& voice : mixer.voices) {
            if (voice.sound != nullptr) {
                addVoice(voice, sum.data(), n);
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            out[done + i] = static_cast<std::int16_t>(std::clamp(sum[i], -32768, 32767));
        }
    }
}

} // namespace game
