// Weak facts: how much a fact weighs, the weighted choice and its draws, and the dealer's
// use of them: how often a regular problem is a weak fact, which facts may come up at a
// level, the challenge left alone, and dealing without a history unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "base/random.h"
#include "game/problem_dealer.h"
#include "progress/progress_summary.h"
#include "progress/weak_facts.h"
#include "support/history_builder.h"
#include "support/printers.h"

namespace {

constexpr int TypicalMs = 3000;

// A fact asked `asked` times, `missed` of them wrong, every answer taking ms.
FactRecord Fact(std::uint8_t operation, int a, int b, int asked, int missed, int ms = TypicalMs) {
    return FactAfter(operation, a, b, asked - missed, missed, 0, ms);
}

// The dealer's weak facts from history, wired as the game wires them.
WeakFactSource WeakFactsOf(const ProgressHistory& history) {
    return [&history](const ProblemFits& fits, Problem& out) {
        return PickWeakProblem(history, fits, out);
    };
}

bool IsAnyOf(const Problem& p, const std::vector<FactRecord>& facts) {
    return std::any_of(facts.begin(), facts.end(),
                       [&p](const FactRecord& fact) { return p == ProblemOf(fact); });
}

struct DealtLevel {
    std::vector<Problem> regular; // problems 1 to 10, as each became current
    Problem challenge;
    int maxOperandA = 0;
    int maxOperandB = 0;
};

// A new game played for `levels` levels, every problem answered.
std::vector<DealtLevel> PlayGame(ProblemDealer& dealer, int difficulty, const OperationChoice& ops,
                                 int levels) {
    dealer.NewGame(difficulty, ops);
    std::vector<DealtLevel> played;
    for (int level = 1; level <= levels; ++level) {
        if (level > 1) {
            dealer.LevelUp();
        }
        DealtLevel dealt;
        dealt.maxOperandA = dealer.maxOperandA;
        dealt.maxOperandB = dealer.maxOperandB;
        dealt.regular.push_back(dealer.currentProblem);
        for (int number = 2; number <= 10; ++number) {
            dealer.AdvanceProblem();
            dealt.regular.push_back(dealer.currentProblem);
        }
        dealt.challenge = dealer.nextProblem;
        dealer.AdvanceProblem(); // the challenge becomes current
        dealer.AdvanceProblem(); // and is answered
        played.push_back(dealt);
    }
    return played;
}

// Every level's regular problems and challenge, in the order dealt.
std::vector<Problem> AllProblems(const std::vector<DealtLevel>& levels) {
    std::vector<Problem> problems;
    for (const DealtLevel& level : levels) {
        problems.insert(problems.end(), level.regular.begin(), level.regular.end());
        problems.push_back(level.challenge);
    }
    return problems;
}

::testing::AssertionResult SameProblems(const std::vector<Problem>& got,
                                        const std::vector<Problem>& expected) {
    if (got.size() != expected.size()) {
        return ::testing::AssertionFailure() << got.size() << " problems, not " << expected.size();
    }
    for (std::size_t i = 0; i < got.size(); ++i) {
        const Problem& g = got[i];
        const Problem& e = expected[i];
        if (g.operation != e.operation || g.operandA != e.operandA || g.operandB != e.operandB) {
            return ::testing::AssertionFailure()
                   << "problem " << i << ": " << g.operandA << " " << int(g.operation) << " "
                   << g.operandB << ", not " << e.operandA << " " << int(e.operation) << " "
                   << e.operandB;
        }
    }
    return ::testing::AssertionSuccess();
}

// Regular problems of `games` one-level games that are one of facts, as a share.
double ShareOfFacts(const ProgressHistory& history, const std::vector<FactRecord>& facts,
                    int difficulty, const OperationChoice& ops, int games) {
    ProblemDealer dealer;
    dealer.weakFacts = WeakFactsOf(history);
    int hits = 0;
    int dealt = 0;
    for (int game = 0; game < games; ++game) {
        const std::vector<DealtLevel> played = PlayGame(dealer, difficulty, ops, 1);
        for (const Problem& p : played[0].regular) {
            hits += IsAnyOf(p, facts) ? 1 : 0;
            ++dealt;
        }
    }
    return static_cast<double>(hits) / dealt;
}

// How often each fact of the history comes up among `picks` weighted picks of any fact.
std::vector<int> PickCounts(const ProgressHistory& history, int picks) {
    std::vector<int> counts(history.facts.size(), 0);
    for (int i = 0; i < picks; ++i) {
        const FactRecord* fact = PickWeakFact(history, [](const FactRecord&) { return true; });
        if (fact != nullptr) {
            ++counts[static_cast<std::size_t>(fact - history.facts.data())];
        }
    }
    return counts;
}

// The state of the shared sequence after `draws` draws from seed.
std::uint32_t StateAfterDraws(std::uint32_t seed, int draws) {
    SeedRandom(seed);
    for (int i = 0; i < draws; ++i) {
        Random15();
    }
    return RandomState();
}

} // namespace

