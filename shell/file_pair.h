// settings.dat and highscores.dat as one set of the data files' machine (kept_files.h).
// settings.dat records the length of highscores.dat, and a table whose length differs
// from the recorded one loads empty, so the two are replaced together, the high scores
// moved in first. What the machine cannot know of them is here: finishing a replace cut
// short after the table moved in, and saving the settings alone when the table cannot be.
#pragma once

#include <functional>
#include <string>

#include "shell/kept_files.h"

// Largest data file read: the program's own files are well under 1 KiB, so anything
// bigger is damaged and is not read whole.
constexpr std::size_t MaxDataFileBytes = 64 * 1024;

// The two files of one folder and the temporary names their new contents go to first.
struct FilePairPaths {
    std::string highScores;
    std::string settings;
    std::string highScoresTemp;
    std::string settingsTemp;
};

// The paths in folder, which ends in a separator (empty: the working folder).
FilePairPaths FilePairPathsIn(const std::string& folder);

// Where each file of the pair is among the files the machine found.
constexpr std::size_t HighScoreFile = 0;
constexpr std::size_t SettingsFile = 1;

// The high-score length a whole settings file records; -1 for bytes that are not a whole
// settings file (one a crash cut short).
using RecordedLengthOf = std::function<int(const std::string& settingsBytes)>;
// settings.dat's bytes recording storedLength as the high-score file's length.
using SettingsBytesFor = std::function<std::string(int storedLength)>;

// The pair as the machine's set. A replace cut short after the table moved in left the
// settings' temporary file: when it is whole and records the length of the highscores.dat
// on disk it is moved into place (and read as the settings); any other is removed.
KeptFileSet FilePairSet(const RecordedLengthOf& recordedLengthOf);

enum class CommitResult {
    Pair,          // both files replaced
    SettingsAlone, // the table could not be; the settings were, with the old length
    Nothing,       // neither file changed
    // The table was replaced but the settings could not be moved after it: their
    // temporary file waits for the next start, and nothing more may be saved before.
    Unfinished,
};

// Replaces both files in folder. When the new table cannot be put in place the settings
// are saved alone, recording recordedLength (the length the settings on disk record), if
// settingsMayGoAlone. recordedLength follows a replaced table.
CommitResult CommitPair(FileStore& store, const std::string& folder,
                        const std::string& highScoreBytes, const SettingsBytesFor& settingsFor,
                        bool settingsMayGoAlone, int& recordedLength);
// Replaces settings.dat in folder alone; false leaves it as it was.
bool CommitSettings(FileStore& store, const std::string& folder, const std::string& bytes);
