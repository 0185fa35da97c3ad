#include "media/sdl/sdl_sound.hpp"

#include "media/sound_mixer.hpp"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace game::sdl {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr Uint16 kBufferFrames = 2048;
// Channels are sound numbers; a number beyond this plays nowhere.
constexpr std::int32_t kMaxChannels = 4096;
// A converted sound larger than this (a tiny sample rate stretched to the device's) is refused.
constexpr std::size_t kMaxConvertedBytes = 256u << 20;

struct Audio {
    bool subsystemStarted = false;
    SDL_AudioDeviceID device = 0;
    int rate = 0;
    int channels = 0;
    SoundMixer mixer;
    std::vector<std::unique_ptr<MixerSound>> sounds; // handle = index + 1
};

Audio audio;

// Runs on SDL's audio thread, with the device locked.
void SDLCALL fillOutput(void*, Uint8* stream, int len) {
    mixInto(audio.mixer, reinterpret_cast<std::int16_t*>(stream),
            static_cast<std::size_t>(len) / sizeof(std::int16_t));
}

// The samples converted to the device's rate and channel count, signed 16-bit.
bool convert(const device::PcmFormat& format, const std::uint8_t* samples, std::size_t bytes,
             MixerSound& into) {
    const SDL_AudioFormat source = format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    const std::size_t inFrame = static_cast<std::size_t>(format.bits / 8 * format.channels);
    const std::size_t frames = bytes / inFrame;
    const std::size_t outFrame = sizeof(std::int16_t) * static_cast<std::size_t>(audio.channels);
    const double expected = (static_cast<double>(frames) * audio.rate / format.rate + 64.0) *
                            static_cast<double>(outFrame);
    if (frames == 0 || expected > static_cast<double>(kMaxConvertedBytes)) {
        return false;
    }
    SDL_AudioStream* stream =
        SDL_NewAudioStream(source, static_cast<Uint8>(format.channels), format.rate, AUDIO_S16SYS,
                           static_cast<Uint8>(audio.channels), audio.rate);
    if (stream == nullptr) {
        return false;
    }
    bool ok = SDL_AudioStreamPut(stream, samples, static_cast<int>(frames * inFrame)) == 0 &&
              SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
        const auto available =
            static_cast<std::size_t>(std::max(SDL_AudioStreamAvailable(stream), 0));
        into.samples.resize(available / outFrame * outFrame / sizeof(std::int16_t));
        const int got = into.samples.empty()
                            ? 0
                            : SDL_AudioStreamGet(stream, into.samples.data(),
                                                 static_cast<int>(into.samples.size() * 2));
        ok = got > 0;
        if (ok) {
            into.samples.resize(static_cast<std::size_t>(got) / outFrame * audio.channels);
            into.samples.shrink_to_fit();
        }
    }
    SDL_FreeAudioStream(stream);
    return ok && !into.samples.empty();
}

MixerSound* soundOf(std::int32_t handle) {
    if (handle <= 0 || static_cast<std::size_t>(handle) > audio.sounds.size()) {
        return nullptr;
    }
    return audio.sounds[static_cast<std::size_t>(handle - 1)].get();
}

} // namespace

bool openAudio() {
    if (audio.device != 0) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    audio.subsystemStarted = true;
    SDL_AudioSpec want{};
    want.freq = kOutputRate;
    want.format = AUDIO_S16SYS;
    want.channels = kOutputChannels;
    want.samples = kBufferFrames;
    want.callback = fillOutput;
    SDL_AudioSpec have{};
    // The device's own rate and channel count are welcome (no resampling behind our back); the
    // sounds are converted to them once, at load.
    audio.device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (audio.device == 0 || have.freq <= 0 || have.channels == 0) {
        closeAudio();
        return false;
    }
    audio.rate = have.freq;
    audio.channels = have.channels;
    SDL_PauseAudioDevice(audio.device, 0);
    return true;
}

void closeAudio() {
    if (audio.device != 0) {
        SDL_CloseAudioDevice(audio.device);
    }
    if (audio.subsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio = Audio{};
}

std::int32_t createSound(const device::PcmFormat& format, const std::uint8_t* samples,
                         std::size_t bytes) {
    if (audio.device == 0 || samples == nullptr || (format.bits != 8 && format.bits != 16) ||
        (format.channels != 1 && format.channels != 2) || format.rate <= 0 ||
        bytes > static_cast<std::size_t>(INT32_MAX)) {
        return 0;
    }
    auto sound = std::make_unique<MixerSound>();
    if (!convert(format, samples, bytes, *sound)) {
        return 0;
    }
    std::size_t index = 0;
    while (index < audio.sounds.size() && audio.sounds[index] != nullptr) {
        ++index;
    }
    if (index == audio.sounds.size()) {
        audio.sounds.emplace_back();
    }
    audio.sounds[index] = std::move(sound);
    return static_cast<std::int32_t>(index + 1);
}

void destroySound(std::int32_t sound) {
    MixerSound* s = soundOf(sound);
    if (s == nullptr) {
        return;
    }
    SDL_LockAudioDevice(audio.device);
    stopVoicesOf(audio.mixer, s);
    SDL_UnlockAudioDevice(audio.device);
    audio.sounds[static_cast<std::size_t>(sound - 1)].reset();
}

void startSound(std::int32_t sound, std::int32_t channel, bool loop, float gain) {
    const MixerSound* s = soundOf(sound);
    if (s == nullptr || channel < 0 || channel >= kMaxChannels) {
        return;
    }
    SDL_LockAudioDevice(audio.device);
    startVoice(audio.mixer, static_cast<std::size_t>(channel), s, loop, gain);
    SDL_UnlockAudioDevice(audio.device);
}

bool anyVoicePlaying() {
    SDL_LockAudioDevice(audio.device);
    const bool playing = std::any_of(audio.mixer.voices.begin(), audio.mixer.voices.end(),
                                     [](const Voice& v) { return v.sound != nullptr; });
    SDL_UnlockAudioDevice(audio.device);
    return playing;
}

} // namespace game::sdl
