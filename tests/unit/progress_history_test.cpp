// The progress history's recording rules: one verdict per problem on the fact as shown,
// times only from judged answers and the best only from right ones, counts and totals
// that stop at their limits, the bounds on facts (least recently seen out first) and
// games (newest kept), the median of a game's times, and records kept within what the
// file's reader accepts.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "progress/progress_history.h"

namespace {

const FactRecord& Fact(const ProgressHistory& history, const Problem& problem) {
    const FactRecord* fact =
        history.FindFact(problem.operation, problem.operandA, problem.operandB);
    EXPECT_NE(fact, nullptr) << problem.operandA << " " << problem.operation << " "
                             << problem.operandB << " was never recorded";
    static const FactRecord none;
    return fact != nullptr ? *fact : none;
}

void ExpectCounts(const FactRecord& fact, int right, int wrong, int skipped) {
    EXPECT_EQ(fact.right, right);
    EXPECT_EQ(fact.wrong, wrong);
    EXPECT_EQ(fact.skipped, skipped);
    EXPECT_EQ(fact.asked, right + wrong + skipped);
}

// A history with game already begun, the fact recorded once right in 100 ms.
ProgressHistory OneRight(const Problem& problem) {
    ProgressHistory history;
    history.RecordFact(problem, FactOutcome::Right, 100, history.BeginGame());
    return history;
}

} // namespace

TEST(ProgressRecording, EachVerdictCountsOnTheFactAsShown) {
    ProgressHistory history;
    const int game = history.BeginGame();
    const Problem shown{3, OpMultiply, 4};
    const Problem swapped{4, OpMultiply, 3};
    const Problem added{3, OpAdd, 4};
    history.RecordFact(shown, FactOutcome::Right, 800, game);
    history.RecordFact(shown, FactOutcome::Wrong, 1200, game);
    history.RecordFact(shown, FactOutcome::Skipped, -1, game);
    history.RecordFact(shown, FactOutcome::Right, 600, game);
    history.RecordFact(swapped, FactOutcome::Wrong, 2000, game);
    history.RecordFact(added, FactOutcome::Skipped, -1, game);

    ASSERT_EQ(history.facts.size(), 3u) << "3 x 4, 4 x 3 and 3 + 4 are three facts";
    EXPECT_EQ(history.facts[0].operandA, 3) << "kept in the order first asked";
    EXPECT_EQ(history.facts[1].operandA, 4);
    EXPECT_EQ(history.facts[2].operation, OpAdd);
    ExpectCounts(Fact(history, shown), 2, 1, 1);
    ExpectCounts(Fact(history, swapped), 0, 1, 0);
    ExpectCounts(Fact(history, added), 0, 0, 1);
    EXPECT_EQ(history.FindFact(OpSubtract, 3, 4), nullptr);
    EXPECT_EQ(history.FindFact(OpMultiply, 3, 5), nullptr);
}

TEST(ProgressRecording, OnlyRightAnswersAreTimedSoTheBestIsNeverSlowerThanTheAverage) {
    ProgressHistory history;
    const int game = history.BeginGame();
    const Problem problem{12, OpDivide, 4};
    // A quick wrong key, then the right answer: the time is the one to the right answer.
    history.RecordFact(problem, FactOutcome::Wrong, 600, game);
    EXPECT_EQ(Fact(history, problem).timed, 0) << "a wrong try is not an answer's time";
    history.RecordLateRight(problem, 4200);
    history.RecordLateRight(problem, 100);
    EXPECT_EQ(Fact(history, problem).timed, 1) << "one problem, one time";
    history.RecordFact(problem, FactOutcome::Skipped, 5000, game);
    history.RecordLateRight(problem, 100);
    EXPECT_EQ(Fact(history, problem).totalMs, 4200) << "a skip is not timed, nor made right";
    history.RecordFact(problem, FactOutcome::Right, 1900, game);
    history.RecordFact(problem, FactOutcome::Right, 1500, game);
    const FactRecord& fact = Fact(history, problem);
    EXPECT_EQ(fact.bestMs, 1500);
    EXPECT_EQ(fact.totalMs, 4200 + 1900 + 1500);
    EXPECT_LE(fact.bestMs * fact.timed, fact.totalMs);
    ExpectCounts(fact, 2, 1, 1);
    history.RecordLateRight(Problem{5, OpAdd, 5}, 300);
    EXPECT_EQ(history.FindFact(OpAdd, 5, 5), nullptr) << "no fact made by a late answer";
}

TEST(ProgressRecording, AFactKeepsItsLastThreeAnswersOldestFirst) {
    ProgressHistory history;
    const int game = history.BeginGame();
    const Problem problem{6, OpMultiply, 3};
    history.RecordFact(problem, FactOutcome::Right, 800, game);
    history.RecordFact(problem, FactOutcome::Wrong, 300, game);
    history.RecordFact(problem, FactOutcome::Skipped, -1, game);
    history.RecordFact(problem, FactOutcome::Right, MaxAnswerMs + 5, game);
    const std::vector<RecentAnswer>& recent = Fact(history, problem).recent;
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_FALSE(recent[0].right);
    EXPECT_EQ(recent[0].ms, 0) << "a wrong answer keeps no time";
    EXPECT_FALSE(recent[1].right);
    EXPECT_TRUE(recent[2].right);
    EXPECT_EQ(recent[2].ms, MaxAnswerMs);
}

