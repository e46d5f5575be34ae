// Reading a WAV header, decoding to the mixer's format, and refusing every file that is not a
// trustworthy WAV file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>

#include "platform/sdl/wav_decoder.h"
#include "platform/wav_info.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

using test::wavBytes;
using Pcm = std::vector<std::int16_t>;

std::optional<WavInfo> header(const std::vector<unsigned char>& bytes) {
    return parseWavHeader(bytes.data(), bytes.size());
}

// Lengths are read from all four bytes of the data size: a minute of CD-quality sound is ten MB.
// Absurd formats and odd samples are the fuzz corpus's bad-* seeds.
TEST(WavDecoder, HeaderGivesTheFormatAndLengthsOfAnySize) {
    for (const std::int64_t bytes : {0LL, 1000LL, 65535LL, 65536LL, 0x1234567LL, 0xFFFFFFF0LL}) {
        const auto info =
            header(wavBytes({.channels = 2, .rate = 44100, .dataBytes = bytes}, Pcm{}));
        ASSERT_TRUE(info.has_value()) << bytes;
        EXPECT_EQ(
            std::tuple(info->channels, info->sampleRate, info->bitsPerSample, info->dataBytes),
            std::tuple(2, 44100, 16, bytes));
        EXPECT_DOUBLE_EQ(info->seconds(), static_cast<double>(bytes) / (44100 * 4));
    }
}

// The RIFF size is ignored, as many writers get it wrong; other rates are converted keeping the
// end.
TEST(WavDecoder, MonoGoesToBothSidesStereoKeepsItsSidesAndOtherRatesBecome48k) {
    const Pcm pcm = test::sine(1000.0, 0.5, 48000, 480);
    const auto mono = decodeWavBytes(wavBytes({.riffBytes = 0}, pcm));
    ASSERT_TRUE(mono && mono->frames() == pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i)
        for (int side : {0, 1}) ASSERT_FLOAT_EQ(mono->frame(i)[side], pcm[i] / 32768.0f) << i;
    const auto stereo = decodeWavBytes(wavBytes({.channels = 2}, Pcm{0, 0, 1000, -2000}));
    ASSERT_TRUE(stereo && stereo->frames() == 2u);
    EXPECT_EQ(std::pair(stereo->frame(1)[0], stereo->frame(1)[1]),
              std::pair(1000 / 32768.0f, -2000 / 32768.0f));
    const auto sound =
        decodeWavBytes(wavBytes({.rate = 22050}, test::sine(440, 0.5, 22050, 22050)));
    ASSERT_TRUE(sound && sound->frames() == 48000u);
    float tailPeak = 0.0f;
    for (std::size_t i = 47900; i < 48000; ++i) tailPeak = std::max(tailPeak, sound->frame(i)[0]);
    EXPECT_GT(tailPeak, 0.4f);
}

// A reader of a FIFO waits for a writer for ever: one that still waits after five seconds fails,
// and a writer that closes at once lets it go.
template <class Read>
bool readsNothing(const std::string& fifo, Read read) {
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "waited for a writer of " << fifo;
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
    return !result.get();
}

// Byte by byte, broken files are the fuzz corpus's bad-* seeds; these are broken as files.
TEST(WavDecoder, ReadsAGoodFileAndGivesNothingForOnesThatCannotBeRead) {
    test::TempDir dir;
    test::writeFile(dir.file("empty.wav"), {});
    std::filesystem::create_directory(dir.path / "folder.wav");
    const std::string fifo = dir.file("pipe.wav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const char* name : {"empty.wav", "folder.wav", "no/such.wav"}) {
        EXPECT_EQ(decodeWavFile(dir.file(name)), nullptr) << name;
        EXPECT_FALSE(readWavInfo(dir.file(name)).has_value()) << name;
    }
    EXPECT_TRUE(readsNothing(fifo, [&] { return decodeWavFile(fifo) != nullptr; }));
    EXPECT_TRUE(readsNothing(fifo, [&] { return readWavInfo(fifo).has_value(); }));
    test::writeFile(dir.file("good.wav"), test::goodWav(48000));
    const auto sound = decodeWavFile(dir.file("good.wav"));
    EXPECT_TRUE(sound && sound->frames() == 48000u);
    EXPECT_DOUBLE_EQ(readWavInfo(dir.file("good.wav"))->seconds(), 1.0);
    // Root reads a file whatever its mode; the missing-folder case stands in for it then.
    chmod(dir.file("good.wav").c_str(), 0);
    EXPECT_TRUE(geteuid() == 0 || decodeWavFile(dir.file("good.wav")) == nullptr);
}

}  // namespace
}  // namespace gus
