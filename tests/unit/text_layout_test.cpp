// Styled layout and drawing with fonts whose widths the test sets: wrapping back to break
// characters, line feeds, colour tags, bracket colours, lowercase, fixed-advance cells, the
// record cap and the bottom limit; the drawn symbols, the styled draw's alignment and out
// fields, and the global text operations over the current font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/surface.h"
#include "support/hook_guards.h"
#include "support/metric_font.h"
#include "support/test_surface.h"
#include "text/text.h"

namespace {

constexpr ColorRef Ink = 0x123456;
constexpr ColorRef Red = 0x0000FF;
constexpr ColorRef Blue = 0xFF0000;
constexpr ColorRef Magenta = 0xFF00FF;
constexpr ColorRef Green = 0x00FF00;

// Each record as "<char>@x,y", space-separated, in slot order.
std::string Placed(const Font& font) {
    std::string text;
    for (int i = 0; i < font.layoutCount; ++i) {
        const LayoutRecord& r = font.layoutBuffer[i];
        text += (i > 0 ? " " : "") + std::string(1, static_cast<char>(r.code)) + "@" +
                std::to_string(r.x) + "," + std::to_string(r.y);
    }
    return text;
}

std::vector<ColorRef> Colours(const Font& font) {
    std::vector<ColorRef> colours;
    for (int i = 0; i < font.layoutCount; ++i) {
        colours.push_back(font.layoutBuffer[i].colour);
    }
    return colours;
}

// Every character 10 pixels wide, lines 12 apart, wrapping at 45 unless a test says else;
// no surface, so the bottom limit is the viewport's height.
class TextLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        SetSurface(nullptr, 0, 0, 0);
        style.colour = Ink;
    }

    int Lay(const char* text, int x0 = 0, int y0 = 0) {
        lines = -1;
        return font.Layout(text, x0, y0, style, &lines);
    }

    LayoutViewportGuard viewport{45, 1000};
    Font font = MetricFont(10, 10, 12, 2);
    TextStyle style;
    int lines = 0;
};

} // namespace

TEST_F(TextLayout, FourTwoLetterWordsTakeALineEach) {
    // "d" would end at 50 > 45, so each word goes back to the start of a new line.
    EXPECT_EQ(Lay("ab cd ef gh"), 11);
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0  @20,0 c@0,12 d@10,12  @20,12 e@0,24 f@10,24  @20,24 "
                            "g@0,36 h@10,36");
}

TEST_F(TextLayout, WrapsAfterTheLastBreakThatFitsAndRestartsAtX0) {
    viewport.Set(120, 1000);
    style.rightMargin = 55;
    Lay("one two-three", 5, 7);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Placed(font), "o@5,7 n@15,7 e@25,7  @35,7 t@5,19 w@15,19 o@25,19 -@35,19 "
                            "t@5,31 h@15,31 r@25,31 e@35,31 e@45,31");
}

TEST_F(TextLayout, LongWordsSplitAndOverwideGlyphsStandAloneWithoutAnEmptyLine) {
    Lay("abcdef");
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0 c@20,0 d@30,0 e@0,12 f@10,12");
    font.widths['W'] = 60;
    Lay("W");
    EXPECT_EQ(lines, 1);
    Lay("aWb");
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Placed(font), "a@0,0 W@0,12 b@0,24");
}

TEST_F(TextLayout, LineFeedsStartLinesAndLaterWrapsNeverMoveTextAboveThem) {
    style.lineSpacing = 3;
    Lay("a\n\nb", 3, 4);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Placed(font), "a@3,4 b@3,34");
    Lay("a\n");
    EXPECT_EQ(lines, 1) << "a trailing line feed adds no line";
    style.lineSpacing = 0;
    Lay("ab c\ndefgh");
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0  @20,0 c@30,0 d@0,12 e@10,12 f@20,12 g@30,12 h@0,24");
}

TEST_F(TextLayout, ColourTagsColourTheTextBetweenAndTakeNoSpace) {
    style.markup = true;
    Lay("a[red]b[/]c[Red]d");
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0 c@20,0 d@30,0");
    EXPECT_EQ(Colours(font), (std::vector<ColorRef>{Ink, Red, Ink, Ink}));
    Lay("ab[red cd");
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0") << "an unclosed tag swallows the rest";
    style.markup = false;
    Lay("[red]");
    EXPECT_EQ(font.layoutCount, 5) << "without markup a tag is five characters";
}

