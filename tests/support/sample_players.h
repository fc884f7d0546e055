// Rosters for the players' tests and the players.dat fuzzer's seeds: names with accented
// letters of both cases, an apostrophe and a hyphen, folders out of order with a gap, and
// dates present and missing.
#pragma once

#include <string>

#include "shell/player_names.h"
#include "shell/player_roster.h"

// Three players, the second playing: the first player renamed, and two in later folders.
inline PlayerRoster SampleRoster() {
    PlayerRoster roster;
    roster.players = {{"Zo\xEB", 0, "2026-12-08 19:52"},
                      {"\x8A\xE1rka O'Neil-2", 4, std::string()},
                      {"\xC9MILE", 2, "2026-11-30 07:05"}};
    roster.current = 1;
    return roster;
}

// The fullest roster: MaxPlayers players of the longest names and dates, in the highest
// folders.
inline PlayerRoster FullRoster() {
    PlayerRoster roster;
    roster.players.clear();
    for (int i = 0; i < MaxPlayers; ++i) {
        const std::string number = std::to_string(i);
        roster.players.push_back({std::string(MaxPlayerNameLength - number.size(), '\xFF') + number,
                                  MaxPlayerFolder - i, std::string(MaxLastPlayedLength, '9')});
    }
    roster.current = MaxPlayers - 1;
    return roster;
}
