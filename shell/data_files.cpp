// The load and save sequences of settings.dat and highscores.dat. The high-score file is
// inverted and checked in memory only: the copy on disk is never turned plain, so a crash
// cannot leave it unreadable, and a plain file an older run left behind is recognised by
// its first line and read as it is. Saves replace both files as a pair (file_pair.h).
// Nothing here may throw out of a load or save: the shell calls them at start and exit.
#include "shell/data_files.h"

#include <cstdint>
#include <utility>

#include "base/number_text.h"
#include "text/program_path.h"

namespace {

// Set only by tests; empty means the program's folder, and null the system's store.
std::string DataFolder;
FileStore* TestStore = nullptr;
DataFolders TestStoreFolders;

// Every byte b becomes 255 - b; doing it twice gives the bytes back.
void InvertBytes(std::string& bytes) {
    for (char& byte : bytes) {
        byte = static_cast<char>(~static_cast<unsigned char>(byte));
    }
}

// A plain high-score file starts with the length line of its header ("11\n"); inverted
// bytes of a file this program wrote never do.
bool IsPlainHighScoreFile(const std::string& bytes, const std::string& header) {
    std::string lengthLine;
    AppendDecimal(lengthLine, static_cast<int>(header.size()));
    lengthLine += '\n';
    return bytes.compare(0, lengthLine.size(), lengthLine) == 0;
}

void TransferEntries(DataArchive& archive, HighScoreEntry* table) {
    for (int i = 0; i < HighScoreCount; ++i) {
        HighScoreEntry& entry = table[i];
        archive.TransferString(entry.spareText);
        archive.TransferString(entry.difficultyText);
        archive.TransferString(entry.modeText);
        // The unsigned score travels as the int with the same bits, as "%d" would print it.
        int score = static_cast<int>(entry.score);
        archive.TransferInt(score);
        entry.score = static_cast<std::uint32_t>(score);
        archive.TransferInt(entry.level);
    }
}

void TransferSettings(DataArchive& archive, const DataFileSet& files, int& storedLength) {
    // The result is not needed: a missing opening marker switches off every later
    // transfer of the file, so the settings, the sound switch and the length stay as they are.
    archive.BeginSection();
    if (files.serializeSettings) {
        files.serializeSettings(archive);
    }
    archive.EndSection();
    bool spareSound = true;
    archive.TransferBool(files.soundEnabled ? *files.soundEnabled : spareSound);
    archive.TransferInt(storedLength);
}

// The bytes every settings file starts with (the file header and the opening section
// marker), and the marker line alone.
void SettingsOpening(const DataFileSet& files, std::string& opening, std::string& marker) {
    std::string header = files.header;
    int version = files.version;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    const std::size_t headerBytes = static_cast<std::size_t>(archive.ArchiveLength());
    archive.BeginSection();
    opening = archive.CloseArchive();
    marker = opening.substr(headerBytes);
}

// Reads the folders' files into files and learns what may be saved over them.
void LoadFolders(FileStore& store, const DataFolders& folders, const DataFileSet& files,
                 DataFileState& state) {
    const KeptFileSet pair = FilePairSet(
        [&files](const std::string& bytes) { return RecordedHighScoreLength(bytes, files); });
    const FoundFiles found = ReadKeptFiles(store, folders, pair, state);
    const FoundFile& table = found[HighScoreFile];
    const FoundFile& settings = found[SettingsFile];
    // Bytes of a file that was not read whole are empty: it loads like a missing one.
    state.recordedLength = LoadDataBytes(settings.bytes, table.bytes, files);
    state.settingsWritable = settings.status != ReadStatus::Unreadable && !state.cutSavePending;
    state.highScoresWritable = table.status != ReadStatus::Unreadable;
    state.settingsMayGoAlone = !state.fromFallback;
    // A table in the fallback folder is never saved over, so needs no copy.
    const bool unmatched = !state.fromFallback && table.status == ReadStatus::Ok &&
                           !HighScoreLengthMatches(table.bytes, state.recordedLength);
    state.unmatchedTable = unmatched ? table.bytes : std::string();
}

// Keeps the bytes of a table that failed the length check before it is first saved
// over; false while they could not be kept.
bool KeepUnmatchedTable(FileStore& store, DataFileState& state) {
    if (state.unmatchedTable.empty()) {
        return true;
    }
    const std::string table = FilePairPathsIn(state.folder).highScores;
    if (KeepSetAsideCopy(store, table, state.unmatchedTable).empty()) {
        return false;
    }
    state.unmatchedTable.clear();
    return true;
}

void SaveFiles(FileStore& store, const DataFileSet& files, DataFileState& state) {
    if (!state.settingsWritable || !ReadyToSave(store, state)) {
        return;
    }
    const SettingsBytesFor settingsFor = [&files](int storedLength) {
        return SettingsFileBytes(files, storedLength);
    };
    if (!state.highScoresWritable || !KeepUnmatchedTable(store, state)) {
        if (state.settingsMayGoAlone) {
            CommitSettings(store, state.folder, settingsFor(state.recordedLength));
        }
        return;
    }
    switch (CommitPair(store, state.folder, HighScoreFileBytes(files), settingsFor,
                       state.settingsMayGoAlone, state.recordedLength)) {
    case CommitResult::Pair: state.settingsMayGoAlone = true; break;
    case CommitResult::Unfinished: state.settingsWritable = false; break;
    case CommitResult::SettingsAlone:
    case CommitResult::Nothing: break;
    }
}

// Any file under the marker's name counts, whatever it holds or whether it can be read.
bool IsInstalledCopy(FileStore& store, const std::string& programFolder) {
    std::string ignored;
    return store.Read(programFolder + InstalledMarkerName, 0, ignored) != ReadStatus::Missing;
}

} // namespace

