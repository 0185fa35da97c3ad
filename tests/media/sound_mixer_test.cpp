// The game's own mixer, on plain buffers: voices add up, the sum saturates, a replay starts over,
// the gain scales, a sound ends (or loops) at its last sample.

#include "media/sound_mixer.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

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

// Playing a channel again restarts it instead of layering it.
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
}

TEST(SoundMixer, AFreedSoundIsSilencedOnEveryChannel) {
    const MixerSound s{{7, 7}};
    SoundMixer mixer;
    startVoice(mixer, 1, &s, false, 1.0f);
    startVoice(mixer, 2, &s, true, 1.0f);
    stopVoicesOf(mixer, &s);
    EXPECT_EQ(mix(mixer, 2), (Samples{0, 0}));
}

} // namespace
} // namespace game
