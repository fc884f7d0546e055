// The drawing primitives on a small in-memory surface: spans and their clipping, rectangle
// fills and frames, midpoint circles, line clipping, and the antialiased line's stepping
// and luminance-weighted blending. Expected pixels are worked out by hand from the rules.
#include <gtest/gtest.h>

#include <string>

#include "render/primitives.h"
#include "support/test_surface.h"

namespace {

constexpr ColorRef Black = 0x000000;
constexpr ColorRef White = 0xFFFFFF;

ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r | (g << 8) | (b << 16));
}

// Clips the line in place and returns the result code followed by the ends.
std::string Clip(int x0, int y0, int x1, int y1) {
    const int code = ClipLine(&x0, &y0, &x1, &y1);
    return std::to_string(code) + " (" + std::to_string(x0) + "," + std::to_string(y0) + ")-(" +
           std::to_string(x1) + "," + std::to_string(y1) + ")";
}

} // namespace

TEST(PrimitiveSpans, EveryStartAndLengthIsExactInEitherOrder) {
    // The paired 32-bit stores must neither stop one pixel short nor run one over.
    TestSurface surface(13, 1);
    for (int start = 0; start < 4; ++start) {
        for (int length = 1; start + length <= 13; ++length) {
            surface.Fill(White);
            HLine(start + length - 1, 0, start, Black);
            std::string expected(13, '.');
            expected.replace(start, length, length, '#');
            ASSERT_EQ(surface.Picture(), expected + "\n") << "start " << start;
        }
    }
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveSpans, SpansArePartlyOrWhollyClippedAndUseTheRowPitch) {
    TestSurface surface(7, 5, White, 5);
    HLine(-20, 0, 2, Black);
    HLine(4, 1, 300, Black);
    VLine(6, -9, 1, Black);
    VLine(0, 3, 99, Black);
    PutPixel(3, 3, Black);
    for (int i : {-1, 7}) {
        HLine(i, 2, i + (i < 0 ? -9 : 9), Black);
        VLine(i, 0, 4, Black);
        PutPixel(i, 2, Black);
    }
    for (int i : {-1, 5}) {
        HLine(0, i, 6, Black);
        VLine(3, i, i + (i < 0 ? -9 : 9), Black);
        PutPixel(2, i, Black);
    }
    EXPECT_EQ(surface.Picture(), "###...#\n"
                                 "....###\n"
                                 ".......\n"
                                 "#..#...\n"
                                 "#......\n");
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveRects, FillRectIsClippedAndFillsTheTopRowOfAFlatRectangle) {
    TestSurface surface(6, 5);
    const Rect square{0, 0, 4, 4};
    FillRect(&square, Black);
    EXPECT_EQ(surface.InkCount(), 16);
    surface.Fill(White);
    for (const Rect& r :
         {Rect{1, 1, 5, 1}, Rect{-100, 3, 100, 100}, Rect{2, 1, 2, 5}, Rect{4, 1, 2, 5},
          Rect{1, 4, 5, 2}, Rect{6, 0, 9, 6}, Rect{0, -5, 6, -1}, Rect{-8, 0, -1, 6}}) {
        FillRect(&r, Black); // a flat one, a large one, then empty, inverted and outside ones
    }
    EXPECT_EQ(surface.Picture(), "......\n"
                                 ".####.\n"
                                 "......\n"
                                 "######\n"
                                 "######\n");
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveRects, FrameIncludesRightAndBottomAndGrowsInwards) {
    TestSurface surface(8, 7);
    const std::string expected = "........\n"
                                 ".######.\n"
                                 ".######.\n"
                                 ".##..##.\n"
                                 ".######.\n"
                                 ".######.\n"
                                 "........\n";
    for (const Rect& r : {Rect{1, 1, 6, 5}, Rect{6, 5, 1, 1}}) {
        surface.Fill(White);
        FrameRect(&r, 2, Black);
        EXPECT_EQ(surface.Picture(), expected) << "corners in either order";
        FrameRect(&r, 0, White);
        FrameRect(&r, -3, White);
        EXPECT_EQ(surface.Picture(), expected) << "no thickness, no frame";
    }
}

