#include "game/fact_grid.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "game/panel_drawing.h"
#include "progress/problem.h"
#include "progress/progress_summary.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef CheckColour = 0xFFFFFF;
// Below this side a check mark's strokes run together.
constexpr int SmallestCheckedSide = 7;

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

// Whether the current font's labels are narrow and low enough for cells of this size.
bool GridLabelsFit(int cell) {
    return TextWidth("10") <= cell + SpaceWidth() && FontHeight() <= cell;
}

// A check mark in the square of side at (x, y), its strokes thickened with the square so it
// reads at every size; none in a square too small for one.
void DrawCheckMark(int x, int y, int side) {
    if (side < SmallestCheckedSide) {
        return;
    }
    const int thickness = std::max(1, side / 6);
    const int shortX = x + side / 5;
    const int cornerX = x + side * 2 / 5;
    const int longX = x + side * 4 / 5;
    for (int t = 0; t < thickness; ++t) {
        const int rise = y + t - thickness / 2;
        ::DrawLine(shortX, rise + side / 2, cornerX, rise + side * 7 / 10, CheckColour);
        ::DrawLine(cornerX, rise + side * 7 / 10, longX, rise + side * 3 / 10, CheckColour);
    }
}

// One entry of the legend: its swatches' colours and its word.
struct LegendEntry {
    ColorRef colours[2];
    int swatches;
    bool checked;
    const char* word;
};

constexpr LegendEntry LegendEntries[] = {
    // Translators: legend of the grid of facts: facts answered fast (then slow, missed, ...)
    {{GridClassColours[0], GridClassColours[1]}, 2, false, TrMark("fast")},
    {{GridClassColours[2], NoColor}, 1, false, TrMark("slow")},
    {{GridClassColours[3], GridClassColours[4]}, 2, false, TrMark("missed")},
    // Translators: legend of the grid of facts: a fact not asked yet
    {{GridUnaskedColour, NoColor}, 1, false, TrMark("new")},
    {{GridClassColours[0], NoColor}, 1, true, TrMark("fluent")},
};
constexpr int LegendEntryCount = 5;
// In two lines, the scale on the first and the rest on the second.
constexpr int FirstLineEntries = 3;

struct LegendLine {
    int first;
    int end;
};

LegendLine LineOf(int lines, int line) {
    if (lines == 1) {
        return {0, LegendEntryCount};
    }
    return line == 0 ? LegendLine{0, FirstLineEntries}
                     : LegendLine{FirstLineEntries, LegendEntryCount};
}

int SwatchSide() {
    return std::max(2, FontHeight() - FontHeight() / 4);
}

int SwatchGap() {
    return std::max(1, FontHeight() / 8);
}

// The swatches of an entry and the space after them, in the current font.
int SwatchesWidth(const LegendEntry& entry) {
    return entry.swatches * (SwatchSide() + SwatchGap()) - SwatchGap() + SpaceWidth();
}

int SwatchesWidth(const LegendLine& line) {
    int width = 0;
    for (int i = line.first; i < line.end; ++i) {
        width += SwatchesWidth(LegendEntries[i]);
    }
    return width;
}

// A line's words two spaces apart, as they stand between its swatches.
std::string LineWords(const LegendLine& line) {
    std::string words;
    for (int i = line.first; i < line.end; ++i) {
        words += (words.empty() ? "" : "  ") + std::string(Tr(LegendEntries[i].word));
    }
    return words;
}

int LineWidth(const LegendLine& line) {
    return SwatchesWidth(line) + TextWidth(LineWords(line).c_str());
}

bool LegendFits(const Box& box, int lines) {
    if (lines * FontHeight() > box.height) {
        return false;
    }
    for (int line = 0; line < lines; ++line) {
        if (LineWidth(LineOf(lines, line)) > box.width) {
            return false;
        }
    }
    return true;
}

void DrawLegendLine(const LegendLine& line, int x, int y) {
    const int side = SwatchSide();
    const int swatchY = y + CenterOffset(FontHeight(), side);
    for (int i = line.first; i < line.end; ++i) {
        const LegendEntry& entry = LegendEntries[i];
        for (int s = 0; s < entry.swatches; ++s) {
            FillBox(x, swatchY, side, side, entry.colours[s]);
            if (entry.checked) {
                DrawCheckMark(x, swatchY, side);
            }
            x += side + SwatchGap();
        }
        x += SpaceWidth() - SwatchGap();
        const char* word = Tr(entry.word);
        DrawPlainText(word, x, y, QuietColour);
        x += TextWidth(word) + 2 * SpaceWidth();
    }
}

void DrawLegendLines(const Box& box, int lines) {
    for (int line = 0; line < lines; ++line) {
        DrawLegendLine(LineOf(lines, line), box.x, box.y + line * FontHeight());
    }
}

} // namespace

const char* GridCaption(std::uint8_t operation) {
    return operation == OpMultiply ? Tr("Multiplication") : Tr("Addition");
}

void DrawFactGrid(const GridColours& colours, const GridFluent& fluent, std::uint8_t operation,
                  const Box& grid, ShrunkFont& labelFont) {
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
            const int x = grid.x + b * cell;
            const int y = grid.y + a * cell;
            FillBox(x, y, cell - 1, cell - 1, colours[a - 1][b - 1]);
            if (fluent[a - 1][b - 1]) {
                DrawCheckMark(x, y, cell - 1);
            }
        }
    }
}

int GridLegendLines(int width) {
    return LineWidth(LineOf(1, 0)) <= width ? 1 : 2;
}

void DrawGridLegend(const Box& box, ShrunkFont& font) {
    for (int lines = 1; lines <= 2; ++lines) {
        if (LegendFits(box, lines)) {
            DrawLegendLines(box, lines);
            return;
        }
    }
    // The swatches shrink with the font, so the room left for the words at the current
    // size is enough at the smaller one.
    const int lines = box.height >= 2 * FontHeight() ? 2 : 1;
    const LegendLine widest = LineOf(lines, 0);
    Font* smaller =
        font.Fit(LineWords(widest), box.width - SwatchesWidth(widest), box.height / lines);
    if (smaller == nullptr) {
        return;
    }
    DrawInFont(smaller, [&] {
        if (LegendFits(box, lines)) {
            DrawLegendLines(box, lines);
        }
    });
}
