// Sound slots on the fake machine: the volume scale, loading by number, playing by number. Where
// the samples of a file are is the WAV corpus's part.

#include "media/sound.hpp"

#include "support/fake_device.hpp"
#include "support/media_files.hpp"

#include <gtest/gtest.h>

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

    // A file of 16-bit mono samples, or of another sample size.
    static std::int32_t load(std::int32_t number, int bits = 16) {
        const test::Bytes file = test::makePcmWav(1, 22050, bits, test::Bytes(66, 0x40));
        return soundFromMemory(number, file.data(), file.size());
    }
    static std::int32_t slot(std::int32_t number) {
        return sounds.slots[static_cast<std::size_t>(number)];
    }
};

// Attenuation in hundredths of a decibel, 20 log10(1000 v) dB above -100 dB for 1..99, clamped;
// the gain played is 10^(attenuation / 2000); a newly loaded sound plays at full level.
TEST_F(Sound, VolumesBecomeAttenuationsAndGains) {
    ASSERT_EQ(load(14), 1);
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
    ASSERT_EQ(load(14), 1);
    playSound(14, 0);
    EXPECT_FLOAT_EQ(fake::dev.played.back().gain, 1.0f);
}

TEST_F(Sound, EachSoundPlaysOnTheChannelOfItsNumberAndNothingElsePlays) {
    ASSERT_EQ(load(10), 1);
    ASSERT_EQ(load(12), 1);
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
    ASSERT_EQ(load(60), 1);
    EXPECT_EQ(load(-1), 0);
    EXPECT_EQ(load(kMaxSoundNumber), 0);
    ASSERT_EQ(load(13), 1);
    ASSERT_EQ(load(13), 1); // gives back the first
    const std::int32_t before = slot(13);
    EXPECT_EQ(load(13, 24), 0);
    const test::Bytes cut = {'R', 'I', 'F', 'F'};
    EXPECT_EQ(soundFromMemory(13, cut.data(), cut.size()), 0);
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
    EXPECT_EQ(load(10), 0);
    playSound(10);
    EXPECT_TRUE(fake::dev.played.empty());
}

} // namespace
} // namespace game
