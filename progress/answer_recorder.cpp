#include "progress/answer_recorder.h"

void AnswerRecorder::BeginGame(ProgressHistory& history) {
    gameNumber = history.BeginGame();
    timed.clear();
    misses.clear();
    timer = TickTimer(); // a new game starts running, whatever the last one left
    missed = false;
}

void AnswerRecorder::ProblemShown() {
    timer.Restart();
    missed = false;
}

int AnswerRecorder::ElapsedMs() const {
    const std::uint32_t ms = timer.Elapsed();
    return ms > static_cast<std::uint32_t>(MaxAnswerMs) ? MaxAnswerMs : static_cast<int>(ms);
}

void AnswerRecorder::Miss(const Problem& problem) {
    missed = true;
    misses.push_back(problem);
}

void AnswerRecorder::Right(ProgressHistory& history, const Problem& problem) {
    if (missed) {
        return;
    }
    const int ms = ElapsedMs();
    history.RecordFact(problem, FactOutcome::Right, ms, gameNumber);
    timed.push_back({problem, ms, true});
}

void AnswerRecorder::Wrong(ProgressHistory& history, const Problem& problem) {
    if (missed) {
        return;
    }
    const int ms = ElapsedMs();
    history.RecordFact(problem, FactOutcome::Wrong, ms, gameNumber);
    timed.push_back({problem, ms, false});
    Miss(problem);
}

void AnswerRecorder::Skipped(ProgressHistory& history, const Problem& problem) {
    if (missed) {
        return;
    }
    history.RecordFact(problem, FactOutcome::Skipped, -1, gameNumber);
    Miss(problem);
}

void AnswerRecorder::Unanswered(const Problem& problem) {
    if (!missed) {
        Miss(problem);
    }
}

GameRecord AnswerRecorder::Result() const {
    GameRecord game;
    std::vector<int> times;
    for (const TimedAnswer& answer : timed) {
        ++(answer.right ? game.right : game.wrong);
        times.push_back(answer.ms);
    }
    game.medianMs = MedianMs(times);
    return game;
}
