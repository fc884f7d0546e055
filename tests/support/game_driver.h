// The real game driven by a test: ScriptedGame runs a script after every frame its window
// loop draws, and the free functions type keys and answers as the window procedure hands
// them on, for window scripts and frame-by-frame fixtures alike.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/random.h"
#include "game/arithmetic_game.h"
#include "support/answer_text.h"

// More than the clock can ever hold: the next frame in play ends the game.
constexpr std::uint32_t ClockRunOutMs = 61000;

// How a scripted game runs. A seed deals the same problems on every run; a zero frame
// period keeps the loop from sleeping (a driven clock, not the loop's pace, then sets the
// game's time); past the frame limit a stuck script ends its run instead of hanging it.
struct ScriptOptions {
    std::optional<std::uint32_t> seed;
    bool zeroFramePeriod = false;
    int frameLimit = 4000;
};

class ScriptedGame : public ArithmeticGame {
  public:
    // Scripts count frames, so every period draws one, still screen or not.
    explicit ScriptedGame(const ScriptOptions& options = {})
        : frameLimit(options.frameLimit), seed(options.seed),
          zeroFramePeriod(options.zeroFramePeriod) {
        restWhenStill = false;
    }

    void OnStart() override {
        ArithmeticGame::OnStart();
        if (seed) {
            SeedRandom(*seed);
        }
        if (zeroFramePeriod) {
            framePeriodMs = 0;
        }
    }

    void DrawFrame() override {
        ArithmeticGame::DrawFrame();
        ++frames;
        if (script && !holdScript) {
            script();
        }
        if (frames > frameLimit) {
            RequestQuit();
        }
    }

    std::function<void()> script;
    // Set while the script itself draws frames (a benchmark), so it is not re-entered.
    bool holdScript = false;
    int frames = 0;
    int frameLimit;

  private:
    std::optional<std::uint32_t> seed;
    bool zeroFramePeriod;
};

// A key press as the window procedure hands it to the game; true when the game took it.
inline bool PressKey(ArithmeticGame& game, int key) {
    return game.OnKeyDown(key, &game.keys);
}

inline void PressKeys(ArithmeticGame& game, const std::vector<int>& keys) {
    for (int key : keys) {
        PressKey(game, key);
    }
}

// Types the right answer to the current problem, one key per digit.
inline void AnswerProblem(ArithmeticGame& game) {
    for (char digit : RightAnswerText(game.dealer.currentProblem)) {
        PressKey(game, digit);
    }
}

// Types a reply of the result's length that is not the result.
inline void AnswerProblemWrong(ArithmeticGame& game) {
    for (char digit : WrongAnswerText(game.dealer.currentProblem)) {
        PressKey(game, digit);
    }
}

// Answers regular problems until the challenge is current; false when an answer was not
// taken (the problem number did not move).
inline bool AnswerUntilChallenge(ArithmeticGame& game) {
    while (!game.dealer.ChallengeActive()) {
        const int before = game.dealer.problemNumber;
        AnswerProblem(game);
        if (game.dealer.problemNumber == before) {
            return false;
        }
    }
    return true;
}
