// PracticeFeature: the practice aids beside the timed game. The setup screen's "Weak facts"
// and "Show the answer" switches (lent the history's options, so progress.dat keeps them),
// what a miss leaves where the answer goes, and the review round over a finished game's
// misses that "Practise misses" (or P) starts from the game-over screen.
#pragma once

#include <string>

#include "game/review_screen.h"
#include "ui/button.h"
#include "ui/check_box.h"

struct PracticeFeature {
    // The right result after a miss is on show (until the next digit or problem).
    bool ShownAnswerVisible() const { return !shownAnswer.empty(); }

    CheckBox weakFactsToggle;
    CheckBox showAnswerToggle;
    Button practiseButton;
    // After a miss with "Show the answer" on, or a review's second wrong try: the right
    // result, shown in red until the next digit or problem.
    std::string shownAnswer;
    // The fading answer was a miss (red, and gone at the next digit), not a right one.
    bool fadingMiss = false;
    ReviewScreen review;
};