int LoadDataBytes(const std::string& settingsBytes, const std::string& highScoreBytes,
                  const DataFileSet& files) {
    std::string header = files.header;
    int version = files.version;
    int storedLength = 0;
    DataArchive archive;
    // Opening bytes in memory for reading cannot fail; a missing file arrives as no bytes,
    // which reads exactly like a file that cannot be opened.
    archive.OpenArchive(settingsBytes, header, version, ArchiveRead);
    TransferSettings(archive, files, storedLength);
    archive.CloseArchive();

    std::string plain = highScoreBytes;
    if (!IsPlainHighScoreFile(plain, files.header)) {
        InvertBytes(plain);
    }
    HighScoreEntry spareTable[HighScoreCount];
    HighScoreEntry* table = files.highScores ? files.highScores : spareTable;
    archive.OpenArchive(std::move(plain), header, version, ArchiveRead);
    TransferEntries(archive, table);
    archive.CloseArchive();
    if (!HighScoreLengthMatches(highScoreBytes, storedLength)) {
        for (int i = 0; i < HighScoreCount; ++i) {
            table[i].score = 0;
        }
    }
    return storedLength;
}

bool HighScoreLengthMatches(const std::string& highScoreBytes, int storedLength) {
    return static_cast<long long>(highScoreBytes.size()) == storedLength;
}

std::string HighScoreFileBytes(const DataFileSet& files) {
    std::string header = files.header;
    int version = files.version;
    HighScoreEntry emptyTable[HighScoreCount];
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    TransferEntries(archive, files.highScores ? files.highScores : emptyTable);
    std::string bytes = archive.CloseArchive();
    InvertBytes(bytes);
    return bytes;
}

std::string SettingsFileBytes(const DataFileSet& files, int storedLength) {
    std::string header = files.header;
    int version = files.version;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    TransferSettings(archive, files, storedLength);
    return archive.CloseArchive();
}

int RecordedHighScoreLength(const std::string& settingsBytes, const DataFileSet& files) {
    std::string opening;
    std::string marker;
    SettingsOpening(files, opening, marker);
    if (settingsBytes.compare(0, opening.size(), opening) != 0) {
        return -1;
    }
    const std::size_t closing = settingsBytes.find(marker, opening.size());
    if (closing == std::string::npos) {
        return -1;
    }
    // After the closing marker: the sound switch and the length, and nothing more.
    const std::string tail = settingsBytes.substr(closing + marker.size());
    if (tail.size() < 4 || (tail[0] != '0' && tail[0] != '1') || tail[1] != '\n') {
        return -1;
    }
    const int length = ParseDecimal(tail.c_str() + 2);
    std::string expected = tail.substr(0, 2);
    AppendDecimal(expected, length);
    expected += '\n';
    return length >= 0 && tail == expected ? length : -1;
}

DataFolders ChooseDataFolders(FileStore& store, const std::string& programFolder) {
    const std::string userFolder = store.UserDataFolder();
    const bool keptBeside =
        !IsInstalledCopy(store, programFolder) && store.FolderWritable(programFolder);
    if (userFolder.empty() || keptBeside) {
        return {programFolder, std::string()};
    }
    return {userFolder, programFolder};
}

std::string DataFolderForThisRun() {
    return DataFoldersForThisRun().save;
}

DataFolders DataFoldersForThisRun() {
    if (TestStore != nullptr) {
        return TestStoreFolders;
    }
    if (!DataFolder.empty()) {
        return {DataFolder, std::string()};
    }
    return ChooseDataFolders(SystemFileStore(), ProgramFolder());
}

FileStore& DataStoreForThisRun() {
    return TestStore != nullptr ? *TestStore : SystemFileStore();
}

void LoadDataFiles(const DataFileSet& files, DataFileState& state) {
    LoadDataFilesWith(DataStoreForThisRun(), DataFoldersForThisRun(), files, state);
}

void SaveDataFiles(const DataFileSet& files, DataFileState& state) {
    SaveDataFilesWith(DataStoreForThisRun(), files, state);
}

void LoadDataFilesWith(FileStore& store, const DataFolders& folders, const DataFileSet& files,
                       DataFileState& state) {
    // Running out of memory leaves the load unfinished, and so nothing is saved.
    state.loaded = WithoutThrowing([&]() {
        LoadFolders(store, folders, files, state);
        return true;
    });
}

void SaveDataFilesWith(FileStore& store, const DataFileSet& files, DataFileState& state) {
    // Running out of memory: what is on disk stays, at worst with a leftover temporary
    // file that the next start clears away.
    WithoutThrowing([&]() {
        SaveFiles(store, files, state);
        return true;
    });
}

void SetDataFolderForTests(const std::string& folder) {
    DataFolder = folder;
}

void SetDataStoreForTests(FileStore* store, const DataFolders& folders) {
    TestStore = store;
    TestStoreFolders = folders;
}
