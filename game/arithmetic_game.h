// ArithmeticGame: the arithmetic drill built on the game shell.
#pragma once

#include "shell/game_shell.h"

class ArithmeticGame : public GameShell {
  public:
    ArithmeticGame();
};