TEST(WeakFacts, WeightGrowsWithTheMissRateAndTheTimeOverTheMedian) {
    const int median = TypicalMs;
    EXPECT_EQ(WeakFactWeight(Fact(OpAdd, 2, 3, 10, 0), median), 0) << "sure, at the median";
    EXPECT_EQ(WeakFactWeight(Fact(OpAdd, 2, 3, 10, 0, median - 500), median), 0) << "faster";
    EXPECT_EQ(WeakFactWeight(Fact(OpAdd, 2, 3, 10, 0, median + 500), -1), 0)
        << "no median to be slow against";

    const int once = WeakFactWeight(Fact(OpAdd, 2, 3, 10, 1), median);
    const int half = WeakFactWeight(Fact(OpAdd, 2, 3, 10, 5), median);
    const int always = WeakFactWeight(Fact(OpAdd, 2, 3, 10, 10), median);
    EXPECT_GT(once, 0);
    EXPECT_LT(once, half);
    EXPECT_LT(half, always);
    EXPECT_GT(WeakFactWeight(Fact(OpAdd, 2, 3, 1000, 1), median), 0) << "one miss in a thousand";
    EXPECT_EQ(WeakFactWeight(Fact(OpAdd, 2, 3, 10, 5), -1), half) << "misses need no median";

    FactRecord skippedOnly = Fact(OpAdd, 2, 3, 4, 0);
    skippedOnly.right = 0;
    skippedOnly.skipped = 4;
    skippedOnly.totalMs = 0;
    EXPECT_EQ(WeakFactWeight(skippedOnly, median), always) << "a skip is a miss too";

    const int barelySlow = WeakFactWeight(Fact(OpAdd, 2, 3, 10, 0, median + 1), median);
    const int twiceMedian = WeakFactWeight(Fact(OpAdd, 2, 3, 10, 0, 2 * median), median);
    EXPECT_GT(barelySlow, 0);
    EXPECT_LT(barelySlow, twiceMedian);
    EXPECT_LT(WeakFactWeight(Fact(OpAdd, 2, 3, 10, 1, 2 * median), median),
              WeakFactWeight(Fact(OpAdd, 2, 3, 10, 5, 2 * median), median));
}

TEST(WeakFacts, WeightStaysBoundedForExtremeRecords) {
    FactRecord huge = Fact(OpMultiply, 9, 9, INT_MAX, 0, 1);
    huge.wrong = INT_MAX;
    huge.right = 0;
    huge.totalMs = INT_MAX;
    for (const int median : {-1, 0, 1, TypicalMs}) {
        const int weight = WeakFactWeight(huge, median);
        EXPECT_GT(weight, 0) << median;
        EXPECT_LE(weight, MaxWeakFactWeight) << median;
    }
    FactRecord neverAsked;
    EXPECT_EQ(WeakFactWeight(neverAsked, TypicalMs), 0);
}

