// GameShell: the reusable shell of a game on top of Application. It owns the main menu,
// the options and high-score screens, the pause and game-over screens, the high-score
// table and the two data files, and routes every frame, key and mouse press to the
// current screen. A game derives from it and fills in the fifteen hooks (slots 17 to 31)
// appended after Application's seventeen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/application.h"
#include "base/geometry.h"
#include "shell/data_files.h"
#include "shell/high_score_table.h"
#include "shell/player_roster.h"
#include "shell/players_file.h"
#include "shell/screen_state.h"
#include "shell/shrunk_font.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/choice_group.h"
#include "ui/link_label.h"
#include "ui/menu_list.h"

class Font;
class Image;
class Sound;
class Sprite;
struct SheetLayout;

// The face of the shell's font; the game's fonts use it too, so every text looks alike.
constexpr char ShellFontFace[] = "Verdana";

class GameShell : public Application {
  public:
    GameShell();
    ~GameShell() override;

    // Application slots the shell overrides.
    ColorRef GetBackgroundColor() override;
    void OnStart() override;
    void OnExit() override;
    void DrawFrame() override;
    // Fits the shell's font and artwork set to the new size.
    void OnResize(int newWidth, int newHeight) override;
    void OnMouseDown(int x, int y) override;
    void OnMouseUp(int x, int y) override;
    bool OnKeyDown(int key, KeyBindings* bindings) override;

    // Slot 17: the game loads its resources; it must call LoadShellImages and LoadShellSounds.
    virtual void LoadGameResources() {}
    // Slot 18: after both files are written at exit.
    virtual void FreeGameResources() {}
    // Slot 19: the game updates and draws itself (not while paused or over).
    virtual void DrawGame() {}
    // Slot 20: "Play" was chosen, or a game-over screen was dismissed.
    virtual void StartNewGame() {}
    // Slot 21: after the shell paused.
    virtual void OnPause() {}
    // Slot 22: a press while paused, before the pause ends.
    virtual void OnResume() {}
    // Slot 23: an index into difficultyNames; anything else keeps a table entry's text.
    virtual int GetDifficulty() { return -1; }
    // Slot 24: never called by the shell.
    virtual int GetGameMode() { return -1; }
    // Slot 25: the text that names the game's mode in a high-score entry.
    virtual void DescribeGameMode(std::string& out);
    // Slot 26: every key the shell does not consume; its result is OnKeyDown's.
    virtual bool OnGameKeyDown(int key, KeyBindings* bindings);
    // Slot 27: the game's section of settings.dat, read at start and written at exit.
    virtual bool SerializeSettings(DataArchive& archive);
    // Slot 28: after the two files are loaded at start; the game loads its own files from
    // the same folder (DataFolderPath of dataFileState).
    virtual void LoadGameFiles() {}
    // Slot 29: after the two files are saved (a finished game, a settings change, exit);
    // the game saves its own.
    virtual void SaveGameFiles() {}
    // Slot 30: the game-over screen has drawn its OK button; the game may add controls of
    // its own from top down (in the shell font).
    virtual void DrawGameOverControls(int top) { static_cast<void>(top); }
    // Slot 31: the finished game's result in one line for the game-over screen ("12 right,
    // 3 wrong"); nothing shows no line.
    virtual void DescribeGameResult(std::string& out);

    // Operations the game calls.
    bool ReturnToMenu();
    void SelectShellFont();
    void Pause();
    void EndGame();
    bool IsInGame() const { return screen == ScreenState::Game; }
    void LoadShellImages(int sheetResourceId, int titleResourceId);
    void LoadShellSounds(int clickSoundId, int gameOverSoundId);
    // The artwork set the window's size asks for; its bitmaps are the ones to load.
    const SheetLayout& CurrentArtwork() const;
    // Enters the finished game's score and level in the table, unless the game is kept out.
    void RecordHighScore();
    // Labels and sizes the options screen's language button for the shown language and the
    // current font.
    void SizeLanguageButton();

    // The players. Each change saves players.dat at once. Switching saves the current
    // player's files first, then starts from the program's defaults (settings, an empty
    // table and history) and loads the new current player's files over them.
    // False, with nothing changed, for a bad index or a refused name.
    bool SwitchPlayer(int index);
    // Makes the player's folder and switches to the new player.
    bool AddPlayer(const std::string& name);
    bool RenamePlayer(int index, const std::string& name);
    // Moves the player's files under "removed players\" and takes them off the list;
    // refused for the only player, or while the files could not be moved.
    bool RemovePlayer(int index);
    // The current player has just finished a game: their last-played date is now.
    void NoteGamePlayed();

