#include "game/progress_screen.h"

#include <algorithm>

#include "base/number_text.h"
#include "game/fact_grid.h"
#include "game/milestone_badges.h"
#include "game/panel_drawing.h"
#include "game/score_chart.h"
#include "progress/fluency.h"
#include "progress/fluency_count.h"
#include "progress/progress_summary.h"
#include "render/primitives.h"
#include "shell/game_shell.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

// A caption line and the listed facts.
constexpr int ListLines = ListedFacts + 1;

// The tables the grid shows, in the order of ProgressFigures::grids.
constexpr std::uint8_t GridOperations[2] = {OpMultiply, OpAdd};

// The count's columns stand this many font heights apart.
constexpr int CountGap = 2;
// The chart's caption, legend, plot and dates need this many font heights.
constexpr int ChartLeastLines = 6;

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
    int widest = 0;
    for (const OperationInfo& operation : OperationTable) {
        widest = std::max(widest, TextWidth(Tr(operation.name)));
    }
    return widest + 2 * SpaceWidth();
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

// The per-operation figures' width with their caption, in the current font.
int OperationsWithCaptionWidth() {
    return std::max(OperationsWidth(), TextWidth(Tr("By operation")));
}

void DrawOperations(const OperationFigures (&operations)[OperationCount], const Box& box) {
    DrawCaption(Tr("By operation"), box);
    int y = box.y + FontHeight() + FontHeight() / 4;
    for (int i = 0; i < OperationCount; ++i) {
        if (y + FontHeight() > BottomOf(box)) {
            return;
        }
        DrawPlainText(Tr(OperationTable[i].name), box.x, y, Ink);
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
    // Translators: x is the multiplication sign
    return shown == OpMultiply ? TrMark("Show +") : TrMark("Show x");
}

std::string FluentButtonLabel(int seconds) {
    // Translators: the seconds within which a fact answered right is fluent
    return FormatText(Tr("Fluent: {1} s"), {std::to_string(seconds)});
}

// Wide enough for the longest threshold's label.
int FluentButtonWidth() {
    return TextWidth(FluentButtonLabel(12).c_str()) + FontHeight();
}

int OpenFolderButtonWidth(const Button& button) {
    return TextWidth(button.ShownLabel()) + FontHeight();
}

// The fewest rows, then the fewest columns, in which each column is at least five sixths of
// the widest line: the lines shrink no further than that to stand side by side.
int CountColumns(int lines, int lineWidth, int room, int gap) {
    for (int rows = 1; rows < lines; ++rows) {
        const int columns = (lines + rows - 1) / rows;
        const int column = (room - (columns - 1) * gap) / columns;
        if (column * 6 >= lineWidth * 5) {
            return columns;
        }
    }
    return 1;
}

int CountColumnWidth(const ProgressLayout& layout, int gap) {
    const int columns = layout.countColumns;
    return (layout.counts.width - (columns - 1) * gap) / columns;
}

// The height of the operations' figures: a caption and a line each.
int OperationsHeight(int f) {
    return f + f / 4 + OperationCount * f;
}

// The left edge of the title row's buttons, the fluency button's where it is among them.
int TitleButtonsLeft(const ProgressLayout& layout) {
    return layout.fluentButton.y == layout.titleRow.y ? layout.fluentButton.x : layout.gridButton.x;
}

// The grid's legend under the operations' figures.
Box GridLegendBox(const Box& operations, int lines, int f) {
    const int m = std::max(2, f / 2);
    return {operations.x, operations.y + OperationsHeight(f) + m, operations.width, lines * f};
}

// The end of a folder's first line in width: after its last separator that fits, else after
// as many characters as fit (at least one).
std::size_t FolderLineEnd(const std::string& folder, int width) {
    std::size_t fits = 1;
    std::size_t separator = 0;
    for (std::size_t end = 1; end <= folder.size(); ++end) {
        if (TextWidth(folder.substr(0, end).c_str()) > width) {
            break;
        }
        fits = end;
        const char last = folder[end - 1];
        if (last == '\\' || last == '/') {
            separator = end;
        }
    }
    return separator > 0 && fits < folder.size() ? separator : fits;
}

} // namespace

