// The progress screen's score chart: the last games' scores, a line per difficulty with
// marks of its own shape (Easy circles, Normal squares, Hard triangles), games with chosen
// facts or a calm pace as open marks apart from the lines, and the games' dates below.
#pragma once

#include <vector>

#include "base/color.h"
#include "game/game_layout.h"
#include "progress/progress_history.h"
#include "shell/shrunk_font.h"

// The chart in box; the legend in legendFont and the open dots' note in noteFont where the
// current font is too wide for them.
void DrawScoreChart(const std::vector<GameRecord>& games, const Box& box, ShrunkFont& legendFont,
                    ShrunkFont& noteFont);
// Where each difficulty's line and its legend are drawn.
ColorRef ChartLineColour(int difficulty);
