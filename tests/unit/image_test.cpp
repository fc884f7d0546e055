// Images from the test program's own bitmap resources, and sprites drawn from them into an
// in-memory surface. Expected pixels come from the raw palette bytes inside the resource,
// converted here by hand, and from where each surface pixel falls in the source.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/image.h"
#include "render/sprite.h"
#include "render/surface.h"
#include "support/widget_surface.h"

namespace {

constexpr ColorRef SheetKey = 0xFFE7DB;
constexpr ColorRef TitleKey = 0xFFFFFF;
constexpr Color565 Background = 0x0841;

Color565 HandConvert(int red, int green, int blue) {
    return static_cast<Color565>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

// The palette entry as stored in the resource (blue, green, red, unused), converted by hand.
Color565 RawEntry(const Image& image, int index) {
    const std::uint8_t* entry = image.pixelData - 1024 + 4 * index;
    return HandConvert(entry[2], entry[1], entry[0]);
}

Color565 HandKey(ColorRef key) {
    return HandConvert(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF);
}

bool Within(int value, int low, int high) {
    return low <= value && value < high;
}

// What the rule puts at surface pixel (px, py) after drawing the sprite's current frame:
// inside the sprite and the clip, the source pixel unless it is key-coloured; else nothing.
Color565 ExpectedAt(const Sprite& sprite, const Image& image, int px, int py) {
    const bool inClip =
        Within(px, std::max(ClipRect.left, 0), std::min(ClipRect.right, SurfaceWidth)) &&
        Within(py, std::max(ClipRect.top, 0), std::min(ClipRect.bottom, SurfaceHeight));
    if (!inClip || !Within(px - sprite.x, 0, sprite.frameWidth) ||
        !Within(py - sprite.y, 0, sprite.height)) {
        return Background;
    }
    const int column = sprite.srcLeft + sprite.frame * sprite.frameWidth + px - sprite.x;
    const int row = sprite.srcTop + py - sprite.y;
    const Color565 pixel = RawEntry(image, image.pixelData[row * image.width + column]);
    const bool keyed = sprite.transparent && image.GetKeyColor() != NoColor;
    return keyed && pixel == HandKey(image.GetKeyColor()) ? Background : pixel;
}

// Compares every pixel of the surface, padding column included, with ExpectedAt.
testing::AssertionResult DrawnAsExpected(const WidgetSurface& surface, const Sprite& sprite,
                                         const Image& image) {
    int wrong = 0;
    testing::AssertionResult result = testing::AssertionFailure();
    for (int py = 0; py < SurfaceHeight; ++py) {
        for (int px = 0; px < surface.Pitch(); ++px) {
            const Color565 expected = ExpectedAt(sprite, image, px, py);
            if (surface.At(px, py) != expected && ++wrong <= 5) {
                result << "(" << px << "," << py << ") got 0x" << std::hex << surface.At(px, py)
                       << " expected 0x" << expected << std::dec << "; ";
            }
        }
    }
    if (wrong == 0) {
        return testing::AssertionSuccess();
    }
    return result << wrong << " pixels wrong";
}

testing::AssertionResult Untouched(const WidgetSurface& surface) {
    for (int py = 0; py < SurfaceHeight; ++py) {
        for (int px = 0; px < surface.Pitch(); ++px) {
            if (surface.At(px, py) != Background) {
                return testing::AssertionFailure() << "pixel (" << px << "," << py << ") drawn";
            }
        }
    }
    return testing::AssertionSuccess();
}

int CountKeyPixels(const Image& image, int left, int top, int right, int bottom) {
    int count = 0;
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            count += RawEntry(image, image.pixelData[row * image.width + column]) ==
                     HandKey(image.GetKeyColor());
        }
    }
    return count;
}

// A bitmap in memory: 40-byte header, 256 palette entries with entry i = (i, i, i), rows.
std::vector<std::uint8_t> MakeBitmap(int width, int height, int bits, int rowBytes) {
    std::vector<std::uint8_t> data(40 + 1024 + static_cast<std::size_t>(rowBytes * height));
    const auto put32 = [&data](std::size_t at, std::int32_t value) {
        for (int i = 0; i < 4; ++i) {
            data[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    put32(0, 40);
    put32(4, width);
    put32(8, height);
    data[12] = 1;
    data[14] = static_cast<std::uint8_t>(bits);
    for (int i = 0; i < 256; ++i) {
        data[40 + 4 * i] = data[41 + 4 * i] = data[42 + 4 * i] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t i = 40 + 1024; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);
    }
    return data;
}

} // namespace

TEST(Image, LoadsEachBitmapWithItsSizeDepthAndKey) {
    struct Case {
        int id;
        int width;
        int height;
        ColorRef key;
    };
    for (const Case& c : {Case{107, 512, 256, SheetKey}, Case{106, 256, 64, TitleKey},
                          Case{130, 256, 128, SheetKey}, Case{120, 128, 32, TitleKey}}) {
        Image image(nullptr, c.id, c.key);
        ASSERT_NE(image.pixelData, nullptr) << c.id;
        EXPECT_EQ(image.width, c.width) << c.id;
        EXPECT_EQ(image.height, c.height) << c.id;
        EXPECT_EQ(image.bitsPerPixel, 8) << c.id;
        EXPECT_EQ(image.resourceId, c.id);
        EXPECT_TRUE(image.fromResource);
        EXPECT_EQ(image.keyRed, static_cast<int>(c.key & 0xFF)) << c.id;
        EXPECT_EQ(image.keyGreen, static_cast<int>((c.key >> 8) & 0xFF)) << c.id;
        EXPECT_EQ(image.keyBlue, static_cast<int>(c.key >> 16)) << c.id;
        EXPECT_EQ(image.GetKeyColor(), c.key) << c.id;
    }
}

TEST(Image, PaletteIsEveryRawEntryConvertedTo565) {
    for (int id : {107, 106}) {
        Image image(nullptr, id, SheetKey);
        ASSERT_NE(image.pixelData, nullptr);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(image.palette[i], RawEntry(image, i)) << "image " << id << " entry " << i;
        }
    }
}

