// players.dat: its exact bytes, round trips, the strict reader refusing each kind of
// damage; the load without a file, with a damaged, oversized or locked one (set aside and
// the roster rebuilt from the player folders, their files kept) and from the fallback
// folder; saves cut short at each step; player folders; and a removed player's files
// moved under removed players\ without losing one.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "progress/progress_file.h"
#include "shell/file_pair.h"
#include "shell/players_file.h"
#include "support/fault_sweep.h"
#include "support/memory_file_store.h"
#include "support/sample_players.h"

namespace {

const std::string SaveFolder = "C:\\users\\pupil\\AppData\\Local\\Quickfigure\\";
const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string Players = SaveFolder + "players.dat";

bool Accepts(const std::string& bytes) {
    PlayerRoster roster = SampleRoster();
    const bool read = ReadPlayersBytes(bytes, roster);
    EXPECT_TRUE(read || PlayersFileBytes(roster) == PlayersFileBytes(SampleRoster()))
        << "a refused file changed the roster";
    return read;
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

class PlayersStore : public ::testing::Test {
  protected:
    PlayersStore() { store.folders = {SaveFolder, ProgramFolder}; }

    PlayerRoster Load(PlayersFileState& state, const std::string& fallback = std::string()) {
        PlayerRoster roster;
        LoadPlayersFile(store, {SaveFolder, fallback}, roster, state);
        return roster;
    }
    PlayerRoster Load() {
        PlayersFileState state;
        return Load(state);
    }

    // One file of each of the given player folders, each with its own bytes.
    void PutPlayerFiles(const std::vector<int>& folders) {
        for (int folder : folders) {
            const std::string name = PlayerFileNames()[static_cast<std::size_t>(folder) % 3];
            store.files[PlayerFolderPath(SaveFolder, folder) + name].bytes = std::to_string(folder);
        }
    }

    // Every file but players.dat and its copies is as it was in before.
    void ExpectPlayerFilesKept(const MemoryFileStore& before) {
        for (const auto& entry : before.files) {
            if (entry.first.compare(0, Players.size(), Players) != 0) {
                EXPECT_EQ(store.Bytes(entry.first), entry.second.bytes) << entry.first;
            }
        }
    }

    MemoryFileStore store;
};

} // namespace

TEST(PlayersFileFormat, ASmallRosterWritesExactlyTheseBytes) {
    PlayerRoster roster;
    roster.Add("Zo\xEB");
    roster.players[1].lastPlayed = "2026-12-08 19:52";
    EXPECT_EQ(PlayersFileBytes(roster), "19\nQuickfigure players\n1\n0\n"
                                        "2\n8\nPlayer 1\n0\n0\n"
                                        "3\nZo\xEB\n1\n16\n2026-12-08 19:52\n"
                                        "1\n");
}

TEST(PlayersFileFormat, ARoundTripKeepsEveryByte) {
    for (const PlayerRoster& roster : {PlayerRoster(), SampleRoster(), FullRoster()}) {
        const std::string bytes = PlayersFileBytes(roster);
        EXPECT_LE(bytes.size(), MaxPlayersFileBytes);
        PlayerRoster read;
        ASSERT_TRUE(ReadPlayersBytes(bytes, read));
        EXPECT_EQ(PlayersFileBytes(read), bytes);
        EXPECT_EQ(read.Current().name, roster.Current().name);
    }
}

TEST(PlayersFileReader, RefusesEveryRosterNoSaveWrites) {
    const std::function<void(PlayerRoster&)> damages[] = {
        [](PlayerRoster& r) { r.players.clear(); },
        [](PlayerRoster& r) {
            r = FullRoster(), r.players.push_back({"One more", 0, ""});
        },
        [](PlayerRoster& r) { r.current = 3; },
        [](PlayerRoster& r) { r.current = -1; },
        [](PlayerRoster& r) { r.players[1].name = " Ann"; },
        [](PlayerRoster& r) { r.players[1].name = ""; },
        [](PlayerRoster& r) { r.players[1].name = "Ann_Lee"; },
        [](PlayerRoster& r) { r.players[1].name = std::string(17, 'a'); },
        [](PlayerRoster& r) { r.players[1].name = "zo\xCB"; },
        [](PlayerRoster& r) { r.players[1].folder = 2; },
        [](PlayerRoster& r) { r.players[1].folder = -1; },
        [](PlayerRoster& r) { r.players[1].folder = MaxPlayerFolder + 1; },
        [](PlayerRoster& r) { r.players[1].lastPlayed = "2026-12-08\t19:52"; },
        [](PlayerRoster& r) {
            r.players[1].lastPlayed = std::string(MaxLastPlayedLength + 1, '9');
        },
    };
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        PlayerRoster roster = SampleRoster();
        damages[i](roster);
        EXPECT_FALSE(Accepts(PlayersFileBytes(roster))) << "damage " << i;
    }
}

