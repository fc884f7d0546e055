// ProgressScreen: the player's history in pictures, over the whole window. First, how many
// facts of each operation practised are fluent at the player's threshold, with the button
// that changes it; then a score chart of the last games (a line per difficulty, games with
// chosen facts or calm as open dots apart from it), a 10 x 10 grid of the multiplication or
// the addition table coloured by how fast and sure each fact is, with its legend, accuracy
// and median time per operation, the milestones' badges where there is room, and the ten
// slowest and ten most missed facts. After an export it says in which folder the files are
// and offers to open it. The layout is worked out from the window size and the current
// font, so it fits at any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/fact_grid.h"
#include "game/game_layout.h"
#include "progress/fluency.h"
#include "progress/fluency_count.h"
#include "progress/operations.h"
#include "progress/progress_history.h"
#include "progress/progress_summary.h"
#include "shell/shrunk_font.h"
#include "ui/button.h"

class Font;

struct ProgressLayout {
    Box titleRow;
    Box backButton;
    Box exportButton;
    Box gridButton;
    Box fluentButton; // in the title row where it leaves the title room, else beside the count
    Box note;         // the export's note, a line each; empty without one
    Box openFolderButton;
    Box counts; // the count's lines in countColumns columns, countRows rows
    int countColumns = 1;
    int countRows = 0;
    Box chart;
    Box grid; // square, its first row and column hold the labels
    Box operations;
    Box slowest;
    Box missed;
};

// What the layout needs measured in the current font.
struct ProgressMeasures {
    int fontHeight = 0;
    int titleWidth = 0;
    // The per-operation figures' lines, and the grid's longer caption, which they stay clear of.
    int operationsWidth = 0;
    int gridCaptionWidth = 0;
    int fluentButtonWidth = 0;
    // Back, Export and the grid's switch: at least 4, 5 and 5 font heights, wider for a
    // longer label.
    int titleButtonWidths[3] = {};
    int countLines = 0; // one per operation practised
    int countLineWidth = 0;
    int noteLines = 0; // 0 without a note
    int openFolderButtonWidth = 0;
};

ProgressLayout ComputeProgressLayout(int width, int height, const ProgressMeasures& measures);
// The width the export's note has beside its button.
int NoteWidth(int width, int fontHeight, int openFolderButtonWidth);
// The folder's lines, each at most width wide in the current font: broken after a
// separator where one fits, else inside a name.
std::vector<std::string> WrappedFolder(const std::string& folder, int width);
// Where the badges may go: the title row's room between what it says and its buttons
// (from x on), and the room under the operations' figures and the grid's legend.
std::vector<Box> BadgeAreas(const ProgressLayout& layout, int titleRoomX, int legendLines,
                            int fontHeight);

// Facts in each of the slowest and the most missed lists.
constexpr int ListedFacts = 10;

// What the screen shows, worked out from the history once when the screen opens: the
// history does not change while it is up, and the frames drawn meanwhile stay cheap.
struct ProgressFigures {
    bool empty = true;
    std::vector<GameRecord> charted;
    GridColours grids[2] = {}; // multiplication, addition
    GridFluent fluent[2] = {};
    std::vector<FluencyCount> counts; // each drawn "Multiplication: 63 of 100 facts fluent"
    int fluentSeconds = FluentSecondsChoices[0];
    std::vector<Milestone> badges; // newest first
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
    // Says under the title what the export did ("Saved to", or which file it could not
    // write) and in which folder, with a button that opens the folder when there is one.
    void ShowExportNote(const std::string& said, const std::string& folder);
    void ClearExportNote();
    bool FolderOpenable() const { return !noteFolder.empty(); }
    const std::string& NoteSaid() const { return noteSaid; }
    const std::string& NoteFolder() const { return noteFolder; }
    const ProgressFigures& Figures() const { return figures; }

    Button backButton;
    Button exportButton;
    Button gridButton;
    Button fluentButton;
    Button openFolderButton;
    std::uint8_t gridOperation;
    // Shown beside the title: whose progress it is (empty: no name), and which damaged
    // file's copy the load kept.
    std::string playerName;
    std::string message;
    // Where the last Draw put each part, so a caller can find a grid cell on the screen.
    const ProgressLayout& LastLayout() const { return lastLayout; }

  private:
    ProgressMeasures Measure(int width) const;
    // The title, the player's name and the damaged file's note; returns where the row's
    // free room starts.
    int DrawTitleRow(const ProgressLayout& layout);
    void DrawButtons(const ProgressLayout& layout);
    void DrawExportNote(const ProgressLayout& layout);
    void DrawCounts(const ProgressLayout& layout);
    // The current font, or a smaller one where the short form of a listed fact's line
    // would not fit its list.
    Font* FactLineFont(const ProgressLayout& layout);

    ProgressLayout lastLayout;
    ProgressFigures figures;
    std::string noteSaid;
    std::string noteFolder;
    ShrunkFont countFont;
    ShrunkFont gridLegendFont;
    ShrunkFont legendFont;
    ShrunkFont noteFont;
    ShrunkFont labelFont;
    ShrunkFont lineFont;
    ShrunkFont operationsFont;
    ShrunkFont badgeFont;
};
