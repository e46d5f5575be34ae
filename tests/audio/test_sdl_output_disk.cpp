// The real mix as the device gets it, captured through SDL's disk driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/sdl/sdl_audio_output.h"
#include "tests/audio/disk_capture.h"
#include "tests/audio/sdl_test_env.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

constexpr std::size_t kSkipFrames = 2400;    // 50 ms after the start, well clear of it
constexpr std::size_t kWindowFrames = 4800;  // exactly 100 periods of 1 kHz
constexpr double kSineAmplitude = 0.5;

std::uintmax_t sizeOf(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

class SdlOutputOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        test::useDiskDriver(rawPath);
        test::writeFile(sinePath,
                        test::wavBytes({}, test::sine(1000.0, kSineAmplitude, 48000, 48000)));
    }

    // Plays the sine looping with these gains until enough has reached the device.
    void captureSine(int balance, int volume) {
        SdlAudioOutput out(1024);
        ASSERT_TRUE(out.opened());
        const auto v = out.createVoice("sine");
        out.setGains(v, balance, volume);
        out.load(v, sinePath);
        out.play(v, true);
        out.commit();
        ASSERT_TRUE(test::waitFor([&] { return out.firstFrameNanos(v) != 0; }));
        // The start is at most a write buffer and a callback beyond what the file shows now.
        const std::uintmax_t wanted =
            sizeOf(rawPath) + (kSkipFrames + kWindowFrames) * 8 + (std::uintmax_t{64} << 10);
        ASSERT_TRUE(test::waitFor([&] { return sizeOf(rawPath) >= wanted; }));
    }

    // The loudness of the window, once the output is closed and its file complete.
    test::StereoRms measuredWindow() {
        const std::vector<float> heard = test::readFloatFile(rawPath);
        const std::size_t start = test::firstSoundingFrame(heard);
        EXPECT_LE(start + kSkipFrames + kWindowFrames, heard.size() / 2);
        if (start + kSkipFrames + kWindowFrames > heard.size() / 2) return {};
        return test::rmsOver(heard, start + kSkipFrames, kWindowFrames);
    }

    test::TempDir dir;
    std::string rawPath = dir.file("device.raw");
    std::string sinePath = dir.file("sine1k.wav");
    const double sineRms = kSineAmplitude / std::sqrt(2.0);
};

TEST_F(SdlOutputOnDisk, Balance3000PutsTheLeftThirtyDecibelsBelowTheRight) {
    captureSine(3000, 0);
    const test::StereoRms rms = measuredWindow();
    EXPECT_NEAR(test::decibels(rms.left / rms.right), -30.0, 0.5);
    EXPECT_NEAR(test::decibels(rms.right / sineRms), 0.0, 0.1);
}

TEST_F(SdlOutputOnDisk, BalanceMinus3000PutsTheRightThirtyDecibelsBelowTheLeft) {
    captureSine(-3000, 0);
    const test::StereoRms rms = measuredWindow();
    EXPECT_NEAR(test::decibels(rms.right / rms.left), -30.0, 0.5);
}

TEST_F(SdlOutputOnDisk, VolumeMinus600IsSixDecibelsDownOnBothSides) {
    captureSine(0, -600);
    const test::StereoRms rms = measuredWindow();
    EXPECT_NEAR(test::decibels(rms.left / sineRms), -6.0, 0.5);
    EXPECT_NEAR(test::decibels(rms.right / sineRms), -6.0, 0.5);
}

TEST_F(SdlOutputOnDisk, BeepIsHeardAtMinus12DbfsFor120Milliseconds) {
    {
        SdlAudioOutput out(1024);
        ASSERT_TRUE(out.opened());
        out.beep();
        out.commit();
        ASSERT_TRUE(test::waitForCallbacks(out, 10));  // 10240 frames: the whole tone and more
    }
    const std::vector<float> heard = test::readFloatFile(rawPath);
    const std::size_t start = test::firstSoundingFrame(heard);
    ASSERT_LT(start, heard.size() / 2);
    float peak = 0.0f;
    std::size_t last = start;
    for (std::size_t i = start; i < heard.size() / 2; ++i) {
        if (heard[2 * i] == 0.0f) continue;
        peak = std::max(peak, std::abs(heard[2 * i]));
        last = i;
    }
    EXPECT_NEAR(test::decibels(peak), -12.0, 0.1);
    EXPECT_NEAR(static_cast<double>(last + 1 - start), 0.120 * kMixRate, 48.0);
}

}  // namespace
}  // namespace gus
