// FactChoice: the facts a player has chosen to practise and the pace they play at. Times
// tables for x and /, a bound for + and -, the clock or a calm round of a set number of
// problems. The defaults are the game as it always was: no table (x and / follow the
// levels), + and - on the levels' ranges, against the clock. Kept in progress.dat with the
// practice switches; a game played with anything else chosen stays out of the high scores.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The tables listed one by one, and the range of the one further table a player types.
constexpr int FirstListedTable = 1;
constexpr int LastListedTable = 12;
constexpr int FirstTypedTable = 13;
constexpr int LastTypedTable = 99;
// The other factor of a table's facts runs from 1 to one of these.
constexpr int ShortOtherFactor = 10;
constexpr int LongOtherFactor = 12;
// The calm round's lengths, in problems; the middle one is the default.
constexpr int CalmRoundLengths[] = {10, 20, 50};
constexpr int DefaultCalmRound = 20;

// What + and - deal: the levels' own ranges, or no operand, sum or difference above a bound.
enum class SumBand : std::uint8_t { Levels, Within10, Within20, Within100 };
constexpr int SumBandCount = 4;

enum class Pace : std::uint8_t { Clock, Calm };

struct FactChoice {
    // Bit t - 1 for each of the tables 1 to 12 switched on.
    std::uint16_t tables = 0;
    // The typed table, 13 to 99; 0 for none.
    int typedTable = 0;
    int otherFactorMax = ShortOtherFactor;
    SumBand band = SumBand::Levels;
    Pace pace = Pace::Clock;
    int calmRound = DefaultCalmRound;

    bool HasTable(int table) const;
    // Switches one of the listed tables; other numbers are ignored.
    void SetTable(int table, bool on);
    // Every chosen table, the typed one last, in ascending order.
    std::vector<int> Tables() const;
    // x and / deal from the tables rather than the levels.
    bool TablesChosen() const { return tables != 0 || typedTable != 0; }
    // The largest operand, sum or difference + and - may show; 0 on the levels.
    int BandLimit() const;
    bool Calm() const { return pace == Pace::Calm; }
    // Anything but the levels' ranges against the clock: such a game stays out of the
    // high-score table, which compares games played alike.
    bool KeptApart() const { return TablesChosen() || band != SumBand::Levels || Calm(); }
    // Every field holds a value the screen can set (what a file may hold).
    bool Valid() const;
};

bool operator==(const FactChoice& a, const FactChoice& b);
bool operator!=(const FactChoice& a, const FactChoice& b);

// Whether a typed number may be the further table.
bool TypedTableAllowed(int table);
// The chosen facts in a few words for a game's record and the setup screen: the tables
// ("2, 5, 10", with " to 12" for the longer other factor) and the band ("within 20");
// empty on the levels.
std::string DescribeFacts(const FactChoice& choice);
