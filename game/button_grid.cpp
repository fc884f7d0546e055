// ButtonGrid layout: cells are computed in floating point so that rounding never
// accumulates, the last key of each row is stretched to the grid's right edge, a "0"
// spans the whole bottom row of a 4 x 3 keypad, and a "0" in the first row of a 3 x 4
// keypad is one tall key filling the right-hand column.
#include "game/button_grid.h"

namespace {

bool IsZeroKey(const Button& button) {
    return button.label == "0";
}

} // namespace

void ButtonGrid::SetGrid(int rowCount, int columnCount) {
    rows = rowCount;
    columns = columnCount;
}

int ButtonGrid::CellCount() const {
    const int count = rows * columns;
    return count < Capacity ? count : Capacity;
}

bool ButtonGrid::FindPressed(int* index) {
    for (int i = 0; i < CellCount(); ++i) {
        if (items[i].WasPressed()) {
            *index = i;
            return true;
        }
    }
    return false;
}

bool ButtonGrid::FindClicked(int* index) {
    for (int i = 0; i < CellCount(); ++i) {
        if (items[i].WasClicked()) {
            *index = i;
            return true;
        }
    }
    return false;
}

void ButtonGrid::Draw() {
    const int gridWidth = GetWidth();
    const int gridHeight = GetHeight();
    const double cellWidth =
        static_cast<double>(gridWidth - columnGap * (columns - 1) - 2 * margin - 1) / columns;
    const double cellHeight =
        static_cast<double>(gridHeight - rowGap * (rows - 1) - 2 * margin - 1) / rows;
    const int rightEdge = x + gridWidth - 1;
    double cx = x + margin;
    double cy = y + margin;
    double rowBottom = cy + cellHeight;
    int hovered = -1;

    for (int i = 0; i < CellCount();) {
        Button& button = items[i];
        button.SetPosition(static_cast<int>(cx), static_cast<int>(cy));
        const bool wideZero = rows == 4 && IsZeroKey(button);
        const double nextX = cx + cellWidth + (wideZero ? 2 * cellWidth : 0.0);
        bool drawn = true;
        if (rows == 3 && IsZeroKey(button)) {
            // Only the first-row "0" is the tall key; the others are unsized placeholders.
            drawn = i < columns;
            if (drawn) {
                button.SetSize(static_cast<int>(nextX - button.x), gridHeight);
            }
        } else {
            button.SetSize(static_cast<int>(nextX - button.x),
                           static_cast<int>(rowBottom - button.y));
        }
        // Placeholders are never drawn, so they can never be the hovered key either.
        if (drawn && hovered < 0 && (button.IsHovered() || button.IsPressed())) {
            hovered = i;
        }
        cx = nextX + columnGap;
        if (i % columns == columns - 1) {
            button.SetWidth(rightEdge - button.x); // the row ends exactly at the right edge
        }
        if (drawn && i != hovered) {
            button.Draw();
        }
        i += wideZero ? 3 : 1;
        if (i % columns == 0) {
            cx = x + margin;
            cy = rowBottom;
            rowBottom += cellHeight + rowGap;
        }
    }
    if (hovered >= 0) {
        items[hovered].Draw(); // painted over its neighbours
    }
}
