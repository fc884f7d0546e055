// The players in the running game, against an in-memory store: one player's files stay
// exactly where and as they were, with no players.dat; each player's settings, table and
// history are kept apart and a switch saves the current player's before reading the next;
// a removed player's files wait under "removed players\"; a program folder that cannot
// be written keeps every player in the per-user folder; refused changes change nothing;
// and no fault during a switch loses either player's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/sound.h"
#include "game/arithmetic_game.h"
#include "progress/progress_file.h"
#include "progress/progress_history.h"
#include "shell/players_file.h"
#include "support/fake_clock.h"
#include "support/fault_sweep.h"
#include "support/hook_guards.h"
#include "support/memory_file_store.h"
#include "support/shell_data.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"

namespace {

const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string UserFolder = "C:\\users\\pupil\\AppData\\Local\\Quickfigure\\";
const std::string FirstRemoved = "removed players\\1\\";

// A store that notes every file read and every file moved into place, in order.
class NotingStore : public MemoryFileStore {
  public:
    ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) override {
        events.push_back("read " + path);
        return MemoryFileStore::Read(path, maxBytes, out);
    }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        events.push_back("placed " + to);
        return MemoryFileStore::MoveReplacing(from, to);
    }
    // Where event first happened; the number of events when it never did.
    std::size_t First(const std::string& event) const {
        std::size_t at = 0;
        while (at < events.size() && events[at] != event) {
            ++at;
        }
        return at;
    }

    std::vector<std::string> events;
};

// What the game holds of settings.dat and highscores.dat, as the data-file tests see it.
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

// What a folder's settings.dat and highscores.dat hold.
ShellData FoundIn(const MemoryFileStore& store, const std::string& folder) {
    ShellData data;
    LoadDataBytes(store.Bytes(folder + "settings.dat"), store.Bytes(folder + "highscores.dat"),
                  data.Files());
    return data;
}

// Settings, a five-best entry and a game in the history that a new player does not have.
void PlayAs(ArithmeticGame& game, std::uint32_t score) {
    game.operations.divideEnabled = !game.operations.divideEnabled;
    SoundEnabled = !SoundEnabled;
    game.highScores[0] = {"", "+ -", "Hard", score, 4};
    GameRecord record;
    record.score = score;
    game.progress.history.RecordGame(record);
}

std::vector<std::string> Names(const PlayerRoster& roster) {
    std::vector<std::string> names;
    for (const Player& player : roster.players) {
        names.push_back(player.name);
    }
    return names;
}

class PlayersInShell : public testing::Test {
  protected:
    PlayersInShell() : surface(640, 480) {
        store.folders.insert(ProgramFolder);
        UseFolders({ProgramFolder, std::string()});
    }
    ~PlayersInShell() override {
        game.reset();
        ClearInputList();
        SetDataStoreForTests(nullptr, DataFolders());
        SoundEnabled = true; // as the program starts
    }

    void UseFolders(const DataFolders& folders) { SetDataStoreForTests(&store, folders); }
    // A start of the program; Exit ends it as closing the window does.
    ArithmeticGame& Start() {
        game.reset();
        SoundEnabled = true;
        game = std::make_unique<ArithmeticGame>();
        game->OnStart();
        return *game;
    }
    void Exit() {
        game->OnExit();
        game.reset();
    }
    // Two players: "Player 1" with played data, then "Ann" with hers, who plays now.
    ArithmeticGame& StartTwoPlayers() {
        ArithmeticGame& shell = Start();
        PlayAs(shell, 3000);
        playerOne = HeldBy(shell);
        EXPECT_TRUE(shell.AddPlayer("Ann"));
        PlayAs(shell, 700);
        ann = HeldBy(shell);
        return shell;
    }
    std::string AnnsFolder() const { return PlayerFolderPath(ProgramFolder, 1); }

    LayoutViewportGuard viewport{640, 480};
    NotingStore store;
    FakeClock clock;
    SoundRecorder sounds;
    TestSurface surface;
    std::unique_ptr<ArithmeticGame> game;
    ShellData playerOne;
    ShellData ann;
};

} // namespace

