// ProgressScreen: the player's history in pictures, over the whole window. A score chart
// of the last games (a line per difficulty), a 10 x 10 grid of the multiplication or the
// addition table coloured by how fast and sure each fact is, accuracy and median time per
// operation, and the ten slowest and ten most missed facts. The layout is worked out from
// the window size and the current font's height, so it fits at any size.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_layout.h"
#include "game/progress_history.h"
#include "ui/button.h"

struct ProgressLayout {
    Box titleRow;
    Box backButton;
    Box exportButton;
    Box gridButton;
    Box chart;
    Box grid; // square, its first row and column hold the labels
    Box operations;
    Box slowest;
    Box missed;
};

// operationsWidth: the width the per-operation lines need in the current font;
// gridCaptionWidth: the width of the grid's longer caption, which the operations stay clear of.
ProgressLayout ComputeProgressLayout(int width, int height, int fontHeight, int operationsWidth,
                                     int gridCaptionWidth);

class ProgressScreen {
  public:
    ProgressScreen();
    // Draws the screen for history over a window of width x height in the current font.
    void Draw(const ProgressHistory& history, int width, int height);
    // Switches the grid between the multiplication and the addition table.
    void SwitchGrid();

    Button backButton;
    Button exportButton;
    Button gridButton;
    std::uint8_t gridOperation;
    // Shown beside the title: where the export went, or why it did not.
    std::string message;
    // Where the last Draw put each part, so a caller can find a grid cell on the screen.
    const ProgressLayout& LastLayout() const { return lastLayout; }

  private:
    void DrawButtons(const ProgressLayout& layout);

    ProgressLayout lastLayout;
};

// Where each difficulty's line and its legend are drawn.
ColorRef ChartLineColour(int difficulty);
