// The two data files beside the program: settings.dat (the game's settings in a marked
// section, the sound switch, and the length of the high-score file as a check) and
// highscores.dat (the table, stored with every byte inverted). The byte-level load and
// save sequences are pure; LoadDataFiles and SaveDataFiles add the disk work.
#pragma once

#include <functional>
#include <string>

#include "shell/data_archive.h"
#include "shell/high_score_table.h"

struct DataFileSet {                      // what the two files hold, as the shell owns it
    std::string header;                   // the application title ("Quickfigure")
    int version = 0;                      // versionMajor * 100 + versionMinor (101)
    HighScoreEntry* highScores = nullptr; // HighScoreCount entries
    bool* soundEnabled = nullptr;
    std::function<void(DataArchive&)> serializeSettings; // the game's section (may be empty)
};

// Takes both files' bytes as found on disk (empty for a missing file) into files. A table
// whose plain length differs from the length the settings recorded loses its scores.
void LoadDataBytes(const std::string& settingsBytes, const std::string& highScoreBytes,
                   const DataFileSet& files);
// highscores.dat's bytes as stored on disk: the plain table with every byte inverted.
std::string HighScoreFileBytes(const DataFileSet& files);
// settings.dat's bytes, recording storedLength as the high-score file's length.
std::string SettingsFileBytes(const DataFileSet& files, int storedLength);

// Reads both files from the data folder; missing or unreadable files keep what is in memory.
void LoadDataFiles(const DataFileSet& files);
// Replaces both files, the high scores first; a file that cannot be written is left as it
// was and the other is still attempted.
void SaveDataFiles(const DataFileSet& files);

// Test seam: the folder both files live in, ending in a path separator; empty (the
// default) means the program's folder.
void SetDataFolderForTests(const std::string& folder);
