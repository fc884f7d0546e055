// The drawing primitives on a small in-memory surface: spans and their clipping, rectangle
// fills and frames, midpoint circles, Cohen-Sutherland line clipping and the antialiased
// line's end pixels, stepping and luminance-weighted blending. Expected pixels are worked
// out by hand from the drawing rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/primitives.h"
#include "support/test_surface.h"

namespace {

constexpr ColorRef Black = 0x000000;
constexpr ColorRef White = 0xFFFFFF;
constexpr ColorRef Red = 0x0000FF;

// The colour value of three 8-bit channels.
ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r | (g << 8) | (b << 16));
}

struct Line {
    int x0, y0, x1, y1;
};

// Clips a copy of the line; returns the result code and leaves the clipped ends in line.
int Clip(Line& line) {
    return ClipLine(&line.x0, &line.y0, &line.x1, &line.y1);
}

std::string Ends(const Line& l) {
    return "(" + std::to_string(l.x0) + "," + std::to_string(l.y0) + ")-(" + std::to_string(l.x1) +
           "," + std::to_string(l.y1) + ")";
}

} // namespace

TEST(PrimitiveSpans, HLineDrawsBothEndsInEitherOrder) {
    TestSurface surface(16, 8);
    HLine(10, 5, 3, Red);
    EXPECT_EQ(surface.InkCount(), 8);
    for (int x = 3; x <= 10; ++x) {
        EXPECT_EQ(surface.At(x, 5), ToColor565(Red)) << "x " << x;
    }
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveSpans, HLineOfEveryStartAndLengthIsExact) {
    // The paired 32-bit stores must neither stop one pixel short nor run one over.
    TestSurface surface(13, 1);
    for (int start = 0; start < 4; ++start) {
        for (int length = 1; start + length <= 13; ++length) {
            surface.Fill(White);
            HLine(start, 0, start + length - 1, Black);
            std::string expected(13, '.');
            expected.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length),
                             static_cast<std::size_t>(length), '#');
            ASSERT_EQ(surface.Picture(), expected + "\n")
                << "start " << start << " length " << length;
        }
    }
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveSpans, SpansAreCutAtTheClipEdges) {
    TestSurface surface(7, 5);
    HLine(-20, 0, 2, Black); // starts at the left edge
    HLine(4, 1, 300, Black); // ends at the right edge
    VLine(6, -9, 1, Black);  // starts at the top
    VLine(0, 3, 99, Black);  // ends at the bottom
    EXPECT_EQ(surface.Picture(), "###...#\n"
                                 "....###\n"
                                 ".......\n"
                                 "#......\n"
                                 "#......\n");
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveSpans, SpansWhollyOutsideDrawNothing) {
    TestSurface surface(7, 5);
    HLine(-9, 2, -1, Black);
    HLine(7, 2, 12, Black);
    HLine(0, -1, 6, Black);
    HLine(0, 5, 6, Black);
    VLine(3, -8, -1, Black);
    VLine(3, 5, 9, Black);
    VLine(-1, 0, 4, Black);
    VLine(7, 0, 4, Black);
    PutPixel(-1, 0, Black);
    PutPixel(7, 4, Black);
    PutPixel(0, 5, Black);
    EXPECT_EQ(surface.InkCount(), 0);
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveSpans, PixelsUseTheRowPitch) {
    TestSurface surface(5, 3, White, 7);
    PutPixel(4, 2, Red);
    VLine(1, 0, 2, Red);
    EXPECT_EQ(surface.Picture(), ".#...\n"
                                 ".#...\n"
                                 ".#..#\n");
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveRects, FillRectCoversLeftTopToRightBottomExclusive) {
    TestSurface surface(6, 6);
    const Rect square{0, 0, 4, 4};
    FillRect(&square, Black);
    EXPECT_EQ(surface.InkCount(), 16);
    surface.Fill(White);
    FillBox(2, 1, 3, 2, Black);
    EXPECT_EQ(surface.Picture(), "......\n"
                                 "..###.\n"
                                 "..###.\n"
                                 "......\n"
                                 "......\n"
                                 "......\n");
}

TEST(PrimitiveRects, FillRectWithNoHeightFillsItsTopRow) {
    TestSurface surface(6, 3);
    const Rect flat{1, 1, 5, 1};
    FillRect(&flat, Black);
    EXPECT_EQ(surface.Picture(), "......\n"
                                 ".####.\n"
                                 "......\n");
}

