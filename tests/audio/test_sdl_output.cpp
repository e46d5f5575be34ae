// The real output: files loaded on SDL's dummy driver, the mix as the device gets it through the
// disk driver, and no device at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "platform/sdl/sdl_audio_output.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

// SDL reads these when it opens the device.
void useDriver(const std::string& name, const std::string& diskFile = "") {
    setenv("SDL_AUDIODRIVER", name.c_str(), 1);
    setenv("SDL_DISKAUDIOFILE", diskFile.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);  // about five times faster than real time
}

// True once `done` holds; false if it still does not after ten seconds.
template <class Condition>
bool waitFor(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool waitForCallbacks(const SdlAudioOutput& out, std::uint64_t count) {
    const std::uint64_t target = out.callbacks() + count + 1;
    return waitFor([&] { return out.callbacks() >= target; });
}

class SdlOutput : public ::testing::Test {
  protected:
    void SetUp() override { test::writeFile(goodPath, test::goodWav(48000)); }
    test::TempDir dir;
    std::string goodPath = dir.file("good.wav");
};

using SdlOutputFiles = SdlOutput;

TEST_F(SdlOutputFiles, GoodFilePlaysAndStopsAndBrokenOnesLeaveOnlyTheirVoiceSilent) {
    useDriver("dummy");
    SdlAudioOutput out;
    ASSERT_TRUE(out.opened());
    const auto good = out.createVoice("good");
    out.load(good, goodPath);
    out.play(good, true);
    out.commit();
    ASSERT_TRUE(waitForCallbacks(out, 2));
    EXPECT_TRUE(out.playing(good));
    EXPECT_NE(out.firstFrameNanos(good), 0);
    for (const test::BadFile& bad : test::writeBadWavFiles(dir)) {
        const auto v = out.createVoice(bad.what);
        EXPECT_NO_THROW(out.load(v, bad.path)) << bad.what;
        out.play(v, true);
        out.commit();
        EXPECT_FALSE(out.playing(v)) << bad.what;
        ASSERT_TRUE(waitForCallbacks(out, 1));
        EXPECT_FALSE(out.playing(v)) << bad.what;
        EXPECT_TRUE(out.playing(good)) << bad.what;
    }
    out.load(good, dir.file("nowhere/missing.wav"));  // a broken file over a good one silences it
    out.play(good, true);
    out.commit();
    ASSERT_TRUE(waitForCallbacks(out, 2));
    EXPECT_FALSE(out.playing(good));
    out.stop(good);
    out.commit();
    EXPECT_FALSE(out.playing(good));
}

// Each path is read once, failures included, even if the file changes afterwards.
TEST_F(SdlOutputFiles, FileIsReadOnceAndAFailureIsRememberedToo) {
    useDriver("dummy");
    SdlAudioOutput out;
    const auto v = out.createVoice("v"), w = out.createVoice("w");
    out.load(v, goodPath);
    test::writeFile(goodPath, {'g', 'o', 'n', 'e'});
    const std::string later = dir.file("later.wav");
    out.load(w, later);
    test::writeFile(later, test::goodWav());
    for (const auto& [voice, path] : {std::pair{v, goodPath}, std::pair{w, later}}) {
        out.load(voice, path);
        out.play(voice, true);
    }
    out.commit();
    ASSERT_TRUE(waitForCallbacks(out, 2));
    EXPECT_TRUE(out.playing(v));
    EXPECT_FALSE(out.playing(w));
    int handedOut = 2;  // one voice is kept for the beep, the rest are the game's
    while (out.createVoice("v") != -1) ++handedOut;
    EXPECT_EQ(handedOut, Mixer::kMaxVoices - 1);
}

TEST(SdlOutputNoDevice, EveryOperationIsASilentNoOpAndAnOutputCanBeMadeOnceADeviceIsThere) {
    useDriver("no-such-audio-driver");
    test::TempDir dir;
    test::writeFile(dir.file("good.wav"), test::goodWav());
    {
        SdlAudioOutput out;
        EXPECT_FALSE(out.opened());
        const auto v = out.createVoice("v");
        EXPECT_NO_THROW({
            out.setGains(v, 3000, -600);
            out.load(v, dir.file("good.wav"));
            out.play(v, true);
            out.beep();
            out.commit();
        });
        EXPECT_FALSE(out.playing(v));
        EXPECT_EQ(out.firstFrameNanos(v), 0);
        out.stop(v);
        out.destroyVoice(v);
        out.commit();
        EXPECT_EQ(out.callbacks(), 0u);
    }
    useDriver("dummy");
    SdlAudioOutput out;
    EXPECT_TRUE(out.opened());
    EXPECT_EQ(out.bufferFrames(), SdlAudioOutput::kDefaultBufferFrames);
    EXPECT_TRUE(waitForCallbacks(out, 1));
}

// --- what the device gets ------------------------------------------------------------------

class SdlOutputOnDisk : public SdlOutput {
  protected:
    static constexpr std::size_t kSkip = 2400, kWindow = 4800;  // 50 ms in; 100 periods of 1 kHz

    // Plays what `act` starts until enough has reached the device, then reads it back (raw float
    // stereo frames) from the first frame with any sound.
    std::vector<float> capture(const std::function<void(SdlAudioOutput&)>& act) {
        useDriver("disk", rawPath);
        {
            SdlAudioOutput out(1024);
            EXPECT_TRUE(out.opened());
            act(out);
            out.commit();
            // The start is at most a write buffer and a callback beyond what the file shows now.
            const std::uintmax_t wanted =
                size() + (kSkip + kWindow) * 8 + (std::uintmax_t{64} << 10);
            EXPECT_TRUE(waitFor([&] { return size() >= wanted; }));
        }
        std::ifstream in(rawPath, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        std::vector<float> heard(bytes.size() / sizeof(float));
        std::memcpy(heard.data(), bytes.data(), heard.size() * sizeof(float));
        const auto first =
            std::find_if(heard.begin(), heard.end(), [](float x) { return x != 0.0f; });
        heard.erase(heard.begin(), heard.begin() + (first - heard.begin()) / 2 * 2);
        return heard;
    }
    std::uintmax_t size() const {
        std::error_code error;
        const std::uintmax_t n = std::filesystem::file_size(rawPath, error);
        return error ? 0 : n;
    }
    // Left and right loudness of the window, in dB relative to the sine as written.
    std::pair<double, double> sineLevels(int balance, int volume) {
        const auto heard = capture([&](SdlAudioOutput& out) {
            const auto v = out.createVoice("sine");
            out.setGains(v, balance, volume);
            out.load(v, goodPath);
            out.play(v, true);
        });
        double sum[2] = {};
        EXPECT_GE(heard.size() / 2, kSkip + kWindow);
        for (std::size_t i = kSkip; i < std::min(heard.size() / 2, kSkip + kWindow); ++i)
            for (int side = 0; side < 2; ++side)
                sum[side] += double{heard[2 * i + side]} * heard[2 * i + side];
        const auto db = [&](double s) {
            return 20.0 * std::log10(std::sqrt(s / kWindow) / (0.5 / std::sqrt(2.0)));
        };
        return {db(sum[0]), db(sum[1])};
    }
    std::string rawPath = dir.file("device.raw");
};

TEST_F(SdlOutputOnDisk, BalanceLowersTheOtherSideThirtyDecibelsAndVolumeBothSides) {
    // clang-format off
    const int cases[][4] = {{3000, 0, -30, 0}, {-3000, 0, 0, -30}, {0, -600, -6, -6}};  // gains; left, right dB
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c[0] << ", " << c[1]);
        const auto [left, right] = sineLevels(c[0], c[1]);
        EXPECT_NEAR(left, c[2], 0.5);
        EXPECT_NEAR(right, c[3], 0.5);
    }
}

