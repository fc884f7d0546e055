// The two game layouts.
#include "game/game_layout.h"

namespace {

GameLayout WideLayout(int w, int h, int f, bool nearlySquare) {
    GameLayout layout;
    const int panelHeight = nearlySquare ? 3 * f : (f >> 1) + 4 * f;
    const int keypadHeight = h - 7 * f - 2 * f;
    const int keypadWidth = keypadHeight - keypadHeight / 5; // four fifths of its height
    layout.commandBar = {w - keypadWidth, 0, keypadWidth, 2 * f};
    layout.keypad = {w - keypadWidth, 2 * f + 7 * f, keypadWidth, keypadHeight};
    const int rest = w - keypadWidth;
    const int quarter = rest >> 2;
    const int panelWidth = quarter + (nearlySquare ? rest >> 3 : rest >> 5);
    layout.previewBox = {quarter - (panelWidth >> 1), f, panelWidth, panelHeight};
    layout.timePanel = {(rest >> 1) + quarter - (panelWidth >> 1), f, panelWidth, panelHeight};
    layout.statusBox = {w - keypadWidth, 2 * f - 1, keypadWidth - 1, 7 * f + 1};
    layout.problemBox = {0, panelHeight + 2 * f, rest, h - panelHeight - 2 * f};
    layout.skipHeight = 3 * f;
    layout.skipWidth = 8 * f;
    return layout;
}

GameLayout TallLayout(int w, int h, int f) {
    GameLayout layout;
    const int keypadHeight = w >> 1;
    layout.commandBar = {0, 0, w, 2 * f};
    layout.keypad = {0, h - keypadHeight, w, keypadHeight};
    layout.timePanel = {f, 3 * f, w / 5, 4 * f};
    layout.previewBox = {2 * f + w / 5, 3 * f, w / 5, 4 * f};
    layout.statusBox = {f, 10 * f, 2 * w / 5 + f, h - keypadHeight - 11 * f};
    layout.problemBox = {w >> 1, 2 * f, w - (w >> 1), h - keypadHeight - 2 * f};
    layout.skipHeight = 3 * f;
    return layout;
}

} // namespace

GameLayout ComputeGameLayout(int windowWidth, int windowHeight, int fontHeight, bool nearlySquare) {
    if (windowWidth < windowHeight) {
        return TallLayout(windowWidth, windowHeight, fontHeight);
    }
    return WideLayout(windowWidth, windowHeight, fontHeight, nearlySquare);
}
