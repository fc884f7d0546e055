// Widget: the base of every on-screen control, a rectangle with a label that draws itself
// and reacts to the left mouse button. Input reaches widgets through one per-frame list:
// each widget appends itself while it is drawn and each left press is offered to the list
// in drawing order; the release goes back to the widgets that press landed on. Also the
// widget palette of the state colours.
#pragma once

#include <cstdint>
#include <string>

#include "base/color.h"
#include "base/geometry.h"

// The widget palette (0x00BBGGRR): fill and outline for the normal, hovered and pressed
// states.
constexpr ColorRef WidgetNormalFill = 0xFFDCDC;
constexpr ColorRef WidgetHoverFill = 0xDCDCFF;
constexpr ColorRef WidgetPressedFill = 0xF0FFF0;
constexpr ColorRef WidgetNormalOutline = 0x000000;
constexpr ColorRef WidgetHoverOutline = 0x0000FF;
constexpr ColorRef WidgetPressedOutline = 0x00FF00;

// Widgets registered in one frame beyond this many are drawn but take no input.
constexpr int InputListCapacity = 500;

// The 14 virtual operations keep this slot order in every widget class. Widgets are
// members of their owners and are never deleted through a Widget pointer, so the
// destructor is protected and not virtual.
class Widget {
  public:
    Widget() = default;

    // Slot 0.
    virtual void SetPosition(int newX, int newY);
    // Slot 1.
    virtual void SetWidth(int w);
    // Slot 2.
    virtual int GetWidth();
    // Slot 3.
    virtual void SetHeight(int h);
    // Slot 4.
    virtual int GetHeight();
    // Slot 5: SetWidth, then SetHeight, both through the table.
    virtual void SetSize(int w, int h);
    // Slot 6: draws the widget and registers it for the next frame's input.
    virtual void Draw() {}
    // Slot 7: a left press landed inside (pressed is already set).
    virtual void OnPress(Point) {}
    // Slot 8: never called.
    virtual void SpareHookA(std::uint32_t) {}
    // Slot 9: the left button came up inside this pressed widget.
    virtual void OnRelease(Point) {}
    // Slot 10: never called.
    virtual bool SpareHookB(std::uint32_t, std::uint32_t) { return false; }
    // Slots 11 and 12: never called.
    virtual void SpareHookC() {}
    virtual void SpareHookD() {}
    // Slot 13: appends this widget to the input list (while there is room) and records the
    // clip rectangle and the hit rectangle of this moment. Drawing calls it first;
    // containers call it last.
    virtual void RegisterForInput();

    // Where the widget reacts, from its present position and size: the full width, the
    // height cut to the vertical span of the clip rectangle recorded at registration.
    Rect HitRect();
    // The pointer is over the widget, the button is up and the widget is enabled.
    bool IsHovered();
    bool IsPressed() const { return pressed; }
    // The state colours: pressed before hovered before normal.
    ColorRef FillColour();
    ColorRef OutlineColour();
    // The state box over the widget: state fill, and a 1-pixel state outline when framed.
    void DrawStateFrame();

    int x = 0;
    int y = 0;
    // The label in English: drawn in the shown language (ShownLabel), so a change of language
    // needs no new labels. A label that is a name clears translateLabel.
    std::string label;
    bool translateLabel = true;
    const char* ShownLabel() const;
    // The label colour of classes that colour their text by state.
    ColorRef textColour = 0;
    // Only an enabled widget can be hovered.
    bool enabled = true;
    // The state frame gets a 1-pixel outline.
    bool framed = true;
    int width = 0;
    int height = 0;
    // A press or release that hits this widget is also offered to the widgets after it.
    bool passThrough = false;
    // Set by a press that hits the widget; cleared by the next release (inside or not),
    // or by the next press when that release never arrived.
    bool pressed = false;
    // ClipRect as it was when the widget last registered.
    Rect clipAtRegistration;
    // HitRect as it was when the widget last registered. Presses and releases test this,
    // so they find the widget where and as large as it was drawn, whatever font is current
    // when they arrive.
    Rect hitArea;

  protected:
    // A widget that goes away is dropped from the input list and from the held press, so
    // no later dispatch reaches it.
    ~Widget();
};

// Empties the input list (start of every frame).
void ClearInputList();
// The input list as the last frame left it, in drawing order, for tests and tools that
// check what a frame laid out.
int RegisteredWidgetCount();
Widget* RegisteredWidget(int index);
// Offers a left press to the widgets drawn in the last frame, in drawing order: the first
// one hit is pressed and, unless it passes the press on, takes it (true). Widgets still
// held by an earlier press whose release never came are let go first, without a release.
bool DispatchPress(Point point);
// Gives a left release to exactly the widgets the last press landed on, in the same order,
// drawn or not: each is let go, and told of the release only when the release is inside it
// and it was drawn in the last frame. True when one of them does not pass releases on.
bool DispatchRelease(Point point);
