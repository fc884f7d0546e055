// The shell's artwork sets: which set a window size picks, that every set's rectangles lie
// inside its bitmap as embedded and its frame corners show the line count the frame draws,
// and that a resize across a boundary reloads the images in place and re-cuts the sprites.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "game/arithmetic_game.h"
#include "render/image.h"
#include "render/sprite.h"
#include "shell/shell_artwork.h"
#include "support/data_folder.h"
#include "support/hook_guards.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "text/text.h"
#include "ui/widget.h"

namespace {

constexpr ColorRef SheetKey = 0xFFE7DB;
constexpr ColorRef FrameColours[3] = {0x242DAD, 0x0354FB, 0x48CFFF};

std::vector<SheetRect> RectsOf(const SheetLayout& s) {
    return {s.headerBanner,    s.bandTile,         s.cornerSwirl,
            s.frameCorners[0], s.frameCorners[1],  s.frameCorners[2],
            s.frameCorners[3], s.sidePictureUpper, s.sidePictureLower};
}

// Whether a pixel is the drawn board, its frame or its writing rather than the pale sky
// around the pictures.
bool IsInk(Color565 c) {
    const int red = (c >> 11) << 3;
    const int green = ((c >> 5) & 63) << 2;
    const int blue = (c & 31) << 3;
    return red + green + blue < 3 * 215;
}

// The box of the ink reached from (x, y) without leaving the rectangle of the sheet: one
// picture drawn in it, with whatever touches it.
SheetRect InkAround(const Image& sheet, const SheetRect& area, int x, int y) {
    const auto ink = [&](int px, int py) {
        return IsInk(sheet.palette[sheet.pixelData[py * sheet.RowBytes() + px]]);
    };
    std::vector<bool> seen(static_cast<std::size_t>(area.width * area.height), false);
    std::vector<std::pair<int, int>> open = {{x, y}};
    int left = x, top = y, right = x + 1, bottom = y + 1;
    while (!open.empty()) {
        const auto [px, py] = open.back();
        open.pop_back();
        const bool inside =
            px >= area.x && py >= area.y && px < area.x + area.width && py < area.y + area.height;
        if (!inside || seen[(py - area.y) * area.width + px - area.x] || !ink(px, py)) {
            continue;
        }
        seen[(py - area.y) * area.width + px - area.x] = true;
        left = std::min(left, px);
        top = std::min(top, py);
        right = std::max(right, px + 1);
        bottom = std::max(bottom, py + 1);
        open.insert(open.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
    return {left, top, right - left, bottom - top};
}

// A game whose frame border can be drawn on its own.
class ArtworkGame : public ArithmeticGame {
  public:
    using GameShell::DrawDecoratedFrame;
};

// The game started at 640 x 480, then resized as the window procedure would.
class ShellArtworkResize : public testing::Test {
  protected:
    ShellArtworkResize() : folder("shell-artwork") { game.OnStart(); }
    ~ShellArtworkResize() override { ClearInputList(); }
    void Resize(int w, int h) {
        game.width = w;
        game.height = h;
        game.OnResize(w, h);
    }
    // Every sprite shows its image over the set's rectangle, and the images are the set's.
    void ExpectCutFor(const SheetLayout& sheet) {
        const std::vector<SheetRect> rects = RectsOf(sheet);
        const Sprite* sprites[] = {
            game.headerBanner,    game.bandTile,         game.cornerSwirl,
            game.frameCorners[0], game.frameCorners[1],  game.frameCorners[2],
            game.frameCorners[3], game.sidePictureUpper, game.sidePictureLower};
        for (std::size_t i = 0; i < rects.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(sprites[i]->image, game.spriteSheet);
            EXPECT_EQ(sprites[i]->srcLeft, rects[i].x);
            EXPECT_EQ(sprites[i]->srcTop, rects[i].y);
            EXPECT_EQ(sprites[i]->GetFrameWidth(), rects[i].width);
            EXPECT_EQ(sprites[i]->GetHeight(), rects[i].height);
        }
        EXPECT_EQ(game.spriteSheet->resourceId, sheet.sheetBitmap);
        EXPECT_EQ(game.titleImage->resourceId, sheet.titleBitmap);
        EXPECT_EQ(game.titleSprite->GetFrameWidth(), game.titleImage->width);
    }
    // How many lines of each colour a frame drawn now shows down the middle of its top edge.
    int FrameLinesPerColour() {
        TestSurface surface(200, 100, SheetKey);
        game.DrawDecoratedFrame(0, 0, 200, 100);
        int lines = 0;
        while (lines < 100 && surface.At(100, lines) == ToColor565(FrameColours[0])) {
            ++lines;
        }
        EXPECT_EQ(surface.At(100, lines), ToColor565(FrameColours[1]));
        EXPECT_EQ(surface.At(100, 3 * lines - 1), ToColor565(FrameColours[2]));
        EXPECT_EQ(surface.At(100, 3 * lines), ToColor565(SheetKey));
        return lines;
    }

    TemporaryDataFolder folder;
    SoundRecorder silence;
    ArtworkGame game;
    LayoutViewportGuard viewport{640, 480};
};

} // namespace

TEST(ShellArtwork, ChoiceFollowsCompactScreensAndTheScale) {
    EXPECT_EQ(&ChooseArtwork(true, 2000), &CompactSheet);
    EXPECT_EQ(&ChooseArtwork(false, 1499), &LargeSheet);
    EXPECT_EQ(&ChooseArtwork(false, 1500), &DoubleSheet);
    EXPECT_EQ(&ChooseArtwork(false, 749), &CompactSheet);
    EXPECT_EQ(&ChooseArtwork(false, 750), &LargeSheet);
    GameShell shell;
    shell.width = 320; // compact, however tall
    shell.height = 1000;
    EXPECT_EQ(&shell.CurrentArtwork(), &CompactSheet);
    shell.width = 640;
    shell.height = 480;
    EXPECT_EQ(&shell.CurrentArtwork(), &LargeSheet);
}

TEST(ShellArtwork, ATallWindowTakesTheSetOfALandscapeWindowAsWide) {
    const struct {
        int width;
        int height;
        const SheetLayout* set;
    } windows[] = {{960, 720, &DoubleSheet},  {720, 960, &LargeSheet},   {960, 1280, &DoubleSheet},
                   {480, 640, &LargeSheet},   {400, 240, &CompactSheet}, {480, 360, &LargeSheet},
                   {479, 700, &CompactSheet}, {1280, 960, &DoubleSheet}};
    for (const auto& window : windows) {
        SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height));
        GameShell shell;
        shell.width = window.width;
        shell.height = window.height;
        EXPECT_EQ(&shell.CurrentArtwork(), window.set);
    }
}