TEST(PrimitiveRects, EmptyOrInvertedRectanglesDrawNothing) {
    TestSurface surface(6, 6);
    const Rect noWidth{2, 1, 2, 5};
    const Rect leftOfRight{4, 1, 2, 5};
    const Rect bottomAboveTop{1, 4, 5, 2};
    const Rect rightOfClip{6, 0, 9, 6};
    const Rect aboveClip{0, -5, 6, -1};
    const Rect clippedToNothing{-8, 0, -1, 6};
    for (const Rect* r :
         {&noWidth, &leftOfRight, &bottomAboveTop, &rightOfClip, &aboveClip, &clippedToNothing}) {
        FillRect(r, Black);
    }
    EXPECT_EQ(surface.InkCount(), 0);
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveRects, FillRectIsClippedToTheSurface) {
    TestSurface surface(5, 4);
    const Rect large{-100, 2, 100, 100};
    FillRect(&large, Black);
    EXPECT_EQ(surface.Picture(), ".....\n"
                                 ".....\n"
                                 "#####\n"
                                 "#####\n");
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(PrimitiveRects, FrameIncludesRightAndBottomAndGrowsInwards) {
    TestSurface surface(8, 7);
    const Rect r{1, 1, 6, 5};
    FrameRect(&r, 2, Black);
    const std::string expected = "........\n"
                                 ".######.\n"
                                 ".######.\n"
                                 ".##..##.\n"
                                 ".######.\n"
                                 ".######.\n"
                                 "........\n";
    EXPECT_EQ(surface.Picture(), expected);
    surface.Fill(White);
    const Rect inverted{6, 5, 1, 1};
    FrameRect(&inverted, 2, Black);
    EXPECT_EQ(surface.Picture(), expected) << "inverted corners are normalised";
    surface.Fill(White);
    FrameRect(&r, 0, Black);
    FrameRect(&r, -3, Black);
    EXPECT_EQ(surface.InkCount(), 0);
}

TEST(PrimitiveRects, DrawBoxOutlineReachesOnePastTheFill) {
    TestSurface surface(40, 30);
    DrawBox(10, 10, 20, 10, Black, 1, NoColor);
    EXPECT_EQ(surface.At(10, 10), ToColor565(Black));
    EXPECT_EQ(surface.At(30, 20), ToColor565(Black));
    EXPECT_EQ(surface.At(30, 10), ToColor565(Black));
    EXPECT_EQ(surface.At(15, 15), ToColor565(White)) << "no fill";
    EXPECT_EQ(surface.InkCount(), 2 * 21 + 2 * 9);

    surface.Fill(White);
    DrawBox(1, 1, 3, 2, Black, 1, Red);
    EXPECT_EQ(surface.At(2, 2), ToColor565(Red)) << "fill inside the outline";
    EXPECT_EQ(surface.At(4, 3), ToColor565(Black)) << "outline corner at x + w, y + h";
    EXPECT_EQ(surface.At(5, 3), ToColor565(White));
}

TEST(PrimitiveCircles, RadiusZeroIsTheCentrePixel) {
    TestSurface surface(5, 5);
    FillCircle(2, 2, 0, Black);
    EXPECT_EQ(surface.InkCount(), 1);
    EXPECT_EQ(surface.At(2, 2), ToColor565(Black));
    surface.Fill(White);
    DrawCircle(2, 2, 0, Black);
    EXPECT_EQ(surface.InkCount(), 1);
    EXPECT_EQ(surface.At(2, 2), ToColor565(Black));
}

TEST(PrimitiveCircles, RadiusThreeOutlineAndDisc) {
    // Midpoint steps for r = 3: d = -2 at (0, 3), 1 at (1, 3), 2 at (2, 2).
    TestSurface surface(7, 7);
    DrawCircle(3, 3, 3, Black);
    EXPECT_EQ(surface.Picture(), "..###..\n"
                                 ".#...#.\n"
                                 "#.....#\n"
                                 "#.....#\n"
                                 "#.....#\n"
                                 ".#...#.\n"
                                 "..###..\n");
    surface.Fill(White);
    FillCircle(3, 3, 3, Black);
    EXPECT_EQ(surface.Picture(), "..###..\n"
                                 ".#####.\n"
                                 "#######\n"
                                 "#######\n"
                                 "#######\n"
                                 ".#####.\n"
                                 "..###..\n");
}

TEST(PrimitiveCircles, CirclesAreClippedAndNegativeRadiiDrawNothing) {
    TestSurface surface(4, 4);
    FillCircle(0, 0, 9, Black);
    DrawCircle(3, 3, 7, Black);
    EXPECT_TRUE(surface.GuardsIntact());
    surface.Fill(White);
    FillCircle(2, 2, -1, Black);
    DrawCircle(2, 2, -2, Black);
    EXPECT_EQ(surface.InkCount(), 0);
}

TEST(PrimitiveClipLine, InsideLinesAreLeftAlone) {
    TestSurface surface(20, 10);
    Line l{0, 0, 19, 9};
    EXPECT_EQ(Clip(l), LineInside);
    EXPECT_EQ(Ends(l), "(0,0)-(19,9)");
}

TEST(PrimitiveClipLine, LinesOnOneOutsideSideAreRejected) {
    TestSurface surface(20, 10);
    for (Line l : {Line{-5, 0, -1, 9}, Line{20, 0, 25, 3}, Line{0, -1, 19, -1}, Line{3, 10, 3, 40},
                   Line{-3, -3, -1, -9}}) {
        const std::string before = Ends(l);
        EXPECT_EQ(Clip(l), LineRejected) << before;
    }
}

TEST(PrimitiveClipLine, EachEndIsCutAtTheEdgeItCrosses) {
    TestSurface surface(20, 10);
    // Left end: y = 0 + 10 * 10 / 20 = 5; bottom end: x = 10 + (-1) * (-20) / (-10) = 8.
    Line l{-10, 0, 10, 10};
    EXPECT_EQ(Clip(l), LineClipped);
    EXPECT_EQ(Ends(l), "(0,5)-(8,9)");
    // Straight lines through an edge need no division by their zero difference.
    Line across{-5, 3, 5, 3};
    EXPECT_EQ(Clip(across), LineClipped);
    EXPECT_EQ(Ends(across), "(0,3)-(5,3)");
    Line down{4, -5, 4, 50};
    EXPECT_EQ(Clip(down), LineClipped);
    EXPECT_EQ(Ends(down), "(4,0)-(4,9)");
}

TEST(PrimitiveClipLine, CornerEndsUseTheEdgeTheLineReallyMeets) {
    TestSurface surface(20, 10);
    // Above-left start meeting the top edge at x = -2 + 10 * 10 / 20 = 3; the bottom end's
    // x = 8 + 10 / -20 truncates toward zero to 8.
    Line viaTop{-2, -10, 8, 10};
    EXPECT_EQ(Clip(viaTop), LineClipped);
    EXPECT_EQ(Ends(viaTop), "(3,0)-(8,9)");
    // Above-left start whose top-edge crossing (x = -8) is outside: the left edge, y = 4.
    Line viaLeft{-10, -1, 10, 9};
    EXPECT_EQ(Clip(viaLeft), LineClipped);
    EXPECT_EQ(Ends(viaLeft), "(0,4)-(10,9)");
}

TEST(PrimitiveClipLine, LinePassingOutsideACornerIsRejected) {
    TestSurface surface(20, 10);
    Line l{-5, 3, 3, -5}; // meets x = 0 at y = -2, above the surface
    EXPECT_EQ(Clip(l), LineRejected);
}

TEST(PrimitiveClipLine, HugeCoordinatesDoNotOverflow) {
    TestSurface surface(20, 10);
    Line flat{-2000000000, 5, 2000000000, 5};
    EXPECT_EQ(Clip(flat), LineClipped);
    EXPECT_EQ(Ends(flat), "(0,5)-(19,5)");
    Line diagonal{-1000000000, -1000000000, 1000000000, 1000000000};
    EXPECT_EQ(Clip(diagonal), LineClipped);
    EXPECT_EQ(Ends(diagonal), "(0,0)-(9,9)");
}

TEST(PrimitiveLines, DiagonalPlotsEveryPixelUnblended) {
    TestSurface surface(8, 8);
    DrawLine(5, 5, 0, 0, Red);
    EXPECT_EQ(surface.InkCount(), 6);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(surface.At(i, i), ToColor565(Red)) << i;
    }
}

