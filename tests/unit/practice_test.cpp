// The practice options on a game driven frame by frame: the switches live in progress.dat
// and never in settings.dat; "Show the answer" shows the right result for a second after a
// miss and changes nothing else; "Practise misses" records the score as OK does, then asks
// the game's misses again in order, untimed and scoring nothing; and with "Weak facts"
// off a history changes no problem dealt.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/random.h"
#include "progress/progress_file.h"
#include "support/frame_fixture.h"
#include "support/hook_guards.h"

namespace {

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Registered(const Widget& widget) {
    for (int i = 0; i < RegisteredWidgetCount(); ++i) {
        if (RegisteredWidget(i) == &widget) {
            return true;
        }
    }
    return false;
}

class Practice : public FrameFixture {
  protected:
    // From the menu to the setup screen with the options as given.
    void OpenSetup(bool weakFacts, bool showAnswer) {
        Key('1');
        Frame();
        game.progress.history.options.weakFacts = weakFacts;
        game.progress.history.options.showAnswer = showAnswer;
    }
    // The clock's fall over one wrong answer to the first problem of a new game.
    int ClockFallOverAMiss() {
        Key('1');
        Frame();
        const int before = game.clock.RemainingSeconds();
        AnswerWrong();
        return before - game.clock.RemainingSeconds();
    }
    // How often a frame drew the text (keypad labels and operands are digits too).
    int TimesDrawn(const std::string& text) {
        drawn.clear();
        const TextObserverGuard observing(&Observe);
        Frame();
        return static_cast<int>(std::count(drawn.begin(), drawn.end(), text));
    }
    static void Observe(const TextRun& run) {
        drawn.emplace_back(run.text);
        runs.push_back({run.text, run.x, run.y, run.width, run.height});
    }
    struct Run {
        std::string text;
        int x, y, width, height;
    };
    // Where the next frame first drew the text in the problem font: the problem box comes
    // before the keypad's labels. Empty text when it drew it nowhere.
    Run ProblemRunOf(const std::string& text) {
        runs.clear();
        TimesDrawn(text);
        for (const Run& run : runs) {
            if (run.text == text && run.height == game.problemFont->Height()) {
                return run;
            }
        }
        return Run{};
    }
    static inline std::vector<std::string> drawn;
    static inline std::vector<Run> runs;

    // A game with first answers wrong at the given problem numbers (0-based), each then
    // answered right, ended by the clock; returns the problems missed, in order, the one
    // the clock ended the game on last.
    std::vector<Problem> PlayWithMisses(const std::vector<int>& wrongAt, int problems) {
        std::vector<Problem> missed;
        if (game.screen != ScreenState::Game) {
            Key('1'); // the menu's Play
            Frame();
        }
        Key('1');
        Frame();
        for (int i = 0; i < problems; ++i) {
            if (std::find(wrongAt.begin(), wrongAt.end(), i) != wrongAt.end()) {
                missed.push_back(game.dealer.currentProblem);
                AnswerWrong();
            }
            Answer();
        }
        missed.push_back(game.dealer.currentProblem);
        clock.Advance(61000);
        Frame();
        EXPECT_TRUE(game.gameOver);
        return missed;
    }
};

} // namespace

TEST_F(Practice, TheSwitchesAreKeptInProgressDatAndNotInSettingsDat) {
    Key('1');
    Frame();
    const std::string settings = FileBytes(folder.File("settings.dat"));
    Key('W');
    Frame();
    Key('A');
    Frame();
    ProgressHistory saved;
    ASSERT_TRUE(ReadProgressBytes(FileBytes(folder.File("progress.dat")), saved));
    EXPECT_TRUE(saved.options.weakFacts);
    EXPECT_TRUE(saved.options.showAnswer);
    EXPECT_EQ(FileBytes(folder.File("settings.dat")), settings) << "settings.dat was rewritten";
    Key('W');
    Frame();
    ASSERT_TRUE(ReadProgressBytes(FileBytes(folder.File("progress.dat")), saved));
    EXPECT_FALSE(saved.options.weakFacts) << "switched off again, on disk at once";
    EXPECT_TRUE(saved.options.showAnswer);
}

