#include "game/progress_screen.h"

#include <algorithm>

#include "base/number_text.h"
#include "game/panel_drawing.h"
#include "progress/progress_summary.h"
#include "render/primitives.h"
#include "shell/game_shell.h"
#include "text/font.h"
#include "text/text.h"

namespace {

constexpr ColorRef RuleColour = 0x969696;
constexpr ColorRef QuietColour = 0x808080;
constexpr ColorRef ChartFill = 0xFFFFFF;
constexpr ColorRef ChartRule = 0xD8D8D8;
// A caption line and the listed facts.
constexpr int ListLines = ListedFacts + 1;
// The least size of the smaller fonts of labels and lines.
constexpr int SmallestFontSize = 6;
// The legend's short form, for charts too narrow for the names even in the smallest font.
constexpr const char* DifficultyInitials[] = {"E", "N", "H"};
constexpr ColorRef LineColours[] = {0x3C961E, 0xDC5A28, 0x2828C8};

// The tables the grid shows, in the order of ProgressFigures::grids.
constexpr std::uint8_t GridOperations[2] = {OpMultiply, OpAdd};

constexpr char EmptyHistoryText[] = "No games yet: play one and your progress shows here.";
// Beside an open mark, under a chart that shows games kept apart.
constexpr char KeptApartNote[] = "chosen facts or calm";

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

// The difficulties played, two spaces apart: "Easy  Normal  Hard".
std::string LegendText(const bool (&played)[3], const char* const (&names)[3]) {
    std::string text;
    for (int d = 0; d < 3; ++d) {
        if (played[d]) {
            text += (text.empty() ? "" : "  ") + std::string(names[d]);
        }
    }
    return text;
}

// The difficulties played, right-aligned on the row at y.
void DrawChartLegend(const Box& box, int y, const bool (&played)[3],
                     const char* const (&names)[3]) {
    int x = Right(box) - FontHeight() / 2;
    for (int d = 2; d >= 0; --d) {
        if (played[d]) {
            x -= TextWidth(names[d]);
            DrawPlainText(names[d], x, y, LineColours[d]);
            x -= SpaceWidth() * 2;
        }
    }
}

int LineThickness() {
    return std::max(1, FontHeight() / 12);
}

int DotRadius() {
    return std::max(2, FontHeight() / 6);
}

// A game kept apart: an open dot.
void DrawOpenDot(int x, int y, ColorRef colour) {
    FillCircle(x, y, DotRadius(), colour);
    FillCircle(x, y, DotRadius() - LineThickness(), ChartFill);
}

bool AnyKeptApart(const std::vector<GameRecord>& games) {
    return std::any_of(games.begin(), games.end(),
                       [](const GameRecord& game) { return game.KeptApart(); });
}

// One difficulty's games joined in order, thickened with the font for large windows. A
// game kept apart is an open dot outside the line, which compares games played alike; a
// calm one, never scored, sits on the chart's base line without pulling the line down.
void DrawChartSeries(const std::vector<GameRecord>& games, int difficulty, const Box& plot,
                     std::uint32_t maxScore) {
    const int count = static_cast<int>(games.size());
    const int thickness = LineThickness();
    int lastX = 0;
    int lastY = 0;
    bool started = false;
    for (int i = 0; i < count; ++i) {
        if (games[i].difficulty != difficulty) {
            continue;
        }
        const int x = plot.x + (count > 1 ? i * (plot.width - 1) / (count - 1) : plot.width / 2);
        const int y = ScoreY(games[i].score, maxScore, plot.y, Bottom(plot) - 1);
        if (games[i].KeptApart()) {
            DrawOpenDot(x, y, LineColours[difficulty]);
            continue;
        }
        for (int t = 0; t < thickness && started; ++t) {
            ::DrawLine(lastX, lastY + t, x, y + t, LineColours[difficulty]);
        }
        FillCircle(x, y, DotRadius(), LineColours[difficulty]);
        lastX = x;
        lastY = y;
        started = true;
    }
}

// The names in the current font, else in a smaller one, else the initials.
void DrawLegendInRoom(const Box& box, int y, const bool (&played)[3], ShrunkFont& legendFont) {
    const int room = box.width - FontHeight();
    const std::string legend = LegendText(played, DifficultyNames);
    if (TextWidth(legend.c_str()) <= room) {
        DrawChartLegend(box, y, played, DifficultyNames);
        return;
    }
    Font* smaller = legendFont.Fit(legend, room, FontHeight());
    if (smaller != nullptr && smaller->MeasureText(legend.c_str()) <= room) {
        DrawInFont(smaller, [&] { DrawChartLegend(box, y, played, DifficultyNames); });
    } else {
        DrawChartLegend(box, y, played, DifficultyInitials);
    }
}

// What an open dot means, on the row at y below the plot, in noteFont where the current
// font is too wide; left out where even that one is.
void DrawKeptApartNote(const Box& plot, int y, ShrunkFont& noteFont) {
    const int f = FontHeight();
    const int textX = plot.x + 2 * DotRadius() + SpaceWidth();
    const int room = Right(plot) - textX;
    Font* font =
        TextWidth(KeptApartNote) <= room ? CurrentFont() : noteFont.Fit(KeptApartNote, room, f);
    if (font == nullptr || font->MeasureText(KeptApartNote) > room) {
        return;
    }
    DrawOpenDot(plot.x + DotRadius(), y + f / 2, QuietColour);
    DrawInFont(font, [&] { DrawPlainText(KeptApartNote, textX, y, QuietColour); });
}

// The score axis and a line per difficulty; the legend in legendFont where the current font
// is too wide for the chart. Under a chart with games kept apart, a row says what their
// open dots mean.
void DrawScoreChart(const std::vector<GameRecord>& games, const Box& box, ShrunkFont& legendFont,
                    ShrunkFont& noteFont) {
    const int f = FontHeight();
    DrawBox(box.x, box.y, box.width, box.height, RuleColour, 1, ChartFill);
    DrawPlainText("Scores", box.x + f / 2, box.y + f / 4, CaptionColour);
    if (games.empty()) {
        DrawPlainText("No finished games yet", box.x + f / 2, box.y + 2 * f, QuietColour);
        return;
    }
    std::uint32_t maxScore = 0;
    bool played[3] = {false, false, false};
    for (const GameRecord& game : games) {
        maxScore = std::max(maxScore, game.score);
        played[std::clamp(game.difficulty, 0, 2)] = true;
    }
    // The legend shares the caption's row when there is room, else takes the row below.
    const int captionRight = box.x + f / 2 + TextWidth("Scores") + 2 * SpaceWidth();
    const bool ownRow =
        captionRight + TextWidth(LegendText(played, DifficultyNames).c_str()) > Right(box) - f / 2;
    const int legendRows = ownRow ? 1 : 0;
    DrawLegendInRoom(box, box.y + f / 4 + legendRows * f, played, legendFont);
    const std::string top = std::to_string(maxScore);
    const int labelWidth = TextWidth(top.c_str()) + f / 2;
    const int noteRow = AnyKeptApart(games) ? f + f / 4 : 0;
    const Box plot = {box.x + f / 2 + labelWidth, box.y + (legendRows + 1) * f + f / 2 + f / 4,
                      box.width - f - labelWidth - f / 4,
                      box.height - (legendRows + 2) * f - f / 4 - noteRow};
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
    if (noteRow != 0) {
        DrawKeptApartNote(plot, Bottom(plot) + f / 2, noteFont);
    }
}

// Column labels start no further left than their column and row labels end at the first
// column, so a label wider than a cell ("10") spills outwards, past the grid's edge.
void DrawGridLabels(const Box& grid, int cell) {
    std::string number;
    const int rise = CenterOffset(cell, FontHeight());
    for (int i = 1; i <= 10; ++i) {
        SetDecimal(number, i);
        const int width = TextWidth(number.c_str());
        const int columnX = grid.x + i * cell + std::max(CenterOffset(cell, width), 0);
        DrawPlainText(number.c_str(), columnX, grid.y + rise, QuietColour);
        const int rowX = grid.x + std::min(CenterOffset(cell, width), cell - 1 - width);
        DrawPlainText(number.c_str(), rowX, grid.y + i * cell + rise, QuietColour);
    }
}

const char* GridCaption(std::uint8_t operation) {
    return operation == OpMultiply ? "Multiplication" : "Addition";
}

// Whether the current font's labels are narrow and low enough for cells of this size.
bool GridLabelsFit(int cell) {
    return TextWidth("10") <= cell + SpaceWidth() && FontHeight() * 3 <= cell * 4;
}

void DrawFactGrid(const GridColours& colours, std::uint8_t operation, const Box& grid,
                  ShrunkFont& labelFont) {
    const int cell = grid.width / 11;
    if (cell < 2) {
        return;
    }
    DrawPlainText(GridCaption(operation), grid.x, grid.y - FontHeight() - FontHeight() / 4,
                  CaptionColour);
    // Smaller labels where the current font's are too large, none where even those overlap.
    Font* font = GridLabelsFit(cell) ? CurrentFont() : labelFont.Fit("10", cell, cell);
    if (font == CurrentFont() || (font != nullptr && font->Height() <= cell)) {
        DrawInFont(font, [&] { DrawGridLabels(grid, cell); });
    }
    for (int a = 1; a <= 10; ++a) {
        for (int b = 1; b <= 10; ++b) {
            FillBox(grid.x + b * cell, grid.y + a * cell, cell - 1, cell - 1,
                    colours[a - 1][b - 1]);
        }
    }
}

void DrawOperations(const OperationFigures (&operations)[OperationCount], const Box& box) {
    DrawCaption("By operation", box);
    int y = box.y + FontHeight() + FontHeight() / 4;
    for (int i = 0; i < OperationCount; ++i) {
        if (y + FontHeight() > Bottom(box)) {
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
            if (y + step > Bottom(box) + step / 4) {
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
    return std::max(Right(grid), grid.x + gridCaptionWidth) + m;
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

ShrunkFont::~ShrunkFont() {
    if (font != nullptr) {
        font->Destroy();
        delete font;
    }
}

Font* ShrunkFont::Fit(const std::string& text, int width, int height) {
    const Font* current = CurrentFont();
    if (current == nullptr) {
        return nullptr;
    }
    const int largest = current->pixelSize;
    if (font != nullptr && fittedSize == largest && fittedText == text && fittedWidth == width &&
        fittedHeight == height) {
        return font;
    }
    fittedSize = largest;
    fittedText = text;
    fittedWidth = width;
    fittedHeight = height;
    // Sizes scale widths and heights nearly in proportion: start there, then step down.
    const int measured = std::max(1, Measure(*current, text));
    int size = std::min(
        {largest, largest * width / measured, largest * height / std::max(1, current->Height())});
    size = std::max(size, SmallestFontSize);
    ResizeDigitFont(font, ShellFontFace, size);
    while (font != nullptr && size > SmallestFontSize &&
           (Measure(*font, text) > width || font->Height() > height)) {
        ResizeDigitFont(font, ShellFontFace, --size);
    }
    return font;
}

int ShrunkFont::Measure(const Font& measuring, const std::string& text) const {
    return plainText ? measuring.MeasurePlain(text.c_str()) : measuring.MeasureText(text.c_str());
}

ColorRef ChartLineColour(int difficulty) {
    return LineColours[std::clamp(difficulty, 0, 2)];
}

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
    const int bandTop = Bottom(layout.titleRow) + m;
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
    DrawFactGrid(figures.grids[gridOperation == OpMultiply ? 0 : 1], gridOperation, layout.grid,
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
