// The window's plain side: the class name a title gives, and the left button's press and
// release as the shared mouse state, the widgets and the game see them.
#include "app/window.h"

#include "app/application.h"
#include "base/mouse_state.h"
#include "ui/widget.h"

namespace {
constexpr char ClassSuffix[] = " by Bramblewood Apps";
} // namespace

std::string WindowClassName(const std::string& title) {
    return title + ClassSuffix;
}

void Application::HandleLeftPress(int x, int y) {
    MouseState.buttonDown = true;
    MouseState.x = x;
    MouseState.y = y;
    DispatchPress(Point{x, y});
    leftButtonHeld = true;
    OnMouseDown(x, y);
    Render(true);
}

void Application::HandleLeftRelease(int x, int y) {
    MouseState.buttonDown = false;
    DispatchRelease(Point{x, y});
    leftButtonHeld = false;
    OnMouseUp(x, y);
    Render(true);
}
