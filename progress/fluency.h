// Fluency: the plain rule that says a fact is learnt. A fact is fluent when at least two of
// its last three answers were right at the first try within the player's threshold,
// learning when it has been asked but is not fluent, and new when it was never asked. The
// threshold is a few seconds, longer for children who type slowly. Plain C++.
#pragma once

#include "progress/progress_history.h"

// The thresholds a player can choose, in seconds; the first is the default.
constexpr int FluentSecondsChoices[] = {3, 6, 12};
constexpr int FluentSecondsChoiceCount = 3;
// Right answers within the threshold among the recent ones that make a fact fluent.
constexpr int FluentAnswersNeeded = 2;

enum class FactState { New, Learning, Fluent };

bool FluentSecondsAllowed(int seconds);
// The next threshold after seconds, round to the first.
int NextFluentSeconds(int seconds);

bool IsFluent(const FactRecord& fact, int fluentSeconds);
// The state of a fact, null for one never asked.
FactState StateOf(const FactRecord* fact, int fluentSeconds);