TEST_F(PlayersInShell, OnePlayerKeepsTodaysFilesAndBytesWithoutAPlayersFile) {
    ArithmeticGame& shell = Start();
    PlayAs(shell, 1234);
    shell.EndGame(); // the player's last-played date changes; there is still one player
    shell.gameOver = false;
    ShellData held = HeldBy(shell);
    const ProgressHistory history = shell.progress.history;
    Exit();

    const std::set<std::string> expected = {ProgramFolder + "highscores.dat",
                                            ProgramFolder + "progress.dat",
                                            ProgramFolder + "settings.dat"};
    std::set<std::string> found;
    for (const auto& file : store.files) {
        found.insert(file.first);
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(store.folders, std::set<std::string>{ProgramFolder}) << "no players\\ folder";
    const std::string table = HighScoreFileBytes(held.Files());
    EXPECT_EQ(store.Bytes(ProgramFolder + "highscores.dat"), table);
    EXPECT_EQ(store.Bytes(ProgramFolder + "settings.dat"),
              SettingsFileBytes(held.Files(), static_cast<int>(table.size())));
    EXPECT_EQ(store.Bytes(ProgramFolder + "progress.dat"), ProgressFileBytes(history));
}

TEST_F(PlayersInShell, EachPlayerKeepsTheirOwnFilesAndANewPlayerStartsFromTheDefaults) {
    const ShellData defaults = HeldBy(Start());
    ArithmeticGame& shell = Start();
    PlayAs(shell, 3000);
    const ShellData first = HeldBy(shell);
    ASSERT_TRUE(shell.AddPlayer("Ann"));
    EXPECT_EQ(shell.roster.Current().name, "Ann");
    ExpectSameData(HeldBy(shell), defaults);
    EXPECT_TRUE(shell.progress.history.games.empty()) << "the first player's game stays theirs";
    ExpectSameData(FoundIn(store, ProgramFolder), first);

    PlayAs(shell, 700);
    const ShellData second = HeldBy(shell);
    ASSERT_TRUE(shell.SwitchPlayer(0));
    ExpectSameData(HeldBy(shell), first);
    ASSERT_EQ(shell.progress.history.games.size(), 1u);
    EXPECT_EQ(shell.progress.history.games[0].score, 3000u);
    ExpectSameData(FoundIn(store, AnnsFolder()), second);
    EXPECT_TRUE(store.Has(AnnsFolder() + "progress.dat"));
    Exit();

    ArithmeticGame& again = Start();
    EXPECT_EQ(Names(again.roster), (std::vector<std::string>{"Player 1", "Ann"}));
    EXPECT_EQ(again.roster.current, 0) << "the last player chosen";
    ExpectSameData(HeldBy(again), first);
    ASSERT_TRUE(again.SwitchPlayer(1));
    ExpectSameData(HeldBy(again), second);
}

TEST_F(PlayersInShell, ASwitchPutsTheChangesOnDiskBeforeTheNextPlayersFilesAreRead) {
    ArithmeticGame& shell = StartTwoPlayers();
    store.events.clear();
    ASSERT_TRUE(shell.SwitchPlayer(0));
    const std::size_t annsSaved = store.First("placed " + AnnsFolder() + "settings.dat");
    const std::size_t firstRead = store.First("read " + ProgramFolder + "settings.dat");
    ASSERT_LT(annsSaved, store.events.size()) << "Ann's settings were saved";
    ASSERT_LT(firstRead, store.events.size()) << "the first player's settings were read";
    EXPECT_LT(annsSaved, firstRead);
    EXPECT_LT(store.First("placed " + AnnsFolder() + "progress.dat"), firstRead);
    ExpectSameData(FoundIn(store, AnnsFolder()), ann);
}

TEST_F(PlayersInShell, ARemovedPlayersFilesWaitUnderRemovedPlayers) {
    struct Case {
        const char* name;
        int current; // who plays when the removal comes
        int removed;
        const char* left;
    };
    const Case cases[] = {
        {"the current player", 1, 1, "Player 1"},
        {"another player", 0, 1, "Player 1"},
        {"the first player, while another exists", 1, 0, "Ann"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store = NotingStore();
        store.folders.insert(ProgramFolder);
        ArithmeticGame& shell = StartTwoPlayers();
        ASSERT_TRUE(shell.SwitchPlayer(c.current));
        const ShellData& gone = c.removed == 0 ? playerOne : ann;
        const ShellData& stays = c.removed == 0 ? ann : playerOne;
        const std::string goneFolder = PlayerFolderPath(ProgramFolder, c.removed);

        ASSERT_TRUE(shell.RemovePlayer(c.removed));
        EXPECT_EQ(Names(shell.roster), std::vector<std::string>{c.left});
        ExpectSameData(HeldBy(shell), stays);
        ExpectSameData(FoundIn(store, ProgramFolder + FirstRemoved), gone);
        EXPECT_TRUE(store.Has(ProgramFolder + FirstRemoved + "progress.dat"));
        EXPECT_FALSE(store.Has(goneFolder + "settings.dat")) << "moved, not copied";
        Exit();
        EXPECT_EQ(Names(Start().roster), std::vector<std::string>{c.left});
    }
}

TEST_F(PlayersInShell, AReadOnlyProgramFolderKeepsEveryPlayerInTheUserFolder) {
    PlayAs(Start(), 3000);
    const ShellData first = HeldBy(*game);
    Exit();
    const auto programFiles = store.files;
    store.readOnlyFolders.insert(ProgramFolder);
    store.userFolder = UserFolder;
    UseFolders(ChooseDataFolders(store, ProgramFolder));

    ArithmeticGame& shell = Start();
    ExpectSameData(HeldBy(shell), first);
    ASSERT_TRUE(shell.AddPlayer("Ann"));
    PlayAs(shell, 700);
    const ShellData second = HeldBy(shell);
    Exit();

    for (const auto& file : store.files) {
        if (file.first.compare(0, ProgramFolder.size(), ProgramFolder) == 0) {
            EXPECT_EQ(programFiles.count(file.first), 1u) << file.first << " was written";
        }
    }
    EXPECT_EQ(store.files.size(), programFiles.size() + 7) << "each player's three and players.dat";
    ExpectSameData(FoundIn(store, UserFolder), first);
    ExpectSameData(FoundIn(store, PlayerFolderPath(UserFolder, 1)), second);
    EXPECT_TRUE(store.Has(UserFolder + "players.dat"));

    ArithmeticGame& again = Start();
    EXPECT_EQ(Names(again.roster), (std::vector<std::string>{"Player 1", "Ann"}));
    ExpectSameData(HeldBy(again), second);
}

TEST_F(PlayersInShell, RefusedChangesChangeNothing) {
    const std::vector<std::pair<const char*, std::function<bool(GameShell&)>>> refusals = {
        {"switch to -1", [](GameShell& s) { return s.SwitchPlayer(-1); }},
        {"switch past the last", [](GameShell& s) { return s.SwitchPlayer(2); }},
        {"add an empty name", [](GameShell& s) { return s.AddPlayer("   "); }},
        {"add a name in another case", [](GameShell& s) { return s.AddPlayer("player 1"); }},
        {"rename to another's name", [](GameShell& s) { return s.RenamePlayer(0, "ANN"); }},
        {"rename nobody", [](GameShell& s) { return s.RenamePlayer(2, "Bo"); }},
        {"remove nobody", [](GameShell& s) { return s.RemovePlayer(2); }},
    };
    StartTwoPlayers();
    Exit();
    const auto files = store.files;
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.first);
        ArithmeticGame& again = Start();
        const int steps = store.steps;
        EXPECT_FALSE(refusal.second(again));
        EXPECT_EQ(store.steps, steps) << "nothing written";
        EXPECT_EQ(Names(again.roster), (std::vector<std::string>{"Player 1", "Ann"}));
        EXPECT_EQ(again.roster.current, 1);
        ExpectSameData(HeldBy(again), ann);
        Exit();
        EXPECT_EQ(store.files.size(), files.size());
    }
    store.files.clear();
    EXPECT_FALSE(Start().RemovePlayer(0)) << "the only player stays";
}