TEST(Image, MissingResourceGivesAnEmptyImageThatDrawsNothing) {
    Image image(nullptr, 120, TitleKey);
    EXPECT_FALSE(image.Load(nullptr, 999, TitleKey)) << "reloading gives back the old one first";
    EXPECT_EQ(image.pixelData, nullptr);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.bitsPerPixel, 0);
    EXPECT_EQ(image.resourceId, 999);

    WidgetSurface surface(40, 20, Background);
    Sprite sprite(&image, 0, 0, 16, 16, 1);
    sprite.Draw();
    EXPECT_TRUE(Untouched(surface));
}

TEST(Image, KeyMinusOneIsDrawnOpaqueWhateverTransparentSays) {
    Image image(nullptr, 120, NoColor);
    EXPECT_EQ(image.GetKeyColor(), NoColor);
    EXPECT_EQ(image.keyRed, -1);
    EXPECT_EQ(image.keyGreen, -1);
    EXPECT_EQ(image.keyBlue, -1);
    WidgetSurface surface(130, 34, Background);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.SetPosition(1, 1);
    ASSERT_TRUE(sprite.transparent);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, image));
    ASSERT_GT(CountKeyPixels(Image(nullptr, 120, TitleKey), 0, 0, 128, 32), 0)
        << "the logo has white pixels, so an opaque draw is visible";
    EXPECT_EQ(surface.At(1, 1), image.palette[image.pixelData[0]]);
}

TEST(Image, InMemoryBitmapRowsArePaddedToFourBytesAndMustFitTheData) {
    std::vector<std::uint8_t> data = MakeBitmap(3, 2, 8, 4);
    Image image;
    ASSERT_TRUE(image.Attach(data.data(), data.size()));
    EXPECT_EQ(image.palette[200], HandConvert(200, 200, 200));
    WidgetSurface surface(4, 2, Background);
    Sprite sprite(&image, 0, 0, 3, 2, 1);
    sprite.Draw();
    EXPECT_EQ(surface.At(0, 1), image.palette[data[40 + 1024 + 4]]) << "row 1 starts 4 bytes on";
    EXPECT_EQ(surface.At(2, 1), image.palette[data[40 + 1024 + 6]]);

    EXPECT_FALSE(image.Attach(data.data(), data.size() - 1));
    EXPECT_EQ(image.pixelData, nullptr);
    EXPECT_EQ(image.width, 0);
    EXPECT_FALSE(image.Attach(data.data(), 39));
}

TEST(Image, DeeperThanEightBitsLoadsButIsNotDrawn) {
    std::vector<std::uint8_t> data = MakeBitmap(2, 2, 24, 8);
    Image image;
    ASSERT_TRUE(image.Attach(data.data(), data.size()));
    EXPECT_EQ(image.bitsPerPixel, 24);
    EXPECT_EQ(image.pixelData, data.data() + 40);
    WidgetSurface surface(4, 4, Background);
    Sprite sprite(&image, 0, 0, 2, 2, 1);
    sprite.Draw();
    EXPECT_TRUE(Untouched(surface));
}

TEST(Image, FreedImageDrawsNothing) {
    Image image(nullptr, 120, TitleKey);
    image.Free();
    EXPECT_EQ(image.pixelData, nullptr);
    WidgetSurface surface(130, 34, Background);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.Draw();
    EXPECT_TRUE(Untouched(surface));
}

