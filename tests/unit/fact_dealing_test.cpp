// Dealing from the chosen facts over many seeded games: every problem of a covered operation
// is one of the choice's facts and every one of them comes up, challenges come from the
// largest ones, no problem follows itself, weak facts must fit the choice, and the defaults
// (or a choice of switched-off operations) deal exactly as before.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "base/random.h"
#include "game/problem_dealer.h"
#include "support/fact_choices.h"
#include "support/printers.h"

namespace {

const OperationChoice AllOps{true, true, true, true};
const OperationChoice AddSubtract{true, true, false, false};

struct ChoiceCase {
    const char* name;
    FactChoice facts;
    // Challenges are + or - only with x and / off.
    OperationChoice ops;
};

const ChoiceCase Choices[] = {
    {"table 7, + and - on the levels", ChoiceOf({7}), AllOps},
    {"2, 5, 10", ChoiceOf({2, 5, 10}), AllOps},
    {"all twelve to 12",
     ChoiceOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, SumBand::Levels, LongOtherFactor), AllOps},
    {"typed 17", ChoiceOf({17}), AllOps},
    {"3 and typed 99 to 12", ChoiceOf({3, 99}, SumBand::Levels, LongOtherFactor), AllOps},
    {"within 10", ChoiceOf({}, SumBand::Within10), AddSubtract},
    {"within 20", ChoiceOf({}, SumBand::Within20), AddSubtract},
    {"within 100", ChoiceOf({}, SumBand::Within100), AddSubtract},
    {"within 20, x and / on the levels", ChoiceOf({}, SumBand::Within20), AllOps},
    {"6 within 20", ChoiceOf({6}, SumBand::Within20), AllOps},
};

// Whether the choice could show p; a challenge only its largest facts: the top three other
// factors, or sums and first operands in the band's top fifth.
bool InChoice(const FactChoice& facts, const Problem& p, bool challenge) {
    const int a = p.operandA;
    const int b = p.operandB;
    const int otherLow = challenge ? facts.otherFactorMax - 2 : 1;
    const int limit = facts.BandLimit();
    const int bandLow = challenge ? limit - limit / 5 + 1 : 1;
    const auto tableFact = [&](int table, int other) {
        return facts.HasTable(table) && other >= otherLow && other <= facts.otherFactorMax;
    };
    switch (p.operation) {
    case OpMultiply: return a >= b && (tableFact(a, b) || tableFact(b, a));
    case OpDivide: return b >= 1 && a % b == 0 && tableFact(b, a / b);
    case OpAdd: return a >= 1 && b >= 1 && a + b >= bandLow && a + b <= limit;
    case OpSubtract: return b >= 1 && b <= a && a >= bandLow && a <= limit;
    default: return false;
    }
}

bool Covers(const FactChoice& facts, std::uint8_t operation) {
    return operation == OpMultiply || operation == OpDivide ? facts.TablesChosen()
                                                            : facts.band != SumBand::Levels;
}

// Whether a game of these operations deals op; its challenge is x or / while either is on.
bool Deals(const OperationChoice& ops, std::uint8_t op, bool challenge) {
    const bool tableOps = ops.multiplyEnabled || ops.divideEnabled;
    switch (op) {
    case OpAdd: return ops.addEnabled && !(challenge && tableOps);
    case OpSubtract: return ops.subtractEnabled && !(challenge && tableOps);
    case OpMultiply: return ops.multiplyEnabled;
    default: return ops.divideEnabled;
    }
}

// Every problem the choice could show for the covered operations, as a player sees them.
// Few enough of them for a sweep of games to meet each one, or none at all.
std::set<std::tuple<int, int, int>> AllFacts(const ChoiceCase& c, bool challenge) {
    std::set<std::tuple<int, int, int>> all;
    for (const std::uint8_t op : {OpAdd, OpSubtract, OpMultiply, OpDivide}) {
        const bool dealt = Covers(c.facts, op) && Deals(c.ops, op, challenge);
        for (int a = 0; a <= 1200 && dealt; ++a) {
            for (int b = 0; b <= 100; ++b) {
                if (InChoice(c.facts, Problem{a, op, b}, challenge)) {
                    all.insert({op, a, b});
                }
            }
        }
    }
    return all.size() <= 400 ? all : std::set<std::tuple<int, int, int>>();
}

struct Step {
    Problem current;
    Problem next;
    bool challenge;
    int level;
    std::uint32_t state;
};

// A game of `levels` levels, every problem answered, each step as the player meets it.
std::vector<Step> PlayGame(ProblemDealer& dealer, std::uint32_t seed, int levels,
                           const OperationChoice& ops, const FactChoice* facts) {
    SeedRandom(seed);
    if (facts == nullptr) {
        dealer.NewGame(DifficultyNormal, ops);
    } else {
        dealer.NewGame(DifficultyNormal, ops, *facts);
    }
    std::vector<Step> steps;
    for (int level = 1; level <= levels;) {
        steps.push_back({dealer.currentProblem, dealer.nextProblem, dealer.ChallengeActive(), level,
                         RandomState()});
        dealer.AdvanceProblem();
        if (dealer.problemNumber > dealer.problemsPerLevel) {
            dealer.LevelUp();
            ++level;
        }
    }
    return steps;
}

} // namespace

