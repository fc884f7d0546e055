// ProgressFeature: the player's history across games with its file, progress.dat, this
// game's answers as they go into it, and the screen that shows it with its "Progress"
// button on the setup screen. The game decides when the screen is up; this keeps what it
// shows and does what its buttons and keys ask.
#pragma once

#include "game/progress_screen.h"
#include "progress/answer_recorder.h"
#include "progress/progress_file.h"
#include "progress/progress_history.h"
#include "shell/data_files.h"
#include "ui/button.h"

class ProgressFeature {
  public:
    // Reads progress.dat from the folder of the other two files; without a known folder
    // nothing is read, and so nothing saved. Every load after the first starts from an
    // empty history.
    void Load(const DataFileState& dataFiles);
    void Save();
    // Saves at once when the options (the practice switches, the chosen facts, the fluency
    // threshold) differ from what progress.dat last had.
    void SaveOptionsIfChanged();
    // Adds the ended game's record and the milestones it completed, dated the game's day, and
    // saves them now, so a game-over screen never dismissed loses nothing of it.
    void RecordGame(const GameRecord& game);
    // Works out what the screen shows; the first time after a load that found damage, it
    // also names the damaged file's kept copy.
    void OpenScreen();
    // The screen's buttons and its keys ('0' or Escape back, '1' the other grid, '2'
    // export, '3' the next fluency threshold, '4' the exported files' folder): true when the
    // player asks to leave the screen.
    bool ReadScreenLatches();
    bool OnScreenKey(int key);

    ProgressHistory history;
    ProgressFileState file;
    AnswerRecorder answers;
    ProgressScreen screen;
    Button button;

  private:
    // Writes the facts, the games and the milestones each to a file beside progress.dat and
    // says on the screen in which folder, or which file could not be written.
    void Export();
    // Saves the next threshold at once and shows the screen's figures at it.
    void NextFluentThreshold();
    // Opens the folder in the system's file browser once the screen shows it.
    void OpenFolder();

    ProgressOptions savedOptions;
    bool loadedBefore = false;
};