    std::uint32_t score = 0;
    int level = 0;
    int versionMajor = 1;
    int versionMinor = 0;
    // The high-score table's name for each of GetDifficulty's values; the game sets them.
    std::vector<std::string> difficultyNames;
    Font* shellFont = nullptr;
    MenuList mainMenu;
    LinkLabel webLink;
    Button backButton;
    Button okButton;
    ChoiceGroup highScoreSelector;
    CheckBox soundCheckbox;
    // The options screen's language choice: shows the shown language's own name.
    Button languageButton;
    // The pause screen's line in a narrow window.
    ShrunkFont pauseLineFont;
    Sound* clickSound = nullptr;
    Sound* gameOverSound = nullptr;
    Image* spriteSheet = nullptr;
    Image* titleImage = nullptr;
    Sprite* titleSprite = nullptr;
    Sprite* headerBanner = nullptr;
    Sprite* bandTile = nullptr;
    Sprite* cornerSwirl = nullptr;
    Sprite* frameCorners[4] = {nullptr, nullptr, nullptr, nullptr};
    Sprite* sidePictureUpper = nullptr;
    Sprite* sidePictureLower = nullptr;
    // The set the sheet sprites were last cut for (null before start); the bands and the
    // decorated frame follow it. Set by CreateSheetSprites and by a resize that changes it.
    const SheetLayout* artwork = nullptr;
    ScreenState screen = ScreenState::MainMenu;
    HighScoreEntry highScores[HighScoreCount];
    // What the load at start learned about the data files (and the folder they live in,
    // DataFolderPath); the save at exit relies on it.
    DataFileState dataFileState;
    // settings.dat's settings as last loaded or saved (recorded length left at 0), to
    // notice a change.
    std::string savedSettings;
    // The players, and what the load at start learned about players.dat.
    PlayerRoster roster;
    PlayersFileState rosterFile;
    // Set by every key, press and release; cleared by the settings check at a frame's end.
    bool inputSinceSettingsCheck = false;
    bool paused = false;
    bool gameOver = false;
    // Set by the game while the game under way stays out of the high-score table, which
    // compares games played alike: the game-over screen says this line where "New best!"
    // would go, and the score is not entered. Empty for a game the table takes.
    std::string keptOutOfTableLine;
    // Set by the game at a game's end to name the facts it made fluent ("Now fluent: 7 x 8,
    // 6 x 9"), cleared at the next game's start: the game-over screen shows as many of them
    // as its width holds, below its buttons. Empty names none.
    std::string nowFluentLine;

  protected:
    // The menu, options and high-score screens (menu_screens.cpp).
    void DrawMenuScreens();
    void DrawHighScoresPanel(const Rect& panel);
    void DrawOptionsPanel(const Rect& panel);
    void DrawDecoratedFrame(int left, int top, int right, int bottom);
    // The pause and game-over screens (game_over_screens.cpp).
    void DrawPauseScreen();
    void DrawGameOverScreen();
    // The game's result and "New best!" above the "Game Over" line at gameOverY.
    void DrawGameResult(int gameOverY);
    // nowFluentLine at y, cut after the last fact that fits, where it fits.
    void DrawNowFluent(int y);
    // The current player's name centred in [left, left + boxWidth) at y, cut to fit, when
    // two or more players share the computer; names are drawn without symbols, so their
    // accented letters show as typed.
    void DrawPlayerName(int left, int boxWidth, int y, ColorRef colour);
    // What OK, Space and Enter do on the game-over screen: the score goes into the table, the
    // files are saved and the next game is set up.
    void DismissGameOver();
    // Saves both files now, as at exit; and when the settings differ from the last save.
    void SaveDataNow();

  private:
    // The current player's files: settings.dat and highscores.dat, then the game's; saving
    // adds players.dat.
    void LoadPlayerFiles();
    void SavePlayerFiles();
    // The settings and table as constructed, kept before the first load; a switch of
    // player starts from them.
    void KeepDefaults();
    void RestoreDefaults();
    // Saves the current player's files, then makes next the roster and enters its
    // current player.
    void ChangeRoster(const PlayerRoster& next);
    // Saves players.dat and loads the current player's files over the defaults.
    void EnterCurrentPlayer();
    void SaveIfSettingsChanged();
    // Ends a pause as a press on the pause screen does: the game resumes first.
    void EndPause();
    // The shell font at the size the window's scale asks for.
    void FitShellFont();
    void CreateSheetSprites();
    // Cuts the sheet sprites for a set, over the images as loaded.
    void CutSheetSprites(const SheetLayout& sheet);
    // After a resize: reloads the images and re-cuts the sprites when the set changes.
    void FitArtwork();
    void FreeShellResources();
    void ReadButtonLatches();
    void DrawCurrentScreen();
    void PollMainMenu();
    void OpenScreen(ScreenState next);
    bool OnMainMenuKey(int key);
    // Space or Enter on the game screen: dismisses a finished game or ends a pause.
    bool OnGameStateKey(int key);
    bool OnOptionsKey(int key);
    bool OnHighScoresKey(int key);
    // What the two data files hold, as this shell owns it.
    DataFileSet ShellDataFiles();
    void DrawStandardMenuLayout(int titleWidth, int titleHeight);
    void DrawTinyMenuLayout(int titleWidth, int titleHeight);
    void DrawPanelContents(const Rect& panel, int menuX, int menuY, int menuWidth);
    void DrawBands();
    void PlaceWebLink(bool standardLayout);
    void DrawCentredLine(const char* text, int y, ColorRef colour);
    // The language (language_choice.cpp): a start shows the one chosen on this computer, or
    // else Windows' display language; the button and L show the next one at once and save it.
    void ShowStartLanguage();
    void ChooseNextLanguage();
    // Places the sound check box (its row as wide as rowWidth) and the language button in the
    // options panel's free room [freeTop, freeBottom): side by side where they fit, else on
    // rows of their own, gap apart.
    void PlaceOptionsRow(const Rect& panel, int freeTop, int freeBottom, int rowWidth, int gap);

    // Where this run's files live (learned at start), and the defaults a player starts from.
    DataFolders runFolders;
    std::string defaultSettings;
    HighScoreEntry defaultHighScores[HighScoreCount];
};
