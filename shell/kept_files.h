// The one load and save machine of the data files, serving settings.dat with
// highscores.dat (a set of two) and progress.dat (a set of one). A set's files are read
// with a size cap from the folder the run saves in or, while that holds none of them, from
// the fallback folder; a save a crash cut short is cleared away or finished first; a file
// that is there but cannot be read is never saved over; a save writes and flushes every
// file under a temporary name, then moves them into place in order, the per-user folder
// created at the first; a damaged file is kept under a free .bad, .bad2, ... name. What
// is particular to a set (its format, the pair's length check, the progress reader's
// recovery, when a set saves) stays with it and is given to the machine in small pieces.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "shell/file_store.h"

// Where the data files are kept.
struct DataFolders {
    std::string save;     // the files are looked for and saved here (ends in a separator)
    std::string fallback; // read instead while save holds none of a set; empty for none
};

// One file of a set as the load found it.
struct FoundFile {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes; // as on disk, when the status is Ok
};
using FoundFiles = std::vector<FoundFile>;

// A set of files saved together and what only the set knows of them.
struct KeptFileSet {
    std::vector<std::string> names; // in the order a save moves them into place
    std::size_t maxBytes = 0;       // a larger file is damaged and not read whole
    // Finishes a save cut short after its first file was moved in, from the temporary
    // files it left in folder; false when that can be neither done nor told safe to undo.
    // Empty for a set of one file, whose save never stops half-way.
    std::function<bool(FileStore&, const std::string& folder, FoundFiles& found)> finishCutSave;
};

// What a load learned about where a set lives; its saves rely on it.
struct KeptFileState {
    bool loaded = false;        // set when a load has finished; a save before it does nothing
    std::string folder;         // where the files are saved, ending in a separator
    std::string fallbackFolder; // where they are read from while folder holds none; empty for none
    bool createFolder = false;  // folder is the per-user one, created by the first save
    bool fromFallback = false;  // this run's files were read from fallbackFolder
    // A cut-short save could neither be finished nor undone: nothing may be saved over it.
    bool cutSavePending = false;
};

// Where a file's new bytes are written first.
std::string TemporaryPath(const std::string& path);

// Reads set's files into state's folders, clearing away or finishing a save cut short in
// folders.save first. A file that was not read whole arrives without bytes.
FoundFiles ReadKeptFiles(FileStore& store, const DataFolders& folders, const KeptFileSet& set,
                         KeptFileState& state);

// How far a save of a set got.
struct CommitOutcome {
    std::size_t placed = 0; // files moved into place, in order
    std::size_t failed = 0; // the file whose write, flush or move failed (when not all placed)
};
// Replaces the files named in folder with bytes, one string per name: each written and
// flushed under its temporary name, then each moved over its file. A failure before the
// first move clears away every temporary file, the last first, so the first one's
// temporary file always tells an unmoved save; after it, those left wait for the set's
// finishCutSave at the next start.
CommitOutcome CommitKeptFiles(FileStore& store, const std::string& folder,
                              const std::vector<std::string>& names,
                              const std::vector<std::string>& bytes);
// Replaces path with bytes alone, as CommitKeptFiles does; false leaves it as it was.
bool ReplaceKeptFile(FileStore& store, const std::string& path, const std::string& bytes);
// Whether a save may go ahead: the load has finished, and the per-user folder is there
// (created at the first save).
bool ReadyToSave(FileStore& store, const KeptFileState& state);

// The name a damaged copy of path is kept under: the first of path.bad, path.bad2,
// path.bad3, ... that is free, so no earlier copy is ever replaced; empty when none of
// the first MaxSetAsideCopies is.
constexpr int MaxSetAsideCopies = 999;
std::string FreeSetAsideName(FileStore& store, const std::string& path);
// Writes and flushes bytes under path's free set-aside name; the copy's path, or empty
// when it could not be written whole (nothing is then left of it).
std::string KeepSetAsideCopy(FileStore& store, const std::string& path, const std::string& bytes);
// Moves the file at path to its free set-aside name; the new path, or empty when it stays.
std::string MoveAside(FileStore& store, const std::string& path);

// Runs a load or save step, which may run out of memory: the shell calls them at start
// and exit, where nothing may throw. step's answer, or false when it threw.
template <typename Step> bool WithoutThrowing(Step step) {
    try {
        return step();
    } catch (...) {
        return false;
    }
}
