// The progress file's format: the file header, the two practice switches, the chosen facts
// (six numbers), the fluency threshold, the number of games played, then the facts (each
// eleven numbers and its recent answers after their count), the games (each eleven values)
// and the milestones (each three values), each list after its count. The second version
// lacks the threshold, each fact's right answers timed and recent answers, each game's
// number and the milestones; the first also the chosen facts and each game's facts and
// whether it was calm. Nothing here may throw out of a load or save.
#include "progress/progress_file.h"

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>

#include "progress/fluency.h"
#include "progress/operations.h"
#include "shell/data_archive.h"
#include "shell/kept_files.h"

namespace {

constexpr char ProgressFileName[] = "progress.dat";
constexpr char OlderVersionSuffix[] = ".v";
// Longest date a milestone holds: far more than "2026-12-08".
constexpr std::size_t MaxMilestoneDateBytes = 64;

void TransferUnsigned(DataArchive& archive, std::uint32_t& value) {
    // Travels as the int with the same bits, like the high-score table's scores.
    int bits = static_cast<int>(value);
    archive.TransferInt(bits);
    value = static_cast<std::uint32_t>(bits);
}

void TransferRecent(DataArchive& archive, FactRecord& fact) {
    int count = static_cast<int>(fact.recent.size());
    archive.TransferInt(count);
    if (!archive.IsWriting()) {
        if (count < 0 || count > RecentAnswerCount) {
            fact.operation = 0; // fails the check
            count = 0;
        }
        fact.recent.resize(static_cast<std::size_t>(count));
    }
    for (RecentAnswer& answer : fact.recent) {
        archive.TransferInt(answer.ms);
        archive.TransferBool(answer.right);
    }
}

void TransferFact(DataArchive& archive, FactRecord& fact, int version) {
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
    if (version == ProgressVersion) {
        archive.TransferInt(fact.timed);
        TransferRecent(archive, fact);
    }
}

// A number kept in a narrower type; one out of its range reads back as another number,
// which the exact-bytes check then refuses.
template <typename T> void TransferNarrow(DataArchive& archive, T& value) {
    int number = static_cast<int>(value);
    archive.TransferInt(number);
    value = static_cast<T>(number);
}

void TransferFactChoice(DataArchive& archive, FactChoice& choice) {
    TransferNarrow(archive, choice.tables);
    archive.TransferInt(choice.typedTable);
    archive.TransferInt(choice.otherFactorMax);
    TransferNarrow(archive, choice.band);
    TransferNarrow(archive, choice.pace);
    archive.TransferInt(choice.calmRound);
}

void TransferGame(DataArchive& archive, GameRecord& game, int version) {
    archive.TransferString(game.when);
    archive.TransferInt(game.difficulty);
    archive.TransferString(game.operations);
    TransferUnsigned(archive, game.score);
    for (int* field : {&game.level, &game.right, &game.wrong, &game.medianMs}) {
        archive.TransferInt(*field);
    }
    if (version != FirstProgressVersion) {
        archive.TransferString(game.facts);
        archive.TransferBool(game.calm);
    }
    if (version == ProgressVersion) {
        archive.TransferInt(game.number);
    }
}

void TransferMilestone(DataArchive& archive, Milestone& milestone) {
    TransferNarrow(archive, milestone.operation);
    archive.TransferInt(milestone.number);
    archive.TransferString(milestone.date);
}

void TransferBool(DataArchive& archive, bool& value) {
    archive.TransferBool(value);
}

void TransferInt(DataArchive& archive, int& value) {
    archive.TransferInt(value);
}

bool RecentHolds(const FactRecord& fact) {
    return fact.recent.size() <= static_cast<std::size_t>(fact.asked) &&
           std::all_of(fact.recent.begin(), fact.recent.end(), [](const RecentAnswer& answer) {
               return answer.ms >= 0 && answer.ms <= MaxAnswerMs &&
                      (answer.right || answer.ms == 0);
           });
}

// Each problem answered right gives at most one time, none longer than the longest kept;
// without one there is no total and no best; the best is never slower than the average
// (unless the total has stopped at its limit).
bool TimesHold(const FactRecord& fact) {
    const long long problems = static_cast<long long>(fact.right) + fact.wrong;
    const bool bestHolds =
        fact.timed == 0 ? fact.totalMs == 0 && fact.bestMs == 0
                        : fact.totalMs == INT_MAX || fact.bestMs <= fact.totalMs / fact.timed;
    return fact.timed >= 0 && fact.timed <= problems && fact.totalMs >= 0 &&
           fact.totalMs <= static_cast<long long>(fact.timed) * MaxAnswerMs && fact.bestMs >= 0 &&
           fact.bestMs <= MaxAnswerMs && bestHolds;
}

// An earlier version timed every first answer, right or wrong.
bool OlderTimesHold(const FactRecord& fact) {
    const long long timed = static_cast<long long>(fact.right) + fact.wrong;
    return fact.totalMs >= 0 && fact.totalMs <= timed * MaxAnswerMs && fact.bestMs >= 0 &&
           fact.bestMs <= MaxAnswerMs;
}

bool FactHolds(const FactRecord& fact, int gamesPlayed, int version) {
    const bool timesHold =
        version == ProgressVersion ? TimesHold(fact) && RecentHolds(fact) : OlderTimesHold(fact);
    return KnownOperation(fact.operation) && fact.right >= 0 && fact.wrong >= 0 &&
           fact.skipped >= 0 &&
           static_cast<long long>(fact.right) + fact.wrong + fact.skipped == fact.asked &&
           timesHold && fact.lastGame >= 0 && fact.lastGame <= gamesPlayed;
}

// An earlier version's times of a fact as right-answer times: the total where it holds right
// answers only, else the best right answer's alone, so the best is never slower than the
// average; without a right answer, none.
void UpgradeTimes(FactRecord& fact) {
    fact.timed = fact.wrong == 0 ? fact.right : std::min(fact.right, 1);
    if (fact.timed == 0) {
        fact.totalMs = 0;
        fact.bestMs = 0;
    } else if (fact.wrong != 0) {
        fact.totalMs = fact.bestMs;
    } else if (fact.totalMs != INT_MAX) {
        // No game left a best slower than its average; a file may.
        fact.bestMs = std::min(fact.bestMs, fact.totalMs / fact.timed);
    }
}

// A few words of printable text, as DescribeFacts writes them.
bool FactsTextHolds(const std::string& facts) {
    return facts.size() <= MaxGameFactsBytes &&
           std::all_of(facts.begin(), facts.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

bool GameHolds(const GameRecord& game, int gamesPlayed) {
    return game.difficulty >= 0 && game.difficulty < DifficultyCount && game.level >= 0 &&
           game.right >= 0 && game.wrong >= 0 && game.medianMs >= 0 &&
           game.medianMs <= MaxAnswerMs && FactsTextHolds(game.facts) && game.number >= 0 &&
           game.number <= gamesPlayed;
}

// A table up to the last typed one, or a band up to 100; its date a line of text, as a
// game's is.
bool MilestoneHolds(const Milestone& milestone) {
    return KnownOperation(milestone.operation) && milestone.number >= 1 &&
           milestone.number <= std::max(LastTypedTable, 100) &&
           milestone.date.size() <= MaxMilestoneDateBytes;
}

template <typename T> bool AnyValue(const T&) {
    return true;
}

// The file's parts in their order for a version, each with the check a read one must
// pass. Parts is a PartWriter or a PartReader.
template <typename Parts>
void TransferHistory(Parts& parts, ProgressHistory& history, int version) {
    parts.Field(history.options.weakFacts, TransferBool, AnyValue<bool>);
    parts.Field(history.options.showAnswer, TransferBool, AnyValue<bool>);
    if (version != FirstProgressVersion) {
        parts.Field(history.options.facts, TransferFactChoice,
                    [](const FactChoice& choice) { return choice.Valid(); });
    }
    if (version == ProgressVersion) {
        parts.Field(history.options.fluentSeconds, TransferInt, FluentSecondsAllowed);
    }
    parts.Field(history.gamesPlayed, TransferInt, [](int played) { return played >= 0; });
    std::set<std::tuple<int, int, int>> seen;
    const int played = history.gamesPlayed;
    const auto transferFact = [version](DataArchive& archive, FactRecord& fact) {
        TransferFact(archive, fact, version);
    };
    parts.List(history.facts, MaxProgressFacts, transferFact, [&](const FactRecord& fact) {
        // Every fact listed once.
        return FactHolds(fact, played, version) &&
               seen.insert({fact.operation, fact.operandA, fact.operandB}).second;
    });
    const auto transferGame = [version](DataArchive& archive, GameRecord& game) {
        TransferGame(archive, game, version);
    };
    parts.List(history.games, MaxProgressGames, transferGame,
               [played](const GameRecord& game) { return GameHolds(game, played); });
    if (version == ProgressVersion) {
        std::set<std::pair<int, int>> earned;
        parts.List(history.milestones, MaxMilestones, TransferMilestone,
                   [&](const Milestone& milestone) {
                       return MilestoneHolds(milestone) &&
                              earned.insert({milestone.operation, milestone.number}).second;
                   });
    }
}

// Writes each part in turn.
class PartWriter {
  public:
    explicit PartWriter(DataArchive& to) : archive(to) {}

    template <typename T, typename Transfer, typename Check>
    void Field(T& value, Transfer transfer, Check) {
        transfer(archive, value);
    }
    // The count line, then the records.
    template <typename Record, typename Transfer, typename Check>
    void List(std::vector<Record>& list, int, Transfer transfer, Check) {
        int count = static_cast<int>(list.size());
        archive.TransferInt(count);
        for (Record& record : list) {
            transfer(archive, record);
        }
    }

  private:
    DataArchive& archive;
};

// The file header of a version as a save writes it.
std::string HeaderBytes(int version) {
    std::string header = ProgressHeader;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    return archive.CloseArchive();
}

// The bytes a transfer writes for value, without the file header.
template <typename T, typename Transfer> std::string PartBytes(T value, Transfer transfer) {
    std::string header = ProgressHeader;
    int version = ProgressVersion;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    const std::size_t headerBytes = static_cast<std::size_t>(archive.ArchiveLength());
    transfer(archive, value);
    return archive.CloseArchive().substr(headerBytes);
}

// Reads the parts of a file in turn while each is whole and valid: it passes its check
// and is exactly the bytes a save writes for it. From the first that is not, nothing more
// is taken: what follows damage cannot be trusted to be what it seems. A file of either
// version is read in its own layout.
class PartReader {
  public:
    explicit PartReader(const std::string& file) : bytes(file) {
        std::string header;
        archive.OpenArchive(bytes, header, version, ArchiveRead);
        const std::string opening = HeaderBytes(version);
        intact = version >= FirstProgressVersion && version <= ProgressVersion &&
                 bytes.compare(0, opening.size(), opening) == 0;
        position = opening.size();
    }

    int Version() const { return version; }

    template <typename T, typename Transfer, typename Check>
    void Field(T& value, Transfer transfer, Check check) {
        T read = value;
        if (Take(read, transfer, check)) {
            value = std::move(read);
        }
    }
    // The records after a count in range, each read into the list while it holds.
    template <typename Record, typename Transfer, typename Check>
    void List(std::vector<Record>& list, int limit, Transfer transfer, Check check) {
        int count = 0;
        if (!Take(count, TransferInt, [limit](int n) { return n >= 0 && n <= limit; })) {
            return;
        }
        for (int i = 0; i < count; ++i) {
            Record record;
            if (!Take(record, transfer, check)) {
                return;
            }
            list.push_back(std::move(record));
        }
    }
    // True when every part was taken and nothing follows them.
    bool Whole() const { return intact && position == bytes.size(); }

  private:
    template <typename T, typename Transfer, typename Check>
    bool Take(T& value, Transfer transfer, Check check) {
        if (!intact) {
            return false;
        }
        transfer(archive, value);
        const std::string own = PartBytes(value, transfer);
        intact = check(value) && bytes.compare(position, own.size(), own) == 0;
        position += intact ? own.size() : 0;
        return intact;
    }

    const std::string& bytes;
    DataArchive archive;
    int version = 0;
    std::size_t position = 0;
    bool intact = false;
};

// Keeps a damaged progress.dat under a name never used before, so no earlier copy is lost,
// and saves what was read of it in its place.
void SetAside(FileStore& store, const std::string& path, ProgressHistory& history,
              ProgressFileState& state) {
    const std::string aside = MoveAside(store, path);
    state.writable = !aside.empty();
    state.damagedFileKept = state.writable ? aside : path;
    std::string bytes = ProgressFileBytes(history);
    if (state.writable && ReplaceKeptFile(store, path, bytes)) {
        state.savedBytes = std::move(bytes);
    }
}

void LoadFrom(FileStore& store, const DataFolders& folders, ProgressHistory& history,
              ProgressFileState& state) {
    const KeptFileSet set{{ProgressFileName}, MaxProgressFileBytes, nullptr};
    FoundFile file = std::move(ReadKeptFiles(store, folders, set, state).front());
    // One that cannot be read is never saved over, nor shadowed by a new history in the
    // save folder when it is in the fallback one.
    state.writable = file.status != ReadStatus::Unreadable;
    const bool read = file.status == ReadStatus::Ok;
    const bool whole = read && RecoverProgressBytes(file.bytes, history);
    if (state.fromFallback) {
        if (read && !whole) {
            state.damagedFileKept = ProgressFilePath(state.fallbackFolder); // left alone there
        }
    } else if (whole) {
        // Kept until the save that upgrades it has succeeded.
        const int version = PartReader(file.bytes).Version();
        if (version != ProgressVersion) {
            state.olderBytes = file.bytes;
            state.olderVersion = version;
        }
        state.savedBytes = std::move(file.bytes);
    } else if (read || file.status == ReadStatus::TooLarge) {
        SetAside(store, ProgressFilePath(state.folder), history, state);
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
    PartWriter parts(archive);
    TransferHistory(parts, written, version);
    return archive.CloseArchive();
}

bool RecoverProgressBytes(const std::string& bytes, ProgressHistory& history) {
    ProgressHistory read;
    PartReader parts(bytes);
    TransferHistory(parts, read, parts.Version());
    if (parts.Version() != ProgressVersion) {
        std::for_each(read.facts.begin(), read.facts.end(), UpgradeTimes);
    }
    history = std::move(read);
    return parts.Whole();
}

bool ReadProgressBytes(const std::string& bytes, ProgressHistory& history) {
    ProgressHistory read;
    if (!RecoverProgressBytes(bytes, read)) {
        return false;
    }
    history = std::move(read);
    return true;
}

std::string ProgressFilePath(const std::string& folder) {
    return folder + ProgressFileName;
}

std::string ExportPath(const std::string& folder, const char* fileName) {
    return folder + fileName;
}

std::string OlderProgressPath(const std::string& folder, int version) {
    return ProgressFilePath(folder) + OlderVersionSuffix + std::to_string(version);
}

void LoadProgressFile(FileStore& store, const std::string& folder, const std::string& fallback,
                      bool createFolder, ProgressHistory& history, ProgressFileState& state) {
    state = ProgressFileState();
    // Running out of memory leaves the load unfinished, and so nothing is saved over the file.
    state.loaded = WithoutThrowing([&]() {
        LoadFrom(store, {folder, fallback}, history, state);
        return true;
    });
    state.createFolder = createFolder;
}

bool SaveProgressFile(FileStore& store, const ProgressHistory& history, ProgressFileState& state) {
    return state.loaded && state.writable && WithoutThrowing([&]() {
               std::string bytes = ProgressFileBytes(history);
               if (bytes == state.savedBytes) {
                   return true;
               }
               const bool upgrading = !state.olderBytes.empty();
               const std::string older = OlderProgressPath(state.folder, state.olderVersion);
               if (!ReadyToSave(store, state) ||
                   (upgrading && !ReplaceKeptFile(store, older, state.olderBytes)) ||
                   !ReplaceKeptFile(store, ProgressFilePath(state.folder), bytes)) {
                   return false;
               }
               if (upgrading) {
                   store.Remove(older);
                   state.olderBytes.clear();
               }
               state.savedBytes = std::move(bytes);
               return true;
           });
}

bool ExportProgressCsv(FileStore& store, const ProgressFileState& state, const char* fileName,
                       const std::string& text) {
    return WithoutThrowing([&]() {
        return ReadyToSave(store, state) &&
               ReplaceKeptFile(store, ExportPath(state.folder, fileName), text);
    });
}
