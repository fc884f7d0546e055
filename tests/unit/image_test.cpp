// Images from the test program's own bitmap resources, and sprites drawn from them into an
// in-memory surface. Expected pixels come from the raw palette bytes inside the resource,
// converted here by hand, and from where each surface pixel falls in the source.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/image.h"
#include "render/sprite.h"
#include "resources/resource_ids.h"
#include "support/test_surface.h"

namespace {

constexpr ColorRef SheetKey = 0xFFE7DB;
constexpr ColorRef TitleKey = 0xFFFFFF;
constexpr ColorRef BackgroundColour = 0x080808;
constexpr Color565 Background = ToColor565(BackgroundColour);

Color565 HandConvert(unsigned red, unsigned green, unsigned blue) {
    return static_cast<Color565>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

// The palette entry as stored in the resource (blue, green, red, unused), converted by hand.
Color565 RawEntry(const Image& image, int index) {
    const std::uint8_t* entry = image.pixelData - 1024 + 4 * index;
    return HandConvert(entry[2], entry[1], entry[0]);
}

bool IsKey(const Image& image, int index) {
    const ColorRef key = image.GetKeyColor();
    return key != NoColor &&
           RawEntry(image, index) == HandConvert(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF);
}

// What drawing the sprite's current frame puts at surface pixel (px, py): inside the
// sprite and the surface, the source pixel unless it is key-coloured; else nothing.
Color565 ExpectedAt(const Sprite& sprite, const Image& image, int px, int py) {
    const int dx = px - sprite.x;
    const int dy = py - sprite.y;
    if (dx < 0 || dx >= sprite.frameWidth || dy < 0 || dy >= sprite.height) {
        return Background;
    }
    const int column = sprite.srcLeft + sprite.frame * sprite.frameWidth + dx;
    const int index = image.pixelData[(sprite.srcTop + dy) * image.width + column];
    return sprite.transparent && IsKey(image, index) ? Background : RawEntry(image, index);
}

// Compares every pixel of the surface and checks nothing was drawn beyond it; a null image
// means none.
testing::AssertionResult DrawnAsExpected(const TestSurface& surface, const Sprite& sprite,
                                         const Image* image) {
    if (!surface.GuardsIntact()) {
        return testing::AssertionFailure() << "drawn outside the surface";
    }
    for (int py = 0; py < surface.Height(); ++py) {
        for (int px = 0; px < surface.Width(); ++px) {
            const Color565 expected =
                image != nullptr ? ExpectedAt(sprite, *image, px, py) : Background;
            if (surface.At(px, py) != expected) {
                return testing::AssertionFailure()
                       << "(" << px << "," << py << ") got " << surface.At(px, py) << " expected "
                       << expected;
            }
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

TEST(Image, LoadsEachBitmapWithItsSizeDepthAndKey) {
    struct Case {
        int id, width, height;
        ColorRef key;
    };
    for (const Case& c : {Case{QF_BITMAP_SHEET_LARGE, 512, 256, SheetKey},
                          Case{QF_BITMAP_TITLE_LARGE, 256, 64, TitleKey},
                          Case{QF_BITMAP_SHEET_COMPACT, 256, 128, SheetKey},
                          Case{QF_BITMAP_TITLE_COMPACT, 128, 32, TitleKey}}) {
        Image image(nullptr, c.id, c.key);
        ASSERT_NE(image.pixelData, nullptr) << c.id;
        EXPECT_EQ(image.width, c.width) << c.id;
        EXPECT_EQ(image.height, c.height) << c.id;
        EXPECT_EQ(image.bitsPerPixel, 8) << c.id;
        EXPECT_EQ(image.keyRed, static_cast<int>(c.key & 0xFF)) << c.id;
        EXPECT_EQ(image.keyBlue, static_cast<int>(c.key >> 16)) << c.id;
        EXPECT_EQ(image.GetKeyColor(), c.key) << c.id;
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(image.palette[i], RawEntry(image, i)) << "image " << c.id << " entry " << i;
        }
    }
}

TEST(Image, MissingOrFreedResourceDrawsNothing) {
    Image image(nullptr, QF_BITMAP_TITLE_COMPACT, TitleKey);
    EXPECT_FALSE(image.Load(nullptr, 999, TitleKey));
    EXPECT_EQ(image.pixelData, nullptr);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    TestSurface surface(40, 20, BackgroundColour);
    Sprite sprite(&image, 0, 0, 16, 16, 1);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, nullptr));

    ASSERT_TRUE(image.Load(nullptr, QF_BITMAP_TITLE_COMPACT, TitleKey));
    image.Free();
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, nullptr));
}

