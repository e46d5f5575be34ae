// The mixer frame by frame: playing, looping, stopping, gains that glide, and the hand-over ring
// that makes each event's commands appear whole or not at all.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/mixer/mixer.h"

namespace gus {
namespace {

constexpr std::size_t k3ms = kMixRate * 3 / 1000;

class MixerTest : public ::testing::Test {
  protected:
    static float counting(std::size_t f) { return static_cast<float>(f + 1) / 1024.0f; }
    static float gain(double cB) { return static_cast<float>(std::pow(10.0, cB / 2000)); }
    static DecodedSound constant(std::size_t frames, float value) {
        return DecodedSound(std::vector<float>(frames * kMixChannels, value));
    }
    int start(const DecodedSound& sound, bool loop, int balance = 0, int volume = 0) {
        const int v = mixer.createVoice();
        mixer.setGains(v, balance, volume);
        play(v, &sound, loop);
        return v;
    }
    void play(int v, const DecodedSound* s, bool loop) {
        if (s) mixer.load(v, s);
        mixer.play(v, loop);
        mixer.commit();
    }
    void stop(int v) { mixer.stop(v), mixer.commit(), render(256); }
    // The next `frames` frames, interleaved: the left side of frame i at 2i.
    std::vector<float> render(std::size_t frames, std::int64_t stamp = 1) {
        std::vector<float> out(frames * kMixChannels, 0.0f);
        return mixer.render(out.data(), frames, stamp), out;
    }
    static void expectSilentFrom(const std::vector<float>& out, std::size_t frame) {
        for (std::size_t i = 2 * frame; i < out.size(); ++i) ASSERT_EQ(out[i], 0.0f) << i / 2;
    }
    Mixer mixer;
    DecodedSound count = [] {  // frame i: counting(i) on the left, its negative on the right
        std::vector<float> s;
        for (std::size_t i = 0; i < 100; ++i) s.insert(s.end(), {counting(i), -counting(i)});
        return DecodedSound(std::move(s));
    }();
    DecodedSound ones = constant(1000, 1.0f), half = constant(1000, 0.5f);
};

TEST_F(MixerTest, LoopWrapsWithoutAGapAcrossBuffersAndPlayOnAPlayingVoiceChangesNothing) {
    const int v = start(count, true);
    for (std::size_t i = 0; i < 370; i += 37) {
        if (i == 74) play(v, nullptr, false);  // neither restarts nor ends the loop
        const auto out = render(37);
        for (std::size_t j = 0; j < 37; ++j)
            ASSERT_EQ(std::pair(out[2 * j], out[2 * j + 1]),
                      std::pair(counting((i + j) % 100), -counting((i + j) % 100)))
                << i + j;
    }
    EXPECT_TRUE(mixer.playing(v));
    stop(v);
    const int once = start(count, false);  // played once, it ends
    const auto out = render(256);
    EXPECT_EQ(out[2 * 99], counting(99));
    expectSilentFrom(out, 100);
    EXPECT_FALSE(mixer.playing(once));
}

TEST_F(MixerTest, StopAndLoadFadeOutWithinThreeMillisecondsAndTheNextPlayStartsFromTheStart) {
    const int v = start(ones, true);
    render(100);
    mixer.stop(v);
    EXPECT_FALSE(mixer.playing(v)) << "a queued stop counts at once";
    mixer.commit();
    const auto out = render(256);
    EXPECT_GT(out[0], 0.9f);  // no jump to zero: a click
    for (std::size_t i = 1; i < kFadeOutFrames; ++i) ASSERT_LT(out[2 * i], out[2 * i - 2]) << i;
    expectSilentFrom(out, k3ms);
    play(v, &count, true);  // a new sound starts from its start, and so does a play after a stop
    EXPECT_EQ(render(30)[0], counting(0));
    stop(v);
    play(v, nullptr, true);
    EXPECT_EQ(render(30)[0], counting(0));
    mixer.load(v, &ones), mixer.commit(), render(256);  // a load halts it until the next play
    EXPECT_FALSE(mixer.playing(v));
}

// A voice with no file, or one closed, must never sound: its channel is simply quiet.
TEST_F(MixerTest, VoiceWithoutASoundClosedVoicesAndVoicesNotAliveStaySilent) {
    const int empty = start(count, true), closed = start(ones, true, 0, -600);
    render(64);
    mixer.load(empty, nullptr);
    mixer.play(empty, true);
    mixer.destroyVoice(closed);
    for (int dead : {-1, closed, Mixer::kMaxVoices, 100000}) {
        mixer.load(dead, &count), mixer.play(dead, true), mixer.setGains(dead, 0, 0);
        mixer.stop(dead), mixer.destroyVoice(dead);
        EXPECT_FALSE(mixer.playing(dead));
    }
    mixer.commit();
    expectSilentFrom(render(256), k3ms);
    EXPECT_FALSE(mixer.playing(empty));
    EXPECT_EQ(mixer.createVoice(), closed);  // and comes back clean: its gains are gone
    play(closed, &ones, true);
    EXPECT_EQ(render(4)[0], 1.0f);
}

TEST_F(MixerTest, GainsFollowTheLawFromTheFirstFrameAndChangesGlideWithinThreeMs) {
    // clang-format off
    const struct { int balance, volume; float left, right; } cases[] = {
        {3000, 0, gain(-3000), 1.0f}, {-3000, 0, 1.0f, gain(-3000)}, {0, -600, gain(-600), gain(-600)},
        {-1000, -2000, 0.1f, gain(-3000)}, {-20000, 600, 1.0f, 1e-5f}, {0, -10000, 0.0f, 0.0f}};
    // clang-format on
    for (const auto& c : cases) {
        const int v = start(half, true, c.balance, c.volume);
        const auto out = render(256);
        for (std::size_t i : {0, 510}) {
            EXPECT_FLOAT_EQ(out[i], 0.5f * c.left) << c.balance << ", " << c.volume;
            EXPECT_FLOAT_EQ(out[i + 1], 0.5f * c.right) << c.balance << ", " << c.volume;
        }
        mixer.destroyVoice(v), mixer.commit(), render(256);
    }
    const int v = start(half, true);
    render(64);
    mixer.setGains(v, 0, -600), mixer.commit();
    const auto out = render(256);
    const float target = 0.5f * gain(-600);
    EXPECT_TRUE(out[0] < 0.5f && out[0] > target) << "moving from the first frame";
    for (std::size_t i = 1; i < kGainRampFrames; ++i) ASSERT_LE(out[2 * i], out[2 * i - 2]) << i;
    for (std::size_t i = 2 * k3ms; i < out.size(); ++i) ASSERT_FLOAT_EQ(out[i], target);
    stop(v);  // the gains outlive a stop and a play
    play(v, nullptr, true);
    EXPECT_FLOAT_EQ(render(16)[0], target);
}

// Voices sum; a queued play counts as playing; the stamp is that of the buffer that started it.
TEST_F(MixerTest, CommandsApplyOnlyOnceCommittedAndThoseCommittedTogetherStartTogether) {
    DecodedSound twos = constant(1000, 2.0f), brief = constant(10, 1.0f);
    const int a = mixer.createVoice(), b = mixer.createVoice(), c = mixer.createVoice();
    for (const auto& [v, sound] : {std::pair{a, &ones}, {b, &twos}, {c, &brief}})
        mixer.load(v, sound), mixer.play(v, v != c);
    EXPECT_TRUE(mixer.playing(c));
    for (float sample : render(64, 1)) ASSERT_EQ(sample, 0.0f);
    EXPECT_EQ(mixer.firstFrameStamp(a), 0);
    mixer.commit();
    EXPECT_EQ(render(64, 2)[0], 4.0f);
    EXPECT_EQ(std::pair(mixer.firstFrameStamp(a), mixer.firstFrameStamp(b)), std::pair(2L, 2L));
    EXPECT_FALSE(mixer.playing(c)) << "its ten frames are over";
}

// However the two threads interleave; the ring of eight goes round a hundred and fifty times.
TEST_F(MixerTest, EventsCommittedWhileTheAudioThreadRunsAreNeverSplit) {
    Mixer small(8);
    const int a = small.createVoice(), b = small.createVoice();
    std::atomic<bool> running{true};
    std::thread audio([&] {
        std::vector<float> buffer(64 * kMixChannels);
        for (std::int64_t stamp = 1; running; ++stamp, std::this_thread::yield())
            small.render(buffer.data(), 64, stamp);
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    const auto waitWhile = [&](auto busy) {
        while (busy() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    };
    int events = 0, split = 0;
    for (; events < 300 && std::chrono::steady_clock::now() < deadline; ++events) {
        const std::int64_t before = small.firstFrameStamp(a);
        for (int v : {a, b}) small.load(v, &ones), small.play(v, false);
        small.commit();
        waitWhile([&] { return small.firstFrameStamp(a) == before; });
        const std::uint64_t seen = small.renders();  // past the event's buffer once this moves
        waitWhile([&] { return small.renders() == seen; });
        split += small.firstFrameStamp(a) != small.firstFrameStamp(b);
    }
    running = false, audio.join();
    EXPECT_EQ(std::pair(split, events), std::pair(0, 300))
        << "split, or the audio thread fell behind";
}

// Sixteen slots from the twelve asked for: the first sixteen commands are kept, in order.
TEST_F(MixerTest, FullRingDropsCommandsWithoutBlockingAndADroppedPlayIsNotPlaying) {
    Mixer small(12);
    const int v = small.createVoice();
    for (int i = 0; i < 40; ++i) small.setGains(v, 0, -i);
    small.load(v, &ones), small.play(v, true);
    EXPECT_FALSE(small.playing(v));
    EXPECT_EQ(small.droppedCommands(), 26u);
    std::vector<float> out(16, 0.0f);
    for (std::int64_t stamp : {1, 2})
        small.commit(), small.render(out.data(), 8, stamp), small.load(v, &ones),
            small.play(v, true);
    EXPECT_FLOAT_EQ(out[0], gain(-15));
}

}  // namespace
}  // namespace gus
