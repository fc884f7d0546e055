#include "game/score_chart.h"

#include <algorithm>
#include <string>

#include "game/panel_drawing.h"
#include "progress/operations.h"
#include "progress/progress_summary.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef ChartFill = 0xFFFFFF;
constexpr ColorRef ChartRule = 0xD8D8D8;
// The legend's short form, for charts too narrow for the names even in the smallest font.
// Translators: the first letters of the difficulties Easy, Normal and Hard
constexpr const char* DifficultyInitials[] = {TrMark("E"), TrMark("N"), TrMark("H")};
// Bluish green, blue and vermillion (Okabe and Ito's), told apart by readers with the common
// colour-vision deficiencies; the marks differ in shape as well.
constexpr ColorRef LineColours[] = {0x739E00, 0xB27200, 0x005ED5};
// Beside an open mark, under a chart that shows games kept apart.

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
            text += (text.empty() ? "" : "  ") + std::string(Tr(names[d]));
        }
    }
    return text;
}

int LineThickness() {
    return std::max(1, FontHeight() / 12);
}

int DotRadius() {
    return std::max(2, FontHeight() / 6);
}

// A mark and the room after it, before its name in the legend.
int MarkRoom() {
    return 2 * DotRadius() + 1 + SpaceWidth() / 2;
}

// The legend's width: the names and a mark before each.
int LegendWidth(const bool (&played)[3], const char* const (&names)[3]) {
    const int marks = static_cast<int>(std::count(std::begin(played), std::end(played), true));
    return TextWidth(LegendText(played, names).c_str()) + marks * MarkRoom();
}

// A triangle pointing up, its apex at (x, top), rows high, widening a pixel each side every
// second row.
void FillTriangle(int x, int top, int rows, ColorRef colour) {
    for (int row = 0; row < rows; ++row) {
        HLine(x - row / 2, top + row, x + row / 2, colour);
    }
}

// A game's mark, its shape telling the difficulty where its colour may not: Easy a circle,
// Normal a square, Hard a triangle; filled, or open for a game kept apart.
void DrawMark(int difficulty, int x, int y, ColorRef colour, bool open) {
    const int r = DotRadius();
    const int t = LineThickness();
    switch (difficulty) {
    case 1:
        FillBox(x - r, y - r, 2 * r + 1, 2 * r + 1, colour);
        if (open) {
            FillBox(x - r + t, y - r + t, 2 * (r - t) + 1, 2 * (r - t) + 1, ChartFill);
        }
        break;
    case 2:
        // A step taller than the circle, so it looks as large.
        FillTriangle(x, y - r - 1, 2 * r + 2, colour);
        if (open) {
            FillTriangle(x, y - r - 1 + 2 * t, 2 * r + 2 - 3 * t, ChartFill);
        }
        break;
    default:
        FillCircle(x, y, r, colour);
        if (open) {
            FillCircle(x, y, r - t, ChartFill);
        }
        break;
    }
}

// The difficulties played, each after its mark, right-aligned on the row at y.
void DrawChartLegend(const Box& box, int y, const bool (&played)[3],
                     const char* const (&names)[3]) {
    int x = RightOf(box) - FontHeight() / 2;
    for (int d = 2; d >= 0; --d) {
        if (played[d]) {
            const char* name = Tr(names[d]);
            x -= TextWidth(name);
            DrawPlainText(name, x, y, LineColours[d]);
            x -= MarkRoom();
            DrawMark(d, x + DotRadius(), y + FontHeight() / 2, LineColours[d], false);
            x -= SpaceWidth() * 2;
        }
    }
}

bool AnyKeptApart(const std::vector<GameRecord>& games) {
    return std::any_of(games.begin(), games.end(),
                       [](const GameRecord& game) { return game.KeptApart(); });
}

// Where game i of count stands on the plot, oldest at the left end.
int GameX(const Box& plot, int i, int count) {
    return plot.x + (count > 1 ? i * (plot.width - 1) / (count - 1) : plot.width / 2);
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
        const int x = GameX(plot, i, count);
        const int y = ScoreY(games[i].score, maxScore, plot.y, BottomOf(plot) - 1);
        if (games[i].KeptApart()) {
            DrawMark(difficulty, x, y, LineColours[difficulty], true);
            continue;
        }
        for (int t = 0; t < thickness && started; ++t) {
            ::DrawLine(lastX, lastY + t, x, y + t, LineColours[difficulty]);
        }
        DrawMark(difficulty, x, y, LineColours[difficulty], false);
        lastX = x;
        lastY = y;
        started = true;
    }
}

// The names in the current font, else in a smaller one, else the initials. The marks
// shrink with the font, so the room left for the names at the current size is enough.
void DrawLegendInRoom(const Box& box, int y, const bool (&played)[3], ShrunkFont& legendFont) {
    const int room = box.width - FontHeight();
    if (LegendWidth(played, DifficultyNames) <= room) {
        DrawChartLegend(box, y, played, DifficultyNames);
        return;
    }
    const std::string legend = LegendText(played, DifficultyNames);
    const int names = room - (LegendWidth(played, DifficultyNames) - TextWidth(legend.c_str()));
    Font* smaller = legendFont.Fit(legend, names, FontHeight());
    if (smaller != nullptr && smaller->MeasureText(legend.c_str()) <= names) {
        DrawInFont(smaller, [&] { DrawChartLegend(box, y, played, DifficultyNames); });
    } else if (LegendWidth(played, DifficultyInitials) <= room) {
        DrawChartLegend(box, y, played, DifficultyInitials);
    }
}

