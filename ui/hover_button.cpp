// HoverButton drawing: the state box on hover or press only, the label always.
#include "ui/hover_button.h"

void HoverButton::Draw() {
    RegisterForInput();
    if (IsHovered() || IsPressed()) {
        DrawStateFrame();
    }
    DrawCentredLabel();
}