TEST(WeakFacts, PickByWeightChoosesInProportionWithOneDrawOrTwo) {
    SeedRandom(5);
    EXPECT_EQ(PickByWeight({}), -1);
    EXPECT_EQ(PickByWeight({0, 0, -3}), -1);
    EXPECT_EQ(RandomState(), 5u) << "nothing to choose takes no draw";
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(PickByWeight({0, 7, 0, -2}), 1);
    }

    // One draw while the total is small, two past it.
    SeedRandom(9);
    PickByWeight({3, WeakOneDrawTotal - 3});
    EXPECT_EQ(RandomState(), StateAfterDraws(9, 1));
    SeedRandom(9);
    PickByWeight({3, WeakOneDrawTotal - 2});
    EXPECT_EQ(RandomState(), StateAfterDraws(9, 2));

    // 4000 picks: a share p has a standard deviation of at most 0.008, so 0.04 is five of them.
    SeedRandom(21);
    constexpr int Picks = 4000;
    int second = 0;
    for (int i = 0; i < Picks; ++i) {
        second += PickByWeight({1, 3}) == 1 ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(second) / Picks, 0.75, 0.04);
    // A total far past one draw's 32768 values still reaches its last weights evenly.
    second = 0;
    for (int i = 0; i < Picks; ++i) {
        second += PickByWeight({40000, 40000}) == 1 ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(second) / Picks, 0.5, 0.04);
}

TEST(WeakFacts, PickWeakFactFavoursTheWeakestAndSkipsUnfitOrWeightlessFacts) {
    const ProgressHistory history = HistoryOf({
        Fact(OpAdd, 6, 7, 10, 10), // missed every time
        Fact(OpAdd, 3, 9, 10, 1),  // missed once
        Fact(OpAdd, 4, 4, 10, 0),  // sure, at the median: weight 0
        Fact(OpDivide, 56, 8, 10, 10),
    });
    SeedRandom(3);
    std::vector<int> counts(history.facts.size(), 0);
    for (int i = 0; i < 3000; ++i) {
        const FactRecord* fact =
            PickWeakFact(history, [](const FactRecord& f) { return f.operation != OpDivide; });
        ASSERT_NE(fact, nullptr);
        ++counts[static_cast<std::size_t>(fact - history.facts.data())];
    }
    EXPECT_GT(counts[0], 2 * counts[1]);
    EXPECT_GT(counts[1], 0);
    EXPECT_EQ(counts[2], 0);
    EXPECT_EQ(counts[3], 0) << "not fit";

    const std::uint32_t before = RandomState();
    EXPECT_EQ(PickWeakFact(history, [](const FactRecord&) { return false; }), nullptr);
    EXPECT_EQ(
        PickWeakFact(HistoryOf({Fact(OpAdd, 4, 4, 10, 0)}), [](const FactRecord&) { return true; }),
        nullptr);
    EXPECT_EQ(RandomState(), before) << "no candidate takes no draw";
}

// The dealer's seam: the filter is asked about the fact as a problem, and the chosen fact
// comes back as one, operands in their places.
TEST(WeakFacts, PickWeakProblemAsksAndAnswersInProblems) {
    const ProgressHistory history =
        HistoryOf({Fact(OpSubtract, 7, 6, 4, 4), Fact(OpMultiply, 6, 7, 4, 4)});
    SeedRandom(5);
    Problem out{9, OpAdd, 9};
    const Problem second = ProblemOf(history.facts[1]);
    ASSERT_TRUE(PickWeakProblem(
        history, [&](const Problem& p) { return p == second; }, out));
    EXPECT_EQ(out, second);

    const std::uint32_t before = RandomState();
    EXPECT_FALSE(PickWeakProblem(
        history, [](const Problem&) { return false; }, out));
    EXPECT_EQ(RandomState(), before) << "nothing fits: no draw";
    EXPECT_EQ(out, second) << "and out is left as it was";
}

TEST(WeakFacts, SlownessIsMeasuredAgainstTheMedianOfTheFactsOwnOperation) {
    // Additions mostly at 1 s and multiplications mostly at 5 s: a 3 s answer is slow for an
    // addition and quick for a multiplication. None was ever missed.
    std::vector<FactRecord> facts;
    for (int b = 1; b <= 5; ++b) {
        facts.push_back(Fact(OpAdd, 1, b, 10, 0, 1000));
        facts.push_back(Fact(OpMultiply, 9, b, 10, 0, 5000));
    }
    facts.push_back(Fact(OpAdd, 8, 8, 10, 0, 3000));
    facts.push_back(Fact(OpMultiply, 8, 8, 10, 0, 3000));
    const ProgressHistory history = HistoryOf(facts);
    SeedRandom(1);
    const std::vector<int> counts = PickCounts(history, 200);
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const bool slowAddition = facts[i].operation == OpAdd && facts[i].operandA == 8;
        EXPECT_EQ(counts[i], slowAddition ? 200 : 0) << FactMeanMs(facts[i]);
    }
}

