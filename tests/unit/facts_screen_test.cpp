// The facts screen driven through the running game: opened from the setup screen by F, K
// switching the pace there, the screen's keys and clicks on what it drew, the typed table
// with good and bad input, the warnings the operations switched off call for, and the
// setup screen's summary line (drawn at every window size in facts_window_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fact_choices.h"
#include "support/frame_fixture.h"

namespace {

// The tables switched on, as numbers.
std::vector<int> On(const FactChoice& choice) {
    return choice.Tables();
}

class FactsScreenTest : public FrameFixture {
  protected:
    // Play, the setup screen drawn, F, the facts screen drawn.
    void OpenFacts() {
        Key('1');
        Frame();
        Key('F');
        Frame();
        ASSERT_EQ(game.shownScreen, GameScreen::Facts);
    }
    void KeysDrawn(const std::vector<int>& keys) {
        for (const int key : keys) {
            Key(key);
            Frame();
        }
    }
    void ClickDrawn(FactsItem item) {
        Click(game.facts.items[item]);
        Frame();
    }
    FactChoice& Choice() { return game.progress.history.options.facts; }
    bool Refused() const { return game.facts.message == "Type a table from 13 to 99."; }
};

// Clicks land on controls sized by the font, which only Wine has.
using FactsScreenClicks = FactsScreenTest;

} // namespace

TEST_F(FactsScreenTest, KeysSwitchTablesClearThemAndSwitchThePace) {
    const struct {
        const char* what;
        std::vector<int> keys;
        std::vector<int> tables;
        Pace pace;
    } cases[] = {
        {"7", {'7'}, {7}, Pace::Clock},
        {"0 is the table 10", {'1', '0'}, {1, 10}, Pace::Clock},
        {"twice is off", {'7', '3', '7'}, {3}, Pace::Clock},
        {"C clears every table", {'2', '9', 'C'}, {}, Pace::Clock},
        {"K switches the pace", {'5', 'K'}, {5}, Pace::Calm},
        {"K twice is the clock", {'K', 'K'}, {}, Pace::Clock},
        {"letters without a meaning", {'X', 'Z'}, {}, Pace::Clock},
    };
    for (const auto& c : cases) {
        Choice() = FactChoice();
        OpenFacts();
        KeysDrawn(c.keys);
        EXPECT_EQ(On(Choice()), c.tables) << c.what;
        EXPECT_EQ(Choice().pace, c.pace) << c.what;
        EXPECT_EQ(game.shownScreen, GameScreen::Facts) << c.what;
        KeysDrawn({KeyCode::Escape});
        EXPECT_EQ(game.shownScreen, GameScreen::SetupOrPlay) << c.what << ": Esc returns";
        EXPECT_TRUE(game.setupMode) << c.what;
        Key('0'); // back to the menu for the next case
        Frame();
    }
}

TEST_F(FactsScreenTest, KOnTheSetupScreenSwitchesThePace) {
    Key('1');
    Frame();
    Key('K');
    EXPECT_TRUE(Choice().Calm());
    EXPECT_EQ(game.shownScreen, GameScreen::SetupOrPlay);
    Key('K');
    EXPECT_FALSE(Choice().Calm());
}

TEST_F(FactsScreenTest, TheTypedTableTakesThirteenToNinetyNineAndRefusesOthers) {
    const struct {
        const char* what;
        std::vector<int> keys; // after T
        int typedTable;
        bool refused;
    } cases[] = {
        {"Enter alone clears", {KeyCode::Return}, 0, false},
        {"13", {'1', '3', KeyCode::Return}, 13, false},
        {"99", {'9', '9', KeyCode::Return}, 99, false},
        {"12 is listed", {'1', '2', KeyCode::Return}, 40, true},
        {"100", {'1', '0', '0', KeyCode::Return}, 40, true},
        {"three digits at most", {'1', '7', '7', '7', KeyCode::Return}, 40, true},
        {"Backspace erases", {'7', '1', KeyCode::Backspace, KeyCode::Return}, 40, true},
        {"Backspace, then more", {'9', KeyCode::Backspace, '2', '5', KeyCode::Return}, 25, false},
        {"all erased clears",
         {'5', KeyCode::Backspace, KeyCode::Backspace, KeyCode::Return},
         0,
         false},
        {"Esc leaves it as it was", {'1', '5', KeyCode::Escape}, 40, false},
        {"keys of the screen type nothing", {'C', 'K', '1', '4', KeyCode::Return}, 14, false},
    };
    for (const auto& c : cases) {
        Choice() = FactChoice();
        Choice().typedTable = 40;
        Choice().SetTable(3, true);
        OpenFacts();
        KeysDrawn({'T'});
        ASSERT_TRUE(game.facts.typing) << c.what;
        EXPECT_EQ(game.facts.typed, "") << c.what << ": typing starts afresh";
        KeysDrawn(c.keys);
        EXPECT_EQ(Choice().typedTable, c.typedTable) << c.what;
        EXPECT_EQ(game.facts.typing, c.refused) << c.what << ": the field stays for correcting";
        EXPECT_EQ(Refused(), c.refused) << c.what;
        EXPECT_FALSE(Choice().Calm()) << c.what;
        EXPECT_TRUE(Choice().HasTable(3)) << c.what;
        EXPECT_EQ(game.shownScreen, GameScreen::Facts) << c.what;
        if (c.refused) {
            EXPECT_FALSE(game.facts.typed.empty()) << c.what << ": the digits stay";
            KeysDrawn({KeyCode::Escape});
            EXPECT_FALSE(game.facts.typing) << c.what;
            EXPECT_FALSE(Refused()) << c.what;
        }
        KeysDrawn({KeyCode::Escape, '0'});
    }
}

