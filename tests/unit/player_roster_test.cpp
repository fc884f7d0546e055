// Players' names and the roster: every refused kind of name with its message, accented
// letters in both cases, the length limit and trimming; adding, renaming and removing
// players, the folder numbers they get, the current player and the limit of players.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/player_names.h"
#include "shell/player_roster.h"
#include "support/sample_players.h"

namespace {

constexpr char Empty[] = "Type a name first.";
constexpr char Taken[] = "Another player has that name.";
constexpr char TooLong[] = "A name has at most 16 characters.";
constexpr char BadCharacter[] = "Use letters, digits, spaces, hyphens and apostrophes.";

std::vector<int> Folders(const PlayerRoster& roster) {
    std::vector<int> folders;
    for (const Player& player : roster.players) {
        folders.push_back(player.folder);
    }
    return folders;
}

} // namespace

TEST(PlayerNames, EachRefusedKindOfNameHasItsMessage) {
    const struct {
        std::string name;
        const char* refusal;
    } cases[] = {
        {"", Empty},
        {"    ", Empty},
        {"ZO\xCB", Taken}, // capital E with a diaeresis against the small one
        {"  player 1 ", Taken},
        {"\x9A\xC1RKA o'neil-2", Taken}, // s with a caron, capital A acute
        {std::string(17, 'a'), TooLong},
        {" " + std::string(16, '\xFF') + " ", ""},
        {"Ann_a", BadCharacter},
        {"Ann\ta", BadCharacter},
        {"2\xD7"
         "3",
         BadCharacter}, // the multiplication sign
        {"2\xF7"
         "3",
         BadCharacter},            // the division sign
        {"\xA0Lee", BadCharacter}, // a no-break space
        {"Bj\xF6rn \xDF\x9F\x8C\x8E", ""},
        {"O'Brien-Smith 2", ""},
    };
    PlayerRoster roster = SampleRoster();
    roster.players[0].name = "Player 1";
    roster.players[2].name = "Zo\xEB";
    for (const auto& c : cases) {
        EXPECT_EQ(roster.RefusalFor(c.name), c.refusal) << '"' << c.name << '"';
    }
    EXPECT_EQ(roster.RefusalFor("zo\xCB", 2), "") << "a player may change the case of their name";
}

TEST(PlayerNames, CharactersAllowedAreLettersDigitsSpaceHyphenAndApostrophe) {
    for (int code : std::initializer_list<int>{'A',  'Z',  'a',  'z',  '0',  '9',  ' ',  '-',
                                               '\'', 0xC0, 0xD6, 0xD8, 0xDF, 0xF6, 0xF8, 0xFF,
                                               0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F}) {
        EXPECT_TRUE(NameCharacterAllowed(static_cast<unsigned char>(code))) << code;
    }
    for (int code : std::initializer_list<int>{0, '\t', '\n', '_', '.', '@', '/', '\\', 0x7F, 0x80,
                                               0x89, 0x8B, 0x9B, 0xA0, 0xBF, 0xD7, 0xF7}) {
        EXPECT_FALSE(NameCharacterAllowed(static_cast<unsigned char>(code))) << code;
    }
}

TEST(PlayerNames, CaseIsIgnoredForEveryLetterThatHasTwo) {
    for (int capital = 'A'; capital <= 0xDE; ++capital) {
        const bool paired = capital <= 'Z' || (capital >= 0xC0 && capital != 0xD7);
        const std::string upper(1, static_cast<char>(capital));
        const std::string lower(1, static_cast<char>(capital + 0x20));
        EXPECT_EQ(SameName("x" + upper, "x" + lower), paired) << capital;
    }
    for (const char* pair : {"\x8A\x9A", "\x8C\x9C", "\x8E\x9E", "\x9F\xFF"}) {
        EXPECT_TRUE(SameName(std::string(1, pair[0]), std::string(1, pair[1]))) << pair;
    }
    EXPECT_FALSE(SameName("\xDF", "\xFF"));
    EXPECT_FALSE(SameName("Ann", "Anna"));
    EXPECT_EQ(TrimmedName("  Ann Lee  "), "Ann Lee");
}

TEST(PlayerRoster, StartsWithOnePlayerWhoCannotBeRemoved) {
    PlayerRoster roster;
    ASSERT_EQ(roster.players.size(), 1u);
    EXPECT_EQ(roster.Current().name, "Player 1");
    EXPECT_EQ(roster.Current().folder, 0);
    EXPECT_TRUE(roster.IsDefault());
    EXPECT_FALSE(roster.Remove(0));
    roster.players[0].lastPlayed = "2026-12-08 19:52";
    EXPECT_TRUE(roster.IsDefault()) << "a game played changes nothing to save";
    EXPECT_TRUE(roster.Rename(0, "Ann"));
    EXPECT_FALSE(roster.IsDefault());
}

TEST(PlayerRoster, NewPlayersTakeTheLowestFreeFolderAndPlayAtOnce) {
    PlayerRoster roster;
    for (const char* name : {" Ann ", "Ben", "Cy"}) {
        ASSERT_TRUE(roster.Add(name));
        EXPECT_EQ(roster.Current().name, TrimmedName(name));
    }
    EXPECT_FALSE(roster.Add("ann"));
    EXPECT_EQ(roster.current, 3) << "a refused name changed the current player";
    EXPECT_TRUE(roster.Remove(2)); // Ben, while Cy plays
    EXPECT_EQ(roster.Current().name, "Cy");
    ASSERT_TRUE(roster.Add("Dee"));
    EXPECT_EQ(Folders(roster), (std::vector<int>{0, 1, 3, 2}));
    EXPECT_TRUE(roster.Remove(3)); // Dee, who plays: the first player takes over
    EXPECT_EQ(roster.current, 0);
    EXPECT_TRUE(roster.Remove(0)) << "the first player goes while others exist";
    EXPECT_EQ(Folders(roster), (std::vector<int>{1, 3}));
    EXPECT_FALSE(roster.Rename(1, "ANN"));
    EXPECT_FALSE(roster.Rename(2, "Eve"));
    EXPECT_TRUE(roster.Rename(1, " Cyd "));
    EXPECT_EQ(roster.players[1].name, "Cyd");
}

TEST(PlayerRoster, HoldsFortyPlayersInDistinctFolders) {
    PlayerRoster roster;
    for (int i = 2; i <= MaxPlayers; ++i) {
        ASSERT_TRUE(roster.Add("Pupil " + std::to_string(i)));
    }
    EXPECT_TRUE(roster.Full());
    EXPECT_FALSE(roster.Add("One more"));
    EXPECT_EQ(roster.players.size(), static_cast<std::size_t>(MaxPlayers));
    const std::vector<int> folders = Folders(roster);
    EXPECT_EQ(std::set<int>(folders.begin(), folders.end()).size(), folders.size());
    EXPECT_TRUE(roster.Valid());
    EXPECT_TRUE(FullRoster().Valid());
}
