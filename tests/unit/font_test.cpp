// Real GDI fonts under Wine, with no window: the metrics and width table against GDI's own
// measurements through another device context, two fonts side by side, and glyphs really
// landing (antialiased, coloured, at the shifted cell top) in a 16-bit DIB-section back
// buffer, through both plain and styled drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/application.h"
#include "base/platform_win32.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "support/hook_guards.h"
#include "support/test_surface.h"
#include "text/text.h"

namespace {

constexpr int FontPixels = 18;
constexpr Color565 White565 = 0xFFFF;

// GDI's own view of the font the program asks for, measured in a memory context.
class ReferenceFont {
  public:
    ReferenceFont() : dc(CreateCompatibleDC(nullptr)) {
        LOGFONTA description = {};
        description.lfHeight = -FontPixels;
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
    }
    void TearDown() override {
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

    bool AnyPixelIn(int left, int right, ColorRef colour) const {
        for (int y = 0; y < Height; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) == ToColor565(colour)) {
                    return true;
                }
            }
        }
        return false;
    }

    std::vector<Color565> Snapshot() const {
        return std::vector<Color565>(buffer->pixels, buffer->pixels + buffer->pitch * Height);
    }

    static constexpr int Width = 160;
    static constexpr int Height = 90;
    std::unique_ptr<BackBuffer> buffer;
    std::unique_ptr<Font> font;
    const LayoutViewportGuard viewport{Width, Height}; // there is no window to wrap against
};

} // namespace

TEST(FontMetrics, TablesComeFromGdiAndSymbolsMeasureOneAndAHalfAverages) {
    const ReferenceFont reference;
    Font font("Verdana", FontPixels);
    EXPECT_NE(font.handle, nullptr);
    EXPECT_EQ(font.height, reference.metrics.tmHeight - reference.metrics.tmDescent);
    EXPECT_EQ(font.baselineShift, reference.metrics.tmDescent >> 1);
    for (int code = 0; code < 0x80; ++code) {
        EXPECT_EQ(font.CharWidth(code), reference.Extent(code)) << "code " << code;
    }
    const int average = reference.metrics.tmAveCharWidth;
    for (int code = 0x80; code < 0x100; ++code) {
        ASSERT_EQ(font.CharWidth(code), average + (average >> 1)) << "code " << code;
    }
    EXPECT_EQ(font.spaceWidth, reference.Extent(' '));
    EXPECT_GT(font.CharWidth('W'), font.CharWidth('i')) << "a proportional face";
    // Plain text (a typed name) measures every code as GDI draws it, accented letters too.
    for (const char* name : {"Zo\xEB", "\xC9lodie", "Ann-Marie O'Neil"}) {
        int expected = 0;
        for (const char* p = name; *p != '\0'; ++p) {
            expected += reference.Extent(static_cast<unsigned char>(*p));
        }
        EXPECT_EQ(font.MeasurePlain(name), expected) << name;
    }
    font.Destroy();
}

TEST(FontMetrics, MeasuresOnTheScreenWhenTheMainWindowIsUnusable) {
    Application* const saved = CurrentApplication;
    {
        Application app;
        app.window = reinterpret_cast<WindowHandle>(std::uintptr_t{0x7FFF0}); // never a window
        Font font("Verdana", FontPixels);
        EXPECT_GT(font.height, 0);
        EXPECT_GT(font.CharWidth('0'), 0);
        font.Destroy();
    }
    CurrentApplication = saved;
}

TEST(FontMetrics, TwoFontsKeepTheirOwnTablesAndBuffers) {
    Font small("Verdana", FontPixels);
    Font large("Verdana", 60);
    EXPECT_GT(large.height, 2 * small.height);
    EXPECT_GT(large.CharWidth('0'), 2 * small.CharWidth('0'));
    ASSERT_NE(small.layoutBuffer, nullptr);
    EXPECT_NE(small.layoutBuffer.get(), large.layoutBuffer.get());
    large.Destroy();
    EXPECT_GT(small.CharWidth('0'), 0) << "destroying one font leaves the other whole";
    small.Destroy();
}

TEST(FontMetrics, DestroyedFontsAndMissingSurfacesDrawNothing) {
    const TestSurface surface(4, 4); // pixels but no device context
    Font font("Verdana", FontPixels);
    EXPECT_FALSE(font.DrawString("abc", 0, 0, 0));
    SetCurrentFont(&font);
    font.Destroy();
    EXPECT_EQ(font.handle, nullptr);
    EXPECT_EQ(font.layoutBuffer, nullptr);
    TextStyle style = MarkupStyle(0);
    EXPECT_EQ(DrawText("abc", 0, 0, style), 1) << "no buffer: one line, nothing drawn";
    EXPECT_EQ(style.drawn, 0);
    ResetCurrentFont();
}

TEST_F(GlyphCanvas, PlainGlyphsLandAntialiasedAtTheShiftedCellTop) {
    const int x = 20;
    const int y = 40;
    EXPECT_TRUE(font->DrawString("H", x, y, 0x000000));
    const Ink ink = InkIn(0, Width);
    ASSERT_GT(ink.count, 0) << "GDI drew into the DIB section";
    const int cellTop = y - font->baselineShift;
    EXPECT_GE(ink.top, cellTop);
    EXPECT_NEAR(ink.bottom, cellTop + font->height - 1, 1) << "an H stands on the baseline";
    EXPECT_GE(ink.left, x);
    EXPECT_LT(ink.right, x + font->CharWidth('H'));
    int partial = 0;
    for (int py = ink.top; py <= ink.bottom; ++py) {
        for (int px = ink.left; px <= ink.right; ++px) {
            partial += At(px, py) != 0 && At(px, py) != White565 ? 1 : 0;
        }
    }
    EXPECT_TRUE(AnyPixelIn(x, x + font->CharWidth('H'), 0)) << "the stems are solid";
    EXPECT_GT(partial, 0) << "the edges are smoothed";
}

TEST_F(GlyphCanvas, StyledTextGivesEachGlyphItsTagColour) {
    TextStyle style = MarkupStyle(0xFF0000); // blue
    const int x = 10;
    const int split = x + font->CharWidth('H');
    EXPECT_EQ(DrawText("[red]H[/]H", x, 40, style), 1);
    EXPECT_EQ(style.drawn, 1);
    EXPECT_TRUE(AnyPixelIn(x, split, 0x0000FF));
    EXPECT_TRUE(AnyPixelIn(split, split + font->CharWidth('H'), 0xFF0000));
    EXPECT_LT(InkIn(0, Width).right, split + font->CharWidth('H')) << "the tags took no space";
}

TEST_F(GlyphCanvas, StyledAsteriskIsLoweredByAFifthOfTheHeight) {
    DrawPlainText("*", 30, 40, 0);
    const std::vector<Color565> plain = Snapshot();
    buffer->Clear(White565);
    TextStyle style = MarkupStyle(0);
    DrawText("*", 30, 40, style);
    const int drop = font->height / 5;
    ASSERT_GT(drop, 0);
    for (int y = 0; y + drop < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            ASSERT_EQ(At(x, y + drop), plain[static_cast<std::size_t>(x + y * buffer->pitch)])
                << "pixel " << x << "," << y;
        }
    }
}
