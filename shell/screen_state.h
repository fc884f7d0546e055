// The shell's screens. The numbers matter: the main menu stores the index of the chosen
// entry ("Play", "Options", "Highscores", "Quit") straight into the screen state.
#pragma once

enum class ScreenState : int {
    MainMenu = -1,
    Game = 0,
    Options = 1,
    HighScores = 2,
    Quit = 3,
};
