// Game play: starting games, moving through problems and levels, judging and scoring
// answers, the game's keys, and the order of DrawGame's work each frame: input first,
// then the command bar, then the end of the game before the level step, then drawing.
#include <cstdlib>

#include "app/key_translation.h"
#include "app/sound.h"
#include "game/answer_check.h"
#include "game/arithmetic_game.h"
#include "game/scoring.h"
#include "text/text.h"

namespace {

void PlayIfLoaded(Sound* sound) {
    if (sound != nullptr) {
        sound->Play();
    }
}

} // namespace

void ArithmeticGame::NewGame() {
    score = 0;
    level = 1;
    fadeLevel = 0;
    typedAnswer.clear();
    challengeActive = false;
    clock.Start(GameStartSeconds, GameLimitSeconds);
    dealer.NewGame(difficultyChoice.Selected(), operations);
}

void ArithmeticGame::AdvanceProblem() {
    if (dealer.AdvanceProblem()) {
        PlayIfLoaded(challengeSound);
    }
}

void ArithmeticGame::LevelUp() {
    dealer.LevelUp();
    ++level;
    PlayIfLoaded(startSound);
    clock.Resume();
}

void ArithmeticGame::TryStartGame() {
    if (!operations.Any()) {
        return; // a game needs at least one operation
    }
    NewGame();
    setupMode = false;
    PlayIfLoaded(startSound);
}

bool ArithmeticGame::CheckAnswer() {
    const int result = ProblemResult(dealer.currentProblem);
    if (JudgeAnswer(result, typedAnswer) == AnswerVerdict::Incomplete) {
        return false; // still being typed
    }
    if (static_cast<int>(typedAnswer.size()) > RequiredDigits(result)) {
        return RejectAnswer();
    }
    return AcceptAnswer(result, std::atoi(typedAnswer.c_str()));
}

bool ArithmeticGame::AcceptAnswer(int result, int typedValue) {
    if (typedValue != result) {
        return RejectAnswer();
    }
    const bool challenge = dealer.problemNumber == dealer.problemsPerLevel;
    const int remaining = clock.RemainingSeconds();
    score += challenge ? ChallengePoints : AnswerPoints(remaining, dealer.referenceSeconds);
    clock.Adjust(BonusMilliseconds(dealer.bonusSeconds, challenge));
    // Problems 10 and the challenge are followed at once by their own sound.
    if (dealer.problemNumber < dealer.problemsPerLevel - 1) {
        PlayIfLoaded(correctSound);
        fadingAnswer = typedAnswer;
        fadeLevel = 255;
    }
    dealer.referenceSeconds = clock.RemainingSeconds();
    typedAnswer.clear();
    return true;
}

bool ArithmeticGame::RejectAnswer() {
    typedAnswer.clear();
    PlayIfLoaded(wrongSound);
    clock.Adjust(PenaltyMilliseconds(dealer.penaltySeconds));
    return false;
}

void ArithmeticGame::TypeDigit(char digit) {
    typedAnswer += digit;
    if (CheckAnswer()) {
        AdvanceProblem();
    }
}

void ArithmeticGame::RunCommand(const std::string& command) {
    if (command == "Exit") {
        ReturnToMenu();
    } else if (command == "Pause") {
        Pause();
    } else if (command == "New") {
        if (setupMode) {
            TryStartGame();
        } else {
            StartNewGame(); // back to the setup screen
        }
    }
}

void ArithmeticGame::UpdatePlay() {
    if (clock.RemainingSeconds() <= 0) {
        EndGame();
    }
    if (dealer.problemNumber > dealer.problemsPerLevel) {
        LevelUp(); // the challenge has been answered
    }
    challengeActive = dealer.ChallengeActive();
    // A skipped challenge scores nothing and costs nothing.
    if (challengeActive && skipButton.WasClicked()) {
        AdvanceProblem();
        LevelUp();
    }
}

void ArithmeticGame::DrawGame() {
    if (setupMode) {
        // The keypad is drawn but not read here: a press on it must not type into the
        // next game.
        int ignored = 0;
        keypad.FindPressed(&ignored);
        if (startGameButton.WasClicked()) {
            TryStartGame();
        }
    } else {
        int key = 0;
        if (keypad.FindPressed(&key)) {
            TypeDigit(keypad.Item(key).label[0]);
        }
    }
    SelectShellFont();
    int command = 0;
    if (commandBar.FindClicked(&command)) {
        RunCommand(commandBar.Item(command).label);
    }
    if (!setupMode) {
        UpdatePlay();
    }
    ApplyLayout();
    if (setupMode) {
        DrawSetupFrame();
    } else {
        DrawPlayScreen();
    }
}

bool ArithmeticGame::OnGameKeyDown(int key, KeyBindings*) {
    if (setupMode) {
        OnSetupKey(key);
    } else if (IsInGame() && !paused && !gameOver) {
        // Keys typed on the pause or game-over screen must not answer a stopped game.
        OnPlayKey(key);
    }
    return true;
}

bool ArithmeticGame::OnSetupKey(int key) {
    switch (key) {
    case '1': TryStartGame(); return true;
    case '2':
    case '3':
    case '4': difficultyChoice.Select(key - '2'); return true;
    case '5': addToggle.Toggle(); return true;
    case '6': subtractToggle.Toggle(); return true;
    case '7': multiplyToggle.Toggle(); return true;
    case '8': divideToggle.Toggle(); return true;
    case '0':
    case KeyCode::Escape: ReturnToMenu(); return true;
    default: return false;
    }
}

void ArithmeticGame::OnPlayKey(int key) {
    if (key >= '0' && key <= '9') {
        TypeDigit(static_cast<char>(key));
    } else if (key == KeyCode::Backspace || key == KeyCode::Delete) {
        typedAnswer.clear(); // there is no single-digit erase
    }
}
