// Where the shell's decorations sit in its sprite sheet, for the large sheet (512 x 256)
// and the compact one (256 x 128, the same artwork at half scale), and the band offset:
// how far below the top of the banner or the swirl the band tiles continue its band.
#pragma once

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
    int bandOffset;
};

constexpr SheetLayout LargeSheet = {
    {0, 0, 420, 90},
    {210, 206, 40, 50},
    {422, 90, 90, 90},
    {{488, 0, 12, 12}, {500, 0, 12, 12}, {488, 12, 12, 12}, {500, 12, 12, 12}},
    {0, 91, 192, 165},
    {261, 90, 161, 100},
    47,
};

constexpr SheetLayout CompactSheet = {
    {0, 0, 210, 45},
    {105, 103, 20, 25},
    {211, 45, 45, 45},
    {{244, 0, 6, 6}, {250, 0, 6, 6}, {244, 6, 6, 6}, {250, 6, 6, 6}},
    {0, 45, 96, 83},
    {132, 45, 79, 50},
    24,
};

// Resource numbers of the shell's bitmaps and sounds.
constexpr int LargeSheetBitmap = 107;
constexpr int LargeTitleBitmap = 106;
constexpr int CompactSheetBitmap = 130;
constexpr int CompactTitleBitmap = 120;
constexpr int ClickSoundId = 111;
constexpr int GameOverSoundId = 113;

// Size of the compact title logo, which the tiny layout reserves even when it is missing.
constexpr int CompactTitleWidth = 128;
constexpr int CompactTitleHeight = 32;
