// The usual text style: markup on, one colour, everything else off or 0. Widgets and
// screens start from it and then set the box size or the flags they need.
// Plain C++; the fields are described in text_style.h.
#include "text/text_style.h"

TextStyle MarkupStyle(ColorRef colour) {
    TextStyle style;
    style.markup = true;
    style.colour = colour;
    return style;
}
