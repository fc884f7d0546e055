// ArithmeticGame: the arithmetic drill built on the game shell. It owns the keypad, the
// command bar, the countdown clock, the setup screen's controls, the problem dealer, the
// large problem font and the game's sounds, and fills in the shell's hooks: resources,
// the per-frame game, new games, pause, difficulty, mode text, keys and settings. Beyond
// the drill it holds one member per added feature (progress, practice) and one value that
// says which of their screens is up.
#pragma once

#include <string>

#include "game/button_grid.h"
#include "game/countdown_clock.h"
#include "game/facts_screen.h"
#include "game/game_layout.h"
#include "game/players_screen.h"
#include "game/practice_feature.h"
#include "game/problem_dealer.h"
#include "game/progress_feature.h"
#include "game/round_summary_screen.h"
#include "shell/game_shell.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/choice_group.h"

// The screens the game shows beyond its setup and play screens, one at a time: the
// progress screen, "Who is playing?" or the facts screen over the setup screen, or the
// review round or a calm round's summary in place of play.
enum class GameScreen { SetupOrPlay, Progress, Review, Players, Facts, RoundSummary };

class ArithmeticGame : public GameShell {
  public:
    ArithmeticGame();
    ~ArithmeticGame() override;

    // With two or more players the program opens on "Who is playing?" instead of the main
    // menu, once the files are loaded (game_players.cpp).
    void OnStart() override;
    // Application slot 7: fits the fonts to the new size and relabels the keypad for the
    // window's new shape.
    void OnResize(int newWidth, int newHeight) override;
    // A game under way pauses, as the "Pause" button would, while the player is away.
    void OnDeactivate() override;
    // GameShell slots 17 to 29 (24, GetGameMode, keeps the shell's default).
    void LoadGameResources() override;
    void FreeGameResources() override;
    void DrawGame() override;
    void StartNewGame() override;
    void OnPause() override;
    void OnResume() override;
    int GetDifficulty() override;
    void DescribeGameMode(std::string& out) override;
    bool OnGameKeyDown(int key, KeyBindings* bindings) override;
    bool SerializeSettings(DataArchive& archive) override;
    // progress.dat, beside the other two files (game_progress.cpp).
    void LoadGameFiles() override;
    void SaveGameFiles() override;
    // "Practise misses" under OK when the game missed any (game_practice.cpp).
    void DrawGameOverControls(int top) override;
    // The game's right and wrong answers, for the game-over screen.
    void DescribeGameResult(std::string& out) override;

    // Starts a game with the chosen difficulty and operations.
    void NewGame();
    // Moves to the next problem, playing the challenge sound when the challenge comes up.
    void AdvanceProblem();
    // Opens the next level (the clock runs on unless the player has paused).
    void LevelUp();
    // Judges typedAnswer once it has as many digits as the result; true for a right answer
    // (the caller then advances).
    bool CheckAnswer();
    // The right-answer step: points and time by the seconds taken; always true.
    bool AcceptAnswer();
    // The wrong-answer step: a penalty, the same problem stays; always false.
    bool RejectAnswer();

    // Drawing of the game and setup screens (game_screen.cpp).
    void DrawTimePanel(const Box& box, const char* caption, bool framed);
    void DrawProblem(const Box& box, const Problem& problem, const std::string* answer,
                     ColorRef colour, const char* caption, bool framed);
    void DrawStatus(const Box& box, bool showScore, bool showLevel, bool showProblem, bool framed);
    void DrawSetupScreen();

