// Every WAV of the shared corpora through the sound loader: 8- and 16-bit PCM in one or two
// channels (also in the extensible form) loads with its format and sample bytes and becomes a
// sound on SDL's own device; everything else is refused cleanly and leaves the slot as it was.

#include "media/sdl/sdl_sound.hpp"
#include "media/sound.hpp"
#include "media/wav_reader.hpp"
#include "support/corpus.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <tuple>

namespace game {
namespace {

// The loadable files with channels, rate, bits and sample bytes as their chunks say (the
// README's LOAD and EXT tags; a data chunk claiming more than the file holds keeps what is there).
using Format = std::tuple<int, int, int, std::size_t>;
const std::map<std::string, Format> kLoadable = {
    {"go-audio/kick.wav", {1, 22050, 16, 8968}},
    {"hound/pcmwaveformat-16bit-44100Hz-mono-extra.wav", {1, 44100, 16, 8}},
    {"hound/pcmwaveformat-16bit-44100Hz-mono.wav", {1, 44100, 16, 8}},
    {"hound/pcmwaveformat-8bit-44100Hz-mono.wav", {1, 44100, 8, 4}},
    {"hound/pop.wav", {1, 44100, 16, 200}},
    {"hound/waveformatex-16bit-44100Hz-mono-extra.wav", {1, 44100, 16, 8}},
    {"hound/waveformatex-16bit-44100Hz-mono.wav", {1, 44100, 16, 8}},
    {"hound/waveformatex-16bit-44100Hz-stereo.wav", {2, 44100, 16, 16}},
    {"hound/waveformatex-8bit-11025Hz-mono.wav", {1, 11025, 8, 4}},
    {"wavefile-js/16-bit-8kHz-noBext-mono.wav", {1, 8000, 16, 96000}},
    {"wavefile-js/16bit-8kHz-1c-reaper-utf8cue.wav", {1, 8000, 16, 18356}},
    {"wavefile-js/8bit-16kHz-bext-mono.wav", {1, 16000, 8, 219429}},
    {"wavefile-js/Audacity-16bit.wav", {2, 8000, 16, 125972}},
    {"wavefile-rb/invalid/data_chunk_truncated.wav", {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/extensible_mono_pcm_16_44100.wav", {1, 44100, 16, 4480}},
    {"wavefile-rb/valid/extensible_stereo_pcm_16_44100.wav", {2, 44100, 16, 8960}},
    {"wavefile-rb/valid/extensible_stereo_pcm_8_44100.wav", {2, 44100, 8, 4480}},
    {"wavefile-rb/valid/format_chunk_extra_bytes_with_odd_size_and_padding_byte.wav",
     {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/format_chunk_with_extra_byte_and_padding_byte.wav", {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/format_chunk_with_extra_bytes.wav", {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/mono_pcm_16_44100.wav", {1, 44100, 16, 4480}},
    {"wavefile-rb/valid/mono_pcm_16_44100_junk_chunk_final_chunk_missing_padding_byte.wav",
     {1, 44100, 16, 4480}},
    {"wavefile-rb/valid/mono_pcm_16_44100_junk_chunk_with_padding_byte.wav", {1, 44100, 16, 4480}},
    {"wavefile-rb/valid/mono_pcm_16_44100_with_extension.wav", {1, 44100, 16, 4480}},
    {"wavefile-rb/valid/mono_pcm_8_44100.wav", {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/mono_pcm_8_44100_with_padding_byte.wav", {1, 44100, 8, 2241}},
    {"wavefile-rb/valid/stereo_pcm_16_44100.wav", {2, 44100, 16, 8960}},
    {"wavefile-rb/valid/stereo_pcm_8_44100.wav", {2, 44100, 8, 4480}},
    {"wavefile-rb/valid/with_multiple_smpl_chunks_before_data_chunk.wav", {1, 44100, 8, 2240}},
    {"wavefile-rb/valid/with_smpl_chunk_before_data_chunk.wav", {2, 44100, 16, 8960}},
};

TEST(WavCorpus, PcmOfEightAndSixteenBitsLoadsAndEverythingElseIsRefused) {
    SKIP_WITHOUT_CORPUS();
    closeSound();
    fake::reset(0);
    ASSERT_EQ(initSound(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_TRUE(sdl::openAudio()) << SDL_GetError();
    const test::Bytes kept = test::makePcmWav(1, 8000, 8, test::Bytes(16, 0x80));
    ASSERT_EQ(soundFromMemory(20, kept.data(), kept.size()), 1);
    const auto files = test::corpusFiles("wav", {".wav"});
    ASSERT_EQ(files.size(), 76u);
    std::size_t loaded = 0;
    for (const std::string& file : files) {
        const test::Bytes bytes = test::readWholeFile(test::corpusPath(file));
        const std::int32_t before = sounds.slots[20];
        WavSamples wav;
        const bool read = readWav(bytes.data(), bytes.size(), wav);
        EXPECT_EQ(soundFromMemory(20, bytes.data(), bytes.size()), read ? 1 : 0) << file;
        EXPECT_TRUE(read || sounds.slots[20] == before) << file << ": a refusal keeps the sound";
        const auto want = kLoadable.find(file.substr(4));
        ASSERT_EQ(read, want != kLoadable.end()) << file;
        if (read) {
            ++loaded;
            EXPECT_EQ(Format(wav.format.channels, wav.format.rate, wav.format.bits, wav.bytes),
                      want->second)
                << file;
            // Converted to the device's format; a freed sound stops playing.
            const std::int32_t sound = sdl::createSound(wav.format, wav.samples, wav.bytes);
            EXPECT_NE(sound, 0) << file;
            sdl::startSound(sound, 15, false, 1.0f);
            sdl::destroySound(sound);
            EXPECT_FALSE(sdl::anyVoicePlaying()) << file;
        }
    }
    EXPECT_EQ(loaded, kLoadable.size());
    sdl::closeAudio();
    closeSound();
}

} // namespace
} // namespace game
