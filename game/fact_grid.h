// The progress screen's fact grid: a 10 x 10 table of the multiplication or the addition
// facts, each cell coloured by its fact's class from fast and sure to slow or missed and
// carrying a check mark when the fact is fluent, labelled along the top and the left; and
// the legend that says what the colours and the check mark mean.
#pragma once

#include <cstdint>

#include "base/color.h"
#include "game/game_layout.h"
#include "shell/shrunk_font.h"

// A 10 x 10 table's cell colours and whether each cell's fact is fluent, row (left
// operand) 1 first.
using GridColours = ColorRef[10][10];
using GridFluent = bool[10][10];

// The grid's caption, "Multiplication" or "Addition".
const char* GridCaption(std::uint8_t operation);
// The grid in grid (square, its first row and column the labels), its caption above it; the
// labels in labelFont where the current font's are too large for the cells. A fluent cell
// carries a check mark where the cell is large enough to hold one.
void DrawFactGrid(const GridColours& colours, const GridFluent& fluent, std::uint8_t operation,
                  const Box& grid, ShrunkFont& labelFont);

// The lines the legend needs at width in the current font: 1 when it fits in one, else 2.
int GridLegendLines(int width);
// The legend in box: the classes' swatches from "fast" through "slow" to "missed", a grey
// swatch "new" and a check-marked one "fluent". One line when it fits, else two where the
// box holds two; in a smaller font from font where the current one is too large; nothing
// where even the smallest is, and never outside box.
void DrawGridLegend(const Box& box, ShrunkFont& font);
