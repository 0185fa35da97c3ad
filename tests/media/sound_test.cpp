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

// --- the volume scale ---

// Attenuation in hundredths of a decibel: 20 log10(1000 v) dB above -100 dB for 1..99.
TEST_F(Sound, VolumeOneIsMinus40DecibelsAndEachTenfoldStepAdds20) {
    EXPECT_EQ(volumeAttenuation(1), -4000);
    EXPECT_EQ(volumeAttenuation(10), -2000);
    EXPECT_EQ(volumeAttenuation(100), 0);
    EXPECT_EQ(volumeAttenuation(0), -10000);
    // 20 log10(50000) = 93.979 dB, truncated to hundredths: 9397.
    EXPECT_EQ(volumeAttenuation(50), 9397 - 10000);
}

TEST_F(Sound, VolumesOutsideTheScaleAreClamped) {
    EXPECT_EQ(volumeAttenuation(150), 0);
    EXPECT_EQ(volumeAttenuation(-5), -10000);
}

TEST_F(Sound, TheGainOfAVolumeIsTenToTheAttenuationOver2000) {
    ASSERT_EQ(load(14, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    const std::pair<int, double> cases[] = {
        {100, 1.0}, {150, 1.0}, {10, 0.1},     {1, 0.01},
        {0, 1e-5},  {-5, 1e-5}, {50, 0.499459}}; // 10^(-603 / 2000)
    for (const auto& [volume, gain] : cases) {
        setSoundVolume(14, volume);
        playSound(14, 0);
        ASSERT_FALSE(fake::dev.played.empty());
        EXPECT_NEAR(fake::dev.played.back().gain, gain, gain * 1e-4) << volume;
    }
}

TEST_F(Sound, ANewlyLoadedSoundPlaysAtFullLevel) {
    ASSERT_EQ(load(16, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    setSoundVolume(16, 25);
    ASSERT_EQ(load(16, test::makePcmWav(1, 22050, 16, tone(32))), 1);
    playSound(16, 0);
    EXPECT_FLOAT_EQ(fake::dev.played.back().gain, 1.0f);
}

// --- playing ---

TEST_F(Sound, EachSoundPlaysOnTheChannelOfItsNumberSoAReplayRestartsIt) {
    ASSERT_EQ(load(10, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    ASSERT_EQ(load(12, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    playSound(10, 0);
    playSound(10, 0);
    playSound(12, 1);
    EXPECT_EQ(fake::playedChannels(), (std::vector<std::int32_t>{10, 10, 12}));
    EXPECT_EQ(fake::dev.played[0].sound, slot(10));
    EXPECT_FALSE(fake::dev.played[0].loop);
    EXPECT_TRUE(fake::dev.played[2].loop);
}

TEST_F(Sound, AnEmptyOrUnknownNumberPlaysNothingAndTakesNoVolume) {
    playSound(11, 0);
    playSound(-1, 0);
    playSound(5000, 0);
    setSoundVolume(11, 50);
    setSoundVolume(5000, 50);
    EXPECT_TRUE(fake::dev.played.empty());
}

// --- slots ---

TEST_F(Sound, LoadingSound60GrowsTheTableTo110Slots) {
    ASSERT_EQ(sounds.slots.size(), 50u);
    ASSERT_EQ(load(60, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    EXPECT_EQ(sounds.slots.size(), 110u);
    for (std::int32_t i = 50; i < 110; ++i) {
        EXPECT_EQ(slot(i) != 0, i == 60) << i;
    }
}

TEST_F(Sound, ARefusedFileLeavesTheSoundLoadedBeforeInItsSlot) {
    ASSERT_EQ(load(13, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    const std::int32_t before = slot(13);
    EXPECT_EQ(load(13, test::makePcmWav(1, 22050, 24, tone(66))), 0);
    EXPECT_EQ(load(13, test::Bytes{'R', 'I', 'F', 'F'}), 0);
    EXPECT_EQ(loadSound(13, "/nonexistent/menuopen.wav"), 0);
    EXPECT_EQ(slot(13), before);
    EXPECT_EQ(fake::dev.soundsAlive, 1);
}

TEST_F(Sound, AReloadGivesBackTheSoundItReplaces) {
    ASSERT_EQ(load(13, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    ASSERT_EQ(load(13, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    EXPECT_EQ(fake::dev.soundsAlive, 1);
}

TEST_F(Sound, NegativeAndHugeNumbersAreRefused) {
    EXPECT_EQ(load(-1, test::makePcmWav(1, 22050, 16, tone(64))), 0);
    EXPECT_EQ(load(kMaxSoundNumber, test::makePcmWav(1, 22050, 16, tone(64))), 0);
    EXPECT_EQ(fake::dev.soundsAlive, 0);
}

TEST_F(Sound, FreeSoundAndCloseSoundGiveBackEverySound) {
    ASSERT_EQ(load(10, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    ASSERT_EQ(load(11, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    freeSound(10);
    EXPECT_EQ(slot(10), 0);
    EXPECT_EQ(fake::dev.soundsAlive, 1);
    closeSound();
    EXPECT_EQ(fake::dev.soundsAlive, 0);
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

TEST_F(Sound, ASecondStartKeepsTheDeviceAndEmptiesTheTable) {
    ASSERT_EQ(load(10, test::makePcmWav(1, 22050, 16, tone(64))), 1);
    fake::dev.audioOpenFails = true; // the device is not asked again
    EXPECT_EQ(initSound(), 1);
    EXPECT_EQ(slot(10), 0);
    EXPECT_EQ(fake::dev.soundsAlive, 0);
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
