// ArithmeticGame: the game's identity (title and icon) and the factory the entry point uses.
#include "game/arithmetic_game.h"

#include <new>

namespace {
constexpr int IconGroupId = 118;
}

ArithmeticGame::ArithmeticGame() {
    title = "Quickfigure";
    iconId = IconGroupId;
}

Application* CreateApplication() {
    return new (std::nothrow) ArithmeticGame();
}
