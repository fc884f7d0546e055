#include "game/progress_screen.h"

#include <algorithm>

#include "game/progress_summary.h"
#include "render/primitives.h"
#include "text/number_text.h"
#include "text/text.h"

namespace {

constexpr ColorRef Ink = 0x000000;
constexpr ColorRef CaptionColour = 0xFF0000;
constexpr ColorRef RuleColour = 0x969696;
constexpr ColorRef QuietColour = 0x808080;
constexpr ColorRef ChartFill = 0xFFFFFF;
constexpr ColorRef ChartRule = 0xD8D8D8;
constexpr int ListedFacts = 10;
// A caption line and the listed facts.
constexpr int ListLines = ListedFacts + 1;
// A caption line and one line per operation.
constexpr int OperationLines = 5;
constexpr const char* DifficultyNames[] = {"Easy", "Normal", "Hard"};
constexpr ColorRef LineColours[] = {0x3C961E, 0xDC5A28, 0x2828C8};

struct OperationRow {
    std::uint8_t operation;
    const char* name;
};
constexpr OperationRow OperationRows[] = {
    {OpAdd, "Add"}, {OpSubtract, "Subtract"}, {OpMultiply, "Multiply"}, {OpDivide, "Divide"}};

constexpr char EmptyHistoryText[] = "No games yet: play one and your progress shows here.";

int Right(const Box& box) {
    return box.x + box.width;
}

int Bottom(const Box& box) {
    return box.y + box.height;
}

// Plain text that may hold the division sign, which only styled drawing shows.
void DrawLine(const std::string& text, int x, int y, ColorRef colour) {
    TextStyle style;
    style.colour = colour;
    DrawText(text.c_str(), x, y, style);
}

void DrawCaption(const char* caption, const Box& box) {
    DrawPlainText(caption, box.x, box.y, CaptionColour);
    HLine(box.x, box.y + FontHeight(), Right(box) - 1, RuleColour);
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

// The score's place on the chart's axis from bottom (0) up to top (maxScore).
int ScoreY(std::uint32_t score, std::uint32_t maxScore, int top, int bottom) {
    const double share = maxScore == 0 ? 0.0 : static_cast<double>(score) / maxScore;
    return bottom - static_cast<int>(share * (bottom - top) + 0.5);
}

void DrawChartLegend(const Box& box, const bool (&played)[3]) {
    int x = Right(box) - FontHeight() / 2;
    for (int d = 2; d >= 0; --d) {
        if (played[d]) {
            x -= TextWidth(DifficultyNames[d]);
            DrawPlainText(DifficultyNames[d], x, box.y + FontHeight() / 4, LineColours[d]);
            x -= SpaceWidth() * 2;
        }
    }
}

// One difficulty's games joined in order, thickened with the font for large windows.
void DrawChartSeries(const std::vector<const GameRecord*>& games, int difficulty, const Box& plot,
                     std::uint32_t maxScore) {
    const int count = static_cast<int>(games.size());
    const int thickness = std::max(1, FontHeight() / 12);
    const int dot = std::max(2, FontHeight() / 6);
    int lastX = 0;
    int lastY = 0;
    bool started = false;
    for (int i = 0; i < count; ++i) {
        if (games[i]->difficulty != difficulty) {
            continue;
        }
        const int x = plot.x + (count > 1 ? i * (plot.width - 1) / (count - 1) : plot.width / 2);
        const int y = ScoreY(games[i]->score, maxScore, plot.y, Bottom(plot) - 1);
        for (int t = 0; t < thickness && started; ++t) {
            ::DrawLine(lastX, lastY + t, x, y + t, LineColours[difficulty]);
        }
        FillCircle(x, y, dot, LineColours[difficulty]);
        lastX = x;
        lastY = y;
        started = true;
    }
}

void DrawScoreChart(const ProgressHistory& history, const Box& box) {
    const int f = FontHeight();
    DrawBox(box.x, box.y, box.width, box.height, RuleColour, 1, ChartFill);
    DrawPlainText("Scores", box.x + f / 2, box.y + f / 4, CaptionColour);
    const std::vector<const GameRecord*> games = ChartedGames(history);
    if (games.empty()) {
        DrawPlainText("No finished games yet", box.x + f / 2, box.y + 2 * f, QuietColour);
        return;
    }
    std::uint32_t maxScore = 0;
    bool played[3] = {false, false, false};
    for (const GameRecord* game : games) {
        maxScore = std::max(maxScore, game->score);
        played[std::clamp(game->difficulty, 0, 2)] = true;
    }
    DrawChartLegend(box, played);
    const std::string top = std::to_string(maxScore);
    const int labelWidth = TextWidth(top.c_str()) + f / 2;
    const Box plot = {box.x + f / 2 + labelWidth, box.y + f + f / 2 + f / 4,
                      box.width - f - labelWidth - f / 4, box.height - 2 * f - f / 4};
    if (plot.width < 2 || plot.height < 2) {
        return;
    }
    HLine(plot.x, plot.y, Right(plot) - 1, ChartRule);
    HLine(plot.x, Bottom(plot) - 1, Right(plot) - 1, ChartRule);
    DrawPlainText(top.c_str(), box.x + f / 2, plot.y - f / 2, QuietColour);
    DrawPlainText("0", box.x + f / 2 + labelWidth - f / 2 - TextWidth("0"), Bottom(plot) - f / 2,
                  QuietColour);
    for (int d = 0; d < 3; ++d) {
        DrawChartSeries(games, d, plot, maxScore);
    }
}

void DrawGridLabels(const Box& grid, int cell) {
    std::string number;
    for (int i = 1; i <= 10; ++i) {
        SetDecimal(number, i);
        const int offset = CenterOffset(cell, TextWidth(number.c_str()));
        const int rise = CenterOffset(cell, FontHeight());
        DrawPlainText(number.c_str(), grid.x + i * cell + offset, grid.y + rise, QuietColour);
        DrawPlainText(number.c_str(), grid.x + offset, grid.y + i * cell + rise, QuietColour);
    }
}

void DrawFactGrid(const ProgressHistory& history, std::uint8_t operation, const Box& grid) {
    const int cell = grid.width / 11;
    if (cell < 2) {
        return;
    }
    const char* caption = operation == OpMultiply ? "Multiplication" : "Addition";
    DrawPlainText(caption, grid.x, grid.y - FontHeight() - FontHeight() / 4, CaptionColour);
    if (TextWidth("10") <= cell && FontHeight() <= cell) {
        DrawGridLabels(grid, cell);
    }
    for (int a = 1; a <= 10; ++a) {
        for (int b = 1; b <= 10; ++b) {
            FillBox(grid.x + b * cell, grid.y + a * cell, cell - 1, cell - 1,
                    GridCellColour(history, operation, a, b));
        }
    }
}

void DrawOperations(const ProgressHistory& history, const Box& box) {
    DrawCaption("By operation", box);
    int y = box.y + FontHeight() + FontHeight() / 4;
    for (const OperationRow& row : OperationRows) {
        if (y + FontHeight() > Bottom(box)) {
            return;
        }
        DrawPlainText(row.name, box.x, y, Ink);
        const OperationFigures figures = FiguresFor(history, row.operation);
        if (figures.asked == 0) {
            DrawPlainText("-", box.x + NameColumn(), y, QuietColour);
        } else {
            std::string percent;
            AppendDecimal(percent, static_cast<int>(100LL * figures.right / figures.asked));
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

void DrawFactList(const char* caption, const char* none,
                  const std::vector<const FactRecord*>& facts, const Box& box) {
    DrawCaption(caption, box);
    int y = box.y + FontHeight() + FontHeight() / 4;
    if (facts.empty()) {
        DrawPlainText(none, box.x, y, QuietColour);
    }
    for (const FactRecord* fact : facts) {
        if (y + FontHeight() > Bottom(box) + FontHeight() / 4) {
            return;
        }
        DrawLine(FactLine(*fact), box.x, y, Ink);
        y += FontHeight();
    }
}

// The message, cut from the front (a path's end tells most) until it fits.
void DrawMessage(const std::string& message, const Box& line) {
    std::string shown = message;
    while (shown.size() > 4 && TextWidth(shown.c_str()) > line.width) {
        shown = "..." + shown.substr(4);
    }
    DrawLine(shown, line.x, line.y, Ink);
}

} // namespace

ColorRef ChartLineColour(int difficulty) {
    return LineColours[std::clamp(difficulty, 0, 2)];
}

ProgressLayout ComputeProgressLayout(int width, int height, int f, int operationsWidth) {
    ProgressLayout layout;
    const int m = std::max(2, f / 2);
    layout.titleRow = {m, m, width - 2 * m, 2 * f};
    layout.backButton = {width - m - 4 * f, m, 4 * f, 2 * f};
    layout.exportButton = {layout.backButton.x - m - 5 * f, m, 5 * f, 2 * f};
    layout.gridButton = {layout.exportButton.x - m - 5 * f, m, 5 * f, 2 * f};
    layout.messageLine = {m, height - m - f, width - 2 * m, f};
    const int column = (width - 3 * m) / 2;
    const int secondColumn = 2 * m + column;
    const int listsTop = layout.messageLine.y - m - ListLines * f;
    layout.slowest = {m, listsTop, column, ListLines * f};
    layout.missed = {secondColumn, listsTop, column, ListLines * f};
    const int bandTop = Bottom(layout.titleRow) + m;
    const int band = std::max(0, listsTop - m - bandTop);
    layout.chart = {m, bandTop, column, band};
    // The grid takes the right column's band, with the operations beside it or below it,
    // whichever leaves the grid larger; its caption goes above it.
    const int gridTop = bandTop + f + f / 4;
    const int besideSide = std::min(band - f - f / 4, column - operationsWidth - m);
    const int belowSide = std::min(column, band - f - f / 4 - OperationLines * f - m);
    if (besideSide >= belowSide) {
        const int side = std::max(0, besideSide);
        layout.grid = {secondColumn, gridTop, side, side};
        layout.operations = {secondColumn + side + m, bandTop, column - side - m, band};
    } else {
        const int side = std::max(0, belowSide);
        layout.grid = {secondColumn + CenterOffset(column, side), gridTop, side, side};
        layout.operations = {secondColumn, Bottom(layout.grid) + m, column, OperationLines * f};
    }
    return layout;
}

ProgressScreen::ProgressScreen() : gridOperation(OpMultiply) {
    backButton.label = "Back";
    exportButton.label = "Export";
    gridButton.label = "x / +";
}

void ProgressScreen::DrawButtons(const ProgressLayout& layout) {
    PlaceButton(backButton, layout.backButton);
    backButton.Draw();
    PlaceButton(exportButton, layout.exportButton);
    exportButton.Draw();
    PlaceButton(gridButton, layout.gridButton);
    gridButton.Draw();
}

void ProgressScreen::Draw(const ProgressHistory& history, int width, int height) {
    const int f = FontHeight();
    const ProgressLayout layout = ComputeProgressLayout(width, height, f, OperationsWidth());
    const Box& title = layout.titleRow;
    DrawPlainText("Progress", title.x, title.y + CenterOffset(title.height, f), Ink);
    if (history.Empty()) {
        PlaceButton(backButton, layout.backButton);
        backButton.Draw();
        DrawPlainText(EmptyHistoryText, CenterOffset(width, TextWidth(EmptyHistoryText)),
                      CenterOffset(height, f), QuietColour);
        return;
    }
    DrawButtons(layout);
    DrawScoreChart(history, layout.chart);
    DrawFactGrid(history, gridOperation, layout.grid);
    DrawOperations(history, layout.operations);
    DrawFactList("Slowest", "None timed yet", SlowestFacts(history, ListedFacts), layout.slowest);
    DrawFactList("Most missed", "None missed yet", MostMissedFacts(history, ListedFacts),
                 layout.missed);
    if (!message.empty()) {
        DrawMessage(message, layout.messageLine);
    }
}
