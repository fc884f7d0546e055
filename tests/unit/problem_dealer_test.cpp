// ProblemDealer with seeded draws: dealing from the pools, operand order, division, the
// challenge problem, the level-to-level bounds and the order of random draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/random.h"
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

// The ten regular problems of the level whose first problem is current; leaves problem 10
// current.
std::vector<Problem> DealRegularProblems(ProblemDealer& dealer) {
    std::vector<Problem> problems{dealer.currentProblem};
    for (int i = 1; i < 10; ++i) {
        dealer.AdvanceProblem();
        problems.push_back(dealer.currentProblem);
    }
    return problems;
}

// From problem 10 current: make the challenge current, answer it and start the next level.
void FinishLevel(ProblemDealer& dealer) {
    dealer.AdvanceProblem();
    dealer.AdvanceProblem();
    dealer.LevelUp();
}

std::vector<int> Sorted(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    return values;
}

std::vector<int> Range(int lo, int hi) {
    std::vector<int> values;
    for (int v = lo; v <= hi; ++v) {
        values.push_back(v);
    }
    return values;
}

std::vector<int> DividendRun(const ProblemDealer& dealer) {
    std::vector<int> values;
    for (int i = 0; i < dealer.dividendPool.Count(); ++i) {
        values.push_back(dealer.dividendPool.At(i));
    }
    return values;
}

// A division that comes out exact with a divisor from 2 to half the dividend.
::testing::AssertionResult IsFairDivision(const Problem& p) {
    if (p.operation != OpDivide || p.operandB < 2 || p.operandB > p.operandA / 2 ||
        p.operandA % p.operandB != 0) {
        return ::testing::AssertionFailure()
               << p.operandA << " op " << int(p.operation) << " " << p.operandB;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ProblemDealer, EasyAdditionDealsEveryOperandOnceOnEachSideOfALevel) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyEasy, Ops(true, false, false, false));
        EXPECT_EQ(dealer.problemNumber, 1);
        std::vector<int> left;
        std::vector<int> right;
        for (const Problem& p : DealRegularProblems(dealer)) {
            EXPECT_EQ(p.operation, OpAdd);
            left.push_back(p.operandA);
            right.push_back(p.operandB);
        }
        EXPECT_EQ(Sorted(left), Range(1, 10)) << "seed " << seed;
        EXPECT_EQ(Sorted(right), Range(1, 10)) << "seed " << seed;
    }
}

TEST(ProblemDealer, AdditionKeepsTheDrawnOrderOfItsOperands) {
    // Replays the draws of a game's first problem: the operation, then left, then right.
    bool sawSmallerFirst = false;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        ValuePool left;
        ValuePool right;
        left.FillRange(1, 10);
        right.FillRange(1, 10);
        RandomInRange(0, 0);
        const int expectedA = left.TakeRandom();
        const int expectedB = right.TakeRandom();

        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyEasy, Ops(true, false, false, false));
        EXPECT_EQ(dealer.currentProblem.operandA, expectedA) << "seed " << seed;
        EXPECT_EQ(dealer.currentProblem.operandB, expectedB) << "seed " << seed;
        sawSmallerFirst |= expectedA < expectedB;
    }
    EXPECT_TRUE(sawSmallerFirst);
}

TEST(ProblemDealer, SubtractionAndMultiplicationShowTheLargerOperandFirst) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyNormal, Ops(false, true, true, false));
        for (int step = 0; step < 40; ++step) {
            const Problem& p = dealer.currentProblem;
            ASSERT_TRUE(p.operation == OpSubtract || p.operation == OpMultiply);
            EXPECT_GE(p.operandA, p.operandB) << "seed " << seed << " step " << step;
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

TEST(ProblemDealer, DivisionDealsEachDividendOfTheRunOnceAndDividesExactly) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyEasy, Ops(false, false, false, true));
        const std::set<int> levelOneRun{10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 25};
        std::set<int> dealt;
        for (const Problem& p : DealRegularProblems(dealer)) {
            EXPECT_TRUE(IsFairDivision(p));
            EXPECT_EQ(levelOneRun.count(p.operandA), 1u) << p.operandA;
            dealt.insert(p.operandA);
        }
        EXPECT_EQ(dealt.size(), 10u) << "a dividend was dealt twice";

        // Easy level 2 widens the left bound to 12, and the run starts there.
        FinishLevel(dealer);
        const std::set<int> levelTwoRun{12, 14, 15, 16, 18, 20, 21, 22, 24, 25, 26};
        for (const Problem& p : DealRegularProblems(dealer)) {
            EXPECT_TRUE(IsFairDivision(p));
            EXPECT_EQ(levelTwoRun.count(p.operandA), 1u) << p.operandA;
        }
    }
}

