// Gains through the mixer: the law on real output, and changes that glide instead of jump.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/sdl/mixer.h"
#include "tests/audio/mixer_fixtures.h"

namespace gus {
namespace {

using test::left;
using test::renderFrames;
using test::right;

class MixerGains : public ::testing::Test {
  protected:
    void startWith(int balance, int volume) {
        voice = mixer.createVoice();
        mixer.setGains(voice, balance, volume);
        mixer.load(voice, &half);
        mixer.play(voice, true);
        mixer.commit();
    }
    Mixer mixer;
    DecodedSound half = test::constantSound(1000, 0.5f);
    int voice = -1;
};

TEST_F(MixerGains, PositiveBalanceIsThirtyDecibelsDownOnTheLeft) {
    startWith(3000, 0);
    const auto out = renderFrames(mixer, 256);
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_FLOAT_EQ(left(out, i), 0.5f * static_cast<float>(std::pow(10.0, -1.5)));
        EXPECT_FLOAT_EQ(right(out, i), 0.5f);
    }
}

TEST_F(MixerGains, NegativeBalanceIsThirtyDecibelsDownOnTheRight) {
    startWith(-3000, 0);
    const auto out = renderFrames(mixer, 256);
    EXPECT_FLOAT_EQ(left(out, 100), 0.5f);
    EXPECT_FLOAT_EQ(right(out, 100), 0.5f * static_cast<float>(std::pow(10.0, -1.5)));
}

TEST_F(MixerGains, VolumeIsSixDecibelsDownOnBothSides) {
    startWith(0, -600);
    const auto out = renderFrames(mixer, 256);
    const float expected = 0.5f * static_cast<float>(std::pow(10.0, -0.3));
    EXPECT_FLOAT_EQ(left(out, 100), expected);
    EXPECT_FLOAT_EQ(right(out, 100), expected);
}

TEST_F(MixerGains, BottomVolumeIsExactSilence) {
    startWith(0, -10000);
    for (float sample : renderFrames(mixer, 256)) ASSERT_EQ(sample, 0.0f);
    EXPECT_TRUE(mixer.playing(voice));
}

TEST_F(MixerGains, ChangeOnAPlayingSoundGlidesToItsTargetWithinTheRamp) {
    startWith(0, 0);
    renderFrames(mixer, 64);
    mixer.setGains(voice, 0, -600);
    mixer.commit();
    const auto out = renderFrames(mixer, 256);
    const float target = 0.5f * static_cast<float>(std::pow(10.0, -0.3));
    EXPECT_LT(left(out, 0), 0.5f);  // already moving in the first frame of the buffer
    EXPECT_GT(left(out, 0), target);
    for (std::size_t i = 1; i < kGainRampFrames; ++i) {
        ASSERT_LE(left(out, i), left(out, i - 1)) << i;
    }
    for (std::size_t i = kGainRampFrames - 1; i < 256; ++i) {
        ASSERT_FLOAT_EQ(left(out, i), target) << i;
        ASSERT_FLOAT_EQ(right(out, i), target) << i;
    }
    EXPECT_LT(kGainRampFrames, std::size_t{kMixRate * 3 / 1000});  // under 3 ms
}

TEST_F(MixerGains, GainsSetWithTheStartApplyFromTheFirstFrame) {
    voice = mixer.createVoice();
    mixer.load(voice, &half);
    mixer.play(voice, true);
    mixer.setGains(voice, 0, -600);  // same event as the play: no glide from the old gains
    mixer.commit();
    const auto out = renderFrames(mixer, 4);
    EXPECT_FLOAT_EQ(left(out, 0), 0.5f * static_cast<float>(std::pow(10.0, -0.3)));
}

TEST_F(MixerGains, GainsSurviveStopAndPlay) {
    startWith(3000, 0);
    renderFrames(mixer, 64);
    mixer.stop(voice);
    mixer.play(voice, true);
    mixer.commit();
    renderFrames(mixer, 256);
    const auto out = renderFrames(mixer, 16);
    EXPECT_FLOAT_EQ(left(out, 0), 0.5f * static_cast<float>(std::pow(10.0, -1.5)));
    EXPECT_FLOAT_EQ(right(out, 0), 0.5f);
}

}  // namespace
}  // namespace gus
