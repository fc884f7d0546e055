// progress.dat: its exact bytes, round trips that keep every byte and every field, the
// strict reader refusing anything a save would not write, the recovering reader keeping
// exactly the parts before a cut or a changed byte on any line, a damaged or oversized
// file set aside under a name never used before beside untouched settings and high
// scores, a locked file never overwritten, the fallback folder, saves cut short by a
// failure or a power cut at each of their steps, saves that write nothing when nothing
// changed, a game saved when the clock ends it, and the progress screen's one word on
// damage. A file of each earlier version read in full or recovered, and upgraded by a save
// that keeps its bytes in progress.dat.v1 (or .v2) until it has succeeded, whatever step
// fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "progress/progress_file.h"
#include "shell/data_archive.h"
#include "shell/kept_files.h"
#include "support/fault_sweep.h"
#include "support/frame_fixture.h"
#include "support/history_builder.h"
#include "support/hook_guards.h"
#include "support/memory_file_store.h"
#include "text/text.h"

namespace {

const std::string SaveFolder = "C:\\users\\player\\AppData\\Local\\Quickfigure\\";
const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string Progress = SaveFolder + "progress.dat";
const std::string SetAside = Progress + ".bad";
const std::string Temporary = Progress + ".tmp";
const std::string Older = Progress + ".v1";
const std::string OlderSecond = Progress + ".v2";
const std::string Settings = SaveFolder + "settings.dat";
const std::string HighScores = SaveFolder + "highscores.dat";

GameRecord Game(const char* when, int difficulty, const char* operations, std::uint32_t score) {
    GameRecord game;
    game.when = when;
    game.difficulty = difficulty;
    game.operations = operations;
    game.score = score;
    game.level = 3;
    game.right = 11;
    game.wrong = 2;
    game.medianMs = 1850;
    return game;
}

// Two games' worth of every operation, a negative operand, a score beyond the int range,
// the division code in a text and a game without a date.
ProgressHistory Filled() {
    ProgressHistory history;
    history.options.weakFacts = true;
    int game = history.BeginGame();
    history.RecordFact(Problem{6, OpMultiply, 7}, FactOutcome::Right, 2300, game);
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Wrong, 4100, game);
    history.RecordLateRight(Problem{12, OpDivide, 4}, 5200);
    history.RecordFact(Problem{-7, OpSubtract, 9}, FactOutcome::Skipped, -1, game);
    history.RecordGame(Game("2026-12-08 19:52", 1, " x  \x89 ", 0xFFFFFFF0u));
    history.games.back().number = game;
    game = history.BeginGame();
    history.RecordFact(Problem{6, OpMultiply, 7}, FactOutcome::Right, 0, game);
    history.RecordFact(Problem{8, OpAdd, 5}, FactOutcome::Right, 950, game);
    history.RecordGame(Game("", 2, " +  -  x  \x89 ", 40));
    history.games.back().number = game;
    history.options.fluentSeconds = 12;
    history.EarnMilestone({OpMultiply, 13, "2026-12-08"});
    history.EarnMilestone({OpSubtract, 100, ""});
    history.games.back().facts = "7, 12 to 12; within 20";
    history.games.back().calm = true;
    history.options.showAnswer = true;
    history.options.facts.SetTable(7, true);
    history.options.facts.typedTable = 13;
    history.options.facts.band = SumBand::Within100;
    history.options.facts.pace = Pace::Calm;
    history.options.facts.calmRound = 50;
    return history;
}

// What a file of an earlier version keeps of a history: no recent answers, no game numbers,
// threshold or milestones; in the first version no chosen facts, no game's facts or pace
// either. Its times read as right answers' times where no wrong answer was timed among
// them, else as the best right answer's alone.
ProgressHistory OlderVersionPart(ProgressHistory history, int version) {
    history.options.fluentSeconds = ProgressOptions().fluentSeconds;
    history.milestones.clear();
    for (FactRecord& fact : history.facts) {
        fact.recent.clear();
        fact.timed = fact.wrong == 0 ? fact.right : std::min(fact.right, 1);
        fact.totalMs = fact.wrong == 0 ? fact.totalMs : fact.timed * fact.bestMs;
        fact.bestMs = fact.timed > 0 ? fact.bestMs : 0;
    }
    for (GameRecord& game : history.games) {
        game.number = 0;
    }
    if (version == FirstProgressVersion) {
        history.options.facts = FactChoice();
        for (GameRecord& game : history.games) {
            game.facts.clear();
            game.calm = false;
        }
    }
    return history;
}

// The bytes of a file of an earlier version of a history, in that version's layout.
std::string OlderVersionBytes(const ProgressHistory& history, int version) {
    std::string header = ProgressHeader;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    ProgressHistory copy = history;
    archive.TransferBool(copy.options.weakFacts);
    archive.TransferBool(copy.options.showAnswer);
    if (version == ChosenFactsVersion) {
        FactChoice& choice = copy.options.facts;
        int narrow[] = {choice.tables, static_cast<int>(choice.band),
                        static_cast<int>(choice.pace)};
        for (int* field : {&narrow[0], &choice.typedTable, &choice.otherFactorMax, &narrow[1],
                           &narrow[2], &choice.calmRound}) {
            archive.TransferInt(*field);
        }
    }
    int count = static_cast<int>(copy.facts.size());
    for (int* number : {&copy.gamesPlayed, &count}) {
        archive.TransferInt(*number);
    }
    for (FactRecord& fact : copy.facts) {
        // Every first answer timed, right or wrong.
        int operation = fact.operation;
        for (int* field :
             {&operation, &fact.operandA, &fact.operandB, &fact.asked, &fact.right, &fact.wrong,
              &fact.skipped, &fact.totalMs, &fact.bestMs, &fact.lastGame}) {
            archive.TransferInt(*field);
        }
    }
    count = static_cast<int>(copy.games.size());
    archive.TransferInt(count);
    for (GameRecord& game : copy.games) {
        int score = static_cast<int>(game.score);
        archive.TransferString(game.when);
        archive.TransferInt(game.difficulty);
        archive.TransferString(game.operations);
        for (int* field : {&score, &game.level, &game.right, &game.wrong, &game.medianMs}) {
            archive.TransferInt(*field);
        }
        if (version == ChosenFactsVersion) {
            archive.TransferString(game.facts);
            archive.TransferBool(game.calm);
        }
    }
    return archive.CloseArchive();
}

auto FactFields(const FactRecord& f) {
    std::vector<std::pair<int, bool>> recent;
    for (const RecentAnswer& answer : f.recent) {
        recent.emplace_back(answer.ms, answer.right);
    }
    return std::make_tuple(f.operation, f.operandA, f.operandB, f.asked, f.right, f.wrong,
                           f.skipped, f.totalMs, f.timed, f.bestMs, f.lastGame, recent);
}

auto GameFields(const GameRecord& g) {
    return std::make_tuple(g.number, g.when, g.difficulty, g.operations, g.score, g.level, g.right,
                           g.wrong, g.medianMs, g.facts, g.calm);
}

auto MilestoneFields(const Milestone& m) {
    return std::make_tuple(m.operation, m.number, m.date);
}