TEST_F(TextLayout, TagColourKnowsTheTableAndTheDefaultTag) {
    const std::pair<const char*, ColorRef> table[] = {
        {"[green]", 0x00FF00},     {"[yellow]", 0x00FFFF}, {"[red]", 0x0000FF},
        {"[magenta]", 0xFF00FF},   {"[white]", 0xFFFFFF},  {"[gray]", 0x7D7D7D},
        {"[lightgray]", 0xC8C8C8}, {"[/]", 0xABCDEF}};
    for (const auto& [tag, colour] : table) {
        ColorRef out = 1;
        EXPECT_TRUE(font.TagColour(tag, 0xABCDEF, &out)) << tag;
        EXPECT_EQ(out, colour) << tag;
    }
    for (const char* unknown : {"[Red]", "[red", "[red] ", "[grey]", "[]", ""}) {
        ColorRef out = 1;
        EXPECT_FALSE(font.TagColour(unknown, 0xABCDEF, &out)) << unknown;
        EXPECT_EQ(out, 1u) << "left alone by " << unknown;
    }
}

TEST_F(TextLayout, LowercaseMapsLettersButNotTagBytes) {
    viewport.Set(500, 1000);
    style.lowercase = true;
    style.markup = true;
    Lay("AZ@`[RED]Q");
    EXPECT_EQ(Placed(font), "a@0,0 z@10,0 @@20,0 `@30,0 q@40,0");
    EXPECT_EQ(Colours(font), (std::vector<ColorRef>(5, Ink))) << "[RED] is not [red]";
}

TEST_F(TextLayout, BracketsAreColouredByDepthAndSurplusOnesKeepTheColour) {
    viewport.Set(500, 1000);
    style.bracketColours = true;
    Lay("((a)))");
    EXPECT_EQ(Colours(font), (std::vector<ColorRef>{Blue, Magenta, Ink, Magenta, Blue, Ink}));
    Lay("(((()((");
    EXPECT_EQ(Colours(font),
              (std::vector<ColorRef>{Blue, Magenta, Green, Blue, Blue, Blue, Magenta}));
    style.markup = true;
    Lay("[red])((");
    EXPECT_EQ(Colours(font), (std::vector<ColorRef>{Red, Red, Blue}))
        << "depth -1 after ')', back to 0 after the first '('";
}

TEST_F(TextLayout, WrapGoingBackRestoresColourAndDepthAtTheBreak) {
    // The space is remembered while red; "[/]" has since changed the colour, and "c" laid
    // out again must still be red.
    style.markup = true;
    Lay("[red]ab c[/]d");
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0  @20,0 c@0,12 d@10,12");
    EXPECT_EQ(Colours(font), (std::vector<ColorRef>{Red, Red, Red, Red, Ink}));
    // The "(" that does not fit has counted itself; going back must take its depth back.
    style.bracketColours = true;
    Lay("a bc(");
    EXPECT_EQ(Placed(font), "a@0,0  @10,0 b@0,12 c@10,12 (@20,12");
    EXPECT_EQ(Colours(font).back(), Blue);
}

TEST_F(TextLayout, FixedAdvanceUsesCellsAndHalfCellSpaces) {
    viewport.Set(500, 1000);
    font.SetFixedAdvance(14);
    font.fixedMode = true;
    Lay("1 2\x89");
    EXPECT_EQ(Placed(font), "1@0,0  @14,0 2@21,0 \x89@35,0");
    EXPECT_EQ(font.layoutBuffer[1].width, 8) << "records hold the advance plus 1";
    style.fixedAdvanceLayout = true;
    EXPECT_EQ(font.MeasureStyled("1 2", style), 14 + 7 + 14);
    style.fixedAdvanceLayout = false;
    EXPECT_EQ(font.MeasureStyled("1 2", style), 30);
    EXPECT_EQ(font.MeasureText("a\x89"), 10 + 15);
    EXPECT_EQ(font.MeasureText(""), 0);
}

