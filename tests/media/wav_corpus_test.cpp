// Every WAV of the shared corpora through the sound loader: 8- and 16-bit PCM in one or two
// channels (also in the extensible form) loads with its format and sample bytes; everything
// else is refused cleanly and leaves the slot as it was.

#include "media/sound.hpp"
#include "media/wav_reader.hpp"
#include "support/corpus.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"

#include <gtest/gtest.h>

#include <map>

namespace game {
namespace {

struct Loads {
    int channels;
    int rate;
    int bits;
    std::size_t bytes;
};

// The loadable files with what their format chunks and data chunks say (the README's LOAD and
// EXT tags; a data chunk claiming more than the file holds keeps what is there).
const std::map<std::string, Loads>& loadable() {
    static const std::map<std::string, Loads> table = {
        {"wav/go-audio/kick.wav", {1, 22050, 16, 8968}},
        {"wav/hound/pcmwaveformat-16bit-44100Hz-mono-extra.wav", {1, 44100, 16, 8}},
        {"wav/hound/pcmwaveformat-16bit-44100Hz-mono.wav", {1, 44100, 16, 8}},
        {"wav/hound/pcmwaveformat-8bit-44100Hz-mono.wav", {1, 44100, 8, 4}},
        {"wav/hound/pop.wav", {1, 44100, 16, 200}},
        {"wav/hound/waveformatex-16bit-44100Hz-mono-extra.wav", {1, 44100, 16, 8}},
        {"wav/hound/waveformatex-16bit-44100Hz-mono.wav", {1, 44100, 16, 8}},
        {"wav/hound/waveformatex-16bit-44100Hz-stereo.wav", {2, 44100, 16, 16}},
        {"wav/hound/waveformatex-8bit-11025Hz-mono.wav", {1, 11025, 8, 4}},
        {"wav/wavefile-js/16-bit-8kHz-noBext-mono.wav", {1, 8000, 16, 96000}},
        {"wav/wavefile-js/16bit-8kHz-1c-reaper-utf8cue.wav", {1, 8000, 16, 18356}},
        {"wav/wavefile-js/8bit-16kHz-bext-mono.wav", {1, 16000, 8, 219429}},
        {"wav/wavefile-js/Audacity-16bit.wav", {2, 8000, 16, 125972}},
        {"wav/wavefile-rb/invalid/data_chunk_truncated.wav", {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/extensible_mono_pcm_16_44100.wav", {1, 44100, 16, 4480}},
        {"wav/wavefile-rb/valid/extensible_stereo_pcm_16_44100.wav", {2, 44100, 16, 8960}},
        {"wav/wavefile-rb/valid/extensible_stereo_pcm_8_44100.wav", {2, 44100, 8, 4480}},
        {"wav/wavefile-rb/valid/format_chunk_extra_bytes_with_odd_size_and_padding_byte.wav",
         {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/format_chunk_with_extra_byte_and_padding_byte.wav",
         {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/format_chunk_with_extra_bytes.wav", {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/mono_pcm_16_44100.wav", {1, 44100, 16, 4480}},
        {"wav/wavefile-rb/valid/mono_pcm_16_44100_junk_chunk_final_chunk_missing_padding_byte.wav",
         {1, 44100, 16, 4480}},
        {"wav/wavefile-rb/valid/mono_pcm_16_44100_junk_chunk_with_padding_byte.wav",
         {1, 44100, 16, 4480}},
        {"wav/wavefile-rb/valid/mono_pcm_16_44100_with_extension.wav", {1, 44100, 16, 4480}},
        {"wav/wavefile-rb/valid/mono_pcm_8_44100.wav", {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/mono_pcm_8_44100_with_padding_byte.wav", {1, 44100, 8, 2241}},
        {"wav/wavefile-rb/valid/stereo_pcm_16_44100.wav", {2, 44100, 16, 8960}},
        {"wav/wavefile-rb/valid/stereo_pcm_8_44100.wav", {2, 44100, 8, 4480}},
        {"wav/wavefile-rb/valid/with_multiple_smpl_chunks_before_data_chunk.wav",
         {1, 44100, 8, 2240}},
        {"wav/wavefile-rb/valid/with_smpl_chunk_before_data_chunk.wav", {2, 44100, 16, 8960}},
    };
    return table;
}

TEST(WavCorpus, PcmOfEightAndSixteenBitsLoadsAndEverythingElseIsRefused) {
    SKIP_WITHOUT_CORPUS();
    closeSound();
    fake::reset(0);
    ASSERT_EQ(initSound(), 1);
    const test::Bytes kept = test::makePcmWav(1, 8000, 8, test::Bytes(16, 0x80));
    ASSERT_EQ(soundFromMemory(20, kept.data(), kept.size()), 1);

    const auto files = test::corpusFiles("wav", {".wav"});
    ASSERT_EQ(files.size(), 76u);
    int loaded = 0;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const test::Bytes bytes = test::readWholeFile(test::corpusPath(file));
        const std::int32_t before = sounds.slots[20];
        WavSamples wav;
        const bool read = readWav(bytes.data(), bytes.size(), wav);
        const std::int32_t result = soundFromMemory(20, bytes.data(), bytes.size());
        const auto want = loadable().find(file);
        if (want == loadable().end()) {
            EXPECT_FALSE(read);
            EXPECT_EQ(result, 0);
            EXPECT_EQ(sounds.slots[20], before) << "the slot keeps its sound";
            continue;
        }
        ++loaded;
        ASSERT_TRUE(read);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(wav.format.channels, want->second.channels);
        EXPECT_EQ(wav.format.rate, want->second.rate);
        EXPECT_EQ(wav.format.bits, want->second.bits);
        EXPECT_EQ(wav.bytes, want->second.bytes);
        EXPECT_LE(wav.samples + wav.bytes, bytes.data() + bytes.size());
    }
    EXPECT_EQ(loaded, static_cast<int>(loadable().size()));
    closeSound();
}

} // namespace
} // namespace game
