// Layout checks of one drawn frame, made from what the frame itself reported rather than
// from the layout formulas: the controls of the input list with their hit rectangles, the
// boxes DrawBox drew and the texts the text operations drew (FrameLayoutRecorder). Each
// check returns one line per broken rule, naming the item and where it was, so a failure
// says what to fix.
#pragma once

#include <string>
#include <vector>

#include "base/geometry.h"
#include "game/button_grid.h"
#include "support/hook_guards.h"
#include "ui/widget.h"

// One text as drawn: the band its lines cover (see TextRun).
struct DrawnText {
    std::string text;
    Rect area;
};

// Watches DrawBox and the text operations while it exists; Clear starts a new frame.
class FrameLayoutRecorder {
  public:
    FrameLayoutRecorder();

    void Clear();
    const std::vector<DrawnText>& Texts() const;
    // Every DrawBox of the frame, outline included (it reaches one pixel right and down).
    const std::vector<Rect>& Boxes() const;

  private:
    TextObserverGuard texts;
    BoxObserverGuard boxes;
};

// The overlaps between controls that are the design, not a fault.
struct LayoutAllowances {
    // Invisible hot areas drawn after the controls they lie over (the game's answer pad
    // over the problem, under "Skip"): a press reaches the earlier control first, and only
    // presses nothing else takes fall through to them.
    std::vector<const Widget*> underlays;
};

// The rules every frame of a width x height window keeps, checked against the last frame's
// input list and recorder:
// - every control's hit rectangle is non-empty and inside the window;
// - no two controls overlap, except a pass-through control inside a later pass-through
//   one (a choice group's entries in the group) and the allowed underlays;
// - every text lies inside the window, overlaps no other text, and lies wholly inside any
//   control or box it overlaps.
std::vector<std::string> CheckFrameLayout(const FrameLayoutRecorder& recorder, int width,
                                          int height, const LayoutAllowances& allowances);

// One line for each of the controls the frame did not draw (register for input), so a
// control the layout had no room for is named rather than silently missing.
std::vector<std::string> CheckControlsDrawn(const std::vector<Widget*>& controls);

// A text expected in the frame: drawn exactly as text, its centre inside the band.
struct ExpectedText {
    std::string text;
    Rect band;
};
// One line for each expected text the frame did not draw where it belongs.
std::vector<std::string> CheckTextsDrawn(const FrameLayoutRecorder& recorder,
                                         const std::vector<ExpectedText>& expected);

// Keys smaller than this on a side are hard to hit. Even the smallest window (240 on a
// side) leaves the keypad room for keys this large, so it holds at every size.
constexpr int MinimumKeySide = 24;

// The keypad's rules: all ten digit keys drawn, each with a hit area inside the window that
// no control drawn before it overlaps (a press anywhere on the key reaches the key), and
// each at least MinimumKeySide on both sides.
std::vector<std::string> CheckKeypad(ButtonGrid& keypad, int width, int height);

// The failures found, each on a line of its own, for a test's message.
std::string FailureLines(const std::vector<std::string>& failures);
