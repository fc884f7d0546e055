// The facts a game made fluent, named where it ends: a game of the table of 2 (ten facts in
// twenty problems, so facts come up again) played against the clock or as a calm round,
// answered at once or just too slowly. Answered at once, facts turn fluent and the game-over
// screen or the round's summary names as many as its width holds, inside the window; too
// slowly, none turn fluent and no line is drawn. The next game starts without the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/round_summary.h"
#include "support/fact_choices.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"

namespace {

constexpr int Problems = DefaultCalmRound;
// Right within the 3 s threshold, and just outside it.
constexpr std::uint32_t AtOnceMs = 0;
constexpr std::uint32_t TooSlowMs = 3100;

class NowFluent : public FrameFixture {
  protected:
    // Only x, of the table of 2, at the pace asked, none of its facts asked before; the game
    // started from the menu or the setup screen.
    void StartTableOfTwo(Pace pace) {
        if (!game.IsInGame()) {
            Key('1'); // Play
            Frame();
        }
        game.progress.history.facts.clear();
        game.progress.history.options.facts =
            ChoiceOf({2}, SumBand::Levels, ShortOtherFactor, pace, Problems);
        game.operations = OperationChoice{false, false, true, false};
        Key('1');
        ASSERT_FALSE(game.setupMode);
        Frame();
    }
    // Every problem answered right after ms, then a clock game's time runs out.
    void PlayToTheEnd(std::uint32_t ms) {
        for (int i = 0; i < Problems && game.shownScreen != GameScreen::RoundSummary; ++i) {
            clock.Advance(ms);
            Answer();
            Frame();
        }
        clock.Advance(ClockRunOutMs);
        Frame();
        ASSERT_TRUE(game.gameOver || game.shownScreen == GameScreen::RoundSummary);
        recorder.Clear();
        Frame();
    }
    // The drawn line that begins "Now fluent:", or nothing.
    std::string DrawnLine() const {
        for (const DrawnText& drawn : recorder.Texts()) {
            if (drawn.text.rfind(NowFluentLead, 0) == 0) {
                return drawn.text;
            }
        }
        return std::string();
    }

    FrameLayoutRecorder recorder;
};

// The line naming the first count facts.
std::string LineOfFirst(const std::vector<Problem>& facts, std::size_t count) {
    return NowFluentLine(std::vector<Problem>(facts.begin(), facts.begin() + count));
}

} // namespace

TEST_F(NowFluent, TheEndOfAGameNamesTheFactsItMadeFluentAsManyAsFit) {
    struct Case {
        Pace pace;
        std::uint32_t ms;
    };
    const Case cases[] = {{Pace::Clock, AtOnceMs},
                          {Pace::Clock, TooSlowMs},
                          {Pace::Calm, AtOnceMs},
                          {Pace::Calm, TooSlowMs}};
    for (const Case& c : cases) {
        const char* name = c.pace == Pace::Calm ? "calm round" : "game against the clock";
        StartTableOfTwo(c.pace);
        PlayToTheEnd(c.ms);
        const std::vector<Problem>& fluent = game.progress.answers.nowFluent;
        const std::string line = DrawnLine();
        if (c.ms == AtOnceMs) {
            ASSERT_FALSE(fluent.empty()) << name;
            std::size_t count = 0;
            while (count < fluent.size() && line != LineOfFirst(fluent, count + 1)) {
                ++count;
            }
            ASSERT_LT(count, fluent.size()) << name << " drew \"" << line << "\"";
            if (count + 1 < fluent.size()) {
                // The next fact would not have fitted between margins of a line's height.
                EXPECT_GT(TextWidth(LineOfFirst(fluent, count + 2).c_str()),
                          game.width - 2 * FontHeight())
                    << name;
            }
        } else {
            EXPECT_TRUE(fluent.empty()) << name;
            EXPECT_EQ(line, "") << name;
        }
        const std::vector<std::string> problems =
            CheckFrameLayout(recorder, game.width, game.height, LayoutAllowances());
        EXPECT_TRUE(problems.empty()) << name << ": " << problems[0];
        Key(KeyCode::Return); // to the setup screen
        Frame();
        ASSERT_TRUE(game.setupMode) << name;
    }
}

TEST_F(NowFluent, TheNextGameEndsWithoutTheLastGamesLine) {
    StartTableOfTwo(Pace::Clock);
    PlayToTheEnd(AtOnceMs);
    ASSERT_NE(DrawnLine(), "");
    Key(KeyCode::Return);
    Frame();
    Key('1'); // Start Game
    Frame();
    clock.Advance(ClockRunOutMs);
    Frame();
    ASSERT_TRUE(game.gameOver);
    recorder.Clear();
    Frame();
    EXPECT_EQ(DrawnLine(), "");
}