TEST(ProblemDealer, BuildDividendsPushesTheStartThenTheFollowingCompositeNumbers) {
    ProblemDealer dealer;
    dealer.BuildDividends(10);
    EXPECT_EQ(DividendRun(dealer), (std::vector<int>{10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 25}));
    dealer.BuildDividends(13);
    EXPECT_EQ(DividendRun(dealer), (std::vector<int>{13, 14, 15, 16, 18, 20, 21, 22, 24, 25, 26}));
    dealer.BuildDividends(119);
    EXPECT_EQ(DividendRun(dealer),
              (std::vector<int>{119, 120, 121, 122, 123, 124, 125, 126, 128, 129, 130}));
}

TEST(ProblemDealer, PickDivisorChoosesAmongProperDivisorsUpToHalf) {
    ProblemDealer dealer;
    std::set<int> of12;
    std::set<int> of10;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        of12.insert(dealer.PickDivisor(12));
        of10.insert(dealer.PickDivisor(10));
        EXPECT_EQ(dealer.PickDivisor(13), 1);
        EXPECT_EQ(dealer.PickDivisor(4), 2);
    }
    EXPECT_EQ(of12, (std::set<int>{2, 3, 4, 6}));
    EXPECT_EQ(of10, (std::set<int>{2, 5}));
    EXPECT_EQ(dealer.PickDivisor(0), 1);
    EXPECT_EQ(dealer.PickDivisor(3), 1);
}

TEST(ProblemDealer, ChallengeIsReportedOnceWhenItBecomesCurrent) {
    SeedRandom(5);
    ProblemDealer dealer;
    dealer.NewGame(DifficultyNormal, Ops(true, true, true, true));
    for (int level = 1; level <= 3; ++level) {
        for (int number = 2; number <= 10; ++number) {
            EXPECT_FALSE(dealer.AdvanceProblem()) << "level " << level << " problem " << number;
            EXPECT_FALSE(dealer.ChallengeActive());
        }
        EXPECT_TRUE(dealer.AdvanceProblem());
        EXPECT_TRUE(dealer.ChallengeActive());
        EXPECT_FALSE(dealer.AdvanceProblem());
        EXPECT_EQ(dealer.problemNumber, 12);
        dealer.LevelUp();
        EXPECT_EQ(dealer.problemNumber, 1);
    }
}

TEST(ProblemDealer, WithMultiplyAndDivideTheChallengeFollowsTheParityOfProblemTen) {
    int multiplications = 0;
    int divisions = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyNormal, Ops(true, true, true, true));
        DealRegularProblems(dealer);
        const Problem challenge = dealer.nextProblem;
        if (dealer.currentProblem.operandA % 2 != 0) {
            EXPECT_EQ(challenge.operation, OpMultiply) << "seed " << seed;
            ++multiplications;
        } else {
            ASSERT_TRUE(IsFairDivision(challenge)) << "seed " << seed;
            // The challenge's run starts 20 above the left bound: 30, 32, 33, ... 44.
            EXPECT_GE(challenge.operandA, 30);
            EXPECT_LE(challenge.operandA, 44);
            EXPECT_EQ(dealer.dividendPool.Count(), 10);
            ++divisions;
        }
        dealer.AdvanceProblem();
        EXPECT_EQ(dealer.currentProblem.operation, challenge.operation);
    }
    EXPECT_GT(multiplications, 0);
    EXPECT_GT(divisions, 0);
}

