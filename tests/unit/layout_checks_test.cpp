// The frame layout checks the layout grid test relies on, over widgets drawn into a small
// surface with a font of known metrics: what the text and box observers report, a frame
// that fits passing, each broken rule named, the allowed overlaps, the keypad's rules, and
// the controls and texts a screen must draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/button_grid.h"
#include "render/primitives.h"
#include "support/hook_guards.h"
#include "support/layout_checks.h"
#include "support/metric_font.h"
#include "support/printers.h"
#include "support/test_surface.h"
#include "text/text.h"
#include "ui/button.h"
#include "ui/choice_group.h"

namespace {

constexpr const char* WideKeys[10] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0"};

// Characters 10 pixels wide and 12 high in a 200 x 100 window.
class LayoutChecks : public ::testing::Test {
  protected:
    void SetUp() override { ClearInputList(); }
    void TearDown() override { ClearInputList(); }

    std::vector<std::string> Check(const LayoutAllowances& allowances = {}) {
        return CheckFrameLayout(recorder, 200, 100, allowances);
    }

    static void Place(Button& button, const char* text, int x, int y, int w, int h) {
        button.label = text;
        button.SetPosition(x, y);
        button.SetSize(w, h);
        button.Draw();
    }

    LayoutViewportGuard viewport{200, 100};
    TestSurface surface{200, 100};
    CurrentMetricFont font{10, 10, 12, 2};
    FrameLayoutRecorder recorder;
};

// Whether some problem line contains the words; on failure, the lines there were.
::testing::AssertionResult Reports(const std::vector<std::string>& problems,
                                   const std::string& words) {
    std::string lines;
    for (const std::string& problem : problems) {
        if (problem.find(words) != std::string::npos) {
            return ::testing::AssertionSuccess();
        }
        lines += "\n  " + problem;
    }
    return ::testing::AssertionFailure() << "no line says \"" << words << "\"; got:" << lines;
}

void ExpectRect(const Rect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r, (Rect{left, top, right, bottom}));
}

} // namespace

TEST_F(LayoutChecks, TheObserversReportWhereTextsAndBoxesWent) {
    DrawPlainText("abc", 5, 7, 0);
    TextStyle centred = MarkupStyle(0);
    centred.boxWidth = 100;
    DrawText("ab", 0, 20, centred); // moved right by 50 - 10
    TextStyle plain = MarkupStyle(0);
    DrawText("ab\ncd", 0, 40, plain);
    DrawText("", 0, 0, plain);
    DrawBox(1, 2, 30, 40, 0, 1, 0xFFFFFF);
    DrawBox(50, 2, 10, 10, 0, 0, 0xFFFFFF);

    const std::vector<DrawnText>& texts = recorder.Texts();
    ASSERT_EQ(texts.size(), 3u) << "an empty text draws nothing to report";
    ExpectRect(texts[0].area, 5, 7, 35, 19);
    ExpectRect(texts[1].area, 40, 20, 60, 32);
    ExpectRect(texts[2].area, 0, 40, 20, 64); // two lines
    ASSERT_EQ(recorder.Boxes().size(), 2u);
    ExpectRect(recorder.Boxes()[0], 1, 2, 32, 43); // the outline reaches one further
    ExpectRect(recorder.Boxes()[1], 50, 2, 60, 12);
}

TEST_F(LayoutChecks, AFrameThatFitsPassesAndEachBrokenRuleIsNamed) {
    Button ok;
    Place(ok, "OK", 10, 10, 50, 24);
    EXPECT_TRUE(Check().empty());

    Button two;
    Place(two, "Two", 40, 20, 50, 24);
    Button outside;
    Place(outside, "Out", 180, 90, 50, 24); // its hit area stops at the clip's bottom
    DrawPlainText("far", 190, 0, 0);
    const std::vector<std::string> problems = Check();
    EXPECT_TRUE(Reports(problems, "control \"OK\" (10,10)-(60,34) overlaps control \"Two\""));
    EXPECT_TRUE(
        Reports(problems, "text \"Two\" (50,26)-(80,38) crosses the edge of control \"OK\""));
    EXPECT_TRUE(Reports(problems, "control \"Out\" (180,90)-(230,100) is not inside the window"));
    EXPECT_TRUE(Reports(problems, "text \"far\" (190,0)-(220,12) is not inside the window"));
}