TEST(ProgressRecording, AFirstRightAnswerOfNoTimeIsTheBestAndStaysIt) {
    const Problem problem{1, OpAdd, 1};
    ProgressHistory history;
    const int game = history.BeginGame();
    history.RecordFact(problem, FactOutcome::Right, 0, game);
    history.RecordFact(problem, FactOutcome::Right, 400, game);
    EXPECT_EQ(Fact(history, problem).bestMs, 0);
    EXPECT_EQ(Fact(history, problem).totalMs, 400);
}

TEST(ProgressRecording, TimesAreClampedToTheRangeKept) {
    ProgressHistory history;
    const int game = history.BeginGame();
    const Problem slow{9, OpSubtract, 2};
    const Problem negative{9, OpSubtract, 3};
    history.RecordFact(slow, FactOutcome::Right, MaxAnswerMs + 1, game);
    history.RecordFact(slow, FactOutcome::Wrong, INT_MAX, game);
    history.RecordFact(negative, FactOutcome::Right, -5, game);
    history.RecordFact(negative, FactOutcome::Right, 50, game);
    history.RecordLateRight(slow, INT_MAX);
    EXPECT_EQ(Fact(history, slow).bestMs, MaxAnswerMs);
    EXPECT_EQ(Fact(history, slow).totalMs, 2 * MaxAnswerMs);
    EXPECT_EQ(Fact(history, negative).bestMs, 0);
    EXPECT_EQ(Fact(history, negative).totalMs, 50);
}

TEST(ProgressRecording, TotalsAndCountsStopAtTheirLimits) {
    const Problem problem{7, OpMultiply, 8};
    ProgressHistory history = OneRight(problem);
    history.facts[0].totalMs = INT_MAX - 10;
    history.RecordFact(problem, FactOutcome::Wrong, 500, 1);
    history.RecordLateRight(problem, 500);
    EXPECT_EQ(history.facts[0].totalMs, INT_MAX);
    history.RecordFact(problem, FactOutcome::Right, 500, 1);
    EXPECT_EQ(history.facts[0].totalMs, INT_MAX);

    // A fact asked as often as an int counts: further verdicts leave it consistent.
    FactRecord& fact = history.facts[0];
    fact.asked = INT_MAX;
    fact.right = INT_MAX - 2;
    fact.wrong = 1;
    fact.skipped = 1;
    const FactRecord before = fact;
    history.RecordFact(problem, FactOutcome::Right, 10, 1);
    history.RecordFact(problem, FactOutcome::Skipped, -1, 1);
    EXPECT_EQ(history.facts[0].asked, INT_MAX);
    EXPECT_EQ(history.facts[0].right, before.right);
    EXPECT_EQ(history.facts[0].skipped, before.skipped);
    EXPECT_EQ(history.facts[0].bestMs, before.bestMs);

    history.gamesPlayed = INT_MAX - 1;
    EXPECT_EQ(history.BeginGame(), INT_MAX);
    EXPECT_EQ(history.BeginGame(), INT_MAX);
}

TEST(ProgressRecording, GamesAreNumberedAndAFactRemembersTheLastItWasSeenIn) {
    ProgressHistory history;
    EXPECT_TRUE(history.Empty());
    EXPECT_EQ(history.BeginGame(), 1);
    const Problem early{2, OpAdd, 2};
    const Problem late{5, OpAdd, 5};
    history.RecordFact(early, FactOutcome::Right, 100, 1);
    history.RecordFact(late, FactOutcome::Right, 100, 1);
    EXPECT_FALSE(history.Empty());
    EXPECT_EQ(history.BeginGame(), 2);
    EXPECT_EQ(history.BeginGame(), 3);
    history.RecordFact(late, FactOutcome::Skipped, -1, 3);
    EXPECT_EQ(Fact(history, early).lastGame, 1);
    EXPECT_EQ(Fact(history, late).lastGame, 3);
    EXPECT_EQ(history.gamesPlayed, 3);
}

