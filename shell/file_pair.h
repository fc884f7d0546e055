// settings.dat and highscores.dat as one pair in a folder. settings.dat records the length
// of highscores.dat, and a table whose length differs from the recorded one loads empty,
// so the two are replaced together: both new files are written and flushed under
// temporary names first, then moved over the old ones, the high scores first. A start
// after a crash or a failed move finishes or discards the replace it finds.
#pragma once

#include <functional>
#include <string>

#include "shell/file_store.h"

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

// What a folder's two files held at start.
struct FilePairContents {
    ReadStatus highScoreStatus = ReadStatus::Missing;
    std::string highScoreBytes; // as on disk, when the status is Ok
    ReadStatus settingsStatus = ReadStatus::Missing;
    std::string settingsBytes; // when the status is Ok
    // Set when a replace a crash cut short could neither be finished nor be told safe to
    // discard; nothing may then be saved over the pair.
    bool commitPending = false;
};

// The high-score length a whole settings file records; -1 for bytes that are not a whole
// settings file (one a crash cut short).
using RecordedLengthOf = std::function<int(const std::string& settingsBytes)>;
// settings.dat's bytes recording storedLength as the high-score file's length.
using SettingsBytesFor = std::function<std::string(int storedLength)>;

// Reads both files, at most MaxDataFileBytes each.
FilePairContents ReadFilePair(FileStore& store, const FilePairPaths& paths);
// Finishes or discards a replace that a crash or a failed move interrupted, before the
// pair is loaded. A table's temporary file means the replace never moved its table in:
// both temporary files are removed. Without one, a settings temporary file that is whole
// and records the length of the highscores.dat on disk is moved into place (and read as
// the settings); any other is removed.
void FinishInterruptedCommit(FileStore& store, const FilePairPaths& paths,
                             const RecordedLengthOf& recordedLengthOf, FilePairContents& found);

enum class CommitResult {
    Pair,          // both files replaced
    SettingsAlone, // the table could not be; the settings were, with the old length
    Nothing,       // neither file changed
    // The table was replaced but the settings could not be moved after it: their
    // temporary file waits for the next start, and nothing more may be saved before.
    Unfinished,
};

// Replaces both files. When the new table cannot be put in place the settings are saved
// alone, recording recordedLength (the length the settings on disk record), if
// settingsMayGoAlone. recordedLength follows a replaced table.
CommitResult CommitPair(FileStore& store, const FilePairPaths& paths,
                        const std::string& highScoreBytes, const SettingsBytesFor& settingsFor,
                        bool settingsMayGoAlone, int& recordedLength);
// Replaces target with bytes: written and flushed to temporary first, then moved over
// target in one step. false leaves target as it was and no temporary file behind, except
// after a crash.
bool ReplaceFile(FileStore& store, const std::string& temporary, const std::string& target,
                 const std::string& bytes);
// Replaces settings.dat alone, through its temporary file; false leaves it as it was.
bool CommitSettings(FileStore& store, const FilePairPaths& paths, const std::string& bytes);

// The name a damaged copy of path is kept under: the first of path.bad, path.bad2,
// path.bad3, ... that is free, so no earlier copy is ever replaced; empty when none of
// the first MaxSetAsideCopies is.
constexpr int MaxSetAsideCopies = 999;
std::string FreeSetAsideName(FileStore& store, const std::string& path);
// Writes and flushes bytes under path's free set-aside name; the copy's path, or empty
// when it could not be written whole (nothing is then left of it).
std::string KeepSetAsideCopy(FileStore& store, const std::string& path, const std::string& bytes);
