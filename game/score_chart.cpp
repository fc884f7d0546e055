#include "game/score_chart.h"

#include <algorithm>
#include <string>

#include "game/panel_drawing.h"
#include "progress/operations.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"

namespace {

constexpr ColorRef ChartFill = 0xFFFFFF;
constexpr ColorRef ChartRule = 0xD8D8D8;
// The legend's short form, for charts too narrow for the names even in the smallest font.
constexpr const char* DifficultyInitials[] = {"E", "N", "H"};
constexpr ColorRef LineColours[] = {0x3C961E, 0xDC5A28, 0x2828C8};
// Beside an open mark, under a chart that shows games kept apart.
constexpr char KeptApartNote[] = "chosen facts or calm";

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
    int x = RightOf(box) - FontHeight() / 2;
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
        const int y = ScoreY(games[i].score, maxScore, plot.y, BottomOf(plot) - 1);
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
    const int room = RightOf(plot) - textX;
    Font* font =
        TextWidth(KeptApartNote) <= room ? CurrentFont() : noteFont.Fit(KeptApartNote, room, f);
    if (font == nullptr || font->MeasureText(KeptApartNote) > room) {
        return;
    }
    DrawOpenDot(plot.x + DotRadius(), y + f / 2, QuietColour);
    DrawInFont(font, [&] { DrawPlainText(KeptApartNote, textX, y, QuietColour); });
}

} // namespace

// Under a chart with games kept apart, a row says what their open dots mean.
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
    const bool ownRow = captionRight + TextWidth(LegendText(played, DifficultyNames).c_str()) >
                        RightOf(box) - f / 2;
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
    HLine(plot.x, plot.y, RightOf(plot) - 1, ChartRule);
    HLine(plot.x, BottomOf(plot) - 1, RightOf(plot) - 1, ChartRule);
    DrawPlainText(top.c_str(), box.x + f / 2, plot.y - f / 2, QuietColour);
    DrawPlainText("0", box.x + f / 2 + labelWidth - f / 2 - TextWidth("0"), BottomOf(plot) - f / 2,
                  QuietColour);
    for (int d = 0; d < 3; ++d) {
        DrawChartSeries(games, d, plot, maxScore);
    }
    if (noteRow != 0) {
        DrawKeptApartNote(plot, BottomOf(plot) + f / 2, noteFont);
    }
}

ColorRef ChartLineColour(int difficulty) {
    return LineColours[std::clamp(difficulty, 0, 2)];
}
