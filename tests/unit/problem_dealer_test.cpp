// ProblemDealer with seeded draws: dealing from the pools, operand order, division, the
// challenge problem, the level-to-level bounds and the order of random draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "base/random.h"
#include "game/problem_dealer.h"

namespace {

OperationChoice Ops(bool add, bool subtract, bool multiply, bool divide) {
    OperationChoice choice;
    choice.addEnabled = add;
    choice.subtractEnabled = subtract;
    choice.multiplyEnabled = multiply;
    choice.divideEnabled = divide;
    return choice;
}

// The ten regular problems of a level whose first problem is current; leaves problem 10
// current and the challenge as the preview.
std::vector<Problem> DealRegularProblems(ProblemDealer& dealer) {
    std::vector<Problem> problems{dealer.currentProblem};
    for (int i = 1; i < 10; ++i) {
        dealer.AdvanceProblem();
        problems.push_back(dealer.currentProblem);
    }
    return problems;
}

// From problem 10: make the challenge current, answer it and start the next level.
void FinishLevel(ProblemDealer& dealer) {
    dealer.AdvanceProblem();
    dealer.AdvanceProblem();
    dealer.LevelUp();
}

std::vector<int> SortedOperands(const std::vector<Problem>& problems, bool left) {
    std::vector<int> values;
    for (const Problem& p : problems) {
        values.push_back(left ? p.operandA : p.operandB);
    }
    std::sort(values.begin(), values.end());
    return values;
}

const std::vector<int> OneToTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

::testing::AssertionResult IsFairDivision(const Problem& p) {
    if (p.operation == OpDivide && p.operandB >= 2 && p.operandB <= p.operandA / 2 &&
        p.operandA % p.operandB == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << p.operandA << " op " << int(p.operation) << " " << p.operandB;
}

} // namespace

TEST(ProblemDealer, EasyAdditionDealsEachOperandOnceAndKeepsTheDrawnOrder) {
    bool sawSmallerFirst = false;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        // Replays the first problem's draws: the operation, then left, then right.
        SeedRandom(seed);
        ValuePool left;
        ValuePool right;
        left.FillRange(1, 10);
        right.FillRange(1, 10);
        RandomInRange(0, 0);
        const int expectedA = left.TakeRandom();
        const int expectedB = right.TakeRandom();
        sawSmallerFirst |= expectedA < expectedB;

        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyEasy, Ops(true, false, false, false));
        EXPECT_EQ(dealer.currentProblem.operandA, expectedA) << "seed " << seed;
        EXPECT_EQ(dealer.currentProblem.operandB, expectedB) << "seed " << seed;
        const std::vector<Problem> level = DealRegularProblems(dealer);
        EXPECT_EQ(SortedOperands(level, true), OneToTen) << "seed " << seed;
        EXPECT_EQ(SortedOperands(level, false), OneToTen) << "seed " << seed;
    }
    EXPECT_TRUE(sawSmallerFirst);
}

TEST(ProblemDealer, SubtractionAndMultiplicationShowTheLargerOperandFirst) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyNormal, Ops(false, true, true, false));
        for (int step = 0; step < 40; ++step) {
            EXPECT_GE(dealer.currentProblem.operandA, dealer.currentProblem.operandB);
            if (!dealer.ChallengeActive()) {
                EXPECT_GE(dealer.nextProblem.operandA, dealer.nextProblem.operandB);
            }
            dealer.AdvanceProblem();
            if (dealer.problemNumber > dealer.problemsPerLevel) {
                dealer.LevelUp();
            }
        }
    }
}

TEST(ProblemDealer, DivisionDealsTheDividendRunOnceWithDivisorsUpToHalf) {
    ProblemDealer dealer;
    dealer.BuildDividends(13);
    EXPECT_EQ(dealer.dividendPool.At(0), 13) << "the start goes in untested";
    std::set<int> of12;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        SeedRandom(seed);
        of12.insert(dealer.PickDivisor(12));
    }
    EXPECT_EQ(of12, (std::set<int>{2, 3, 4, 6}));
    EXPECT_EQ(dealer.PickDivisor(13), 1);

    SeedRandom(4);
    dealer.NewGame(DifficultyEasy, Ops(false, false, false, true));
    const std::set<int> run{10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 25};
    std::set<int> dealt;
    for (const Problem& p : DealRegularProblems(dealer)) {
        EXPECT_TRUE(IsFairDivision(p));
        EXPECT_EQ(run.count(p.operandA), 1u) << p.operandA;
        dealt.insert(p.operandA);
    }
    EXPECT_EQ(dealt.size(), 10u) << "a dividend was dealt twice";
}

