// TextStyle: how one styled draw lays out and colours its text (colour tags, bracket
// colours, lowercase, indent, fixed-advance columns, wrapping margin, centring box, extra
// line spacing), plus the two results the draw writes back (line count, drawn).
#pragma once

#include "base/color.h"

struct TextStyle {
    // Recognise colour tags such as "[red]" ... "[/]" in the text.
    bool markup = false;
    // Colour "(" and ")" by their nesting depth.
    bool bracketColours = false;
    // Draw the letters A to Z as a to z.
    bool lowercase = false;
    // Start one space width to the right of x.
    bool indent = false;
    // Lay out with the font's fixed advance cell (a space is half a cell) for digit columns.
    bool fixedAdvanceLayout = false;
    // Text colour; also the colour the tag "[/]" returns to.
    ColorRef colour = 0;
    // Lines wrap at the client width minus this.
    int rightMargin = 0;
    // When non-zero, one line is centred vertically in a box this high starting at y.
    int boxHeight = 0;
    // Extra pixels added to every line advance.
    int lineSpacing = 0;
    // When non-zero, the text is centred horizontally in a box this wide starting at x.
    int boxWidth = 0;
    // Out: the number of lines of the last draw that had text.
    int lineCount = 0;
    // Out: set to 1 by a draw whose text was not empty; nothing clears it.
    int drawn = 0;
};

// The usual style: markup on, the given colour, everything else off or 0.
TextStyle MarkupStyle(ColorRef colour);
