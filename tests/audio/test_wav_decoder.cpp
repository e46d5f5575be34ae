// Reading a WAV header, decoding to the mixer's format, and refusing every file that is not a
// trustworthy WAV file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

#include "platform/sdl/wav_decoder.h"
#include "platform/wav_info.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

// Lengths are read from all four bytes of the data size: a minute of CD-quality sound is ten MB.
TEST(WavDecoder, HeaderGivesTheFormatAndLengthsOfAnySize) {
    for (const std::int64_t bytes :
         {0LL, 1000LL, 65535LL, 65536LL, 70000LL, 0x1234567LL, 0xFFFFFFF0LL}) {
        std::vector<unsigned char> file =
            test::wavBytes({.channels = 2, .rate = 44100, .declaredDataBytes = bytes}, {});
        const auto info = parseWavHeader(file.data(), file.size());
        ASSERT_TRUE(info.has_value()) << bytes;
        EXPECT_EQ(std::make_tuple(info->channels, info->sampleRate, info->bitsPerSample,
                                  std::int64_t{info->dataBytes}),
                  std::make_tuple(2, 44100, 16, bytes));
        EXPECT_DOUBLE_EQ(info->seconds(), static_cast<double>(bytes) / (44100 * 4));
    }
    test::TempDir dir;
    test::writeFile(dir.file("a.wav"), test::goodWav(48000));
    EXPECT_DOUBLE_EQ(readWavInfo(dir.file("a.wav"))->seconds(), 1.0);
    EXPECT_FALSE(readWavInfo(dir.file("none.wav")).has_value());
    // The reader only refuses what cannot be a sound at all; the decoder judges the rest.
    // clang-format off
    const std::pair<test::WavLayout, bool> formats[] = {{{.bits = 8}, true}, {{.bits = 7}, false},
        {{.rate = 1}, true}, {{.rate = 0}, false}, {{.channels = 1}, true}, {{.channels = 0}, false}};
    // clang-format on
    for (const auto& [layout, sane] : formats) {
        const auto bytes = test::wavBytes(layout, {});
        EXPECT_EQ(parseWavHeader(bytes.data(), bytes.size()).has_value(), sane)
            << layout.bits << " bits, " << layout.rate << " Hz, " << layout.channels << " channels";
    }
}

TEST(WavDecoder, MonoBecomesTheSameSampleOnBothSidesAndStereoKeepsItsSides) {
    const std::vector<std::int16_t> pcm = test::sine(1000.0, 0.5, 48000, 480);
    const auto mono = decodeWavBytes(test::wavBytes({}, pcm));
    ASSERT_NE(mono, nullptr);
    ASSERT_EQ(mono->frames(), pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        ASSERT_FLOAT_EQ(mono->frame(i)[0], pcm[i] / 32768.0f) << i;
        ASSERT_FLOAT_EQ(mono->frame(i)[1], pcm[i] / 32768.0f) << i;
    }
    std::vector<std::int16_t> sides;
    for (int i = 0; i < 100; ++i) sides.insert(sides.end(), {1000, -2000});
    const auto stereo = decodeWavBytes(test::wavBytes({.channels = 2}, sides));
    ASSERT_NE(stereo, nullptr);
    ASSERT_EQ(stereo->frames(), 100u);
    EXPECT_FLOAT_EQ(stereo->frame(50)[0], 1000 / 32768.0f);
    EXPECT_FLOAT_EQ(stereo->frame(50)[1], -2000 / 32768.0f);
    // The RIFF size is ignored, as many writers get it wrong.
    EXPECT_NE(decodeWavBytes(test::wavBytes({.declaredRiffBytes = 0}, pcm)), nullptr);
}

TEST(WavDecoder, OtherRatesAreConvertedTo48kKeepingTheEnd) {
    const auto sound =
        decodeWavBytes(test::wavBytes({.rate = 22050}, test::sine(440, 0.5, 22050, 22050)));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 48000u);
    float tailPeak = 0.0f;
    for (std::size_t i = 47900; i < 48000; ++i) tailPeak = std::max(tailPeak, sound->frame(i)[0]);
    EXPECT_GT(tailPeak, 0.4f);
}

// One non-number or absurd sample mixed into the output would ruin every other voice with it.
TEST(WavDecoder, FloatFileKeepsItsSamplesUnlessOneIsNotASaneNumber) {
    const auto sound = decodeWavBytes(test::floatWavBytes(std::vector<float>(100, 0.25f)));
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->frames(), 100u);
    EXPECT_FLOAT_EQ(sound->frame(50)[1], 0.25f);
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
    const std::vector<unsigned char> oneHertz = test::wavBytes({.rate = 1, .bits = 8}, {});
    bytes.insert(bytes.begin() + 12, oneHertz.begin() + 12, oneHertz.begin() + 36);  // its "fmt "
    const std::uint32_t riffBytes = 36 + 400 * 2 + 24;
    for (int i = 0; i < 4; ++i)
        bytes[4 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(riffBytes >> (8 * i));
    EXPECT_EQ(decodeWavBytes(bytes), nullptr);
}

TEST(WavDecoder, ReadsAGoodFileAndGivesNothingForBrokenOrUnreadableOnes) {
    test::TempDir dir;
    test::writeFile(dir.file("good.wav"), test::goodWav(4800));
    const auto sound = decodeWavFile(dir.file("good.wav"));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 4800u);
    for (const test::BadFile& bad : test::writeBadWavFiles(dir)) {
        std::unique_ptr<const DecodedSound> nothing;
        EXPECT_NO_THROW(nothing = decodeWavFile(bad.path)) << bad.what;
        EXPECT_EQ(nothing, nullptr) << bad.what;
    }
    // Root reads a file whatever its mode; the missing-folder case stands in for it then.
    chmod(dir.file("good.wav").c_str(), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(decodeWavFile(dir.file("good.wav")), nullptr);
    }
}

}  // namespace
}  // namespace gus
