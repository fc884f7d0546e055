// The setup screen in the real window with real fonts: with every operation switched off
// it says why "Start Game" does nothing, in the free space below the button, and the line
// goes as soon as an operation is chosen again.
#include <gtest/gtest.h>

#include "render/surface.h"
#include "support/data_folder.h"
#include "support/scripted_game.h"
#include "text/font.h"

namespace {

// Pixels that are not the background in the hint's band below "Start Game": the line a
// font height below it, with a quarter line either side (the practice switches follow).
int InkBelowStartButton(const ArithmeticGame& game, int fontHeight) {
    const Widget& button = game.startGameButton;
    const int top = button.y + button.height + (fontHeight >> 1); // clear of its frame
    const int bottom = button.y + button.height + 2 * fontHeight + fontHeight / 4;
    int ink = 0;
    for (int y = top; y < bottom && y < SurfaceHeight; ++y) {
        for (int x = 0; x < game.keypad.x; ++x) {
            ink += SurfacePixels[y * SurfacePitch + x] != 0xFFFF;
        }
    }
    return ink;
}

} // namespace

TEST(WindowSetup, AllOperationsOffShowsWhyStartDoesNothing) {
    TemporaryDataFolder folder("setup-hint");
    ScriptedGame game;
    int inkWithOperations = -1;
    int inkWithout = -1;
    int inkAfterChoosing = -1;
    bool startedWithout = true;
    game.script = [&] {
        const int f = game.shellFont != nullptr ? game.shellFont->Height() : 18;
        switch (game.frames) {
        case 1: PostKey(game, '1'); break;
        case 3:
            inkWithOperations = InkBelowStartButton(game, f);
            for (int key : {'5', '6', '7', '8', '1'}) {
                PostKey(game, key);
            }
            break;
        case 5:
            inkWithout = InkBelowStartButton(game, f);
            startedWithout = !game.setupMode;
            PostKey(game, '7');
            break;
        case 7:
            inkAfterChoosing = InkBelowStartButton(game, f);
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    EXPECT_EQ(inkWithOperations, 0) << "nothing below the button while an operation is on";
    EXPECT_GT(inkWithout, 100) << "the hint line is drawn";
    EXPECT_FALSE(startedWithout);
    EXPECT_EQ(inkAfterChoosing, 0) << "the hint goes once an operation is chosen";
}
