// The usual text style that widgets and screens start from.
#include "text/text_style.h"

TextStyle MarkupStyle(ColorRef colour) {
    TextStyle style;
    style.markup = true;
    style.colour = colour;
    return style;
}
