// The widget base operations, the per-frame input list (a fixed array filled in drawing
// order and emptied before every frame) and the held press: the widgets the last press
// landed on, kept across frames until their release, so that a widget which stops being
// drawn while held is still let go and cannot take a later click's release.
#include "ui/widget.h"

#include <algorithm>

#include "base/mouse_state.h"
#include "render/primitives.h"
#include "render/surface.h"
#include "text/translate.h"

namespace {

Widget* InputList[InputListCapacity];
int InputCount = 0;

// A press reaches each registered widget at most once, so it never holds more.
Widget* HeldList[InputListCapacity];
int HeldCount = 0;

// Removes every entry of widget from list, keeping the order of the rest.
void DropFrom(Widget** list, int& count, const Widget* widget) {
    count = static_cast<int>(std::remove(list, list + count, widget) - list);
}

bool IsRegistered(const Widget* widget) {
    return std::find(InputList, InputList + InputCount, widget) != InputList + InputCount;
}

// The release of the held press never came (the button went up outside the window after
// a double click, which does not capture the mouse): let the widgets go without a click.
void LetGoOfHeldPress() {
    for (int i = 0; i < HeldCount; ++i) {
        HeldList[i]->pressed = false;
    }
    HeldCount = 0;
}

} // namespace

const char* Widget::ShownLabel() const {
    return translateLabel ? Tr(label.c_str()) : label.c_str();
}

Widget::~Widget() {
    DropFrom(InputList, InputCount, this);
    DropFrom(HeldList, HeldCount, this);
}

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
    hitArea = HitRect();
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

int RegisteredWidgetCount() {
    return InputCount;
}

Widget* RegisteredWidget(int index) {
    return index >= 0 && index < InputCount ? InputList[index] : nullptr;
}

bool DispatchPress(Point point) {
    LetGoOfHeldPress();
    for (int i = 0; i < InputCount; ++i) {
        Widget* widget = InputList[i];
        if (!PointInRect(point, widget->hitArea)) {
            continue;
        }
        widget->pressed = true;
        HeldList[HeldCount++] = widget;
        widget->OnPress(point);
        if (!widget->passThrough) {
            return true;
        }
    }
    return false;
}

bool DispatchRelease(Point point) {
    bool taken = false;
    for (int i = 0; i < HeldCount; ++i) {
        Widget* widget = HeldList[i];
        if (!widget->pressed) {
            continue; // let go already, by the widget itself or as an earlier entry
        }
        widget->pressed = false;
        // A widget no longer drawn cannot be clicked, even where it used to be.
        if (IsRegistered(widget) && PointInRect(point, widget->hitArea)) {
            widget->OnRelease(point);
        }
        taken = taken || !widget->passThrough;
    }
    HeldCount = 0;
    return taken;
}
