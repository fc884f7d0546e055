// GameShell: a fixed 640 x 480 window in which a double click acts as a second press.
#include "shell/game_shell.h"

namespace {
constexpr ColorRef MenuBackground = 0xFFE7DB;
}

GameShell::GameShell() {
    doubleClickEvents = false; // fast tapping on the keypad must not lose presses
    minWidth = 0;
    minHeight = 0;
    resizable = false;
    width = 640;
    height = 480;
}

ColorRef GameShell::GetBackgroundColor() {
    return MenuBackground;
}

void GameShell::DrawFrame() {
    animating = true;
}
