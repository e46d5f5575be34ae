// Replays every saved fuzzer input through the decoder and a mixer of its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sdl/file_bytes.h"
#include "platform/sdl/wav_decoder.h"
#include "tests/fuzz/sound_checks.h"

namespace gus {
namespace {

// Seeds say in their names what they must give (ok-: a sound, bad-: nothing); whatever else the
// fuzzer kept need only give nothing or a sane sound.
TEST(FuzzCorpus, EverySavedInputGivesNothingOrASaneSoundThatPlays) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GUS_FUZZ_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        ++files;
        const auto bytes = readSoundFile(entry.path().string());
        ASSERT_TRUE(bytes.has_value()) << name;
        const auto sound = decodeWavBytes(*bytes);
        if (name.starts_with("ok-")) {
            EXPECT_NE(sound, nullptr) << name;
        }
        if (name.starts_with("bad-")) {
            EXPECT_EQ(sound, nullptr) << name;
        }
        if (sound) {
            EXPECT_EQ(fuzz::soundProblem(*sound), "") << name;
        }
    }
    EXPECT_GE(files, 20) << "the seeds are missing from " << GUS_FUZZ_CORPUS_DIR;
}

}  // namespace
}  // namespace gus
