// The game's own mixer, on plain buffers: voices add up, the sum saturates, a replay starts over,
// the gain scales, a sound ends (or loops) at its last sample.

#include "media/sound_mixer.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

std::vector<std::int16_t> mix(SoundMixer& mixer, std::size_t count) {
    std::vector<std::int16_t> out(count, 1234); // whatever was there is overwritten
    mixInto(mixer, out.data(), out.size());
    return out;
}

MixerSound constant(std::int16_t value, std::size_t count) {
    return MixerSound{std::vector<std::int16_t>(count, value)};
}

TEST(SoundMixer, VoicesAddUpAndTheSumSaturatesInsteadOfWrapping) {
    struct Case {
        std::int16_t a, b, want;
    };
    for (const Case c : {Case{1000, 2000, 3000}, Case{30000, 10000, 32767},
                         Case{-30000, -10000, -32768}, Case{-5, 5, 0}}) {
        SoundMixer mixer;
        const MixerSound a = constant(c.a, 4);
        const MixerSound b = constant(c.b, 4);
        startVoice(mixer, 10, &a, false, 1.0f);
        startVoice(mixer, 11, &b, false, 1.0f);
        EXPECT_EQ(mix(mixer, 4), std::vector<std::int16_t>(4, c.want)) << c.a << " + " << c.b;
    }
}

TEST(SoundMixer, TheGainScalesTheSamples) {
    const MixerSound s = constant(20000, 2);
    for (const auto& [gain, want] : {std::pair{1.0f, 20000}, std::pair{0.5f, 10000},
                                     std::pair{0.0f, 0}, std::pair{2.0f, 20000}}) {
        SoundMixer mixer;
        startVoice(mixer, 0, &s, false, gain);
        EXPECT_EQ(mix(mixer, 1)[0], want) << "gain " << gain;
    }
}

TEST(SoundMixer, ASoundEndsAtItsLastSampleOrLoopsToItsFirst) {
    const MixerSound s{{1, 2, 3}};
    SoundMixer mixer;
    startVoice(mixer, 5, &s, false, 1.0f);
    EXPECT_EQ(mix(mixer, 5), (std::vector<std::int16_t>{1, 2, 3, 0, 0}));
    EXPECT_EQ(mixer.voices[5].sound, nullptr);
    startVoice(mixer, 5, &s, true, 1.0f);
    EXPECT_EQ(mix(mixer, 7), (std::vector<std::int16_t>{1, 2, 3, 1, 2, 3, 1}));
}

TEST(SoundMixer, PlayingAChannelAgainRestartsItInsteadOfLayeringIt) {
    const MixerSound s{{100, 200, 300, 400}};
    SoundMixer mixer;
    startVoice(mixer, 3, &s, false, 1.0f);
    mix(mixer, 2);
    startVoice(mixer, 3, &s, false, 1.0f);
    EXPECT_EQ(mix(mixer, 4), (std::vector<std::int16_t>{100, 200, 300, 400}));
}

TEST(SoundMixer, AFreedSoundIsSilencedOnEveryChannel) {
    const MixerSound s = constant(7, 600);
    const MixerSound other = constant(1, 600);
    SoundMixer mixer;
    startVoice(mixer, 1, &s, false, 1.0f);
    startVoice(mixer, 2, &s, true, 1.0f);
    startVoice(mixer, 3, &other, false, 1.0f);
    stopVoicesOf(mixer, &s);
    // Longer than one slice of the mix, so the slices join up.
    EXPECT_EQ(mix(mixer, 600), std::vector<std::int16_t>(600, 1));
}

} // namespace
} // namespace game
