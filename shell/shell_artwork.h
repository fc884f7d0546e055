// The shell's three artwork sets and the choice between them: where the decorations sit in
// each sprite sheet (large 512 x 256, compact 256 x 128 at half scale, double 1024 x 512 at
// twice the scale), the band offset (how far below the top of the banner or the swirl the
// band tiles continue its band), the decorated frame's lines per colour, and the bitmaps.
#pragma once

#include "resources/resource_ids.h"

struct SheetRect {
    int x;
    int y;
    int width;
    int height;
};

struct SheetLayout {
    SheetRect headerBanner;
    SheetRect bandTile;
    SheetRect cornerSwirl;
    SheetRect frameCorners[4]; // top-left, top-right, bottom-left, bottom-right
    SheetRect sidePictureUpper;
    SheetRect sidePictureLower;
    // The chalkboard (with the sign on its corner) inside sidePictureUpper, from the
    // sprite's top-left: the menu's panel keeps clear of it.
    SheetRect chalkboard;
    int bandOffset;
    // Lines of each colour in the decorated frame; the corner sprites are drawn to match.
    int linesPerColour;
    // Resource numbers of the sprite sheet and of the title logo drawn with it.
    int sheetBitmap;
    int titleBitmap;
};

// Inline, so that every file sees the same three objects and a set is known by its address.
inline constexpr SheetLayout LargeSheet = {
    {0, 0, 420, 90},
    {210, 206, 40, 50},
    {422, 90, 90, 90},
    {{488, 0, 12, 12}, {500, 0, 12, 12}, {488, 12, 12, 12}, {500, 12, 12, 12}},
    {0, 91, 192, 165},
    {261, 90, 161, 100},
    {9, 15, 168, 136},
    47,
    2,
    QF_BITMAP_SHEET_LARGE,
    QF_BITMAP_TITLE_LARGE,
};

inline constexpr SheetLayout CompactSheet = {
    {0, 0, 210, 45},
    {105, 103, 20, 25},
    {211, 45, 45, 45},
    {{244, 0, 6, 6}, {250, 0, 6, 6}, {244, 6, 6, 6}, {250, 6, 6, 6}},
    {0, 45, 96, 83},
    {132, 45, 79, 50},
    {5, 8, 83, 70},
    24,
    1,
    QF_BITMAP_SHEET_COMPACT,
    QF_BITMAP_TITLE_COMPACT,
};

// A rectangle of a sheet drawn at twice the size.
constexpr SheetRect Doubled(const SheetRect& r) {
    return {2 * r.x, 2 * r.y, 2 * r.width, 2 * r.height};
}

// A set's artwork drawn at twice the size, in the bitmaps given: every rectangle, the band
// offset and the frame's lines twice the set's.
constexpr SheetLayout Doubled(const SheetLayout& set, int sheetBitmap, int titleBitmap) {
    return {
        Doubled(set.headerBanner),
        Doubled(set.bandTile),
        Doubled(set.cornerSwirl),
        {Doubled(set.frameCorners[0]), Doubled(set.frameCorners[1]), Doubled(set.frameCorners[2]),
         Doubled(set.frameCorners[3])},
        Doubled(set.sidePictureUpper),
        Doubled(set.sidePictureLower),
        Doubled(set.chalkboard),
        2 * set.bandOffset,
        2 * set.linesPerColour,
        sheetBitmap,
        titleBitmap,
    };
}

inline constexpr SheetLayout DoubleSheet =
    Doubled(LargeSheet, QF_BITMAP_SHEET_DOUBLE, QF_BITMAP_TITLE_DOUBLE);

// The scales (thousandths) below which the compact set is drawn, and from which the double
// set is: half-way between the sets' own scales.
constexpr int CompactArtworkScale = 750;
constexpr int DoubleArtworkScale = 1500;

// The set for a window: compact on a compact screen or below CompactArtworkScale, double
// from DoubleArtworkScale on, large otherwise.
constexpr const SheetLayout& ChooseArtwork(bool compactScreen, int scale) {
    return compactScreen || scale < CompactArtworkScale
               ? CompactSheet
               : (scale >= DoubleArtworkScale ? DoubleSheet : LargeSheet);
}

// Size of the compact title logo, which the tiny layout reserves even when it is missing.
constexpr int CompactTitleWidth = 128;
constexpr int CompactTitleHeight = 32;
