// CheckBox: a square box with a label beside it, bound to a bool its owner keeps. A
// complete click inside flips the bool; the box shows it as a check mark from the next
// frame. The box is 16 pixels square with small fonts and 32 with larger ones.
#pragma once

#include "ui/widget.h"

class CheckBox : public Widget {
  public:
    // 16 while the current font is under 16 pixels high, else 32.
    int GetWidth() override;
    int GetHeight() override;
    // Registers only while enabled: a disabled box is drawn but takes no input.
    void Draw() override;
    void OnRelease(Point point) override;

    // Binds the box to a bool (null: none; the box then stays empty and ignores clicks).
    void SetTarget(bool* value);
    // Flips the bound bool, if there is one.
    void Toggle();

    // The bool shown and flipped; owned by someone else.
    bool* target = nullptr;

  private:
    int BoxSize();
    // The check mark in the box of size s; thickened for the large box.
    void DrawCheckMark(int s);
};
