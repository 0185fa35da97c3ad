// The sound files: read as the game reads them (chunks at fixed places), 16-bit PCM, short,
// loud but not clipped, and starting and ending in silence so that they do not click.

#include "data/data_files.hpp"

#include "media/wav_reader.hpp"
#include "shell/catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace game::testdata {
namespace {

Wav loadWav(const SoundEntry& entry) {
    const std::vector<unsigned char> bytes = readDataFile(entry.file);
    EXPECT_FALSE(bytes.empty()) << entry.file << " is missing";
    const std::optional<Wav> wav = parseWav(bytes);
    EXPECT_TRUE(wav.has_value()) << entry.file << " has no RIFF and format chunk where expected";
    return wav.value_or(Wav{});
}

double seconds(const Wav& w) {
    return static_cast<double>(w.samples.size()) / w.channels / w.sampleRate;
}

TEST(SoundFiles, EveryCatalogueSoundIsPcmWithItsSamplesRightAfterTheFormat) {
    for (const SoundEntry& entry : kSounds) {
        const std::vector<unsigned char> bytes = readDataFile(entry.file);
        const Wav w = loadWav(entry);
        EXPECT_EQ(w.formatTag, 1) << entry.file;
        EXPECT_TRUE(w.channels == 1 || w.channels == 2) << entry.file;
        EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << entry.file;
        EXPECT_EQ(w.bitsPerSample, 16) << entry.file;
        EXPECT_EQ(w.blockAlign, w.channels * 2) << entry.file;
        EXPECT_EQ(w.byteRate, w.sampleRate * w.blockAlign) << entry.file;
        EXPECT_EQ(w.dataId, "data") << entry.file;
        EXPECT_EQ(w.dataOffset + w.dataSize, bytes.size()) << entry.file;
        EXPECT_EQ(w.riffSize + 8, bytes.size()) << entry.file;
        EXPECT_EQ(w.dataSize % static_cast<std::uint32_t>(w.blockAlign), 0u) << entry.file;
    }
}

TEST(SoundFiles, TheGamesWavReaderFindsTheSameSamples) {
    for (const SoundEntry& entry : kSounds) {
        const std::vector<unsigned char> bytes = readDataFile(entry.file);
        const Wav w = loadWav(entry);
        WavSamples read;
        ASSERT_TRUE(readWav(bytes.data(), bytes.size(), read)) << entry.file;
        EXPECT_EQ(read.format.rate, w.sampleRate) << entry.file;
        EXPECT_EQ(read.format.channels, w.channels) << entry.file;
        EXPECT_EQ(read.format.bits, 16) << entry.file;
        EXPECT_EQ(read.samples, bytes.data() + w.dataOffset) << entry.file;
        EXPECT_EQ(read.bytes, w.dataSize) << entry.file;
    }
}

TEST(SoundFiles, SoundsAreShort) {
    for (const SoundEntry& entry : kSounds) {
        const Wav w = loadWav(entry);
        ASSERT_GT(w.channels, 0) << entry.file;
        const std::string name = entry.file;
        const bool mayBeLonger = name.ends_with("explode.wav") || name.ends_with("frtng.wav");
        EXPECT_GT(seconds(w), 0.03) << entry.file;
        EXPECT_LT(seconds(w), mayBeLonger ? 2.0 : 1.0) << entry.file;
    }
}

TEST(SoundFiles, SoundsAreNormalisedWithoutClipping) {
    for (const SoundEntry& entry : kSounds) {
        const Wav w = loadWav(entry);
        ASSERT_FALSE(w.samples.empty()) << entry.file;
        int peak = 0, atFullScale = 0;
        for (std::int16_t s : w.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            atFullScale += (s == 32767 || s == -32768) ? 1 : 0;
        }
        EXPECT_EQ(atFullScale, 0) << entry.file;
        EXPECT_LT(peak, 32767) << entry.file;
        EXPECT_GT(peak, 32767 / 2) << entry.file << " is quieter than -6 dB";
    }
}

TEST(SoundFiles, SoundsFadeInAndOutWithoutAClick) {
    // A click is a jump from silence. Each end must start at silence and move away from it no
    // faster than a straight ramp to full scale over a millisecond.
    constexpr int kNearZero = 330; // 1 % of full scale
    for (const SoundEntry& entry : kSounds) {
        const Wav w = loadWav(entry);
        ASSERT_GE(w.samples.size(), 100u) << entry.file;
        const double perMs = w.sampleRate / 1000.0 * w.channels;
        const std::size_t last = w.samples.size() - 1;
        EXPECT_LE(std::abs(w.samples[0]), kNearZero) << entry.file;
        EXPECT_LE(std::abs(w.samples[last]), kNearZero) << entry.file;
        for (std::size_t i = 1; i < static_cast<std::size_t>(perMs / 2); ++i) {
            const double bound = 32767.0 * static_cast<double>(i) / perMs + kNearZero;
            EXPECT_LE(std::abs(w.samples[i]), bound) << entry.file << " starts with a click";
            EXPECT_LE(std::abs(w.samples[last - i]), bound) << entry.file << " ends with a click";
        }
    }
}

TEST(SoundFiles, SoundsCarryNoSteadyOffset) {
    for (const SoundEntry& entry : kSounds) {
        const Wav w = loadWav(entry);
        ASSERT_FALSE(w.samples.empty()) << entry.file;
        double sum = 0;
        for (std::int16_t s : w.samples) {
            sum += s;
        }
        EXPECT_LT(std::fabs(sum / static_cast<double>(w.samples.size())), 330) << entry.file;
    }
}

} // namespace
} // namespace game::testdata