void ExpectSameHistory(const ProgressHistory& actual, const ProgressHistory& expected) {
    EXPECT_EQ(actual.options.weakFacts, expected.options.weakFacts);
    EXPECT_EQ(actual.options.showAnswer, expected.options.showAnswer);
    EXPECT_TRUE(actual.options.facts == expected.options.facts);
    EXPECT_EQ(actual.options.fluentSeconds, expected.options.fluentSeconds);
    EXPECT_EQ(actual.gamesPlayed, expected.gamesPlayed);
    ASSERT_EQ(actual.facts.size(), expected.facts.size());
    for (std::size_t i = 0; i < actual.facts.size(); ++i) {
        EXPECT_EQ(FactFields(actual.facts[i]), FactFields(expected.facts[i])) << "fact " << i;
    }
    ASSERT_EQ(actual.games.size(), expected.games.size());
    for (std::size_t i = 0; i < actual.games.size(); ++i) {
        EXPECT_EQ(GameFields(actual.games[i]), GameFields(expected.games[i])) << "game " << i;
    }
    ASSERT_EQ(actual.milestones.size(), expected.milestones.size());
    for (std::size_t i = 0; i < actual.milestones.size(); ++i) {
        EXPECT_EQ(MilestoneFields(actual.milestones[i]), MilestoneFields(expected.milestones[i]));
    }
}

// A file's lines, each without its line feed, and back.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + '\n';
    }
    return bytes;
}

// Line numbers in a file: four of the header, the two switches, the six of the chosen facts,
// the threshold, the games played, then each list after its count: a fact's ten numbers,
// the right answers timed and its recent answers after their count (two lines each), a
// game's texts and numbers, a milestone's two numbers and its date. A text takes a line for
// its length and, unless empty, one for itself.
constexpr std::size_t ChoiceLine = 6;
constexpr std::size_t ThresholdLine = 12;
constexpr std::size_t GamesPlayedLine = 13;
constexpr std::size_t FactCountLine = 14;
enum FactField {
    Operation,
    OperandA,
    OperandB,
    Asked,
    Right,
    Wrong,
    Skipped,
    TotalMs,
    BestMs,
    LastGame,
    Timed,
    RecentCount,
    FirstRecentMs,
    FirstRecentRight
};

std::size_t FactLines(const FactRecord& fact, int version = ProgressVersion) {
    return version == ProgressVersion ? 12 + 2 * fact.recent.size() : 10;
}

std::size_t TextLines(const std::string& text) {
    return text.empty() ? 1 : 2;
}

std::size_t GameLines(const GameRecord& game, int version = ProgressVersion) {
    const std::size_t first = TextLines(game.when) + 1 + TextLines(game.operations) + 5;
    const std::size_t second = version == FirstProgressVersion ? 0 : TextLines(game.facts) + 1;
    return first + second + (version == ProgressVersion ? 1 : 0);
}

std::size_t MilestoneLines(const Milestone& milestone) {
    return 2 + TextLines(milestone.date);
}

// A line of Filled()'s file.
std::size_t FactLine(std::size_t fact, FactField field) {
    std::size_t line = FactCountLine + 1;
    for (std::size_t i = 0; i < fact; ++i) {
        line += FactLines(Filled().facts[i]);
    }
    return line + field;
}

std::size_t GameCountLine(const ProgressHistory& history) {
    std::size_t line = FactCountLine + 1;
    for (const FactRecord& fact : history.facts) {
        line += FactLines(fact);
    }
    return line;
}

std::size_t MilestoneCountLine(const ProgressHistory& history) {
    std::size_t line = GameCountLine(history) + 1;
    for (const GameRecord& game : history.games) {
        line += GameLines(game);
    }
    return line;
}

// Filled()'s bytes with one line replaced.
std::string WithLine(std::size_t line, const std::string& text) {
    std::vector<std::string> lines = Lines(ProgressFileBytes(Filled()));
    lines.at(line) = text;
    return Joined(lines);
}

// Whether the reader takes bytes; a refusal must leave the history it was given as it was.
bool Accepts(const std::string& bytes) {
    ProgressHistory history = Filled();
    history.gamesPlayed = 77;
    if (ReadProgressBytes(bytes, history)) {
        return true;
    }
    EXPECT_EQ(history.gamesPlayed, 77) << "a refused file changed the history";
    EXPECT_EQ(history.facts.size(), Filled().facts.size());
    return false;
}

} // namespace

namespace {

// One game of one fact, as the smallest files below hold it.
ProgressHistory Small() {
    ProgressHistory history;
    history.options.weakFacts = true;
    history.RecordFact(Problem{6, OpMultiply, 7}, FactOutcome::Right, 1500, history.BeginGame());
    GameRecord game = Game("2026-12-08 19:52", 1, " +  x ", 120);
    game.number = 1;
    game.right = 1;
    game.wrong = 0;
    game.medianMs = 1500;
    history.RecordGame(game);
    return history;
}

// Small() with facts chosen and a game of them.
ProgressHistory SmallWithFactsChosen() {
    ProgressHistory history = Small();
    history.options.facts.SetTable(3, true);
    history.options.facts.SetTable(12, true);
    history.options.facts.typedTable = 99;
    history.options.facts.otherFactorMax = LongOtherFactor;
    history.options.facts.band = SumBand::Within20;
    history.options.facts.pace = Pace::Calm;
    history.options.facts.calmRound = 10;
    history.games[0].facts = "7";
    history.games[0].calm = true;
    return history;
}

// Files of the earlier versions of those, as their programs saved them.
const char SmallFirstVersionFile[] = "20\nQuickfigure progress\n1\n0\n"
                                     "1\n0\n1\n"
                                     "1\n120\n6\n7\n1\n1\n0\n0\n1500\n1500\n1\n"
                                     "1\n16\n2026-12-08 19:52\n1\n6\n +  x \n120\n3\n1\n0\n1500\n";
const char SmallSecondVersionFile[] =
    "20\nQuickfigure progress\n2\n0\n"
    "1\n0\n2052\n99\n12\n2\n1\n10\n1\n"
    "1\n120\n6\n7\n1\n1\n0\n0\n1500\n1500\n1\n"
    "1\n16\n2026-12-08 19:52\n1\n6\n +  x \n120\n3\n1\n0\n1500\n1\n7\n1\n";

} // namespace

TEST(ProgressFileFormat, ASmallHistoryWritesExactlyTheseBytes) {
    ProgressHistory history = SmallWithFactsChosen();
    history.options.fluentSeconds = 6;
    history.EarnMilestone({OpMultiply, 7, "2026-12-08"});
    EXPECT_EQ(ProgressFileBytes(history),
              "20\nQuickfigure progress\n3\n0\n"
              "1\n0\n2052\n99\n12\n2\n1\n10\n6\n1\n"
              "1\n120\n6\n7\n1\n1\n0\n0\n1500\n1500\n1\n1\n1\n1500\n1\n"
              "1\n16\n2026-12-08 19:52\n1\n6\n +  x \n120\n3\n1\n0\n1500\n1\n7\n1\n1\n"
              "1\n120\n7\n10\n2026-12-08\n");
    EXPECT_EQ(ProgressFileBytes(ProgressHistory()),
              "20\nQuickfigure progress\n3\n0\n0\n0\n0\n0\n10\n0\n0\n20\n3\n0\n0\n0\n0\n");
}

TEST(ProgressFileFormat, AFileOfAnEarlierVersionReadsInFullWithTheDefaultsOfWhatItLacks) {
    ASSERT_EQ(OlderVersionBytes(Small(), FirstProgressVersion), SmallFirstVersionFile)
        << "the test's own writer";
    ASSERT_EQ(OlderVersionBytes(SmallWithFactsChosen(), ChosenFactsVersion),
              SmallSecondVersionFile);
    for (const int version : {FirstProgressVersion, ChosenFactsVersion}) {
        for (const ProgressHistory& history : {Small(), Filled(), ProgressHistory()}) {
            SCOPED_TRACE("version " + std::to_string(version));
            ProgressHistory read = Filled();
            ASSERT_TRUE(ReadProgressBytes(OlderVersionBytes(history, version), read));
            ExpectSameHistory(read, OlderVersionPart(history, version));
            ProgressHistory again;
            ASSERT_TRUE(ReadProgressBytes(ProgressFileBytes(read), again)) << "saved as version 3";
            ExpectSameHistory(again, read);
        }
    }
}

