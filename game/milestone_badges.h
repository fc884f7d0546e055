// The progress screen's badges: each milestone earned as a rosette with a check mark, what
// it is ("7 x table") and the date it was earned beside it, laid out in rows in the areas the
// screen has free, newest first, with "+3 more" after them when not all fit.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/game_layout.h"
#include "progress/progress_history.h"
#include "shell/shrunk_font.h"

// Where the badges that fit go, in the order given, and the note on those that do not.
struct BadgePlacement {
    std::vector<Box> badges;
    Box more;       // where "+N more" goes; unused while hidden is 0
    int hidden = 0; // the badges left out
};

// Places badges of the given widths, all height high, gap apart, in rows from the top left
// of the first area, then of the next; when not all fit, as many as leave room for a note
// moreWidth(hidden) wide after them (none at all when not even the note fits).
BadgePlacement PlaceBadges(const std::vector<int>& widths, int height, int gap,
                           const std::vector<Box>& areas, const std::function<int(int)>& moreWidth);

// "+3 more".
std::string MoreBadgesText(int hidden);

// The badges' height in the current font: two lines, what the milestone is and its date.
int BadgeHeight();
// The milestones' badges (newest first) in the areas in the current font; where the newest
// has no room in it (a long translation), in the largest smaller size from smaller in which
// it has.
void DrawMilestoneBadges(const std::vector<Milestone>& newestFirst, const std::vector<Box>& areas,
                         ShrunkFont& smaller);