TEST(PrimitiveLines, StraightLinesAreSolidSpans) {
    TestSurface surface(6, 4);
    DrawLine(4, 1, 1, 1, Black);
    DrawLine(0, 3, 0, 0, Black);
    EXPECT_EQ(surface.Picture(), "#.....\n"
                                 "#####.\n"
                                 "#.....\n"
                                 "#.....\n");
}

TEST(PrimitiveLines, ShallowLineBlendsEachColumnBetweenItsEnds) {
    // From (0, 0) to (10, 3): step = 3 * 65536 / 10 = 19660; the accumulator wraps at
    // x = 4 and x = 7, so the main pixels run along rows 0, 1 and 2.
    TestSurface surface(12, 5);
    DrawLine(0, 0, 10, 3, Black);
    EXPECT_EQ(surface.At(0, 0), ToColor565(Black));
    EXPECT_EQ(surface.At(10, 3), ToColor565(Black));
    const int mainRow[10] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2};
    for (int x = 1; x <= 9; ++x) {
        EXPECT_NE(surface.At(x, mainRow[x]), ToColor565(White)) << "main pixel, x " << x;
        EXPECT_NE(surface.At(x, mainRow[x] + 1), ToColor565(White)) << "neighbour, x " << x;
    }
    EXPECT_EQ(surface.InkCount(), 2 + 2 * 9);
    // x = 1: w = 19660 >> 8 = 76. Dark line on white (248, 252, 248): the main pixel keeps
    // 76 * 4 / 1024 of the white, floor(248 * 304 / 1024) = 73 and floor(252 * 304 / 1024)
    // = 74; the neighbour loses that share rounded up: 248 - 74 = 174, 252 - 75 = 177.
    EXPECT_EQ(surface.At(1, 0), ToColor565(Rgb(73, 74, 73)));
    EXPECT_EQ(surface.At(1, 1), ToColor565(Rgb(174, 177, 174)));
    // x = 7: w = 6548 >> 8 = 25; the neighbour (7, 3) becomes 248 + floor(-24.2) = 223 and
    // 252 + floor(-24.6) = 227, where rounding toward zero would leave 224 and 228.
    EXPECT_EQ(surface.At(7, 3), ToColor565(Rgb(223, 227, 223)));
}

