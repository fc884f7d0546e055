// The pair replace of the two data files and its recovery at start. Order of a replace:
// write and flush highscores.dat.tmp, write and flush settings.dat.tmp, move the table's
// file into place, then the settings'. Until the first move, highscores.dat.tmp exists
// and the old pair is whole; after it, a whole settings.dat.tmp records the new table's
// length, and the next start moves it into place. A failure is cleared up as it happens,
// except a failed last move, which the next start finishes forwards: putting the old
// table back instead would open a window where a crash pairs the new settings with it.
#include "shell/file_pair.h"

namespace {

constexpr char HighScoreFileName[] = "highscores.dat";
constexpr char SettingsFileName[] = "settings.dat";
// Appended to a file's name for the temporary file its new contents go to first.
constexpr char TemporarySuffix[] = ".tmp";
// Appended to a damaged file's name for its kept copy, then a number from the second on.
constexpr char SetAsideSuffix[] = ".bad";

// Writes and flushes a temporary file; one that failed is removed again.
bool Stage(FileStore& store, const std::string& temporary, const std::string& bytes) {
    if (store.Write(temporary, bytes) && store.Flush(temporary)) {
        return true;
    }
    store.Remove(temporary);
    return false;
}

// Moves a staged file into place; one that cannot be moved is removed.
bool Place(FileStore& store, const std::string& temporary, const std::string& target) {
    if (store.MoveReplacing(temporary, target)) {
        return true;
    }
    store.Remove(temporary);
    return false;
}

// The length the settings must record for the table now on disk; -1 when it is unknown.
int LengthOnDisk(const FilePairContents& found) {
    switch (found.highScoreStatus) {
    case ReadStatus::Ok: return static_cast<int>(found.highScoreBytes.size());
    case ReadStatus::Missing: return 0;
    case ReadStatus::Unreadable:
    case ReadStatus::TooLarge: break;
    }
    return -1;
}

} // namespace

FilePairPaths FilePairPathsIn(const std::string& folder) {
    FilePairPaths paths;
    paths.highScores = folder + HighScoreFileName;
    paths.settings = folder + SettingsFileName;
    paths.highScoresTemp = paths.highScores + TemporarySuffix;
    paths.settingsTemp = paths.settings + TemporarySuffix;
    return paths;
}

FilePairContents ReadFilePair(FileStore& store, const FilePairPaths& paths) {
    FilePairContents found;
    found.highScoreStatus = store.Read(paths.highScores, MaxDataFileBytes, found.highScoreBytes);
    found.settingsStatus = store.Read(paths.settings, MaxDataFileBytes, found.settingsBytes);
    return found;
}

void FinishInterruptedCommit(FileStore& store, const FilePairPaths& paths,
                             const RecordedLengthOf& recordedLengthOf, FilePairContents& found) {
    std::string staged;
    if (store.Read(paths.highScoresTemp, MaxDataFileBytes, staged) != ReadStatus::Missing) {
        // The replace never moved its table: the old pair stands. The settings go first,
        // so a crash in between still finds the table's file.
        store.Remove(paths.settingsTemp);
        store.Remove(paths.highScoresTemp);
        return;
    }
    const ReadStatus stagedStatus = store.Read(paths.settingsTemp, MaxDataFileBytes, staged);
    if (stagedStatus == ReadStatus::Missing) {
        return;
    }
    if (found.highScoreStatus == ReadStatus::Unreadable) {
        // Which table the staged settings belong to cannot be told: keep everything.
        found.commitPending = true;
        return;
    }
    const int length = LengthOnDisk(found);
    if (stagedStatus != ReadStatus::Ok || length < 0 || recordedLengthOf(staged) != length) {
        store.Remove(paths.settingsTemp);
        return;
    }
    found.settingsStatus = ReadStatus::Ok;
    found.settingsBytes = staged;
    if (!store.MoveReplacing(paths.settingsTemp, paths.settings)) {
        found.commitPending = true;
    }
}

CommitResult CommitPair(FileStore& store, const FilePairPaths& paths,
                        const std::string& highScoreBytes, const SettingsBytesFor& settingsFor,
                        bool settingsMayGoAlone, int& recordedLength) {
    const auto settingsAlone = [&]() {
        return settingsMayGoAlone && CommitSettings(store, paths, settingsFor(recordedLength))
                   ? CommitResult::SettingsAlone
                   : CommitResult::Nothing;
    };
    if (!Stage(store, paths.highScoresTemp, highScoreBytes)) {
        return settingsAlone();
    }
    const int newLength = static_cast<int>(highScoreBytes.size());
    if (!Stage(store, paths.settingsTemp, settingsFor(newLength))) {
        store.Remove(paths.highScoresTemp);
        return CommitResult::Nothing;
    }
    if (!store.MoveReplacing(paths.highScoresTemp, paths.highScores)) {
        // The old table is still in place, so the staged settings no longer fit it; they
        // go before the table's file, which marks them as never to be moved in.
        store.Remove(paths.settingsTemp);
        store.Remove(paths.highScoresTemp);
        return settingsAlone();
    }
    recordedLength = newLength;
    return store.MoveReplacing(paths.settingsTemp, paths.settings) ? CommitResult::Pair
                                                                   : CommitResult::Unfinished;
}

bool ReplaceFile(FileStore& store, const std::string& temporary, const std::string& target,
                 const std::string& bytes) {
    return Stage(store, temporary, bytes) && Place(store, temporary, target);
}

bool CommitSettings(FileStore& store, const FilePairPaths& paths, const std::string& bytes) {
    return ReplaceFile(store, paths.settingsTemp, paths.settings, bytes);
}

std::string FreeSetAsideName(FileStore& store, const std::string& path) {
    for (int copy = 1; copy <= MaxSetAsideCopies; ++copy) {
        std::string name = path + SetAsideSuffix;
        if (copy > 1) {
            name += std::to_string(copy);
        }
        std::string ignored;
        // A limit of no bytes tells a free name from a taken one without reading it.
        if (store.Read(name, 0, ignored) == ReadStatus::Missing) {
            return name;
        }
    }
    return std::string();
}

std::string KeepSetAsideCopy(FileStore& store, const std::string& path, const std::string& bytes) {
    const std::string name = FreeSetAsideName(store, path);
    return !name.empty() && Stage(store, name, bytes) ? name : std::string();
}
