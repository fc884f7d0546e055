// players.dat: the players' names, folder numbers and last-played dates, and the current
// player, beside the other data files, line-oriented through DataArchive with its own
// header and version. Loaded and saved by the data files' one machine (kept_files.h): a
// damaged or oversized file is kept aside as players.dat.bad (.bad2, ...) and the roster
// rebuilt from the numbered player folders found, so no player's files are lost. A
// computer with one player and no players.dat never gets one until the roster changes.
#pragma once

#include <string>
#include <vector>

#include "shell/kept_files.h"
#include "shell/player_roster.h"

constexpr char PlayersHeader[] = "Quickfigure players";
constexpr int PlayersVersion = 1;
constexpr std::size_t MaxPlayersFileBytes = 64 * 1024;

// What the load learned about players.dat; the saves rely on it.
struct PlayersFileState : KeptFileState {
    bool writable = false;  // clear: a file is there that could not be read or set aside
    std::string savedBytes; // as last loaded or saved; an unchanged roster is not written
    bool rebuilt = false;   // the file was damaged and the roster rebuilt from the folders
    // Where the damaged file was kept (set aside, or left where it was); empty for none.
    std::string damagedFileKept;
};

// The file's bytes for a roster, and back: false (roster unchanged) for anything but the
// bytes PlayersFileBytes writes for some valid roster.
std::string PlayersFileBytes(const PlayerRoster& roster);
bool ReadPlayersBytes(const std::string& bytes, PlayerRoster& roster);

// The names of the three files every player has in their folder: settings.dat,
// highscores.dat and progress.dat.
std::vector<std::string> PlayerFileNames();

// The folder of a player's files inside a data folder that ends in a separator: the
// data folder itself for folder 0, "players\n\" in it otherwise.
std::string PlayerFolderPath(const std::string& dataFolder, int folder);
// The folders a player's files are saved in and read from, given the run's data folders
// (an empty fallback stays empty).
DataFolders PlayerDataFolders(const DataFolders& run, int folder);
// Creates a player's folder (and the save folder and players\ above it) in the save
// folder; true when it exists after.
bool MakePlayerFolder(FileStore& store, const DataFolders& run, int folder);

// Reads players.dat from the run's folders into roster. Without a file the roster stays the
// default one; a damaged file is set aside and the roster rebuilt from the player folders
// found (their files kept; the first player's files in the data folder stay the first
// player's).
void LoadPlayersFile(FileStore& store, const DataFolders& run, PlayerRoster& roster,
                     PlayersFileState& state);
// Writes the roster when it differs from the file's last known bytes (and, without a file,
// only once it is no longer the default roster); false when a needed write failed.
bool SavePlayersFile(FileStore& store, const PlayerRoster& roster, PlayersFileState& state);

// Moves a removed player's three files (PlayerFileNames) that are in their folder in the
// save folder to the first free numbered folder under "removed players\" there, and sets
// movedTo to that folder (empty when the player had no file to move: nothing is created).
// False when a file could not be moved: those moved stay moved, the rest stay where they
// were, nothing is lost, and the player should stay on the list.
bool MoveRemovedPlayerFiles(FileStore& store, const DataFolders& run, int folder,
                            std::string& movedTo);
