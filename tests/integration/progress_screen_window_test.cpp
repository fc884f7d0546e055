// The progress screen in the real window with real fonts, opened from the setup screen by
// its key: the grid's cells coloured by each fact's history where the layout puts them,
// the switch to the addition grid, a chart line in each played difficulty's colour and
// none in an unplayed one's, games kept apart as open dots off the line with a note under
// the chart, the empty history's single line, and the keys back to setup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/key_translation.h"
#include "game/fact_grid.h"
#include "game/panel_drawing.h"
#include "game/score_chart.h"
#include "progress/progress_summary.h"
#include "render/surface.h"
#include "support/data_folder.h"
#include "support/hook_guards.h"
#include "support/scripted_game.h"
#include "text/font.h"

namespace {

constexpr Color565 White = 0xFFFF;
constexpr int MixedCell = -1;
// The chart's rules.
constexpr ColorRef RuleGrey = 0xD8D8D8;

Color565 PixelAt(int x, int y) {
    return SurfacePixels[y * SurfacePitch + x];
}

// The grid cell for a op b without the line and column after it.
Box CellBox(const ProgressLayout& layout, int a, int b) {
    const Box& grid = layout.grid;
    const int cell = grid.width / 11;
    return {grid.x + b * cell, grid.y + a * cell, cell - 1, cell - 1};
}

// The colour of the grid cell for a op b when the whole cell is of one colour, else MixedCell.
int CellColour(const ProgressLayout& layout, int a, int b) {
    const Box cell = CellBox(layout, a, b);
    const Color565 first = PixelAt(cell.x, cell.y);
    for (int y = cell.y; y < cell.y + cell.height; ++y) {
        for (int x = cell.x; x < cell.x + cell.width; ++x) {
            if (PixelAt(x, y) != first) {
                return MixedCell;
            }
        }
    }
    return first;
}

// A checked cell: its corner's colour, which the check mark leaves clear, and the check's
// pure white pixels.
struct CheckedCell {
    int colour = -1;
    int checkPixels = -1;
};

int CountInBox(const Box& box, Color565 colour) {
    int count = 0;
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int x = box.x; x < box.x + box.width; ++x) {
            count += PixelAt(x, y) == colour;
        }
    }
    return count;
}

CheckedCell Checked(const ProgressLayout& layout, int a, int b) {
    const Box cell = CellBox(layout, a, b);
    return {PixelAt(cell.x, cell.y), CountInBox(cell, White)};
}

// The chart below its caption and a legend row of its own, so only lines and dots count.
Box LinesOnly(const Box& chart, int fontHeight) {
    const int top = 2 * fontHeight + fontHeight / 2;
    return {chart.x, chart.y + top, chart.width, chart.height - top};
}

// Pixels that are not the background in rows [top, bottom).
int InkInRows(int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < SurfaceWidth; ++x) {
            ink += PixelAt(x, y) != White;
        }
    }
    return ink;
}

int Red565(int pixel) {
    return (pixel >> 11 & 0x1F) * 2; // on green's six-bit scale
}
int Green565(int pixel) {
    return pixel >> 5 & 0x3F;
}

void Record(ProgressHistory& history, const Problem& problem, FactOutcome outcome, int ms,
            int times) {
    for (int i = 0; i < times; ++i) {
        history.RecordFact(problem, outcome, ms, history.gamesPlayed);
    }
}

// 8 x 7 missed every time, 4 x 3 and 2 + 5 always right and fast (fluent); easy and hard
// games with rising scores and no normal one.
ProgressHistory CraftedHistory() {
    ProgressHistory history;
    const int difficulties[] = {0, 2, 0, 2};
    for (int i = 0; i < 4; ++i) {
        history.BeginGame();
        Record(history, Problem{8, OpMultiply, 7}, FactOutcome::Wrong, 1500, 1);
        Record(history, Problem{4, OpMultiply, 3}, FactOutcome::Right, 700, 2);
        Record(history, Problem{2, OpAdd, 5}, FactOutcome::Right, 600, 1);
        GameRecord game;
        game.difficulty = difficulties[i];
        game.score = 200u * static_cast<std::uint32_t>(i + 1);
        history.RecordGame(game);
    }
    return history;
}

