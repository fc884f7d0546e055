// The progress file's format: the file header, the two practice switches, the number of
// games played, then the facts (each ten numbers) and the games (each eight values), each
// list after its count. Nothing here may throw out of a load or save.
#include "game/progress_file.h"

#include <set>
#include <tuple>

#include "shell/data_archive.h"
#include "shell/file_pair.h"

namespace {

constexpr char ProgressFileName[] = "progress.dat";
constexpr char CsvFileName[] = "progress.csv";
constexpr char TemporarySuffix[] = ".tmp";
constexpr char SetAsideSuffix[] = ".bad";

void TransferUnsigned(DataArchive& archive, std::uint32_t& value) {
    // Travels as the int with the same bits, like the high-score table's scores.
    int bits = static_cast<int>(value);
    archive.TransferInt(bits);
    value = static_cast<std::uint32_t>(bits);
}

void TransferFact(DataArchive& archive, FactRecord& fact) {
    int operation = fact.operation;
    archive.TransferInt(operation);
    fact.operation = static_cast<std::uint8_t>(operation);
    for (int* field : {&fact.operandA, &fact.operandB, &fact.asked, &fact.right, &fact.wrong,
                       &fact.skipped, &fact.totalMs, &fact.bestMs, &fact.lastGame}) {
        archive.TransferInt(*field);
    }
    if (!archive.IsWriting() && operation != fact.operation) {
        fact.operation = 0; // out of a byte's range: fails the check
    }
}

void TransferGame(DataArchive& archive, GameRecord& game) {
    archive.TransferString(game.when);
    archive.TransferInt(game.difficulty);
    archive.TransferString(game.operations);
    TransferUnsigned(archive, game.score);
    for (int* field : {&game.level, &game.right, &game.wrong, &game.medianMs}) {
        archive.TransferInt(*field);
    }
}

// A list's count line, then its entries; a read count outside 0..limit reads none.
template <typename Record, typename Transfer>
bool TransferList(DataArchive& archive, std::vector<Record>& list, int limit, Transfer transfer) {
    int count = static_cast<int>(list.size());
    if (!archive.TransferInt(count) || count < 0 || count > limit) {
        return false;
    }
    list.resize(static_cast<std::size_t>(count));
    for (Record& record : list) {
        transfer(archive, record);
    }
    return true;
}

void TransferHistory(DataArchive& archive, ProgressHistory& history) {
    archive.TransferBool(history.options.weakFacts);
    archive.TransferBool(history.options.showAnswer);
    archive.TransferInt(history.gamesPlayed);
    TransferList(archive, history.facts, MaxProgressFacts, TransferFact);
    TransferList(archive, history.games, MaxProgressGames, TransferGame);
}

bool KnownOperation(std::uint8_t operation) {
    return operation == OpAdd || operation == OpSubtract || operation == OpMultiply ||
           operation == OpDivide;
}

bool FactHolds(const FactRecord& fact, int gamesPlayed) {
    const long long counted = static_cast<long long>(fact.right) + fact.wrong + fact.skipped;
    return KnownOperation(fact.operation) && fact.right >= 0 && fact.wrong >= 0 &&
           fact.skipped >= 0 && counted == fact.asked && fact.totalMs >= 0 && fact.bestMs >= 0 &&
           fact.bestMs <= MaxAnswerMs && fact.lastGame >= 0 && fact.lastGame <= gamesPlayed;
}

bool GameHolds(const GameRecord& game) {
    return game.difficulty >= 0 && game.difficulty <= 2 && game.level >= 0 && game.right >= 0 &&
           game.wrong >= 0 && game.medianMs >= 0 && game.medianMs <= MaxAnswerMs;
}

// Every count consistent and every fact listed once.
bool HistoryHolds(const ProgressHistory& history) {
    if (history.gamesPlayed < 0) {
        return false;
    }
    std::set<std::tuple<int, int, int>> seen;
    for (const FactRecord& fact : history.facts) {
        if (!FactHolds(fact, history.gamesPlayed) ||
            !seen.insert({fact.operation, fact.operandA, fact.operandB}).second) {
            return false;
        }
    }
    for (const GameRecord& game : history.games) {
        if (!GameHolds(game)) {
            return false;
        }
    }
    return true;
}

bool ReadWhole(const std::string& bytes, ProgressHistory& read) {
    std::string header;
    int version = 0;
    DataArchive archive;
    archive.OpenArchive(bytes, header, version, ArchiveRead);
    TransferHistory(archive, read);
    archive.CloseArchive();
    // Only what a save writes passes: also no stray or missing lines, no odd numbers.
    return header == ProgressHeader && version == ProgressVersion && HistoryHolds(read) &&
           ProgressFileBytes(read) == bytes;
}

// What the folder's progress.dat holds; Missing also for a fallback-only read.
ReadStatus ReadProgress(FileStore& store, const std::string& folder, std::string& bytes) {
    return store.Read(ProgressFilePath(folder), MaxProgressFileBytes, bytes);
}

void LoadFrom(FileStore& store, const std::string& folder, const std::string& fallback,
              ProgressHistory& history, ProgressFileState& state) {
    const std::string path = ProgressFilePath(folder);
    store.Remove(path + TemporarySuffix); // the old file stands over a cut-short save
    std::string bytes;
    ReadStatus status = ReadProgress(store, folder, bytes);
    if (status == ReadStatus::Missing && !fallback.empty()) {
        std::string fallbackBytes;
        status = ReadProgress(store, fallback, fallbackBytes);
        if (status == ReadStatus::Ok) {
            ReadProgressBytes(fallbackBytes, history); // a damaged one there is left alone
        }
        // One there that cannot be read is not shadowed by a new history in folder.
        state.writable = status != ReadStatus::Unreadable;
        return;
    }
    switch (status) {
    case ReadStatus::Missing: state.writable = true; break;
    case ReadStatus::Unreadable: state.writable = false; break; // locked: keep it as it is
    case ReadStatus::Ok:
        if (ReadProgressBytes(bytes, history)) {
            state.savedBytes = bytes;
            state.writable = true;
            break;
        }
        [[fallthrough]];
    case ReadStatus::TooLarge:
        state.writable = store.MoveReplacing(path, path + SetAsideSuffix);
        break;
    }
}

} // namespace

