// GameShell: construction, start-up and shutdown, the per-frame work, the key table and
// the operations the game calls. The screens themselves are drawn in menu_screens.cpp and
// game_over_screens.cpp; the data files are read and written through data_files.h.
#include "shell/game_shell.h"

#include <algorithm>
#include <iterator>

#include "app/display_scale.h"
#include "app/sound.h"
#include "base/delete_and_clear.h"
#include "base/key_translation.h"
#include "base/system_clock.h"
#include "render/image.h"
#include "render/sprite.h"
#include "shell/data_archive.h"
#include "shell/data_files.h"
#include "shell/shell_artwork.h"
#include "shell/window_file.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef GameBackground = 0xFFFFFF;
constexpr ColorRef MenuBackground = 0xFFE7DB;
constexpr ColorRef SheetKeyColour = 0xFFE7DB;
constexpr ColorRef TitleKeyColour = 0xFFFFFF;
// The shell font's size at 640 x 480, and the smallest it gets in a small window.
constexpr int ShellFontSize = 18;
constexpr int MinShellFontSize = 9;
constexpr int ShellWindowWidth = 640;
constexpr int ShellWindowHeight = 480;
constexpr int MinWindowSide = 240;
// Translators: the main menu.
constexpr const char* MenuEntries[] = {TrMark("Play"), TrMark("Options"), TrMark("Highscores"),
                                       TrMark("Quit")};
constexpr const char* SelectorEntries[] = {"1", "2", "3", "4", "5"};

void CutSprite(Sprite* sprite, Image* image, const SheetRect& r) {
    sprite->Setup(image, r.x, r.y, r.width, r.height, 1);
}

// Loads a bitmap into the image, making the image the first time; a later load gives the
// earlier bitmap back first.
void LoadInto(Image*& image, ModuleHandle module, int resourceId, ColorRef keyColour) {
    if (image == nullptr) {
        image = new Image(module, resourceId, keyColour);
    } else {
        image->Load(module, resourceId, keyColour);
    }
}

} // namespace

GameShell::GameShell() {
    doubleClickEvents = false; // a quick second click arrives as a press, so fast tapping works
    // The player may size the window down to a small phone-like screen in either
    // orientation, or up to full screen; every screen is laid out for the size it gets.
    minWidth = MinWindowSide;
    minHeight = MinWindowSide;
    resizable = true;
    width = ShellWindowWidth;
    height = ShellWindowHeight;
    soundCheckbox.SetTarget(&SoundEnabled);
    // The window's place belongs to the computer, not to a player: it is kept in the run's
    // data folder.
    loadPlacement = []() {
        return LoadWindowPlacement(DataStoreForThisRun(), DataFoldersForThisRun());
    };
    savePlacement = [](const WindowPlacement& now) {
        SaveWindowPlacement(DataStoreForThisRun(), DataFoldersForThisRun(), now);
    };
}

GameShell::~GameShell() {
    FreeShellResources();
}

ColorRef GameShell::GetBackgroundColor() {
    return screen == ScreenState::Game ? GameBackground : MenuBackground;
}

void GameShell::DescribeGameMode(std::string&) {}

void GameShell::DescribeGameResult(std::string&) {}

bool GameShell::OnGameKeyDown(int, KeyBindings*) {
    return false;
}

bool GameShell::SerializeSettings(DataArchive&) {
    return false;
}

void GameShell::OnStart() {
    LoadGameResources();
    FitShellFont();
    SetCurrentFont(shellFont);
    CreateSheetSprites();
    for (const char* entry : MenuEntries) {
        mainMenu.AddItem(entry);
    }
    mainMenu.SetHoverSound(clickSound);
    webLink.label = QF_WEB_ADDRESS;
    okButton.label = TrMark("OK");
    backButton.label = TrMark("Back");
    for (const char* entry : SelectorEntries) {
        highScoreSelector.AddChoice(entry);
    }
    KeepDefaults();
    runFolders = DataFoldersForThisRun();
    ShowStartLanguage();
    LoadPlayersFile(DataStoreForThisRun(), runFolders, roster, rosterFile);
    LoadPlayerFiles();
}

void GameShell::OnExit() {
    // A finished game whose game-over screen is still up keeps its score.
    if (gameOver) {
        gameOver = false;
        RecordHighScore();
    }
    SavePlayerFiles();
    FreeGameResources();
    FreeShellResources();
}

void GameShell::OnResize(int, int) {
    FitShellFont();
    FitArtwork();
}