TEST(PrimitiveRects, DrawBoxOutlineReachesOnePastTheFill) {
    TestSurface surface(40, 30);
    DrawBox(10, 10, 20, 10, Black, 1, NoColor);
    EXPECT_EQ(surface.At(30, 20), ToColor565(Black));
    EXPECT_EQ(surface.InkCount(), 2 * 21 + 2 * 9) << "columns 10..30, rows 10..20, no fill";
    surface.Fill(White);
    DrawBox(1, 1, 3, 2, Black, 1, 0x0000FF);
    EXPECT_EQ(surface.At(2, 2), ToColor565(0x0000FF));
    EXPECT_EQ(surface.At(4, 3), ToColor565(Black));
    EXPECT_EQ(surface.InkCount(), 4 * 3);
}

TEST(PrimitiveCircles, MidpointCirclesAreClippedAndNegativeRadiiDrawNothing) {
    // r = 3: d = -2 at (0, 3), 1 at (1, 3), 2 at (2, 2).
    TestSurface surface(7, 7);
    FillCircle(3, 3, 0, Black);
    DrawCircle(5, 5, 0, Black);
    FillCircle(2, 2, -1, Black);
    DrawCircle(2, 2, -2, Black);
    EXPECT_EQ(surface.InkCount(), 2) << "radius 0 is the centre, a negative one nothing";
    surface.Fill(White);
    DrawCircle(3, 3, 3, Black);
    EXPECT_EQ(surface.Picture(), "..###..\n"
                                 ".#...#.\n"
                                 "#.....#\n"
                                 "#.....#\n"
                                 "#.....#\n"
                                 ".#...#.\n"
                                 "..###..\n");
    FillCircle(3, 3, 3, Black);
    EXPECT_EQ(surface.Picture(), "..###..\n"
                                 ".#####.\n"
                                 "#######\n"
                                 "#######\n"
                                 "#######\n"
                                 ".#####.\n"
                                 "..###..\n");
    FillCircle(0, 0, 9, Black);
    DrawCircle(3, 3, 7, Black);
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveClipLine, InsideLinesStayAndOneSidedOnesAreRejected) {
    TestSurface surface(20, 10);
    EXPECT_EQ(Clip(0, 0, 19, 9), "1 (0,0)-(19,9)");
    EXPECT_EQ(Clip(-5, 0, -1, 9)[0], '0');
    EXPECT_EQ(Clip(20, 0, 25, 3)[0], '0');
    EXPECT_EQ(Clip(0, -1, 19, -1)[0], '0');
    EXPECT_EQ(Clip(3, 10, 3, 40)[0], '0');
    EXPECT_EQ(Clip(-5, 3, 3, -5)[0], '0') << "meets x = 0 at y = -2, passing the corner";
}

TEST(PrimitiveClipLine, EachEndIsCutAtTheEdgeItReallyMeets) {
    TestSurface surface(20, 10);
    // Left: y = 0 + 10 * 10 / 20 = 5; bottom: x = 10 + (-1 * -20) / -10 = 8.
    EXPECT_EQ(Clip(-10, 0, 10, 10), "2 (0,5)-(8,9)");
    // Above-left via the top edge (x = 3); the bottom end's 10 / -20 truncates to 0.
    EXPECT_EQ(Clip(-2, -10, 8, 10), "2 (3,0)-(8,9)");
    // Above-left whose top crossing (x = -8) is outside: the left edge instead, y = 4.
    EXPECT_EQ(Clip(-10, -1, 10, 9), "2 (0,4)-(10,9)");
    // Straight lines need no division by their zero difference; huge ends do not overflow.
    EXPECT_EQ(Clip(4, -5, 4, 50), "2 (4,0)-(4,9)");
    EXPECT_EQ(Clip(-2000000000, 5, 2000000000, 5), "2 (0,5)-(19,5)");
    EXPECT_EQ(Clip(-1000000000, -1000000000, 1000000000, 1000000000), "2 (0,0)-(9,9)");
}