std::string ProgressFileBytes(const ProgressHistory& history) {
    std::string header = ProgressHeader;
    int version = ProgressVersion;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    // The transfer routine serves both directions and assigns as it goes, so it works on
    // a copy: the history may be a const object.
    ProgressHistory written = history;
    TransferHistory(archive, written);
    return archive.CloseArchive();
}

bool ReadProgressBytes(const std::string& bytes, ProgressHistory& history) {
    ProgressHistory read;
    if (!ReadWhole(bytes, read)) {
        return false;
    }
    history = std::move(read);
    return true;
}

std::string ProgressFilePath(const std::string& folder) {
    return folder + ProgressFileName;
}

std::string ProgressCsvPath(const std::string& folder) {
    return folder + CsvFileName;
}

void LoadProgressFile(FileStore& store, const std::string& folder, const std::string& fallback,
                      bool createFolder, ProgressHistory& history, ProgressFileState& state) {
    state = ProgressFileState();
    state.folder = folder;
    state.createFolder = createFolder;
    try {
        LoadFrom(store, folder, fallback, history, state);
        state.loaded = true;
    } catch (...) {
        state.loaded = false; // out of memory: nothing is saved over the file
    }
}

bool SaveProgressFile(FileStore& store, const ProgressHistory& history, ProgressFileState& state) {
    if (!state.loaded || !state.writable) {
        return false;
    }
    try {
        std::string bytes = ProgressFileBytes(history);
        if (bytes == state.savedBytes) {
            return true;
        }
        if (state.createFolder && !store.CreateFolder(state.folder)) {
            return false;
        }
        const std::string path = ProgressFilePath(state.folder);
        if (!ReplaceFile(store, path + TemporarySuffix, path, bytes)) {
            return false;
        }
        state.savedBytes = std::move(bytes);
        return true;
    } catch (...) {
        return false;
    }
}

bool ExportProgressCsv(FileStore& store, const ProgressFileState& state, const std::string& text) {
    if (!state.loaded || (state.createFolder && !store.CreateFolder(state.folder))) {
        return false;
    }
    try {
        const std::string path = ProgressCsvPath(state.folder);
        return ReplaceFile(store, path + TemporarySuffix, path, text);
    } catch (...) {
        return false;
    }
}