TEST_F(TextLayout, RecordsStopAtTheCapacityAndEmptyTextsLayNothingOut) {
    viewport.Set(1 << 30, 1000);
    const std::string longText(LayoutCapacity + 500, 'a');
    EXPECT_EQ(Lay(longText.c_str()), LayoutCapacity + 500) << "the text's length is returned";
    EXPECT_EQ(font.layoutCount, LayoutCapacity);
    EXPECT_EQ(Lay(""), 0);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(font.layoutCount, 0);
    font.layoutBuffer.reset();
    EXPECT_EQ(Lay("ab"), 0) << "nothing without a layout buffer";
}

TEST_F(TextLayout, LayoutStopsAtTheLastLineStartingAboveTheBottom) {
    std::vector<Color565> pixels(50 * 25);
    SetSurface(pixels.data(), 50, 25, 50); // lines start at 0, 12, 24, 36: 36 > 25
    Lay("abcdefghijklm");
    EXPECT_EQ(Placed(font), "a@0,0 b@10,0 c@20,0 d@30,0 e@0,12 f@10,12 g@20,12 h@30,12 "
                            "i@0,24 j@10,24 k@20,24 l@30,24");
    SetSurface(nullptr, 0, 0, 0);
    viewport.Set(45, 20); // without a clip bottom, the viewport's
    Lay("a\nb\nc");
    EXPECT_EQ(Placed(font), "a@0,0 b@0,12");
}

TEST_F(TextLayout, WithoutATestViewportLinesWrapAtTheSurfaceWidth) {
    for (const int width : {45, 75, 120}) {
        viewport.Set(width, 1000);
        Lay("ab cd ef gh");
        const std::string againstTheViewport = Placed(font);
        viewport.Set(0, 0);
        const TestSurface surface(width, 1000);
        Lay("ab cd ef gh");
        EXPECT_EQ(Placed(font), againstTheViewport) << width << " pixels wide";
    }
}

namespace {

// Symbols in a cell of h = 20, shift 2, width w = 15, space 10, drawn at (10, 10): so
// top = 10 + (20 >> 2) = 15 and bottom = 10 + 20 - 2 = 28.
class TextSymbols : public ::testing::Test {
  protected:
    // The bounding box and count of the pixels one symbol inks.
    std::string Draw(int code) {
        surface.Fill(0xFFFFFF);
        font.DrawSymbol(code, 10, 10, 0);
        int left = 99, top = 99, right = -1, bottom = -1;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                if (surface.At(x, y) != 0xFFFF) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return std::to_string(left) + "," + std::to_string(top) + "-" + std::to_string(right) +
               "," + std::to_string(bottom) + " " + std::to_string(surface.InkCount());
    }

    LayoutViewportGuard viewport{400, 400};
    TestSurface surface{40, 40};
    Font font = MetricFont(10, 10, 20, 2);
};

} // namespace

