// The export's three texts against a known history: every fact with its sign, times over
// its right answers and whether it is fluent; every game with the number its facts' last
// game names and its operations in one form whichever way the record wrote them; every
// milestone with its date. UTF-8 with a byte-order mark, CR LF, text fields quoted.
#include <gtest/gtest.h>

#include <string>

#include "progress/progress_export.h"
#include "support/history_builder.h"

namespace {

constexpr char Mark[] = "\xEF\xBB\xBF";
constexpr char FactsHeader[] =
    "fact,operation,asked,right,wrong,skipped,average seconds,best seconds,last game,fluent\r\n";
constexpr char GamesHeader[] =
    "game,date,difficulty,operations,facts,pace,score,level,right,wrong,median seconds\r\n";
constexpr char MilestonesHeader[] = "milestone,date\r\n";

GameRecord Game(int number, const char* when, int difficulty, const char* operations) {
    GameRecord game;
    game.number = number;
    game.when = when;
    game.difficulty = difficulty;
    game.operations = operations;
    return game;
}

// Two numbered games after one recorded before games were numbered, and three milestones.
ProgressHistory KnownHistory() {
    ProgressHistory history;
    GameRecord old = Game(0, "a \"b\", c", 1, " +  -  x  \x89 "); // a quote and a comma
    old.score = 4000000000u;
    history.RecordGame(old);

    int game = history.BeginGame();
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Wrong, 0, game);
    history.RecordLateRight(Problem{12, OpDivide, 4}, 2600); // timed, though not at first try
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Right, 1800, game);
    history.RecordFact(Problem{7, OpMultiply, 8}, FactOutcome::Right, 1900, game);
    GameRecord hard = Game(game, "2026-12-07 18:00", 2, " x  \x89 ");
    hard.score = 1234;
    hard.level = 3;
    hard.right = 2;
    hard.wrong = 1;
    hard.medianMs = 1900;
    history.RecordGame(hard);

    game = history.BeginGame();
    history.RecordFact(Problem{7, OpMultiply, 8}, FactOutcome::Right, 3500, game);
    history.RecordFact(Problem{3, OpAdd, 4}, FactOutcome::Skipped, -1, game);
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Right, 1000, game);
    GameRecord calm = Game(game, "2026-12-08 19:52", 0, "Add");
    calm.facts = "2, 5, 10";
    calm.calm = true;
    calm.level = 1;
    calm.right = 2;
    calm.medianMs = 1050;
    history.RecordGame(calm);

    history.EarnMilestone(Milestone{OpMultiply, 7, "2026-12-08"});
    history.EarnMilestone(Milestone{OpDivide, 12, "2026-12-09"});
    history.EarnMilestone(Milestone{OpSubtract, 20, "2026-12-10"});
    return history;
}

} // namespace

TEST(ProgressExport, FactsHaveTheirSignTimesOverRightAnswersAndFluency) {
    ProgressHistory history = KnownHistory();
    EXPECT_EQ(FactsCsvText(history),
              std::string(Mark) + FactsHeader +
                  "\"12 \xC3\xB7 4\",\"\xC3\xB7\",3,2,1,0,1.8,1.0,2,\"yes\"\r\n" // 2.6, 1.8, 1.0
                  "\"7 x 8\",\"x\",2,2,0,0,2.7,1.9,2,\"no\"\r\n" // one of two within 3 s
                  "\"3 + 4\",\"+\",1,0,0,1,,,2,\"no\"\r\n");     // nothing timed
    history.options.fluentSeconds = 6;
    EXPECT_NE(FactsCsvText(history).find("\"7 x 8\",\"x\",2,2,0,0,2.7,1.9,2,\"yes\"\r\n"),
              std::string::npos)
        << "both within 6 s";
    EXPECT_EQ(FactsCsvText(ProgressHistory()), std::string(Mark) + FactsHeader);
}

TEST(ProgressExport, GamesAreNumberedAsTheFactsLastGameAndNameOperationsInOneForm) {
    EXPECT_EQ(GamesCsvText(KnownHistory()),
              std::string(Mark) + GamesHeader +
                  ",\"a \"\"b\"\", c\",\"Normal\",\"+ - x \xC3\xB7\",\"\",\"clock\",4000000000,0,0,"
                  "0,\r\n" // unnumbered, none timed: no median
                  "1,\"2026-12-07 18:00\",\"Hard\",\"x \xC3\xB7\",\"\",\"clock\",1234,3,2,1,1.9\r\n"
                  "2,\"2026-12-08 19:52\",\"Easy\",\"+\",\"2, 5, 10\",\"calm\",0,1,2,0,1.1\r\n");
    EXPECT_EQ(GamesCsvText(ProgressHistory()), std::string(Mark) + GamesHeader);

    const struct {
        const char* recorded;
        const char* exported;
    } cases[] = {
        {" +  -  x  \x89 ", "+ - x \xC3\xB7"},
        {" -  \x89 ", "- \xC3\xB7"},
        {" +  x ", "+ x"},
        {"Add", "+"},
        {"Subtract", "-"},
        {"Multiply", "x"},
        {"Divide", "\xC3\xB7"},
        {"", ""},
    };
    for (const auto& c : cases) {
        ProgressHistory history;
        history.RecordGame(Game(history.BeginGame(), "d", 0, c.recorded));
        EXPECT_EQ(GamesCsvText(history), std::string(Mark) + GamesHeader + "1,\"d\",\"Easy\",\"" +
                                             c.exported + "\",\"\",\"clock\",0,0,0,0,\r\n")
            << c.recorded;
    }
}

TEST(ProgressExport, MilestonesHaveTheirDates) {
    EXPECT_EQ(MilestonesCsvText(KnownHistory()), std::string(Mark) + MilestonesHeader +
                                                     "\"7 x table\",\"2026-12-08\"\r\n"
                                                     "\"12 \xC3\xB7 table\",\"2026-12-09\"\r\n"
                                                     "\"- within 20\",\"2026-12-10\"\r\n");
    EXPECT_EQ(MilestonesCsvText(ProgressHistory()), std::string(Mark) + MilestonesHeader);
}