ProgressLayout ComputeProgressLayout(int width, int height, const ProgressMeasures& measures) {
    ProgressLayout layout;
    const int f = measures.fontHeight;
    const int m = std::max(2, f / 2);
    layout.titleRow = {m, m, width - 2 * m, 2 * f};
    const int(&widths)[3] = measures.titleButtonWidths;
    layout.backButton = {width - m - widths[0], m, widths[0], 2 * f};
    layout.exportButton = {layout.backButton.x - m - widths[1], m, widths[1], 2 * f};
    layout.gridButton = {layout.exportButton.x - m - widths[2], m, widths[2], 2 * f};
    const int fluentWidth = measures.fluentButtonWidth;
    const int fluentInTitleX = layout.gridButton.x - m - fluentWidth;
    const bool fluentInTitle = fluentInTitleX >= 2 * m + measures.titleWidth;
    const int column = (width - 3 * m) / 2;
    const int secondColumn = 2 * m + column;
    const int listsTop = height - m - ListLines * f;
    layout.slowest = {m, listsTop, column, ListLines * f};
    layout.missed = {secondColumn, listsTop, column, ListLines * f};
    int top = BottomOf(layout.titleRow) + m;
    if (measures.noteLines > 0) {
        const int buttonWidth = measures.openFolderButtonWidth;
        layout.openFolderButton = {width - m - buttonWidth, top, buttonWidth, 2 * f};
        layout.note = {m, top, NoteWidth(width, f, buttonWidth), measures.noteLines * f};
        top += std::max(layout.note.height, 2 * f) + m;
    }
    // The count's lines, as many rows of them as the room above the lists holds.
    const int countsRight = fluentInTitle ? width - m : width - 2 * m - fluentWidth;
    const int countsWidth = std::max(0, countsRight - m);
    layout.countColumns =
        CountColumns(measures.countLines, measures.countLineWidth, countsWidth, CountGap * f);
    const int rowsWanted = (measures.countLines + layout.countColumns - 1) / layout.countColumns;
    layout.countRows = std::clamp((listsTop - m - top) / std::max(1, f), 0, rowsWanted);
    layout.counts = {m, top, countsWidth, layout.countRows * f};
    int countsHeight = layout.counts.height;
    if (fluentInTitle) {
        layout.fluentButton = {fluentInTitleX, m, fluentWidth, 2 * f};
    } else {
        layout.fluentButton = {countsRight + m, top, fluentWidth, 2 * f};
        countsHeight = std::max(countsHeight, 2 * f);
    }
    const int bandTop = top + (countsHeight > 0 ? countsHeight + m : 0);
    const int band = std::max(0, listsTop - m - bandTop);
    const int operationsWidth = measures.operationsWidth;
    const int gridCaptionWidth = measures.gridCaptionWidth;
    // The grid's caption goes above it.
    const int caption = f + f / 4;
    if (width >= height) {
        // Side by side: the chart, the grid and the operations.
        const int side =
            std::max(0, std::min(band - caption, (width - operationsWidth - 4 * m) / 2));
        // A grid lower than its caption is wide still leaves the operations the room they need.
        const int gridColumn = std::max(side, gridCaptionWidth);
        const int chartWidth = std::max(0, width - gridColumn - operationsWidth - 4 * m);
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

int NoteWidth(int width, int fontHeight, int openFolderButtonWidth) {
    const int m = std::max(2, fontHeight / 2);
    return std::max(0, width - 3 * m - openFolderButtonWidth);
}

std::vector<std::string> WrappedFolder(const std::string& folder, int width) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < folder.size();) {
        const std::size_t length = FolderLineEnd(folder.substr(start), width);
        lines.push_back(folder.substr(start, length));
        start += length;
    }
    return lines;
}

std::vector<Box> BadgeAreas(const ProgressLayout& layout, int titleRoomX, int legendLines, int f) {
    const int m = std::max(2, f / 2);
    const Box& title = layout.titleRow;
    const int titleRight = TitleButtonsLeft(layout) - m;
    const Box& operations = layout.operations;
    const int under =
        BottomOf(GridLegendBox(operations, legendLines, f)) + (legendLines > 0 ? m : 0);
    return {
        {titleRoomX, title.y, std::max(0, titleRight - titleRoomX), title.height},
        {operations.x, under, operations.width, std::max(0, BottomOf(operations) - under)},
    };
}

