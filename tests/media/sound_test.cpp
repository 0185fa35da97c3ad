// Sound slots on the fake machine: the volume scale, loading by chunks, playing by number.

#include "media/sound.hpp"

#include "media/wav_reader.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace game {
namespace {

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        closeSound();
        fake::reset(0);
        ASSERT_EQ(initSound(), 1);
    }
    void TearDown() override { closeSound(); }

    static test::Bytes tone(int bytes) {
        test::Bytes samples(static_cast<std::size_t>(bytes));
        for (int i = 0; i < bytes; ++i) {
            samples[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
        }
        return samples;
    }
    static std::int32_t load(std::int32_t number, const test::Bytes& file) {
        return soundFromMemory(number, file.data(), file.size());
    }
    static std::int32_t slot(std::int32_t number) {
        return sounds.slots[static_cast<std::size_t>(number)];
    }
};

// Attenuation in hundredths of a decibel, 20 log10(1000 v) dB above -100 dB for 1..99, clamped;
// the gain played is 10^(attenuation / 2000); a newly loaded sound plays at full level.
TEST_F(Sound, VolumesBecomeAttenuationsAndGains) {
    ASSERT_EQ(load(14, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    struct Case {
        int volume, attenuation;
        double gain;
    };
    for (const Case& c :
         {Case{1, -4000, 0.01}, Case{10, -2000, 0.1}, Case{100, 0, 1.0}, Case{0, -10000, 1e-5},
          Case{50, 9397 - 10000, 0.499459}, Case{150, 0, 1.0}, Case{-5, -10000, 1e-5}}) {
        EXPECT_EQ(volumeAttenuation(c.volume), c.attenuation) << c.volume;
        setSoundVolume(14, c.volume);
        playSound(14, 0);
        EXPECT_NEAR(fake::dev.played.back().gain, c.gain, c.gain * 1e-4) << c.volume;
    }
    ASSERT_EQ(load(14, test::makePcmWav(1, 22050, 16, tone(32))), 1);
    playSound(14, 0);
    EXPECT_FLOAT_EQ(fake::dev.played.back().gain, 1.0f);
}

TEST_F(Sound, EachSoundPlaysOnTheChannelOfItsNumberAndNothingElsePlays) {
    ASSERT_EQ(load(10, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    ASSERT_EQ(load(12, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    for (const std::int32_t number : {10, 10, 11, -1, 5000}) {
        playSound(number, 0);
    }
    setSoundVolume(11, 50);
    playSound(12, 1);
    EXPECT_EQ(fake::playedChannels(), (std::vector<std::int32_t>{10, 10, 12}));
    EXPECT_EQ(fake::dev.played[0].sound, slot(10));
    EXPECT_FALSE(fake::dev.played[0].loop);
    EXPECT_TRUE(fake::dev.played[2].loop);
}

TEST_F(Sound, SlotsGrowRefuseBadNumbersAndFilesAndGiveBackWhatTheyHeld) {
    ASSERT_EQ(load(60, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    EXPECT_EQ(sounds.slots.size(), 110u);
    EXPECT_EQ(load(-1, test::makePcmWav(1, 22050, 16, tone(64))), 0);
    EXPECT_EQ(load(kMaxSoundNumber, test::makePcmWav(1, 22050, 16, tone(64))), 0);
    ASSERT_EQ(load(13, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    ASSERT_EQ(load(13, test::makePcmWav(1, 22050, 16, tone(64))), 1); // gives back the first
    const std::int32_t before = slot(13);
    EXPECT_EQ(load(13, test::makePcmWav(1, 22050, 24, tone(66))), 0);
    EXPECT_EQ(load(13, test::Bytes{'R', 'I', 'F', 'F'}), 0);
    EXPECT_EQ(loadSound(13, "/nonexistent/menuopen.wav"), 0);
    EXPECT_EQ(slot(13), before); // a refused file leaves the sound loaded before
    EXPECT_EQ(fake::dev.soundsAlive, 2);
    freeSound(60);
    EXPECT_EQ(slot(60), 0);
    EXPECT_EQ(fake::dev.soundsAlive, 1);
    fake::dev.audioOpenFails = true; // a second start keeps the device and empties the table
    EXPECT_EQ(initSound(), 1);
    EXPECT_EQ(slot(13), 0);
    EXPECT_EQ(fake::dev.soundsAlive, 0);
    closeSound();
    EXPECT_FALSE(fake::dev.audioOpen);
}

TEST_F(Sound, WithoutAnAudioDeviceTheServiceStartsAndStaysSilent) {
    closeSound();
    fake::reset(0);
    fake::dev.audioOpenFails = true;
    EXPECT_EQ(initSound(), 1);
    EXPECT_EQ(load(10, test::makePcmWav(1, 22050, 16, tone(64))), 0);
    playSound(10);
    EXPECT_TRUE(fake::dev.played.empty());
}

// --- where the samples are ---

// An 18-byte format chunk (F = 18): the sample size stands at bytes 42..45, the samples start at
// byte 46.
TEST_F(Sound, AfterAnEighteenByteFormatChunkTheSamplesStartAtByte46) {
    test::Bytes format = test::pcmFormat(1, 22050, 16);
    format.resize(18, 0);
    const test::Bytes file = test::makeWav({{"fmt ", format}, {"data", tone(10)}});
    ASSERT_EQ(file.size(), 56u);
    WavSamples wav;
    ASSERT_TRUE(readWav(file.data(), file.size(), wav));
    EXPECT_EQ(wav.samples - file.data(), 46);
    EXPECT_EQ(wav.bytes, 10u);
}

// The chunks are walked to "data": a LIST or fact chunk in between is not played as samples.
TEST_F(Sound, ChunksBetweenTheFormatAndTheSamplesAreSkipped) {
    const test::Bytes list = {'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 3, 0, 0, 0, 'z', 'v', 0};
    const test::Bytes fact = {100, 0, 0, 0};
    const test::Bytes file = test::makeWav(
        {{"fmt ", test::pcmFormat(1, 8000, 8)}, {"LIST", list}, {"fact", fact}, {"data", tone(9)}});
    WavSamples wav;
    ASSERT_TRUE(readWav(file.data(), file.size(), wav));
    // fmt at 12 (24 bytes), LIST at 36 (8 + 15 + pad = 24), fact at 60 (12), data at 72.
    EXPECT_EQ(wav.samples - file.data(), 80);
    EXPECT_EQ(wav.bytes, 9u);
    EXPECT_EQ(wav.samples[1], 7);
}

TEST_F(Sound, ADataChunkLongerThanTheFileKeepsTheWholeFramesThatAreThere) {
    test::Bytes file = test::makePcmWav(2, 22050, 16, tone(40));
    test::put32(file, 40, 1000000);
    file.resize(file.size() - 2); // half a frame at the end
    WavSamples wav;
    ASSERT_TRUE(readWav(file.data(), file.size(), wav));
    EXPECT_EQ(wav.bytes, 36u);
}

TEST_F(Sound, AnExtensibleFormatIsPcmOnlyWithThePcmSubFormat) {
    test::Bytes format = test::pcmFormat(2, 44100, 16);
    test::put16(format, 0, 0xFFFE);
    format.resize(40, 0);
    test::put16(format, 16, 22); // extension size
    test::put16(format, 18, 16); // valid bits
    test::put32(format, 20, 3);  // front left and right
    const std::uint8_t pcm[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    std::copy(pcm, pcm + 16, format.begin() + 24);
    WavSamples wav;
    test::Bytes file = test::makeWav({{"fmt ", format}, {"data", tone(8)}});
    EXPECT_TRUE(readWav(file.data(), file.size(), wav));
    format[24 + 15] = 0x72; // another sub-format that merely starts like PCM
    file = test::makeWav({{"fmt ", format}, {"data", tone(8)}});
    EXPECT_FALSE(readWav(file.data(), file.size(), wav));
}

} // namespace
} // namespace game
