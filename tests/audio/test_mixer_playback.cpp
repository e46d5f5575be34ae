// Starting, stopping, looping and reloading voices, frame by frame.
#include <gtest/gtest.h>

#include "platform/sdl/mixer.h"
#include "tests/audio/mixer_fixtures.h"

namespace gus {
namespace {

using test::left;
using test::renderFrames;
using test::right;

class MixerPlayback : public ::testing::Test {
  protected:
    int startCounting(bool loop) {
        const int v = mixer.createVoice();
        mixer.load(v, &counting);
        mixer.play(v, loop);
        mixer.commit();
        return v;
    }
    static float countingLeft(std::size_t frame) { return static_cast<float>(frame + 1) / 1024.0f; }

    Mixer mixer;
    DecodedSound counting = test::countingSound(100);
};

TEST_F(MixerPlayback, LoopWrapsWithoutAGapAcrossBuffers) {
    startCounting(true);
    std::vector<float> heard;
    for (int buffer = 0; buffer < 10; ++buffer) {
        const auto out = renderFrames(mixer, 37);
        heard.insert(heard.end(), out.begin(), out.end());
    }
    for (std::size_t i = 0; i < 370; ++i) {
        ASSERT_EQ(left(heard, i), countingLeft(i % 100)) << i;
        ASSERT_EQ(right(heard, i), -countingLeft(i % 100)) << i;
    }
}

TEST_F(MixerPlayback, SoundPlayedOnceEndsAndIsNoLongerPlaying) {
    const int v = startCounting(false);
    const auto out = renderFrames(mixer, 256);
    EXPECT_EQ(left(out, 99), countingLeft(99));
    for (std::size_t i = 100; i < 256; ++i) ASSERT_EQ(left(out, i), 0.0f) << i;
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerPlayback, StopFadesToSilenceQuicklyAndRewinds) {
    DecodedSound ones = test::constantSound(1000, 1.0f);
    const int v = mixer.createVoice();
    mixer.load(v, &ones);
    mixer.play(v, true);
    mixer.commit();
    renderFrames(mixer, 100);
    mixer.stop(v);
    mixer.commit();
    EXPECT_FALSE(mixer.playing(v));
    const auto out = renderFrames(mixer, 256);
    EXPECT_GT(left(out, 0), 0.9f);  // no jump to zero: a click
    for (std::size_t i = 1; i < kFadeOutFrames; ++i) ASSERT_LT(left(out, i), left(out, i - 1)) << i;
    for (std::size_t i = kFadeOutFrames; i < 256; ++i) ASSERT_EQ(left(out, i), 0.0f) << i;
    EXPECT_LE(kFadeOutFrames, std::size_t{kMixRate * 3 / 1000});

    mixer.load(v, &counting);
    mixer.play(v, false);
    mixer.commit();
    EXPECT_EQ(left(renderFrames(mixer, 4), 0), countingLeft(0));
}

TEST_F(MixerPlayback, PlayAfterStopStartsAgainFromTheStart) {
    const int v = startCounting(true);
    renderFrames(mixer, 30);
    mixer.stop(v);
    mixer.commit();
    renderFrames(mixer, 256);
    mixer.play(v, true);
    mixer.commit();
    EXPECT_EQ(left(renderFrames(mixer, 4), 0), countingLeft(0));
}

TEST_F(MixerPlayback, PlayOnAPlayingVoiceChangesNothing) {
    const int v = startCounting(true);
    renderFrames(mixer, 30);
    mixer.play(v, false);  // neither restarts nor ends the loop
    mixer.commit();
    const auto out = renderFrames(mixer, 150);
    EXPECT_EQ(left(out, 0), countingLeft(30));
    EXPECT_EQ(left(out, 70), countingLeft(0));
    EXPECT_EQ(left(out, 149), countingLeft(79));
    EXPECT_TRUE(mixer.playing(v));
}

TEST_F(MixerPlayback, LoadHaltsAndTheNextPlayStartsTheNewSoundFromItsStart) {
    DecodedSound ones = test::constantSound(1000, 1.0f);
    const int v = mixer.createVoice();
    mixer.load(v, &ones);
    mixer.play(v, true);
    mixer.commit();
    renderFrames(mixer, 50);
    mixer.load(v, &counting);
    mixer.commit();
    EXPECT_FALSE(mixer.playing(v));
    renderFrames(mixer, 256);
    EXPECT_FALSE(mixer.playing(v));
    mixer.play(v, false);
    mixer.commit();
    EXPECT_EQ(left(renderFrames(mixer, 4), 0), countingLeft(0));
}

TEST_F(MixerPlayback, VoiceWithoutASoundStaysSilent) {
    const int v = mixer.createVoice();
    mixer.load(v, nullptr);
    mixer.play(v, true);
    mixer.commit();
    EXPECT_FALSE(mixer.playing(v));
    for (float sample : renderFrames(mixer, 64)) ASSERT_EQ(sample, 0.0f);
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerPlayback, DestroyedVoiceFallsSilentAndComesBackClean) {
    DecodedSound ones = test::constantSound(1000, 1.0f);
    const int v = mixer.createVoice();
    mixer.setGains(v, 0, -600);
    mixer.load(v, &ones);
    mixer.play(v, true);
    mixer.commit();
    renderFrames(mixer, 64);
    mixer.destroyVoice(v);
    mixer.commit();
    const auto out = renderFrames(mixer, 256);
    for (std::size_t i = kFadeOutFrames; i < 256; ++i) ASSERT_EQ(left(out, i), 0.0f) << i;

    const int again = mixer.createVoice();
    EXPECT_EQ(again, v);
    EXPECT_FALSE(mixer.playing(again));
    mixer.load(again, &ones);
    mixer.play(again, true);
    mixer.commit();
    EXPECT_EQ(left(renderFrames(mixer, 4), 0), 1.0f);  // the old voice's gains are gone
}

TEST_F(MixerPlayback, OperationsOnVoicesNotAliveDoNothing) {
    for (int v : {-1, 5, Mixer::kMaxVoices, 100000}) {
        mixer.load(v, &counting);
        mixer.play(v, true);
        mixer.setGains(v, 0, 0);
        mixer.stop(v);
        mixer.destroyVoice(v);
        EXPECT_FALSE(mixer.playing(v));
    }
    mixer.commit();
    for (float sample : renderFrames(mixer, 64)) ASSERT_EQ(sample, 0.0f);
}

TEST_F(MixerPlayback, HoldsAllItsVoicesAndMixesThemTogether) {
    DecodedSound share = test::constantSound(1000, 1.0f / 64.0f);
    std::vector<int> voices;
    for (int i = 0; i < Mixer::kMaxVoices; ++i) voices.push_back(mixer.createVoice());
    EXPECT_EQ(voices.back(), Mixer::kMaxVoices - 1);
    EXPECT_EQ(mixer.createVoice(), -1);
    for (int i = 0; i < 64; ++i) {
        mixer.load(voices[i], &share);
        mixer.play(voices[i], true);
    }
    mixer.commit();
    const auto out = renderFrames(mixer, 32);
    EXPECT_FLOAT_EQ(left(out, 10), 1.0f);
    EXPECT_FLOAT_EQ(right(out, 10), 1.0f);
}

}  // namespace
}  // namespace gus