TEST(ProblemDealer, WithOnlyOneOfMultiplyAndDivideTheChallengeUsesIt) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        ProblemDealer multiplying;
        multiplying.NewGame(DifficultyEasy, Ops(true, false, true, false));
        DealRegularProblems(multiplying);
        EXPECT_EQ(multiplying.nextProblem.operation, OpMultiply);

        ProblemDealer dividing;
        dividing.NewGame(DifficultyEasy, Ops(false, true, false, true));
        DealRegularProblems(dividing);
        EXPECT_TRUE(IsFairDivision(dividing.nextProblem));
    }
}

TEST(ProblemDealer, WithoutMultiplyOrDivideTheChallengeWidensTheRangesAndSparesThePools) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyHard, Ops(true, true, false, false));
        for (int level = 1; level <= 4; ++level) {
            for (int number = 2; number <= 9; ++number) {
                dealer.AdvanceProblem();
            }
            const int leftBefore = dealer.operandPoolA.Count();
            const int rightBefore = dealer.operandPoolB.Count();
            dealer.AdvanceProblem();
            EXPECT_EQ(dealer.operandPoolA.Count(), leftBefore);
            EXPECT_EQ(dealer.operandPoolB.Count(), rightBefore);

            const Problem& c = dealer.nextProblem;
            ASSERT_TRUE(c.operation == OpAdd || c.operation == OpSubtract);
            const int leftLow = dealer.maxOperandA + 4;
            const int leftHigh = dealer.maxOperandA + 16;
            const int rightHigh = dealer.maxOperandB + 6;
            // Subtraction may have swapped them, so find each operand's range either way.
            const bool drawnOrder = c.operandA >= leftLow && c.operandA <= leftHigh &&
                                    c.operandB >= 4 && c.operandB <= rightHigh;
            const bool swapped = c.operandB >= leftLow && c.operandB <= leftHigh &&
                                 c.operandA >= 4 && c.operandA <= rightHigh;
            EXPECT_TRUE(drawnOrder || (swapped && c.operation == OpSubtract))
                << "level " << level << ": " << c.operandA << ", " << c.operandB;
            if (c.operation == OpSubtract) {
                EXPECT_GE(c.operandA, c.operandB);
            }
            FinishLevel(dealer);
        }
    }
}

struct LevelBounds {
    int difficulty;
    int level;
    int maxOperandA;
    int maxOperandB;
};

TEST(ProblemDealer, LevelUpWidensTheBoundsUntilTheLeftOneIsCapped) {
    // Worked out by hand: Easy grows the left bound by 2 from 10, Normal by 4 from 10, Hard by
    // 6 from 16; the right bound grows by the same step once the left one passes 30, and
    // stops when the left one reaches the cap of 99.
    const LevelBounds expectations[] = {
        {DifficultyEasy, 11, 30, 10},   {DifficultyEasy, 12, 32, 12},
        {DifficultyEasy, 45, 98, 78},   {DifficultyEasy, 46, 99, 78},
        {DifficultyEasy, 70, 99, 78},   {DifficultyNormal, 6, 30, 10},
        {DifficultyNormal, 7, 34, 14},  {DifficultyNormal, 23, 98, 78},
        {DifficultyNormal, 24, 99, 78}, {DifficultyNormal, 70, 99, 78},
        {DifficultyHard, 3, 28, 10},    {DifficultyHard, 4, 34, 16},
        {DifficultyHard, 14, 94, 76},   {DifficultyHard, 15, 99, 76},
        {DifficultyHard, 70, 99, 76},
    };
    for (const LevelBounds& e : expectations) {
        SeedRandom(3);
        ProblemDealer dealer;
        dealer.NewGame(e.difficulty, Ops(true, false, false, false));
        for (int level = 2; level <= e.level; ++level) {
            dealer.LevelUp();
        }
        EXPECT_EQ(dealer.maxOperandA, e.maxOperandA)
            << "difficulty " << e.difficulty << " level " << e.level;
        EXPECT_EQ(dealer.maxOperandB, e.maxOperandB)
            << "difficulty " << e.difficulty << " level " << e.level;
    }
}