TEST(ProblemDealer, ChallengeIsAMultiplicationExactlyWhenProblemTenStartsOdd) {
    int multiplications = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyNormal, Ops(true, true, true, true));
        DealRegularProblems(dealer);
        const Problem& challenge = dealer.nextProblem;
        if (dealer.currentProblem.operandA % 2 != 0) {
            EXPECT_EQ(challenge.operation, OpMultiply) << "seed " << seed;
            ++multiplications;
        } else {
            // Its own run of dividends, starting 20 above the bound: 30, 32, 33, ... 44.
            EXPECT_TRUE(IsFairDivision(challenge)) << "seed " << seed;
            EXPECT_TRUE(challenge.operandA >= 30 && challenge.operandA <= 44);
        }
    }
    EXPECT_GT(multiplications, 0);
    EXPECT_LT(multiplications, 40);
}

TEST(ProblemDealer, ChallengeWithoutMultiplyOrDivideWidensTheRangesAndSparesThePools) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyHard, Ops(true, true, false, false));
        for (int level = 1; level <= 4; ++level) {
            for (int number = 2; number <= 9; ++number) {
                EXPECT_FALSE(dealer.AdvanceProblem());
            }
            const int leftBefore = dealer.operandPoolA.Count();
            dealer.AdvanceProblem();
            EXPECT_EQ(dealer.operandPoolA.Count(), leftBefore);

            const Problem c = dealer.nextProblem;
            const int leftLow = dealer.maxOperandA + 4;
            const int high = std::max(c.operandA, c.operandB);
            const int low = std::min(c.operandA, c.operandB);
            EXPECT_TRUE(c.operation == OpAdd || c.operation == OpSubtract);
            EXPECT_TRUE(high >= leftLow && high <= dealer.maxOperandA + 16) << high;
            EXPECT_TRUE(low >= 4 && low <= dealer.maxOperandB + 6) << low;
            EXPECT_TRUE(c.operation == OpAdd || c.operandA == high);

            EXPECT_TRUE(dealer.AdvanceProblem()) << "the challenge became current";
            EXPECT_TRUE(dealer.ChallengeActive());
            EXPECT_FALSE(dealer.AdvanceProblem());
            dealer.LevelUp();
            EXPECT_EQ(dealer.problemNumber, 1);
        }
    }
}

TEST(ProblemDealer, LevelUpWidensTheBoundsUntilTheLeftOneIsCapped) {
    // Worked out by hand: the left bound grows by 2 from 10 (Easy), 4 from 10 (Normal) or 6
    // from 16 (Hard); the right bound grows by the same step once the left one passes 30,
    // and stops when the left one reaches the cap of 99.
    struct Bounds {
        int difficulty, level, maxA, maxB;
    };
    const Bounds expectations[] = {
        {DifficultyEasy, 11, 30, 10}, {DifficultyEasy, 12, 32, 12},  {DifficultyEasy, 45, 98, 78},
        {DifficultyEasy, 70, 99, 78}, {DifficultyNormal, 7, 34, 14}, {DifficultyNormal, 24, 99, 78},
        {DifficultyHard, 4, 34, 16},  {DifficultyHard, 15, 99, 76},
    };
    for (const Bounds& e : expectations) {
        ProblemDealer dealer;
        dealer.NewGame(e.difficulty, Ops(true, false, false, false));
        for (int level = 2; level <= e.level; ++level) {
            dealer.LevelUp();
        }
        EXPECT_EQ(dealer.maxOperandA, e.maxA) << "difficulty " << e.difficulty << " L" << e.level;
        EXPECT_EQ(dealer.maxOperandB, e.maxB) << "difficulty " << e.difficulty << " L" << e.level;
    }
}

TEST(ProblemDealer, HardLevelsDealOnlyTheTopTwelveLeftValues) {
    SeedRandom(11);
    ProblemDealer dealer;
    dealer.NewGame(DifficultyHard, Ops(true, false, false, false));
    EXPECT_GE(SortedOperands(DealRegularProblems(dealer), true).front(), 4);
    FinishLevel(dealer);
    // Level 2: left 22 - 11 .. 22, right 1..10 (its lower bound -1 raised to 1).
    const std::vector<Problem> level = DealRegularProblems(dealer);
    EXPECT_GE(SortedOperands(level, true).front(), 11);
    EXPECT_LE(SortedOperands(level, true).back(), 22);
    EXPECT_EQ(SortedOperands(level, false), OneToTen);
}

TEST(ProblemDealer, NewGameStartsAfreshFromTheDifficultyRow) {
    ProblemDealer dealer;
    dealer.NewGame(DifficultyHard, Ops(true, true, true, true));
    EXPECT_EQ(dealer.penaltySeconds, -4);
    for (int level = 0; level < 20; ++level) {
        dealer.LevelUp();
    }
    dealer.NewGame(DifficultyEasy, Ops(true, false, false, false));
    EXPECT_EQ(dealer.bonusSeconds, 4);
    EXPECT_EQ(dealer.maxOperandA + dealer.maxOperandB, 20);
    EXPECT_EQ(dealer.problemNumber, 1);
    EXPECT_EQ(dealer.operandPoolA.Count(), 8) << "1..10 less the problem and its preview";
}
