// Clicks through the real window and message loop whose releases go astray: a keypad key
// held while the driven clock runs out (the game-over screen draws no keypad), and a double
// click whose last release never reaches the window. Either way the very next click on
// the setup screen, on an operation switch and then on "Start Game", must take effect.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/scripted_game.h"
#include "support/sound_recorder.h"

namespace {

// Steps run one per frame; a step that returns false is tried again the next frame.
class StepList {
  public:
    void Add(std::function<bool()> step) { steps.push_back(std::move(step)); }
    void RunFrame() {
        if (next < steps.size() && steps[next]()) {
            ++next;
        }
    }
    bool Finished() const { return next == steps.size(); }

  private:
    std::vector<std::function<bool()>> steps;
    std::size_t next = 0;
};

LPARAM Inside(const Widget& widget) {
    return MAKELPARAM(widget.x + 4, widget.y + 4);
}

void Post(const Application& app, UINT message, LPARAM point) {
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    PostMessageA(WindowOf(app), message, buttons, point);
}

void PostClickInside(const Application& app, const Widget& widget) {
    Post(app, WM_LBUTTONDOWN, Inside(widget));
    Post(app, WM_LBUTTONUP, Inside(widget));
}

struct ClickResults {
    bool addBefore = false; // the add switch before its click
    bool switchFlipped = false;
    bool started = false;
};

// From the main menu to the setup screen, by its key.
void AddMenuToSetup(StepList& steps, ScriptedGame& game) {
    steps.Add([&game] {
        PostKey(game, '1'); // main menu: Play
        return true;
    });
    steps.Add([&game] { return game.setupMode; });
}

// On the setup screen: one click on the add switch, one on "Start Game", each checked in
// the frame after it; then the game is ended.
void AddCheckedClicks(StepList& steps, ScriptedGame& game, ClickResults& results) {
    steps.Add([&game, &results] {
        if (!game.setupMode || game.gameOver) {
            return false;
        }
        results.addBefore = game.operations.addEnabled;
        PostClickInside(game, game.addToggle);
        return true;
    });
    steps.Add([&game, &results] {
        results.switchFlipped = game.operations.addEnabled != results.addBefore;
        PostClickInside(game, game.startGameButton);
        return true;
    });
    steps.Add([&game, &results] {
        results.started = !game.setupMode;
        game.RequestQuit();
        return true;
    });
}

// Plays the steps in the real game and reports the two checked clicks.
ClickResults RunSteps(ScriptedGame& game, StepList& steps) {
    ClickResults results;
    AddCheckedClicks(steps, game, results);
    game.script = [&steps] { steps.RunFrame(); };
    game.Run();
    EXPECT_TRUE(steps.Finished()) << "stuck after " << game.frames << " frames";
    return results;
}

} // namespace

TEST(WindowClicks, AKeyHeldAsTheClockRunsOutDoesNotEatTheNextClickOnTheSetupScreen) {
    TemporaryDataFolder folder("held-key");
    SoundRecorder silence;
    FakeClock clock;
    ScriptedGame game;
    StepList steps;
    LPARAM key = 0;
    AddMenuToSetup(steps, game);
    steps.Add([&game] {
        PostKey(game, '1'); // setup screen: start
        return true;
    });
    steps.Add([&game, &key] {
        if (game.setupMode) {
            return false;
        }
        key = Inside(game.keypad.Item(4));
        Post(game, WM_LBUTTONDOWN, key); // and held
        return true;
    });
    steps.Add([&clock] {
        clock.Advance(ClockRunOutMs);
        return true;
    });
    // The frame that ends the game still draws the keypad; the next ones do not.
    steps.Add([&game] { return game.gameOver; });
    steps.Add([&game, &key] {
        Post(game, WM_LBUTTONUP, key); // let go over the game-over screen
        PostKey(game, VK_SPACE);
        return true;
    });
    const ClickResults results = RunSteps(game, steps);
    EXPECT_TRUE(results.switchFlipped) << "the first click on a switch was lost";
    EXPECT_TRUE(results.started) << "the first click on Start Game was lost";
}

TEST(WindowClicks, ADoubleClickLetGoOutsideTheWindowDoesNotEatTheNextClick) {
    TemporaryDataFolder folder("double-click");
    SoundRecorder silence;
    ScriptedGame game;
    StepList steps;
    AddMenuToSetup(steps, game);
    steps.Add([&game] {
        // The second press of a double click does not capture the mouse, so its release
        // outside the window never arrives.
        const LPARAM key = Inside(game.keypad.Item(4));
        Post(game, WM_LBUTTONDOWN, key);
        Post(game, WM_LBUTTONUP, key);
        Post(game, WM_LBUTTONDBLCLK, key);
        return true;
    });
    const ClickResults results = RunSteps(game, steps);
    EXPECT_TRUE(results.switchFlipped) << "the first click on a switch was lost";
    EXPECT_TRUE(results.started) << "the first click on Start Game was lost";
}