    ButtonGrid keypad;
    ButtonGrid commandBar;
    CountdownClock clock;
    Button skipButton;
    Button startGameButton;
    CheckBox addToggle;
    CheckBox subtractToggle;
    CheckBox multiplyToggle;
    CheckBox divideToggle;
    ChoiceGroup difficultyChoice;
    ProblemDealer dealer;
    // Invisible: a press on the problem clears a half-typed answer.
    Button answerPad;
    std::string typedAnswer;
    std::string fadingAnswer;
    // True while the setup screen is shown instead of the problem.
    bool setupMode = false;
    // The player's operation switches, lent to the setup screen's check boxes.
    OperationChoice operations;
    // Recomputed every frame in play: the challenge is the current problem.
    bool challengeActive = false;
    // 255 when an answer was just judged, lowered by 10 per drawn frame.
    int fadeLevel = 0;
    GameLayout layout;
    // The player's history across games with its file and screen, and this game's part in it.
    ProgressFeature progress;
    // The practice switches, the result shown after a miss and the review round.
    PracticeFeature practice;
    // "Who is playing?" with its name entry, and the setup screen's control that opens it.
    PlayersScreen players;
    // The facts to practise and the pace, with the setup screen's button that opens it.
    FactsScreen facts;
    // Where a calm round ends.
    RoundSummaryScreen roundSummary;
    // The problems answered or skipped this game; a calm round ends at its length.
    int problemsFinished = 0;
    // Which screen is up besides the setup or play screen that setupMode names.
    GameScreen shownScreen = GameScreen::SetupOrPlay;

    Font* problemFont = nullptr;
    Sound* correctSound = nullptr;
    Sound* wrongSound = nullptr;
    Sound* startSound = nullptr;
    Sound* tickSound = nullptr;
    Sound* challengeSound = nullptr;

  private:
    // The review round's screen shares the answer row, the keypad and the sounds of play.
    friend class ReviewScreen;

