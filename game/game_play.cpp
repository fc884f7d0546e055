// Game play: starting games, moving through problems and levels, judging and scoring
// answers, the game's keys, and the order of DrawGame's work each frame: input first,
// then the command bar, then the end of the game before a skip, then drawing. An answered
// or skipped challenge opens the next level at once, and the game's keys and steps act
// only while its own screen is shown (not paused, not over, not behind a menu screen).

#include "app/sound.h"
#include "base/key_translation.h"
#include "game/answer_check.h"
#include "game/arithmetic_game.h"
#include "game/scoring.h"
#include "game/time_lamps.h"
#include "progress/round_summary.h"
#include "progress/weak_facts.h"
#include "text/text.h"

namespace {

// How long a calm round's play may go undrawn: nothing on it changes without input.
constexpr int CalmRestMs = 1000;

} // namespace

void ArithmeticGame::PlayIfLoaded(Sound* sound) {
    if (sound != nullptr) {
        sound->Play();
    }
}

void ArithmeticGame::NewGame() {
    score = 0;
    level = 1;
    fadeLevel = 0;
    typedAnswer.clear();
    challengeActive = false;
    nowFluentLine.clear();
    clock.Start(GameStartSeconds, GameLimitSeconds);
    practice.shownAnswer.clear();
    // Weak facts come from the history as it stands, this game's answers included.
    dealer.weakFacts = nullptr;
    if (progress.history.options.weakFacts) {
        dealer.weakFacts = [this](const ProblemFits& fits, Problem& out) {
            return PickWeakProblem(progress.history, fits, out);
        };
    }
    dealer.NewGame(difficultyChoice.Selected(), operations,
                   ChoiceInUse(progress.history.options.facts, operations));
    KeepApartIfChosen();
    problemsFinished = 0;
    progress.answers.BeginGame(progress.history);
}

void ArithmeticGame::AdvanceProblem() {
    if (dealer.AdvanceProblem()) {
        PlayIfLoaded(challengeSound);
    }
    progress.answers.ProblemShown();
    EndMissShown();
}

void ArithmeticGame::LevelUp() {
    dealer.LevelUp();
    progress.answers.ProblemShown();
    EndMissShown();
    ++level;
    typedAnswer.clear(); // digits half-typed for a skipped challenge
    PlayIfLoaded(startSound);
    // A player's pause holds across the level step; only a clock stopped otherwise runs on.
    if (!paused) {
        clock.Resume();
    }
}

void ArithmeticGame::FinishProblem() {
    if (CalmRoundFinished()) {
        return;
    }
    AdvanceProblem();
    if (dealer.problemNumber > dealer.problemsPerLevel) {
        LevelUp(); // past the challenge: the problem dealt behind it is never current
    }
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
    switch (JudgeAnswer(ProblemResult(dealer.currentProblem), typedAnswer)) {
    case AnswerVerdict::Incomplete: return false; // still being typed
    case AnswerVerdict::Right: return AcceptAnswer();
    case AnswerVerdict::Wrong: break;
    }
    return RejectAnswer();
}

bool ArithmeticGame::AcceptAnswer() {
    progress.answers.Right(progress.history, dealer.currentProblem);
    const bool challenge = dealer.problemNumber == dealer.problemsPerLevel;
    if (!CalmRound()) { // a calm round scores nothing and has no clock to feed
        const int remaining = clock.RemainingSeconds();
        score += challenge ? ChallengePoints : AnswerPoints(remaining, dealer.referenceSeconds);
        clock.Adjust(BonusMilliseconds(dealer.bonusSeconds, challenge));
    }
    // Problems 10 and the challenge are followed at once by their own sound.
    if (dealer.problemNumber < dealer.problemsPerLevel - 1) {
        ShowAnswerRight();
    }
    dealer.referenceSeconds = clock.RemainingSeconds();
    typedAnswer.clear();
    return true;
}

bool ArithmeticGame::RejectAnswer() {
    progress.answers.Wrong(progress.history, dealer.currentProblem);
    // Only a wrong answer brings a fact back soon: the one skip play offers is the
    // challenge's, a problem beyond the level that the player chose to pass.
    dealer.FactMissed(dealer.currentProblem);
    PlayIfLoaded(wrongSound);
    if (!CalmRound()) {
        clock.Adjust(PenaltyMilliseconds(dealer.penaltySeconds));
    }
    ShowMiss(ProblemResult(dealer.currentProblem), false);
    typedAnswer.clear();
    return false;
}

void ArithmeticGame::ShowAnswerRight() {
    PlayIfLoaded(correctSound);
    StartFade(false);
}

void ArithmeticGame::StartFade(bool miss) {
    fadingAnswer = typedAnswer;
    practice.fadingMiss = miss;
    fadeLevel = 255;
}

