// Which screen the game shows is one value beside setupMode: the progress screen's keys
// open and close it over the setup screen, and starting a game leaves it.
#include <gtest/gtest.h>

#include "base/key_translation.h"
#include "support/frame_fixture.h"

namespace {

struct ScreenStep {
    int key;
    bool setupMode;
    GameScreen screen;
    const char* what;
};

using GameScreens = FrameFixture;

} // namespace

TEST_F(GameScreens, TheProgressKeysMoveTheOneValueThatSaysWhichScreenIsUp) {
    const ScreenStep steps[] = {
        {'1', true, GameScreen::SetupOrPlay, "the menu's first entry opens the setup screen"},
        {'9', true, GameScreen::Progress, "9 opens the progress screen"},
        {'1', true, GameScreen::Progress, "1 switches its grid and stays"},
        {'2', true, GameScreen::Progress, "2 exports and stays"},
        {'0', true, GameScreen::SetupOrPlay, "0 goes back"},
        {'9', true, GameScreen::Progress, "9 opens it again"},
        {KeyCode::Escape, true, GameScreen::SetupOrPlay, "Escape goes back"},
        {'1', false, GameScreen::SetupOrPlay, "1 starts a game"},
    };
    for (const ScreenStep& step : steps) {
        Key(step.key);
        Frame();
        EXPECT_EQ(game.setupMode, step.setupMode) << step.what;
        EXPECT_TRUE(game.shownScreen == step.screen) << step.what;
    }
}