TEST(FactDealing, EveryProblemIsAFactOfTheChoiceAndEachComesUp) {
    for (const ChoiceCase& c : Choices) {
        std::set<std::tuple<int, int, int>> regular;
        std::set<std::tuple<int, int, int>> challenges;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            ProblemDealer dealer;
            for (const Step& s : PlayGame(dealer, seed, 8, c.ops, &c.facts)) {
                const Problem& p = s.current;
                if (Covers(c.facts, p.operation)) {
                    EXPECT_TRUE(InChoice(c.facts, p, s.challenge))
                        << c.name << ": " << ::testing::PrintToString(p);
                    (s.challenge ? challenges : regular)
                        .insert({p.operation, p.operandA, p.operandB});
                }
            }
        }
        for (const bool challenge : {false, true}) {
            const std::set<std::tuple<int, int, int>> all = AllFacts(c, challenge);
            EXPECT_TRUE(all.empty() || all == (challenge ? challenges : regular)) << c.name;
        }
    }
}

TEST(FactDealing, NoProblemFollowsItselfAcrossTheChallengeAndTheLevels) {
    for (const ChoiceCase& c : Choices) {
        for (std::uint32_t seed = 1; seed <= 100; ++seed) {
            ProblemDealer dealer;
            const std::vector<Step> steps = PlayGame(dealer, seed, 6, c.ops, &c.facts);
            for (std::size_t i = 1; i < steps.size(); ++i) {
                if (Covers(c.facts, steps[i].current.operation)) {
                    EXPECT_NE(steps[i].current, steps[i - 1].current) << c.name << " step " << i;
                }
            }
        }
    }
}

TEST(FactDealing, AWeakFactFitsTheChoiceWhereItCoversTheOperationAndTheLevelElsewhere) {
    // Normal's first level deals 1..10 on both sides for + and -.
    struct Case {
        Problem fact;
        bool within20;
        bool onLevels;
    };
    const Case cases[] = {
        {{10, OpMultiply, 7}, true, true},   {{7, OpMultiply, 3}, true, true},
        {{11, OpMultiply, 7}, false, false}, {{6, OpMultiply, 3}, false, false},
        {{70, OpDivide, 7}, true, true},     {{70, OpDivide, 10}, false, false},
        {{6, OpAdd, 3}, true, true},         {{15, OpAdd, 5}, true, false},
        {{15, OpAdd, 6}, false, false},      {{0, OpAdd, 5}, false, false},
        {{20, OpSubtract, 20}, true, false}, {{21, OpSubtract, 1}, false, false},
        {{3, OpSubtract, 4}, false, false},
    };
    for (const Case& c : cases) {
        for (const SumBand band : {SumBand::Within20, SumBand::Levels}) {
            ProblemDealer dealer;
            dealer.NewGame(DifficultyNormal, AllOps, ChoiceOf({7}, band));
            bool asked = false;
            bool fitted = false;
            dealer.weakFacts = [&](const ProblemFits& fits, Problem&) {
                asked = true;
                fitted = fits(c.fact);
                return false;
            };
            for (int i = 0; i < 100 && !asked; ++i) {
                dealer.AdvanceProblem();
            }
            EXPECT_EQ(fitted, band == SumBand::Levels ? c.onLevels : c.within20)
                << ::testing::PrintToString(c.fact);
        }
    }
}

TEST(FactDealing, TheDefaultsAndAChoiceOfSwitchedOffOperationsDealAsBefore) {
    struct Case {
        OperationChoice ops;
        FactChoice facts;
    };
    const Case cases[] = {
        {AllOps, FactChoice()},
        {{true, true, false, false}, ChoiceOf({2, 5, 10, 17}, SumBand::Levels, LongOtherFactor)},
        {{true, false, false, false}, ChoiceOf({7})},
        {{false, false, true, true}, ChoiceOf({}, SumBand::Within10)},
        {{false, false, false, true}, ChoiceOf({}, SumBand::Within100)},
    };
    for (const Case& c : cases) {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            ProblemDealer before;
            ProblemDealer chosen;
            const std::vector<Step> old = PlayGame(before, seed, 5, c.ops, nullptr);
            const std::vector<Step> now = PlayGame(chosen, seed, 5, c.ops, &c.facts);
            ASSERT_EQ(now.size(), old.size());
            for (std::size_t i = 0; i < old.size(); ++i) {
                EXPECT_EQ(now[i].current, old[i].current) << "seed " << seed << " step " << i;
                EXPECT_EQ(now[i].next, old[i].next) << "seed " << seed << " step " << i;
                EXPECT_EQ(now[i].state, old[i].state) << "seed " << seed << " step " << i;
                EXPECT_EQ(now[i].level, old[i].level) << "seed " << seed << " step " << i;
            }
        }
    }
}