TEST(Sprite, FramesDivideTheStripAndBoundsCoverOneFrame) {
    Sprite sprite(nullptr, 0, 0, 96, 20, 3);
    Rect bounds;
    sprite.GetBounds(&bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, 32);
    EXPECT_EQ(bounds.bottom, 20);
    sprite.SetPosition(5, 7);
    sprite.GetBounds(&bounds);
    EXPECT_EQ(bounds.left, 5);
    EXPECT_EQ(bounds.right, 37);
    EXPECT_EQ(bounds.bottom, 27);
    EXPECT_EQ(Sprite(nullptr, 0, 0, 100, 20, 3).GetFrameWidth(), 33) << "rounded down";
    for (int frames : {0, -2}) {
        Sprite single(nullptr, 4, 6, 50, 10, frames);
        EXPECT_EQ(single.frameCount, 1);
        EXPECT_EQ(single.GetFrameWidth(), 50);
        EXPECT_EQ(single.srcRight, 54);
        EXPECT_EQ(single.srcBottom, 16);
    }
}

TEST(Sprite, TitleLogoAtTenFiveCoversItsRectangleWithWhiteLeftOut) {
    Image image(nullptr, 120, TitleKey);
    WidgetSurface surface(200, 60, Background);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.SetPosition(10, 5);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, image));
    ASSERT_GT(CountKeyPixels(image, 0, 0, 128, 32), 0);
    EXPECT_EQ(surface.At(9, 5), Background);
    EXPECT_EQ(surface.At(138, 5), Background);
    EXPECT_EQ(surface.At(10, 4), Background);
    EXPECT_EQ(surface.At(10, 37), Background);
}

TEST(Sprite, ClipsAtEachEdgeWithoutMovingTheSprite) {
    Image image(nullptr, 107, SheetKey);
    const Point places[] = {{-20, 3}, {3, -10}, {60, 3},  {3, 50},  {-5, -5},
                            {70, 45}, {-96, 0}, {101, 0}, {0, -40}, {0, 60}};
    for (const Point at : places) {
        // An odd width, so a row that overruns would show in the padding column.
        WidgetSurface surface(101, 60, Background);
        Sprite sprite(&image, 100, 20, 96, 40, 1);
        sprite.SetPosition(at.x, at.y);
        sprite.Draw();
        EXPECT_EQ(sprite.x, at.x);
        EXPECT_EQ(sprite.y, at.y);
        EXPECT_TRUE(DrawnAsExpected(surface, sprite, image)) << "at " << at.x << "," << at.y;
    }
}

TEST(Sprite, ANarrowedClipRectangleLimitsTheDrawing) {
    Image image(nullptr, 107, SheetKey);
    WidgetSurface surface(80, 60, Background);
    ClipRect = Rect{10, 12, 50, 40};
    Sprite sprite(&image, 0, 100, 64, 48, 1);
    sprite.SetPosition(4, 6);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, image));
}

TEST(Sprite, EachFrameDrawsItsOwnColumnsAndRowOffsetMovesTheRows) {
    Image image(nullptr, 107, SheetKey);
    Sprite sprite(&image, 30, 40, 96, 20, 3);
    for (int frame = 0; frame < 3; ++frame) {
        WidgetSurface surface(40, 30, Background);
        sprite.frame = frame;
        sprite.SetPosition(2, 3);
        sprite.Draw();
        EXPECT_TRUE(DrawnAsExpected(surface, sprite, image)) << "frame " << frame;
    }
    WidgetSurface offsetDraw(40, 30, Background);
    sprite.Blit(32, 64, 10);
    Sprite lower(&image, 62, 50, 32, 20, 1);
    lower.SetPosition(2, 3);
    WidgetSurface direct(40, 30, Background);
    lower.Draw();
    EXPECT_TRUE(DrawnAsExpected(direct, lower, image));
    for (int py = 0; py < 30; ++py) {
        for (int px = 0; px < 40; ++px) {
            ASSERT_EQ(offsetDraw.At(px, py), direct.At(px, py)) << px << "," << py;
        }
    }
}

TEST(Sprite, HiddenDrawsNothingAndOpaqueDrawsTheKeyToo) {
    Image image(nullptr, 120, TitleKey);
    WidgetSurface surface(130, 34, Background);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.visible = false;
    sprite.Draw();
    EXPECT_TRUE(Untouched(surface));
    sprite.visible = true;
    sprite.transparent = false;
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, image));
}

TEST(Sprite, EveryShadeThatConvertsToTheKeyIsLeftOut) {
    Image image(nullptr, 107, SheetKey);
    int nearKeyPixels = 0;
    for (int row = 0; row < 256; ++row) {
        for (int column = 0; column < 512; ++column) {
            const int index = image.pixelData[row * 512 + column];
            const std::uint8_t* raw = image.pixelData - 1024 + 4 * index;
            const bool exactKey = raw[0] == 0xFF && raw[1] == 0xE7 && raw[2] == 0xDB;
            nearKeyPixels += !exactKey && RawEntry(image, index) == HandKey(SheetKey);
        }
    }
    ASSERT_GT(nearKeyPixels, 0) << "the sheet has shades one step off the key";
    WidgetSurface surface(512, 256, Background);
    Sprite sprite(&image, 0, 0, 512, 256, 1);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, image));
}
