// The keypad grid in both window shapes: every key reachable through the real press
// dispatch, the tall "0" of the 3 x 4 grid, the wide "0" of the 4 x 3 grid, and rows that
// end exactly at the grid's right edge.
#include <gtest/gtest.h>

#include "game/button_grid.h"
#include "game/game_layout.h"
#include "support/test_surface.h"
#include "ui/widget.h"

namespace {

const char* const TallLabels[12] = {"7", "8", "9", "0", "4", "5", "6", "0", "1", "2", "3", "0"};
const char* const WideLabels[10] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0"};

// Sets the grid up with its labels and rectangle and draws it, as a frame would.
void DrawGrid(ButtonGrid& grid, int rows, int columns, const char* const* labels, int count,
              Box box) {
    grid.SetGrid(rows, columns);
    for (int i = 0; i < count; ++i) {
        grid.Item(i).label = labels[i];
    }
    grid.SetPosition(box.x, box.y);
    grid.SetSize(box.width, box.height);
    ClearInputList();
    grid.Draw();
}

// Draws the grid as a frame would, then presses at (x, y); returns the index of the key
// whose press latch was set, or -1 when none.
int PressAt(ButtonGrid& grid, int x, int y) {
    ClearInputList();
    grid.Draw();
    DispatchPress(Point{x, y});
    int index = -1;
    grid.FindPressed(&index);
    DispatchRelease(Point{x, y});
    return index;
}

} // namespace

TEST(ButtonGrid, WideShapeHasAFullWidthZeroAndExactRightEdges) {
    TestSurface surface(320, 240);
    ButtonGrid keypad;
    DrawGrid(keypad, 4, 3, WideLabels, 10, Box{10, 20, 301, 200});
    const int rightEdge = 10 + 301 - 1;
    for (int last : {2, 5, 8}) {
        const Button& key = keypad.Item(last);
        EXPECT_EQ(key.x + key.width, rightEdge) << "row ending with " << key.label;
    }
    const Button& zero = keypad.Item(9);
    EXPECT_EQ(zero.x, 10);
    EXPECT_GE(zero.x + zero.width, rightEdge - 1) << "the 0 spans the bottom row";
    for (int i = 0; i < 10; ++i) {
        const Button& key = keypad.Item(i);
        EXPECT_EQ(PressAt(keypad, key.x + key.width / 2, key.y + key.height / 2), i);
    }
    EXPECT_EQ(PressAt(keypad, rightEdge - 2, 20 + 199 - 2), 9) << "the 0's far corner";
}

TEST(ButtonGrid, TallShapeHasOneTallZeroAndUnreachablePlaceholders) {
    TestSurface surface(240, 320);
    ButtonGrid keypad;
    DrawGrid(keypad, 3, 4, TallLabels, 12, Box{0, 200, 240, 120});
    const Button& zero = keypad.Item(3);
    EXPECT_EQ(zero.y, 200);
    EXPECT_EQ(zero.height, 120) << "as tall as the keypad";
    EXPECT_EQ(zero.x + zero.width, 239) << "reaching the right edge";
    for (int y : {201, 260, 318}) {
        EXPECT_EQ(PressAt(keypad, 230, y), 3) << "anywhere along its height, y " << y;
    }
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10}) {
        const Button& key = keypad.Item(i);
        EXPECT_EQ(PressAt(keypad, key.x + key.width / 2, key.y + key.height / 2), i);
    }
    for (int placeholder : {7, 11}) {
        const Button& key = keypad.Item(placeholder);
        EXPECT_EQ(PressAt(keypad, key.x + 1, key.y + 1), 3)
            << "placeholder " << placeholder << " lies under the tall 0 and never takes a press";
    }
}

TEST(ButtonGrid, CommandBarReportsCompleteClicksOnly) {
    TestSurface surface(300, 60);
    ButtonGrid bar;
    const char* const labels[3] = {"New", "Pause", "Exit"};
    DrawGrid(bar, 1, 3, labels, 3, Box{0, 0, 300, 36});
    const Button& pause = bar.Item(1);
    const Point inside{pause.x + 5, 10};
    DispatchPress(inside);
    int index = -1;
    EXPECT_FALSE(bar.FindClicked(&index)) << "not clicked until released";
    DispatchRelease(Point{290, 50});
    EXPECT_FALSE(bar.FindClicked(&index)) << "released outside";
    DispatchPress(inside);
    DispatchRelease(inside);
    ASSERT_TRUE(bar.FindClicked(&index));
    EXPECT_EQ(bar.Item(index).label, "Pause");
    EXPECT_FALSE(bar.FindClicked(&index)) << "reading clears the latch";
}

TEST(ButtonGrid, AQuickTapReleasedBeforeTheFrameStillCounts) {
    TestSurface surface(320, 240);
    ButtonGrid keypad;
    DrawGrid(keypad, 4, 3, WideLabels, 10, Box{0, 0, 300, 200});
    const Button& five = keypad.Item(4);
    const Point centre{five.x + five.width / 2, five.y + five.height / 2};
    DispatchPress(centre);
    DispatchRelease(centre); // both arrive between two frames
    int index = -1;
    ASSERT_TRUE(keypad.FindPressed(&index));
    EXPECT_EQ(keypad.Item(index).label, "5");
    EXPECT_FALSE(keypad.FindPressed(&index)) << "one tap types one digit";
}
