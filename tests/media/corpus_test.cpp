// Every file of the shared loader corpora (see their README for what each file is and the
// LOAD/REFUSE tags) through the game's loaders; the sanitizer build checks that no refusal reads
// outside the file. Each BMP and JPEG loads at its size with the pixels the corpus says it has, or
// is refused cleanly. 8- and 16-bit PCM WAVs in one or two channels (also in the extensible form)
// load with their format and sample bytes and become sounds on SDL's own device; every other WAV
// is refused cleanly and leaves the slot as it was.

#include "media/sdl/sdl_sound.hpp"
#include "media/sound.hpp"
#include "media/wav_reader.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/screen.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>

namespace game {
namespace {

// The corpora live beside the project, not in it; without them their tests are skipped.
#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!std::filesystem::is_directory(ZV_TESTDATA_DIR))                                           \
    GTEST_SKIP() << "loader corpora not found at " << ZV_TESTDATA_DIR

// Every file under a corpus folder whose name ends in one of the extensions, as paths relative
// to the corpora's root, sorted.
std::vector<std::string> corpusFiles(const std::string& folder,
                                     const std::vector<std::string>& extensions) {
    std::vector<std::string> files;
    const std::filesystem::path root(ZV_TESTDATA_DIR);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
        if (entry.is_regular_file() &&
            std::ranges::count(extensions, entry.path().extension().string()) != 0) {
            files.push_back(std::filesystem::relative(entry.path(), root).string());
        }
    }
    std::ranges::sort(files);
    return files;
}

using Pixels = std::vector<std::uint32_t>;

// The largest difference of any channel of any pixel, the fourth byte included.
int largestDifference(const Pixels& a, const Pixels& b) {
    int largest = a.size() == b.size() ? 0 : 255;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            largest = std::max(largest, std::abs(static_cast<int>(a[i] >> shift & 0xFF) -
                                                 static_cast<int>(b[i] >> shift & 0xFF)));
        }
    }
    return largest;
}

class PictureCorpus : public test::PictureLoading {};

TEST_F(PictureCorpus, UncompressedBmpsOf16To32BitsAndJpegsLoadAndTheRestIsRefused) {
    SKIP_WITHOUT_CORPUS();
    // The sizes of the files that load; CMYK and 12-bit JPEGs and every other BMP are refused.
    std::map<std::string, std::pair<int, int>> loads = {
        {"bmp-libjpeg-turbo/shira_bird8.bmp", {192, 144}},
        {"bmp-libjpeg-turbo/vgl_6434_0018a.bmp", {119, 96}},
        {"bmp-libjpeg-turbo/vgl_6548_0026a.bmp", {128, 95}},
        {"jpeg/libjpeg-turbo/testorig.jpg", {227, 149}},
        {"jpeg/libjpeg-turbo/testimgari.jpg", {227, 149}},
        {"jpeg/pillow/truncated_jpeg.jpg", {100, 100}}};
    for (const std::string& file : corpusFiles("jpeg/go", {".jpeg"})) {
        loads[file] = {150, 103};
    }
    loads.erase("jpeg/go/video-001.cmyk.jpeg");
    // The suite draws one picture in every form: the 24- and 32-bit ones agree exactly, the
    // 16-bit ones within the 5-bit steps (scaled by 8, so up to 7 below, plus rounding).
    const std::map<std::string, int> suite = {
        {"g/rgb16.bmp", 9},      {"g/rgb24.bmp", 0},         {"g/rgb24pal.bmp", 0},
        {"g/rgb32.bmp", 0},      {"q/rgb16faketrns.bmp", 9}, {"q/rgb24largepal.bmp", 0},
        {"q/rgb24lprof.bmp", 0}, {"q/rgb32fakealpha.bmp", 0}};
    for (const auto& [file, tolerance] : suite) {
        loads["bmpsuite/" + file] = {127, 64};
    }
    std::map<std::string, Pixels> loaded;
    for (const char* folder : {"bmpsuite", "bmp-libjpeg-turbo", "jpeg"}) {
        for (const std::string& file : corpusFiles(folder, {".bmp", ".jpeg", ".jpg"})) {
            const test::Bytes bytes =
                test::readWholeFile(std::string(ZV_TESTDATA_DIR) + "/" + file);
            const bool ok = load(1, bytes) != 0;
            const SpriteSlot& slot = display.sprites[1];
            EXPECT_EQ(ok, loads.count(file) != 0) << file;
            EXPECT_EQ(slot.surface != nullptr, ok) << file;
            if (ok && slot.surface != nullptr && loads.count(file) != 0) {
                EXPECT_EQ(std::pair(slot.width, slot.height), loads.at(file)) << file;
                loaded[file].assign(slot.surface->pixels.begin(), slot.surface->pixels.end());
            }
        }
    }
    ASSERT_EQ(loaded.size(), loads.size());
    for (const auto& [file, tolerance] : suite) {
        EXPECT_LE(largestDifference(loaded["bmpsuite/" + file], loaded["bmpsuite/g/rgb24.bmp"]),
                  tolerance)
            << file;
    }
}

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
    const auto files = corpusFiles("wav", {".wav"});
    ASSERT_EQ(files.size(), 76u);
    std::size_t loaded = 0;
    for (const std::string& file : files) {
        const test::Bytes bytes = test::readWholeFile(std::string(ZV_TESTDATA_DIR) + "/" + file);
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