TEST(Image, BitmapShorterThanItsRowsIsRefused) {
    // 3 x 2 pixels: rows padded to 4 bytes, so 40 + 1024 + 8 bytes in all.
    std::vector<std::uint8_t> data(40 + 1024 + 8, 0);
    data[4] = 3;
    data[8] = 2;
    data[12] = 1;
    data[14] = 8;
    Image image;
    EXPECT_TRUE(image.Attach(data.data(), data.size()));
    EXPECT_FALSE(image.Attach(data.data(), data.size() - 1));
    EXPECT_EQ(image.pixelData, nullptr);
}

TEST(Sprite, FramesDivideTheStripAndBoundsCoverOneFrame) {
    Sprite sprite(nullptr, 0, 0, 96, 20, 3);
    Rect bounds;
    sprite.GetBounds(&bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, 32);
    EXPECT_EQ(bounds.bottom, 20);
    EXPECT_EQ(Sprite(nullptr, 0, 0, 100, 20, 3).GetFrameWidth(), 33) << "rounded down";
    for (int frames : {0, -2}) {
        EXPECT_EQ(Sprite(nullptr, 4, 6, 50, 10, frames).GetFrameWidth(), 50) << frames;
    }
}

TEST(Sprite, TitleLogoAtTenFiveCoversItsRectangleWithWhiteLeftOut) {
    Image image(nullptr, QF_BITMAP_TITLE_COMPACT, TitleKey);
    TestSurface surface(200, 60, BackgroundColour);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.SetPosition(10, 5);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, &image));
    EXPECT_EQ(surface.At(9, 5), Background);
    EXPECT_EQ(surface.At(138, 5), Background);
    EXPECT_EQ(surface.At(10, 37), Background);
    EXPECT_TRUE(std::any_of(image.pixelData, image.pixelData + 128 * 32,
                            [&image](std::uint8_t index) { return IsKey(image, index); }))
        << "the logo has white pixels to leave out";
}

TEST(Sprite, KeyMinusOneIsDrawnOpaqueWhateverTransparentSays) {
    Image image(nullptr, QF_BITMAP_TITLE_COMPACT, NoColor);
    EXPECT_EQ(image.keyRed, -1);
    EXPECT_EQ(image.keyGreen, -1);
    EXPECT_EQ(image.GetKeyColor(), NoColor);
    TestSurface surface(130, 34, BackgroundColour);
    Sprite sprite(&image, 0, 0, 128, 32, 1);
    sprite.SetPosition(1, 1);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, &image));
    // The logo's corner is white, so an opaque draw shows it.
    EXPECT_EQ(surface.At(1, 1), HandConvert(255, 255, 255));
}

TEST(Sprite, ClipsAtEachEdgeWithoutMovingTheSprite) {
    Image image(nullptr, QF_BITMAP_SHEET_LARGE, SheetKey);
    const Point places[] = {{-20, 3}, {3, -10}, {60, 3},  {3, 50},  {-5, -5},
                            {70, 45}, {-96, 0}, {101, 0}, {0, -40}, {0, 60}};
    for (const Point at : places) {
        // A row that overruns would show in the guard padding beside the surface.
        TestSurface surface(101, 60, BackgroundColour);
        Sprite sprite(&image, 100, 20, 96, 40, 1);
        sprite.SetPosition(at.x, at.y);
        sprite.Draw();
        EXPECT_EQ(sprite.x, at.x);
        EXPECT_EQ(sprite.y, at.y);
        EXPECT_TRUE(DrawnAsExpected(surface, sprite, &image)) << "at " << at.x << "," << at.y;
    }
}

TEST(Sprite, EachFrameDrawsItsOwnColumns) {
    Image image(nullptr, QF_BITMAP_SHEET_LARGE, SheetKey);
    Sprite sprite(&image, 30, 40, 96, 20, 3);
    sprite.SetPosition(2, 3);
    for (int frame = 0; frame < 3; ++frame) {
        TestSurface surface(40, 30, BackgroundColour);
        sprite.frame = frame;
        sprite.Draw();
        EXPECT_TRUE(DrawnAsExpected(surface, sprite, &image)) << "frame " << frame;
    }
}

TEST(Sprite, EveryShadeThatConvertsToTheKeyIsLeftOut) {
    Image image(nullptr, QF_BITMAP_SHEET_LARGE, SheetKey);
    int nearKeyPixels = 0;
    for (int i = 0; i < 512 * 256; ++i) {
        const std::uint8_t* raw = image.pixelData - 1024 + 4 * image.pixelData[i];
        const bool exactKey = raw[0] == 0xFF && raw[1] == 0xE7 && raw[2] == 0xDB;
        nearKeyPixels += !exactKey && IsKey(image, image.pixelData[i]);
    }
    ASSERT_GT(nearKeyPixels, 0) << "the sheet has shades one step off the key";
    TestSurface surface(512, 256, BackgroundColour);
    Sprite sprite(&image, 0, 0, 512, 256, 1);
    sprite.Draw();
    EXPECT_TRUE(DrawnAsExpected(surface, sprite, &image));
}
