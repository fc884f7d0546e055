// The grid's and the chart's colours as every reader sees them: the grid's five classes are
// ColorBrewer's RdYlBu written in the 0x00BBGGRR byte order, and under simulated
// protanopia, deuteranopia and tritanopia (Machado et al. 2009, severity 1.0, on linear
// RGB) neighbouring classes, the grey of a fact never asked against every class, the check
// mark against the fluent class and the chart's lines stay at least MinimumDeltaE apart in
// CIE76 Delta E, as the back buffer shows them.
#include <gtest/gtest.h>

#include <string>

#include "game/score_chart.h"
#include "progress/progress_summary.h"
#include "support/colour_vision.h"

namespace {

// Delta E 10 is a difference nobody has to look for.
constexpr double MinimumDeltaE = 10.0;
constexpr ColorRef White = 0xFFFFFF;

// "#RRGGBB" as a colour value.
ColorRef FromHex(const std::string& hex) {
    const unsigned long rgb = std::stoul(hex.substr(1), nullptr, 16);
    return static_cast<ColorRef>((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
}

double Apart(ColorRef p, ColorRef q, ColourVision vision) {
    return SeenDistance(AsShownOnScreen(p), AsShownOnScreen(q), vision);
}

} // namespace

TEST(GridColour, TheClassesAreFiveClassRdYlBuFromFastToSlow) {
    const char* const scale[GridClassCount] = {"#2C7BB6", "#ABD9E9", "#FFFFBF", "#FDAE61",
                                               "#D7191C"};
    for (int i = 0; i < GridClassCount; ++i) {
        SCOPED_TRACE(scale[i]);
        EXPECT_EQ(GridClassColours[i], FromHex(scale[i]));
    }
}

TEST(GridColour, NeighbouringClassesAndGreyStayApartForEveryColourVision) {
    for (const ColourVision vision : ColourVisions) {
        SCOPED_TRACE(ColourVisionName(vision));
        for (int i = 0; i + 1 < GridClassCount; ++i) {
            EXPECT_GE(Apart(GridClassColours[i], GridClassColours[i + 1], vision), MinimumDeltaE)
                << "classes " << i << " and " << i + 1;
        }
        for (int i = 0; i < GridClassCount; ++i) {
            EXPECT_GE(Apart(GridUnaskedColour, GridClassColours[i], vision), MinimumDeltaE)
                << "grey and class " << i;
        }
        EXPECT_GE(Apart(White, GridClassColours[0], vision), MinimumDeltaE)
            << "the check mark on a fluent cell";
    }
}

TEST(GridColour, TheCheckMarkReadsInGreyPrint) {
    for (const ColourVision vision : ColourVisions) {
        SCOPED_TRACE(ColourVisionName(vision));
        const double lightness = SeenAs(AsShownOnScreen(White), vision).l -
                                 SeenAs(AsShownOnScreen(GridClassColours[0]), vision).l;
        EXPECT_GE(lightness, MinimumDeltaE) << "by lightness alone";
    }
}

TEST(GridColour, TheChartLinesStayApartFromEachOtherAndTheChart) {
    for (const ColourVision vision : ColourVisions) {
        SCOPED_TRACE(ColourVisionName(vision));
        for (int d = 0; d < 3; ++d) {
            EXPECT_GE(Apart(ChartLineColour(d), White, vision), MinimumDeltaE) << d;
            for (int e = d + 1; e < 3; ++e) {
                EXPECT_GE(Apart(ChartLineColour(d), ChartLineColour(e), vision), MinimumDeltaE)
                    << d << " and " << e;
            }
        }
    }
}

// The measure can fail: a green and a red that a deuteranope confuses fall closer than the
// threshold under deuteranopia, though far apart to typical eyes.
TEST(GridColour, TheSimulationConfusesWhatColourBlindReadersConfuse) {
    const ColorRef green = FromHex("#3CB046");
    const ColorRef red = FromHex("#E06850");
    EXPECT_GE(Apart(green, red, ColourVision::Typical), 5 * MinimumDeltaE);
    EXPECT_LT(Apart(green, red, ColourVision::Deuteranopia), MinimumDeltaE / 2);
    for (const ColourVision vision : ColourVisions) {
        SCOPED_TRACE(ColourVisionName(vision));
        const LabColour white = SeenAs(White, vision);
        EXPECT_NEAR(white.l, 100.0, 0.01) << "white stays white";
        EXPECT_NEAR(white.a, 0.0, 0.01);
        EXPECT_NEAR(white.b, 0.0, 0.01);
    }
}