// An earlier version timed each problem's first answer, right or wrong: only a total of
// right answers alone is kept as one; otherwise the best right answer stands alone, so the
// best is never slower than the average.
TEST(ProgressFileFormat, AnEarlierVersionsTimesBecomeRightAnswerTimes) {
    struct Case {
        int right, wrong, totalMs, bestMs;
        int timed, upgradedTotalMs, upgradedBestMs;
    };
    const Case cases[] = {
        {3, 0, 6000, 1500, 3, 6000, 1500}, // right answers only: all of them kept
        {2, 1, 2500, 1900, 1, 1900, 1900}, // a quick wrong key made the average 0.8 s
        {0, 2, 900, 0, 0, 0, 0},           // never right: no time
        {0, 0, 0, 0, 0, 0, 0},             // only skipped
        {2, 0, 3000, 1600, 2, 3000, 1500}, // a best no game leaves: the average
    };
    for (const Case& c : cases) {
        ProgressHistory history;
        history.gamesPlayed = 1;
        FactRecord fact = FactAfter(OpMultiply, 7, 8, c.right, c.wrong, 1);
        fact.totalMs = c.totalMs;
        fact.bestMs = c.bestMs;
        history.facts.push_back(fact);
        ProgressHistory read;
        ASSERT_TRUE(ReadProgressBytes(OlderVersionBytes(history, ChosenFactsVersion), read));
        const FactRecord& upgraded = read.facts.at(0);
        EXPECT_EQ(upgraded.timed, c.timed) << c.right << " right, " << c.wrong << " wrong";
        EXPECT_EQ(upgraded.totalMs, c.upgradedTotalMs);
        EXPECT_EQ(upgraded.bestMs, c.upgradedBestMs);
        EXPECT_TRUE(upgraded.recent.empty());
    }
}

TEST(ProgressFileFormat, ARoundTripKeepsEveryFieldAndEveryByte) {
    for (const ProgressHistory& history : {ProgressHistory(), Filled()}) {
        const std::string bytes = ProgressFileBytes(history);
        ProgressHistory read;
        read.gamesPlayed = 99;
        ASSERT_TRUE(ReadProgressBytes(bytes, read));
        ExpectSameHistory(read, history);
        EXPECT_EQ(ProgressFileBytes(read), bytes);
    }
}

TEST(ProgressFileFormat, AFullHistoryOfTheWidestValuesFitsAndReadsBack) {
    ProgressHistory history;
    history.gamesPlayed = INT_MAX;
    const std::uint8_t operations[] = {OpAdd, OpSubtract, OpMultiply, OpDivide};
    for (int i = 0; i < MaxProgressFacts; ++i) {
        FactRecord fact;
        fact.operation = operations[i % 4];
        fact.operandA = INT_MIN + i;
        fact.operandB = INT_MIN;
        fact.asked = INT_MAX;
        fact.right = INT_MAX - 2 * 1000000000;
        fact.wrong = 1000000000;
        fact.skipped = 1000000000;
        fact.totalMs = INT_MAX;
        fact.timed = fact.right;
        fact.bestMs = MaxAnswerMs;
        fact.lastGame = INT_MAX - i;
        fact.recent.assign(RecentAnswerCount, RecentAnswer{MaxAnswerMs, true});
        history.facts.push_back(fact);
    }
    const std::string longest(MaxArchiveStringBytes, '9');
    for (int i = 0; i < MaxProgressGames + 1; ++i) {
        GameRecord game = Game(longest.c_str(), 2, longest.c_str(), 0x80000000u);
        game.level = game.right = game.wrong = INT_MAX;
        game.medianMs = MaxAnswerMs;
        game.number = INT_MAX;
        game.facts = std::string(MaxGameFactsBytes, '7');
        history.RecordGame(game);
    }
    for (int i = 0; i < MaxMilestones; ++i) {
        const std::string date(64, static_cast<char>('0' + i % 10));
        history.milestones.push_back({OperationTable[i % 4].code, 1 + i / 4, date});
    }
    const std::string bytes = ProgressFileBytes(history);
    EXPECT_LE(bytes.size(), MaxProgressFileBytes);
    ProgressHistory read;
    ASSERT_TRUE(ReadProgressBytes(bytes, read));
    ExpectSameHistory(read, history);
}

TEST(ProgressFileReader, RefusesAFileCutShortAnywhereOrWithAnythingAfterIt) {
    const std::string bytes = ProgressFileBytes(Filled());
    ASSERT_TRUE(Accepts(bytes));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(Accepts(bytes.substr(0, length))) << "cut to " << length << " bytes";
    }
    for (const std::string& tail : {std::string("\n"), std::string("0\n"), std::string("x"),
                                    std::string("\r"), std::string(1, '\0')}) {
        EXPECT_FALSE(Accepts(bytes + tail)) << "followed by \"" << tail << "\"";
    }
}

TEST(ProgressFileReader, RefusesAnotherHeaderOrVersion) {
    EXPECT_FALSE(Accepts(WithLine(0, "11")));
    EXPECT_FALSE(Accepts(WithLine(1, "Quickfigure progresz")));
    EXPECT_FALSE(Accepts(WithLine(2, "4"))) << "a newer version";
    EXPECT_FALSE(Accepts(WithLine(2, "1"))) << "the first version's layout";
    EXPECT_FALSE(Accepts(WithLine(2, "2"))) << "the second version's layout";
    EXPECT_FALSE(Accepts(WithLine(2, "0")));
    EXPECT_FALSE(Accepts(WithLine(3, "1")));
    std::vector<std::string> settings = Lines(WithLine(1, "Quickfigure"));
    settings[0] = "11";
    EXPECT_FALSE(Accepts(Joined(settings))) << "the settings file's header";
}

TEST(ProgressFileReader, RefusesCountsBeyondTheBounds) {
    ProgressHistory tooManyFacts;
    tooManyFacts.gamesPlayed = 1;
    for (int i = 0; i <= MaxProgressFacts; ++i) {
        tooManyFacts.facts.push_back(FactRecord());
        tooManyFacts.facts.back().operandA = i;
    }
    EXPECT_FALSE(Accepts(ProgressFileBytes(tooManyFacts)));
    tooManyFacts.facts.pop_back();
    EXPECT_TRUE(Accepts(ProgressFileBytes(tooManyFacts))) << "exactly the most facts kept";

    ProgressHistory tooManyGames;
    tooManyGames.games.resize(MaxProgressGames + 1);
    EXPECT_FALSE(Accepts(ProgressFileBytes(tooManyGames)));
    tooManyGames.games.pop_back();
    EXPECT_TRUE(Accepts(ProgressFileBytes(tooManyGames))) << "exactly the most games kept";

    ProgressHistory tooManyMilestones;
    for (int i = 0; i <= MaxMilestones; ++i) {
        tooManyMilestones.milestones.push_back({OpAdd, 1 + i % 100, std::to_string(i)});
        tooManyMilestones.milestones.back().operation = OperationTable[i / 100].code;
    }
    EXPECT_FALSE(Accepts(ProgressFileBytes(tooManyMilestones)));
    tooManyMilestones.milestones.pop_back();
    EXPECT_TRUE(Accepts(ProgressFileBytes(tooManyMilestones))) << "exactly the most kept";

    EXPECT_FALSE(Accepts(WithLine(FactCountLine, "-1")));
    EXPECT_FALSE(Accepts(WithLine(GameCountLine(Filled()), "-1")));
    EXPECT_FALSE(Accepts(WithLine(MilestoneCountLine(Filled()), "-1")));
}