TEST_F(FactsScreenClicks, ChooseWhatEachControlSays) {
    const struct {
        FactsItem item;
        std::vector<int> tables;
        int otherFactorMax;
        SumBand band;
        Pace pace;
        int calmRound;
    } cases[] = {
        {QuickTablesItem, {2, 5, 10}, 10, SumBand::Levels, Pace::Clock, 20},
        {AllTablesItem,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 40},
         10,
         SumBand::Levels,
         Pace::Clock,
         20},
        {static_cast<FactsItem>(FirstTableItem + 10),
         {3, 11, 40},
         10,
         SumBand::Levels,
         Pace::Clock,
         20},
        {LongFactorItem, {3, 40}, 12, SumBand::Levels, Pace::Clock, 20},
        {static_cast<FactsItem>(FirstBandItem + 2),
         {3, 40},
         10,
         SumBand::Within20,
         Pace::Clock,
         20},
        {CalmItem, {3, 40}, 10, SumBand::Levels, Pace::Calm, 20},
        {static_cast<FactsItem>(FirstRoundItem + 2), {3, 40}, 10, SumBand::Levels, Pace::Clock, 50},
    };
    for (const auto& c : cases) {
        Choice() = FactChoice();
        Choice().SetTable(3, true);
        Choice().typedTable = 40;
        OpenFacts();
        ClickDrawn(c.item);
        EXPECT_EQ(On(Choice()), c.tables) << c.item;
        EXPECT_EQ(Choice().otherFactorMax, c.otherFactorMax) << c.item;
        EXPECT_EQ(Choice().band, c.band) << c.item;
        EXPECT_EQ(Choice().pace, c.pace) << c.item;
        EXPECT_EQ(Choice().calmRound, c.calmRound) << c.item;
        ClickDrawn(BackItem);
        EXPECT_EQ(game.shownScreen, GameScreen::SetupOrPlay) << c.item << ": Back returns";
        Key('0');
        Frame();
    }
}

TEST_F(FactsScreenClicks, OnTheFieldStartTyping) {
    OpenFacts();
    ClickDrawn(TypedTableItem);
    EXPECT_TRUE(game.facts.typing);
    KeysDrawn({'1', '7', KeyCode::Return});
    EXPECT_EQ(Choice().typedTable, 17);
    EXPECT_EQ(On(Choice()), std::vector<int>{17});
    KeysDrawn({'C'});
    EXPECT_EQ(Choice().typedTable, 0) << "C clears the typed table too";
}

TEST_F(FactsScreenClicks, OnTheSetupControlOpenTheScreen) {
    Key('1');
    Frame();
    Click(game.facts.setupButton);
    Frame();
    EXPECT_EQ(game.shownScreen, GameScreen::Facts);
}

TEST_F(FactsScreenClicks, OnABandAndSwitchesOffSayWhenTheChoiceIsUnused) {
    const std::string tables = "The tables need x or \x89 switched on.";
    const std::string sums = "The sums need + or - switched on.";
    const struct {
        const char* what;
        std::vector<int> setupKeys; // 5 to 8 switch + - x /
        std::vector<int> factsKeys;
        bool within10;
        std::string said; // empty: nothing
        std::string summary;
    } cases[] = {
        {"tables with x and / off", {'7', '8'}, {'7'}, false, tables, tables},
        {"tables with / on", {'7'}, {'7'}, false, "", "Facts: 7"},
        {"no table with x and / off", {'7', '8'}, {}, false, "", ""},
        {"a band with + and - off", {'5', '6'}, {}, true, sums, sums},
        {"a band with - on", {'5'}, {}, true, "", "Facts: within 10"},
    };
    for (const auto& c : cases) {
        Choice() = FactChoice();
        game.operations = OperationChoice();
        Key('1');
        Frame();
        KeysDrawn(c.setupKeys);
        Key('F');
        Frame();
        KeysDrawn(c.factsKeys);
        if (c.within10) {
            ClickDrawn(static_cast<FactsItem>(FirstBandItem + 1));
        }
        EXPECT_EQ(FactsWarning(Choice(), game.operations), c.said) << c.what;
        KeysDrawn({KeyCode::Escape});
        EXPECT_EQ(FactsSummary(Choice(), game.operations), c.summary) << c.what;
        KeysDrawn({'0'});
    }
}

TEST(FactsSummary, NamesTheFactsAndThePaceOrWhyTheyAreUnused) {
    const OperationChoice all;
    const auto with = [](std::vector<int> tables, SumBand band, Pace pace, int round) {
        return ChoiceOf(tables, band, ShortOtherFactor, pace, round);
    };
    const struct {
        FactChoice choice;
        OperationChoice operations;
        std::string summary;
    } cases[] = {
        {FactChoice(), all, ""},
        {with({}, SumBand::Levels, Pace::Clock, 50), all, ""},
        {with({7}, SumBand::Levels, Pace::Clock, 20), all, "Facts: 7"},
        {with({7}, SumBand::Levels, Pace::Calm, 20), all, "Facts: 7; Calm"},
        {with({}, SumBand::Levels, Pace::Calm, 10), all, "Facts: Calm, 10 problems"},
        {with({2, 5, 10, 17}, SumBand::Within20, Pace::Clock, 20), all,
         "Facts: 2, 5, 10, 17; within 20"},
        {with({7}, SumBand::Levels, Pace::Calm, 20),
         {true, true, false, false},
         "The tables need x or \x89 switched on."},
        {with({}, SumBand::Within100, Pace::Clock, 20),
         {false, false, true, false},
         "The sums need + or - switched on."},
        {with({}, SumBand::Within100, Pace::Clock, 20),
         {false, true, false, false},
         "Facts: within 100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FactsSummary(c.choice, c.operations), c.summary) << c.summary;
    }
}