TEST(PlayersFileReader, RefusesBytesNoSaveWrites) {
    const std::string bytes = PlayersFileBytes(SampleRoster());
    ASSERT_TRUE(Accepts(bytes));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(Accepts(bytes.substr(0, length))) << "cut to " << length;
    }
    for (const std::string& changed :
         {bytes + "\n", bytes + "1\n", Replaced(bytes, "players\n1\n", "players\n2\n"),
          Replaced(bytes, "19\nQuickfigure players", "20\nQuickfigure progress"),
          Replaced(bytes, "\n4\n", "\n04\n"), Replaced(bytes, "\n4\n", "\n4\r\n"),
          Replaced(bytes, "\n3\n", "\n+3\n")}) {
        EXPECT_FALSE(Accepts(changed)) << changed;
    }
}

TEST(PlayerFolders, NumberedFoldersUnderPlayersAndTheFirstInTheDataFolder) {
    EXPECT_EQ(PlayerFolderPath(SaveFolder, 0), SaveFolder);
    EXPECT_EQ(PlayerFolderPath(SaveFolder, 12), SaveFolder + "players\\12\\");
    const DataFolders both = PlayerDataFolders({SaveFolder, ProgramFolder}, 3);
    EXPECT_EQ(both.fallback, ProgramFolder + "players\\3\\");
    EXPECT_EQ(PlayerDataFolders({SaveFolder, ""}, 3).fallback, "");
    MemoryFileStore store;
    EXPECT_TRUE(MakePlayerFolder(store, {SaveFolder, ProgramFolder}, 3));
    EXPECT_EQ(store.folders,
              (std::set<std::string>{SaveFolder, SaveFolder + "players\\", both.save}));
    const FilePairPaths pair = FilePairPathsIn("");
    EXPECT_EQ(PlayerFileNames(),
              (std::vector<std::string>{pair.settings, pair.highScores, ProgressFilePath("")}));
}

TEST_F(PlayersStore, WithoutAFileOnePlayerPlaysAndNothingIsWritten) {
    PlayersFileState state;
    PlayerRoster roster = Load(state);
    EXPECT_TRUE(roster.IsDefault());
    roster.players[0].lastPlayed = "2026-12-08 19:52";
    EXPECT_TRUE(SavePlayersFile(store, roster, state));
    EXPECT_EQ(store.steps, 0);
    ASSERT_TRUE(roster.Add("Ann"));
    EXPECT_TRUE(SavePlayersFile(store, roster, state));
    EXPECT_EQ(PlayersFileBytes(Load()), PlayersFileBytes(roster));
}

TEST_F(PlayersStore, ADamagedFileIsKeptAsideAndTheRosterRebuiltFromThePlayerFolders) {
    for (const std::string& damaged :
         {Replaced(PlayersFileBytes(SampleRoster()), "\n4\n", "\n04\n"),
          std::string(MaxPlayersFileBytes + 1, '\n')}) {
        store.files.clear();
        PutPlayerFiles({0, 2, 5, MaxPlayerFolder});
        store.files[SaveFolder + "removed players\\1\\settings.dat"].bytes = "gone";
        store.files[Players].bytes = damaged;
        const MemoryFileStore before = store;
        PlayersFileState state;
        const PlayerRoster roster = Load(state);
        PlayerRoster expected;
        expected.players = {{"Player 1", 0, ""},
                            {"Player 2", 2, ""},
                            {"Player 3", 5, ""},
                            {"Player 4", MaxPlayerFolder, ""}};
        EXPECT_EQ(PlayersFileBytes(roster), PlayersFileBytes(expected));
        EXPECT_TRUE(state.rebuilt);
        EXPECT_EQ(state.damagedFileKept, Players + ".bad");
        EXPECT_EQ(store.Bytes(Players + ".bad"), damaged);
        EXPECT_EQ(PlayersFileBytes(Load()), PlayersFileBytes(expected)) << "saved in its place";
        ExpectPlayerFilesKept(before);
    }
}

TEST_F(PlayersStore, ADamagedFileWithOnlyTheFirstPlayersFilesLeavesNoFile) {
    PutPlayerFiles({0});
    store.files[Players].bytes = "damaged";
    EXPECT_TRUE(Load().IsDefault());
    EXPECT_FALSE(store.Has(Players));
    EXPECT_EQ(store.Bytes(Players + ".bad"), "damaged");
}

