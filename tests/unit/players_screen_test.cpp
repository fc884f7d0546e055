// "Who is playing?" driven through the running game by keys, typed characters and clicks,
// against an in-memory store: where the program opens, what each key of the list does,
// the name entry's limits and refusals, the removal's question, and the setup screen's
// control and key P.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/sound.h"
#include "base/key_translation.h"
#include "game/arithmetic_game.h"
#include "support/fake_clock.h"
#include "support/game_driver.h"
#include "support/hook_guards.h"
#include "support/memory_file_store.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"

namespace {

const std::string ProgramFolder = "D:\\games\\quickfigure\\";

enum class Where { MainMenu, Setup, Players };

class PlayersScreenTest : public testing::Test {
  protected:
    PlayersScreenTest() : surface(640, 480) {
        store.folders.insert(ProgramFolder);
        SetDataStoreForTests(&store, {ProgramFolder, std::string()});
    }
    ~PlayersScreenTest() override {
        game.reset();
        ClearInputList();
        SetDataStoreForTests(nullptr, DataFolders());
        SoundEnabled = true;
    }

    // A start of the program, and its first frame.
    ArithmeticGame& Start() {
        game.reset();
        game = std::make_unique<ArithmeticGame>();
        game->OnStart();
        Frame();
        return *game;
    }
    // A program with the named players besides "Player 1", started again on them; the
    // last one added plays.
    ArithmeticGame& StartWith(const std::vector<std::string>& names) {
        store.files.clear();
        store.folders = {ProgramFolder};
        Start();
        for (const std::string& name : names) {
            EXPECT_TRUE(game->AddPlayer(name));
        }
        game->OnExit();
        return Start();
    }
    void Frame() {
        ClearInputList();
        game->DrawFrame();
    }
    void Key(int key) {
        PressKey(*game, key);
        Frame();
    }
    void Keys(const std::vector<int>& keys) {
        for (int key : keys) {
            Key(key);
        }
    }
    // Characters as the window hands them on, one frame after each.
    void Type(const std::string& text) {
        for (char c : text) {
            game->onCharacter(static_cast<unsigned char>(c));
            Frame();
        }
    }
    void Click(const Widget& widget) {
        const Point centre{widget.x + widget.width / 2, widget.y + widget.height / 2};
        DispatchPress(centre);
        game->OnMouseDown(centre.x, centre.y);
        DispatchRelease(centre);
        Frame();
    }
    Where Shown() const {
        if (game->screen == ScreenState::MainMenu) {
            return Where::MainMenu;
        }
        EXPECT_TRUE(game->IsInGame() && game->setupMode);
        return game->shownScreen == GameScreen::Players ? Where::Players : Where::Setup;
    }
    std::string CurrentName() const { return game->roster.Current().name; }

    LayoutViewportGuard viewport{640, 480};
    MemoryFileStore store;
    FakeClock clock;
    SoundRecorder sounds;
    TestSurface surface;
    std::unique_ptr<ArithmeticGame> game;
};

} // namespace

TEST_F(PlayersScreenTest, OpensOnWhoIsPlayingOnlyWithTwoOrMorePlayers) {
    const struct {
        std::vector<std::string> added;
        Where expected;
    } cases[] = {{{}, Where::MainMenu}, {{"Ann"}, Where::Players}, {{"Ann", "Bo"}, Where::Players}};
    for (const auto& c : cases) {
        ArithmeticGame& started = StartWith(c.added);
        EXPECT_EQ(Shown(), c.expected) << c.added.size() << " added";
        if (c.expected == Where::Players) {
            EXPECT_EQ(started.players.chosen, started.roster.current) << "the last to play";
        }
    }
}

TEST_F(PlayersScreenTest, ListKeysChooseMoveAndLeave) {
    // Three players, "Bo" (the third) last to play; one column at 640 x 480.
    const struct {
        const char* what;
        std::vector<int> keys;
        Where where;
        std::string current;
        int players;
    } cases[] = {
        {"Enter takes the chosen", {KeyCode::Return}, Where::MainMenu, "Bo", 3},
        {"Space takes the chosen", {KeyCode::Space}, Where::MainMenu, "Bo", 3},
        {"1 takes the first", {'1'}, Where::MainMenu, "Player 1", 3},
        {"2 takes the second", {'2'}, Where::MainMenu, "Ann", 3},
        {"4 is nobody", {'4'}, Where::Players, "Bo", 3},
        {"Up then Enter", {KeyCode::Up, KeyCode::Return}, Where::MainMenu, "Ann", 3},
        {"Left twice",
         {KeyCode::Left, KeyCode::Left, KeyCode::Return},
         Where::MainMenu,
         "Player 1",
         3},
        {"Down stops at the last", {KeyCode::Down, KeyCode::Return}, Where::MainMenu, "Bo", 3},
        {"Esc: the main menu as the current player", {KeyCode::Escape}, Where::MainMenu, "Bo", 3},
        {"Delete asks, Y removes", {KeyCode::Up, KeyCode::Delete, 'Y'}, Where::Players, "Bo", 2},
        {"Delete asks, Esc keeps", {KeyCode::Delete, KeyCode::Escape}, Where::Players, "Bo", 3},
        {"Delete asks, N keeps", {KeyCode::Delete, 'N'}, Where::Players, "Bo", 3},
        {"Delete asks, Enter keeps", {KeyCode::Delete, KeyCode::Return}, Where::Players, "Bo", 3},
        {"Delete asks, 1 keeps", {KeyCode::Delete, '1'}, Where::Players, "Bo", 3},
        {"the current player removed", {KeyCode::Delete, 'Y'}, Where::Players, "Player 1", 2},
    };
    for (const auto& c : cases) {
        StartWith({"Ann", "Bo"});
        Keys(c.keys);
        EXPECT_EQ(Shown(), c.where) << c.what;
        EXPECT_EQ(CurrentName(), c.current) << c.what;
        EXPECT_EQ(game->roster.players.size(), static_cast<std::size_t>(c.players)) << c.what;
        EXPECT_EQ(game->players.mode, PlayersScreen::Mode::List) << c.what;
    }
}

