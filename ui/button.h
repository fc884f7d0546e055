// Button: a push button with a framed, state-coloured box and its label centred in it;
// with hidden set, an invisible hot area that still takes presses. Owners poll the press
// and click latches while they draw.
#pragma once

#include "ui/widget.h"

class Button : public Widget {
  public:
    // 96 x 24 until the owner sizes it.
    Button();

    // Never narrower than the label in the current font.
    void SetWidth(int w) override;
    void Draw() override;
    void OnPress(Point point) override;
    void OnRelease(Point point) override;

    // The press latch, cleared by this read.
    bool WasPressed();
    // The click latch (pressed and released inside), cleared by this read.
    bool WasClicked();

    // Draw nothing but keep registering for input.
    bool hidden = false;
    // Set by a press on the button, cleared by a release inside it or by WasPressed.
    bool pressLatch = false;
    // Set by a release inside the pressed button, cleared by its next press or WasClicked.
    bool clickLatch = false;

  protected:
    // The label in black, centred in the button's box.
    void DrawCentredLabel();
};
