// Replays every saved fuzzer input and every broken file of the audio tests through the decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/sdl/file_bytes.h"
#include "platform/sdl/wav_decoder.h"
#include "tests/audio/bad_wav_files.h"
#include "tests/fuzz/sound_checks.h"

namespace gus {
namespace {

// Seeds say in their names what they must give; whatever else the fuzzer kept (crash-*,
// regressions) need only give nothing or a sane sound.
enum class Expect { Sound, Nothing, Either };

Expect expectationOf(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    if (name.starts_with("ok-")) return Expect::Sound;
    if (name.starts_with("bad-")) return Expect::Nothing;
    return Expect::Either;
}

std::vector<std::filesystem::path> corpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(GUS_FUZZ_CORPUS_DIR)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
}

void checkSane(const DecodedSound& sound, const std::string& what) {
    EXPECT_EQ(fuzz::soundProblem(sound), "") << what;
    EXPECT_EQ(fuzz::playProblem(sound), "") << what;
}

TEST(FuzzCorpus, EverySavedInputGivesNothingOrASaneSoundThatPlays) {
    const std::vector<std::filesystem::path> files = corpusFiles();
    ASSERT_GE(files.size(), 20u) << "the seeds are missing from " << GUS_FUZZ_CORPUS_DIR;
    for (const std::filesystem::path& file : files) {
        const auto bytes = readSoundFile(file.string());
        ASSERT_TRUE(bytes.has_value()) << file;
        const auto sound = decodeWavBytes(*bytes);
        switch (expectationOf(file)) {
            case Expect::Sound:
                ASSERT_NE(sound, nullptr) << file;
                break;
            case Expect::Nothing:
                EXPECT_EQ(sound, nullptr) << file;
                break;
            case Expect::Either:
                break;
        }
        if (sound) checkSane(*sound, file.string());
    }
}

TEST(FuzzCorpus, TheBrokenFilesOfTheAudioTestsGiveNothing) {
    test::TempDir dir;
    for (const test::BadFile& bad : test::writeBadWavFiles(dir)) {
        const auto sound = decodeWavFile(bad.path);
        EXPECT_EQ(sound, nullptr) << bad.what;
        if (sound) checkSane(*sound, bad.what);
    }
}

}  // namespace
}  // namespace gus