TEST_F(Practice, TheRightResultStaysUntilTheNextDigitAndTheMissCostsWhatItDid) {
    OpenSetup(false, false);
    const int fallWithout = ClockFallOverAMiss();
    EXPECT_TRUE(game.practice.shownAnswer.empty());
    Exit();
    Frame();
    OpenSetup(false, true);
    Key('1');
    Frame();
    game.dealer.currentProblem = Problem{7, OpMultiply, 8}; // a result of two digits
    const int before = game.clock.RemainingSeconds();
    AnswerWrong();
    EXPECT_EQ(before - game.clock.RemainingSeconds(), fallWithout)
        << "the penalty is the same with the option on";

    EXPECT_EQ(game.practice.shownAnswer, "56");
    const int drawnWhileShown = TimesDrawn("56");
    EXPECT_EQ(TimesDrawn("42"), 0) << "the result shows, not the digits typed";
    clock.Advance(20000);
    Frame();
    EXPECT_EQ(TimesDrawn("56"), drawnWhileShown) << "still shown twenty seconds on";
    Key('5');
    EXPECT_EQ(TimesDrawn("56"), drawnWhileShown - 1) << "gone at the next digit";
    Key('6');
    EXPECT_EQ(game.dealer.problemNumber, 2) << "the result typed answers the problem";
}

TEST_F(Practice, AWrongAnswerFadesInRedWhereTheAnswerGoesUntilTheFadeOrTheNextDigit) {
    struct Ending {
        const char* name;
        int frames;     // drawn after the miss before the next digit, if any
        bool nextDigit; // a digit typed after them
    };
    const Ending endings[] = {{"the fade", 26, false}, {"the next digit", 3, true}};
    OpenSetup(false, false);
    Key('1');
    Frame();
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        game.dealer.currentProblem = Problem{7, OpMultiply, 8};
        Key('5');
        const Run typed = ProblemRunOf("5");
        Key('9');
        EXPECT_TRUE(game.practice.fadingMiss) << "the missed digits in red";
        for (int i = 0; i < ending.frames; ++i) {
            const Run missed = ProblemRunOf("59");
            ASSERT_FALSE(missed.text.empty()) << "frame " << i << " of the fade";
            EXPECT_EQ(missed.x + missed.width, typed.x + typed.width) << "where the answer goes";
            EXPECT_EQ(missed.y, typed.y);
        }
        if (!ending.nextDigit) {
            EXPECT_TRUE(ProblemRunOf("59").text.empty()) << "faded out";
        }
        Key('5');
        EXPECT_TRUE(ProblemRunOf("59").text.empty()) << "gone with the next digit";
        EXPECT_EQ(ProblemRunOf("5").x, typed.x) << "the next digit shows at once";
        Key(KeyCode::Backspace);
    }
}

TEST_F(Practice, PractiseMissesRecordsTheScoreThenAsksTheMissesInOrder) {
    const std::vector<Problem> missed = PlayWithMisses({1, 3}, 5);
    ASSERT_EQ(missed.size(), 3u);
    const std::uint32_t score = game.score;
    Frame();
    EXPECT_TRUE(Registered(game.practice.practiseButton)) << "offered under OK after misses";
    std::vector<FactRecord> factsBefore = game.progress.history.facts;

    Key('P');
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.highScores[0].score, score) << "the game's score went into the table first";
    ASSERT_EQ(game.shownScreen, GameScreen::Review);
    EXPECT_EQ(game.practice.review.round.Current(), missed[0]);
    Frame();
    clock.Advance(120000);
    Frame();
    EXPECT_EQ(game.shownScreen, GameScreen::Review) << "no clock ends a review";

    const std::string wrong = WrongAnswerText(missed[0]);
    Keys(std::vector<int>(wrong.begin(), wrong.end()));
    EXPECT_EQ(game.practice.review.round.Current(), missed[0]) << "a wrong answer stays";
    for (const Problem& problem : missed) {
        ASSERT_EQ(game.shownScreen, GameScreen::Review);
        EXPECT_EQ(game.practice.review.round.Current(), problem);
        const std::string right = RightAnswerText(problem);
        Keys(std::vector<int>(right.begin(), right.end()));
        Frame();
    }
    EXPECT_NE(game.shownScreen, GameScreen::Review);
    EXPECT_TRUE(game.setupMode) << "after the last miss, the setup screen";
    EXPECT_EQ(game.score, score) << "the review scored nothing";
    EXPECT_EQ(game.highScores[1].score, 0u) << "and entered nothing in the table";
    ASSERT_EQ(game.progress.history.facts.size(), factsBefore.size());
    for (std::size_t i = 0; i < factsBefore.size(); ++i) {
        EXPECT_EQ(game.progress.history.facts[i].asked, factsBefore[i].asked)
            << "not counted again";
    }
}

