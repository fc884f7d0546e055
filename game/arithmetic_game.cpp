// ArithmeticGame: construction, resources, the shell hooks about options and pause, and
// the factory the entry point uses.
#include "game/arithmetic_game.h"

#include <iterator>
#include <new>

#include "app/display_scale.h"
#include "app/sound.h"
#include "base/delete_and_clear.h"
#include "base/number_text.h"
#include "progress/operations.h"
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "shell/data_archive.h"
#include "shell/shell_artwork.h"
#include "text/font.h"
#include "text/translate.h"

namespace {

// The problem font's size at 640 x 480, and the smallest it gets in a small window.
constexpr int ProblemFontSize = 60;
constexpr int MinProblemFontSize = 20;
constexpr const char* CommandLabels[] = {TrMark("New"), TrMark("Pause"), TrMark("Exit")};
// Taller than wide: four columns, the first "0" a tall key, the other two placeholders.
constexpr const char* TallKeypadLabels[12] = {"7", "8", "9", "0", "4", "5",
                                              "6", "0", "1", "2", "3", "0"};
// Wide or square: three columns and a wide "0" along the bottom.
constexpr const char* WideKeypadLabels[10] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0"};

} // namespace

ArithmeticGame::ArithmeticGame() {
    title = "Quickfigure";
    iconId = QF_ICON_GROUP;
    versionMajor = QF_VERSION_MAJOR;
    versionMinor = QF_VERSION_MINOR;
    difficultyNames.assign(std::begin(DifficultyNames), std::end(DifficultyNames));
    onCharacter = [this](unsigned char code) {
        if (setupMode && shownScreen == GameScreen::Players && GameScreenShown()) {
            players.OnCharacter(code);
        }
    };
}

ArithmeticGame::~ArithmeticGame() {
    FreeGameResources();
}

void ArithmeticGame::LoadGameResources() {
    const SheetLayout& wanted = CurrentArtwork();
    LoadShellImages(wanted.sheetBitmap, wanted.titleBitmap);
    LoadShellSounds(QF_SOUND_CLICK, QF_SOUND_GAME_OVER);
    correctSound = new (std::nothrow) Sound(instance, QF_SOUND_CORRECT);
    wrongSound = new (std::nothrow) Sound(instance, QF_SOUND_WRONG);
    startSound = new (std::nothrow) Sound(instance, QF_SOUND_START);
    tickSound = new (std::nothrow) Sound(instance, QF_SOUND_TICK);
    challengeSound = new (std::nothrow) Sound(instance, QF_SOUND_CHALLENGE);
    FitProblemFont();
    clock.SetTickSound(tickSound);
    commandBar.SetGrid(1, 3);
    for (int i = 0; i < 3; ++i) {
        commandBar.Item(i).label = CommandLabels[i];
    }
    LabelKeypad();
    setupMode = true;
    dealer.needFreshCurrent = false;
    dealer.problemNumber = 0;
    skipButton.label = TrMark("Skip");
    addToggle.label = OperationTable[0].name;
    subtractToggle.label = OperationTable[1].name;
    multiplyToggle.label = OperationTable[2].name;
    divideToggle.label = OperationTable[3].name;
    operations = OperationChoice{};
    addToggle.SetTarget(&operations.addEnabled);
    subtractToggle.SetTarget(&operations.subtractEnabled);
    multiplyToggle.SetTarget(&operations.multiplyEnabled);
    divideToggle.SetTarget(&operations.divideEnabled);
    practice.weakFactsToggle.label = TrMark("Weak facts");
    practice.showAnswerToggle.label = TrMark("Show the answer");
    practice.weakFactsToggle.SetTarget(&progress.history.options.weakFacts);
    practice.showAnswerToggle.SetTarget(&progress.history.options.showAnswer);
    practice.practiseButton.label = TrMark("Practise misses");
    for (const char* name : DifficultyNames) {
        difficultyChoice.AddChoice(name);
    }
    difficultyChoice.Select(DifficultyNormal);
    difficultyChoice.boxed = false;
    startGameButton.label = TrMark("Start Game");
    progress.button.label = TrMark("Progress");
    answerPad.hidden = true;
}

void ArithmeticGame::FreeGameResources() {
    if (problemFont != nullptr) {
        problemFont->Destroy();
        DeleteAndClear(problemFont);
    }
    clock.tickSound = nullptr;
    DeleteAndClear(tickSound);
    DeleteAndClear(correctSound);
    DeleteAndClear(wrongSound);
    DeleteAndClear(startSound);
    DeleteAndClear(challengeSound);
}

void ArithmeticGame::LabelKeypad() {
    if (height > width) {
        keypad.SetGrid(3, 4);
        for (int i = 0; i < 12; ++i) {
            keypad.Item(i).label = TallKeypadLabels[i];
        }
        return;
    }
    keypad.SetGrid(4, 3);
    for (int i = 0; i < 10; ++i) {
        keypad.Item(i).label = WideKeypadLabels[i];
    }
}

void ArithmeticGame::OnResize(int newWidth, int newHeight) {
    GameShell::OnResize(newWidth, newHeight);
    FitProblemFont();
    LabelKeypad();
}

void ArithmeticGame::FitProblemFont() {
    const int size = ScaledSize(ProblemFontSize, DisplayScale(), MinProblemFontSize);
    ResizeDigitFont(problemFont, ShellFontFace, size);
}

void ArithmeticGame::StartNewGame() {
    setupMode = true;
    shownScreen = GameScreen::SetupOrPlay;
    practice.review.round.End();
}

void ArithmeticGame::OnPause() {
    clock.Pause();
    progress.answers.Pause();
}

void ArithmeticGame::OnResume() {
    clock.Resume();
    progress.answers.Resume();
}

int ArithmeticGame::GetDifficulty() {
    return difficultyChoice.Selected();
}

void ArithmeticGame::DescribeGameMode(std::string& out) {
    out = DescribeOperations(operations);
}

bool ArithmeticGame::SerializeSettings(DataArchive& archive) {
    archive.TransferBool(operations.addEnabled);
    archive.TransferBool(operations.subtractEnabled);
    archive.TransferBool(operations.multiplyEnabled);
    archive.TransferBool(operations.divideEnabled);
    int difficulty = difficultyChoice.Selected();
    archive.TransferInt(difficulty);
    difficultyChoice.Select(difficulty); // out of range (a damaged file) keeps the choice
    return false;
}

std::string DescribeOperations(const OperationChoice& operations) {
    // In the order of the table.
    const bool enabled[OperationCount] = {operations.addEnabled, operations.subtractEnabled,
                                          operations.multiplyEnabled, operations.divideEnabled};
    int enabledCount = 0;
    for (bool on : enabled) {
        enabledCount += on ? 1 : 0;
    }
    std::string text;
    for (int i = 0; i < OperationCount; ++i) {
        if (!enabled[i]) {
            continue;
        }
        if (enabledCount == 1) {
            return OperationTable[i].name;
        }
        text += ' ';
        text += static_cast<char>(OperationTable[i].code);
        text += ' ';
    }
    return text;
}

Application* CreateApplication() {
    // The object and the strings its members make may each run out of memory; either way
    // the entry point reports it in its message box instead of the program dying.
    try {
        return new ArithmeticGame();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void ArithmeticGame::DescribeGameResult(std::string& out) {
    // Each problem counts once: right when answered right at the first try, wrong when
    // answered wrong at all; a skipped one is neither.
    const GameRecord result = progress.answers.Result();
    out += FormatText(Tr("{1} right, {2} wrong"),
                      {std::to_string(result.right), std::to_string(result.wrong)});
}