TEST_F(PlayersScreenTest, NameEntryTakesAllowedCharactersUpToSixteenAndShowsRefusals) {
    const struct {
        const char* what;
        std::string typed;
        int backspaces;
        std::string added; // empty: refused with the roster's message
    } cases[] = {
        {"a name", "Bo", 0, "Bo"},
        {"accented letters", "Zo\xEB \xC9mile", 0, "Zo\xEB \xC9mile"},
        {"hyphen and apostrophe", "O'Neil-Smith", 0, "O'Neil-Smith"},
        {"trimmed", "  Cy  ", 0, "Cy"},
        {"others ignored", "A*b/c!", 0, "Abc"},
        {"sixteen at most", "Abcdefghijklmnopqrst", 0, "Abcdefghijklmnop"},
        {"Backspace deletes", "Boxy", 2, "Bo"},
        {"empty", "", 0, ""},
        {"only spaces", "   ", 0, ""},
        {"taken, ignoring case", "ANN", 0, ""},
    };
    for (const auto& c : cases) {
        StartWith({"Ann"});
        // The N key, then its own character, which the window sends before the next frame.
        PressKey(*game, 'N');
        game->onCharacter('n');
        Frame();
        Type(c.typed);
        for (int i = 0; i < c.backspaces; ++i) {
            Key(KeyCode::Backspace);
        }
        const std::string typed = game->players.typed;
        Key(KeyCode::Return);
        if (c.added.empty()) {
            EXPECT_EQ(Shown(), Where::Players) << c.what;
            EXPECT_EQ(game->players.mode, PlayersScreen::Mode::Entry) << c.what;
            EXPECT_FALSE(game->players.message.empty()) << c.what;
            EXPECT_EQ(game->players.message, game->roster.RefusalFor(typed)) << c.what;
            EXPECT_EQ(game->roster.players.size(), 2u) << c.what;
        } else {
            EXPECT_EQ(Shown(), Where::Setup) << c.what << ": a new player goes to setup";
            EXPECT_EQ(CurrentName(), c.added) << c.what;
            EXPECT_EQ(game->roster.players.size(), 3u) << c.what;
        }
    }
}

TEST_F(PlayersScreenTest, EscCancelsTheEntryAndRenameStartsFromTheName) {
    StartWith({"Ann"});
    Key('N');
    Type("Bo");
    Key(KeyCode::Escape);
    EXPECT_EQ(game->players.mode, PlayersScreen::Mode::List);
    EXPECT_EQ(game->roster.players.size(), 2u);

    Key('R');
    EXPECT_EQ(game->players.typed, "Ann");
    Key(KeyCode::Backspace);
    Type("nie");
    Key(KeyCode::Return);
    EXPECT_EQ(game->players.mode, PlayersScreen::Mode::List);
    EXPECT_EQ(CurrentName(), "Annie");
    EXPECT_EQ(Shown(), Where::Players);
}

TEST_F(PlayersScreenTest, TheOnlyPlayerAndAFullRosterSaySo) {
    Start();
    Keys({'1', 'P', KeyCode::Delete});
    EXPECT_EQ(Shown(), Where::Players);
    EXPECT_EQ(game->players.mode, PlayersScreen::Mode::List) << "no question for the only one";
    EXPECT_FALSE(game->players.message.empty());
    EXPECT_EQ(game->roster.players.size(), 1u);

    for (int i = 2; game->roster.players.size() < static_cast<std::size_t>(MaxPlayers); ++i) {
        ASSERT_TRUE(game->AddPlayer("P" + std::to_string(i)));
    }
    Keys({KeyCode::Escape, '1', 'P', 'N'});
    EXPECT_EQ(game->players.mode, PlayersScreen::Mode::List);
    EXPECT_FALSE(game->players.message.empty());
}

TEST_F(PlayersScreenTest, TheSetupControlAndKeyPOpenItAndAChoiceReturnsToSetup) {
    const struct {
        const char* how;
        bool click;
    } cases[] = {{"key P", false}, {"the control", true}};
    for (const auto& c : cases) {
        StartWith({"Ann"});
        Key(KeyCode::Escape);
        Key('1');
        ASSERT_EQ(Shown(), Where::Setup);
        if (c.click) {
            Click(game->players.setupButton);
        } else {
            Key('P');
        }
        EXPECT_EQ(Shown(), Where::Players) << c.how;
        Key('1');
        EXPECT_EQ(Shown(), Where::Setup) << c.how;
        EXPECT_EQ(CurrentName(), "Player 1") << c.how;
    }
}

TEST_F(PlayersScreenTest, ProgressScreenNamesThePlayerOnlyAmongSeveral) {
    Start();
    Keys({'1', '9'});
    EXPECT_TRUE(game->progress.screen.playerName.empty());
    Keys({'0', 'P', 'N'});
    Type("Ann");
    Keys({KeyCode::Return, '9'});
    EXPECT_EQ(game->progress.screen.playerName, "Ann");
}
