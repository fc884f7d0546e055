// players.dat's format: the file header, the number of players, each player's name,
// folder number and last-played date, then the current player's place in the list. It
// is read strictly: anything but what a save writes for a valid roster is damage, and the
// roster is then rebuilt from the player folders on disk instead of from the file.
#include "shell/players_file.h"

#include "shell/data_archive.h"
#include "shell/file_pair.h"

namespace {

constexpr char PlayersFileName[] = "players.dat";
constexpr char PlayersFolderName[] = "players\\";
constexpr char RemovedFolderName[] = "removed players\\";
// The progress file's own code sits above this folder; a test holds the two names together.
constexpr char ProgressFileName[] = "progress.dat";
// Numbered folders looked at for a free one under removed players\.
constexpr int MaxRemovedFolders = 9999;

void TransferPlayer(DataArchive& archive, Player& player) {
    archive.TransferString(player.name);
    archive.TransferInt(player.folder);
    archive.TransferString(player.lastPlayed);
}

// Writes the roster, or reads one; false when the count read is out of range.
bool TransferRoster(DataArchive& archive, PlayerRoster& roster) {
    int count = static_cast<int>(roster.players.size());
    if (!archive.TransferInt(count) || count < 1 || count > MaxPlayers) {
        return false;
    }
    roster.players.resize(static_cast<std::size_t>(count));
    for (Player& player : roster.players) {
        TransferPlayer(archive, player);
    }
    return archive.TransferInt(roster.current);
}

// A limit of no bytes tells whether something is at path without reading it.
bool Exists(FileStore& store, const std::string& path) {
    std::string ignored;
    return store.Read(path, 0, ignored) != ReadStatus::Missing;
}

bool HoldsPlayerFiles(FileStore& store, const std::string& folder,
                      const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (Exists(store, folder + name)) {
            return true;
        }
    }
    return false;
}

// A player for every folder holding a player's file, in folder order (so the data folder's
// own files stay the first player's), named by place; the default roster when none does.
PlayerRoster RebuiltRoster(FileStore& store, const DataFolders& run) {
    const std::vector<std::string> names = PlayerFileNames();
    PlayerRoster roster;
    roster.players.clear();
    for (int folder = 0; folder <= MaxPlayerFolder && !roster.Full(); ++folder) {
        const DataFolders player = PlayerDataFolders(run, folder);
        if (HoldsPlayerFiles(store, player.save, names) ||
            (!player.fallback.empty() && HoldsPlayerFiles(store, player.fallback, names))) {
            const std::string name = "Player " + std::to_string(roster.players.size() + 1);
            roster.players.push_back({name, folder, std::string()});
        }
    }
    return roster.players.empty() ? PlayerRoster() : roster;
}

// Keeps a copy of the damaged file in the save folder under a name never used before, then
// puts the rebuilt roster in its place (or, for the default roster, no file at all). A
// file read whole is copied rather than moved, so a crash in between still finds it there
// and rebuilds again.
void SetAside(FileStore& store, const FoundFile& file, const PlayerRoster& roster,
              PlayersFileState& state) {
    const std::string path = state.folder + PlayersFileName;
    const std::string kept = file.status == ReadStatus::Ok
                                 ? KeepSetAsideCopy(store, path, file.bytes)
                                 : MoveAside(store, path);
    state.writable = !kept.empty();
    state.damagedFileKept = state.writable ? kept : path;
    if (!state.writable) {
        return;
    }
    if (roster.IsDefault()) {
        store.Remove(path);
        return;
    }
    std::string bytes = PlayersFileBytes(roster);
    if (ReplaceKeptFile(store, path, bytes)) {
        state.savedBytes = std::move(bytes);
    }
}

void LoadFrom(FileStore& store, const DataFolders& run, PlayerRoster& roster,
              PlayersFileState& state) {
    const KeptFileSet set{{PlayersFileName}, MaxPlayersFileBytes, nullptr};
    FoundFile file = std::move(ReadKeptFiles(store, run, set, state).front());
    // One that cannot be read is never saved over, nor shadowed by a new file in the save
    // folder when it is in the fallback one.
    state.writable = file.status != ReadStatus::Unreadable;
    if (file.status == ReadStatus::Missing) {
        return;
    }
    if (file.status == ReadStatus::Ok && ReadPlayersBytes(file.bytes, roster)) {
        if (!state.fromFallback) {
            state.savedBytes = std::move(file.bytes);
        }
        return;
    }
    roster = RebuiltRoster(store, run);
    state.rebuilt = true;
    if (state.fromFallback || file.status == ReadStatus::Unreadable) {
        state.damagedFileKept =
            (state.fromFallback ? state.fallbackFolder : state.folder) + PlayersFileName;
        return;
    }
    SetAside(store, file, roster, state);
}