TEST(PrimitiveLines, StraightAndDiagonalLinesAreSolid) {
    TestSurface surface(6, 6);
    DrawLine(5, 5, 0, 0, Black);
    DrawLine(4, 1, 2, 1, Black);
    DrawLine(0, 3, 0, 5, Black);
    EXPECT_EQ(surface.Picture(), "#.....\n"
                                 ".####.\n"
                                 "..#...\n"
                                 "#..#..\n"
                                 "#...#.\n"
                                 "#....#\n");
    EXPECT_EQ(surface.At(3, 3), ToColor565(Black)) << "no blending";
}

TEST(PrimitiveLines, ShallowLineBlendsByLuminanceWithEitherContrast) {
    // (0, 0) to (10, 3): step = 3 * 65536 / 10 = 19660, wrapping at x = 4 and x = 7.
    TestSurface surface(12, 5);
    DrawLine(0, 0, 10, 3, Black);
    EXPECT_EQ(surface.At(10, 3), ToColor565(Black));
    EXPECT_EQ(surface.InkCount(), 2 + 2 * 9) << "a main pixel and a neighbour per column";
    // x = 1, w = 76 on white (248, 252, 248): the main pixel keeps floor(248 * 304 / 1024)
    // = 73 (green 74); the neighbour loses that share rounded up, 248 - 74 (252 - 75).
    EXPECT_EQ(surface.At(1, 0), ToColor565(Rgb(73, 74, 73)));
    EXPECT_EQ(surface.At(1, 1), ToColor565(Rgb(174, 177, 174)));
    // x = 7, w = 25: the neighbour (7, 3) is 248 + floor(-24.2) = 223, 252 + floor(-24.6) =
    // 227; rounding toward zero would give 224 and 228.
    EXPECT_EQ(surface.At(7, 3), ToColor565(Rgb(223, 227, 223)));
    // White on black: w' = 255 - 76, a = 716, giving 178 and 255 + floor(-178.3) = 76.
    surface.Fill(Black);
    DrawLine(0, 0, 10, 3, White);
    EXPECT_EQ(surface.At(1, 0), ToColor565(Rgb(178, 178, 178)));
    EXPECT_EQ(surface.At(1, 1), ToColor565(Rgb(76, 76, 76)));
}

TEST(PrimitiveLines, SteepMirroredAndReversedLinesFollowTheSameSteps) {
    TestSurface surface(12, 12);
    DrawLine(0, 0, 10, 3, Black);
    Color565 reference[12][12];
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            reference[y][x] = surface.At(x, y);
        }
    }
    const auto expectSame = [&](const char* what, auto at) {
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x <= 10; ++x) {
                ASSERT_EQ(at(x, y), reference[y][x]) << what << " " << x << "," << y;
            }
        }
    };
    surface.Fill(White);
    DrawLine(10, 3, 0, 0, Black);
    expectSame("reversed", [&](int x, int y) { return surface.At(x, y); });
    surface.Fill(White);
    DrawLineWidth(0, 0, 3, 10, 5.0f, Black);
    expectSame("transposed", [&](int x, int y) { return surface.At(y, x); });
    surface.Fill(White);
    DrawLine(10, 0, 0, 3, Black);
    expectSame("mirrored", [&](int x, int y) { return surface.At(10 - x, y); });
}

TEST(PrimitiveLines, LinesOutsideOrThroughTheEdgesStayOnTheSurface) {
    TestSurface surface(9, 6);
    DrawLine(-10, -3, -1, 20, Black);
    DrawLine(0, 6, 8, 30, Black);
    EXPECT_EQ(surface.InkCount(), 0);
    DrawLine(-7, -2, 30, 11, Black);
    DrawLine(8, 0, -40, 5, Black);
    DrawLine(0, 5, 8, 4, Black);
    EXPECT_GT(surface.InkCount(), 0);
    EXPECT_TRUE(surface.GuardsIntact());
}
