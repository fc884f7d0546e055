// AnswerRecorder: one game's part in the progress history. It times each problem from
// the moment it is shown to its first judged answer on the tick timer, which the game
// pauses with itself, so paused time never counts; gives each problem its one verdict on
// the fact as shown; and keeps the game's tallies, answer times and misses in order.
#pragma once

#include <string>
#include <vector>

#include "base/tick_timer.h"
#include "progress/problem.h"
#include "progress/progress_history.h"

// One problem's first judged answer: the problem as shown, its time and its verdict.
struct TimedAnswer {
    Problem problem;
    int ms = 0;
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
    // A right answer counts unless the problem was already missed.
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

  private:
    void Miss(const Problem& problem);
    int ElapsedMs() const;

    TickTimer timer;
    int gameNumber = 0;
    bool missed = false;
};