TEST(PrimitiveLines, LightLineOnDarkGroundGetsTheSameWeights) {
    // White on black at x = 1: w' = 255 - 76 = 179, a = 716; the main pixel becomes
    // floor(255 * 716 / 1024) = 178 and the neighbour 255 + floor(-255 * 716 / 1024) = 76.
    TestSurface surface(12, 5, Black);
    DrawLine(0, 0, 10, 3, White);
    EXPECT_EQ(surface.At(1, 0), ToColor565(Rgb(178, 178, 178)));
    EXPECT_EQ(surface.At(1, 1), ToColor565(Rgb(76, 76, 76)));
}

TEST(PrimitiveLines, SteepAndMirroredLinesFollowTheSameSteps) {
    TestSurface shallow(12, 12);
    DrawLine(0, 0, 10, 3, Black);
    std::vector<Color565> reference;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            reference.push_back(shallow.At(x, y));
        }
    }
    shallow.Fill(White);
    DrawLine(0, 0, 3, 10, Black); // the transpose
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(shallow.At(y, x), reference[static_cast<std::size_t>(y * 12 + x)])
                << "transposed pixel " << x << "," << y;
        }
    }
    shallow.Fill(White);
    DrawLine(10, 0, 0, 3, Black); // the mirror image, drawn from its other end
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x <= 10; ++x) {
            ASSERT_EQ(shallow.At(10 - x, y), reference[static_cast<std::size_t>(y * 12 + x)])
                << "mirrored pixel " << x << "," << y;
        }
    }
}

TEST(PrimitiveLines, ReversedEndsAndWidthDrawTheSameLine) {
    TestSurface surface(12, 5);
    DrawLine(0, 0, 10, 3, Black);
    const std::string forward = surface.Picture();
    const Color565 sample = surface.At(5, 1);
    surface.Fill(White);
    DrawLine(10, 3, 0, 0, Black);
    EXPECT_EQ(surface.Picture(), forward);
    EXPECT_EQ(surface.At(5, 1), sample);
    surface.Fill(White);
    DrawLineWidth(0, 0, 10, 3, 1.0f, Black);
    EXPECT_EQ(surface.Picture(), forward);
    EXPECT_EQ(surface.At(5, 1), sample);
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
