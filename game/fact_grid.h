// The progress screen's fact grid: a 10 x 10 table of the multiplication or the addition
// facts, each cell coloured by how fast and sure its fact is, labelled along the top and
// the left.
#pragma once

#include <cstdint>

#include "base/color.h"
#include "game/game_layout.h"
#include "game/shrunk_font.h"

// A 10 x 10 table's cell colours, row (left operand) 1 first.
using GridColours = ColorRef[10][10];

// The grid's caption, "Multiplication" or "Addition".
const char* GridCaption(std::uint8_t operation);
// The grid in grid (square, its first row and column the labels), its caption above it; the
// labels in labelFont where the current font's are too large for the cells.
void DrawFactGrid(const GridColours& colours, std::uint8_t operation, const Box& grid,
                  ShrunkFont& labelFont);
