#include "game/progress_screen.h"

#include <algorithm>

#include "base/number_text.h"
#include "game/fact_grid.h"
#include "game/panel_drawing.h"
#include "game/score_chart.h"
#include "progress/progress_summary.h"
#include "render/primitives.h"
#include "shell/game_shell.h"
#include "text/font.h"
#include "text/text.h"

namespace {

// A caption line and the listed facts.
constexpr int ListLines = ListedFacts + 1;

// The tables the grid shows, in the order of ProgressFigures::grids.
constexpr std::uint8_t GridOperations[2] = {OpMultiply, OpAdd};

constexpr char EmptyHistoryText[] = "No games yet: play one and your progress shows here.";

// Plain text that may hold the division sign, which only styled drawing shows.
void DrawLine(const std::string& text, int x, int y, ColorRef colour) {
    TextStyle style;
    style.colour = colour;
    DrawText(text.c_str(), x, y, style);
}

void DrawCaption(const char* caption, const Box& box) {
    DrawPlainText(caption, box.x, box.y, CaptionColour);
    HLine(box.x, box.y + FontHeight(), RightOf(box) - 1, RuleColour);
}

int NameColumn() {
    return TextWidth("Subtract") + 2 * SpaceWidth();
}

int PercentColumn() {
    return TextWidth("100%") + 2 * SpaceWidth();
}

int OperationsWidth() {
    return NameColumn() + PercentColumn() + TextWidth("00.0 s");
}

void PlaceButton(Button& button, const Box& box) {
    button.SetSize(box.width, box.height);
    button.SetPosition(box.x, box.y);
}

void DrawOperations(const OperationFigures (&operations)[OperationCount], const Box& box) {
    DrawCaption("By operation", box);
    int y = box.y + FontHeight() + FontHeight() / 4;
    for (int i = 0; i < OperationCount; ++i) {
        if (y + FontHeight() > BottomOf(box)) {
            return;
        }
        DrawPlainText(OperationTable[i].name, box.x, y, Ink);
        const OperationFigures& figures = operations[i];
        if (figures.asked == 0) {
            DrawPlainText("-", box.x + NameColumn(), y, QuietColour);
        } else {
            std::string percent;
            AppendDecimal(percent, RoundedPercent(figures.right, figures.asked));
            percent += '%';
            DrawPlainText(percent.c_str(), box.x + NameColumn(), y, Ink);
            if (figures.medianMs >= 0) {
                DrawPlainText(SecondsText(figures.medianMs).c_str(),
                              box.x + NameColumn() + PercentColumn(), y, Ink);
            }
        }
        y += FontHeight();
    }
}

// The shortest line of a fact in a list about parts: what the list is about and the
// misses in short, which every line keeps.
std::string ShortestFactLine(const FactRecord& fact, int parts) {
    return FactLine(fact, parts | FactMisses | FactShortMisses);
}

// The whole line when it fits the list's width, else only what the list is about, else
// both again with the misses in short.
std::string FittedFactLine(const FactRecord& fact, int parts, int width) {
    for (const int tried : {static_cast<int>(FactTimeAndMisses), parts | FactMisses,
                            FactTimeAndMisses | FactShortMisses}) {
        std::string line = FactLine(fact, tried);
        if (TextWidth(line.c_str()) <= width) {
            return line;
        }
    }
    return ShortestFactLine(fact, parts);
}

// The widest shortest line of the facts, empty when every one fits width.
std::string WidestShortestLine(const std::vector<FactRecord>& facts, int parts, int width,
                               std::string widest) {
    for (const FactRecord& fact : facts) {
        const std::string line = ShortestFactLine(fact, parts);
        const int lineWidth = TextWidth(line.c_str());
        if (lineWidth > width && lineWidth > TextWidth(widest.c_str())) {
            widest = line;
        }
    }
    return widest;
}

// The caption in the current font, the lines in lineFont, a line of the current font apart.
void DrawFactList(const char* caption, const char* none, int parts,
                  const std::vector<FactRecord>& facts, const Box& box, Font* lineFont) {
    DrawCaption(caption, box);
    const int step = FontHeight();
    int y = box.y + step + step / 4;
    if (facts.empty()) {
        DrawPlainText(none, box.x, y, QuietColour);
    }
    DrawInFont(lineFont, [&] {
        for (const FactRecord& fact : facts) {
            if (y + step > BottomOf(box) + step / 4) {
                return;
            }
            DrawLine(FittedFactLine(fact, parts, box.width), box.x, y, Ink);
            y += step;
        }
    });
}

// The message, cut from the front (a path's end tells most) until it fits.
void DrawMessage(const std::string& message, int x, int y, int right) {
    std::string shown = message;
    while (shown.size() > 4 && x + TextWidth(shown.c_str()) > right) {
        shown = "..." + shown.substr(4);
    }
    DrawLine(shown, x, y, QuietColour);
}

// Right of the grid and of its caption, which may be the wider.
int OperationsLeft(const Box& grid, int gridCaptionWidth, int m) {
    return std::max(RightOf(grid), grid.x + gridCaptionWidth) + m;
}

std::vector<FactRecord> Copies(const std::vector<const FactRecord*>& facts) {
    std::vector<FactRecord> copies;
    for (const FactRecord* fact : facts) {
        copies.push_back(*fact);
    }
    return copies;
}

// Names the table a press switches to.
const char* GridButtonLabel(std::uint8_t shown) {
    return shown == OpMultiply ? "Show +" : "Show x";
}

} // namespace