TEST(ProgressFileReader, RefusesCountsThatDisagree) {
    const ProgressHistory filled = Filled();
    ASSERT_EQ(filled.facts[0].asked, 2);
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, Asked), "3")));
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, Right), "1")));
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, Skipped), "1")));
    ProgressHistory negative = filled;
    negative.facts[0].wrong = -1;
    negative.facts[0].right = 3;
    EXPECT_FALSE(Accepts(ProgressFileBytes(negative))) << "a negative count, though they add up";
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, TotalMs), "-5")));
    const int longest = 2 * MaxAnswerMs; // of the fact's two timed answers
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, TotalMs), std::to_string(longest + 1))));
    EXPECT_TRUE(Accepts(WithLine(FactLine(0, TotalMs), std::to_string(longest))));
    EXPECT_FALSE(Accepts(WithLine(FactLine(0, BestMs), std::to_string(MaxAnswerMs + 1))));
    EXPECT_FALSE(Accepts(WithLine(GamesPlayedLine, "1"))) << "a fact seen in game 2 of 1";
    EXPECT_FALSE(Accepts(WithLine(GamesPlayedLine, "-1")));
    EXPECT_FALSE(Accepts(WithLine(FactCountLine, "3"))) << "four facts listed";
    EXPECT_FALSE(Accepts(WithLine(FactCountLine, "5")));

    const std::size_t firstGame = GameCountLine(filled) + 1;
    EXPECT_FALSE(Accepts(WithLine(GameCountLine(filled), "1")));
    EXPECT_FALSE(Accepts(WithLine(firstGame + 2, "3"))) << "a fourth difficulty";
    EXPECT_FALSE(Accepts(WithLine(firstGame + 2, "-1")));
    EXPECT_FALSE(Accepts(WithLine(firstGame + 6, "-1"))) << "a negative level";
    EXPECT_FALSE(Accepts(WithLine(firstGame + 7, "-1"))) << "a negative right count";
    EXPECT_FALSE(Accepts(WithLine(firstGame + 9, std::to_string(MaxAnswerMs + 1))));
    EXPECT_FALSE(Accepts(WithLine(firstGame, "17"))) << "a date text of the wrong length";
    const std::size_t number = firstGame + GameLines(filled.games[0]) - 1;
    EXPECT_FALSE(Accepts(WithLine(number, "3"))) << "game 3 of 2";
    EXPECT_FALSE(Accepts(WithLine(number, "-1")));
    EXPECT_TRUE(Accepts(WithLine(number, "0"))) << "a game from before numbers";
}

TEST(ProgressFileReader, RefusesTimesAndRecentAnswersNoGameCouldLeave) {
    const ProgressHistory filled = Filled();
    ASSERT_EQ(filled.facts[1].wrong, 1) << "12 / 4: wrong, then right late";
    ASSERT_EQ(filled.facts[1].recent.size(), 1u);
    const std::pair<std::size_t, const char*> refused[] = {
        {FactLine(0, Timed), "3"},              // more times than problems answered
        {FactLine(0, Timed), "-1"},             //
        {FactLine(2, Timed), "1"},              // the skipped fact: a time without a total
        {FactLine(1, TotalMs), "1200001"},      // more than the one time kept can hold
        {FactLine(1, TotalMs), "5199"},         // an average faster than the best
        {FactLine(1, RecentCount), "4"},        // more than three kept
        {FactLine(1, RecentCount), "-1"},       //
        {FactLine(1, FirstRecentMs), "5"},      // a wrong answer keeps no time
        {FactLine(0, FirstRecentMs), "-1"},     //
        {FactLine(0, FirstRecentMs), "600001"}, // longer than the longest kept
        {ThresholdLine, "4"},                   // no threshold the screen offers
        {ThresholdLine, "0"},
    };
    for (const auto& [line, text] : refused) {
        EXPECT_FALSE(Accepts(WithLine(line, text))) << "line " << line << ": " << text;
    }
    EXPECT_TRUE(Accepts(WithLine(ThresholdLine, "6")));
    ProgressHistory tooMany = filled;
    tooMany.facts[2].recent.assign(2, RecentAnswer{});
    EXPECT_FALSE(Accepts(ProgressFileBytes(tooMany))) << "more recent answers than problems";
}

TEST(ProgressFileReader, RefusesAMilestoneKeptTwiceOrOutOfReason) {
    ProgressHistory history = Filled();
    ASSERT_TRUE(Accepts(ProgressFileBytes(history)));
    const Milestone refused[] = {
        {OpMultiply, 13, "2026-12-09"}, // the same table again
        {'%', 7, ""},                   // no operation
        {OpAdd, 0, ""},                 //
        {OpAdd, 101, ""},               //
        {OpAdd, 10, std::string(65, '1')},
    };
    for (const Milestone& milestone : refused) {
        ProgressHistory bad = history;
        bad.milestones.push_back(milestone);
        EXPECT_FALSE(Accepts(ProgressFileBytes(bad))) << milestone.number << " " << milestone.date;
    }
    history.milestones.push_back({OpDivide, 13, "2026-12-09"});
    EXPECT_TRUE(Accepts(ProgressFileBytes(history))) << "the same number of another operation";
}

TEST(ProgressFileReader, RefusesAFactListedTwiceOrOfAnUnknownOperation) {
    ProgressHistory twice = Filled();
    twice.facts.push_back(twice.facts[1]);
    EXPECT_FALSE(Accepts(ProgressFileBytes(twice)));
    twice.facts.back().operandB += 1;
    EXPECT_TRUE(Accepts(ProgressFileBytes(twice))) << "the same operands of another fact";

    for (const char* operation : {"0", "47", "255", "256", "299", "-213"}) {
        EXPECT_FALSE(Accepts(WithLine(FactLine(0, Operation), operation))) << operation;
    }
    for (const char* operation : {"43", "45", "120", "137"}) {
        EXPECT_TRUE(Accepts(WithLine(FactLine(2, Operation), operation))) << operation;
    }
}

TEST(ProgressFileReader, RefusesNumbersNotWrittenAsASaveWritesThem) {
    const std::string asked = std::to_string(Filled().facts[0].asked);
    for (const std::string& text : {"0" + asked, "+" + asked, " " + asked, asked + " ",
                                    asked + "\r", asked + ".0", asked + std::string(1, '\0')}) {
        EXPECT_FALSE(Accepts(WithLine(FactLine(0, Asked), text))) << "\"" << text << "\"";
    }
    EXPECT_FALSE(Accepts(WithLine(4, "2"))) << "a switch is 0 or 1";
    EXPECT_FALSE(Accepts(WithLine(FactLine(2, OperandA), "-07")));
    EXPECT_FALSE(Accepts(WithLine(FactLine(2, TotalMs), "-0")));
    EXPECT_FALSE(Accepts(WithLine(FactLine(2, OperandB), "99999999999"))) << "beyond an int";
}