// The first numbered folder under removed players\ in folder that holds none of a
// player's files; empty when none of the first MaxRemovedFolders is free.
std::string FreeRemovedFolder(FileStore& store, const std::string& folder) {
    for (int number = 1; number <= MaxRemovedFolders; ++number) {
        const std::string candidate = folder + RemovedFolderName + std::to_string(number) + "\\";
        if (!HoldsPlayerFiles(store, candidate, PlayerFileNames())) {
            return candidate;
        }
    }
    return std::string();
}

} // namespace

std::string PlayersFileBytes(const PlayerRoster& roster) {
    std::string header = PlayersHeader;
    int version = PlayersVersion;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    // The transfer serves both directions and assigns as it goes, so it works on a copy.
    PlayerRoster written = roster;
    TransferRoster(archive, written);
    return archive.CloseArchive();
}

bool ReadPlayersBytes(const std::string& bytes, PlayerRoster& roster) {
    std::string header;
    int version = 0;
    DataArchive archive;
    archive.OpenArchive(bytes, header, version, ArchiveRead);
    PlayerRoster read;
    // Writing the roster read again and comparing proves the header, every line's form
    // and that nothing follows.
    if (!TransferRoster(archive, read) || !read.Valid() || PlayersFileBytes(read) != bytes) {
        return false;
    }
    roster = std::move(read);
    return true;
}

std::vector<std::string> PlayerFileNames() {
    const FilePairPaths pair = FilePairPathsIn(std::string());
    return {pair.settings, pair.highScores, ProgressFileName};
}

std::string PlayerFolderPath(const std::string& dataFolder, int folder) {
    if (folder == 0) {
        return dataFolder;
    }
    return dataFolder + PlayersFolderName + std::to_string(folder) + "\\";
}

DataFolders PlayerDataFolders(const DataFolders& run, int folder) {
    return {PlayerFolderPath(run.save, folder),
            run.fallback.empty() ? std::string() : PlayerFolderPath(run.fallback, folder)};
}

bool MakePlayerFolder(FileStore& store, const DataFolders& run, int folder) {
    return store.CreateFolder(run.save) &&
           (folder == 0 || (store.CreateFolder(run.save + PlayersFolderName) &&
                            store.CreateFolder(PlayerFolderPath(run.save, folder))));
}

void LoadPlayersFile(FileStore& store, const DataFolders& run, PlayerRoster& roster,
                     PlayersFileState& state) {
    state = PlayersFileState();
    // Running out of memory leaves the load unfinished, and so nothing is saved over the file.
    state.loaded = WithoutThrowing([&]() {
        LoadFrom(store, run, roster, state);
        return true;
    });
}

bool SavePlayersFile(FileStore& store, const PlayerRoster& roster, PlayersFileState& state) {
    return state.loaded && state.writable && WithoutThrowing([&]() {
               std::string bytes = PlayersFileBytes(roster);
               // Without a file anywhere, the default roster is what the next start finds.
               const bool noFile = state.savedBytes.empty() && !state.fromFallback;
               if (bytes == state.savedBytes || (noFile && roster.IsDefault())) {
                   return true;
               }
               if (!ReadyToSave(store, state) ||
                   !ReplaceKeptFile(store, state.folder + PlayersFileName, bytes)) {
                   return false;
               }
               state.savedBytes = std::move(bytes);
               return true;
           });
}

bool MoveRemovedPlayerFiles(FileStore& store, const DataFolders& run, int folder,
                            std::string& movedTo) {
    movedTo.clear();
    const std::string from = PlayerFolderPath(run.save, folder);
    std::vector<std::string> present;
    for (const std::string& name : PlayerFileNames()) {
        if (Exists(store, from + name)) {
            present.push_back(name);
        }
    }
    if (present.empty()) {
        return true;
    }
    const std::string to = FreeRemovedFolder(store, run.save);
    if (to.empty() || !store.CreateFolder(run.save + RemovedFolderName) ||
        !store.CreateFolder(to)) {
        return false;
    }
    movedTo = to;
    for (const std::string& name : present) {
        if (!store.MoveReplacing(from + name, to + name)) {
            return false;
        }
    }
    return true;
}
