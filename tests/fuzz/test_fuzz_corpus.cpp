// Replays every saved fuzzer input through the decoder and a mixer of its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sdl/file_bytes.h"
#include "platform/sdl/wav_decoder.h"

namespace gus {
namespace fuzz {
std::string soundProblem(const DecodedSound& sound);  // fuzz_wav.cpp
}
namespace {

// Seeds say in their names what they must give (ok-: a sound, bad-: nothing); whatever else the
// fuzzer kept need only give nothing or a sane sound.
TEST(FuzzCorpus, EverySavedInputGivesNothingOrASaneSoundThatPlays) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GUS_FUZZ_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        const auto bytes = readSoundFile(entry.path().string());
        ASSERT_TRUE(bytes.has_value()) << name;
        const auto sound = decodeWavBytes(*bytes);
        EXPECT_FALSE(name.starts_with("ok-") && !sound) << name;
        EXPECT_FALSE(name.starts_with("bad-") && sound) << name;
        EXPECT_EQ(sound ? fuzz::soundProblem(*sound) : "", "") << name;
        ++files;
    }
    EXPECT_GE(files, 39) << "the seeds are missing from " << GUS_FUZZ_CORPUS_DIR;
}

}  // namespace
}  // namespace gus
