// Color565 conversion, the pixel fill behind Clear, and the geometry helpers.
#include <gtest/gtest.h>

#include <vector>

#include "base/color.h"
#include "base/geometry.h"
#include "render/surface.h"

TEST(Color565, PrimaryColoursAndWhite) {
    EXPECT_EQ(ToColor565(0xFFFFFF), 0xFFFF);
    EXPECT_EQ(ToColor565(0x0000FF), 0xF800);
    EXPECT_EQ(ToColor565(0x00FF00), 0x07E0);
    EXPECT_EQ(ToColor565(0xFF0000), 0x001F);
    EXPECT_EQ(ToColor565(0x000000), 0x0000);
}

TEST(Color565, DropsLowBitsOfEachChannel) {
    const Color565 menu = ToColor565(0xFFE7DB);
    EXPECT_EQ(menu >> 11, 27);         // 0xDB >> 3
    EXPECT_EQ((menu >> 5) & 0x3F, 57); // 0xE7 >> 2
    EXPECT_EQ(menu & 0x1F, 31);        // 0xFF >> 3
    EXPECT_EQ(ToColor565(0x070307), 0x0000) << "values below one step round down to zero";
}

TEST(FillPixels, FillsEvenAndOddCountsExactly) {
    for (std::size_t count : {0u, 1u, 2u, 3u, 7u, 640u * 480u + 1u}) {
        std::vector<Color565> pixels(count + 2, 0x1234);
        FillPixels(pixels.data() + 1, count, 0xABCD);
        EXPECT_EQ(pixels.front(), 0x1234) << count;
        EXPECT_EQ(pixels.back(), 0x1234) << "no store past the end, count " << count;
        for (std::size_t i = 1; i <= count; ++i) {
            ASSERT_EQ(pixels[i], 0xABCD) << "pixel " << i << " of " << count;
        }
    }
}

TEST(Surface, PitchIsTheWidthRoundedUpToEven) {
    EXPECT_EQ(PitchForWidth(640), 640);
    EXPECT_EQ(PitchForWidth(641), 642);
    EXPECT_EQ(PitchForWidth(1), 2);
}

TEST(Surface, SetSurfaceResetsTheClipRectangle) {
    std::vector<Color565> pixels(8 * 4);
    SetSurface(pixels.data(), 7, 4, 8);
    Rect clip;
    GetClipRect(&clip);
    EXPECT_EQ(clip.left, 0);
    EXPECT_EQ(clip.top, 0);
    EXPECT_EQ(clip.right, 7);
    EXPECT_EQ(clip.bottom, 4);
    EXPECT_EQ(GetSurfacePixels(), pixels.data());
    SetSurface(nullptr, 0, 0, 0);
}

TEST(Geometry, CenterOffsetHalvesEachTermSeparately) {
    EXPECT_EQ(CenterOffset(640, 101), 270);
    EXPECT_EQ(CenterOffset(5, 2), 1);
    EXPECT_EQ(CenterOffset(10, 20), -5);
    EXPECT_EQ(CenterOffset(-3, 0), -2) << "arithmetic shift rounds toward minus infinity";
}

TEST(Geometry, InflateRectGrowsAndShrinks) {
    Rect r{10, 20, 30, 40};
    InflateRect(r, 2);
    EXPECT_EQ(r.left, 8);
    EXPECT_EQ(r.bottom, 42);
    InflateRect(r, -5);
    EXPECT_EQ(r.left, 13);
    EXPECT_EQ(r.top, 23);
    EXPECT_EQ(r.right, 27);
    EXPECT_EQ(r.bottom, 37);
}

TEST(Geometry, PointInRectIncludesLeftTopAndExcludesRightBottom) {
    const Rect r{0, 0, 10, 5};
    EXPECT_TRUE(PointInRect({0, 0}, r));
    EXPECT_TRUE(PointInRect({9, 4}, r));
    EXPECT_FALSE(PointInRect({10, 4}, r));
    EXPECT_FALSE(PointInRect({9, 5}, r));
    EXPECT_FALSE(PointInRect({-1, 2}, r));
}
