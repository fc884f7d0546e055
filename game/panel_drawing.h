// What the game's screens draw alike: the panels' and captions' colours and a line of text
// centred in a box.
#pragma once

#include "base/color.h"

constexpr ColorRef PanelFill = 0xDCDCFF;
constexpr ColorRef ScoreFill = 0xF0FFF0;
constexpr ColorRef Ink = 0x000000;
// Captions above a group of controls or figures.
constexpr ColorRef CaptionColour = 0xFF0000;

// text with markup, in ink, centred in the box of boxWidth x boxHeight at (x, y).
void DrawBoxedLine(const char* text, int x, int y, int boxWidth, int boxHeight);
