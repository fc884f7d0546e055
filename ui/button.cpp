// Button: sizing to the label, the framed drawing and the two latches.
#include "ui/button.h"

#include <algorithm>

#include "text/text.h"
#include "text/text_style.h"

namespace {

constexpr int DefaultWidth = 96;
constexpr int DefaultHeight = 24;
constexpr ColorRef LabelColour = 0x000000;

} // namespace

Button::Button() {
    width = DefaultWidth;
    height = DefaultHeight;
}

void Button::SetWidth(int w) {
    width = std::max(w, TextWidth(ShownLabel()));
}

void Button::Draw() {
    RegisterForInput();
    if (hidden) {
        return;
    }
    DrawStateFrame();
    DrawCentredLabel();
}

void Button::OnPress(Point) {
    pressLatch = true;
    clickLatch = false;
}

void Button::OnRelease(Point) {
    // The press latch stays until it is read: a quick tap whose release arrives before the
    // next frame still counts as a press for the controls that react on the press.
    clickLatch = true;
}

bool Button::WasPressed() {
    const bool latched = pressLatch;
    pressLatch = false;
    return latched;
}

bool Button::WasClicked() {
    const bool latched = clickLatch;
    clickLatch = false;
    return latched;
}

void Button::DrawCentredLabel() {
    TextStyle style = MarkupStyle(LabelColour);
    style.boxWidth = GetWidth();
    style.boxHeight = GetHeight();
    DrawText(ShownLabel(), x, y, style);
}