TEST(WeakFactsDealer, AboutOneRegularProblemInThreeIsAWeakFact) {
    // Three facts, all missed, all inside Normal's first level (1..10 either side). A normal
    // deal shows each pair of the 10 x 10 with chance 1/100, so the expected share of these
    // facts is 1/3 + 2/3 * 3/100 = 0.353. Over 5000 problems its standard deviation is
    // under 0.007: 0.03 is more than four of them, yet rules out a quarter or 3/8.
    const std::vector<FactRecord> weak{Fact(OpAdd, 7, 8, 5, 5), Fact(OpAdd, 2, 9, 5, 3),
                                       Fact(OpAdd, 10, 1, 5, 1)};
    const ProgressHistory history = HistoryOf(weak);
    SeedRandom(17);
    const double share = ShareOfFacts(history, weak, DifficultyNormal,
                                      OperationChoice{true, false, false, false}, 500);
    EXPECT_NEAR(share, 1.0 / 3 + 2.0 / 3 * 3 / 100, 0.03);
}

TEST(WeakFactsDealer, AFactMissedEveryTimeComesUpMoreThanOneMissedRarely) {
    const FactRecord always = Fact(OpMultiply, 8, 7, 10, 10);
    const FactRecord rarely = Fact(OpMultiply, 6, 3, 10, 1);
    const FactRecord sure = Fact(OpMultiply, 9, 4, 10, 0);
    const ProgressHistory history = HistoryOf({always, rarely, sure});
    const OperationChoice multiply = OperationChoice{false, false, true, false};
    SeedRandom(29);
    const double alwaysShare = ShareOfFacts(history, {always}, DifficultyNormal, multiply, 500);
    const double rarelyShare = ShareOfFacts(history, {rarely}, DifficultyNormal, multiply, 500);
    const double sureShare = ShareOfFacts(history, {sure}, DifficultyNormal, multiply, 500);
    EXPECT_GT(alwaysShare, 2 * rarelyShare);
    // The weightless fact comes up only from the two normal deals in three, each showing
    // 9 x 4 for 2 of its 100 pairs: (9, 4) and (4, 9).
    EXPECT_GT(rarelyShare, 1.5 * sureShare);
    EXPECT_NEAR(sureShare, 2.0 / 3 * 2 / 100, 0.008);
}