void GameShell::FitShellFont() {
    const int size = ScaledSize(ShellFontSize, DisplayScale(), MinShellFontSize);
    ResizeDigitFont(shellFont, ShellFontFace, size);
    if (shellFont != nullptr) {
        mainMenu.spacing = shellFont->Height() >> 1;
    }
}

const SheetLayout& GameShell::CurrentArtwork() const {
    // The pictures down the left and the menu's panel share a landscape window's width, so
    // a tall window picks the set of the landscape window as wide as it is; otherwise a
    // tall window's larger scale draws pictures the panel cannot keep clear of.
    return ChooseArtwork(IsCompactScreen(), ::DisplayScale(width, std::min(width, height)));
}

void GameShell::CreateSheetSprites() {
    for (Sprite** sprite :
         {&headerBanner, &bandTile, &cornerSwirl, &frameCorners[0], &frameCorners[1],
          &frameCorners[2], &frameCorners[3], &sidePictureUpper, &sidePictureLower}) {
        *sprite = new Sprite(spriteSheet, 0, 0, 0, 0, 1);
    }
    CutSheetSprites(CurrentArtwork());
}

void GameShell::CutSheetSprites(const SheetLayout& sheet) {
    artwork = &sheet;
    CutSprite(headerBanner, spriteSheet, sheet.headerBanner);
    CutSprite(bandTile, spriteSheet, sheet.bandTile);
    CutSprite(cornerSwirl, spriteSheet, sheet.cornerSwirl);
    for (int i = 0; i < 4; ++i) {
        CutSprite(frameCorners[i], spriteSheet, sheet.frameCorners[i]);
    }
    CutSprite(sidePictureUpper, spriteSheet, sheet.sidePictureUpper);
    CutSprite(sidePictureLower, spriteSheet, sheet.sidePictureLower);
}

void GameShell::FitArtwork() {
    // Before start the images are not loaded yet, and the start loads what the size asks.
    const SheetLayout& sheet = CurrentArtwork();
    if (artwork == nullptr || &sheet == artwork) {
        return;
    }
    // Only images the game had loaded are replaced; a missing bitmap draws nothing.
    if (spriteSheet != nullptr && titleImage != nullptr) {
        LoadShellImages(sheet.sheetBitmap, sheet.titleBitmap);
    }
    CutSheetSprites(sheet);
}

void GameShell::FreeShellResources() {
    if (shellFont != nullptr) {
        if (CurrentFont() == shellFont) {
            ResetCurrentFont();
        }
        shellFont->Destroy();
        DeleteAndClear(shellFont);
    }
    // Sprites go before the images they show.
    artwork = nullptr;
    DeleteAndClear(headerBanner);
    DeleteAndClear(bandTile);
    DeleteAndClear(cornerSwirl);
    DeleteAndClear(titleSprite);
    DeleteAndClear(sidePictureUpper);
    DeleteAndClear(sidePictureLower);
    for (Sprite*& corner : frameCorners) {
        DeleteAndClear(corner);
    }
    for (Image** image : {&spriteSheet, &titleImage}) {
        if (*image != nullptr) {
            (*image)->Free();
            DeleteAndClear(*image);
        }
    }
    DeleteAndClear(clickSound);
    DeleteAndClear(gameOverSound);
}

DataFileSet GameShell::ShellDataFiles() {
    DataFileSet files;
    files.header = title;
    files.version = versionMajor * 100 + versionMinor;
    files.highScores = highScores;
    files.soundEnabled = &SoundEnabled;
    files.serializeSettings = [this](DataArchive& archive) { SerializeSettings(archive); };
    return files;
}

void GameShell::DrawFrame() {
    animating = true;
    // The menus, the pause and the game-over screens change only with input; the game
    // says so for its own screens.
    stillScreen = screen != ScreenState::Game || paused || gameOver;
    backButton.SetWidth(4 * FontHeight());
    ReadButtonLatches();
    DrawCurrentScreen();
    PollMainMenu();
    SaveIfSettingsChanged();
}

void GameShell::SaveDataNow() {
    savedSettings = SettingsFileBytes(ShellDataFiles(), 0);
    SavePlayerFiles();
}

void GameShell::LoadPlayerFiles() {
    dataFileState = DataFileState();
    LoadDataFilesWith(DataStoreForThisRun(), PlayerDataFolders(runFolders, roster.Current().folder),
                      ShellDataFiles(), dataFileState);
    savedSettings = SettingsFileBytes(ShellDataFiles(), 0);
    LoadGameFiles();
}

