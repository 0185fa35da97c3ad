// Sounds on SDL_mixer under SDL's dummy audio driver: conversion to the mixer's format, one
// channel per sound number, the gain as the channel's volume.

#include "media/sdl/sdl_sound.hpp"

#include "media/wav_reader.hpp"
#include "support/corpus.hpp"
#include "support/media_files.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

namespace game {
namespace {

std::atomic<int> finished{0};
std::atomic<int> finishedChannel{-1};

void countFinished(int channel) {
    finished += 1;
    finishedChannel = channel;
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_TRUE(sdl::openAudio()) << SDL_GetError();
        finished = 0;
        finishedChannel = -1;
        Mix_ChannelFinished(&countFinished);
    }
    void TearDown() override {
        Mix_ChannelFinished(nullptr);
        sdl::closeAudio();
    }

    // Two seconds of a 440 Hz tone: long enough to be playing still when the test looks.
    static std::int32_t longTone(int rate = 22050, int channels = 1, int bits = 16) {
        const int frames = rate * 2;
        test::Bytes samples;
        for (int i = 0; i < frames; ++i) {
            for (int c = 0; c < channels; ++c) {
                const int wave = (i * 440 * 2 / rate) % 2 == 0 ? 1 : -1;
                if (bits == 8) {
                    samples.push_back(static_cast<std::uint8_t>(128 + 60 * wave));
                } else {
                    const auto v =
                        static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * wave));
                    samples.push_back(static_cast<std::uint8_t>(v));
                    samples.push_back(static_cast<std::uint8_t>(v >> 8));
                }
            }
        }
        return sdl::createSound({rate, channels, bits}, samples.data(), samples.size());
    }
};

TEST_F(SdlSound, ASoundPlaysOnTheChannelOfItsNumberAtTheGainsVolume) {
    const std::int32_t sound = longTone();
    ASSERT_NE(sound, 0);
    sdl::startSound(sound, 14, false, 0.5f);
    EXPECT_EQ(Mix_Playing(14), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_Volume(14, -1), 64);
}

TEST_F(SdlSound, PlayingASoundAgainCutsItsRunningPlayAndStartsOver) {
    const std::int32_t sound = longTone();
    ASSERT_NE(sound, 0);
    sdl::startSound(sound, 10, false, 1.0f);
    sdl::startSound(sound, 10, false, 1.0f);
    EXPECT_EQ(finished, 1) << "the first play was cut";
    EXPECT_EQ(finishedChannel, 10);
    EXPECT_EQ(Mix_Playing(10), 1);
    EXPECT_EQ(Mix_Playing(-1), 1) << "never two at once";
}

TEST_F(SdlSound, DifferentNumbersPlayTogether) {
    const std::int32_t a = longTone();
    const std::int32_t b = longTone(11025, 2, 8);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    sdl::startSound(a, 12, false, 1.0f);
    sdl::startSound(b, 13, false, 1.0f);
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(finished, 0);
}

TEST_F(SdlSound, AChannelBeyondTheFirstOnesIsMadeWhenItIsFirstPlayed) {
    const std::int32_t sound = longTone();
    sdl::startSound(sound, 200, false, 1.0f);
    EXPECT_GE(Mix_AllocateChannels(-1), 201);
    EXPECT_EQ(Mix_Playing(200), 1);
}

TEST_F(SdlSound, GainsBecomeMixerVolumesRoundedToTheNearest) {
    EXPECT_EQ(sdl::mixerVolume(1.0f), 128);
    EXPECT_EQ(sdl::mixerVolume(0.1f), 13); // 12.8
    EXPECT_EQ(sdl::mixerVolume(0.01f), 1); // 1.28, volume 1 of the game is -40 dB
    EXPECT_EQ(sdl::mixerVolume(1e-5f), 0); // volume 0 is silent
    EXPECT_EQ(sdl::mixerVolume(0.499459f), 64);
}

TEST_F(SdlSound, DestroyingAPlayingSoundStopsItsChannel) {
    const std::int32_t sound = longTone();
    sdl::startSound(sound, 11, false, 1.0f);
    sdl::destroySound(sound);
    EXPECT_EQ(Mix_Playing(11), 0);
    sdl::startSound(sound, 11, false, 1.0f); // a destroyed sound plays nothing
    EXPECT_EQ(Mix_Playing(11), 0);
}

TEST_F(SdlSound, FormatsTheMixerCannotTakeAreRefused) {
    const test::Bytes samples(64, 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 24}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 3, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({0, 1, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 16}, samples.data(), 1), 0) << "not one whole frame";
    // One sample a second would grow far beyond any real sound when brought to the mixer's rate.
    const test::Bytes many(4u << 20, 0x80);
    EXPECT_EQ(sdl::createSound({1, 1, 8}, many.data(), many.size()), 0);
}

TEST_F(SdlSound, EveryCorpusFileTheWavReaderTakesBecomesAPlayableSound) {
    SKIP_WITHOUT_CORPUS();
    int playable = 0;
    for (const std::string& file : test::corpusFiles("wav", {".wav"})) {
        SCOPED_TRACE(file);
        const test::Bytes bytes = test::readWholeFile(test::corpusPath(file));
        WavSamples wav;
        if (!readWav(bytes.data(), bytes.size(), wav)) {
            continue;
        }
        const std::int32_t sound = sdl::createSound(wav.format, wav.samples, wav.bytes);
        ASSERT_NE(sound, 0);
        finished = 0;
        sdl::startSound(sound, 15, false, 1.0f);
        // The shortest files hold two samples; the dummy device may be through with them at once.
        EXPECT_TRUE(Mix_Playing(15) == 1 || finished > 0);
        sdl::destroySound(sound);
        ++playable;
    }
    EXPECT_EQ(playable, 30);
}

TEST(SdlAudio, WithoutAnAudioDeviceTheSoundServiceDoesNotStart) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sdl::openAudio());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(sdl::openAudio());
    sdl::closeAudio();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
} // namespace game
