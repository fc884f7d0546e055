// The started game driven frame by frame without a window, on a 640 x 480 in-memory
// surface with time from the driven tick source: keys, clicks on what the last frame drew,
// and the answers to the problems dealt.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_translation.h"
#include "resources/resource_ids.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/game_driver.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "text/text.h"
#include "ui/widget.h"

constexpr int StartSoundId = QF_SOUND_START;
constexpr int WrongSoundId = QF_SOUND_WRONG;
constexpr int GameOverSoundId = QF_SOUND_GAME_OVER;

// What the setup screen's keys change (all of it saved to settings.dat).
struct SetupState {
    bool add, subtract, multiply, divide;
    int difficulty;
    bool operator==(const SetupState& o) const {
        return add == o.add && subtract == o.subtract && multiply == o.multiply &&
               divide == o.divide && difficulty == o.difficulty;
    }
};

// The game after OnStart on a 640 x 480 in-memory surface, on the main menu.
class FrameFixture : public testing::Test {
  protected:
    FrameFixture() : folder("game-frames"), surface(640, 480) {
        SetLayoutViewportForTests(640, 480);
        game.OnStart();
    }
    ~FrameFixture() override {
        ClearInputList();
        SetLayoutViewportForTests(0, 0);
    }

    // One pass of the frame loop: the input list is rebuilt by what this frame draws.
    void Frame() {
        ClearInputList();
        game.DrawFrame();
    }
    bool Key(int key) { return PressKey(game, key); }
    void Keys(const std::vector<int>& keys) { PressKeys(game, keys); }
    // A left press and release at the widget's centre, as the window procedure hands them on.
    void Click(const Widget& widget) {
        const Point centre{widget.x + widget.width / 2, widget.y + widget.height / 2};
        DispatchPress(centre);
        game.OnMouseDown(centre.x, centre.y);
        DispatchRelease(centre);
    }
    void Command(int index) { Click(game.commandBar.Item(index)); }
    void Pause() { Command(1); }
    void Exit() { Command(2); }

    // Main menu to a running game: Play, a frame of the setup screen, start.
    void StartGame() {
        Key('1');
        Frame();
        Key('1');
        ASSERT_FALSE(game.setupMode);
        Frame();
    }
    void Answer() { AnswerProblem(game); }
    void AnswerWrong() { AnswerProblemWrong(game); }
    // Answers until the challenge is current, then draws it (with its "Skip" button).
    void ReachChallenge() {
        ASSERT_TRUE(AnswerUntilChallenge(game)) << "an answer was not taken";
        Frame();
        ASSERT_TRUE(game.challengeActive);
    }
    SetupState Choices() {
        const OperationChoice& ops = game.operations;
        return {ops.addEnabled, ops.subtractEnabled, ops.multiplyEnabled, ops.divideEnabled,
                game.GetDifficulty()};
    }
    // The sounds asked for since the from-th request.
    std::vector<int> Played(std::size_t from = 0) const {
        std::vector<int> ids;
        for (std::size_t i = from; i < sounds.Requests().size(); ++i) {
            ids.push_back(sounds.Requests()[i].resourceId);
        }
        return ids;
    }
    bool Heard(int resourceId, std::size_t from = 0) const {
        for (int id : Played(from)) {
            if (id == resourceId) {
                return true;
            }
        }
        return false;
    }

    TemporaryDataFolder folder;
    FakeClock clock;
    SoundRecorder sounds;
    TestSurface surface;
    ArithmeticGame game;
};
