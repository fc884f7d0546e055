#include "game/fact_grid.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "game/panel_drawing.h"
#include "progress/problem.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"

namespace {

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
    return TextWidth("10") <= cell + SpaceWidth() && FontHeight() * 3 <= cell * 4;
}

} // namespace

const char* GridCaption(std::uint8_t operation) {
    return operation == OpMultiply ? "Multiplication" : "Addition";
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
