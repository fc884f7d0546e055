// ProgressScreen: the player's history in pictures, over the whole window. A score chart
// of the last games (a line per difficulty, games with chosen facts or calm as open dots
// apart from it), a 10 x 10 grid of the multiplication or the
// addition table coloured by how fast and sure each fact is, accuracy and median time per
// operation, and the ten slowest and ten most missed facts. The layout is worked out from
// the window size and the current font's height, so it fits at any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/fact_grid.h"
#include "game/game_layout.h"
#include "game/shrunk_font.h"
#include "progress/operations.h"
#include "progress/progress_history.h"
#include "progress/progress_summary.h"
#include "ui/button.h"

class Font;

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

// Facts in each of the slowest and the most missed lists.
constexpr int ListedFacts = 10;

// What the screen shows, worked out from the history once when the screen opens: the
// history does not change while it is up, and the frames drawn meanwhile stay cheap.
struct ProgressFigures {
    bool empty = true;
    std::vector<GameRecord> charted;
    GridColours grids[2] = {}; // multiplication, addition
    GridFluent fluent[2] = {};
    OperationFigures operations[OperationCount];
    std::vector<FactRecord> slowest;
    std::vector<FactRecord> missed;
};

class ProgressScreen {
  public:
    ProgressScreen();
    // Works out what the screen shows from history (call when the screen opens).
    void Summarise(const ProgressHistory& history);
    // Draws the figures last worked out over a window of width x height in the current font.
    void Draw(int width, int height);
    // Switches the grid between the multiplication and the addition table.
    void SwitchGrid();

    Button backButton;
    Button exportButton;
    Button gridButton;
    std::uint8_t gridOperation;
    // Shown beside the title: whose progress it is (empty: no name), and where the export
    // went, or why it did not.
    std::string playerName;
    std::string message;
    // Where the last Draw put each part, so a caller can find a grid cell on the screen.
    const ProgressLayout& LastLayout() const { return lastLayout; }

  private:
    void DrawButtons(const ProgressLayout& layout);
    // The current font, or a smaller one where the short form of a listed fact's line
    // would not fit its list.
    Font* FactLineFont(const ProgressLayout& layout);

    ProgressLayout lastLayout;
    ProgressFigures figures;
    ShrunkFont legendFont;
    ShrunkFont noteFont;
    ShrunkFont labelFont;
    ShrunkFont lineFont;
};
