// A missed fact asked again: with weak facts on, over many seeded games, each missed fact
// comes back once, 2 to 4 problems later and never as the challenge, at every place a level
// allows; further tries and misses of a fact already back add nothing; with weak facts off
// misses change nothing, not even the draws. In the real game a wrong answer brings the fact
// back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "base/random.h"
#include "game/problem_dealer.h"
#include "support/fact_choices.h"
#include "support/frame_fixture.h"
#include "support/printers.h"

namespace {

struct GameCase {
    const char* name;
    int difficulty;
    OperationChoice ops;
    FactChoice facts;
};

const GameCase Games[] = {
    {"Normal, every operation", DifficultyNormal, {true, true, true, true}, FactChoice()},
    {"Hard, + and -", DifficultyHard, {true, true, false, false}, FactChoice()},
    {"Easy, / alone", DifficultyEasy, {false, false, false, true}, FactChoice()},
    {"the table of 7", DifficultyNormal, {true, true, true, true}, ChoiceOf({7})},
};

constexpr int Levels = 3;
constexpr int PerLevel = 11;

// A fact no game here deals (no operand bound passes 99), one for each miss.
Problem Marker(int index) {
    return Problem{500 + index, OpAdd, 500};
}

bool IsMarker(const Problem& p) {
    return p.operandA >= 500;
}

struct Met {
    Problem problem;
    bool challenge;
    std::uint32_t state;
};

// One seeded game, every problem answered as the player meets it: at each step first
// `tries(step)` wrong tries, each told to the dealer as a miss of the next marker.
struct MissedGame {
    std::vector<Met> met;
    std::vector<int> missedAt; // the step of each marker's miss
};

MissedGame Play(const GameCase& c, std::uint32_t seed, bool weakFactsOn,
                const std::function<int(int)>& tries) {
    SeedRandom(seed);
    ProblemDealer dealer;
    if (weakFactsOn) {
        dealer.weakFacts = [](const ProblemFits&, Problem&) { return false; }; // none weak yet
    }
    dealer.NewGame(c.difficulty, c.ops, c.facts);
    MissedGame game;
    for (int level = 1; level <= Levels;) {
        const int step = static_cast<int>(game.met.size());
        game.met.push_back({dealer.currentProblem, dealer.ChallengeActive(), RandomState()});
        for (int i = 0; i < tries(step); ++i) {
            dealer.FactMissed(Marker(static_cast<int>(game.missedAt.size())));
            game.missedAt.push_back(step);
        }
        dealer.AdvanceProblem();
        if (dealer.problemNumber > dealer.problemsPerLevel) {
            dealer.LevelUp();
            ++level;
        }
    }
    return game;
}

// The steps at which the marker is current.
std::vector<int> StepsOf(const MissedGame& game, int marker) {
    std::vector<int> steps;
    for (std::size_t i = 0; i < game.met.size(); ++i) {
        if (game.met[i].problem == Marker(marker)) {
            steps.push_back(static_cast<int>(i));
        }
    }
    return steps;
}

} // namespace

TEST(FactReask, AMissedFactComesBackOnceTwoToFourLaterAtEveryPlaceALevelAllows) {
    // By the missed problem's number in its level (11 is the challenge): how many problems
    // later it may come back, skipping the challenge and the next level's first problem.
    const std::map<int, std::set<int>> allowed = {{1, {2, 3, 4}}, {2, {2, 3, 4}}, {3, {2, 3, 4}},
                                                  {4, {2, 3, 4}}, {5, {2, 3, 4}}, {6, {2, 3, 4}},
                                                  {7, {2, 3}},    {8, {2}},       {9, {4}},
                                                  {10, {3, 4}},   {11, {2, 3, 4}}};
    for (const GameCase& c : Games) {
        std::map<int, std::set<int>> seen;
        for (std::uint32_t seed = 1; seed <= 15; ++seed) {
            for (int missed = 0; missed < (Levels - 1) * PerLevel; ++missed) {
                const MissedGame game =
                    Play(c, seed, true, [missed](int step) { return step == missed ? 1 : 0; });
                const std::vector<int> back = StepsOf(game, 0);
                ASSERT_EQ(back.size(), 1u) << c.name << ", seed " << seed << ", missed " << missed;
                EXPECT_FALSE(game.met[static_cast<std::size_t>(back[0])].challenge) << c.name;
                seen[missed % PerLevel + 1].insert(back[0] - missed);
            }
        }
        EXPECT_EQ(seen, allowed) << c.name;
    }
}

