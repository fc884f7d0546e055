// DrawStyled: centring and indent, the layout pass, then the drawing pass over the records:
// symbol codes from primitives, every other byte as one glyph in its record's colour.
// The glyph output itself (select, colour, ExtTextOutA) lives in font_win32.cpp.
#include "text/font.h"

#include "text/code_page.h"

namespace {

// The asterisk is lowered by this fraction of the font height so that it sits at mid-height
// where it serves as a multiplication sign.
constexpr int AsteriskDropDivisor = 5;

} // namespace

int Font::DrawStyled(const char* text, int x, int y, TextStyle& style) {
    if (style.indent) {
        x += spaceWidth;
    }
    if (style.boxWidth != 0) {
        // The whole string is measured, tags included, with the proportional widths.
        x += (style.boxWidth >> 1) - (MeasureText(text) >> 1);
    }
    if (style.boxHeight != 0) {
        y += (style.boxHeight >> 1) - (height >> 1);
    }
    fixedMode = style.fixedAdvanceLayout;
    int lines = 1;
    const int length = Layout(text, x, y, style, &lines);
    fixedMode = false;
    if (length == 0) {
        return 1;
    }
    style.lineCount = lines;
    style.drawn = 1;
    DrawRecords();
    return lines;
}

void Font::DrawRecords() {
    const GdiObject previous = SelectIntoSurface();
    for (int i = 0; i < layoutCount && layoutBuffer[i].code != 0; ++i) {
        const LayoutRecord& record = layoutBuffer[i];
        if (record.code >= FirstSymbolCode && !IsLetterCode(record.code)) {
            DrawSymbol(record.code, record.x, record.y, record.colour);
            continue;
        }
        const int drop = record.code == '*' ? height / AsteriskDropDivisor : 0;
        const char glyph = static_cast<char>(record.code);
        OutputGlyphs(&glyph, 1, record.x, record.y + drop, record.colour);
    }
    RestoreSurfaceFont(previous);
}