TEST_F(LayoutChecks, OverlappingTextsAreReported) {
    DrawPlainText("Score", 0, 0, 0);
    DrawPlainText("Level", 20, 6, 0);
    EXPECT_TRUE(Reports(Check(), "text \"Score\" (0,0)-(50,12) overlaps text \"Level\""));
}

TEST_F(LayoutChecks, ChoiceEntriesAndAllowedUnderlaysMayOverlap) {
    ChoiceGroup group;
    group.AddChoice("A");
    group.AddChoice("B");
    group.SetWidth(100);
    group.SetPosition(0, 0);
    group.Draw(); // the entries register before the group that holds them
    Button pad;
    pad.hidden = true;
    Place(pad, "", 0, 0, 200, 100);

    LayoutAllowances allowances;
    allowances.underlays.push_back(&pad);
    EXPECT_TRUE(Check(allowances).empty());
    EXPECT_TRUE(Reports(Check(), "overlaps control unlabelled (0,0)-(200,100)"));
}

TEST_F(LayoutChecks, KeypadKeysMustBeDrawnReachableAndLargeEnough) {
    ButtonGrid keypad;
    keypad.SetGrid(4, 3);
    for (int i = 0; i < 10; ++i) {
        keypad.Item(i).label = WideKeys[i];
    }
    keypad.SetPosition(0, 0);
    keypad.SetSize(76, 100); // cells of 25 x 24.75
    keypad.Draw();
    EXPECT_TRUE(CheckKeypad(keypad, 200, 100).empty());

    ClearInputList();
    Button cover;
    Place(cover, "", 30, 30, 10, 10); // over the "5", drawn before it
    keypad.SetSize(61, 100);          // keys 20 wide
    keypad.Draw();
    const std::vector<std::string> problems = CheckKeypad(keypad, 200, 100);
    EXPECT_TRUE(Reports(problems, "key control \"5\" (20,24)-(40,49) is covered by"));
    EXPECT_TRUE(Reports(problems, "is smaller than 24 px on a side"));

    ClearInputList();
    keypad.Item(9).label = "9"; // no longer the wide "0": the cells it covered stay empty
    keypad.Draw();
    EXPECT_TRUE(Reports(CheckKeypad(keypad, 200, 100), "the keypad drew 12 keys, not 10"));
}

TEST_F(LayoutChecks, ControlsNotDrawnThisFrameAreNamed) {
    Button drawn;
    Place(drawn, "Start", 0, 0, 50, 24);
    Button skipped;
    skipped.label = "Progress";
    EXPECT_TRUE(CheckControlsDrawn({&drawn}).empty());
    const std::vector<std::string> problems = CheckControlsDrawn({&drawn, &skipped});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Reports(problems, "control \"Progress\""));
    EXPECT_TRUE(Reports(problems, "was not drawn"));
}

TEST_F(LayoutChecks, ExpectedTextsMustBeDrawnWithTheirCentreInTheirBand) {
    DrawPlainText("10", 40, 20, 0); // centre (50, 26)
    const struct {
        const char* text;
        Rect band;
        bool found;
    } cases[] = {
        {"10", Rect{40, 20, 60, 32}, true},
        {"10", Rect{50, 26, 51, 27}, true},  // the centre pixel alone
        {"10", Rect{51, 20, 80, 32}, false}, // the text starts in it, its centre does not
        {"10", Rect{40, 27, 60, 40}, false},
        {"1", Rect{40, 20, 60, 32}, false}, // a part of a drawn text is not the text
    };
    for (const auto& c : cases) {
        const std::vector<std::string> problems = CheckTextsDrawn(recorder, {{c.text, c.band}});
        EXPECT_EQ(problems.empty(), c.found)
            << c.text << " in " << c.band.left << "," << c.band.top;
    }
    EXPECT_TRUE(Reports(CheckTextsDrawn(recorder, {{"7", Rect{0, 0, 10, 10}}}),
                        "text \"7\" was not drawn in (0,0)-(10,10)"));
}
