// Sounds: the slots on the fake machine (the numbers taken, the level of a new sound, a machine
// without a sound device), the game's own mixer on plain buffers (voices add up, the sum
// saturates, a replay starts over, the gain scales, a sound ends or loops at its last sample), and
// SDL's own audio device under its dummy driver refusing what the mixer cannot take. The WAV
// corpus plays every file it loads there too.

#include "media/sdl/sdl_sound.hpp"
#include "media/sound.hpp"
#include "media/sound_mixer.hpp"

#include "support/fake_device.hpp"
#include "support/media_files.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace game {
namespace {

const test::Bytes kFile = test::makePcmWav(1, 22050, 16, test::Bytes(66, 0x40));

// A new sound plays at full level; volume 50 is 20 log10(50000) dB above -100 dB. Without a
// sound device the game starts and plays silently.
TEST(Sound, NumbersAreBoundedANewSoundStartsAtFullLevelAndNoDeviceIsSilent) {
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
    fake::reset(0);
    fake::dev.audioOpenFails = true;
    EXPECT_EQ(initSound(), 1);
    EXPECT_EQ(soundFromMemory(10, kFile.data(), kFile.size()), 0);
    playSound(10);
    EXPECT_TRUE(fake::dev.played.empty());
    closeSound();
}

using Samples = std::vector<std::int16_t>;

Samples mix(SoundMixer& mixer, std::size_t count) {
    Samples out(count, 1234); // whatever was there is overwritten
    mixInto(mixer, out.data(), out.size());
    return out;
}

TEST(SoundMixer, VoicesAddUpScaledByTheirGainsAndTheSumSaturatesInsteadOfWrapping) {
    struct Case {
        std::int16_t a;
        float gainA;
        std::int16_t b, want;
    };
    for (const Case c :
         {Case{1000, 1.0f, 2000, 3000}, Case{30000, 1.0f, 10000, 32767},
          Case{-30000, 1.0f, -10000, -32768}, Case{-5, 1.0f, 5, 0}, Case{20000, 0.5f, 0, 10000},
          Case{20000, 0.0f, 0, 0}, Case{20000, 2.0f, 0, 20000}}) {
        SoundMixer mixer;
        const MixerSound a{Samples(4, c.a)};
        const MixerSound b{Samples(4, c.b)};
        startVoice(mixer, 10, &a, false, c.gainA);
        startVoice(mixer, 11, &b, false, 1.0f);
        EXPECT_EQ(mix(mixer, 4), Samples(4, c.want)) << c.a << " x " << c.gainA << " + " << c.b;
    }
}

// Playing a channel again restarts it instead of layering it. A freed sound falls silent on every
// channel, looping or not.
TEST(SoundMixer, ASoundEndsAtItsLastSampleOrLoopsToItsFirstAndARepeatStartsOver) {
    const MixerSound s{{1, 2, 3}};
    SoundMixer mixer;
    startVoice(mixer, 5, &s, false, 1.0f);
    EXPECT_EQ(mix(mixer, 5), (Samples{1, 2, 3, 0, 0}));
    EXPECT_EQ(mixer.voices[5].sound, nullptr);
    startVoice(mixer, 5, &s, true, 1.0f);
    EXPECT_EQ(mix(mixer, 7), (Samples{1, 2, 3, 1, 2, 3, 1}));
    startVoice(mixer, 5, &s, false, 1.0f);
    EXPECT_EQ(mix(mixer, 4), (Samples{1, 2, 3, 0}));
    startVoice(mixer, 1, &s, false, 1.0f);
    startVoice(mixer, 2, &s, true, 1.0f);
    stopVoicesOf(mixer, &s);
    EXPECT_EQ(mix(mixer, 2), (Samples{0, 0}));
}

TEST(SdlAudio, FormatsTheMixerCannotTakeAreRefused) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_TRUE(sdl::openAudio()) << SDL_GetError();
    const test::Bytes samples(64, 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 24}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 3, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({0, 1, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 16}, samples.data(), 1), 0) << "not one whole frame";
    // One sample a second would grow far beyond any real sound when brought to the device's rate.
    const test::Bytes many(4u << 20, 0x80);
    EXPECT_EQ(sdl::createSound({1, 1, 8}, many.data(), many.size()), 0);
    sdl::closeAudio();
}

} // namespace
} // namespace game
