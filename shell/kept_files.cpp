// The data files' load and save machine. A save's order makes every crash recoverable:
// until its first file is moved in, that file's temporary file exists and the old set is
// whole, so a start finding it clears the temporary files away; after it, only the set
// can tell whether the temporary files left belong to what was moved in.
#include "shell/kept_files.h"

namespace {

// Appended to a file's name for the temporary file its new contents go to first.
constexpr char TemporarySuffix[] = ".tmp";
// Appended to a damaged file's name for its kept copy, then a number from the second on.
constexpr char SetAsideSuffix[] = ".bad";

FoundFiles ReadIn(FileStore& store, const std::string& folder, const KeptFileSet& set) {
    FoundFiles found(set.names.size());
    for (std::size_t i = 0; i < set.names.size(); ++i) {
        found[i].status = store.Read(folder + set.names[i], set.maxBytes, found[i].bytes);
    }
    return found;
}

bool AllMissing(const FoundFiles& found) {
    for (const FoundFile& file : found) {
        if (file.status != ReadStatus::Missing) {
            return false;
        }
    }
    return true;
}

// A limit of no bytes tells a taken name from a free one without reading the file.
bool Exists(FileStore& store, const std::string& path) {
    std::string ignored;
    return store.Read(path, 0, ignored) != ReadStatus::Missing;
}

// Removes the temporary files of the first count names, the last first, so a crash in
// between still finds the first one's.
void RemoveTemporaries(FileStore& store, const std::string& folder,
                       const std::vector<std::string>& names, std::size_t count) {
    while (count > 0) {
        store.Remove(TemporaryPath(folder + names[--count]));
    }
}

// Clears away or finishes a save cut short in folder; false when it stays pending.
bool RecoverCutSave(FileStore& store, const std::string& folder, const KeptFileSet& set,
                    FoundFiles& found) {
    if (Exists(store, TemporaryPath(folder + set.names.front()))) {
        RemoveTemporaries(store, folder, set.names, set.names.size());
        return true;
    }
    return !set.finishCutSave || set.finishCutSave(store, folder, found);
}

// Writes and flushes a temporary file; one that failed is removed again.
bool Stage(FileStore& store, const std::string& temporary, const std::string& bytes) {
    if (store.Write(temporary, bytes) && store.Flush(temporary)) {
        return true;
    }
    store.Remove(temporary);
    return false;
}

} // namespace

std::string TemporaryPath(const std::string& path) {
    return path + TemporarySuffix;
}

FoundFiles ReadKeptFiles(FileStore& store, const DataFolders& folders, const KeptFileSet& set,
                         KeptFileState& state) {
    state.folder = folders.save;
    state.fallbackFolder = folders.fallback;
    state.createFolder = !folders.fallback.empty();
    FoundFiles found = ReadIn(store, folders.save, set);
    state.cutSavePending = !RecoverCutSave(store, folders.save, set, found);
    state.fromFallback = !folders.fallback.empty() && !state.cutSavePending && AllMissing(found);
    if (state.fromFallback) {
        found = ReadIn(store, folders.fallback, set);
    }
    return found;
}

CommitOutcome CommitKeptFiles(FileStore& store, const std::string& folder,
                              const std::vector<std::string>& names,
                              const std::vector<std::string>& bytes) {
    const std::size_t count = names.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!Stage(store, TemporaryPath(folder + names[i]), bytes[i])) {
            RemoveTemporaries(store, folder, names, i);
            return {0, i};
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::string path = folder + names[i];
        if (!store.MoveReplacing(TemporaryPath(path), path)) {
            if (i == 0) {
                RemoveTemporaries(store, folder, names, count);
            }
            return {i, i};
        }
    }
    return {count, count};
}

bool ReplaceKeptFile(FileStore& store, const std::string& path, const std::string& bytes) {
    return CommitKeptFiles(store, std::string(), {path}, {bytes}).placed == 1;
}

bool ReadyToSave(FileStore& store, const KeptFileState& state) {
    return state.loaded && (!state.createFolder || store.CreateFolder(state.folder));
}

std::string FreeSetAsideName(FileStore& store, const std::string& path) {
    for (int copy = 1; copy <= MaxSetAsideCopies; ++copy) {
        std::string name = path + SetAsideSuffix;
        if (copy > 1) {
            name += std::to_string(copy);
        }
        if (!Exists(store, name)) {
            return name;
        }
    }
    return std::string();
}

std::string KeepSetAsideCopy(FileStore& store, const std::string& path, const std::string& bytes) {
    const std::string name = FreeSetAsideName(store, path);
    return !name.empty() && Stage(store, name, bytes) ? name : std::string();
}

std::string MoveAside(FileStore& store, const std::string& path) {
    const std::string name = FreeSetAsideName(store, path);
    return !name.empty() && store.MoveReplacing(path, name) ? name : std::string();
}
