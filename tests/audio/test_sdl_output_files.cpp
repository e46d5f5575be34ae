// Loading through the real output on SDL's dummy driver: broken files stay silent.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_audio_output.h"
#include "tests/audio/bad_wav_files.h"
#include "tests/audio/sdl_test_env.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

class SdlOutputFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        test::useAudioDriver("dummy");
        out = std::make_unique<SdlAudioOutput>();
        ASSERT_TRUE(out->opened());
        test::writeFile(goodPath, test::goodWav(48000));
    }
    test::TempDir dir;
    std::string goodPath = dir.file("good.wav");
    std::unique_ptr<SdlAudioOutput> out;
};

TEST_F(SdlOutputFiles, GoodFilePlaysAndStops) {
    const auto v = out->createVoice("good");
    out->load(v, goodPath);
    out->play(v, true);
    out->commit();
    ASSERT_TRUE(test::waitForCallbacks(*out, 2));
    EXPECT_TRUE(out->playing(v));
    EXPECT_NE(out->firstFrameNanos(v), 0);
    out->stop(v);
    out->commit();
    EXPECT_FALSE(out->playing(v));
    ASSERT_TRUE(test::waitForCallbacks(*out, 2));
    EXPECT_FALSE(out->playing(v));
}

TEST_F(SdlOutputFiles, BrokenFilesLeaveTheirVoiceSilentAndTheOthersPlaying) {
    const auto good = out->createVoice("good");
    out->load(good, goodPath);
    out->play(good, true);
    for (const test::BadFile& bad : test::writeBadWavFiles(dir)) {
        const auto v = out->createVoice(bad.what);
        EXPECT_NO_THROW(out->load(v, bad.path)) << bad.what;
        out->play(v, true);
        out->commit();
        EXPECT_FALSE(out->playing(v)) << bad.what;
        ASSERT_TRUE(test::waitForCallbacks(*out, 1));
        EXPECT_FALSE(out->playing(v)) << bad.what;
        EXPECT_TRUE(out->playing(good)) << bad.what;
    }
}

TEST_F(SdlOutputFiles, BrokenFileLoadedOverAGoodOneSilencesTheVoice) {
    const auto v = out->createVoice("v");
    out->load(v, goodPath);
    out->play(v, true);
    out->commit();
    out->load(v, dir.file("nowhere/missing.wav"));
    out->play(v, true);
    out->commit();
    ASSERT_TRUE(test::waitForCallbacks(*out, 2));
    EXPECT_FALSE(out->playing(v));
}

TEST_F(SdlOutputFiles, FileIsReadOnceEvenIfItChangesAfterwards) {
    const auto v = out->createVoice("v");
    out->load(v, goodPath);
    test::writeFile(goodPath, {'g', 'o', 'n', 'e'});
    out->load(v, goodPath);  // from the cache, not the broken file now on disk
    out->play(v, true);
    out->commit();
    ASSERT_TRUE(test::waitForCallbacks(*out, 2));
    EXPECT_TRUE(out->playing(v));
}

TEST_F(SdlOutputFiles, FailureIsRememberedTooSoAMissingFileIsNotLookedForAgain) {
    const std::string later = dir.file("later.wav");
    const auto v = out->createVoice("v");
    out->load(v, later);
    test::writeFile(later, test::goodWav());
    out->load(v, later);
    out->play(v, true);
    out->commit();
    ASSERT_TRUE(test::waitForCallbacks(*out, 2));
    EXPECT_FALSE(out->playing(v));
}

TEST_F(SdlOutputFiles, OneVoiceIsKeptForTheBeepAndTheRestAreTheGames) {
    int handedOut = 0;
    while (out->createVoice("v") != -1) ++handedOut;
    EXPECT_EQ(handedOut, Mixer::kMaxVoices - 1);
}

}  // namespace
}  // namespace gus