TEST(WeakFactsDealer, DealsOnlyFactsOfTheChosenOperationsInsideTheLevel) {
    // Hard: level 1 deals 4..16 on the left and 1..10 on the right, dividends 16, 18, 20, 21,
    // 22, 24, 25, 26, 27, 28, 30; level 2 deals 11..22 and 1..10, dividends 22, 24, 25, 26,
    // 27, 28, 30, 32, 33, 34, 35. Subtraction shows the larger operand first, so either one
    // may come from the left range. Multiplication is not chosen.
    struct Case {
        FactRecord fact;
        bool level1;
        bool level2;
    };
    const Case cases[] = {
        {Fact(OpAdd, 5, 5, 9, 9), true, false},
        {Fact(OpAdd, 3, 5, 9, 9), false, false}, // 3 under Hard's raised left bound
        {Fact(OpAdd, 16, 10, 9, 9), true, true},
        {Fact(OpAdd, 17, 3, 9, 9), false, true},
        {Fact(OpAdd, 12, 11, 9, 9), false, false}, // right operand past 10
        {Fact(OpAdd, 5, 12, 9, 9), false, false},  // addition keeps the drawn order
        {Fact(OpSubtract, 11, 3, 9, 9), true, true},
        {Fact(OpSubtract, 3, 2, 9, 9), false, false},
        {Fact(OpSubtract, 9, 9, 9, 9), true, false},
        {Fact(OpSubtract, 17, 10, 9, 9), false, true},
        {Fact(OpSubtract, 23, 1, 9, 9), false, false},
        {Fact(OpSubtract, 4, 12, 9, 9), false, false}, // never shown smaller first
        {Fact(OpMultiply, 6, 6, 9, 9), false, false},
        {Fact(OpDivide, 21, 7, 9, 9), true, false},
        {Fact(OpDivide, 32, 8, 9, 9), false, true},
        {Fact(OpDivide, 18, 9, 9, 9), true, false},
        {Fact(OpDivide, 30, 15, 9, 9), true, true},
        {Fact(OpDivide, 16, 3, 9, 9), false, false},  // not exact
        {Fact(OpDivide, 18, 1, 9, 9), false, false},  // 18 has divisors of its own
        {Fact(OpDivide, 18, 18, 9, 9), false, false}, // past half the dividend
        {Fact(OpDivide, 36, 6, 9, 9), false, false},  // the first challenge's dividends
    };
    std::vector<FactRecord> facts;
    std::vector<FactRecord> fit[2];
    std::vector<FactRecord> unfit[2];
    for (const Case& c : cases) {
        facts.push_back(c.fact);
        (c.level1 ? fit : unfit)[0].push_back(c.fact);
        (c.level2 ? fit : unfit)[1].push_back(c.fact);
    }
    const ProgressHistory history = HistoryOf(facts);
    ProblemDealer dealer;
    dealer.weakFacts = WeakFactsOf(history);
    SeedRandom(41);
    int fitHits[2] = {0, 0};
    int dealt = 0;
    for (int game = 0; game < 300; ++game) {
        const std::vector<DealtLevel> levels =
            PlayGame(dealer, DifficultyHard, OperationChoice{true, true, false, true}, 2);
        for (int level = 0; level < 2; ++level) {
            for (const Problem& p : levels[static_cast<std::size_t>(level)].regular) {
                EXPECT_FALSE(IsAnyOf(p, unfit[level]))
                    << "level " << level + 1 << ": " << p.operandA << " " << int(p.operation) << " "
                    << p.operandB;
                EXPECT_NE(p.operation, OpMultiply);
                if (p.operation == OpDivide) {
                    EXPECT_TRUE(p.operandB >= 2 && p.operandA % p.operandB == 0 &&
                                p.operandB <= p.operandA / 2)
                        << p.operandA << " / " << p.operandB;
                }
                if (p.operation == OpSubtract) {
                    EXPECT_GE(p.operandA, p.operandB);
                }
                fitHits[level] += IsAnyOf(p, fit[level]) ? 1 : 0;
            }
        }
        dealt += 10;
    }
    // About a third are weak facts, and at each level only the fitting ones can be.
    EXPECT_GT(fitHits[0], dealt / 4);
    EXPECT_GT(fitHits[1], dealt / 4);
}

TEST(WeakFactsDealer, TheChallengeIsNeverAWeakFact) {
    // Weak facts of the first levels' ranges, dividends up to 20; a challenge's larger
    // operand is at least the left bound + 4 and its dividend at least the left bound + 20,
    // so none of them can pass for one.
    std::vector<FactRecord> facts;
    for (int a = 2; a <= 10; ++a) {
        facts.push_back(Fact(OpAdd, a, 3, 4, 4));
        facts.push_back(Fact(OpSubtract, a, 2, 4, 4));
        facts.push_back(Fact(OpMultiply, a, 4, 4, 4));
        facts.push_back(Fact(OpDivide, 2 * a, 2, 4, 4));
    }
    const ProgressHistory history = HistoryOf(facts);
    ProblemDealer dealer;
    dealer.weakFacts = WeakFactsOf(history);
    SeedRandom(8);
    for (const OperationChoice& ops :
         {OperationChoice{false, false, true, true}, OperationChoice{true, true, false, false}}) {
        int weakRegular = 0;
        for (int game = 0; game < 100; ++game) {
            for (const DealtLevel& level : PlayGame(dealer, DifficultyNormal, ops, 3)) {
                const Problem& c = level.challenge;
                const int larger = std::max(c.operandA, c.operandB);
                const int leftLow = level.maxOperandA + (c.operation == OpDivide ? 20 : 4);
                EXPECT_GE(larger, leftLow)
                    << int(c.operation) << " " << c.operandA << " " << c.operandB;
                EXPECT_FALSE(IsAnyOf(c, facts));
                for (const Problem& p : level.regular) {
                    weakRegular += IsAnyOf(p, facts) ? 1 : 0;
                }
            }
        }
        EXPECT_GT(weakRegular, 100 * 3 * 10 / 4) << "the regular problems had weak facts";
    }
}

