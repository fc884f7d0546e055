// The real game resting on a still screen: once the menu's frame changes nothing, the loop
// stops drawing until a message comes, and a game in play with only its clock moving rests
// until the next shown second.
// Frames are counted between timer messages, which also wake the loop, so a resting loop
// shows one frame per timer message instead of forty a second.
#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_game.h"

namespace {

constexpr UINT_PTR TimerId = 7;
constexpr UINT TimerMs = 250;

// Counts the frames drawn in the second after the script starts the timer.
struct Counter {
    int start = -1;
    DWORD startedAt = 0;
    int counted = -1;

    // Starts counting at this frame; true once the second is over (counted is then set).
    bool Step(const ScriptedGame& game) {
        if (start < 0) {
            start = game.frames;
            startedAt = GetTickCount();
            SetTimer(WindowOf(game), TimerId, TimerMs, nullptr);
            return false;
        }
        if (GetTickCount() - startedAt < 1000) {
            return false;
        }
        KillTimer(WindowOf(game), TimerId);
        counted = game.frames - start;
        return true;
    }
};

} // namespace

TEST(WindowRest, TheIdleMenuAndAQuietGameRest) {
    TemporaryDataFolder folder("rest");
    ScriptedGame game;
    game.restWhenStill = true;
    Counter menu;
    Counter play;
    bool playing = false;
    game.script = [&] {
        if (game.frames < 3) {
            return; // the first frames settle the menu
        }
        if (menu.counted < 0) {
            if (menu.Step(game)) {
                PostKey(game, '1'); // Play
                PostKey(game, '1'); // Start Game
            }
            return;
        }
        if (!playing) {
            playing = !game.setupMode;
            return;
        }
        if (play.Step(game)) {
            game.RequestQuit();
        }
    };
    game.Run();
    EXPECT_LE(menu.counted, 10) << "about one frame per timer message, not 40";
    EXPECT_GE(menu.counted, 3) << "every message still gets its frame";
    EXPECT_LE(play.counted, 10) << "a frame per timer message and shown second, not 40";
    EXPECT_GE(play.counted, 4) << "every message and the clock's second get their frame";
}