TEST(ProgressFileReader, RefusesAChoiceTheScreenCannotSetOrAGameFactsTextOutOfReason) {
    // Each line of the chosen facts in turn: tables, typed table, other factor, band, pace
    // and calm round.
    const std::pair<std::size_t, const char*> choices[] = {
        {0, "4096"}, {0, "65600"}, {1, "12"}, {1, "100"}, {2, "11"},
        {3, "4"},    {3, "259"},   {4, "2"},  {5, "30"},  {5, "0"}};
    for (const auto& [line, text] : choices) {
        EXPECT_FALSE(Accepts(WithLine(ChoiceLine + line, text))) << line << ": " << text;
    }
    EXPECT_TRUE(Accepts(WithLine(ChoiceLine + 1, "0"))) << "no typed table";
    EXPECT_TRUE(Accepts(WithLine(ChoiceLine + 5, "10"))) << "the shortest round";

    ProgressHistory history = Filled();
    for (const std::string& facts : {std::string(MaxGameFactsBytes + 1, '7'), std::string("7\t8"),
                                     std::string("\x89"), std::string(1, '\x7F')}) {
        history.games[0].facts = facts;
        EXPECT_FALSE(Accepts(ProgressFileBytes(history))) << "\"" << facts << "\"";
    }
    history.games[0].facts = " " + std::string(MaxGameFactsBytes - 1, '~');
    EXPECT_TRUE(Accepts(ProgressFileBytes(history)));
}

namespace {

// A store with the save folder holding the other two data files, and the program folder.
class ProgressStore : public ::testing::Test {
  protected:
    ProgressStore() {
        store.folders.insert(SaveFolder);
        store.folders.insert(ProgramFolder);
        store.files[Settings].bytes = "settings as they were";
        store.files[HighScores].bytes = "high scores as they were";
    }

    ProgressHistory Load(ProgressFileState& state, const std::string& fallback = std::string()) {
        ProgressHistory history;
        LoadProgressFile(store, SaveFolder, fallback, !fallback.empty(), history, state);
        return history;
    }
    ProgressHistory Load() {
        ProgressFileState state;
        return Load(state);
    }

    void ExpectOtherFilesUntouched() const {
        EXPECT_EQ(store.Bytes(Settings), "settings as they were");
        EXPECT_EQ(store.Bytes(HighScores), "high scores as they were");
    }

    // A load finding bytes as progress.dat sets them aside and starts from what it could
    // read of them (kept), saved in its place; what the session then records is saved and
    // reads back.
    void CheckSetAside(const std::string& bytes, const ProgressHistory& kept) {
        store.files[Progress].bytes = bytes;
        ProgressFileState state;
        ProgressHistory history = Load(state);
        ExpectSameHistory(history, kept);
        EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(kept));
        EXPECT_TRUE(store.Bytes(SetAside) == bytes) << "the set-aside file is not as found";
        EXPECT_EQ(state.damagedFileKept, SetAside);
        ExpectOtherFilesUntouched();

        history.RecordFact(Problem{2, OpAdd, 3}, FactOutcome::Right, 700, history.BeginGame());
        EXPECT_TRUE(SaveProgressFile(store, history, state));
        EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(history));
        EXPECT_TRUE(store.Bytes(SetAside) == bytes);
        ExpectSameHistory(Load(), history);
        ExpectOtherFilesUntouched();
    }

    MemoryFileStore store;
};

} // namespace

TEST_F(ProgressStore, ADamagedFileIsSetAsideAndWhatWasReadOfItIsSaved) {
    const std::string bytes = ProgressFileBytes(Filled());
    ProgressHistory kept = Filled();
    kept.milestones.pop_back(); // its last line is cut short
    CheckSetAside(bytes.substr(0, bytes.size() - 1), kept);
}

TEST_F(ProgressStore, AnEmptyFileIsSetAsideLikeADamagedOne) {
    CheckSetAside(std::string(), ProgressHistory());
}

TEST_F(ProgressStore, AnOversizedFileIsSetAsideUnread) {
    // Whole and valid up to its tail, so reading it whole would not refuse it as damaged.
    std::string bytes = ProgressFileBytes(Filled());
    bytes += std::string(MaxProgressFileBytes + 1 - bytes.size(), '\n');
    CheckSetAside(bytes, ProgressHistory());
}

TEST_F(ProgressStore, ALockedFileIsNeverOverwritten) {
    store.files[Progress].bytes = ProgressFileBytes(Filled());
    const auto before = store.files;
    store.locked.insert(Progress);
    ProgressFileState state;
    ProgressHistory history = Load(state);
    EXPECT_TRUE(history.Empty());
    EXPECT_FALSE(state.writable);
    history.RecordFact(Problem{1, OpAdd, 1}, FactOutcome::Right, 300, history.BeginGame());
    EXPECT_FALSE(SaveProgressFile(store, history, state));
    store.locked.clear();
    EXPECT_FALSE(SaveProgressFile(store, history, state)) << "not after it is released either";
    EXPECT_EQ(store.files.size(), before.size());
    EXPECT_EQ(store.Bytes(Progress), before.at(Progress).bytes);
    ExpectSameHistory(Load(), Filled());
}

TEST_F(ProgressStore, ADamagedFileThatCannotBeSetAsideIsKept) {
    const std::string damaged = ProgressFileBytes(Filled()) + "junk";
    store.files[Progress].bytes = damaged;
    store.readOnlyFolders.insert(SaveFolder);
    ProgressFileState state;
    ProgressHistory history = Load(state);
    ExpectSameHistory(history, Filled());
    EXPECT_FALSE(state.writable);
    EXPECT_EQ(state.damagedFileKept, Progress) << "kept where it is";
    history.BeginGame();
    store.readOnlyFolders.clear();
    EXPECT_FALSE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.Bytes(Progress), damaged);
}

TEST_F(ProgressStore, AFileTakenDuringTheSessionKeepsItsBytes) {
    store.files[Progress].bytes = ProgressFileBytes(Filled());
    ProgressFileState state;
    ProgressHistory history = Load(state);
    store.locked.insert(Progress);
    history.BeginGame();
    EXPECT_FALSE(SaveProgressFile(store, history, state));
    store.locked.clear();
    EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(Filled()));
    EXPECT_FALSE(store.Has(Temporary));
    EXPECT_TRUE(SaveProgressFile(store, history, state)) << "a later save tries again";
    ExpectSameHistory(Load(), history);
}

TEST_F(ProgressStore, TheFallbackFolderIsReadWhenTheSaveFolderHasNone) {
    store.folders.erase(SaveFolder);
    store.files.clear();
    const std::string programFile = ProgramFolder + "progress.dat";
    store.files[programFile].bytes = ProgressFileBytes(Filled());
    ProgressFileState state;
    ProgressHistory history = Load(state, ProgramFolder);
    ExpectSameHistory(history, Filled());

    // The first save goes to the save folder, made for it, even of the history unchanged.
    EXPECT_TRUE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.folders.count(SaveFolder), 1u);
    EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(Filled()));
    EXPECT_EQ(store.Bytes(programFile), ProgressFileBytes(Filled()));

    // From now on the save folder's file is the one read.
    store.files[programFile].bytes = ProgressFileBytes(ProgressHistory());
    ExpectSameHistory(Load(state, ProgramFolder), Filled());
    store.files[Progress].bytes = "damaged";
    EXPECT_TRUE(Load(state, ProgramFolder).Empty()) << "the fallback is not read over it";
    EXPECT_TRUE(store.Has(SetAside));
    EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(ProgressHistory()));
}

TEST_F(ProgressStore, ADamagedFallbackIsLeftAloneAndALockedOneIsNotShadowed) {
    const std::string programFile = ProgramFolder + "progress.dat";
    const std::string damaged = ProgressFileBytes(Filled()) + "junk";
    store.files[programFile].bytes = damaged;
    ProgressFileState state;
    ProgressHistory history = Load(state, ProgramFolder);
    ExpectSameHistory(history, Filled()); // what reads whole of it
    EXPECT_TRUE(state.writable);
    EXPECT_EQ(state.damagedFileKept, programFile);
    EXPECT_EQ(store.Bytes(programFile), damaged);
    EXPECT_FALSE(store.Has(programFile + ".bad"));

    store.files[programFile].bytes = ProgressFileBytes(Filled());
    store.locked.insert(programFile);
    history = Load(state, ProgramFolder);
    EXPECT_FALSE(state.writable) << "a new history would hide the one there for good";
    history.BeginGame();
    EXPECT_FALSE(SaveProgressFile(store, history, state));
    EXPECT_FALSE(store.Has(Progress));
}

