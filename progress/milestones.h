// Milestones: every fact of a table (the x or the / facts of one number, to the player's
// other factor) or of a band (the + or the - facts within 10, 20 or 100) fluent at once.
// Each is earned once, with its date, and kept when facts later slip. Plain C++.
#pragma once

#include <string>
#include <vector>

#include "progress/progress_history.h"

// Earns (history.EarnMilestone) every milestone now complete and returns the new ones: x
// tables ascending, then / tables, then + bands, then - bands. date is "2026-12-08".
std::vector<Milestone> EarnMilestones(ProgressHistory& history, const std::string& date);
// "7 x table", "7 \x89 table" (the division sign's code, which the font draws),
// "+ within 10", "- within 20": in the shown language, and in English for files.
std::string MilestoneText(const Milestone& milestone);
std::string MilestoneFileText(const Milestone& milestone);