TEST_F(SdlOutputOnDisk, BeepIsAnEightHundredEightyHertzToneOf120MillisecondsAtMinus12Dbfs) {
    const auto heard = capture([](SdlAudioOutput& out) { out.beep(); });
    float peak = 0.0f;
    std::size_t last = 0;
    int upwardCrossings = 0;
    for (std::size_t i = 0; i < heard.size() / 2; ++i) {
        ASSERT_EQ(heard[2 * i], heard[2 * i + 1]) << i;
        if (heard[2 * i] == 0.0f) continue;
        peak = std::max(peak, std::abs(heard[2 * i]));
        last = i;
        if (i > 0 && heard[2 * i - 2] < 0.0f && heard[2 * i] >= 0.0f) ++upwardCrossings;
    }
    EXPECT_NEAR(20.0 * std::log10(peak), -12.0, 0.1);
    EXPECT_NEAR(static_cast<double>(last + 1), 0.120 * kMixRate, 48.0);
    EXPECT_NEAR(upwardCrossings, 880 * 0.120, 2);
    EXPECT_LT(std::abs(heard[2 * 24]), 0.26f * 0.25f);  // soft edges: half a millisecond in
    EXPECT_LT(std::abs(heard[2 * last]), 1e-3f);
}

}  // namespace
}  // namespace gus
