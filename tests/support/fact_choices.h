// A chosen set of facts for tests in one expression: the tables (a number above 12 is the
// typed one), the band for + and -, the other factor's reach, the pace and the round.
#pragma once

#include <vector>

#include "progress/fact_choice.h"

inline FactChoice ChoiceOf(const std::vector<int>& tables, SumBand band = SumBand::Levels,
                           int otherFactorMax = ShortOtherFactor, Pace pace = Pace::Clock,
                           int calmRound = DefaultCalmRound) {
    FactChoice choice;
    for (const int table : tables) {
        if (table > LastListedTable) {
            choice.typedTable = table;
        } else {
            choice.SetTable(table, true);
        }
    }
    choice.band = band;
    choice.otherFactorMax = otherFactorMax;
    choice.pace = pace;
    choice.calmRound = calmRound;
    return choice;
}
