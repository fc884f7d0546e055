// The roster's rules. Names are checked here in full, not only as typed: players.dat is
// read through Valid, and a file edited by hand may hold anything.
#include "shell/player_roster.h"

#include <algorithm>
#include <set>

#include "shell/player_names.h"
#include "text/translate.h"

namespace {

constexpr char FirstPlayerName[] = "Player 1";

bool AllAllowed(const std::string& name) {
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return NameCharacterAllowed(static_cast<unsigned char>(c)); });
}

// Short, and nothing that would end or break a line of the file.
bool DateHolds(const std::string& date) {
    return date.size() <= MaxLastPlayedLength && std::none_of(date.begin(), date.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20;
           });
}

bool FolderTaken(const std::vector<Player>& players, int folder) {
    return std::any_of(players.begin(), players.end(),
                       [folder](const Player& player) { return player.folder == folder; });
}

// Why name, trimmed already, cannot be that of player renaming (< 0: a new player).
std::string RefusalAmong(const std::vector<Player>& players, const std::string& name,
                         int renaming) {
    if (name.empty()) {
        return Tr("Type a name first.");
    }
    if (name.size() > MaxPlayerNameLength) {
        return FormatText(Tr("A name has at most {1} characters."),
                          {std::to_string(MaxPlayerNameLength)});
    }
    if (!AllAllowed(name)) {
        return Tr("Use letters, digits, spaces, hyphens and apostrophes.");
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (static_cast<int>(i) != renaming && SameName(players[i].name, name)) {
            return Tr("Another player has that name.");
        }
    }
    return std::string();
}

} // namespace

PlayerRoster::PlayerRoster() : players{{FirstPlayerName, 0, std::string()}} {}

std::string PlayerRoster::RefusalFor(const std::string& name, int renaming) const {
    return RefusalAmong(players, TrimmedName(name), renaming);
}

bool PlayerRoster::Add(const std::string& name) {
    if (Full() || !RefusalFor(name).empty()) {
        return false;
    }
    int folder = 1;
    while (FolderTaken(players, folder)) {
        ++folder;
    }
    players.push_back({TrimmedName(name), folder, std::string()});
    current = static_cast<int>(players.size()) - 1;
    return true;
}

bool PlayerRoster::Rename(int index, const std::string& name) {
    if (index < 0 || index >= static_cast<int>(players.size()) ||
        !RefusalFor(name, index).empty()) {
        return false;
    }
    players[static_cast<std::size_t>(index)].name = TrimmedName(name);
    return true;
}

bool PlayerRoster::Remove(int index) {
    if (!CanRemove(index)) {
        return false;
    }
    players.erase(players.begin() + index);
    if (current == index) {
        current = 0;
    } else if (current > index) {
        --current;
    }
    return true;
}

bool PlayerRoster::CanRemove(int index) const {
    return index >= 0 && index < static_cast<int>(players.size()) && players.size() > 1;
}

bool PlayerRoster::Full() const {
    return players.size() >= static_cast<std::size_t>(MaxPlayers);
}

bool PlayerRoster::IsDefault() const {
    return players.size() == 1 && players.front().name == FirstPlayerName &&
           players.front().folder == 0;
}

bool PlayerRoster::Valid() const {
    if (players.empty() || players.size() > static_cast<std::size_t>(MaxPlayers) || current < 0 ||
        current >= static_cast<int>(players.size())) {
        return false;
    }
    std::set<int> folders;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const Player& player = players[i];
        if (!RefusalAmong(players, player.name, static_cast<int>(i)).empty() ||
            TrimmedName(player.name) != player.name || player.folder < 0 ||
            player.folder > MaxPlayerFolder || !folders.insert(player.folder).second ||
            !DateHolds(player.lastPlayed)) {
            return false;
        }
    }
    return true;
}