TEST(FactReask, FurtherTriesAndMissesOfAFactBackAgainAddNothing) {
    for (const GameCase& c : Games) {
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            // Two wrong tries at every problem, a third at every other one.
            const MissedGame game = Play(c, seed, true, [](int step) { return 2 + step % 2; });
            int cameBack = 0;
            for (std::size_t m = 0; m < game.missedAt.size(); ++m) {
                const int missed = game.missedAt[m];
                const bool firstTry = m == 0 || game.missedAt[m - 1] != missed;
                const bool aReask = IsMarker(game.met[static_cast<std::size_t>(missed)].problem);
                const std::vector<int> back = StepsOf(game, static_cast<int>(m));
                ASSERT_LE(back.size(), 1u) << c.name << ", seed " << seed;
                if (!firstTry || aReask) {
                    EXPECT_TRUE(back.empty()) << c.name << ", seed " << seed << ", miss " << m;
                } else if (!back.empty()) {
                    ++cameBack;
                    EXPECT_GE(back[0] - missed, 2) << c.name << ", seed " << seed;
                    EXPECT_LE(back[0] - missed, 4) << c.name << ", seed " << seed;
                    EXPECT_FALSE(game.met[static_cast<std::size_t>(back[0])].challenge);
                }
            }
            EXPECT_GT(cameBack, 0) << c.name << ", seed " << seed;
        }
    }
}

TEST(FactReask, WithWeakFactsOffAMissChangesNeitherTheProblemsNorTheDraws) {
    for (const GameCase& c : Games) {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            const MissedGame missing = Play(c, seed, false, [](int step) { return step % 3; });
            const MissedGame answered = Play(c, seed, false, [](int) { return 0; });
            ASSERT_EQ(missing.met.size(), answered.met.size());
            for (std::size_t i = 0; i < answered.met.size(); ++i) {
                EXPECT_EQ(missing.met[i].problem, answered.met[i].problem)
                    << c.name << ", seed " << seed << ", step " << i;
                EXPECT_EQ(missing.met[i].state, answered.met[i].state)
                    << c.name << ", seed " << seed << ", step " << i;
            }
        }
    }
}

// The real game with weak facts switched on by their key: five facts answered wrong, then
// right, six problems apart, and each is current again 2 to 4 problems on (weak facts alone
// would bring back all five so soon about one game in two hundred). A fact missed where the
// preview shows it again is not: it would come back at once.
TEST_F(FrameFixture, FactsAnsweredWrongInPlayComeBackWithWeakFactsOn) {
    Key('1');
    Frame();
    Key('W');
    ASSERT_TRUE(game.progress.history.options.weakFacts);
    Key('1');
    Frame();
    for (int miss = 0; miss < 5;) {
        const Problem missed = game.dealer.currentProblem;
        const bool asked = game.dealer.nextProblem != missed;
        if (asked) {
            AnswerWrong();
            ++miss;
        }
        std::vector<Problem> later;
        for (int i = 0; i < 6; ++i) {
            Answer();
            Frame();
            later.push_back(game.dealer.currentProblem);
        }
        EXPECT_TRUE(!asked ||
                    std::find(later.begin() + 1, later.begin() + 4, missed) != later.begin() + 4)
            << ::testing::PrintToString(missed) << " did not come back";
    }
}
