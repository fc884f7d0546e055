// What the game's screens draw alike: the panels' and captions' colours, a line of text
// centred in a box.
#pragma once

#include "base/color.h"
#include "shell/shrunk_font.h"
#include "text/text.h"

constexpr ColorRef PanelFill = 0xDCDCFF;
constexpr ColorRef ScoreFill = 0xF0FFF0;
constexpr ColorRef Ink = 0x000000;
// Captions above a group of controls or figures.
constexpr ColorRef CaptionColour = 0xFF0000;
// Labels and notes that step back from the figures, and the rules under captions.
constexpr ColorRef QuietColour = 0x808080;
constexpr ColorRef RuleColour = 0x969696;

// text with markup, in ink, centred in the box of boxWidth x boxHeight at (x, y).
void DrawBoxedLine(const char* text, int x, int y, int boxWidth, int boxHeight);
