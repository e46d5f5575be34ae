// The cache decodes a path once, failures included.
#include <gtest/gtest.h>

#include <map>

#include "platform/sdl/sound_cache.h"

namespace gus {
namespace {

class CountingDecoder {
  public:
    std::unique_ptr<const DecodedSound> operator()(const std::string& path) {
        ++calls[path];
        if (path == "broken.wav") return nullptr;
        return std::make_unique<const DecodedSound>(std::vector<float>(8, 0.25f));
    }
    std::map<std::string, int> calls;
};

TEST(SoundCache, DecodesEachPathOnceAndKeepsTheSameSound) {
    CountingDecoder decoder;
    SoundCache cache([&](const std::string& p) { return decoder(p); });
    const DecodedSound* first = cache.get("a.wav");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.get("a.wav"), first);
    EXPECT_NE(cache.get("b.wav"), first);
    EXPECT_EQ(decoder.calls["a.wav"], 1);
    EXPECT_EQ(cache.size(), 2u);
}

TEST(SoundCache, RemembersFailures) {
    CountingDecoder decoder;
    SoundCache cache([&](const std::string& p) { return decoder(p); });
    EXPECT_EQ(cache.get("broken.wav"), nullptr);
    EXPECT_EQ(cache.get("broken.wav"), nullptr);
    EXPECT_EQ(decoder.calls["broken.wav"], 1);
}

}  // namespace
}  // namespace gus