TEST(WeakFactsDealer, WithoutAHistoryTheDealIsThatOfAPlainDealer) {
    // Every fact an eligible weak one, so attaching this history would change the deal.
    std::vector<FactRecord> facts;
    for (int a = 1; a <= 10; ++a) {
        facts.push_back(Fact(OpAdd, a, 11 - a, 6, 6));
        facts.push_back(Fact(OpMultiply, 10, a, 6, 6));
    }
    const ProgressHistory history = HistoryOf(facts);
    struct Game {
        int difficulty;
        OperationChoice ops;
    };
    const Game games[] = {{DifficultyEasy, OperationChoice{true, false, false, false}},
                          {DifficultyNormal, OperationChoice{true, true, true, true}},
                          {DifficultyHard, OperationChoice{false, false, true, true}}};
    for (const Game& g : games) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            ProblemDealer plain;
            SeedRandom(seed);
            const std::vector<Problem> plainRun =
                AllProblems(PlayGame(plain, g.difficulty, g.ops, 4));
            const std::uint32_t plainState = RandomState();

            // A dealer that had the history for a game, then had it taken away again.
            ProblemDealer detached;
            detached.weakFacts = WeakFactsOf(history);
            PlayGame(detached, g.difficulty, g.ops, 1);
            detached.weakFacts = nullptr;
            SeedRandom(seed);
            const std::vector<Problem> detachedRun =
                AllProblems(PlayGame(detached, g.difficulty, g.ops, 4));
            EXPECT_EQ(RandomState(), plainState) << "seed " << seed;
            EXPECT_TRUE(SameProblems(detachedRun, plainRun)) << "seed " << seed;

            ProblemDealer attached;
            attached.weakFacts = WeakFactsOf(history);
            SeedRandom(seed);
            const std::vector<Problem> attachedRun =
                AllProblems(PlayGame(attached, g.difficulty, g.ops, 4));
            EXPECT_NE(RandomState(), plainState) << "seed " << seed;
            EXPECT_FALSE(SameProblems(attachedRun, plainRun)) << "seed " << seed;
        }
    }
}

TEST(WeakFactsDealer, WithoutAHistoryEachRegularProblemTakesOnlyItsOwnDraws) {
    // Easy addition: each problem draws its operation from a pool of one, then its left and
    // right operands from decks of 1..10, and the option adds nothing to that.
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        ValuePool decks[2]; // left, right
        for (ValuePool& deck : decks) {
            deck.FillRange(1, 10);
        }
        std::vector<Problem> expected(10);
        for (Problem& p : expected) {
            // The operation's draw, from a pool of one, always gives the addition.
            p.operation = static_cast<std::uint8_t>(OpAdd + RandomInRange(0, 0));
            p.operandA = decks[0].TakeRandom();
            p.operandB = decks[1].TakeRandom();
        }
        const std::uint32_t expectedState = RandomState();

        SeedRandom(seed);
        ProblemDealer dealer;
        dealer.NewGame(DifficultyEasy, OperationChoice{true, false, false, false});
        std::vector<Problem> dealt{dealer.currentProblem};
        for (int number = 2; number <= 9; ++number) {
            dealer.AdvanceProblem();
            dealt.push_back(dealer.currentProblem);
        }
        dealt.push_back(dealer.nextProblem); // the tenth, dealt as problem 9's preview
        EXPECT_TRUE(SameProblems(dealt, expected)) << "seed " << seed;
        EXPECT_EQ(RandomState(), expectedState) << "seed " << seed;
    }
}