void GameShell::SavePlayerFiles() {
    FileStore& store = DataStoreForThisRun();
    // A later player's folder in the per-user folder is made with its parents before the
    // files' own save makes only the last one.
    if (dataFileState.createFolder && roster.Current().folder != 0) {
        MakePlayerFolder(store, runFolders, roster.Current().folder);
    }
    SaveDataFilesWith(store, ShellDataFiles(), dataFileState);
    SaveGameFiles();
    SavePlayersFile(store, roster, rosterFile);
}

void GameShell::KeepDefaults() {
    defaultSettings = SettingsFileBytes(ShellDataFiles(), 0);
    std::copy(std::begin(highScores), std::end(highScores), std::begin(defaultHighScores));
}

void GameShell::RestoreDefaults() {
    std::copy(std::begin(defaultHighScores), std::end(defaultHighScores), std::begin(highScores));
    // Without a table the settings' recorded length of 0 matches, so the table stays.
    LoadDataBytes(defaultSettings, std::string(), ShellDataFiles());
}

void GameShell::ChangeRoster(const PlayerRoster& next) {
    SaveDataNow();
    roster = next;
    EnterCurrentPlayer();
}

void GameShell::EnterCurrentPlayer() {
    RestoreDefaults();
    SavePlayersFile(DataStoreForThisRun(), roster, rosterFile);
    LoadPlayerFiles();
}

bool GameShell::SwitchPlayer(int index) {
    if (index < 0 || index >= static_cast<int>(roster.players.size())) {
        return false;
    }
    PlayerRoster next = roster;
    next.current = index;
    ChangeRoster(next);
    return true;
}

bool GameShell::AddPlayer(const std::string& name) {
    PlayerRoster next = roster;
    if (!next.Add(name) ||
        !MakePlayerFolder(DataStoreForThisRun(), runFolders, next.Current().folder)) {
        return false;
    }
    ChangeRoster(next);
    return true;
}

bool GameShell::RenamePlayer(int index, const std::string& name) {
    if (!roster.Rename(index, name)) {
        return false;
    }
    SavePlayersFile(DataStoreForThisRun(), roster, rosterFile);
    return true;
}

bool GameShell::RemovePlayer(int index) {
    if (!roster.CanRemove(index)) {
        return false;
    }
    const bool current = index == roster.current;
    if (current) {
        SaveDataNow(); // what the player did last goes with their files
    }
    const int folder = roster.players[static_cast<std::size_t>(index)].folder;
    // Files left in place would greet the next player given this folder number.
    std::string movedTo;
    if (!MoveRemovedPlayerFiles(DataStoreForThisRun(), runFolders, folder, movedTo)) {
        return false;
    }
    roster.Remove(index);
    if (current) {
        EnterCurrentPlayer();
    } else {
        SavePlayersFile(DataStoreForThisRun(), roster, rosterFile);
    }
    return true;
}

void GameShell::NoteGamePlayed() {
    roster.players[static_cast<std::size_t>(roster.current)].lastPlayed = LocalDateTimeText();
}

void GameShell::SaveIfSettingsChanged() {
    // Settings change only by input, through keys and controls alike, so idle frames skip
    // the check; comparing what the file would hold catches every way, and only a real
    // change writes.
    if (!inputSinceSettingsCheck) {
        return;
    }
    inputSinceSettingsCheck = false;
    if (SettingsFileBytes(ShellDataFiles(), 0) != savedSettings) {
        SaveDataNow();
    }
}

void GameShell::ReadButtonLatches() {
    // A latch is read (and so cleared) only while its screen is up.
    if (screen == ScreenState::Options || screen == ScreenState::HighScores) {
        if (screen == ScreenState::Options && languageButton.WasClicked()) {
            ChooseNextLanguage();
        }
        if (backButton.WasClicked()) {
            screen = ScreenState::MainMenu;
        }
        return;
    }
    if (gameOver && okButton.WasClicked()) {
        DismissGameOver();
    }
}

void GameShell::DrawCurrentScreen() {
    switch (screen) {
    case ScreenState::Game:
        if (paused) {
            DrawPauseScreen();
        } else if (gameOver) {
            DrawGameOverScreen();
        } else {
            DrawGame();
        }
        break;
    case ScreenState::Quit: RequestQuit(); break;
    case ScreenState::MainMenu:
    case ScreenState::Options:
    case ScreenState::HighScores: DrawMenuScreens(); break;
    }
}

void GameShell::PollMainMenu() {
    int chosen = 0;
    if (mainMenu.PollChosen(&chosen)) {
        OpenScreen(static_cast<ScreenState>(chosen));
    }
}