TEST_F(ProgressStore, ALeftoverTemporaryFileIsRemovedAndTheFileStands) {
    store.files[Progress].bytes = ProgressFileBytes(Filled());
    store.files[Temporary].bytes = "half a save";
    ExpectSameHistory(Load(), Filled());
    EXPECT_FALSE(store.Has(Temporary));
    EXPECT_FALSE(store.Has(SetAside));
}

TEST_F(ProgressStore, AnEarlierVersionsFileIsUpgradedAtTheNextSaveAndItsCopyThenRemoved) {
    for (const int version : {FirstProgressVersion, ChosenFactsVersion}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const std::string copy = Progress + ".v" + std::to_string(version);
        const std::string older = OlderVersionBytes(Filled(), version);
        store.files[Progress].bytes = older;
        ProgressFileState state;
        ProgressHistory history = Load(state);
        ExpectSameHistory(history, OlderVersionPart(Filled(), version));
        EXPECT_EQ(store.Bytes(Progress), older) << "the load does not write";
        store.locked.insert(copy);
        EXPECT_FALSE(SaveProgressFile(store, history, state)) << "the old bytes could not be kept";
        EXPECT_EQ(store.Bytes(Progress), older);
        store.locked.clear();
        EXPECT_TRUE(SaveProgressFile(store, history, state)) << "unchanged, yet upgraded";
        EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(history));
        EXPECT_FALSE(store.Has(copy));
        const int steps = store.steps;
        history.BeginGame();
        EXPECT_TRUE(SaveProgressFile(store, history, state));
        EXPECT_EQ(store.steps, steps + 3) << "written, flushed and moved, no copy kept";
        ExpectOtherFilesUntouched();
    }
}

TEST_F(ProgressStore, AnEarlierVersionsFileInTheFallbackFolderIsLeftAsItIsWithoutACopy) {
    store.folders.erase(SaveFolder);
    store.files.clear();
    const std::string programFile = ProgramFolder + "progress.dat";
    store.files[programFile].bytes = OlderVersionBytes(Filled(), ChosenFactsVersion);
    ProgressFileState state;
    ProgressHistory history = Load(state, ProgramFolder);
    EXPECT_TRUE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.Bytes(Progress),
              ProgressFileBytes(OlderVersionPart(Filled(), ChosenFactsVersion)));
    EXPECT_EQ(store.Bytes(programFile), OlderVersionBytes(Filled(), ChosenFactsVersion));
    EXPECT_FALSE(store.Has(OlderSecond) || store.Has(programFile + ".v2"));
}

TEST_F(ProgressStore, ADamagedFirstVersionFileIsSetAsideAndItsWholePartSavedUpgraded) {
    const std::string bytes = OlderVersionBytes(Filled(), FirstProgressVersion);
    ProgressHistory kept = OlderVersionPart(Filled(), FirstProgressVersion);
    kept.games.pop_back(); // its last line is cut short
    CheckSetAside(bytes.substr(0, bytes.size() - 1), kept);
    EXPECT_FALSE(store.Has(Older)) << "the damaged file's copy is the set-aside one";
}

TEST_F(ProgressStore, AFileOfANewerVersionIsSetAsideUnread) {
    std::vector<std::string> lines = Lines(ProgressFileBytes(Filled()));
    lines[2] = std::to_string(ProgressVersion + 1);
    CheckSetAside(Joined(lines), ProgressHistory());
}

TEST_F(ProgressStore, AnUnchangedHistoryIsNotRewritten) {
    store.files[Progress].bytes = ProgressFileBytes(Filled());
    ProgressFileState state;
    ProgressHistory history = Load(state);
    const int steps = store.steps;
    EXPECT_TRUE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.steps, steps) << "nothing written, flushed or moved";

    history.options.weakFacts = false;
    EXPECT_TRUE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.steps, steps + 3) << "written, flushed and moved";
    EXPECT_TRUE(SaveProgressFile(store, history, state));
    EXPECT_EQ(store.steps, steps + 3);
    ExpectSameHistory(Load(), history);
}

TEST_F(ProgressStore, NothingIsSavedBeforeALoad) {
    ProgressFileState state;
    state.folder = SaveFolder;
    EXPECT_FALSE(SaveProgressFile(store, Filled(), state));
    EXPECT_FALSE(store.Has(Progress));
}

TEST_F(ProgressStore, TheExportGoesBesideTheFile) {
    ProgressFileState state;
    EXPECT_FALSE(ExportProgressCsv(store, state, FactsCsvName, "a,b\n")) << "before a load";
    Load(state);
    EXPECT_TRUE(ExportProgressCsv(store, state, FactsCsvName, "a,b\n"));
    EXPECT_EQ(store.Bytes(SaveFolder + "progress-facts.csv"), "a,b\n");
    EXPECT_FALSE(store.Has(SaveFolder + "progress-facts.csv.tmp"));
}

namespace {

// A save from before to after with a fault at each of its steps: the next start reads
// exactly one of the two, and a clean save after it works.
class FaultedProgressSave : public ProgressStore {
  protected:
    // The store with saved in progress.dat, or none when saved is empty.
    MemoryFileStore Initial(const ProgressHistory& saved) {
        if (!saved.Empty()) {
            store.files[Progress].bytes = ProgressFileBytes(saved);
        }
        return store;
    }

    int StepsOfSave(const MemoryFileStore& initial, const std::string& fallback) {
        store = initial;
        ProgressFileState state;
        Load(state, fallback);
        const int start = store.steps;
        SaveProgressFile(store, after, state);
        return store.steps - start;
    }

    void Check(const MemoryFileStore& initial, const std::string& fallback, const FaultPlan& plan) {
        store = initial;
        ProgressFileState state;
        Load(state, fallback);
        plan.Arm(store);
        const bool saved = SaveProgressFile(store, after, state);
        store.Restart();
        const bool oldFile = store.Bytes(Progress) == initial.Bytes(Progress) &&
                             store.Has(Progress) == initial.Has(Progress);
        EXPECT_TRUE(oldFile || store.Bytes(Progress) == ProgressFileBytes(after))
            << "progress.dat is neither the old nor the new file";

        // An upgrade's old bytes are in one file or the other until it has succeeded.
        const std::string older = upgrading ? initial.Bytes(Progress) : std::string();
        EXPECT_TRUE(saved || older.empty() || store.Bytes(Progress) == older ||
                    store.Bytes(olderCopy) == older)
            << "the earlier version's bytes are lost";
        EXPECT_TRUE(!store.Has(olderCopy) || store.Bytes(olderCopy) == older);

        const ProgressHistory next = Load(state, fallback);
        EXPECT_FALSE(store.Has(SetAside)) << "a cut-short save damaged the file";
        EXPECT_FALSE(store.Has(Temporary));
        ExpectSameHistory(next, oldFile ? before : after);
        ExpectOtherFilesUntouched();
        EXPECT_TRUE(SaveProgressFile(store, after, state));
        ExpectSameHistory(Load(state, fallback), after);
        EXPECT_FALSE(oldFile && store.Has(olderCopy)) << "the copy outlived a finished upgrade";
        EXPECT_FALSE(store.Has(olderCopy + ".tmp"));
    }