TEST_F(TextSymbols, EachDrawnSymbolCoversItsWorkedOutPixels) {
    EXPECT_EQ(Draw(0x80), "12,15-17,28 52") << "stems 2 x 14, six bars of four more";
    EXPECT_EQ(Draw(0x83), "12,9-20,17 40") << "rings of radius 4 (24 pixels) and 3 (16)";
    const std::string root = Draw(0x87); // its antialiased strokes make the count uneven
    EXPECT_EQ(root.substr(0, root.find(' ')), "10,10-25,30") << "strokes from (10, 20), overline";
    EXPECT_EQ(surface.At(18, 30), 0) << "the second stem reaches y + h";
    EXPECT_EQ(Draw(0x88), "10,17-20,23 23") << "shaft 11, head columns 3, 5, 7 less the shaft";
    EXPECT_EQ(Draw(0x89), "10,14-24,26 25") << "bar of 15, discs of 5 at (17, 15), (17, 25)";
    EXPECT_EQ(Draw(0xDB), "10,17-23,23 56") << "rings of radius 3 and 2 at x 13 and 20";
    EXPECT_EQ(Draw(0xDD), "10,11-23,28 92") << "dot 4, top 20, legs 40, base 28";
    EXPECT_EQ(Draw(0xE5), "10,19-19,20 20") << "two bars across the \"0\" (a GDI glyph)";
    EXPECT_EQ(Draw(0xED), "10,15-23,28 76") << "top 28, legs 4 x 12";
    EXPECT_EQ(Draw(0xF2), "15,10-15,28 19") << "the stroke through the \"o\"";
    for (int code : {0x81, 0x8A, 0xDC, 0xFF}) {
        EXPECT_EQ(Draw(code), "99,99--1,-1 0") << std::hex << code;
    }
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST_F(TextSymbols, StyledDrawTakesBlankSymbolWidthsAlignsAndReports) {
    TextStyle style;
    style.lineCount = 7;
    EXPECT_EQ(font.DrawStyled("", 0, 0, style), 1);
    EXPECT_EQ(style.lineCount + style.drawn, 7) << "an empty text leaves the out fields";
    EXPECT_EQ(font.DrawStyled("\x81\x89", 0, 10, style), 1);
    EXPECT_EQ(style.drawn + style.lineCount, 2);
    EXPECT_EQ(surface.InkCount(), 25);
    EXPECT_EQ(surface.At(15 + 7, 15), 0) << "upper dot centred in the second cell";
    style.indent = true;
    font.DrawStyled("\x89", 3, 4, style);
    EXPECT_EQ(font.layoutBuffer[0].x, 13) << "indented by the space width";
    style = TextStyle{};
    style.boxWidth = 100;
    style.boxHeight = 31;
    style.markup = true;
    style.fixedAdvanceLayout = true;
    font.SetFixedAdvance(4);
    font.DrawStyled("[red]ab", 3, 4, style);
    EXPECT_EQ(font.layoutBuffer[0].x, 3 + 50 - 35) << "tags and proportional widths measured";
    EXPECT_EQ(font.layoutBuffer[0].y, 4 + 15 - 10);
    EXPECT_EQ(font.layoutBuffer[1].x, 3 + 50 - 35 + 4) << "laid out in fixed cells";
    EXPECT_FALSE(font.fixedMode) << "fixed mode lasts only for the layout";
}

TEST(TextGlobals, WithoutACurrentFontEveryOperationIsANoOp) {
    ResetCurrentFont();
    SetCurrentFont(nullptr);
    EXPECT_EQ(CurrentFont(), nullptr);
    TextStyle style = MarkupStyle(0x00FF00);
    EXPECT_TRUE(style.markup);
    EXPECT_EQ(DrawText("abc", 0, 0, style), 0);
    EXPECT_EQ(style.drawn, 0);
    EXPECT_EQ(FontHeight() + SpaceWidth() + FontHeightMultiple(1, 1) + TextWidth("abc"), 0);
    {
        Font font = MetricFont(7, 7, 15, 1);
        SetCurrentFont(&font);
        SetCurrentFont(nullptr);
        EXPECT_EQ(CurrentFont(), &font) << "null leaves the font current";
        EXPECT_EQ(SpaceWidth(), 7);
        EXPECT_EQ(TextWidth("abc"), 21);
    }
    EXPECT_EQ(CurrentFont(), nullptr) << "a font dying while current stops being current";
}

TEST(TextGlobals, FontHeightMultipleShiftsEachTermSeparately) {
    CurrentMetricFont font(7, 7, 15, 1);
    EXPECT_EQ(FontHeightMultiple(0, 0), 0);
    EXPECT_EQ(FontHeightMultiple(1, 0), 15);
    EXPECT_EQ(FontHeightMultiple(2, 0), 30);
    EXPECT_EQ(FontHeightMultiple(3, 0), 60);
    EXPECT_EQ(FontHeightMultiple(0, 1), 7);
    EXPECT_EQ(FontHeightMultiple(0, 2), 3);
    EXPECT_EQ(FontHeightMultiple(1, 1), 22);
    EXPECT_EQ(FontHeightMultiple(-2, -1), -30 - 8) << "-15 >> 1 rounds toward minus infinity";
    EXPECT_EQ(FontHeightMultiple(0, 40), 0) << "long shifts saturate instead of wrapping";
    EXPECT_EQ(FontHeightMultiple(0, -40), -1);
}
