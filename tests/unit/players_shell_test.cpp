// The players in the running game, against an in-memory store: one player's files stay
// where and as they were, without players.dat; each player's settings, table and history
// are kept apart, a switch saving the current player's before reading the next; a removed
// player's files wait under "removed players\"; a read-only program folder keeps every
// player in the per-user folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

#include "app/sound.h"
#include "game/arithmetic_game.h"
#include "progress/progress_file.h"
#include "shell/players_file.h"
#include "support/fake_clock.h"
#include "support/hook_guards.h"
#include "support/memory_file_store.h"
#include "support/shell_data.h"
#include "support/sound_recorder.h"

namespace {

const std::string Program = "D:\\games\\quickfigure\\";
const std::string User = "C:\\users\\pupil\\AppData\\Local\\Quickfigure\\";

// A store that notes what the file at saved holds when the one at watched is first read.
class WatchingStore : public MemoryFileStore {
  public:
    ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) override {
        if (path == watched && !seen) {
            seen = true;
            heldThen = Bytes(saved);
        }
        return MemoryFileStore::Read(path, maxBytes, out);
    }
    std::string watched, saved, heldThen;
    bool seen = false;
};

ShellData FoundIn(const MemoryFileStore& store, const std::string& folder) {
    ShellData data;
    LoadDataBytes(store.Bytes(folder + "settings.dat"), store.Bytes(folder + "highscores.dat"),
                  data.Files());
    return data;
}

ShellData HeldBy(ArithmeticGame& game) {
    ShellData data;
    std::copy(std::begin(game.highScores), std::end(game.highScores), std::begin(data.table));
    data.sound = SoundEnabled;
    const OperationChoice& ops = game.operations;
    const bool switches[] = {ops.addEnabled, ops.subtractEnabled, ops.multiplyEnabled,
                             ops.divideEnabled};
    std::copy(std::begin(switches), std::end(switches), std::begin(data.ops));
    data.difficulty = game.GetDifficulty();
    return data;
}

// Settings, a five-best entry and a game in the history that a new player does not have.
ShellData PlayAs(ArithmeticGame& game, std::uint32_t score) {
    game.operations.divideEnabled = false;
    SoundEnabled = false;
    game.highScores[0] = {"", "+ -", "Hard", score, 4};
    game.progress.history.RecordGame(GameRecord{});
    return HeldBy(game);
}

class PlayersInShell : public testing::Test {
  protected:
    PlayersInShell() {
        store.folders.insert(Program);
        SetDataStoreForTests(&store, {Program, std::string()});
    }
    ~PlayersInShell() override {
        game.reset();
        SetDataStoreForTests(nullptr, DataFolders());
        SoundEnabled = true;
    }
    ArithmeticGame& Start() {
        game.reset();
        SoundEnabled = true; // as the program starts
        game = std::make_unique<ArithmeticGame>();
        game->OnStart();
        return *game;
    }
    void Exit() { game->OnExit(); }

    LayoutViewportGuard viewport{640, 480};
    WatchingStore store;
    FakeClock clock;
    SoundRecorder sounds;
    std::unique_ptr<ArithmeticGame> game;
};

} // namespace

TEST_F(PlayersInShell, OnePlayerKeepsTodaysFilesAndBytesWithoutAPlayersFile) {
    ShellData held = PlayAs(Start(), 1234);
    game->NoteGamePlayed();
    const std::string progress = ProgressFileBytes(game->progress.history);
    Exit();
    EXPECT_EQ(store.files.size(), 3u) << "no players.dat";
    EXPECT_EQ(store.folders.size(), 1u) << "no players\\ folder";
    const std::string table = HighScoreFileBytes(held.Files());
    EXPECT_EQ(store.Bytes(Program + "highscores.dat"), table);
    EXPECT_EQ(store.Bytes(Program + "settings.dat"),
              SettingsFileBytes(held.Files(), static_cast<int>(table.size())));
    EXPECT_EQ(store.Bytes(Program + "progress.dat"), progress);
}

TEST_F(PlayersInShell, EachPlayerHasTheirOwnFilesAndASwitchSavesFirst) {
    const ShellData defaults = HeldBy(Start());
    const ShellData first = PlayAs(*game, 3000);
    ASSERT_TRUE(game->AddPlayer("Ann"));
    ExpectSameData(HeldBy(*game), defaults);
    EXPECT_TRUE(game->progress.history.games.empty());
    const ShellData ann = PlayAs(*game, 700);
    const std::string annsFolder = PlayerFolderPath(Program, 1);
    store.watched = Program + "settings.dat";
    store.saved = annsFolder + "settings.dat";
    EXPECT_FALSE(game->SwitchPlayer(2));
    ASSERT_TRUE(game->SwitchPlayer(0));
    EXPECT_EQ(store.heldThen, store.Bytes(annsFolder + "settings.dat")) << "saved before";
    ExpectSameData(HeldBy(*game), first);
    EXPECT_EQ(game->progress.history.games.size(), 1u);
    ExpectSameData(FoundIn(store, annsFolder), ann);
    Exit();
    ASSERT_TRUE(Start().SwitchPlayer(1));
    ExpectSameData(HeldBy(*game), ann);
}

TEST_F(PlayersInShell, ARemovedPlayersFilesWaitUnderRemovedPlayers) {
    const struct { int current, removed; } cases[] = {{1, 1}, {0, 1}, {1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE("current " + std::to_string(c.current) + ", removed " +
                     std::to_string(c.removed));
        store.files.clear();
        const ShellData first = PlayAs(Start(), 3000);
        ASSERT_TRUE(game->AddPlayer("Ann"));
        const ShellData data[] = {first, HeldBy(*game)};
        ASSERT_TRUE(game->SwitchPlayer(c.current));
        ASSERT_TRUE(game->RemovePlayer(c.removed));
        EXPECT_EQ(game->roster.players.size(), 1u);
        ExpectSameData(HeldBy(*game), data[1 - c.removed]);
        ExpectSameData(FoundIn(store, Program + "removed players\\1\\"), data[c.removed]);
        EXPECT_FALSE(store.Has(PlayerFolderPath(Program, c.removed) + "settings.dat"));
    }
}

TEST_F(PlayersInShell, AReadOnlyProgramFolderKeepsEveryPlayerInTheUserFolder) {
    const ShellData first = PlayAs(Start(), 3000);
    Exit();
    store.readOnlyFolders.insert(Program);
    store.userFolder = User;
    SetDataStoreForTests(&store, ChooseDataFolders(store, Program));
    ExpectSameData(HeldBy(Start()), first);
    ASSERT_TRUE(game->AddPlayer("Ann"));
    const ShellData ann = PlayAs(*game, 700);
    Exit();
    EXPECT_EQ(store.files.size(), 3u + 7u) << "the program folder's three as they were";
    ExpectSameData(FoundIn(store, User), first);
    ExpectSameData(FoundIn(store, PlayerFolderPath(User, 1)), ann);
    EXPECT_EQ(Start().roster.players.size(), 2u);
    ExpectSameData(HeldBy(*game), ann);
}
