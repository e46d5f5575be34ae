// The mixer frame by frame: playing, looping, stopping, gains that glide, and the hand-over ring
// that makes each event's commands appear whole or not at all.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/sdl/command_ring.h"
#include "platform/sdl/mixer.h"

namespace gus {
namespace {

DecodedSound constantSound(std::size_t frames, float value) {
    return DecodedSound(std::vector<float>(frames * kMixChannels, value));
}

// Frame i holds (i + 1) / 1024 on the left and its negative on the right.
float counting(std::size_t frame) {
    return static_cast<float>(frame + 1) / 1024.0f;
}

DecodedSound countingSound() {
    std::vector<float> samples;
    for (std::size_t i = 0; i < 100; ++i)
        samples.insert(samples.end(), {counting(i), -counting(i)});
    return DecodedSound(std::move(samples));
}

const float kMinus6Db = static_cast<float>(std::pow(10.0, -0.3));
const float kMinus30Db = static_cast<float>(std::pow(10.0, -1.5));

class MixerTest : public ::testing::Test {
  protected:
    int start(const DecodedSound& sound, bool loop, int balance = 0, int volume = 0) {
        const int v = mixer.createVoice();
        mixer.setGains(v, balance, volume);
        mixer.load(v, &sound);
        mixer.play(v, loop);
        mixer.commit();
        return v;
    }
    void restart(int v, const DecodedSound* sound, bool loop) {
        if (sound) mixer.load(v, sound);
        mixer.play(v, loop);
        mixer.commit();
    }
    // The left side of the next `frames` frames; the right side goes to `right`.
    std::vector<float> render(std::size_t frames, std::int64_t stamp = 1) {
        std::vector<float> out(frames * kMixChannels, 0.0f);
        mixer.render(out.data(), frames, stamp);
        right.clear();
        std::vector<float> left;
        for (std::size_t i = 0; i < frames; ++i) {
            left.push_back(out[2 * i]);
            right.push_back(out[2 * i + 1]);
        }
        return left;
    }
    Mixer mixer;
    DecodedSound count = countingSound();
    DecodedSound ones = constantSound(1000, 1.0f), half = constantSound(1000, 0.5f);
    std::vector<float> right;
};

// --- playing ------------------------------------------------------------------------------

TEST_F(MixerTest, LoopWrapsWithoutAGapAcrossBuffersAndPlayOnAPlayingVoiceChangesNothing) {
    const int v = start(count, true);
    for (std::size_t i = 0; i < 370; i += 37) {
        if (i == 74) restart(v, nullptr, false);  // neither restarts nor ends the loop
        const auto left = render(37);
        for (std::size_t j = 0; j < 37; ++j) {
            ASSERT_EQ(left[j], counting((i + j) % 100)) << i + j;
            ASSERT_EQ(right[j], -counting((i + j) % 100)) << i + j;
        }
    }
    EXPECT_TRUE(mixer.playing(v));
}

TEST_F(MixerTest, SoundPlayedOnceEndsAndIsNoLongerPlaying) {
    const int v = start(count, false);
    const auto left = render(256);
    EXPECT_EQ(left[99], counting(99));
    for (std::size_t i = 100; i < 256; ++i) ASSERT_EQ(left[i], 0.0f) << i;
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerTest, StopFadesOutQuicklyAndTheNextPlayStartsFromTheStart) {
    const int v = start(ones, true);
    render(100);
    mixer.stop(v);
    EXPECT_FALSE(mixer.playing(v)) << "a queued stop counts at once";
    mixer.commit();
    const auto left = render(256);
    EXPECT_GT(left[0], 0.9f);  // no jump to zero: a click
    for (std::size_t i = 1; i < kFadeOutFrames; ++i) ASSERT_LT(left[i], left[i - 1]) << i;
    for (std::size_t i = kFadeOutFrames; i < 256; ++i) ASSERT_EQ(left[i], 0.0f) << i;
    EXPECT_LE(kFadeOutFrames, std::size_t{kMixRate * 3 / 1000});
    restart(v, &count, true);  // a load halts the voice; the next play starts the new sound
    EXPECT_EQ(render(30)[0], counting(0));
    mixer.stop(v);
    mixer.commit();
    render(256);
    restart(v, nullptr, true);  // and a play after a stop starts from the start
    EXPECT_EQ(render(4)[0], counting(0));
}

TEST_F(MixerTest, LoadHaltsUntilTheNextPlay) {
    const int v = start(ones, true);
    render(50);
    mixer.load(v, &count);
    mixer.commit();
    render(256);
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerTest, VoiceWithoutASoundAndVoicesNotAliveStaySilent) {
    const int v = start(count, true);
    mixer.load(v, nullptr);
    mixer.play(v, true);
    for (int dead : {-1, 5, Mixer::kMaxVoices, 100000}) {
        mixer.load(dead, &count);
        mixer.play(dead, true);
        mixer.setGains(dead, 0, 0);
        mixer.stop(dead);
        mixer.destroyVoice(dead);
        EXPECT_FALSE(mixer.playing(dead));
    }
    mixer.commit();
    for (float sample : render(64)) ASSERT_EQ(sample, 0.0f);
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerTest, DestroyedVoiceFallsSilentAndComesBackClean) {
    const int v = start(ones, true, 0, -600);
    render(64);
    mixer.destroyVoice(v);
    mixer.commit();
    const auto left = render(256);
    for (std::size_t i = kFadeOutFrames; i < 256; ++i) ASSERT_EQ(left[i], 0.0f) << i;
    const int again = mixer.createVoice();
    EXPECT_EQ(again, v);
    EXPECT_FALSE(mixer.playing(again));
    restart(again, &ones, true);
    EXPECT_EQ(render(4)[0], 1.0f);  // the old voice's gains are gone
}

TEST_F(MixerTest, HoldsAllItsVoicesAndMixesThemTogether) {
    DecodedSound share = constantSound(1000, 1.0f / 64.0f);
    for (int i = 0; i < Mixer::kMaxVoices; ++i) {
        const int v = mixer.createVoice();
        ASSERT_EQ(v, i);
        if (i < 64) restart(v, &share, true);
    }
    EXPECT_EQ(mixer.createVoice(), -1);
    EXPECT_FLOAT_EQ(render(32)[10], 1.0f);
    EXPECT_FLOAT_EQ(right[10], 1.0f);
}

// --- gains --------------------------------------------------------------------------------

TEST_F(MixerTest, GainsFollowTheLawAndApplyFromTheFirstFrame) {
    // clang-format off
    const struct { int balance, volume; float left, right; } cases[] = {
        {3000, 0, kMinus30Db, 1.0f}, {-3000, 0, 1.0f, kMinus30Db}, {0, -600, kMinus6Db, kMinus6Db},
        {-1000, -2000, 0.1f, kMinus30Db}, {-20000, 600, 1.0f, 1e-5f}, {0, -10000, 0.0f, 0.0f}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.balance << ", " << c.volume);
        const int v = start(half, true, c.balance, c.volume);
        const auto left = render(256);
        for (std::size_t i : {std::size_t{0}, std::size_t{255}}) {
            EXPECT_FLOAT_EQ(left[i], 0.5f * c.left);
            EXPECT_FLOAT_EQ(right[i], 0.5f * c.right);
        }
        EXPECT_TRUE(mixer.playing(v));
        mixer.destroyVoice(v);
        mixer.commit();
        render(256);
    }
}

TEST_F(MixerTest, ChangeOnAPlayingSoundGlidesToItsTargetAndSurvivesStopAndPlay) {
    const int v = start(half, true);
    render(64);
    mixer.setGains(v, 0, -600);
    mixer.commit();
    const auto left = render(256);
    const float target = 0.5f * kMinus6Db;
    EXPECT_LT(left[0], 0.5f);  // already moving in the first frame of the buffer
    EXPECT_GT(left[0], target);
    for (std::size_t i = 1; i < kGainRampFrames; ++i) ASSERT_LE(left[i], left[i - 1]) << i;
    for (std::size_t i = kGainRampFrames - 1; i < 256; ++i) ASSERT_FLOAT_EQ(left[i], target) << i;
    EXPECT_LT(kGainRampFrames, std::size_t{kMixRate * 3 / 1000});  // under 3 ms
    mixer.stop(v);
    restart(v, nullptr, true);
    render(256);
    EXPECT_FLOAT_EQ(render(16)[0], target);
}

// --- the hand-over ------------------------------------------------------------------------

TEST_F(MixerTest, CommandsApplyOnlyOnceCommittedAndThoseCommittedTogetherStartTogether) {
    DecodedSound twos = constantSound(1000, 2.0f), brief = constantSound(10, 1.0f);
    const int a = mixer.createVoice(), b = mixer.createVoice(), c = mixer.createVoice();
    mixer.load(a, &ones);
    mixer.load(b, &twos);
    mixer.load(c, &brief);
    mixer.commit();
    mixer.play(a, true);
    mixer.play(b, true);
    mixer.play(c, false);
    EXPECT_TRUE(mixer.playing(c)) << "a queued play counts as playing";
    for (float sample : render(64, 1)) ASSERT_EQ(sample, 0.0f);
    EXPECT_EQ(mixer.firstFrameStamp(a), 0);
    mixer.commit();
    EXPECT_EQ(render(64, 2)[0], 4.0f);
    EXPECT_EQ(mixer.firstFrameStamp(a), 2);
    EXPECT_EQ(mixer.firstFrameStamp(b), 2);
    EXPECT_FALSE(mixer.playing(c)) << "its ten frames are over";
}

TEST_F(MixerTest, EventsCommittedWhileTheAudioThreadRunsAreNeverSplit) {
    const int a = start(ones, false), b = start(ones, false);
    std::atomic<bool> running{true};
    std::thread audio([&] {
        for (std::int64_t stamp = 1; running.load(); ++stamp) {
            std::vector<float> buffer(64 * kMixChannels);
            mixer.render(buffer.data(), 64, stamp);
            std::this_thread::yield();
        }
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    const auto waitWhile = [&](auto cond) {
        while (cond() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    };
    int events = 0;
    for (; events < 300 && std::chrono::steady_clock::now() < deadline; ++events) {
        const std::int64_t before = mixer.firstFrameStamp(a);
        mixer.stop(a);
        mixer.stop(b);
        mixer.play(a, false);
        mixer.play(b, false);
        mixer.commit();
        waitWhile([&] { return mixer.firstFrameStamp(a) == before; });
        const std::uint64_t seen = mixer.renders();  // past the event's buffer once this moves
        waitWhile([&] { return mixer.renders() == seen; });
        ASSERT_EQ(mixer.firstFrameStamp(a), mixer.firstFrameStamp(b)) << "event " << events;
    }
    running = false;
    audio.join();
    EXPECT_EQ(events, 300) << "the audio thread did not keep up within the deadline";
}

TEST_F(MixerTest, FullRingDropsCommandsWithoutBlockingAndADroppedPlayIsNotPlaying) {
    Mixer small(16);
    const int v = small.createVoice();
    for (int i = 0; i < 40; ++i) small.setGains(v, 0, -i);
    small.load(v, &ones);
    small.play(v, true);
    EXPECT_FALSE(small.playing(v));
    EXPECT_EQ(small.droppedCommands(), 26u);
    small.commit();
    std::vector<float> out(16, 0.0f);
    small.render(out.data(), 8, 1);
    small.load(v, &ones);
    small.play(v, true);
    small.commit();
    small.render(out.data(), 8, 2);
    // The first sixteen were kept, the last of them being Volume -15.
    EXPECT_FLOAT_EQ(out[0], static_cast<float>(std::pow(10.0, -15 / 2000.0)));
}

TEST(CommandRing, HoldsAPowerOfTwoAndHandsOverPublishedBatchesInOrderRoundAndRound) {
    EXPECT_EQ(CommandRing(5).capacity(), 8u);
    CommandRing ring(4);
    std::vector<int> seen;
    const auto drain = [&] { ring.drain([&](const Command& c) { seen.push_back(c.voice); }); };
    for (int next = 0, round = 0; round < 10; ++round) {
        for (int i = 0; i < 3; ++i, ++next)
            ASSERT_TRUE(ring.push(Command{CommandKind::Stop, false, next, 0, 0, nullptr}));
        drain();
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(3 * round)) << "nothing before its publish";
        ring.publish();
        drain();
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(ring.push(Command{CommandKind::Stop, false, 30 + i, 0, 0, nullptr}));
    EXPECT_FALSE(ring.push(Command{CommandKind::Stop, false, 99, 0, 0, nullptr}));
    ring.publish();
    drain();
    for (int i = 0; i < 34; ++i) EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(ring.consumed(), 34u);
}

}  // namespace
}  // namespace gus
