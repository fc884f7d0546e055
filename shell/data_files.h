// The two data files: settings.dat (the game's settings in a marked section, the sound
// switch, and the length of the high-score file as a check) and highscores.dat (the
// table, stored with every byte inverted). The byte-level load and save sequences are
// pure; LoadDataFiles and SaveDataFiles add the disk work through a file store, in the
// program's folder or, when that cannot be written, the per-user folder.
#pragma once

#include <functional>
#include <string>

#include "shell/data_archive.h"
#include "shell/file_pair.h"
#include "shell/file_store.h"
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
// Returns the recorded length (0 without one).
int LoadDataBytes(const std::string& settingsBytes, const std::string& highScoreBytes,
                  const DataFileSet& files);
// Whether a table file of these bytes keeps its scores beside settings that record
// storedLength (inverting does not change the length).
bool HighScoreLengthMatches(const std::string& highScoreBytes, int storedLength);
// highscores.dat's bytes as stored on disk: the plain table with every byte inverted.
std::string HighScoreFileBytes(const DataFileSet& files);
// settings.dat's bytes, recording storedLength as the high-score file's length.
std::string SettingsFileBytes(const DataFileSet& files, int storedLength);
// The high-score length recorded by bytes that are a whole settings file as
// SettingsFileBytes writes them for files' header and version; -1 for anything else.
int RecordedHighScoreLength(const std::string& settingsBytes, const DataFileSet& files);

// The file the installer puts beside an installed program: such a copy keeps its data in
// the per-user folder, never where it is installed.
constexpr const char* InstalledMarkerName = "installed.txt";

// The program's folder when a file can be created in it; otherwise the store's per-user
// folder, starting from the files in the program's folder until it holds its own. An
// installed copy always uses the per-user folder when there is one.
DataFolders ChooseDataFolders(FileStore& store, const std::string& programFolder);

// What the load at start learned about the files on disk; the save at exit relies on it.
struct DataFileState : KeptFileState {
    bool settingsWritable = false;   // clear: settings.dat (so the pair) must stay as it is
    bool highScoresWritable = false; // clear: highscores.dat could not be read
    // Clear while the files came from the fallback folder: settings saved there without
    // their table would hide the table the program showed.
    bool settingsMayGoAlone = false;
    // The length settings.dat records for the table on disk: read at start, then that of
    // each table saved. Saved again with the settings alone, the table loads as before.
    int recordedLength = 0;
    // The bytes of a table that failed the length check, as on disk, until a copy of them
    // is kept as highscores.dat.bad (or .bad2, ...) before the table is first saved over.
    std::string unmatchedTable;
};

// The folder the data files of this run live in (empty before the load).
inline const std::string& DataFolderPath(const DataFileState& state) {
    return state.folder;
}

// The folder this run's files live in: the program's, or the per-user one when the
// program's folder cannot be written (or the test folder, when one is set).
std::string DataFolderForThisRun();
// The folders this run's files are saved in and read from, as DataFolderForThisRun
// chooses them, and the store they are kept in (the system's, unless a test set one).
DataFolders DataFoldersForThisRun();
FileStore& DataStoreForThisRun();

// Reads both files into files, finishing first a save a crash cut short. Missing,
// unreadable or oversized files keep what is in memory.
void LoadDataFiles(const DataFileSet& files, DataFileState& state);
// Replaces both files as a pair. A file that could not be read at start is left as it is;
// the settings are saved alone when only the table cannot be, and never without the
// length of the table on disk. A table that failed the length check is copied aside
// first; while the copy cannot be written, the table is not saved over.
void SaveDataFiles(const DataFileSet& files, DataFileState& state);
// The same through a given store and folders.
void LoadDataFilesWith(FileStore& store, const DataFolders& folders, const DataFileSet& files,
                       DataFileState& state);
void SaveDataFilesWith(FileStore& store, const DataFileSet& files, DataFileState& state);

// Test seam: the folder both files live in, ending in a path separator, used as it is
// (no write probe, no per-user folder); empty (the default) means the program's folder.
void SetDataFolderForTests(const std::string& folder);
// Test seam: a store used in place of the system's with the run's folders as given;
// null (the default) gives the system's store back.
void SetDataStoreForTests(FileStore* store, const DataFolders& folders);