TEST(ProblemDealer, HardLevelsDealOnlyTheTopOfEachRange) {
    SeedRandom(11);
    ProblemDealer dealer;
    dealer.NewGame(DifficultyHard, Ops(true, false, false, false));
    for (const Problem& p : DealRegularProblems(dealer)) {
        EXPECT_GE(p.operandA, 4);
        EXPECT_LE(p.operandA, 16);
    }
    FinishLevel(dealer);
    std::vector<int> left;
    std::vector<int> right;
    for (const Problem& p : DealRegularProblems(dealer)) {
        left.push_back(p.operandA);
        right.push_back(p.operandB);
    }
    // Level 2: left 22 - 11 .. 22 (ten of the twelve values), right 1..10 (raised from -1).
    EXPECT_EQ(std::set<int>(left.begin(), left.end()).size(), 10u);
    EXPECT_GE(Sorted(left).front(), 11);
    EXPECT_LE(Sorted(left).back(), 22);
    EXPECT_EQ(Sorted(right), Range(1, 10));

    // Level 5: the right bound has reached 22, so its pool was filled with 11..22; the first
    // problem and its preview have taken two of the twelve.
    for (int level = 3; level <= 5; ++level) {
        dealer.LevelUp();
    }
    ASSERT_EQ(dealer.maxOperandB, 22);
    EXPECT_EQ(dealer.operandPoolB.Count(), 10);
    for (int i = 0; i < dealer.operandPoolB.Count(); ++i) {
        EXPECT_GE(dealer.operandPoolB.At(i), 11);
        EXPECT_LE(dealer.operandPoolB.At(i), 22);
    }
}

TEST(ProblemDealer, NewGameAppliesTheDifficultyAndStartsAfreshAfterALongGame) {
    ProblemDealer dealer;
    SeedRandom(8);
    dealer.NewGame(DifficultyHard, Ops(true, true, true, true));
    EXPECT_EQ(dealer.bonusSeconds, 2);
    EXPECT_EQ(dealer.penaltySeconds, -4);
    EXPECT_EQ(dealer.rangeStep, 6);
    EXPECT_EQ(dealer.maxOperandA, 16);
    for (int level = 0; level < 20; ++level) {
        dealer.LevelUp();
    }
    dealer.referenceSeconds = 12;

    dealer.NewGame(DifficultyEasy, Ops(true, false, false, false));
    EXPECT_EQ(dealer.bonusSeconds, 4);
    EXPECT_EQ(dealer.penaltySeconds, -2);
    EXPECT_EQ(dealer.rangeStep, 2);
    EXPECT_EQ(dealer.maxOperandA, 10);
    EXPECT_EQ(dealer.maxOperandB, 10);
    EXPECT_EQ(dealer.referenceSeconds, GameStartSeconds);
    EXPECT_EQ(dealer.problemNumber, 1);
    EXPECT_EQ(dealer.operationPool.Count(), 1);
    EXPECT_EQ(dealer.operandPoolA.Count(), 8) << "1..10 less the problem and its preview";

    // An unknown difficulty keeps the last one's settings and pools.
    dealer.NewGame(7, Ops(true, false, false, false));
    EXPECT_EQ(dealer.bonusSeconds, 4);
    EXPECT_EQ(dealer.difficulty, DifficultyEasy);
}

TEST(ProblemDealer, AdditionProblemsTakeThreeDrawsEach) {
    // An operation pick and one draw per operand, for the problem and for its preview.
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        SeedRandom(seed);
        for (int i = 0; i < 6; ++i) {
            Random15();
        }
        const std::uint32_t expected = RandomState();
        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyNormal, Ops(true, false, false, false));
        EXPECT_EQ(RandomState(), expected);
    }
}