TEST_F(PlayersInShell, TheLastPlayedDateIsSavedWithTheFinishedGame) {
    ArithmeticGame& shell = StartTwoPlayers();
    shell.screen = ScreenState::Game;
    shell.EndGame();
    const std::string when = shell.roster.Current().lastPlayed;
    EXPECT_FALSE(when.empty());
    EXPECT_TRUE(shell.OnKeyDown(' ', &shell.keys)) << "the game-over screen is dismissed";
    PlayerRoster saved;
    ASSERT_TRUE(ReadPlayersBytes(store.Bytes(ProgramFolder + "players.dat"), saved));
    EXPECT_EQ(saved.Current().lastPlayed, when);
}

TEST_F(PlayersInShell, NoFaultInASwitchLosesEitherPlayersFiles) {
    StartTwoPlayers();
    Exit();
    const NotingStore before = store;
    ArithmeticGame& measured = Start();
    PlayAs(measured, 900);
    const ShellData changed = HeldBy(measured);
    const int start = store.steps;
    measured.SwitchPlayer(0);
    const int steps = store.steps - start;
    game.reset();

    SweepFaults(steps, [&](const FaultPlan& plan) {
        static_cast<MemoryFileStore&>(store) = before;
        ArithmeticGame& shell = Start();
        PlayAs(shell, 900);
        plan.Arm(store);
        shell.SwitchPlayer(0);
        game.reset();
        store.Restart();
        ArithmeticGame& after = Start();
        EXPECT_EQ(Names(after.roster), (std::vector<std::string>{"Player 1", "Ann"}));
        ExpectSameData(FoundIn(store, ProgramFolder), playerOne);
        const ShellData annNow = FoundIn(store, AnnsFolder());
        EXPECT_TRUE(annNow.SameTable(ann) || annNow.SameTable(changed));
        EXPECT_TRUE(annNow.SameSettings(ann) || annNow.SameSettings(changed));
        game.reset();
    });
}