void GameShell::OpenScreen(ScreenState next) {
    screen = next;
    if (next == ScreenState::Game) {
        StartNewGame();
    }
}

void GameShell::DismissGameOver() {
    gameOver = false;
    screen = ScreenState::Game;
    RecordHighScore();
    SaveDataNow(); // a crash or a killed process later must not lose this game
    StartNewGame();
}

void GameShell::OnMouseDown(int, int) {
    inputSinceSettingsCheck = true;
    EndPause();
}

void GameShell::OnMouseUp(int, int) {
    inputSinceSettingsCheck = true; // a control's click lands with its release
}

void GameShell::EndPause() {
    if (paused) {
        OnResume();
        paused = false;
    }
}

bool GameShell::OnKeyDown(int key, KeyBindings* bindings) {
    inputSinceSettingsCheck = true;
    switch (screen) {
    case ScreenState::MainMenu:
        return OnMainMenuKey(key); // unknown keys are not passed to the game here
    case ScreenState::Options:
        if (OnOptionsKey(key)) {
            return true;
        }
        break;
    case ScreenState::HighScores:
        if (OnHighScoresKey(key)) {
            return true;
        }
        break;
    case ScreenState::Game:
    case ScreenState::Quit:
        if (OnGameStateKey(key)) {
            return true;
        }
        break;
    }
    return OnGameKeyDown(key, bindings);
}

bool GameShell::OnGameStateKey(int key) {
    if (key != KeyCode::Space && key != KeyCode::Return) {
        return false;
    }
    // A finished game comes first, as Space always dismissed it, even behind a pause.
    if (gameOver) {
        DismissGameOver();
        return true;
    }
    if (paused) {
        EndPause();
        return true;
    }
    return false;
}

bool GameShell::OnMainMenuKey(int key) {
    switch (key) {
    case KeyCode::Escape:
    case '0': OpenScreen(ScreenState::Quit); return true;
    case '1': OpenScreen(ScreenState::Game); return true;
    case '2': OpenScreen(ScreenState::Options); return true;
    case '3': OpenScreen(ScreenState::HighScores); return true;
    case '4': webLink.Open(); return true;
    default: return false;
    }
}

bool GameShell::OnOptionsKey(int key) {
    if (key == '0') {
        screen = ScreenState::MainMenu;
        return true;
    }
    if (key == '1') {
        soundCheckbox.Toggle();
        return true;
    }
    if (key == 'L') {
        ChooseNextLanguage();
        return true;
    }
    return false;
}

bool GameShell::OnHighScoresKey(int key) {
    if (key == '0') {
        screen = ScreenState::MainMenu;
        return true;
    }
    if (key >= '1' && key <= '5') {
        highScoreSelector.Select(key - '1');
        return true;
    }
    return false;
}

bool GameShell::ReturnToMenu() {
    // A pause left set would greet the next "Play" with the pause screen; end it as a
    // press would, so the game's clock runs again as well.
    EndPause();
    screen = ScreenState::MainMenu;
    return true;
}

void GameShell::SelectShellFont() {
    SetCurrentFont(shellFont);
}

void GameShell::Pause() {
    paused = true;
    OnPause();
}

void GameShell::EndGame() {
    gameOver = true;
    NoteGamePlayed();
    if (gameOverSound != nullptr) {
        gameOverSound->Play();
    }
}

void GameShell::LoadShellImages(int sheetResourceId, int titleResourceId) {
    LoadInto(spriteSheet, instance, sheetResourceId, SheetKeyColour);
    LoadInto(titleImage, instance, titleResourceId, TitleKeyColour);
    if (titleSprite == nullptr) {
        titleSprite = new Sprite(titleImage, 0, 0, 0, 0, 1);
    }
    CutSprite(titleSprite, titleImage, {0, 0, titleImage->width, titleImage->height});
}

void GameShell::LoadShellSounds(int clickSoundId, int gameOverSoundId) {
    clickSound = new Sound(instance, clickSoundId);
    gameOverSound = new Sound(instance, gameOverSoundId);
}

void GameShell::RecordHighScore() {
    if (!keptOutOfTableLine.empty()) {
        return;
    }
    std::string modeText;
    DescribeGameMode(modeText);
    const int difficulty = GetDifficulty();
    const bool named = difficulty >= 0 && difficulty < static_cast<int>(difficultyNames.size());
    ::RecordHighScore(
        highScores, score, level,
        named ? difficultyNames[static_cast<std::size_t>(difficulty)].c_str() : nullptr, modeText);
}