    static void PlayIfLoaded(Sound* sound);
    void LabelKeypad();
    // The problem font at the size the window's scale asks for.
    void FitProblemFont();
    void TryStartGame();
    void TypeDigit(char digit);
    // Moves past a right answer or a skip: the next problem, or past the challenge the
    // next level's first.
    void FinishProblem();
    // The game's own screen (setup or play) is up: not paused, not over, not a menu.
    bool GameScreenShown() const;
    // "Skip" is offered: a review problem or the challenge, before a digit is typed.
    bool SkipOffered() const;
    void RunCommand(const std::string& command);
    void UpdatePlay();
    // How long play may go undrawn: until the clock's next shown second, 0 while anything
    // else moves.
    int QuietPlayMs() const;
    bool OnSetupKey(int key);
    void OnPlayKey(int key);
    void ApplyLayout();
    // The screen that is up, for this frame.
    void DrawShownScreen();
    void DrawPlayScreen();
    void DrawSetupFrame();
    // The progress screen, opened from the setup screen (game_progress.cpp).
    void OpenProgress();
    void CloseProgress();
    // The progress buttons' clicks (each latch is set only while its screen is up).
    void ReadProgressLatches();
    void DrawProgressFrame();
    // "Who is playing?" over the setup screen (game_players.cpp).
    void OpenPlayers(bool atStart);
    // Does what the screen asks: switch, add, rename or remove a player, or leave.
    void CarryOut(const PlayersRequest& request);
    void LeavePlayers(bool toMenu);
    void ReadPlayersLatches();
    void DrawPlayersFrame();
    // The chosen facts and the calm pace in play (game_calm.cpp). The game deals from the
    // facts chosen when it started, as far as its operations use them.
    bool CalmRound() const;
    // Says on the game-over screen, and to the table, that a game of chosen facts or a calm
    // round stays out of the high scores.
    void KeepApartIfChosen();
    // A problem done: true when it ended a calm round, which then shows its summary.
    bool CalmRoundFinished();
    void LeaveRoundSummary(RoundSummaryRequest request);
    void DrawRoundSummaryFrame();
    // A panel in the clock's place that counts: "3 of 20" under its caption.
    void DrawCountPanel(const Box& panel, const char* caption, int number, int count);
    // The facts screen over the setup screen (game_facts.cpp).
    void OpenFacts();
    void ReadFactsLatches();
    void DrawFactsFrame();
    // The current player's name between left and right on the "Difficulty" caption's row
    // (setup_screen.cpp).
    void DrawPlayerControl(int left, int captionY, int right);
    // "Facts" at the right end of the "Options" caption's row, as the name on the row above.
    void DrawFactsControl(int left, int captionY, int right);
    // Under "Start Game" in place of the no-operation hint: the chosen facts and pace, or why
    // they are not in use (only while they differ from the levels against the clock).
    void DrawFactsSummary(int area);
    // The line under "Start Game" holds the hint or the facts' summary, and where it goes.
    bool StartLineUsed();
    int StartLineTop();
    // Below the operation switches: "Start Game", the hint's line, the practice options, then
    // "Progress" (beside "Start Game" instead where there is room), in the roomiest
    // arrangement that holds them all; where none does, each only where it fits.
    void PlacePracticeControls();
    // One arrangement: "Start Game" short and close under the switches when compact, the
    // practice options one above the other when stacked. False when one had no room.
    bool PlaceLowerControls(bool compact, bool stacked);
    void PlaceStartButton(bool compact, int top);
    // From top down; returns the top of what may follow them.
    int PlacePracticeToggles(bool stacked, int top);
    void PlaceProgressButton(int top);
    // The bottom of the setup screen's room: the keypad's top or the window's bottom.
    int SetupBottom() const;
    // Says why "Start Game" does nothing, below it, where the layout leaves room.
    void DrawNoOperationHint(int area);
    // What a miss leaves where the answer goes: the right result when the option asks
    // for it or reveal is set, else the typed digits fading out in red.
    void ShowMiss(int result, bool reveal);
    // The typed answer fading out where it was typed.
    void StartFade(bool miss);
    // The next digit or problem clears what the last miss left on the screen.
    void EndMissShown();
    // Records the score as OK does, then asks the game's misses again, untimed.
    void StartReview();
    // Asks the misses again, untimed, in place of play.
    void BeginReview(const std::vector<Problem>& missed);
    // The right-answer sound, and the typed answer fading out where it was typed.
    void ShowAnswerRight();
    // Draws the problem with the typed answer and the keypad beside it (play and review).
    void DrawAnswerArea(const Problem& problem);
    // The answer row, right-aligned at the problem's right edge: a fading answer (returns
    // where a fading miss begins, else redLeft); the shown result or the typed answer, and
    // "Skip" where it is offered.
    int DrawFadingAnswer(int right, int row, int redLeft);
    void DrawAnswer(const Box& box, int right, int row, const std::string& answer, int redLeft);
    // "Skip" centred in the row left of red digits, narrowed to the room there; not drawn
    // where even its label does not fit (the S key still skips).
    void DrawSkipButton(const Box& box, int row, int redLeft);
    // The ended game's record in the history.
    void RecordFinishedGame();
    // The setup screen's area: the window's width, or the left area beside the keypad.
    int SetupArea() const;
    // The narrowest left area the setup rows fit in, with the current font.
    int SetupAreaNeeded();
    // Makes the setup screen's font current: the shell font, or where a long translation's
    // rows need more than the setup area (a small window), the largest smaller size in which
    // they fit.
    void SelectSetupFont();
    // The step between the setup screen's rows of switches and captions.
    int SetupLineHeight();
    // Positions and sizes the setup screen's controls for this frame.
    void PlaceSetupControls();
    // Where the setup screen shows the title; empty where there is no room for it.
    Box SetupTitleBox();
    void DrawControlColumn();
    void DrawCaption(const char* caption, const Box& box, int& y);
    const char* ShortOrLong(const char* shortText, const char* longText) const;

    // What PlacePracticeControls found room for this frame, and the bottom of it.
    bool practiceTogglesShown = false;
    bool progressButtonShown = false;
    int setupControlsBottom = 0;
    // The setup screen's smaller font, for a long translation in a small window.
    ShrunkFont setupFont;
};

// The text that names the enabled operations in a high-score entry: the check box's
// label when only one is on, otherwise " + ", " - ", " x ", " / " (the division code)
// in that order.
std::string DescribeOperations(const OperationChoice& operations);
