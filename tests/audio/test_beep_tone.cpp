// The beep's tone: length, level, soft edges, same on both sides.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/sdl/beep_tone.h"

namespace gus {
namespace {

TEST(BeepTone, IsA120MillisecondToneAtMinus12Dbfs) {
    const DecodedSound tone = makeTone();
    EXPECT_EQ(tone.frames(), static_cast<std::size_t>(0.120 * kMixRate));
    float peak = 0.0f;
    for (std::size_t i = 0; i < tone.frames(); ++i) {
        peak = std::max(peak, std::abs(tone.frame(i)[0]));
        ASSERT_EQ(tone.frame(i)[0], tone.frame(i)[1]) << i;
    }
    EXPECT_NEAR(20.0 * std::log10(peak), -12.0, 0.05);
}

TEST(BeepTone, StartsAndEndsInSilence) {
    const DecodedSound tone = makeTone();
    EXPECT_EQ(tone.frame(0)[0], 0.0f);
    EXPECT_LT(std::abs(tone.frame(tone.frames() - 1)[0]), 1e-3f);
    EXPECT_LT(std::abs(tone.frame(24)[0]), 0.26f * 0.25f);  // half a millisecond into the attack
}

TEST(BeepTone, HasThePitchAsked) {
    const DecodedSound tone = makeTone();
    int upwardCrossings = 0;
    for (std::size_t i = 1; i < tone.frames(); ++i) {
        if (tone.frame(i - 1)[0] < 0.0f && tone.frame(i)[0] >= 0.0f) ++upwardCrossings;
    }
    EXPECT_NEAR(upwardCrossings, 880 * 0.120, 2);
}

}  // namespace
}  // namespace gus
