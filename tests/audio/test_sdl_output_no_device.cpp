// Without any audio device the output still works, silently, and nothing crashes.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_audio_output.h"
#include "tests/audio/sdl_test_env.h"
#include "tests/audio/wav_bytes.h"

namespace gus {
namespace {

TEST(SdlOutputNoDevice, EveryOperationIsASilentNoOp) {
    test::useAudioDriver("no-such-audio-driver");
    test::TempDir dir;
    test::writeFile(dir.file("good.wav"), test::goodWav());
    SdlAudioOutput out;
    EXPECT_FALSE(out.opened());
    const auto v = out.createVoice("v");
    EXPECT_NO_THROW({
        out.setGains(v, 3000, -600);
        out.load(v, dir.file("good.wav"));
        out.play(v, true);
        out.commit();
        out.beep();
        out.commit();
    });
    EXPECT_FALSE(out.playing(v));
    EXPECT_EQ(out.firstFrameNanos(v), 0);
    out.stop(v);
    out.destroyVoice(v);
    out.commit();
    EXPECT_FALSE(out.playing(v));
    EXPECT_EQ(out.callbacks(), 0u);
}

TEST(SdlOutputNoDevice, AnOutputCanBeMadeAgainOnceADeviceIsThere) {
    test::useAudioDriver("no-such-audio-driver");
    {
        SdlAudioOutput silent;
        EXPECT_FALSE(silent.opened());
    }
    test::useAudioDriver("dummy");
    SdlAudioOutput out;
    EXPECT_TRUE(out.opened());
    EXPECT_EQ(out.bufferFrames(), SdlAudioOutput::kDefaultBufferFrames);
    EXPECT_TRUE(test::waitForCallbacks(out, 1));
}

}  // namespace
}  // namespace gus
