// UI-to-audio hand-over: whole events or nothing, and a full ring drops, never waits.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/sdl/mixer.h"
#include "tests/audio/mixer_fixtures.h"

namespace gus {
namespace {

using test::left;
using test::renderFrames;

class MixerHandover : public ::testing::Test {
  protected:
    int loadedVoice(const DecodedSound& sound) {
        const int v = mixer.createVoice();
        mixer.load(v, &sound);
        return v;
    }
    Mixer mixer;
    DecodedSound ones = test::constantSound(1000, 1.0f);
    DecodedSound twos = test::constantSound(1000, 2.0f);
};

TEST_F(MixerHandover, SoundsCommittedTogetherStartInTheSameBuffer) {
    const int a = loadedVoice(ones);
    const int b = loadedVoice(twos);
    mixer.commit();
    renderFrames(mixer, 64, 1);
    mixer.play(a, true);
    mixer.play(b, true);
    mixer.commit();
    const auto out = renderFrames(mixer, 64, 2);
    EXPECT_EQ(mixer.firstFrameStamp(a), 2);
    EXPECT_EQ(mixer.firstFrameStamp(b), 2);
    EXPECT_EQ(left(out, 0), 3.0f);
}

TEST_F(MixerHandover, UncommittedOperationsAreNotApplied) {
    const int v = loadedVoice(ones);
    mixer.play(v, true);
    for (float sample : renderFrames(mixer, 64, 1)) ASSERT_EQ(sample, 0.0f);
    EXPECT_EQ(mixer.firstFrameStamp(v), 0);
    mixer.commit();
    EXPECT_EQ(left(renderFrames(mixer, 64, 2), 0), 1.0f);
    EXPECT_EQ(mixer.firstFrameStamp(v), 2);
}

TEST_F(MixerHandover, QueuedPlayCountsAsPlayingUntilTheAudioSideDecides) {
    DecodedSound shortSound = test::constantSound(10, 1.0f);
    const int v = loadedVoice(shortSound);
    mixer.commit();
    EXPECT_FALSE(mixer.playing(v));
    mixer.play(v, false);
    EXPECT_TRUE(mixer.playing(v));  // not even committed yet
    mixer.commit();
    EXPECT_TRUE(mixer.playing(v));
    renderFrames(mixer, 64);  // the ten frames are over
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerHandover, QueuedStopCountsAsStoppedAtOnce) {
    const int v = loadedVoice(ones);
    mixer.play(v, true);
    mixer.commit();
    renderFrames(mixer, 64);
    EXPECT_TRUE(mixer.playing(v));
    mixer.stop(v);
    EXPECT_FALSE(mixer.playing(v));
}

TEST_F(MixerHandover, EventsCommittedWhileTheAudioThreadRunsAreNeverSplit) {
    const int a = loadedVoice(ones);
    const int b = loadedVoice(twos);
    mixer.commit();
    std::atomic<bool> running{true};
    std::thread audio([&] {
        std::vector<float> buffer(64 * kMixChannels);
        for (std::int64_t stamp = 1; running.load(); ++stamp) {
            mixer.render(buffer.data(), 64, stamp);
            std::this_thread::yield();
        }
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int events = 0;
    for (; events < 300 && std::chrono::steady_clock::now() < deadline; ++events) {
        const std::int64_t before = mixer.firstFrameStamp(a);
        mixer.stop(a);
        mixer.stop(b);
        mixer.play(a, false);
        mixer.play(b, false);
        mixer.commit();
        while (mixer.firstFrameStamp(a) == before && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
        }
        // The audio thread is past the event's buffer once the count moves on.
        const std::uint64_t seen = mixer.renders();
        while (mixer.renders() == seen && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
        }
        ASSERT_EQ(mixer.firstFrameStamp(a), mixer.firstFrameStamp(b)) << "event " << events;
    }
    running = false;
    audio.join();
    EXPECT_EQ(events, 300) << "the audio thread did not keep up within the deadline";
}

TEST_F(MixerHandover, FullRingDropsCommandsWithoutBlocking) {
    Mixer small(16);
    const int v = small.createVoice();
    for (int i = 0; i < 40; ++i) small.setGains(v, 0, -i);
    EXPECT_EQ(small.droppedCommands(), 24u);
    small.commit();
    renderFrames(small, 64);
    small.load(v, &ones);
    small.play(v, true);
    small.commit();
    EXPECT_EQ(small.droppedCommands(), 24u);
    // The first sixteen were kept, the last of them being Volume -15.
    EXPECT_FLOAT_EQ(left(renderFrames(small, 8), 0),
                    static_cast<float>(std::pow(10.0, -15 / 2000.0)));
}

TEST_F(MixerHandover, DroppedPlayIsNotReportedAsPlaying) {
    Mixer small(2);
    const int v = small.createVoice();
    small.load(v, &ones);
    small.setGains(v, 0, 0);
    small.play(v, true);  // the ring is full: dropped
    EXPECT_EQ(small.droppedCommands(), 1u);
    EXPECT_FALSE(small.playing(v));
}

}  // namespace
}  // namespace gus
