// ButtonGrid: up to twelve buttons laid out in rows and columns inside the widget's
// rectangle. It serves as the answer keypad (which reacts on the press of a key) and as
// the command bar (which reacts on a complete click).
#pragma once

#include "ui/button.h"
#include "ui/widget.h"

class ButtonGrid : public Widget {
  public:
    static constexpr int Capacity = 12;

    void SetGrid(int rowCount, int columnCount);
    Button& Item(int index) { return items[index]; }
    // The first button whose press latch was set, by index (reading clears the latch).
    bool FindPressed(int* index);
    // The first button that was clicked (pressed and let go inside), by index.
    bool FindClicked(int* index);
    // Lays the buttons out over the grid's rectangle and draws them, the hovered one last.
    void Draw() override;

    int margin = 0;
    int columnGap = 0;
    int rowGap = 0;
    Button items[Capacity];
    int rows = 1;
    int columns = 1;

  private:
    int CellCount() const;
};
