#include "media/sdl/sdl_sound.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace game::sdl {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;
constexpr int kFirstChannels = 32;
// Channels are sound numbers; a number beyond this plays nowhere.
constexpr int kMaxChannels = 4096;
// A converted sound larger than this (a tiny sample rate stretched to the mixer's) is refused.
constexpr std::size_t kMaxConvertedBytes = 256u << 20;

struct Sound {
    Mix_Chunk* chunk = nullptr;
    Uint8* samples = nullptr; // the converted samples the chunk plays, ours to free
};

struct Mixer {
    bool audioStarted = false;
    bool open = false;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    int allocatedChannels = 0;
    std::vector<Sound> sounds; // handle = index + 1
};

Mixer mixer;

std::size_t frameBytes(Uint16 format, int channels) {
    return static_cast<std::size_t>(SDL_AUDIO_BITSIZE(format) / 8) *
           static_cast<std::size_t>(channels);
}

// The samples converted to the mixer's format, rate and channels, in memory of SDL's own.
Uint8* convert(const device::PcmFormat& format, const std::uint8_t* samples, std::size_t bytes,
               Uint32& converted) {
    const Uint16 source = format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    const std::size_t inFrame = frameBytes(source, format.channels);
    const std::size_t frames = bytes / inFrame;
    const double ratio = static_cast<double>(mixer.rate) / format.rate;
    const double expected = (static_cast<double>(frames) * ratio + 64.0) *
                            static_cast<double>(frameBytes(mixer.format, mixer.channels));
    if (frames == 0 || expected > static_cast<double>(kMaxConvertedBytes)) {
        return nullptr;
    }
    SDL_AudioStream* stream =
        SDL_NewAudioStream(source, static_cast<Uint8>(format.channels), format.rate, mixer.format,
                           static_cast<Uint8>(mixer.channels), mixer.rate);
    if (stream == nullptr) {
        return nullptr;
    }
    Uint8* out = nullptr;
    if (SDL_AudioStreamPut(stream, samples, static_cast<int>(frames * inFrame)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        const int available = SDL_AudioStreamAvailable(stream);
        const std::size_t outFrame = frameBytes(mixer.format, mixer.channels);
        const auto whole = static_cast<std::size_t>(std::max(available, 0)) / outFrame * outFrame;
        if (whole > 0) {
            out = static_cast<Uint8*>(SDL_malloc(whole));
        }
        if (out != nullptr) {
            const int got = SDL_AudioStreamGet(stream, out, static_cast<int>(whole));
            if (got <= 0) {
                SDL_free(out);
                out = nullptr;
            } else {
                converted =
                    static_cast<Uint32>(static_cast<std::size_t>(got) / outFrame * outFrame);
            }
        }
    }
    SDL_FreeAudioStream(stream);
    return out;
}

Sound* soundOf(std::int32_t handle) {
    if (handle <= 0 || static_cast<std::size_t>(handle) > mixer.sounds.size()) {
        return nullptr;
    }
    Sound& sound = mixer.sounds[static_cast<std::size_t>(handle - 1)];
    return sound.chunk != nullptr ? &sound : nullptr;
}

} // namespace

int mixerVolume(float gain) {
    const double clamped = std::clamp(static_cast<double>(gain), 0.0, 1.0);
    return static_cast<int>(std::lround(clamped * MIX_MAX_VOLUME));
}

bool openAudio() {
    if (mixer.open) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    mixer.audioStarted = true;
    // The device's own rate and channel count are welcome; the sounds are converted to them.
    if (Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kOutputChannels, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mixer.audioStarted = false;
        return false;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate <= 0 || channels <= 0) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mixer.audioStarted = false;
        return false;
    }
    mixer.open = true;
    mixer.rate = rate;
    mixer.format = format;
    mixer.channels = channels;
    mixer.allocatedChannels = Mix_AllocateChannels(kFirstChannels);
    return true;
}

void closeAudio() {
    if (mixer.open) {
        Mix_HaltChannel(-1);
        for (std::size_t i = 0; i < mixer.sounds.size(); ++i) {
            destroySound(static_cast<std::int32_t>(i + 1));
        }
        Mix_CloseAudio();
    }
    if (mixer.audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    mixer = Mixer{};
}

std::int32_t createSound(const device::PcmFormat& format, const std::uint8_t* samples,
                         std::size_t bytes) {
    if (!mixer.open || samples == nullptr || (format.bits != 8 && format.bits != 16) ||
        (format.channels != 1 && format.channels != 2) || format.rate <= 0 ||
        bytes > static_cast<std::size_t>(INT32_MAX)) {
        return 0;
    }
    Uint32 length = 0;
    Uint8* converted = convert(format, samples, bytes, length);
    if (converted == nullptr) {
        return 0;
    }
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(converted, length);
    if (chunk == nullptr) {
        SDL_free(converted);
        return 0;
    }
    std::size_t index = 0;
    while (index < mixer.sounds.size() && mixer.sounds[index].chunk != nullptr) {
        ++index;
    }
    if (index == mixer.sounds.size()) {
        mixer.sounds.emplace_back();
    }
    mixer.sounds[index] = Sound{chunk, converted};
    return static_cast<std::int32_t>(index + 1);
}

void destroySound(std::int32_t sound) {
    Sound* s = soundOf(sound);
    if (s == nullptr) {
        return;
    }
    // The mixer stops every channel still playing the chunk before it lets it go.
    Mix_FreeChunk(s->chunk);
    SDL_free(s->samples);
    *s = Sound{};
}

void startSound(std::int32_t sound, std::int32_t channel, bool loop, float gain) {
    Sound* s = soundOf(sound);
    if (s == nullptr || channel < 0 || channel >= kMaxChannels) {
        return;
    }
    if (channel >= mixer.allocatedChannels) {
        mixer.allocatedChannels = Mix_AllocateChannels(channel + 1);
        if (channel >= mixer.allocatedChannels) {
            return;
        }
    }
    // One channel per sound number: a sound cut short by its own replay starts over.
    Mix_HaltChannel(channel);
    Mix_Volume(channel, mixerVolume(gain));
    Mix_PlayChannel(channel, s->chunk, loop ? -1 : 0);
}

} // namespace game::sdl
