// libFuzzer target for players.dat: arbitrary bytes as the file (in the save folder or the
// fallback one, held by another program or not, beside a leftover temporary file and
// player folders holding files), in an in-memory store, go through the load; then a
// changed roster is saved with a failure or power cut at a chosen step. Beyond the
// sanitizers it checks that the roster loaded is always valid; that a file is taken
// exactly when the strict reader takes it, and otherwise the roster is rebuilt from the
// folders found and a damaged file in the save folder kept aside whole; that no player's
// file is ever changed; and that after a faulted save the next load finds the roster
// loaded or the one saved.
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/players_fuzz_input.h"
#include "shell/players_file.h"
#include "support/memory_file_store.h"

namespace {

const char SaveFolder[] = "C:\\users\\pupil\\Quickfigure\\";
const char FallbackFolder[] = "D:\\games\\quickfigure\\";
// Fault steps are taken modulo this, a little beyond the longest save.
constexpr int FaultSteps = 6;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "players file fuzzer: %s\n", what);
        std::abort();
    }
}

std::string PlayersPath(const char* folder) {
    return std::string(folder) + "players.dat";
}

MemoryFileStore StoreOf(const PlayersFuzzInput& input) {
    MemoryFileStore store;
    store.folders = {SaveFolder, FallbackFolder};
    for (std::size_t i = 0; i < std::size(PlayerFolderChoices); ++i) {
        if ((input.folders >> i & 1) != 0) {
            const int folder = PlayerFolderChoices[i];
            const std::string name = PlayerFileNames()[i % 3];
            store.files[PlayerFolderPath(i % 2 == 0 ? SaveFolder : FallbackFolder, folder) + name]
                .bytes = name;
        }
    }
    const std::string file = PlayersPath(input.inFallback ? FallbackFolder : SaveFolder);
    if (input.present) {
        store.files[file].bytes = input.playersBytes;
        if (input.locked) {
            store.locked.insert(file);
        }
    }
    if (input.temporary) {
        store.files[PlayersPath(SaveFolder) + ".tmp"].bytes = "left over";
    }
    return store;
}

PlayerRoster Load(MemoryFileStore& store, PlayersFileState& state) {
    PlayerRoster roster;
    LoadPlayersFile(store, {SaveFolder, FallbackFolder}, roster, state);
    return roster;
}

// The folders a rebuilt roster must list, in order: those of the choices holding a file
// within the folder bound, up to the limit of players.
std::vector<int> FoldersFound(const PlayersFuzzInput& input) {
    std::vector<int> folders;
    for (std::size_t i = 0; i < std::size(PlayerFolderChoices); ++i) {
        if ((input.folders >> i & 1) != 0 && PlayerFolderChoices[i] <= MaxPlayerFolder) {
            folders.push_back(PlayerFolderChoices[i]);
        }
    }
    return folders;
}

void CheckLoad(const MemoryFileStore& before, const MemoryFileStore& store,
               const PlayersFuzzInput& input, const PlayerRoster& roster,
               const PlayersFileState& state) {
    Require(state.loaded && roster.Valid(), "the load failed or gave an invalid roster");
    PlayerRoster parsed;
    const bool readable = input.present && !input.locked;
    const bool whole = readable && input.playersBytes.size() <= MaxPlayersFileBytes &&
                       ReadPlayersBytes(input.playersBytes, parsed);
    Require(state.rebuilt == (input.present && !whole), "rebuilt for nothing or not at all");
    if (whole) {
        Require(PlayersFileBytes(roster) == input.playersBytes, "a whole file was not taken");
    } else if (input.present) {
        std::vector<int> folders;
        for (const Player& player : roster.players) {
            folders.push_back(player.folder);
        }
        const std::vector<int> found = FoldersFound(input);
        Require(folders == (found.empty() ? std::vector<int>{0} : found),
                "the rebuilt roster does not list the player folders found");
    }
    const bool setAside = readable && !whole && !input.inFallback;
    const std::string saved = PlayersPath(SaveFolder);
    Require(store.Has(saved + ".bad") == setAside, "a file set aside for nothing or not at all");
    Require(!setAside || store.Bytes(saved + ".bad") == input.playersBytes,
            "the set-aside file is not as it was found");
    for (const auto& entry : before.files) {
        Require(entry.first.find("players.dat") != std::string::npos ||
                    store.Bytes(entry.first) == entry.second.bytes,
                "the load changed a player's file");
    }
}

// A save with a fault at the input's step; the next load finds one of the two rosters.
void CheckFaultedSave(MemoryFileStore& store, PlayersFileState& state,
                      const PlayersFuzzInput& input, const PlayerRoster& loaded) {
    PlayerRoster changed = loaded;
    if (!changed.Add("Fuzz")) {
        changed.Remove(0);
    }
    if (input.faultStep != PlayersFuzzInput::NoFault) {
        (input.crash ? store.crashStep : store.failStep) =
            store.steps + input.faultStep % FaultSteps;
    }
    SavePlayersFile(store, changed, state);
    store.Restart();
    const std::string next = PlayersFileBytes(Load(store, state));
    Require(next == PlayersFileBytes(loaded) || next == PlayersFileBytes(changed),
            "after a faulted save the roster is neither the old one nor the new one");
    Require(!store.Has(PlayersPath(SaveFolder) + ".tmp"), "a temporary file stayed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PlayersFuzzInput input = DecodePlayersFuzzInput(data, size);
    MemoryFileStore store = StoreOf(input);
    const MemoryFileStore initial = store;
    PlayersFileState state;
    const PlayerRoster roster = Load(store, state);
    CheckLoad(initial, store, input, roster, state);
    CheckFaultedSave(store, state, input, roster);
    return 0;
}