ProgressScreen::ProgressScreen() : gridOperation(OpMultiply) {
    backButton.label = TrMark("Back");
    exportButton.label = TrMark("Export");
    gridButton.label = GridButtonLabel(gridOperation);
    // Made in the shown language each frame, as the threshold in it changes.
    fluentButton.translateLabel = false;
    fluentButton.label = FluentButtonLabel(figures.fluentSeconds);
    openFolderButton.label = TrMark("Open folder");
}

void ProgressScreen::SwitchGrid() {
    gridOperation = gridOperation == OpMultiply ? OpAdd : OpMultiply;
    gridButton.label = GridButtonLabel(gridOperation);
}

void ProgressScreen::ShowExportNote(const std::string& said, const std::string& folder) {
    noteSaid = said;
    noteFolder = folder;
}

void ProgressScreen::ClearExportNote() {
    noteSaid.clear();
    noteFolder.clear();
}

void ProgressScreen::DrawButtons(const ProgressLayout& layout) {
    PlaceButton(backButton, layout.backButton);
    backButton.Draw();
    PlaceButton(exportButton, layout.exportButton);
    exportButton.Draw();
    PlaceButton(gridButton, layout.gridButton);
    gridButton.Draw();
    PlaceButton(fluentButton, layout.fluentButton);
    fluentButton.label = FluentButtonLabel(figures.fluentSeconds);
    fluentButton.Draw();
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
    figures.counts.clear();
    figures.counts = FluencyCounts(history);
    figures.badges.assign(history.milestones.rbegin(), history.milestones.rend());
    figures.fluentSeconds = history.options.fluentSeconds;
    fluentButton.label = FluentButtonLabel(figures.fluentSeconds);
    for (int i = 0; i < OperationCount; ++i) {
        figures.operations[i] = FiguresFor(history, OperationTable[i].code);
    }
    figures.slowest = Copies(SlowestFacts(history, ListedFacts));
    figures.missed = Copies(MostMissedFacts(history, ListedFacts));
}

ProgressMeasures ProgressScreen::Measure(int width) const {
    ProgressMeasures measures;
    measures.fontHeight = FontHeight();
    measures.titleWidth = TextWidth(Tr("Progress"));
    measures.operationsWidth = OperationsWidth();
    measures.gridCaptionWidth =
        std::max(TextWidth(GridCaption(OpMultiply)), TextWidth(GridCaption(OpAdd)));
    measures.fluentButtonWidth = FluentButtonWidth();
    const int f = measures.fontHeight;
    measures.titleButtonWidths[0] = std::max(4 * f, TextWidth(backButton.ShownLabel()) + f / 4);
    measures.titleButtonWidths[1] = std::max(5 * f, TextWidth(exportButton.ShownLabel()) + f / 4);
    // Both labels, so a press never moves the buttons.
    measures.titleButtonWidths[2] =
        std::max({5 * f, TextWidth(Tr(GridButtonLabel(OpMultiply))) + f / 4,
                  TextWidth(Tr(GridButtonLabel(OpAdd))) + f / 4});
    if (!figures.empty) {
        measures.countLines = static_cast<int>(figures.counts.size());
        for (const FluencyCount& count : figures.counts) {
            const std::string line = FluencyLine(count);
            measures.countLineWidth = std::max(measures.countLineWidth, TextWidth(line.c_str()));
        }
    }
    if (!noteSaid.empty()) {
        measures.openFolderButtonWidth =
            FolderOpenable() ? OpenFolderButtonWidth(openFolderButton) : 0;
        const int noteWidth = NoteWidth(width, measures.fontHeight, measures.openFolderButtonWidth);
        measures.noteLines = 1 + static_cast<int>(WrappedFolder(noteFolder, noteWidth).size());
    }
    return measures;
}

int ProgressScreen::DrawTitleRow(const ProgressLayout& layout) {
    const int f = FontHeight();
    const Box& title = layout.titleRow;
    const int titleY = title.y + CenterOffset(title.height, f);
    const char* titleText = Tr("Progress");
    DrawPlainText(titleText, title.x, titleY, Ink);
    int roomX = title.x + TextWidth(titleText) + 2 * SpaceWidth();
    // The name where the title row has room for it before the buttons.
    const int buttonsLeft = figures.empty ? layout.backButton.x : TitleButtonsLeft(layout);
    const int nameWidth = PlainTextWidth(playerName.c_str());
    if (!playerName.empty() && roomX + nameWidth <= buttonsLeft - f / 2) {
        DrawPlainText(playerName.c_str(), roomX, titleY, CaptionColour);
        roomX += nameWidth + 2 * SpaceWidth();
    }
    if (!message.empty()) {
        DrawMessage(message, roomX, titleY, buttonsLeft - f / 2);
        return buttonsLeft;
    }
    return roomX;
}

