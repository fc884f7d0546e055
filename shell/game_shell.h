// GameShell: the reusable shell of a game on top of Application: its window settings,
// and (as it grows) its menu, options and high-score screens and its data files.
#pragma once

#include "app/application.h"

class GameShell : public Application {
  public:
    GameShell();

    // Light blue behind the menu screens.
    ColorRef GetBackgroundColor() override;
    // The per-frame work of the current screen; keeps the frame loop animating.
    void DrawFrame() override;
};
