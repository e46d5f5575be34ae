// The hand-over ring: batches appear whole, and a full ring drops instead of waiting.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/command_ring.h"

namespace gus {
namespace {

std::vector<int> drainVoices(CommandRing& ring) {
    std::vector<int> voices;
    ring.drain([&](const Command& c) { voices.push_back(c.voice); });
    return voices;
}

Command stopOf(int voice) {
    return Command{CommandKind::Stop, false, voice, 0, 0, nullptr};
}

TEST(CommandRing, NothingIsSeenBeforePublish) {
    CommandRing ring(8);
    ASSERT_TRUE(ring.push(stopOf(1)));
    ASSERT_TRUE(ring.push(stopOf(2)));
    EXPECT_TRUE(drainVoices(ring).empty());
    ring.publish();
    EXPECT_EQ(drainVoices(ring), (std::vector<int>{1, 2}));
    EXPECT_EQ(ring.consumed(), 2u);
}

TEST(CommandRing, LaterPushesWaitForTheirOwnPublish) {
    CommandRing ring(8);
    ring.push(stopOf(1));
    ring.publish();
    ring.push(stopOf(2));
    EXPECT_EQ(drainVoices(ring), (std::vector<int>{1}));
    ring.publish();
    EXPECT_EQ(drainVoices(ring), (std::vector<int>{2}));
}

TEST(CommandRing, CapacityIsRoundedUpToAPowerOfTwo) {
    EXPECT_EQ(CommandRing(5).capacity(), 8u);
    EXPECT_EQ(CommandRing(8192).capacity(), 8192u);
}

TEST(CommandRing, FullRingDropsWithoutBlocking) {
    CommandRing ring(4);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(ring.push(stopOf(i)));
    EXPECT_FALSE(ring.push(stopOf(99)));
    ring.publish();
    EXPECT_EQ(drainVoices(ring), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(ring.push(stopOf(4)));
}

TEST(CommandRing, WrapsAroundManyTimesInOrder) {
    CommandRing ring(4);
    int next = 0;
    for (int round = 0; round < 10; ++round) {
        std::vector<int> expected;
        for (int i = 0; i < 3; ++i, ++next) {
            ASSERT_TRUE(ring.push(stopOf(next)));
            expected.push_back(next);
        }
        ring.publish();
        EXPECT_EQ(drainVoices(ring), expected);
    }
}

}  // namespace
}  // namespace gus
