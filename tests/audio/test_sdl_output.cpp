// The real output: files loaded on SDL's dummy driver, and the mix as the device gets it through
// the disk driver (no device at all: installed_tree.sh runs the game so).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

#include "platform/sdl/sdl_audio_output.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

// True once `done` holds; false if it still does not after ten seconds.
bool waitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

class SdlOutput : public ::testing::Test {
  protected:
    void SetUp() override { test::writeFile(goodPath, test::goodWav(48000)); }
    // SDL reads these when it opens the device; the disk driver runs about five times real time.
    void useDriver(const char* name) {
        setenv("SDL_AUDIODRIVER", name, 1);
        setenv("SDL_DISKAUDIOFILE", rawPath.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1);
    }
    static bool waitForCallbacks(const SdlAudioOutput& out, std::uint64_t count) {
        const std::uint64_t target = out.callbacks() + count + 1;
        return waitFor([&] { return out.callbacks() >= target; });
    }
    static void start(SdlAudioOutput& out, int voice, const std::string& path) {
        out.load(voice, path);
        out.play(voice, true);
        out.commit();
    }
    // What `act` starts, as float stereo frames the device wrote to its file, from the first
    // frame with any sound on: at least kSkip + kWindow frames.
    std::vector<float> capture(const std::function<void(SdlAudioOutput&)>& act) {
        useDriver("disk");
        const auto bytes = [&] {
            return std::max<std::streamoff>(0, std::ifstream(rawPath, std::ios::ate).tellg());
        };
        {
            SdlAudioOutput out(1024);
            EXPECT_TRUE(out.opened());
            act(out);
            out.commit();
            // The start is at most a write buffer and a callback beyond what the file shows now.
            const std::streamoff wanted = bytes() + (kSkip + kWindow) * 8 + (64 << 10);
            EXPECT_TRUE(waitFor([&] { return bytes() >= wanted; }));
        }
        std::vector<float> heard(bytes() / sizeof(float));
        std::ifstream(rawPath).read(reinterpret_cast<char*>(heard.data()), bytes());
        const auto first = std::find_if(heard.begin(), heard.end(), [](float x) { return x != 0; });
        heard.erase(heard.begin(), heard.begin() + (first - heard.begin()) / 2 * 2);
        return heard;
    }
    static constexpr std::size_t kSkip = 2400, kWindow = 4800;  // 50 ms in; 100 periods of 1 kHz
    test::TempDir dir;
    std::string goodPath = dir.file("good.wav"), rawPath = dir.file("device.raw");
};

// Each path is read once, failures included, even if the file changes afterwards.
TEST_F(SdlOutput, FileIsReadOnceAndABrokenOneSilencesOnlyItsOwnVoice) {
    useDriver("dummy");
    SdlAudioOutput out;
    ASSERT_TRUE(out.opened());
    const auto good = out.createVoice("good"), late = out.createVoice("late");
    const std::string latePath = dir.file("late.wav");
    out.load(good, goodPath);
    out.load(late, latePath);
    test::writeFile(goodPath, {'g', 'o', 'n', 'e'});
    test::writeFile(latePath, test::goodWav());
    start(out, good, goodPath);
    start(out, late, latePath);
    ASSERT_TRUE(waitForCallbacks(out, 2));
    EXPECT_TRUE(out.playing(good) && out.firstFrameNanos(good) != 0);
    EXPECT_FALSE(out.playing(late));
    start(out, good, dir.file("nowhere/missing.wav"));  // a broken file over a good one
    ASSERT_TRUE(waitForCallbacks(out, 2));
    EXPECT_FALSE(out.playing(good));
    int handedOut = 2;  // one voice is kept for the beep, the rest are the game's
    while (out.createVoice("v") != -1) ++handedOut;
    EXPECT_EQ(handedOut, Mixer::kMaxVoices - 1);
}

// The gain law itself is the mixer's; here, that it reaches the device whole, each side in place.
TEST_F(SdlOutput, OnTheDeviceBalanceLowersTheOtherSideAndVolumeBothSides) {
    const int cases[][4] = {{3000, -600, -36, -6}, {-3000, 0, 0, -30}};  // gains; left, right dB
    for (const auto& c : cases) {
        const auto heard = capture([&](SdlAudioOutput& out) {
            const auto v = out.createVoice("sine");
            out.setGains(v, c[0], c[1]);
            start(out, v, goodPath);
        });
        ASSERT_GE(heard.size() / 2, kSkip + kWindow);
        for (int side : {0, 1}) {
            double sum = 0.0;
            for (std::size_t i = kSkip; i < kSkip + kWindow; ++i)
                sum += std::pow(heard[2 * i + side], 2);
            const double db = 20.0 * std::log10(std::sqrt(sum / kWindow) / (0.5 / std::sqrt(2.0)));
            EXPECT_NEAR(db, c[2 + side], 0.5) << c[0] << ", " << c[1] << ", side " << side;
        }
    }
}

TEST_F(SdlOutput, BeepIsAnEightHundredEightyHertzToneOf120MillisecondsAtMinus12Dbfs) {
    const auto heard = capture([](SdlAudioOutput& out) { out.beep(); });
    float peak = 0.0f;
    std::vector<double> upward;  // frames where the tone crosses zero going up
    std::size_t last = 0;
    for (std::size_t i = 0; i < heard.size() / 2; ++i) {
        ASSERT_EQ(heard[2 * i], heard[2 * i + 1]) << i;
        if (heard[2 * i] == 0.0f) continue;
        peak = std::max(peak, std::abs(heard[2 * i]));
        last = i;
        if (i > 0 && heard[2 * i - 2] < 0.0f && heard[2 * i] > 0.0f)
            upward.push_back(static_cast<double>(i));
    }
    EXPECT_NEAR(20.0 * std::log10(peak), -12.0, 0.1);
    EXPECT_NEAR(static_cast<double>(last + 1), 0.120 * kMixRate, 48.0);
    ASSERT_GT(upward.size(), 100u);
    const double periods = static_cast<double>(upward.size() - 1);
    EXPECT_NEAR(periods * kMixRate / (upward.back() - upward[0]), 880.0, 2.0);
    EXPECT_LT(std::abs(heard[2 * 24]), 0.26f * 0.25f);  // soft edges: half a millisecond in
    EXPECT_LT(std::abs(heard[2 * last]), 1e-3f);
}

}  // namespace
}  // namespace gus
