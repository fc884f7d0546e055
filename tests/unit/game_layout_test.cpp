// The game screen's layout arithmetic, worked out by hand for a wide, a nearly square and
// a tall window with a font height of 18.
#include <gtest/gtest.h>

#include "game/game_layout.h"

namespace {

void ExpectBox(const Box& box, int x, int y, int width, int height, const char* name) {
    EXPECT_EQ(box.x, x) << name;
    EXPECT_EQ(box.y, y) << name;
    EXPECT_EQ(box.width, width) << name;
    EXPECT_EQ(box.height, height) << name;
}

} // namespace

TEST(GameLayout, WideWindowHasARightHandColumn) {
    // t = 18/2 + 4*18 = 81; keypad 480 - 9*18 = 318 high, 318 - 318/5 = 255 wide.
    const GameLayout layout = ComputeGameLayout(640, 480, 18, false, 0);
    ExpectBox(layout.commandBar, 385, 0, 255, 36, "command bar");
    ExpectBox(layout.keypad, 385, 162, 255, 318, "keypad");
    ExpectBox(layout.statusBox, 385, 35, 254, 127, "score box");
    // rest 385, quarter 96, panel width 96 + 385/32 = 108.
    ExpectBox(layout.previewBox, 42, 18, 108, 81, "preview");
    ExpectBox(layout.timePanel, 234, 18, 108, 81, "time panel");
    ExpectBox(layout.problemBox, 0, 117, 385, 363, "problem");
    EXPECT_EQ(layout.keypad.y + layout.keypad.height, 480) << "the keypad reaches the bottom";
    EXPECT_EQ(layout.skipHeight, 54);
    EXPECT_EQ(layout.skipWidth, 144);
}

TEST(GameLayout, NearlySquareWindowHasShorterWiderPanels) {
    // t = 3*18 = 54; rest 500 - 255 = 245, quarter 61, panel width 61 + 245/8 = 91.
    const GameLayout layout = ComputeGameLayout(500, 480, 18, true, 0);
    ExpectBox(layout.previewBox, 16, 18, 91, 54, "preview");
    ExpectBox(layout.timePanel, 138, 18, 91, 54, "time panel");
    ExpectBox(layout.problemBox, 0, 90, 245, 390, "problem");
    ExpectBox(layout.keypad, 245, 162, 255, 318, "keypad");
}

TEST(GameLayout, TallWindowPutsTheKeypadAlongTheBottom) {
    const GameLayout layout = ComputeGameLayout(240, 320, 18, false, 0);
    ExpectBox(layout.commandBar, 0, 0, 240, 36, "command bar");
    ExpectBox(layout.keypad, 0, 200, 240, 120, "keypad");
    ExpectBox(layout.timePanel, 18, 54, 48, 72, "time panel");
    ExpectBox(layout.previewBox, 84, 54, 48, 72, "preview");
    ExpectBox(layout.statusBox, 18, 180, 114, 2, "score box");
    ExpectBox(layout.problemBox, 120, 36, 120, 164, "problem");
    EXPECT_EQ(layout.skipHeight, 54);
    EXPECT_EQ(layout.skipWidth, 96) << "16F/3: the button's own width at F = 18";
}

TEST(GameLayout, TheKeypadColumnGivesWayToTheLeftAreasNeed) {
    // A square 640 x 640: the keypad would be 478 - 478/5 = 383 wide, leaving 257.
    const GameLayout roomy = ComputeGameLayout(640, 640, 18, true, 257);
    EXPECT_EQ(roomy.keypad.width, 383) << "a need that is met changes nothing";
    const GameLayout squeezed = ComputeGameLayout(640, 640, 18, true, 300);
    ExpectBox(squeezed.keypad, 300, 162, 340, 478, "keypad");
    ExpectBox(squeezed.commandBar, 300, 0, 340, 36, "command bar");
    EXPECT_EQ(squeezed.problemBox.width, 300);
}

TEST(GameLayout, TallSkipIsNeverWiderThanTheProblem) {
    // 16F/3 = 96 against a right half of 60 (F = 18 in a 120 x 400 window: only the
    // arithmetic matters here).
    EXPECT_EQ(ComputeGameLayout(120, 400, 18, false, 0).skipWidth, 60);
}