TEST(ProgressRecording, RecordsStayWithinWhatTheFileCanHold) {
    ProgressHistory history;
    const int game = history.BeginGame();
    history.RecordFact(Problem(), FactOutcome::Right, 100, game);
    history.RecordFact(Problem{6, '/', 3}, FactOutcome::Wrong, 100, game);
    EXPECT_TRUE(history.facts.empty()) << "a fact of an unknown operation is not kept";

    // Games not yet begun, or numbered below the first, count as the nearest one there is.
    history.RecordFact(Problem{1, OpAdd, 2}, FactOutcome::Right, 100, game + 5);
    history.RecordFact(Problem{1, OpAdd, 3}, FactOutcome::Right, 100, -2);
    EXPECT_EQ(history.facts[0].lastGame, game);
    EXPECT_EQ(history.facts[1].lastGame, 0);

    GameRecord odd;
    odd.when = "2026-12-08 19:52\nand more";
    odd.operations = std::string(1000, '+');
    odd.difficulty = 7;
    odd.level = -1;
    odd.right = -3;
    odd.wrong = -4;
    odd.medianMs = MaxAnswerMs + 1;
    history.RecordGame(odd);
    odd.difficulty = -1;
    odd.medianMs = -1;
    history.RecordGame(odd);
    const GameRecord& high = history.games[0];
    EXPECT_EQ(high.difficulty, 2);
    EXPECT_EQ(high.level, 0);
    EXPECT_EQ(high.right, 0);
    EXPECT_EQ(high.wrong, 0);
    EXPECT_EQ(high.medianMs, MaxAnswerMs);
    EXPECT_EQ(high.when, "2026-12-08 19:52") << "a file line holds no line feed";
    EXPECT_LT(high.operations.size(), 1000u);
    EXPECT_EQ(history.games[1].difficulty, 0);
    EXPECT_EQ(history.games[1].medianMs, 0);
}

TEST(ProgressBounds, AFullHistoryDropsTheLeastRecentlySeenFactFirst) {
    ProgressHistory history;
    history.gamesPlayed = 100;
    // Fact i was last seen in game 10 + i % 50: facts 0, 50, 100, ... longest ago.
    for (int i = 0; i < MaxProgressFacts; ++i) {
        history.RecordFact(Problem{i, OpAdd, 1}, FactOutcome::Right, 100, 10 + i % 50);
    }
    ASSERT_EQ(history.facts.size(), static_cast<std::size_t>(MaxProgressFacts));
    // Seen again now: fact 0 is no longer among the oldest.
    history.RecordFact(Problem{0, OpAdd, 1}, FactOutcome::Wrong, 100, 100);

    history.RecordFact(Problem{-1, OpAdd, 1}, FactOutcome::Right, 100, 100);
    ASSERT_EQ(history.facts.size(), static_cast<std::size_t>(MaxProgressFacts));
    EXPECT_NE(history.FindFact(OpAdd, 0, 1), nullptr);
    EXPECT_EQ(history.FindFact(OpAdd, 50, 1), nullptr) << "the first asked of the oldest";
    EXPECT_NE(history.FindFact(OpAdd, 100, 1), nullptr);
    EXPECT_NE(history.FindFact(OpAdd, -1, 1), nullptr);
    EXPECT_EQ(history.facts.back().operandA, -1);

    history.RecordFact(Problem{-2, OpAdd, 1}, FactOutcome::Skipped, -1, 100);
    EXPECT_EQ(history.FindFact(OpAdd, 100, 1), nullptr);
    EXPECT_NE(history.FindFact(OpAdd, 150, 1), nullptr);

    // A fact already kept is counted without dropping any.
    history.RecordFact(Problem{4999, OpAdd, 1}, FactOutcome::Right, 100, 100);
    EXPECT_EQ(history.facts.size(), static_cast<std::size_t>(MaxProgressFacts));
    EXPECT_NE(history.FindFact(OpAdd, 150, 1), nullptr);
    EXPECT_EQ(Fact(history, Problem{4999, OpAdd, 1}).asked, 2);
}

TEST(ProgressBounds, TheNewestGamesAreKept) {
    ProgressHistory history;
    for (int i = 0; i < MaxProgressGames + 5; ++i) {
        GameRecord game;
        game.score = static_cast<std::uint32_t>(i);
        game.when = "game " + std::to_string(i);
        history.RecordGame(game);
        ASSERT_EQ(history.games.size(),
                  static_cast<std::size_t>(std::min(i + 1, MaxProgressGames)));
    }
    EXPECT_EQ(history.games.front().score, 5u);
    EXPECT_EQ(history.games.front().when, "game 5");
    EXPECT_EQ(history.games.back().score, static_cast<std::uint32_t>(MaxProgressGames + 4));
    for (std::size_t i = 1; i < history.games.size(); ++i) {
        EXPECT_EQ(history.games[i].score, history.games[i - 1].score + 1) << "oldest first";
    }
}

TEST(ProgressMedian, TheMiddleTimeOrTheLowerOfTheTwoMiddleOnes) {
    EXPECT_EQ(MedianMs({}), 0);
    EXPECT_EQ(MedianMs({1234}), 1234);
    EXPECT_EQ(MedianMs({900, 100, 500}), 500);
    EXPECT_EQ(MedianMs({400, 100, 300, 200}), 200);
    EXPECT_EQ(MedianMs({700, 700, 100, 700}), 700);
    EXPECT_EQ(MedianMs({5, 1}), 1);
    EXPECT_EQ(MedianMs({0, 0, 9000, 9000, 9000}), 9000);
}
