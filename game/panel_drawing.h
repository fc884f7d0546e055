// What the play screen and the review round's screen draw alike: the panels' colours and
// a line of text centred in a box.
#pragma once

#include "base/color.h"

constexpr ColorRef PanelFill = 0xDCDCFF;
constexpr ColorRef ScoreFill = 0xF0FFF0;
constexpr ColorRef Ink = 0x000000;

// text with markup, in ink, centred in the box of boxWidth x boxHeight at (x, y).
void DrawBoxedLine(const char* text, int x, int y, int boxWidth, int boxHeight);
