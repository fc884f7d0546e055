// LinkLabel: underlined text that, while active, changes colour under the pointer and
// opens its address (or, with no address, its own text) with the system shell on a
// complete click. Inactive, it is plain underlined text in textColour.
#pragma once

#include <string>

#include "ui/widget.h"

class LinkLabel : public Widget {
  public:
    // The label's width and the font height in the current font (0 without one).
    int GetWidth() override;
    int GetHeight() override;
    void Draw() override;
    void OnRelease(Point point) override;

    // Opens url, or the label when url is empty, without waiting for the result.
    void Open();

    // Takes input and shows the state colours; off by default.
    bool active = false;
    std::string url;
};
