// The load and save sequences of settings.dat and highscores.dat. The high-score file is
// inverted and checked in memory only: the copy on disk is never turned plain, so a crash
// cannot leave it unreadable, and a plain file an older run left behind is recognised by
// its first line and read as it is. Saves replace each file in one step.
#include "shell/data_files.h"

#include <cstdint>
#include <utility>

#include "shell/file_store.h"
#include "text/number_text.h"
#include "text/program_path.h"

namespace {

constexpr char SettingsFileName[] = "settings.dat";
constexpr char HighScoreFileName[] = "highscores.dat";

// Set only by tests; empty means the program's folder.
std::string DataFolder;

std::string DataFilePath(const char* name) {
    if (!DataFolder.empty()) {
        return DataFolder + name;
    }
    std::string path;
    ResolveProgramPath(path, name);
    return path;
}

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

// The length of the file now at path, 0 when there is none.
int LengthOnDisk(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return static_cast<int>(bytes.size());
}

} // namespace

void LoadDataBytes(const std::string& settingsBytes, const std::string& highScoreBytes,
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
    const int fileLength = archive.ArchiveLength();
    archive.CloseArchive();
    if (fileLength != storedLength) {
        for (int i = 0; i < HighScoreCount; ++i) {
            table[i].score = 0;
        }
    }
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

void LoadDataFiles(const DataFileSet& files) {
    std::string settingsBytes;
    std::string highScoreBytes;
    ReadWholeFile(DataFilePath(SettingsFileName), settingsBytes);
    ReadWholeFile(DataFilePath(HighScoreFileName), highScoreBytes);
    LoadDataBytes(settingsBytes, highScoreBytes, files);
}

void SaveDataFiles(const DataFileSet& files) {
    const std::string highScorePath = DataFilePath(HighScoreFileName);
    const std::string highScoreBytes = HighScoreFileBytes(files);
    int storedLength = static_cast<int>(highScoreBytes.size());
    if (!WriteFileAtomically(highScorePath, highScoreBytes)) {
        // The previous file is still there: record its length, so the table it holds
        // still loads instead of being emptied by a length that belongs to no file.
        storedLength = LengthOnDisk(highScorePath);
    }
    WriteFileAtomically(DataFilePath(SettingsFileName), SettingsFileBytes(files, storedLength));
}

void SetDataFolderForTests(const std::string& folder) {
    DataFolder = folder;
}