    // Starts from a file of an earlier version of before.
    void StartFromVersion(int version) {
        store.files[Progress].bytes = OlderVersionBytes(Filled(), version);
        before = OlderVersionPart(Filled(), version);
        olderCopy = Progress + ".v" + std::to_string(version);
        upgrading = true;
    }

    void CheckEveryStep(const std::string& fallback, int expectedSteps) {
        const MemoryFileStore initial = Initial(fallback.empty() ? before : ProgressHistory());
        const int steps = StepsOfSave(initial, fallback);
        ASSERT_EQ(steps, expectedSteps);
        SweepFaults(steps, [&](const FaultPlan& plan) { Check(initial, fallback, plan); });
    }

    ProgressHistory before = Filled();
    ProgressHistory after = Later(Filled());
    bool upgrading = false;
    std::string olderCopy = Older;

  private:
    static ProgressHistory Later(ProgressHistory history) {
        history.RecordFact(Problem{9, OpSubtract, 4}, FactOutcome::Wrong, 5000,
                           history.BeginGame());
        history.RecordGame(Game("2026-12-09 08:01", 0, " -  ", 5));
        return history;
    }
};

} // namespace

TEST_F(FaultedProgressSave, EachStepLeavesTheOldFileOrTheNewOne) {
    CheckEveryStep(std::string(), 3);
}

TEST_F(FaultedProgressSave, EachStepOfAnUpgradeLeavesTheOldFileOrTheNewOneAndTheOldBytes) {
    for (const int version : {FirstProgressVersion, ChosenFactsVersion}) {
        SCOPED_TRACE("version " + std::to_string(version));
        StartFromVersion(version);
        const MemoryFileStore initial = store;
        // The old bytes kept, the new ones moved in, the copy removed.
        ASSERT_EQ(StepsOfSave(initial, std::string()), 7);
        SweepFaults(7, [&](const FaultPlan& plan) { Check(initial, std::string(), plan); });
    }
}

TEST_F(FaultedProgressSave, AnUpgradeThatFailedIsTriedAgainByTheNextSave) {
    StartFromVersion(ChosenFactsVersion);
    const std::string older = store.Bytes(Progress);
    const MemoryFileStore initial = store;
    for (int step = 0; step < 6; ++step) { // each write, flush and move
        SCOPED_TRACE("failure at step " + std::to_string(step));
        store = initial;
        ProgressFileState state;
        Load(state);
        FaultPlan{step, -1}.Arm(store);
        EXPECT_FALSE(SaveProgressFile(store, after, state));
        EXPECT_EQ(store.Bytes(Progress), older);
        EXPECT_FALSE(store.Has(olderCopy + ".tmp"));
        EXPECT_TRUE(SaveProgressFile(store, after, state));
        EXPECT_EQ(store.Bytes(Progress), ProgressFileBytes(after));
        EXPECT_FALSE(store.Has(olderCopy));
    }
}

TEST_F(FaultedProgressSave, AFirstSaveLeavesNoFileOrTheNewOne) {
    before = ProgressHistory();
    CheckEveryStep(std::string(), 3);
}

TEST_F(FaultedProgressSave, AFirstSaveAfterTheFallbackLeavesItReadable) {
    store.files[ProgramFolder + "progress.dat"].bytes = ProgressFileBytes(before);
    CheckEveryStep(ProgramFolder, 4); // the save folder's creation comes first
}

TEST(ProgressExceptions, NeitherTheLoadNorTheSaveLetsOneOut) {
    ThrowingFileStore store;
    store.folders.insert(SaveFolder);
    ProgressHistory history;
    ProgressFileState state;
    EXPECT_NO_THROW(LoadProgressFile(store, SaveFolder, std::string(), false, history, state));
    EXPECT_FALSE(state.loaded);
    state.loaded = true;
    state.writable = true;
    bool saved = true;
    EXPECT_NO_THROW(saved = SaveProgressFile(store, Filled(), state));
    EXPECT_FALSE(saved);
    EXPECT_TRUE(store.files.empty());
}

TEST(ProgressSystemStore, AFileIsSavedSetAsideAndReadOnTheDisk) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "quickfigure-progress-file";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = folder.string() + "\\";
    FileStore& store = SystemFileStore();
    ProgressHistory history;
    ProgressFileState state;
    LoadProgressFile(store, path, std::string(), false, history, state);
    EXPECT_TRUE(SaveProgressFile(store, Filled(), state));
    ProgressHistory read;
    LoadProgressFile(store, path, std::string(), false, read, state);
    ExpectSameHistory(read, Filled());

    std::string bytes;
    ASSERT_EQ(store.Read(path + "progress.dat", MaxProgressFileBytes, bytes), ReadStatus::Ok);
    EXPECT_TRUE(store.Write(path + "progress.dat", bytes + "junk"));
    for (const char* name : {"progress.dat.bad", "progress.dat.bad2"}) {
        EXPECT_TRUE(store.Write(path + "progress.dat", bytes + "junk"));
        ProgressHistory recovered;
        LoadProgressFile(store, path, std::string(), false, recovered, state);
        ExpectSameHistory(recovered, Filled());
        EXPECT_EQ(state.damagedFileKept, path + name);
        std::string setAside;
        EXPECT_EQ(store.Read(path + name, MaxProgressFileBytes, setAside), ReadStatus::Ok);
        EXPECT_EQ(setAside, bytes + "junk");
        std::string replaced;
        EXPECT_EQ(store.Read(path + "progress.dat", MaxProgressFileBytes, replaced),
                  ReadStatus::Ok);
        EXPECT_EQ(replaced, bytes) << "what was read is saved in its place";
    }
    fs::remove_all(folder);
}

namespace {

// A sample history with both switches on, facts chosen, a threshold and milestones: three
// games, the second calm.
ProgressHistory Sample() {
    ProgressHistory history;
    SampleHistoryMaker(11).Fill(history, 3);
    history.options.weakFacts = true;
    history.options.showAnswer = true;
    history.options.facts.SetTable(9, true);
    history.options.facts.pace = Pace::Calm;
    history.options.fluentSeconds = 6;
    history.games[1].calm = true;
    for (std::size_t i = 0; i < history.games.size(); ++i) {
        history.games[i].number = static_cast<int>(i) + 1;
    }
    history.EarnMilestone({OpAdd, 10, "2026-12-08"});
    history.EarnMilestone({OpMultiply, 2, "2026-12-09"});
    return history;
}

// A file of each version: the history as that version keeps it and the file's bytes.
struct VersionFile {
    int version;
    ProgressHistory history;
    std::string bytes;
};

std::vector<VersionFile> SampleFiles() {
    const ProgressHistory history = Sample();
    std::vector<VersionFile> files = {{ProgressVersion, history, ProgressFileBytes(history)}};
    for (const int version : {FirstProgressVersion, ChosenFactsVersion}) {
        files.push_back(
            {version, OlderVersionPart(history, version), OlderVersionBytes(history, version)});
    }
    return files;
}

// What a reader may keep of a file when the first n lines are whole and the damage is in
// the next: every part that ends before it, nothing after, each part as long as its
// version writes it.
ProgressHistory KeptBefore(const VersionFile& file, std::size_t n) {
    const ProgressHistory& history = file.history;
    const int version = file.version;
    ProgressHistory kept;
    std::size_t end = 4; // the header
    bool whole = true;
    const auto take = [&](std::size_t lines) {
        end += lines;
        whole = whole && end <= n;
        return whole;
    };
    if (take(1)) {
        kept.options.weakFacts = history.options.weakFacts;
    }
    if (take(1)) {
        kept.options.showAnswer = history.options.showAnswer;
    }
    if (version != FirstProgressVersion && take(6)) {
        kept.options.facts = history.options.facts;
    }
    if (version == ProgressVersion && take(1)) {
        kept.options.fluentSeconds = history.options.fluentSeconds;
    }
    if (take(1)) {
        kept.gamesPlayed = history.gamesPlayed;
    }
    for (std::size_t i = 0; take(i == 0 ? 1 : 0) && i < history.facts.size(); ++i) {
        if (take(FactLines(history.facts[i], version))) {
            kept.facts.push_back(history.facts[i]);
        }
    }
    for (std::size_t i = 0; take(i == 0 ? 1 : 0) && i < history.games.size(); ++i) {
        if (take(GameLines(history.games[i], version))) {
            kept.games.push_back(history.games[i]);
        }
    }
    for (std::size_t i = 0;
         version == ProgressVersion && take(i == 0 ? 1 : 0) && i < history.milestones.size(); ++i) {
        if (take(MilestoneLines(history.milestones[i]))) {
            kept.milestones.push_back(history.milestones[i]);
        }
    }
    return kept;
}

struct Damage {
    const char* what;
    std::string (*apply)(std::string bytes, std::size_t lineStart);
};

const Damage LineDamages[] = {
    {"its first byte a line feed",
     [](std::string bytes, std::size_t start) { return bytes.replace(start, 1, "\n"); }},
    {"its line feed a space",
     [](std::string bytes, std::size_t start) {
         return bytes.replace(bytes.find('\n', start), 1, " ");
     }},
};

} // namespace

