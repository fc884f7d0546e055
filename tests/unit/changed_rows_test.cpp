// PresentedFrame on small surfaces: what a frame reports against the one presented before
// it (nothing, one pixel, the first and the last row, padded rows of odd widths), when it
// is reported whole, and how nearby and many changes are joined.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "render/changed_rows.h"
#include "render/surface.h"

namespace {

// A surface of rows pitch pixels apart, all one colour.
struct SmallSurface {
    SmallSurface(int w, int h) : width(w), height(h), pitch(PitchForWidth(w)) {
        pixels.assign(static_cast<std::size_t>(pitch) * h, 0x1234);
    }
    Color565& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * pitch + x]; }
    ChangedAreas PresentTo(PresentedFrame& frame) const {
        return frame.Update(pixels.data(), width, height, pitch);
    }

    int width;
    int height;
    int pitch;
    std::vector<Color565> pixels;
};

std::string Describe(const ChangedAreas& changed) {
    std::string text;
    for (int i = 0; i < changed.count; ++i) {
        const Rect& r = changed.areas[i];
        text += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
    }
    return text.empty() ? "nothing" : text;
}

// A surface whose first frame has been presented, so later frames compare with it.
struct PresentedSurface {
    PresentedSurface(int w, int h) : surface(w, h) { surface.PresentTo(frame); }
    // Presents the surface as it now is and describes what was copied.
    std::string Next() { return Describe(surface.PresentTo(frame)); }

    SmallSurface surface;
    PresentedFrame frame;
};

} // namespace

TEST(ChangedRows, TheFirstFrameIsWholeAndAnUnchangedOneIsNothing) {
    SmallSurface surface(7, 5);
    PresentedFrame frame;
    EXPECT_EQ(Describe(surface.PresentTo(frame)), "(0,0,7,5)");
    EXPECT_EQ(Describe(surface.PresentTo(frame)), "nothing");
}

TEST(ChangedRows, OnePixelIsAnAreaOfOnePixel) {
    PresentedSurface p(8, 6);
    p.surface.At(3, 2) = 0xFFFF;
    EXPECT_EQ(p.Next(), "(3,2,4,3)");
    EXPECT_EQ(p.Next(), "nothing") << "the copy took the change";
    p.surface.At(3, 2) = 0x1234;
    EXPECT_EQ(p.Next(), "(3,2,4,3)") << "and changing back shows";
}

TEST(ChangedRows, FirstAndLastRowAreSeparateAreasWithTheirOwnColumns) {
    PresentedSurface p(10, 20);
    p.surface.At(0, 0) = 1;
    p.surface.At(9, 19) = 1;
    p.surface.At(4, 19) = 1;
    EXPECT_EQ(p.Next(), "(0,0,1,1)(4,19,10,20)");
}

TEST(ChangedRows, OddWidthsCompareTheVisiblePixelsOnly) {
    PresentedSurface p(5, 3);    // rows 6 pixels apart
    p.surface.At(5, 1) = 0xFFFF; // the row's padding
    EXPECT_EQ(p.Next(), "nothing");
    p.surface.At(4, 1) = 0xFFFF; // the last visible column
    p.surface.At(0, 2) = 0xFFFF; // the first pixel after the padding
    EXPECT_EQ(p.Next(), "(0,1,5,3)");
}

TEST(ChangedRows, ForgettingOrResizingReportsTheWholeSurface) {
    PresentedSurface p(4, 4);
    p.frame.Forget();
    EXPECT_EQ(p.Next(), "(0,0,4,4)") << "an uncovered window";
    SmallSurface larger(6, 3);
    EXPECT_EQ(Describe(larger.PresentTo(p.frame)), "(0,0,6,3)");
    EXPECT_EQ(Describe(larger.PresentTo(p.frame)), "nothing");
}

TEST(ChangedRows, NearbyRowsJoinAndTooManyAreasWidenTheLast) {
    PresentedSurface p(4, 100);
    p.surface.At(1, 10) = 1;
    p.surface.At(2, 10 + MergeGapRows + 1) = 1; // a gap of MergeGapRows rows: joined
    EXPECT_EQ(p.Next(), "(1,10,3,20)");

    for (int y = 0; y < 100; y += 2 * MergeGapRows) {
        p.surface.At(0, y) = 7;
    }
    const ChangedAreas changed = p.surface.PresentTo(p.frame);
    ASSERT_EQ(changed.count, MaxChangedAreas);
    const Rect& last = changed.areas[MaxChangedAreas - 1];
    EXPECT_EQ(last.top, 3 * 2 * MergeGapRows);
    EXPECT_EQ(last.bottom, 97) << Describe(changed);
}

TEST(ChangedRows, AnEmptySurfaceReportsNothing) {
    PresentedFrame frame;
    EXPECT_EQ(frame.Update(nullptr, 0, 0, 0).count, 0);
}
