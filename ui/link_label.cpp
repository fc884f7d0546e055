// LinkLabel drawing, state colour and opening.
#include "ui/link_label.h"

#include "render/primitives.h"
#include "text/text.h"
#include "text/text_style.h"
#include "ui/shell_open.h"

int LinkLabel::GetWidth() {
    return TextWidth(ShownLabel());
}

int LinkLabel::GetHeight() {
    return FontHeight();
}

void LinkLabel::Draw() {
    ColorRef colour = textColour;
    if (active) {
        RegisterForInput();
        if (IsPressed()) {
            colour = WidgetPressedOutline;
        } else if (IsHovered()) {
            colour = WidgetHoverOutline;
        }
    }
    TextStyle style = MarkupStyle(colour);
    DrawText(ShownLabel(), x, y, style);
    HLine(x, y + GetHeight(), x + GetWidth(), colour);
}

void LinkLabel::OnRelease(Point) {
    if (active) {
        Open();
    }
}

void LinkLabel::Open() {
    ShellOpen(url.empty() ? label.c_str() : url.c_str());
}
