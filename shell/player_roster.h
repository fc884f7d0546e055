// The players of this computer, in the order they are shown, and which one is playing.
// Each player's files live in a folder of their own, named by number so no name ever
// reaches a path: folder 0 is the data folder itself (the first player's, where the
// files have always been), folder n > 0 is players\n\ inside it.
#pragma once

#include <string>
#include <vector>

constexpr int MaxPlayers = 40;
// Highest folder number a player may have; new players take the lowest free one, so
// folders stay near the number of players.
constexpr int MaxPlayerFolder = 999;
// Longest last-played date kept; a longer one makes players.dat damaged.
constexpr std::size_t MaxLastPlayedLength = 32;

struct Player {
    std::string name; // as the player typed it (Windows-1252), trimmed
    int folder = 0;   // the number of the player's folder
    std::string
        lastPlayed; // local date and time of the last game, "2026-12-08 19:52"; may be empty
};

class PlayerRoster {
  public:
    // One player, "Player 1", in folder 0: the roster of a computer without players.dat.
    PlayerRoster();

    // Why name cannot be given to a new player (renaming < 0) or to player renaming; empty
    // when it can. The name is trimmed first. The answer is a short line for the screen, in the
    // shown language.
    std::string RefusalFor(const std::string& name, int renaming = -1) const;
    // Adds a player with the trimmed name in the lowest free folder number above 0 and
    // makes them the current player; false (nothing changed) when refused or full.
    bool Add(const std::string& name);
    // Gives player index the trimmed name; false (nothing changed) when refused.
    bool Rename(int index, const std::string& name);
    // Takes player index off the list; false for the only player. The current player
    // stays the same person when another is removed, and becomes the first otherwise.
    bool Remove(int index);
    bool CanRemove(int index) const;
    bool Full() const;
    // Whether this roster is the one a computer without players.dat has (one player,
    // "Player 1", in folder 0, whatever their last-played date): nothing to save.
    bool IsDefault() const;
    // Whether every value is one a roster can hold: 1 to MaxPlayers players with allowed,
    // distinct names and distinct folders 0 to MaxPlayerFolder, dates short and free of
    // control characters, current in range.
    bool Valid() const;

    const Player& Current() const { return players[static_cast<std::size_t>(current)]; }

    std::vector<Player> players;
    int current = 0; // index into players
};
