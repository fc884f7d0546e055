// The two game layouts. The keypad of a wide window is four fifths as wide as it is tall
// unless that leaves the left area narrower than its rows need (nearly square windows);
// "Skip" never gets wider than the problem it sits in.
#include "game/game_layout.h"

#include <algorithm>

namespace {

// Its default width at the reference tall size (F = 18) is the button's own 96.
int TallSkipWidth(int f) {
    return 16 * f / 3;
}

GameLayout WideLayout(int w, int h, int f, bool nearlySquare, int minimumLeftWidth) {
    GameLayout layout;
    const int panelHeight = nearlySquare ? 3 * f : (f >> 1) + 4 * f;
    const int keypadHeight = h - 7 * f - 2 * f;
    // Four fifths of its height, as long as the left area keeps the room it needs.
    const int keypadWidth = std::min(keypadHeight - keypadHeight / 5, w - minimumLeftWidth);
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
    layout.skipWidth = std::min(8 * f, rest);
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
    layout.skipWidth = std::min(TallSkipWidth(f), layout.problemBox.width);
    return layout;
}

} // namespace

GameLayout ComputeGameLayout(int windowWidth, int windowHeight, int fontHeight, bool nearlySquare,
                             int minimumLeftWidth) {
    if (windowWidth < windowHeight) {
        return TallLayout(windowWidth, windowHeight, fontHeight);
    }
    return WideLayout(windowWidth, windowHeight, fontHeight, nearlySquare, minimumLeftWidth);
}
