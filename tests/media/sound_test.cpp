// Sound slots on the fake machine: the numbers taken, the level of a new sound, and a machine
// without a sound device.

#include "media/sound.hpp"

#include "support/fake_device.hpp"
#include "support/media_files.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

const test::Bytes kFile = test::makePcmWav(1, 22050, 16, test::Bytes(66, 0x40));

// A new sound plays at full level; volume 50 is 20 log10(50000) dB above -100 dB.
TEST(Sound, NumbersAreBoundedAndANewSoundStartsAtFullLevel) {
    fake::reset(0);
    ASSERT_EQ(initSound(), 1);
    EXPECT_EQ(soundFromMemory(kMaxSoundNumber, kFile.data(), kFile.size()), 0);
    ASSERT_EQ(soundFromMemory(14, kFile.data(), kFile.size()), 1);
    setSoundVolume(14, 50);
    playSound(14, 0);
    EXPECT_NEAR(fake::dev.played.back().gain, 0.499459f, 1e-4);
    ASSERT_EQ(soundFromMemory(14, kFile.data(), kFile.size()), 1);
    playSound(14, 0);
    EXPECT_FLOAT_EQ(fake::dev.played.back().gain, 1.0f);
    closeSound();
}

TEST(Sound, WithoutAnAudioDeviceTheServiceStartsAndStaysSilent) {
    closeSound();
    fake::reset(0);
    fake::dev.audioOpenFails = true;
    EXPECT_EQ(initSound(), 1);
    EXPECT_EQ(soundFromMemory(10, kFile.data(), kFile.size()), 0);
    playSound(10);
    EXPECT_TRUE(fake::dev.played.empty());
    closeSound();
}

} // namespace
} // namespace game
