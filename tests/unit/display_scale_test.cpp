// The display scale of window sizes, and the sizes fonts and windows take from it.
#include <gtest/gtest.h>

#include "app/display_scale.h"

TEST(DisplayScale, TheLayoutsOwnSizesAreScaleOneInBothOrientations) {
    EXPECT_EQ(DisplayScale(640, 480), ScaleUnit);
    EXPECT_EQ(DisplayScale(480, 640), ScaleUnit);
    EXPECT_EQ(DisplayScale(1280, 960), 2 * ScaleUnit);
    EXPECT_EQ(DisplayScale(960, 1280), 2 * ScaleUnit);
    EXPECT_EQ(DisplayScale(240, 320), ScaleUnit / 2);
}

TEST(DisplayScale, TheTighterSideDecides) {
    EXPECT_EQ(DisplayScale(1920, 1080), 2250) << "1080 / 480";
    EXPECT_EQ(DisplayScale(3840, 480), ScaleUnit) << "a wide strip is as tall as 480";
    EXPECT_EQ(DisplayScale(640, 640), ScaleUnit) << "square counts as wide: 640 / 640";
    EXPECT_EQ(DisplayScale(240, 240), 375);
    EXPECT_EQ(DisplayScale(320, 240), ScaleUnit / 2);
}

TEST(DisplayScale, NeverReachesZero) {
    EXPECT_EQ(DisplayScale(1, 1), 1);
    EXPECT_EQ(DisplayScale(0, 0), 1);
}

TEST(DisplayScale, ScaledSizesRoundAndKeepTheirMinimum) {
    EXPECT_EQ(ScaledSize(18, ScaleUnit, 9), 18);
    EXPECT_EQ(ScaledSize(18, 1500, 9), 27);
    EXPECT_EQ(ScaledSize(18, 2250, 9), 41) << "40.5 rounds up";
    EXPECT_EQ(ScaledSize(60, 375, 20), 23) << "22.5 rounds up";
    EXPECT_EQ(ScaledSize(18, 375, 9), 9) << "6.75 is below the minimum";
}

TEST(DisplayScale, WindowsGrowWithTheScreensDotsPerInch) {
    EXPECT_EQ(ScaledForDotsPerInch(640, 96), 640);
    EXPECT_EQ(ScaledForDotsPerInch(640, 144), 960);
    EXPECT_EQ(ScaledForDotsPerInch(480, 192), 960);
    EXPECT_EQ(ScaledForDotsPerInch(480, 120), 600);
    EXPECT_EQ(ScaledForDotsPerInch(640, 0), 640) << "no reading: as at 96";
}