TEST(ProgressFileRecovery, ACutAtAnyByteKeepsExactlyThePartsBeforeIt) {
    for (const VersionFile& file : SampleFiles()) {
        SCOPED_TRACE("version " + std::to_string(file.version));
        ASSERT_GT(file.history.facts.size(), 10u);
        const std::string& bytes = file.bytes;
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const std::string cut = bytes.substr(0, length);
            const auto lines = static_cast<std::size_t>(std::count(cut.begin(), cut.end(), '\n'));
            ProgressHistory read = Filled();
            EXPECT_FALSE(RecoverProgressBytes(cut, read)) << "cut to " << length << " bytes";
            SCOPED_TRACE("cut to " + std::to_string(length) + " bytes");
            ExpectSameHistory(read, KeptBefore(file, lines));
        }
        ProgressHistory read;
        EXPECT_TRUE(RecoverProgressBytes(bytes, read));
        ExpectSameHistory(read, file.history);
    }
}

TEST(ProgressFileRecovery, AChangedByteOnAnyLineKeepsExactlyThePartsBeforeIt) {
    for (const VersionFile& file : SampleFiles()) {
        const std::string& bytes = file.bytes;
        for (const Damage& damage : LineDamages) {
            std::size_t line = 0;
            for (std::size_t start = 0; start < bytes.size(); start = bytes.find('\n', start) + 1) {
                SCOPED_TRACE(std::string(damage.what) + " on line " + std::to_string(line) +
                             " of version " + std::to_string(file.version));
                ProgressHistory read;
                EXPECT_FALSE(RecoverProgressBytes(damage.apply(bytes, start), read));
                ExpectSameHistory(read, KeptBefore(file, line++));
            }
        }
    }
}

TEST_F(ProgressStore, EachDamageIsKeptUnderANameNotUsedBefore) {
    const std::string whole = ProgressFileBytes(Filled());
    const std::vector<std::string> damaged = {whole + "1", whole + "2", "3", whole + "4"};
    store.files[SetAside + "3"].bytes = "an older copy";
    const std::vector<std::string> names = {SetAside, SetAside + "2", SetAside + "4",
                                            SetAside + "5"};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        store.files[Progress].bytes = damaged[i];
        ProgressFileState state;
        Load(state);
        EXPECT_EQ(state.damagedFileKept, names[i]);
        for (std::size_t earlier = 0; earlier <= i; ++earlier) {
            EXPECT_TRUE(store.Bytes(names[earlier]) == damaged[earlier]) << names[earlier];
        }
    }
    EXPECT_EQ(store.Bytes(SetAside + "3"), "an older copy");
    store.locked.insert(SetAside + "6");
    EXPECT_EQ(FreeSetAsideName(store, Progress), SetAside + "7") << "a held name is taken";
    for (int copy = 7; copy <= MaxSetAsideCopies; ++copy) {
        store.files[SetAside + std::to_string(copy)].bytes = "taken";
    }
    EXPECT_EQ(FreeSetAsideName(store, Progress), "");
}

TEST_F(ProgressStore, AFileWithoutDamageReportsNone) {
    store.files[Progress].bytes = ProgressFileBytes(Filled());
    ProgressFileState state;
    Load(state);
    EXPECT_EQ(state.damagedFileKept, "");
    EXPECT_FALSE(store.Has(SetAside));
}

namespace {

// The game over its temporary folder, whose progress.dat is read again after the test
// writes one there.
class ProgressInGame : public FrameFixture {
  protected:
    std::string FileOnDisk(const char* name) {
        std::string bytes;
        SystemFileStore().Read(folder.File(name).string(), MaxProgressFileBytes, bytes);
        return bytes;
    }
    void Reload(const std::string& progressBytes) {
        SystemFileStore().Write(folder.File("progress.dat").string(), progressBytes);
        game.progress.history = ProgressHistory();
        game.LoadGameFiles();
    }
};

} // namespace

TEST_F(ProgressInGame, AGameIsSavedWhenTheClockEndsItBeforeItsScreenIsDismissed) {
    StartGame();
    Answer();
    AnswerWrong();
    clock.Advance(61000);
    Frame();
    ASSERT_TRUE(game.gameOver);
    ProgressHistory saved;
    ASSERT_TRUE(ReadProgressBytes(FileOnDisk("progress.dat"), saved));
    ASSERT_EQ(saved.games.size(), 1u);
    ExpectSameHistory(saved, game.progress.history);
    EXPECT_EQ(game.highScores[0].score, 0u) << "the five best wait for the screen's end";
    Key(' ');
    Frame();
    EXPECT_EQ(game.highScores[0].score, game.score);
}

TEST_F(ProgressInGame, TheProgressScreenSaysOnceWhereTheDamagedFileIsKept) {
    const std::string damaged = ProgressFileBytes(Filled()) + "junk";
    Reload(damaged);
    ExpectSameHistory(game.progress.history, Filled());
    EXPECT_TRUE(FileOnDisk("progress.dat.bad") == damaged);
    game.progress.OpenScreen();
    const std::string& message = game.progress.screen.message;
    const std::string kept = " progress.dat.bad";
    ASSERT_GT(message.size(), kept.size());
    EXPECT_EQ(message.substr(message.size() - kept.size()), kept) << "names the copy";
    game.progress.OpenScreen();
    EXPECT_EQ(game.progress.screen.message, "") << "said once";

    Reload(ProgressFileBytes(Filled()));
    game.progress.OpenScreen();
    EXPECT_EQ(game.progress.screen.message, "") << "a whole file says nothing";
}

// Damaged from its first line, the file leaves the empty history's screen: it says so too.
TEST_F(ProgressInGame, TheScreenOfANewHistoryStillSaysWhereTheDamagedFileIsKept) {
    Reload("junk");
    ASSERT_TRUE(game.progress.history.facts.empty());
    Keys({'1', '9'});
    static std::vector<std::string> drawn;
    drawn.clear();
    {
        const TextObserverGuard observing([](const TextRun& run) { drawn.emplace_back(run.text); });
        Frame();
    }
    EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const std::string& text) {
        return text.find("progress.dat.bad") != std::string::npos;
    })) << "the copy is named on the screen";
}