void ProgressScreen::DrawExportNote(const ProgressLayout& layout) {
    if (noteSaid.empty()) {
        return;
    }
    const Box& note = layout.note;
    const int f = FontHeight();
    DrawLine(noteSaid, note.x, note.y, QuietColour);
    int y = note.y + f;
    for (const std::string& line : WrappedFolder(noteFolder, note.width)) {
        DrawPlainText(line.c_str(), note.x, y, Ink);
        y += f;
    }
    if (FolderOpenable()) {
        PlaceButton(openFolderButton, layout.openFolderButton);
        openFolderButton.Draw();
    }
}

// In a smaller font where the widest line is wider than a column.
void ProgressScreen::DrawCounts(const ProgressLayout& layout) {
    const int f = FontHeight();
    const int gap = CountGap * f;
    const int column = CountColumnWidth(layout, gap);
    const int shown =
        std::min(static_cast<int>(figures.counts.size()), layout.countRows * layout.countColumns);
    std::vector<std::string> lines;
    std::string widest;
    for (int i = 0; i < shown; ++i) {
        lines.push_back(FluencyLine(figures.counts[static_cast<std::size_t>(i)]));
        widest =
            TextWidth(lines.back().c_str()) > TextWidth(widest.c_str()) ? lines.back() : widest;
    }
    Font* font =
        TextWidth(widest.c_str()) <= column ? CurrentFont() : countFont.Fit(widest, column, f);
    DrawInFont(font, [&] {
        for (int i = 0; i < shown; ++i) {
            const int x = layout.counts.x + i % layout.countColumns * (column + gap);
            const int y = layout.counts.y + i / layout.countColumns * f;
            DrawPlainText(lines[static_cast<std::size_t>(i)].c_str(), x,
                          y + CenterOffset(f, FontHeight()), Ink);
        }
    });
}

void ProgressScreen::Draw(int width, int height) {
    const int f = FontHeight();
    lastLayout = ComputeProgressLayout(width, height, Measure(width));
    const ProgressLayout& layout = lastLayout;
    const int titleRoomX = DrawTitleRow(layout);
    DrawExportNote(layout);
    if (figures.empty) {
        PlaceButton(backButton, layout.backButton);
        backButton.Draw();
        const char* empty = Tr("No games yet: play one and your progress shows here.");
        DrawPlainText(empty, CenterOffset(width, TextWidth(empty)), CenterOffset(height, f),
                      QuietColour);
        return;
    }
    DrawButtons(layout);
    DrawCounts(layout);
    // Lower than this the chart's labels would meet: the smallest windows leave it out.
    if (layout.chart.height >= ChartLeastLines * f) {
        DrawScoreChart(figures.charted, layout.chart, legendFont, noteFont);
    }
    const int shownGrid = gridOperation == OpMultiply ? 0 : 1;
    DrawFactGrid(figures.grids[shownGrid], figures.fluent[shownGrid], gridOperation, layout.grid,
                 labelFont);
    // A long translation's figures in a small window take a smaller size.
    const Box& operations = layout.operations;
    Font* operationsShown =
        OperationsWithCaptionWidth() <= operations.width
            ? CurrentFont()
            : operationsFont.FitMeasured(OperationsWithCaptionWidth, operations.width);
    DrawInFont(operationsShown, [&] { DrawOperations(figures.operations, operations); });
    const int legendLines = GridLegendLines(operations.width);
    const Box legend = GridLegendBox(operations, legendLines, f);
    const bool legendFits = BottomOf(legend) <= BottomOf(operations);
    if (legendFits) {
        DrawGridLegend(legend, gridLegendFont);
    }
    DrawMilestoneBadges(figures.badges,
                        BadgeAreas(layout, titleRoomX, legendFits ? legendLines : 0, f), badgeFont);
    Font* lines = FactLineFont(layout);
    DrawFactList(Tr("Slowest"), Tr("None timed yet"), FactTime, figures.slowest, layout.slowest,
                 lines);
    DrawFactList(Tr("Most missed"), Tr("None missed yet"), FactMisses, figures.missed,
                 layout.missed, lines);
}
