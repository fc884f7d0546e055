// Real GDI fonts under Wine, with no window: the metrics and width table against GDI's own
// measurements through another device context, two fonts side by side, and glyphs really
// landing (antialiased, coloured, at the shifted cell top) in a 16-bit DIB-section back
// buffer, through both plain and styled drawing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/win32.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "text/text.h"

namespace {

constexpr int FontPixels = 18;
constexpr Color565 White565 = 0xFFFF;

// GDI's own view of the font the program asks for, measured in a memory context.
class ReferenceFont {
  public:
    explicit ReferenceFont(int pixelSize) : dc(CreateCompatibleDC(nullptr)) {
        LOGFONTA description = {};
        description.lfHeight = -pixelSize;
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = 144;
        description.lfOutPrecision = OUT_TT_PRECIS;
        description.lfQuality = ANTIALIASED_QUALITY;
        lstrcpyA(description.lfFaceName, "Verdana");
        font = CreateFontIndirectA(&description);
        previous = SelectObject(dc, font);
        GetTextMetricsA(dc, &metrics);
    }
    ~ReferenceFont() {
        SelectObject(dc, previous);
        DeleteObject(font);
        DeleteDC(dc);
    }
    int Extent(int code) const {
        const char c = static_cast<char>(code);
        SIZE size = {};
        GetTextExtentPoint32A(dc, &c, 1, &size);
        return size.cx;
    }
    TEXTMETRICA metrics = {};

  private:
    HDC dc;
    HFONT font = nullptr;
    HGDIOBJ previous = nullptr;
};

// The bounding box and count of the pixels that are not the background.
struct Ink {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    int count = 0;
};

// A 16-bit back buffer over the desktop published as the drawing surface, cleared white,
// with the current font and a layout viewport of the same size.
class GlyphCanvas : public ::testing::Test {
  protected:
    void SetUp() override {
        buffer = std::make_unique<BackBuffer>(GetDesktopWindow(), Width, Height);
        ASSERT_NE(buffer->pixels, nullptr);
        buffer->Publish();
        buffer->Clear(White565);
        font = std::make_unique<Font>("Verdana", FontPixels);
        SetCurrentFont(font.get());
        SetLayoutViewportForTests(Width, Height); // there is no window to wrap against
    }
    void TearDown() override {
        SetLayoutViewportForTests(0, 0);
        font.reset(); // no longer current once it is gone
        buffer->Destroy();
    }

    Color565 At(int x, int y) const { return buffer->pixels[x + y * buffer->pitch]; }

    Ink InkIn(int left, int right) const {
        Ink ink;
        for (int y = 0; y < Height; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) != White565) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                    ++ink.count;
                }
            }
        }
        return ink;
    }
    Ink AllInk() const { return InkIn(0, Width); }

    std::vector<Color565> Snapshot() const {
        return std::vector<Color565>(buffer->pixels, buffer->pixels + buffer->pitch * Height);
    }

    static constexpr int Width = 160;
    static constexpr int Height = 90;
    std::unique_ptr<BackBuffer> buffer;
    std::unique_ptr<Font> font;
};

} // namespace

TEST(FontMetrics, HeightIsTheAscentAndTheShiftHalfTheDescent) {
    const ReferenceFont reference(FontPixels);
    Font font("Verdana", FontPixels);
    EXPECT_NE(font.handle, nullptr);
    EXPECT_EQ(font.height, reference.metrics.tmHeight - reference.metrics.tmDescent);
    EXPECT_EQ(font.baselineShift, reference.metrics.tmDescent >> 1);
    EXPECT_GE(font.height, FontPixels - 4) << "the pixel size asks for the character height";
    EXPECT_LE(font.height, FontPixels + 2);
    font.Destroy();
}

TEST(FontMetrics, WidthsAreGdiExtentsAndSymbolsOneAndAHalfAverages) {
    const ReferenceFont reference(FontPixels);
    Font font("Verdana", FontPixels);
    for (int code = 0; code < 0x80; ++code) {
        EXPECT_EQ(font.CharWidth(code), reference.Extent(code)) << "code " << code;
    }
    const int average = reference.metrics.tmAveCharWidth;
    for (int code = 0x80; code < 0x100; ++code) {
        ASSERT_EQ(font.CharWidth(code), average + (average >> 1)) << "code " << code;
    }
    EXPECT_EQ(font.spaceWidth, reference.Extent(' '));
    EXPECT_GT(font.CharWidth('W'), font.CharWidth('i')) << "a proportional face";
    EXPECT_EQ(font.MeasureText("Wi"), font.CharWidth('W') + font.CharWidth('i'));
    font.Destroy();
}

TEST(FontMetrics, TwoFontsKeepTheirOwnTablesAndBuffers) {
    Font small("Verdana", FontPixels);
    Font large("Verdana", 60);
    EXPECT_GT(large.height, 2 * small.height);
    EXPECT_GT(large.CharWidth('0'), 2 * small.CharWidth('0'));
    ASSERT_NE(small.layoutBuffer, nullptr);
    ASSERT_NE(large.layoutBuffer, nullptr);
    EXPECT_NE(small.layoutBuffer.get(), large.layoutBuffer.get());
    large.Destroy();
    EXPECT_GT(small.CharWidth('0'), 0) << "destroying one font leaves the other whole";
    small.Destroy();
}