TEST_F(PlayersStore, ALockedFileIsNeverOverwritten) {
    PutPlayerFiles({0, 4});
    store.files[Players].bytes = PlayersFileBytes(SampleRoster());
    store.locked.insert(Players);
    PlayersFileState state;
    PlayerRoster roster = Load(state);
    EXPECT_EQ(roster.players.size(), 2u) << "rebuilt from the folders to play on";
    EXPECT_EQ(state.damagedFileKept, Players);
    roster.Add("Ann");
    store.locked.clear();
    EXPECT_FALSE(SavePlayersFile(store, roster, state));
    EXPECT_EQ(store.Bytes(Players), PlayersFileBytes(SampleRoster()));
    EXPECT_FALSE(store.Has(Players + ".bad"));
}

TEST_F(PlayersStore, TheFallbackFolderIsReadWhileTheSaveFolderHasNone) {
    store.folders.erase(SaveFolder);
    const std::string programFile = ProgramFolder + "players.dat";
    store.files[programFile].bytes = PlayersFileBytes(SampleRoster());
    PlayersFileState state;
    const PlayerRoster roster = Load(state, ProgramFolder);
    EXPECT_EQ(PlayersFileBytes(roster), PlayersFileBytes(SampleRoster()));
    EXPECT_TRUE(SavePlayersFile(store, roster, state));
    EXPECT_EQ(store.Bytes(Players), PlayersFileBytes(SampleRoster()));
    EXPECT_EQ(store.Bytes(programFile), PlayersFileBytes(SampleRoster()));
}

TEST_F(PlayersStore, ASaveCutShortAtAnyStepLeavesTheOldRosterOrTheNewOne) {
    PlayerRoster after = SampleRoster();
    after.Add("Dee");
    for (const PlayerRoster& old : {PlayerRoster(), SampleRoster()}) {
        store.files.clear();
        if (!old.IsDefault()) {
            store.files[Players].bytes = PlayersFileBytes(old);
        }
        const MemoryFileStore initial = store;
        SweepFaults(3, [&](const FaultPlan& plan) {
            store = initial;
            PlayersFileState state;
            Load(state);
            plan.Arm(store);
            SavePlayersFile(store, after, state);
            store.Restart();
            const std::string next = PlayersFileBytes(Load(state));
            EXPECT_TRUE(next == PlayersFileBytes(old) || next == PlayersFileBytes(after));
            EXPECT_FALSE(store.Has(Players + ".bad"));
            EXPECT_FALSE(store.Has(Players + ".tmp"));
            EXPECT_TRUE(SavePlayersFile(store, after, state));
            EXPECT_EQ(PlayersFileBytes(Load()), PlayersFileBytes(after));
        });
    }
}

TEST_F(PlayersStore, ARemovedPlayersFilesMoveToTheFirstFreeRemovedFolder) {
    const std::string removed = SaveFolder + "removed players\\";
    store.files[removed + "1\\highscores.dat"].bytes = "earlier";
    for (int folder : {3, 0}) {
        const std::string from = PlayerFolderPath(SaveFolder, folder);
        store.files[from + "settings.dat"].bytes = "settings " + std::to_string(folder);
        store.files[from + "progress.dat"].bytes = "progress " + std::to_string(folder);
        std::string movedTo;
        EXPECT_TRUE(MoveRemovedPlayerFiles(store, {SaveFolder, ""}, folder, movedTo));
        EXPECT_EQ(movedTo, removed + (folder == 3 ? "2\\" : "3\\"));
        EXPECT_EQ(store.Bytes(movedTo + "settings.dat"), "settings " + std::to_string(folder));
        EXPECT_EQ(store.Bytes(movedTo + "progress.dat"), "progress " + std::to_string(folder));
        EXPECT_FALSE(store.Has(from + "settings.dat") || store.Has(from + "progress.dat"));
    }
    EXPECT_EQ(store.Bytes(removed + "1\\highscores.dat"), "earlier");
}

TEST_F(PlayersStore, ARemovedPlayerWithoutFilesOrWithAHeldOneLosesNothing) {
    const std::set<std::string> folders = store.folders;
    std::string movedTo = "stale";
    EXPECT_TRUE(MoveRemovedPlayerFiles(store, {SaveFolder, ""}, 7, movedTo));
    EXPECT_EQ(movedTo, "");
    EXPECT_EQ(store.folders, folders) << "nothing to move, nothing made";
    PutPlayerFiles({6, 7, 8});
    const std::string held = PlayerFolderPath(SaveFolder, 7) + PlayerFileNames()[2];
    store.files[PlayerFolderPath(SaveFolder, 7) + "settings.dat"].bytes = "mine";
    store.files[held].bytes = "held";
    store.locked.insert(held);
    EXPECT_FALSE(MoveRemovedPlayerFiles(store, {SaveFolder, ""}, 7, movedTo));
    EXPECT_EQ(store.Bytes(movedTo + "settings.dat"), "mine");
    EXPECT_EQ(store.Bytes(held), "held");
}
