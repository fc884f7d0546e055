// Where the game screen's parts go for a window size and the shell font's height F:
// a right-hand column of command bar, score box and keypad for windows at least as wide
// as tall; command bar on top and keypad along the bottom for taller windows.
// Pure integer arithmetic, recomputed every frame.
#pragma once

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline int RightOf(const Box& box) {
    return box.x + box.width;
}
inline int BottomOf(const Box& box) {
    return box.y + box.height;
}

struct GameLayout {
    Box commandBar;
    Box keypad;
    Box timePanel;
    Box previewBox;
    Box statusBox;
    Box problemBox;
    int skipHeight = 0;
    int skipWidth = 0;
};

// minimumLeftWidth: the width the left area of a wide window must keep (what the setup
// screen's rows need); the keypad column gives way to it, never the other way round.
GameLayout ComputeGameLayout(int windowWidth, int windowHeight, int fontHeight, bool nearlySquare,
                             int minimumLeftWidth);
