// CheckBox sizing, drawing (state box with a check mark, or an empty white box) and toggle.
#include "ui/check_box.h"

#include <algorithm>

#include "render/primitives.h"
#include "text/text.h"
#include "text/text_style.h"

namespace {

constexpr int SmallBox = 16;
constexpr int LargeBox = 32;
constexpr ColorRef Black = 0x000000;
constexpr ColorRef White = 0xFFFFFF;

} // namespace

int CheckBox::BoxSize() {
    // A large font keeps the large box at least one and a half lines high, so the label
    // stays within the box's height.
    const int h = FontHeight();
    return h < SmallBox ? SmallBox : std::max(LargeBox, h + (h >> 1));
}

int CheckBox::GetWidth() {
    return BoxSize();
}

int CheckBox::GetHeight() {
    return BoxSize();
}

void CheckBox::Draw() {
    if (enabled) {
        RegisterForInput();
    }
    const int s = GetWidth();
    const int h = GetHeight();
    if (target != nullptr && *target) {
        DrawStateFrame();
        DrawCheckMark(s);
    } else {
        DrawBox(x, y, s, h, OutlineColour(), framed ? 1 : 0, White);
    }
    TextStyle style = MarkupStyle(Black);
    style.indent = true;
    style.boxHeight = h;
    DrawText(ShownLabel(), x + s, y, style);
}

void CheckBox::DrawCheckMark(int s) {
    const int e = s >> 3;
    const int h = GetHeight();
    const Point a{x + e, y + h - 3 * e};
    const Point b{x + 3 * e, y + h - e};
    const Point c{x + s - e, y + e};
    // A large box draws each stroke more times, one pixel apart, for a bolder mark: three
    // times at 32 pixels, two more for each further 32.
    const int shifts = s > SmallBox ? s / LargeBox : 0;
    for (int dx = -shifts; dx <= shifts; ++dx) {
        DrawLine(a.x + dx, a.y, b.x + dx, b.y, Black);
        DrawLine(b.x + dx, b.y, c.x + dx, c.y, Black);
    }
}

void CheckBox::OnRelease(Point) {
    Toggle();
}

void CheckBox::SetTarget(bool* value) {
    target = value;
}

void CheckBox::Toggle() {
    if (target != nullptr) {
        *target = !*target;
    }
}
