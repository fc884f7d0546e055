// A font with chosen metrics and no GDI font behind it (every character but the space
// charWidth wide), current while it exists, so control sizes can be worked out by hand.
#pragma once

#include "text/font.h"
#include "text/text.h"

class WidgetFont {
  public:
    WidgetFont(int charWidth, int spaceWidth, int height)
        : font(Font::FromMetrics(MakeWidths(charWidth, spaceWidth).values, height, 0)) {
        SetCurrentFont(&font);
    }
    ~WidgetFont() { ResetCurrentFont(); }
    WidgetFont(const WidgetFont&) = delete;
    WidgetFont& operator=(const WidgetFont&) = delete;

    Font font;

  private:
    struct Widths {
        int values[256];
    };
    static Widths MakeWidths(int charWidth, int spaceWidth) {
        Widths widths{};
        for (int& width : widths.values) {
            width = charWidth;
        }
        widths.values[' '] = spaceWidth;
        return widths;
    }
};
