// The gain law in numbers: hundredths of a decibel to linear factors.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/sdl/gain_law.h"

namespace gus {
namespace {

TEST(GainLaw, CentreAtFullVolumeIsUnity) {
    const StereoGain g = stereoGain(0, 0);
    EXPECT_FLOAT_EQ(g.left, 1.0f);
    EXPECT_FLOAT_EQ(g.right, 1.0f);
}

TEST(GainLaw, PositiveBalanceLowersOnlyTheLeft) {
    const StereoGain g = stereoGain(3000, 0);
    EXPECT_FLOAT_EQ(g.left, static_cast<float>(std::pow(10.0, -1.5)));
    EXPECT_FLOAT_EQ(g.right, 1.0f);
}

TEST(GainLaw, NegativeBalanceLowersOnlyTheRight) {
    const StereoGain g = stereoGain(-3000, 0);
    EXPECT_FLOAT_EQ(g.left, 1.0f);
    EXPECT_FLOAT_EQ(g.right, static_cast<float>(std::pow(10.0, -1.5)));
}

TEST(GainLaw, VolumeLowersBothSides) {
    const StereoGain g = stereoGain(0, -600);
    EXPECT_FLOAT_EQ(g.left, static_cast<float>(std::pow(10.0, -0.3)));
    EXPECT_FLOAT_EQ(g.right, static_cast<float>(std::pow(10.0, -0.3)));
}

TEST(GainLaw, BalanceAndVolumeMultiply) {
    const StereoGain g = stereoGain(-1000, -2000);
    EXPECT_FLOAT_EQ(g.left, static_cast<float>(std::pow(10.0, -1.0)));
    EXPECT_FLOAT_EQ(g.right, static_cast<float>(std::pow(10.0, -1.5)));
}

TEST(GainLaw, BottomVolumeIsExactSilence) {
    for (int volume : {-10000, -10001, -50000}) {
        const StereoGain g = stereoGain(0, volume);
        EXPECT_EQ(g.left, 0.0f) << volume;
        EXPECT_EQ(g.right, 0.0f) << volume;
    }
    EXPECT_GT(stereoGain(0, -9999).left, 0.0f);
}

TEST(GainLaw, NeverAmplifies) {
    const StereoGain g = stereoGain(-20000, 600);
    EXPECT_FLOAT_EQ(g.left, 1.0f);
    EXPECT_FLOAT_EQ(g.right, static_cast<float>(std::pow(10.0, -5.0)));
}

}  // namespace
}  // namespace gus
