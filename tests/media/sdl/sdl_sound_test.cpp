// Sounds on SDL's own audio device under its dummy driver: conversion to the device's format at
// load, what cannot be played refused, and a missing device.

#include "media/sdl/sdl_sound.hpp"

#include "media/wav_reader.hpp"
#include "support/corpus.hpp"
#include "support/media_files.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace game {
namespace {

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_TRUE(sdl::openAudio()) << SDL_GetError();
    }
    void TearDown() override { sdl::closeAudio(); }
};

TEST_F(SdlSound, FormatsTheMixerCannotTakeAreRefused) {
    const test::Bytes samples(64, 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 24}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 3, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({0, 1, 16}, samples.data(), samples.size()), 0);
    EXPECT_EQ(sdl::createSound({22050, 1, 16}, samples.data(), 1), 0) << "not one whole frame";
    // One sample a second would grow far beyond any real sound when brought to the device's rate.
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
        sdl::startSound(sound, 15, false, 1.0f);
        sdl::destroySound(sound);
        EXPECT_FALSE(sdl::anyVoicePlaying()) << "a freed sound stops playing";
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
