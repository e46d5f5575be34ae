// Decoding to the mixer's format, and refusing everything that is not a trustworthy WAV file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/sdl/wav_decoder.h"
#include "tests/audio/bad_wav_files.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

TEST(WavDecoder, MonoAt48kBecomesTheSameSampleOnBothSides) {
    const std::vector<std::int16_t> pcm = test::sine(1000.0, 0.5, 48000, 480);
    const auto sound = decodeWavBytes(test::wavBytes({}, pcm));
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->frames(), pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        ASSERT_FLOAT_EQ(sound->frame(i)[0], pcm[i] / 32768.0f) << i;
        ASSERT_FLOAT_EQ(sound->frame(i)[1], pcm[i] / 32768.0f) << i;
    }
}

TEST(WavDecoder, StereoKeepsItsSides) {
    std::vector<std::int16_t> pcm;
    for (int i = 0; i < 100; ++i) {
        pcm.push_back(1000);
        pcm.push_back(-2000);
    }
    const auto sound = decodeWavBytes(test::wavBytes({.channels = 2}, pcm));
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->frames(), 100u);
    EXPECT_FLOAT_EQ(sound->frame(50)[0], 1000 / 32768.0f);
    EXPECT_FLOAT_EQ(sound->frame(50)[1], -2000 / 32768.0f);
}

TEST(WavDecoder, OtherRatesAreConvertedTo48k) {
    const auto sound =
        decodeWavBytes(test::wavBytes({.rate = 22050}, test::sine(440, 0.5, 22050, 22050)));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 48000u);
    float tailPeak = 0.0f;  // the end of the sound is kept, not lost in the resampler
    for (std::size_t i = 47900; i < 48000; ++i) tailPeak = std::max(tailPeak, sound->frame(i)[0]);
    EXPECT_GT(tailPeak, 0.4f);
}

TEST(WavDecoder, FloatFileKeepsItsSamples) {
    const auto sound = decodeWavBytes(test::floatWavBytes(std::vector<float>(100, 0.25f)));
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->frames(), 100u);
    EXPECT_FLOAT_EQ(sound->frame(50)[0], 0.25f);
    EXPECT_FLOAT_EQ(sound->frame(50)[1], 0.25f);
}

// One such sample mixed into the output would ruin every other voice playing with it.
TEST(WavDecoder, FloatFileWithANonNumberOrAbsurdSampleGivesNothing) {
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity(), 1e30f, -100.0f}) {
        std::vector<float> samples(100, 0.25f);
        samples[60] = bad;
        EXPECT_EQ(decodeWavBytes(test::floatWavBytes(samples)), nullptr) << bad;
    }
}

// SDL reads the first format chunk; a second one must not vouch for the first.
TEST(WavDecoder, FirstOfTwoFormatChunksAtOneHertzGivesNothing) {
    std::vector<unsigned char> bytes = test::goodWav(400);
    const std::vector<unsigned char> oneHertz =
        test::wavBytes({.rate = 1, .bits = 8}, {});  // its "fmt " chunk is bytes 12 to 35
    bytes.insert(bytes.begin() + 12, oneHertz.begin() + 12, oneHertz.begin() + 36);
    const std::uint32_t riffBytes = 36 + 400 * 2 + 24;  // the RIFF size counts the new chunk
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<unsigned char>(riffBytes >> (8 * i));
    EXPECT_EQ(decodeWavBytes(bytes), nullptr);
}

TEST(WavDecoder, RiffSizeIsIgnoredAsManyWritersGetItWrong) {
    EXPECT_NE(
        decodeWavBytes(test::wavBytes({.declaredRiffBytes = 0}, test::sine(1000, 0.5, 48000, 480))),
        nullptr);
}

TEST(WavDecoder, ReadsAGoodFileFromDisk) {
    test::TempDir dir;
    test::writeFile(dir.file("good.wav"), test::goodWav(4800));
    const auto sound = decodeWavFile(dir.file("good.wav"));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 4800u);
}

TEST(WavDecoder, BrokenFilesGiveNothingAndThrowNothing) {
    test::TempDir dir;
    for (const test::BadFile& bad : test::writeBadWavFiles(dir)) {
        std::unique_ptr<const DecodedSound> sound;
        EXPECT_NO_THROW(sound = decodeWavFile(bad.path)) << bad.what;
        EXPECT_EQ(sound, nullptr) << bad.what;
    }
}

TEST(WavDecoder, UnreadableFileGivesNothing) {
    if (test::runningAsRoot()) {
        GTEST_SKIP()
            << "root reads a file whatever its mode, so an unreadable file cannot be made; "
               "the missing-folder case stands in for it";
    }
    test::TempDir dir;
    test::writeFile(dir.file("locked.wav"), test::goodWav());
    chmod(dir.file("locked.wav").c_str(), 0);
    EXPECT_EQ(decodeWavFile(dir.file("locked.wav")), nullptr);
}

}  // namespace
}  // namespace gus
