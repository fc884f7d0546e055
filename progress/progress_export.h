// The history as comma-separated text for a spreadsheet. Plain C++.
#pragma once

#include <string>

#include "progress/progress_history.h"

// A facts section, a blank line, a games section. UTF-8, so the division sign reads as itself.
std::string ProgressCsvText(const ProgressHistory& history);
