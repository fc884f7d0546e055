// The widget base operations and the per-frame input list: a fixed array filled in drawing
// order and emptied before every frame.
#include "ui/widget.h"

#include <algorithm>

#include "app/mouse_state.h"
#include "render/primitives.h"
#include "render/surface.h"

namespace {

Widget* InputList[InputListCapacity];
int InputCount = 0;

} // namespace

void Widget::SetPosition(int newX, int newY) {
    x = newX;
    y = newY;
}

void Widget::SetWidth(int w) {
    width = w;
}

int Widget::GetWidth() {
    return width;
}

void Widget::SetHeight(int h) {
    height = h;
}

int Widget::GetHeight() {
    return height;
}

void Widget::SetSize(int w, int h) {
    SetWidth(w);
    SetHeight(h);
}

void Widget::RegisterForInput() {
    if (InputCount < InputListCapacity) {
        InputList[InputCount++] = this;
    }
    // Taken even when the list is full, so hover still sees the right clip.
    clipAtRegistration = ClipRect;
}

Rect Widget::HitRect() {
    Rect hit;
    hit.left = x;
    hit.right = x + GetWidth();
    hit.top = std::max(y, clipAtRegistration.top);
    hit.bottom = std::min(y + GetHeight(), clipAtRegistration.bottom);
    return hit;
}

bool Widget::IsHovered() {
    if (MouseState.buttonDown || !enabled) {
        return false;
    }
    return PointInRect(Point{MouseState.x, MouseState.y}, HitRect());
}

ColorRef Widget::FillColour() {
    if (pressed) {
        return WidgetPressedFill;
    }
    return IsHovered() ? WidgetHoverFill : WidgetNormalFill;
}

ColorRef Widget::OutlineColour() {
    if (pressed) {
        return WidgetPressedOutline;
    }
    return IsHovered() ? WidgetHoverOutline : WidgetNormalOutline;
}

void Widget::DrawStateFrame() {
    DrawBox(x, y, GetWidth(), GetHeight(), OutlineColour(), framed ? 1 : 0, FillColour());
}

void ClearInputList() {
    InputCount = 0;
}

bool DispatchPress(Point point) {
    for (int i = 0; i < InputCount; ++i) {
        Widget* widget = InputList[i];
        if (!PointInRect(point, widget->HitRect())) {
            continue;
        }
        widget->pressed = true;
        widget->OnPress(point);
        if (!widget->passThrough) {
            return true;
        }
    }
    return false;
}

bool DispatchRelease(Point point) {
    for (int i = 0; i < InputCount; ++i) {
        Widget* widget = InputList[i];
        if (!widget->pressed) {
            continue;
        }
        widget->pressed = false;
        if (PointInRect(point, widget->HitRect())) {
            widget->OnRelease(point);
        }
        if (!widget->passThrough) {
            return true;
        }
    }
    return false;
}
