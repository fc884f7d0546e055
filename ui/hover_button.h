// HoverButton: a Button that shows its state box only while hovered or pressed, so a
// column of them reads as a plain list until the pointer comes near (the menu's entries).
#pragma once

#include "ui/button.h"

class HoverButton : public Button {
  public:
    // Ignores hidden: the label is always drawn.
    void Draw() override;
};
