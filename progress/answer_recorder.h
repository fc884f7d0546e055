// AnswerRecorder: one game's part in the progress history. It times each problem from
// the moment it is shown to its right answer on the tick timer, which the game pauses with
// itself, so paused time never counts; gives each problem its one verdict on the fact as
// shown, at its first judged answer; and keeps the game's tallies, answer times, misses and
// the facts that became fluent, in order.
#pragma once

#include <string>
#include <vector>

#include "base/tick_timer.h"
#include "progress/problem.h"
#include "progress/progress_history.h"

// One judged problem: the problem as shown, the time to its right answer (-1 while none
// came) and whether it was right at the first try.
struct TimedAnswer {
    Problem problem;
    int ms = -1;
    bool right = false;
};

class AnswerRecorder {
  public:
    // A new game in history: its number, empty tallies.
    void BeginGame(ProgressHistory& history);
    // A problem has become current: its time starts now.
    void ProblemShown();
    void Pause() { timer.Pause(); }
    void Resume() { timer.Resume(); }
    // A right answer counts unless the problem was already missed; after wrong tries it is
    // still timed.
    void Right(ProgressHistory& history, const Problem& problem);
    // Only a problem's first wrong answer counts.
    void Wrong(ProgressHistory& history, const Problem& problem);
    // A skip counts unless the problem was already missed.
    void Skipped(ProgressHistory& history, const Problem& problem);
    // The problem the clock ended the game on: a miss (unless it already is), with no
    // verdict in the history.
    void Unanswered(const Problem& problem);
    // The finished game's record; the caller adds what the recorder does not know.
    GameRecord Result() const;

    // The problems missed (answered wrong, skipped or left at the end) this game, in order.
    std::vector<Problem> misses;
    // The game's judged problems in order (skips and the problem left at the end have none).
    std::vector<TimedAnswer> timed;
    // The facts that became fluent this game and still are, in the order they became so.
    std::vector<Problem> nowFluent;

  private:
    void Miss(const Problem& problem);
    int ElapsedMs() const;
    // Counts the verdict, and keeps nowFluent up to date with the fact's change.
    void Record(ProgressHistory& history, const Problem& problem, FactOutcome outcome, int ms);

    TickTimer timer;
    int gameNumber = 0;
    bool missed = false;
    // Answered wrong, its right answer still to come.
    bool awaitingRight = false;
};
