#include "progress/answer_recorder.h"

#include <algorithm>

#include "progress/fluency.h"

void AnswerRecorder::BeginGame(ProgressHistory& history) {
    gameNumber = history.BeginGame();
    timed.clear();
    misses.clear();
    nowFluent.clear();
    awaitingRight = false;
    timer = TickTimer(); // a new game starts running, whatever the last one left
    missed = false;
}

void AnswerRecorder::ProblemShown() {
    timer.Restart();
    missed = false;
    awaitingRight = false;
}

int AnswerRecorder::ElapsedMs() const {
    const std::uint32_t ms = timer.Elapsed();
    return ms > static_cast<std::uint32_t>(MaxAnswerMs) ? MaxAnswerMs : static_cast<int>(ms);
}

void AnswerRecorder::Miss(const Problem& problem) {
    missed = true;
    misses.push_back(problem);
}

void AnswerRecorder::Record(ProgressHistory& history, const Problem& problem, FactOutcome outcome,
                            int ms) {
    const int seconds = history.options.fluentSeconds;
    const FactRecord* before =
        history.FindFact(problem.operation, problem.operandA, problem.operandB);
    const bool wasFluent = before != nullptr && IsFluent(*before, seconds);
    history.RecordFact(problem, outcome, ms, gameNumber);
    const FactRecord* after =
        history.FindFact(problem.operation, problem.operandA, problem.operandB);
    const bool isFluent = after != nullptr && IsFluent(*after, seconds);
    const auto listed = std::find(nowFluent.begin(), nowFluent.end(), problem);
    if (!wasFluent && isFluent && listed == nowFluent.end()) {
        nowFluent.push_back(problem);
    } else if (!isFluent && listed != nowFluent.end()) {
        nowFluent.erase(listed);
    }
}

void AnswerRecorder::Right(ProgressHistory& history, const Problem& problem) {
    const int ms = ElapsedMs();
    if (awaitingRight) {
        awaitingRight = false;
        history.RecordLateRight(problem, ms);
        timed.back().ms = ms;
        return;
    }
    if (missed) {
        return;
    }
    Record(history, problem, FactOutcome::Right, ms);
    timed.push_back({problem, ms, true});
}

void AnswerRecorder::Wrong(ProgressHistory& history, const Problem& problem) {
    if (missed) {
        return;
    }
    Record(history, problem, FactOutcome::Wrong, -1);
    timed.push_back({problem, -1, false});
    awaitingRight = true;
    Miss(problem);
}

void AnswerRecorder::Skipped(ProgressHistory& history, const Problem& problem) {
    awaitingRight = false;
    if (missed) {
        return;
    }
    Record(history, problem, FactOutcome::Skipped, -1);
    Miss(problem);
}

void AnswerRecorder::Unanswered(const Problem& problem) {
    awaitingRight = false;
    if (!missed) {
        Miss(problem);
    }
}

GameRecord AnswerRecorder::Result() const {
    GameRecord game;
    game.number = gameNumber;
    std::vector<int> times;
    for (const TimedAnswer& answer : timed) {
        ++(answer.right ? game.right : game.wrong);
        if (answer.ms >= 0) {
            times.push_back(answer.ms);
        }
    }
    game.medianMs = MedianMs(times);
    return game;
}
