// The history as comma-separated text for a spreadsheet: the facts, the games and the
// milestones, each a file with one header. UTF-8 with a byte-order mark so the division sign
// reads as itself, CR LF line ends, every text field quoted. Plain C++.
#pragma once

#include <string>

#include "progress/progress_history.h"

// fact,operation,asked,right,wrong,skipped,average seconds,best seconds,last game,fluent
std::string FactsCsvText(const ProgressHistory& history);
// game,date,difficulty,operations,facts,pace,score,level,right,wrong,median seconds
std::string GamesCsvText(const ProgressHistory& history);
// milestone,date
std::string MilestonesCsvText(const ProgressHistory& history);