TEST(FontMetrics, DestroyedFontsDrawNoStyledTextAndDyingFontsStopBeingCurrent) {
    auto font = std::make_unique<Font>("Verdana", FontPixels);
    SetCurrentFont(font.get());
    font->Destroy();
    EXPECT_EQ(font->handle, nullptr);
    EXPECT_EQ(font->layoutBuffer, nullptr);
    TextStyle style = MarkupStyle(0);
    EXPECT_EQ(DrawText("abc", 0, 0, style), 1);
    EXPECT_EQ(style.drawn, 0);
    font.reset();
    EXPECT_EQ(CurrentFont(), nullptr);
}

TEST(FontMetrics, DrawingWithoutASurfaceDoesNothing) {
    ASSERT_EQ(SurfaceDC, nullptr);
    Font font("Verdana", FontPixels);
    EXPECT_FALSE(font.DrawString("abc", 0, 0, 0));
    font.Destroy();
}

TEST_F(GlyphCanvas, PlainGlyphsLandAntialiasedAtTheShiftedCellTop) {
    const int x = 20;
    const int y = 40;
    EXPECT_TRUE(font->DrawString("H", x, y, 0x000000));
    const Ink ink = AllInk();
    ASSERT_GT(ink.count, 0) << "GDI drew into the DIB section";
    const int cellTop = y - font->baselineShift;
    const int baseline = cellTop + font->height; // the first row below the ascent
    EXPECT_GE(ink.top, cellTop);
    EXPECT_NEAR(ink.bottom, baseline - 1, 1) << "an H stands on the baseline";
    EXPECT_GE(ink.left, x);
    EXPECT_LT(ink.right, x + font->CharWidth('H'));
    int solid = 0;
    int partial = 0;
    for (int py = ink.top; py <= ink.bottom; ++py) {
        for (int px = ink.left; px <= ink.right; ++px) {
            solid += At(px, py) == 0 ? 1 : 0;
            partial += At(px, py) != 0 && At(px, py) != White565 ? 1 : 0;
        }
    }
    EXPECT_GT(solid, 0) << "the stems are solid";
    EXPECT_GT(partial, 0) << "the edges are smoothed";
}

TEST_F(GlyphCanvas, MovingTheOriginMovesTheGlyphByTheSameAmount) {
    font->DrawString("H", 20, 40, 0);
    const Ink first = AllInk();
    buffer->Clear(White565);
    font->DrawString("H", 27, 45, 0);
    const Ink second = AllInk();
    EXPECT_EQ(second.left - first.left, 7);
    EXPECT_EQ(second.top - first.top, 5);
    EXPECT_EQ(second.count, first.count);
}

TEST_F(GlyphCanvas, StyledTextGivesEachGlyphItsTagColour) {
    TextStyle style = MarkupStyle(0xFF0000); // blue
    const int x = 10;
    EXPECT_EQ(DrawText("[red]H[/]H", x, 40, style), 1);
    EXPECT_EQ(style.drawn, 1);
    EXPECT_EQ(style.lineCount, 1);
    const int split = x + font->CharWidth('H');
    bool redInFirst = false;
    bool blueInSecond = false;
    for (int y = 0; y < Height; ++y) {
        for (int px = x; px < split; ++px) {
            redInFirst = redInFirst || At(px, y) == ToColor565(0x0000FF);
        }
        for (int px = split; px < split + font->CharWidth('H'); ++px) {
            blueInSecond = blueInSecond || At(px, y) == ToColor565(0xFF0000);
        }
    }
    EXPECT_TRUE(redInFirst);
    EXPECT_TRUE(blueInSecond);
    EXPECT_LT(AllInk().right, split + font->CharWidth('H')) << "the tags took no space";
}

TEST_F(GlyphCanvas, StyledAsteriskIsLoweredByAFifthOfTheHeight) {
    DrawPlainText("*", 30, 40, 0);
    const std::vector<Color565> plain = Snapshot();
    const Ink plainInk = AllInk();
    buffer->Clear(White565);
    TextStyle style = MarkupStyle(0);
    DrawText("*", 30, 40, style);
    const int drop = font->height / 5;
    ASSERT_GT(drop, 0);
    EXPECT_EQ(AllInk().top, plainInk.top + drop);
    for (int y = 0; y + drop < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            ASSERT_EQ(At(x, y + drop), plain[static_cast<std::size_t>(x + y * buffer->pitch)])
                << "pixel " << x << "," << y;
        }
    }
}

TEST_F(GlyphCanvas, StyledGlyphsMatchPlainOnesAtTheSamePlace) {
    // A styled "a" and the letter-e symbol go through the same glyph output as plain text.
    TextStyle style = MarkupStyle(0);
    DrawText("a\xDC", 30, 40, style);
    const std::vector<Color565> styled = Snapshot();
    buffer->Clear(White565);
    DrawPlainText("a", 30, 40, 0);
    DrawPlainText("e", 30 + font->CharWidth('a'), 40, 0);
    EXPECT_TRUE(Snapshot() == styled);
}

TEST_F(GlyphCanvas, LineFeedMovesTheNextLineDownByTheLineAdvance) {
    TextStyle style = MarkupStyle(0);
    style.lineSpacing = 2;
    EXPECT_EQ(DrawText("H\nH", 5, 30, style), 2);
    const Ink ink = AllInk();
    buffer->Clear(White565);
    DrawPlainText("H", 5, 30, 0);
    const Ink single = AllInk();
    EXPECT_EQ(ink.bottom - single.bottom, font->height + 2);
    EXPECT_EQ(ink.count, 2 * single.count);
}