// The rightmost run of columns in box holding lines or dots (pixels neither white nor the
// rules' grey), and the rows it spans: one dot alone, or a line with the dots it joins.
struct Mark {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
};

bool Inked(int x, int y) {
    return PixelAt(x, y) != White && PixelAt(x, y) != ToColor565(RuleGrey);
}

bool ColumnInked(const Box& box, int x) {
    for (int y = box.y; y < box.y + box.height; ++y) {
        if (Inked(x, y)) {
            return true;
        }
    }
    return false;
}

Mark RightmostMark(const Box& box) {
    Mark mark;
    int x = box.x + box.width - 1;
    while (x >= box.x && !ColumnInked(box, x)) {
        --x;
    }
    mark.right = x;
    while (x >= box.x && ColumnInked(box, x)) {
        --x;
    }
    mark.left = x + 1;
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int column = mark.left; column <= mark.right; ++column) {
            if (Inked(column, y)) {
                mark.top = mark.top < 0 ? y : mark.top;
                mark.bottom = y;
            }
        }
    }
    return mark;
}

// The lowest row in box holding colour.
int LowestRow(const Box& box, Color565 colour) {
    for (int y = box.y + box.height - 1; y >= box.y; --y) {
        for (int x = box.x; x < box.x + box.width; ++x) {
            if (PixelAt(x, y) == colour) {
                return y;
            }
        }
    }
    return -1;
}

// Easy games scoring 400, 800 and 0, the last one as made.
ProgressHistory EasyGamesEndingWith(const GameRecord& last) {
    ProgressHistory history;
    for (std::uint32_t score : {400u, 800u}) {
        GameRecord game;
        game.score = score;
        history.RecordGame(game);
    }
    history.RecordGame(last);
    history.RecordFact(Problem{3, OpMultiply, 4}, FactOutcome::Right, 700, history.BeginGame());
    return history;
}

bool noteDrawn = false;

// The text runs one drawing made, kept for the test to check where they went.
struct DrawnRun {
    std::string text;
    Box box;
};
std::vector<DrawnRun> drawnRuns;

bool Overlap(const Box& p, const Box& q) {
    return p.x < RightOf(q) && q.x < RightOf(p) && p.y < BottomOf(q) && q.y < BottomOf(p);
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && RightOf(inner) <= RightOf(outer) &&
           BottomOf(inner) <= BottomOf(outer);
}

// What a drawing left on an all-white surface: its text runs and the ink outside box.
struct Drawing {
    std::vector<DrawnRun> runs;
    int inkOutside = 0;
    int inkInside = 0;
};

template <typename Draw> Drawing DrawAlone(const Box& box, Font* font, Draw draw) {
    FillBox(0, 0, SurfaceWidth, SurfaceHeight, 0xFFFFFF);
    drawnRuns.clear();
    {
        const TextObserverGuard observing([](const TextRun& run) {
            drawnRuns.push_back({run.text, {run.x, run.y, run.width, run.height}});
        });
        DrawInFont(font, draw);
    }
    Drawing drawing;
    drawing.runs = drawnRuns;
    const int ink =
        SurfaceWidth * SurfaceHeight - CountInBox({0, 0, SurfaceWidth, SurfaceHeight}, White);
    drawing.inkInside = box.width * box.height - CountInBox(box, White);
    drawing.inkOutside = ink - drawing.inkInside;
    return drawing;
}

void ExpectApartAndInside(const std::vector<DrawnRun>& runs, const Box& box) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_TRUE(Inside(runs[i].box, box)) << runs[i].text;
        for (std::size_t j = i + 1; j < runs.size(); ++j) {
            EXPECT_FALSE(Overlap(runs[i].box, runs[j].box)) << runs[i].text << ", " << runs[j].text;
        }
    }
}

// The top of each line the runs were drawn on, top first.
std::vector<int> LineTops(const std::vector<DrawnRun>& runs) {
    std::vector<int> tops;
    for (const DrawnRun& run : runs) {
        tops.push_back(run.box.y);
    }
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    return tops;
}