// What an open dot means, on the row at y below the plot, in noteFont where the current
// font is too wide; left out where even that one is.
void DrawKeptApartNote(const Box& plot, int y, ShrunkFont& noteFont) {
    const int f = FontHeight();
    const int textX = plot.x + 2 * DotRadius() + SpaceWidth();
    const int room = RightOf(plot) - textX;
    // Translators: what an open dot on the chart of scores stands for
    const char* note = Tr("chosen facts or calm");
    Font* font = TextWidth(note) <= room ? CurrentFont() : noteFont.Fit(note, room, f);
    if (font == nullptr || font->MeasureText(note) > room) {
        return;
    }
    DrawMark(0, plot.x + DotRadius(), y + f / 2, QuietColour, true);
    DrawInFont(font, [&] { DrawPlainText(note, textX, y, QuietColour); });
}

// A date under the plot on the row at y: its text and where it starts and ends.
struct DateLabel {
    std::string text;
    int left = 0;
    int right = 0;
};

// align: 0 to start at x, 1 to end there, 2 to centre on it.
DateLabel PlaceDate(const GameRecord& game, int x, int align) {
    DateLabel label;
    label.text = ShortDate(game.when);
    const int width = TextWidth(label.text.c_str());
    label.left = align == 0 ? x : align == 1 ? x - width : x - width / 2;
    label.right = label.left + width;
    return label;
}

bool Clear(const DateLabel& before, const DateLabel& after) {
    return !before.text.empty() && !after.text.empty() && before.text != after.text &&
           before.right + 2 * SpaceWidth() <= after.left;
}

void DrawDate(const DateLabel& label, const Box& box, int y) {
    if (!label.text.empty() && label.left >= box.x && label.right <= RightOf(box)) {
        DrawPlainText(label.text.c_str(), label.left, y, QuietColour);
    }
}

// The time axis: the last game's date under the plot's right end, the first game's under
// its left end and the middle game's under that game, each where it clears the others and
// tells a date they do not.
void DrawDates(const std::vector<GameRecord>& games, const Box& plot, const Box& box, int y) {
    const int count = static_cast<int>(games.size());
    if (count == 1) {
        DrawDate(PlaceDate(games[0], GameX(plot, 0, 1), 2), box, y);
        return;
    }
    const DateLabel first = PlaceDate(games.front(), plot.x, 0);
    const DateLabel last = PlaceDate(games.back(), RightOf(plot), 1);
    DrawDate(last, box, y);
    if (!Clear(first, last)) {
        return;
    }
    DrawDate(first, box, y);
    const DateLabel middle = PlaceDate(games[count / 2], GameX(plot, count / 2, count), 2);
    if (Clear(first, middle) && Clear(middle, last)) {
        DrawDate(middle, box, y);
    }
}

bool AnyDated(const std::vector<GameRecord>& games) {
    return !ShortDate(games.front().when).empty() || !ShortDate(games.back().when).empty();
}

} // namespace

// Under the plot a row of dates, and under a chart with games kept apart a row that says
// what their open marks mean.
void DrawScoreChart(const std::vector<GameRecord>& games, const Box& box, ShrunkFont& legendFont,
                    ShrunkFont& noteFont) {
    const int f = FontHeight();
    DrawBox(box.x, box.y, box.width, box.height, RuleColour, 1, ChartFill);
    const char* caption = Tr("Scores");
    if (TextWidth(caption) <= box.width - f) {
        DrawPlainText(caption, box.x + f / 2, box.y + f / 4, CaptionColour);
    }
    if (games.empty()) {
        DrawPlainText(Tr("No finished games yet"), box.x + f / 2, box.y + 2 * f, QuietColour);
        return;
    }
    std::uint32_t maxScore = 0;
    bool played[3] = {false, false, false};
    for (const GameRecord& game : games) {
        maxScore = std::max(maxScore, game.score);
        played[std::clamp(game.difficulty, 0, 2)] = true;
    }
    // The legend shares the caption's row when there is room, else takes the row below.
    const int captionRight = box.x + f / 2 + TextWidth(caption) + 2 * SpaceWidth();
    const bool ownRow = captionRight + LegendWidth(played, DifficultyNames) > RightOf(box) - f / 2;
    const int legendRows = ownRow ? 1 : 0;
    DrawLegendInRoom(box, box.y + f / 4 + legendRows * f, played, legendFont);
    const std::string top = std::to_string(maxScore);
    const int labelWidth = TextWidth(top.c_str()) + f / 2;
    const int noteRow = AnyKeptApart(games) ? f + f / 4 : 0;
    // The dates start below the "0" beside the base line.
    const int dateRow = AnyDated(games) ? f + f / 2 : 0;
    const Box plot = {box.x + f / 2 + labelWidth, box.y + (legendRows + 1) * f + f / 2 + f / 4,
                      box.width - f - labelWidth - f / 4,
                      box.height - (legendRows + 2) * f - f / 4 - noteRow - dateRow};
    if (plot.width < 2 || plot.height < 2) {
        return;
    }
    HLine(plot.x, plot.y, RightOf(plot) - 1, ChartRule);
    HLine(plot.x, BottomOf(plot) - 1, RightOf(plot) - 1, ChartRule);
    DrawPlainText(top.c_str(), box.x + f / 2, plot.y - f / 2, QuietColour);
    DrawPlainText("0", box.x + f / 2 + labelWidth - f / 2 - TextWidth("0"), BottomOf(plot) - f / 2,
                  QuietColour);
    for (int d = 0; d < 3; ++d) {
        DrawChartSeries(games, d, plot, maxScore);
    }
    if (dateRow != 0) {
        DrawDates(games, plot, box, BottomOf(plot) + f / 2);
    }
    if (noteRow != 0) {
        DrawKeptApartNote(plot, BottomOf(plot) + f / 2 + dateRow, noteFont);
    }
}

ColorRef ChartLineColour(int difficulty) {
    return LineColours[std::clamp(difficulty, 0, 2)];
}