TEST_F(Practice, EscapeEndsAReviewAndTheProblemLeftWhenTimeRanOutIsOffered) {
    PlayWithMisses({0}, 2);
    Key('P');
    ASSERT_EQ(game.shownScreen, GameScreen::Review);
    Frame();
    Key(KeyCode::Escape);
    EXPECT_NE(game.shownScreen, GameScreen::Review);
    EXPECT_TRUE(game.setupMode);

    const auto askedInAll = [&] {
        int asked = 0;
        for (const FactRecord& fact : game.progress.history.facts) {
            asked += fact.asked;
        }
        return asked;
    };
    const int askedBefore = askedInAll();
    const std::vector<Problem> left = PlayWithMisses({}, 3);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(askedInAll(), askedBefore + 3) << "the problem left counts in no fact";
    EXPECT_EQ(game.progress.history.games.back().wrong, 0) << "nor as a wrong answer";
    Frame();
    EXPECT_TRUE(Registered(game.practice.practiseButton)) << "offered under OK";
    Key('P');
    ASSERT_EQ(game.shownScreen, GameScreen::Review);
    EXPECT_EQ(game.practice.review.round.Count(), 1);
    EXPECT_EQ(game.practice.review.round.Current(), left[0]);
}

TEST_F(Practice, AReviewShowsTheResultAfterTwoWrongTriesAndSkipMovesOn) {
    const std::vector<Problem> missed = PlayWithMisses({0, 1, 2}, 3);
    ASSERT_EQ(missed.size(), 4u);
    Key('P');
    Frame();
    ASSERT_EQ(game.shownScreen, GameScreen::Review);
    const std::string wrong = WrongAnswerText(missed[0]);
    Keys(std::vector<int>(wrong.begin(), wrong.end()));
    EXPECT_TRUE(game.practice.shownAnswer.empty())
        << "one wrong try shows nothing with the option off";
    Keys(std::vector<int>(wrong.begin(), wrong.end()));
    EXPECT_EQ(game.practice.shownAnswer, RightAnswerText(missed[0]))
        << "the second shows the result";
    clock.Advance(60000);
    Frame();
    EXPECT_EQ(game.practice.shownAnswer, RightAnswerText(missed[0])) << "and it stays";
    EXPECT_TRUE(Registered(game.skipButton)) << "\"Skip\" beside the result";

    struct Way {
        const char* name;
        std::function<void()> skip;
    };
    const Way ways[] = {{"a click on Skip", [&] { Click(game.skipButton); }},
                        {"the S key", [&] { Key('S'); }}};
    for (std::size_t i = 0; i < missed.size(); ++i) {
        const Way& way = ways[i % 2];
        SCOPED_TRACE(way.name);
        ASSERT_EQ(game.shownScreen, GameScreen::Review);
        EXPECT_EQ(game.practice.review.round.Current(), missed[i]);
        Frame();
        way.skip();
        Frame();
        EXPECT_TRUE(game.practice.shownAnswer.empty()) << "the next problem starts clear";
    }
    EXPECT_NE(game.shownScreen, GameScreen::Review);
    EXPECT_TRUE(game.setupMode) << "after the last, the setup screen";
}

TEST_F(Practice, WithWeakFactsOffAHistoryChangesNoProblemDealt) {
    const auto deal = [&](bool withHistory) {
        if (withHistory) {
            for (int a = 1; a <= 10; ++a) {
                for (int b = 1; b <= 10; ++b) {
                    for (std::uint8_t op : {OpAdd, OpSubtract, OpMultiply}) {
                        game.progress.history.RecordFact(Problem{a, op, b}, FactOutcome::Wrong,
                                                         9000, 1);
                    }
                }
            }
        }
        SeedRandom(20261209);
        std::vector<Problem> problems;
        Key('1');
        Frame();
        Key('1');
        for (int i = 0; i < 25; ++i) {
            problems.push_back(game.dealer.currentProblem);
            Answer();
        }
        Exit();
        Frame();
        return problems;
    };
    const std::vector<Problem> plain = deal(false);
    const std::vector<Problem> beside = deal(true);
    ASSERT_EQ(plain.size(), beside.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(plain[i], beside[i]) << "problem " << i;
    }
}

TEST_F(Practice, WithWeakFactsOnAMissedFactComesBackOften) {
    Key('1');
    Frame();
    Keys({'5', '6', '8'}); // multiplication only
    Key('W');
    const Problem weak{8, OpMultiply, 7};
    for (int i = 0; i < 6; ++i) {
        game.progress.history.RecordFact(weak, FactOutcome::Wrong, 8000, 1);
    }
    SeedRandom(20261209);
    Key('1');
    int seen = 0;
    while (!game.dealer.ChallengeActive()) { // the level's ten regular problems
        seen += game.dealer.currentProblem == weak;
        Answer();
    }
    // Dealt plainly, one pair of a hundred; as the only weak fact, about one in three.
    EXPECT_GE(seen, 3) << "the weak fact came up " << seen << " times in ten problems";
}