std::vector<std::string> Texts(const std::vector<DrawnRun>& runs) {
    std::vector<std::string> texts;
    for (const DrawnRun& run : runs) {
        texts.push_back(run.text);
    }
    return texts;
}

// The pixels of colour in box: how many, and the rectangle they span.
struct Blot {
    int count = 0;
    Box span;
};

Blot BlotOf(const Box& box, Color565 colour) {
    Blot blot;
    int left = RightOf(box), top = BottomOf(box), right = box.x - 1, bottom = box.y - 1;
    for (int y = box.y; y < BottomOf(box); ++y) {
        for (int x = box.x; x < RightOf(box); ++x) {
            if (PixelAt(x, y) == colour) {
                ++blot.count;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    blot.span = {left, top, right + 1 - left, bottom + 1 - top};
    return blot;
}

} // namespace

TEST(WindowProgress, GamesKeptApartAreOpenDotsOffTheLineWithANote) {
    TemporaryDataFolder folder("progress-kept-apart");
    ScriptedGame game;
    GameRecord calm;
    calm.calm = true;
    GameRecord chosen;
    chosen.facts = "7";
    const std::vector<GameRecord> lasts = {GameRecord(), calm, chosen};
    std::vector<Mark> marks(lasts.size());
    std::vector<int> centres(lasts.size(), -1);
    std::vector<int> lowest(lasts.size(), -1);
    std::vector<bool> notes(lasts.size(), false);
    const Color565 easy = ToColor565(ChartLineColour(0));
    game.script = [&] {
        const int f = game.shellFont != nullptr ? game.shellFont->Height() : 18;
        const int k = (game.frames - 3) / 4;
        if (game.frames == 1) {
            PostKey(game, '1');
        } else if (game.frames >= 3 && (game.frames - 3) % 4 == 0) {
            game.progress.history = EasyGamesEndingWith(lasts[static_cast<std::size_t>(k)]);
            noteDrawn = false;
            PostKey(game, '9');
        } else if (game.frames >= 5 && (game.frames - 5) % 4 == 0) {
            const auto i = static_cast<std::size_t>(k);
            const Box lines = LinesOnly(game.progress.screen.LastLayout().chart, f);
            lowest[i] = LowestRow(lines, easy);
            // Inside the chart's frame, down to its lowest dot: clear of the note below.
            const Box plot = {lines.x + 1, lines.y, lines.width - 2, lowest[i] + 1 - lines.y};
            const Mark mark = RightmostMark(plot);
            marks[i] = mark;
            centres[i] = PixelAt((mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2);
            notes[i] = noteDrawn;
            if (i + 1 == lasts.size()) {
                game.RequestQuit();
            } else {
                PostKey(game, '0');
            }
        }
    };
    {
        const TextObserverGuard observing([](const TextRun& run) {
            noteDrawn = noteDrawn || std::strstr(run.text, "chosen facts or calm") != nullptr;
        });
        game.Run();
    }
    const Mark& joined = marks[0];
    ASSERT_GT(joined.right - joined.left, 20) << "a game played alike is joined to the line";
    EXPECT_FALSE(notes[0]) << "no note without a game kept apart";
    for (std::size_t i = 1; i < lasts.size(); ++i) {
        SCOPED_TRACE(i == 1 ? "a calm game" : "a game of chosen facts");
        const Mark& apart = marks[i];
        EXPECT_LT(apart.right - apart.left, 20) << "a dot alone, not joined to the line";
        EXPECT_EQ(apart.right, joined.right) << "in the game's place in time";
        EXPECT_EQ(apart.bottom, lowest[i]) << "on the base line, where its score of 0 sits";
        EXPECT_EQ(centres[i], White) << "open, not filled";
        EXPECT_TRUE(notes[i]) << "the note says what the open dot means";
    }
}

TEST(WindowProgress, GridAndChartShowTheHistoryWhereTheLayoutPutsThem) {
    TemporaryDataFolder folder("progress-screen");
    ScriptedGame game;
    const int red = ToColor565(GridClassColours[4]);
    const int blue = ToColor565(GridClassColours[0]);
    const int grey = ToColor565(GridUnaskedColour);
    int lineCounts[3] = {-1, -1, -1};
    int multiply[3] = {};  // 7 x 8, 8 x 7, 2 x 5
    CheckedCell fluent[2]; // 3 x 4, 2 + 5
    int addition[2] = {};  // 7 + 8, 3 + 4
    bool sameSize = false;
    bool shown = false;
    bool backToSetup = false;
    game.script = [&] {
        const ProgressLayout& layout = game.progress.screen.LastLayout();
        const int f = game.shellFont != nullptr ? game.shellFont->Height() : 18;
        switch (game.frames) {
        case 1:
            game.progress.history = CraftedHistory();
            PostKey(game, '1');
            break;
        case 3: PostKey(game, '9'); break;
        case 5:
            shown = game.setupMode && game.shownScreen == GameScreen::Progress;
            sameSize = SurfaceWidth == game.width && SurfaceHeight == game.height;
            if (!shown || !sameSize || layout.grid.width < 22) {
                game.RequestQuit();
                return;
            }
            multiply[0] = CellColour(layout, 7, 8);
            multiply[1] = CellColour(layout, 8, 7);
            multiply[2] = CellColour(layout, 2, 5);
            fluent[0] = Checked(layout, 3, 4);
            for (int d = 0; d < 3; ++d) {
                lineCounts[d] =
                    CountInBox(LinesOnly(layout.chart, f), ToColor565(ChartLineColour(d)));
            }
            PostKey(game, '1');
            break;
        case 7:
            addition[0] = CellColour(layout, 7, 8);
            addition[1] = CellColour(layout, 3, 4);
            fluent[1] = Checked(layout, 2, 5);
            PostKey(game, '0');
            break;
        case 9:
            backToSetup = game.setupMode && game.shownScreen != GameScreen::Progress;
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    ASSERT_TRUE(shown) << "'9' on the setup screen opens the progress screen";
    ASSERT_TRUE(sameSize) << "the back buffer is the window's size";
    EXPECT_EQ(multiply[0], red) << "7 x 8 (shown 8 x 7), missed every time, unchecked";
    EXPECT_GT(Red565(multiply[0]), Green565(multiply[0]));
    EXPECT_EQ(multiply[1], red) << "8 x 7 itself";
    EXPECT_EQ(multiply[2], grey) << "2 x 5 was never asked";
    EXPECT_EQ(addition[0], grey) << "7 + 8 was never asked";
    EXPECT_EQ(addition[1], grey) << "3 + 4 is not 4 x 3";
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "3 x 4 (shown 4 x 3)" : "2 + 5");
        EXPECT_EQ(fluent[i].colour, blue) << "always right and fast: fluent";
        EXPECT_GT(fluent[i].checkPixels, 4) << "a fluent cell carries a check mark";
    }
    EXPECT_GT(lineCounts[0], 20) << "the easy games' line";
    EXPECT_EQ(lineCounts[1], 0) << "no normal game was played";
    EXPECT_GT(lineCounts[2], 20) << "the hard games' line";
    EXPECT_TRUE(backToSetup) << "'0' returns to the setup screen";
}

TEST(WindowProgress, AnEmptyHistoryShowsOneLineAndEscapeGoesBack) {
    TemporaryDataFolder folder("progress-empty");
    ScriptedGame game;
    int inkAroundMiddle = -1;
    int inkElsewhere = -1;
    bool shown = false;
    bool backToSetup = false;
    game.script = [&] {
        switch (game.frames) {
        case 1: PostKey(game, '1'); break;
        case 3: PostKey(game, '9'); break;
        case 5: {
            shown = game.setupMode && game.shownScreen == GameScreen::Progress &&
                    game.progress.history.Empty();
            const ProgressLayout& layout = game.progress.screen.LastLayout();
            const int f = game.shellFont != nullptr ? game.shellFont->Height() : 18;
            const int below = layout.chart.y; // clear of the title row and its buttons
            const int middle = SurfaceHeight / 2;
            inkAroundMiddle = InkInRows(middle - f, middle + f);
            // Where the chart, the grid and the lists would be there is nothing else.
            inkElsewhere = InkInRows(below, middle - f) + InkInRows(middle + f, SurfaceHeight);
            PostKey(game, KeyCode::Escape);
            break;
        }
        case 7:
            backToSetup = game.setupMode && game.shownScreen != GameScreen::Progress;
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    ASSERT_TRUE(shown);
    EXPECT_GT(inkAroundMiddle, 100) << "the line that says to play a game";
    EXPECT_EQ(inkElsewhere, 0) << "no grid, chart or lists";
    EXPECT_TRUE(backToSetup) << "Escape returns to the setup screen";
}

TEST(WindowProgress, TheGridLegendStaysInItsBoxInOneLineOrTwo) {
    TemporaryDataFolder folder("progress-legend");
    ScriptedGame game;
    int f = 0;
    int oneLine = 0;
    int surfaceWidth = 0;
    std::vector<Box> boxes;
    std::vector<Drawing> drawings;
    ShrunkFont font;
    game.script = [&] {
        surfaceWidth = SurfaceWidth;
        DrawInFont(game.shellFont, [&] {
            f = FontHeight();
            oneLine = SurfaceWidth;
            while (oneLine > 1 && GridLegendLines(oneLine - 1) == 1) {
                --oneLine;
            }
        });
        // One line where it fits; two below that width where the box holds them, one in a
        // smaller font where it does not; two in a smaller font in half the width.
        boxes = {{10, 10, oneLine, f},
                 {10, 10, oneLine - 1, 2 * f},
                 {10, 10, oneLine - 1, f},
                 {10, 10, oneLine / 2, 2 * f}};
        for (const Box& box : boxes) {
            drawings.push_back(DrawAlone(box, game.shellFont, [&] { DrawGridLegend(box, font); }));
        }
        game.RequestQuit();
    };
    game.Run();
    ASSERT_EQ(drawings.size(), 4u);
    ASSERT_LT(oneLine, surfaceWidth - 20) << "the legend fits the window in one line";
    const std::vector<std::string> words = {"fast", "slow", "missed", "new", "fluent"};
    const std::size_t lines[] = {1, 2, 1, 2};
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "box " << boxes[i].width << " x " << boxes[i].height);
        const Drawing& drawing = drawings[i];
        EXPECT_EQ(drawing.inkOutside, 0);
        EXPECT_GT(drawing.inkInside, 0);
        EXPECT_EQ(Texts(drawing.runs), words);
        EXPECT_EQ(LineTops(drawing.runs).size(), lines[i]);
        ExpectApartAndInside(drawing.runs, boxes[i]);
        const bool fullSize = i < 2;
        for (const DrawnRun& run : drawing.runs) {
            EXPECT_EQ(run.box.height == f, fullSize) << run.text;
        }
    }
}

namespace {

// Games of one difficulty after a higher-scoring one of the next, so each difficulty's last
// mark stands alone on the base line.
std::vector<GameRecord> MarkedGames(int difficulty, bool keptApart) {
    GameRecord high;
    high.difficulty = (difficulty + 1) % 3;
    high.score = 500;
    GameRecord low;
    low.difficulty = difficulty;
    low.calm = keptApart;
    return {high, low};
}

} // namespace

TEST(WindowProgress, TheChartMarksEachDifficultyWithItsOwnShape) {
    TemporaryDataFolder folder("progress-marks");
    ScriptedGame game;
    Blot filled[3];
    Blot open[3];
    int openCentres[3] = {-1, -1, -1};
    game.script = [&] {
        const int f = game.shellFont->Height();
        const Box chart = {20, 20, 400, 240};
        ShrunkFont legendFont;
        ShrunkFont noteFont;
        for (int d = 0; d < 3; ++d) {
            const Color565 colour = ToColor565(ChartLineColour(d));
            for (const bool apart : {false, true}) {
                DrawAlone(chart, game.shellFont, [&] {
                    DrawScoreChart(MarkedGames(d, apart), chart, legendFont, noteFont);
                });
                const Blot blot = BlotOf(LinesOnly(chart, f), colour);
                (apart ? open : filled)[d] = blot;
                if (apart) {
                    openCentres[d] = PixelAt(blot.span.x + blot.span.width / 2,
                                             blot.span.y + blot.span.height / 2);
                }
            }
        }
        game.RequestQuit();
    };
    game.Run();
    double fill[3];
    for (int d = 0; d < 3; ++d) {
        SCOPED_TRACE(d);
        ASSERT_GT(filled[d].count, 0) << "the mark on the base line";
        EXPECT_LT(filled[d].span.width, 20) << "one mark alone";
        fill[d] =
            static_cast<double>(filled[d].count) / (filled[d].span.width * filled[d].span.height);
        EXPECT_GT(open[d].count, 0);
        EXPECT_LT(open[d].count, filled[d].count) << "an open mark is hollow";
        EXPECT_EQ(openCentres[d], White);
        EXPECT_EQ(open[d].span.width, filled[d].span.width) << "of the same shape";
        EXPECT_EQ(open[d].span.height, filled[d].span.height);
    }
    EXPECT_EQ(fill[1], 1.0) << "Normal: a square fills its span";
    EXPECT_LT(fill[0], 1.0) << "Easy: a circle does not";
    EXPECT_LT(fill[2], fill[0]) << "Hard: a triangle fills less than a circle";
}

namespace {

// Ten games on ten days of November, the last one calm, so a note row lies under the dates.
std::vector<GameRecord> DatedGames() {
    std::vector<GameRecord> games(10);
    for (int i = 0; i < 10; ++i) {
        games[static_cast<std::size_t>(i)].when =
            "2026-11-" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1) + " 18:00";
        games[static_cast<std::size_t>(i)].score = 100u * static_cast<std::uint32_t>(i);
    }
    games.back().calm = true;
    return games;
}

} // namespace

TEST(WindowProgress, TheChartsDatesStandUnderItsEndsAndNeverOverlap) {
    TemporaryDataFolder folder("progress-dates");
    ScriptedGame game;
    const std::vector<GameRecord> games = DatedGames();
    const std::vector<int> widths = {600, 260, 220, 190, 160, 140, 90};
    std::vector<Box> boxes;
    std::vector<Drawing> drawings;
    game.script = [&] {
        ShrunkFont legendFont;
        ShrunkFont noteFont;
        for (const int width : widths) {
            boxes.push_back({20, 20, width, 240});
            // The frame reaches a pixel past the box's right and bottom.
            const Box framed = {20, 20, width + 1, 241};
            drawings.push_back(DrawAlone(framed, game.shellFont, [&] {
                DrawScoreChart(games, boxes.back(), legendFont, noteFont);
            }));
        }
        game.RequestQuit();
    };
    game.Run();
    ASSERT_EQ(drawings.size(), widths.size());
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "width " << widths[i]);
        std::vector<DrawnRun> dates;
        std::vector<DrawnRun> below; // the dates and the note under them
        for (const DrawnRun& run : drawings[i].runs) {
            if (run.text.find(" Nov") != std::string::npos) {
                dates.push_back(run);
            }
            if (run.text.find(" Nov") != std::string::npos ||
                run.text.find("chosen facts or calm") != std::string::npos) {
                below.push_back(run);
            }
        }
        EXPECT_EQ(drawings[i].inkOutside, 0);
        ExpectApartAndInside(below, boxes[i]);
        ASSERT_FALSE(dates.empty()) << "the last game's date at least";
        EXPECT_EQ(dates.front().text, "10 Nov") << "the last game's date first";
        if (i == 0) {
            ASSERT_EQ(Texts(dates), (std::vector<std::string>{"10 Nov", "1 Nov", "6 Nov"}));
            EXPECT_LT(dates[1].box.x, dates[2].box.x);
            EXPECT_LT(dates[2].box.x, dates[0].box.x) << "oldest at the left";
        }
        for (const DrawnRun& date : dates) {
            EXPECT_EQ(date.box.y, dates.front().box.y) << "one row";
        }
    }
}