ProgressLayout ComputeProgressLayout(int width, int height, int f, int operationsWidth,
                                     int gridCaptionWidth) {
    ProgressLayout layout;
    const int m = std::max(2, f / 2);
    layout.titleRow = {m, m, width - 2 * m, 2 * f};
    layout.backButton = {width - m - 4 * f, m, 4 * f, 2 * f};
    layout.exportButton = {layout.backButton.x - m - 5 * f, m, 5 * f, 2 * f};
    layout.gridButton = {layout.exportButton.x - m - 5 * f, m, 5 * f, 2 * f};
    const int column = (width - 3 * m) / 2;
    const int secondColumn = 2 * m + column;
    const int listsTop = height - m - ListLines * f;
    layout.slowest = {m, listsTop, column, ListLines * f};
    layout.missed = {secondColumn, listsTop, column, ListLines * f};
    const int bandTop = BottomOf(layout.titleRow) + m;
    const int band = std::max(0, listsTop - m - bandTop);
    // The grid's caption goes above it.
    const int caption = f + f / 4;
    if (width >= height) {
        // Side by side: the chart, the grid and the operations.
        const int side =
            std::max(0, std::min(band - caption, (width - operationsWidth - 4 * m) / 2));
        const int chartWidth = std::max(0, width - side - operationsWidth - 4 * m);
        layout.chart = {m, bandTop, chartWidth, band};
        layout.grid = {2 * m + chartWidth, bandTop + caption, side, side};
        const int operationsX = OperationsLeft(layout.grid, gridCaptionWidth, m);
        layout.operations = {operationsX, bandTop, width - operationsX - m, band};
        return layout;
    }
    // Taller than wide: the chart above, the grid and the operations beside each other.
    const int chartHeight = band * 2 / 5;
    layout.chart = {m, bandTop, width - 2 * m, chartHeight};
    const int lowerTop = bandTop + chartHeight + m;
    const int side =
        std::max(0, std::min(band - chartHeight - m - caption, width - operationsWidth - 3 * m));
    layout.grid = {m, lowerTop + caption, side, side};
    const int operationsX = OperationsLeft(layout.grid, gridCaptionWidth, m);
    layout.operations = {operationsX, lowerTop, width - operationsX - m, band - chartHeight - m};
    return layout;
}

ProgressScreen::ProgressScreen() : gridOperation(OpMultiply) {
    backButton.label = "Back";
    exportButton.label = "Export";
    gridButton.label = GridButtonLabel(gridOperation);
}