void ArithmeticGame::TypeDigit(char digit) {
    typedAnswer += digit;
    EndMissShown(); // typing is the next attempt, shown at once
    if (shownScreen == GameScreen::Review) {
        practice.review.Judge(*this);
    } else if (CheckAnswer()) {
        FinishProblem();
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

void ArithmeticGame::OnDeactivate() {
    if (!setupMode && GameScreenShown() && shownScreen != GameScreen::RoundSummary) {
        Pause();
    }
}

bool ArithmeticGame::GameScreenShown() const {
    return IsInGame() && !paused && !gameOver;
}

void ArithmeticGame::UpdatePlay() {
    // Read every frame, so a click latched while "Skip" was last drawn cannot skip a later
    // challenge once this one is over.
    const bool skipClicked = skipButton.WasClicked();
    if (!CalmRound() && clock.RemainingSeconds() <= 0) {
        progress.answers.Unanswered(dealer.currentProblem); // offered again with the misses
        RecordFinishedGame();
        nowFluentLine = NowFluentLine(progress.answers.nowFluent);
        EndGame();
        return; // a finished game takes no further step
    }
    if (skipClicked && dealer.ChallengeActive()) {
        progress.answers.Skipped(progress.history, dealer.currentProblem);
        FinishProblem(); // a skipped challenge scores nothing and costs nothing
    }
    // After the skip, so this frame already shows the next level's first problem.
    challengeActive = dealer.ChallengeActive();
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
        ReadProgressLatches();
        ReadPlayersLatches();
        ReadFactsLatches();
        progress.SaveOptionsIfChanged();
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
    // A command may have left play (pause, menu, setup screen): then no play step follows.
    if (!setupMode && GameScreenShown()) {
        if (shownScreen == GameScreen::Review) {
            practice.review.Update(*this);
        } else if (shownScreen == GameScreen::RoundSummary) {
            LeaveRoundSummary(roundSummary.ReadLatches());
        } else {
            UpdatePlay();
        }
    }
    ApplyLayout();
    DrawShownScreen();
    stillScreen = setupMode;
    quietMs = setupMode ? 0 : QuietPlayMs();
}

int ArithmeticGame::QuietPlayMs() const {
    const bool moving = !GameScreenShown() || shownScreen == GameScreen::Review || fadeLevel != 0 ||
                        practice.ShownAnswerVisible();
    if (CalmRound()) {
        return moving ? 0 : CalmRestMs; // without a clock nothing changes until input
    }
    // The lamps change only with the shown second, except while they blink.
    return moving || LampsBlink(clock.RemainingSeconds()) ? 0 : clock.MsToNextSecond();
}

void ArithmeticGame::DrawShownScreen() {
    if (setupMode && shownScreen == GameScreen::Progress) {
        DrawProgressFrame();
    } else if (setupMode && shownScreen == GameScreen::Players) {
        DrawPlayersFrame();
    } else if (setupMode && shownScreen == GameScreen::Facts) {
        DrawFactsFrame();
    } else if (setupMode) {
        DrawSetupFrame();
    } else if (shownScreen == GameScreen::Review) {
        practice.review.Draw(*this);
    } else if (shownScreen == GameScreen::RoundSummary) {
        DrawRoundSummaryFrame();
    } else {
        DrawPlayScreen();
    }
}

bool ArithmeticGame::OnGameKeyDown(int key, KeyBindings*) {
    if (gameOver && !paused && IsInGame() && key == 'P' && !progress.answers.misses.empty()) {
        StartReview();
        return true;
    }
    // The shell passes on keys from its options, high-score, pause and game-over screens
    // too; none of them may change the setup or answer a stopped game.
    if (!GameScreenShown()) {
        return true;
    }
    if (setupMode && shownScreen == GameScreen::Progress) {
        if (progress.OnScreenKey(key)) {
            CloseProgress();
        }
    } else if (setupMode && shownScreen == GameScreen::Players) {
        CarryOut(players.OnKey(key, roster));
    } else if (setupMode && shownScreen == GameScreen::Facts) {
        if (facts.OnKey(key, progress.history.options.facts)) {
            shownScreen = GameScreen::SetupOrPlay;
        }
    } else if (setupMode) {
        OnSetupKey(key);
    } else if (shownScreen == GameScreen::RoundSummary) {
        LeaveRoundSummary(roundSummary.OnKey(key));
    } else {
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
    case '9': OpenProgress(); return true;
    case 'P': OpenPlayers(false); return true;
    case 'F': OpenFacts(); return true;
    case 'K': SwitchPace(progress.history.options.facts); return true;
    case 'W': practice.weakFactsToggle.Toggle(); return true;
    case 'A': practice.showAnswerToggle.Toggle(); return true;
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
    } else if (key == 'S' && SkipOffered()) {
        skipButton.clickLatch = true; // taken in the next frame's step, as a click is
    } else if (shownScreen == GameScreen::Review) {
        practice.review.OnKey(*this, key);
    }
}
