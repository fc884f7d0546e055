// The pair's part of a replace. After the table moved in, a whole settings.dat.tmp records
// the new table's length, and the next start moves it into place: putting the old table
// back instead would open a window where a crash pairs the new settings with it.
#include "shell/file_pair.h"

namespace {

constexpr char HighScoreFileName[] = "highscores.dat";
constexpr char SettingsFileName[] = "settings.dat";

// The pair's files, in the order a replace moves them in.
std::vector<std::string> PairNames() {
    return {HighScoreFileName, SettingsFileName};
}

// The length the settings must record for the table now on disk; -1 when it is unknown.
int LengthOnDisk(const FoundFile& table) {
    switch (table.status) {
    case ReadStatus::Ok: return static_cast<int>(table.bytes.size());
    case ReadStatus::Missing: return 0;
    case ReadStatus::Unreadable:
    case ReadStatus::TooLarge: break;
    }
    return -1;
}

bool FinishSettings(FileStore& store, const std::string& folder,
                    const RecordedLengthOf& recordedLengthOf, FoundFiles& found) {
    const FilePairPaths paths = FilePairPathsIn(folder);
    std::string staged;
    const ReadStatus stagedStatus = store.Read(paths.settingsTemp, MaxDataFileBytes, staged);
    if (stagedStatus == ReadStatus::Missing) {
        return true;
    }
    const FoundFile& table = found[HighScoreFile];
    if (table.status == ReadStatus::Unreadable) {
        return false; // which table the staged settings belong to cannot be told: keep all
    }
    const int length = LengthOnDisk(table);
    if (stagedStatus != ReadStatus::Ok || length < 0 || recordedLengthOf(staged) != length) {
        store.Remove(paths.settingsTemp);
        return true;
    }
    found[SettingsFile] = {ReadStatus::Ok, staged};
    return store.MoveReplacing(paths.settingsTemp, paths.settings);
}

} // namespace

FilePairPaths FilePairPathsIn(const std::string& folder) {
    FilePairPaths paths;
    paths.highScores = folder + HighScoreFileName;
    paths.settings = folder + SettingsFileName;
    paths.highScoresTemp = TemporaryPath(paths.highScores);
    paths.settingsTemp = TemporaryPath(paths.settings);
    return paths;
}

KeptFileSet FilePairSet(const RecordedLengthOf& recordedLengthOf) {
    KeptFileSet set;
    set.names = PairNames();
    set.maxBytes = MaxDataFileBytes;
    set.finishCutSave = [recordedLengthOf](FileStore& store, const std::string& folder,
                                           FoundFiles& found) {
        return FinishSettings(store, folder, recordedLengthOf, found);
    };
    return set;
}

CommitResult CommitPair(FileStore& store, const std::string& folder,
                        const std::string& highScoreBytes, const SettingsBytesFor& settingsFor,
                        bool settingsMayGoAlone, int& recordedLength) {
    const int newLength = static_cast<int>(highScoreBytes.size());
    const CommitOutcome outcome =
        CommitKeptFiles(store, folder, PairNames(), {highScoreBytes, settingsFor(newLength)});
    if (outcome.placed > HighScoreFile) {
        recordedLength = newLength;
        return outcome.placed > SettingsFile ? CommitResult::Pair : CommitResult::Unfinished;
    }
    // Only a table that could not be put in place leaves the settings to go alone.
    const bool alone = outcome.failed == HighScoreFile && settingsMayGoAlone &&
                       CommitSettings(store, folder, settingsFor(recordedLength));
    return alone ? CommitResult::SettingsAlone : CommitResult::Nothing;
}

bool CommitSettings(FileStore& store, const std::string& folder, const std::string& bytes) {
    return ReplaceKeptFile(store, FilePairPathsIn(folder).settings, bytes);
}
