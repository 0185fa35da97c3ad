// Sounds on SDL's own audio device under its dummy driver: a missing device, and what cannot be
// played refused. The WAV corpus plays every file it loads here too.

#include "media/sdl/sdl_sound.hpp"

#include "support/media_files.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace game {
namespace {

TEST(SdlAudio, WithoutADeviceNothingStartsAndWithOneFormatsTheMixerCannotTakeAreRefused) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sdl::openAudio());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
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
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
} // namespace game