TEST(ShellArtwork, EverySetLiesInsideItsBitmapAndItsCornersMatchTheFrame) {
    for (const SheetLayout* set : {&CompactSheet, &LargeSheet, &DoubleSheet}) {
        SCOPED_TRACE(set->sheetBitmap);
        Image sheet(nullptr, set->sheetBitmap, SheetKey);
        ASSERT_TRUE(sheet.IsDrawable());
        for (const SheetRect& r : RectsOf(*set)) {
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= sheet.width &&
                        r.y + r.height <= sheet.height)
                << r.x << ", " << r.y << ", " << r.width << ", " << r.height;
        }
        // The top-left corner's last column continues the frame's horizontal lines.
        const SheetRect& corner = set->frameCorners[0];
        const int n = set->linesPerColour;
        for (int i = 0; i < 3 * n; ++i) {
            const int at = (corner.y + i) * sheet.RowBytes() + corner.x + corner.width - 1;
            EXPECT_EQ(sheet.palette[sheet.pixelData[at]], ToColor565(FrameColours[i / n])) << i;
        }
        sheet.Free();
    }
}

TEST(ShellArtwork, TheChalkboardRectangleFitsTheBoardAsDrawn) {
    // Within a pixel on every side: larger would move the menu for nothing, smaller would
    // let it cover the board's edge.
    for (const SheetLayout* set : {&CompactSheet, &LargeSheet, &DoubleSheet}) {
        SCOPED_TRACE(set->sheetBitmap);
        Image sheet(nullptr, set->sheetBitmap, SheetKey);
        ASSERT_TRUE(sheet.IsDrawable());
        const SheetRect& picture = set->sidePictureUpper;
        const SheetRect& board = set->chalkboard;
        const SheetRect ink = InkAround(sheet, picture, picture.x + board.x + board.width / 2,
                                        picture.y + board.y + board.height / 2);
        const int inkEdges[4] = {ink.x - picture.x, ink.y - picture.y,
                                 ink.x + ink.width - picture.x, ink.y + ink.height - picture.y};
        const int boardEdges[4] = {board.x, board.y, board.x + board.width, board.y + board.height};
        for (int side = 0; side < 4; ++side) {
            SCOPED_TRACE(side);
            const int outwards =
                side < 2 ? boardEdges[side] - inkEdges[side] : inkEdges[side] - boardEdges[side];
            EXPECT_LE(outwards, 0) << "the board is drawn outside its rectangle";
            EXPECT_GE(outwards, -1) << "the rectangle is larger than the board";
        }
        sheet.Free();
    }
}

TEST_F(ShellArtworkResize, CrossingTheScaleBoundarySwapsTheSetAndBack) {
    Image* const sheetImage = game.spriteSheet;
    Sprite* const banner = game.headerBanner;
    Resize(959, 720); // scale 1498: still large
    ExpectCutFor(LargeSheet);
    EXPECT_EQ(FrameLinesPerColour(), 2);
    Resize(960, 720);
    ExpectCutFor(DoubleSheet);
    EXPECT_EQ(game.titleImage->width, 512);
    EXPECT_EQ(FrameLinesPerColour(), 4);
    Resize(320, 240);
    ExpectCutFor(CompactSheet);
    EXPECT_EQ(FrameLinesPerColour(), 1);
    Resize(640, 480);
    ExpectCutFor(LargeSheet);
    // Reloads reuse the image and the sprites, so nothing is left behind.
    EXPECT_EQ(game.spriteSheet, sheetImage);
    EXPECT_EQ(game.headerBanner, banner);
}

TEST_F(ShellArtworkResize, TheMenuPlacesItsBandsByTheSetsOffset) {
    Resize(1280, 960);
    viewport.Set(1280, 960);
    TestSurface surface(1280, 960, SheetKey);
    game.DrawFrame();
    // The upper band's tiles continue the banner's last column row for row, to the edge.
    for (int y = DoubleSheet.bandOffset; y < DoubleSheet.headerBanner.height; ++y) {
        EXPECT_EQ(surface.At(1279, y), surface.At(DoubleSheet.headerBanner.width - 1, y)) << y;
    }
    EXPECT_EQ(game.bandTile->y, game.cornerSwirl->y + DoubleSheet.bandOffset);
}

TEST_F(ShellArtworkResize, AMissingBitmapDrawsNothingAndAResizeStillReloads) {
    game.LoadShellImages(9999, 9998); // no such resources
    EXPECT_FALSE(game.spriteSheet->IsDrawable());
    EXPECT_EQ(game.titleSprite->GetFrameWidth(), 0);
    TestSurface surface(640, 480, SheetKey);
    game.DrawFrame();
    Resize(1280, 960);
    ExpectCutFor(DoubleSheet);
}