void ProgressScreen::SwitchGrid() {
    gridOperation = gridOperation == OpMultiply ? OpAdd : OpMultiply;
    gridButton.label = GridButtonLabel(gridOperation);
}

void ProgressScreen::DrawButtons(const ProgressLayout& layout) {
    PlaceButton(backButton, layout.backButton);
    backButton.Draw();
    PlaceButton(exportButton, layout.exportButton);
    exportButton.Draw();
    PlaceButton(gridButton, layout.gridButton);
    gridButton.Draw();
}

Font* ProgressScreen::FactLineFont(const ProgressLayout& layout) {
    const int width = layout.slowest.width;
    const std::string widest =
        WidestShortestLine(figures.missed, FactMisses, width,
                           WidestShortestLine(figures.slowest, FactTime, width, ""));
    if (widest.empty()) {
        return CurrentFont();
    }
    return lineFont.Fit(widest, width, FontHeight());
}

void ProgressScreen::Summarise(const ProgressHistory& history) {
    figures.empty = history.Empty();
    figures.charted.clear();
    for (const GameRecord* game : ChartedGames(history)) {
        figures.charted.push_back(*game);
    }
    for (int g = 0; g < 2; ++g) {
        for (int a = 1; a <= 10; ++a) {
            for (int b = 1; b <= 10; ++b) {
                figures.grids[g][a - 1][b - 1] = GridCellColour(history, GridOperations[g], a, b);
                figures.fluent[g][a - 1][b - 1] = GridCellFluent(history, GridOperations[g], a, b);
            }
        }
    }
    for (int i = 0; i < OperationCount; ++i) {
        figures.operations[i] = FiguresFor(history, OperationTable[i].code);
    }
    figures.slowest = Copies(SlowestFacts(history, ListedFacts));
    figures.missed = Copies(MostMissedFacts(history, ListedFacts));
}

void ProgressScreen::Draw(int width, int height) {
    const int f = FontHeight();
    lastLayout = ComputeProgressLayout(width, height, f, OperationsWidth(),
                                       TextWidth(GridCaption(OpMultiply)));
    const ProgressLayout& layout = lastLayout;
    const Box& title = layout.titleRow;
    const int titleY = title.y + CenterOffset(title.height, f);
    DrawPlainText("Progress", title.x, titleY, Ink);
    int messageX = title.x + TextWidth("Progress") + 2 * SpaceWidth();
    // The name where the title row has room for it before the buttons.
    const int buttonsLeft = figures.empty ? layout.backButton.x : layout.gridButton.x;
    const int nameWidth = PlainTextWidth(playerName.c_str());
    if (!playerName.empty() && messageX + nameWidth <= buttonsLeft - f / 2) {
        DrawPlainText(playerName.c_str(), messageX, titleY, CaptionColour);
        messageX += nameWidth + 2 * SpaceWidth();
    }
    if (figures.empty) {
        PlaceButton(backButton, layout.backButton);
        backButton.Draw();
        DrawPlainText(EmptyHistoryText, CenterOffset(width, TextWidth(EmptyHistoryText)),
                      CenterOffset(height, f), QuietColour);
        // A file damaged from its start leaves no history, but still says where it went.
        if (!message.empty()) {
            DrawMessage(message, messageX, titleY, layout.backButton.x - f / 2);
        }
        return;
    }
    DrawButtons(layout);
    DrawScoreChart(figures.charted, layout.chart, legendFont, noteFont);
    const int shownGrid = gridOperation == OpMultiply ? 0 : 1;
    DrawFactGrid(figures.grids[shownGrid], figures.fluent[shownGrid], gridOperation, layout.grid,
                 labelFont);
    DrawOperations(figures.operations, layout.operations);
    Font* lines = FactLineFont(layout);
    DrawFactList("Slowest", "None timed yet", FactTime, figures.slowest, layout.slowest, lines);
    DrawFactList("Most missed", "None missed yet", FactMisses, figures.missed, layout.missed,
                 lines);
    if (!message.empty()) {
        DrawMessage(message, messageX, titleY, layout.gridButton.x - f / 2);
    }
}
