#include "game/panel_drawing.h"

#include "text/text.h"

void DrawBoxedLine(const char* text, int x, int y, int boxWidth, int boxHeight) {
    TextStyle style = MarkupStyle(Ink);
    style.boxWidth = boxWidth;
    style.boxHeight = boxHeight;
    DrawText(text, x, y, style);
}
