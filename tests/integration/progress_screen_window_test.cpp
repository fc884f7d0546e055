// The progress screen in the real window with real fonts, opened from the setup screen by
// its key: the grid's cells coloured by each fact's history where the layout puts them,
// the switch to the addition grid, a chart line in each played difficulty's colour and
// none in an unplayed one's, games kept apart as open dots off the line with a note under
// the chart, the empty history's single line, and the keys back to setup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/key_translation.h"
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

// The colour of the grid cell for a op b when the whole cell is of one colour, else MixedCell.
int CellColour(const ProgressLayout& layout, int a, int b) {
    const Box& grid = layout.grid;
    const int cell = grid.width / 11;
    const int left = grid.x + b * cell;
    const int top = grid.y + a * cell;
    const Color565 first = PixelAt(left, top);
    for (int y = top; y < top + cell - 1; ++y) {
        for (int x = left; x < left + cell - 1; ++x) {
            if (PixelAt(x, y) != first) {
                return MixedCell;
            }
        }
    }
    return first;
}

int CountInBox(const Box& box, Color565 colour) {
    int count = 0;
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int x = box.x; x < box.x + box.width; ++x) {
            count += PixelAt(x, y) == colour;
        }
    }
    return count;
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

// 7 x 8 missed every time, 3 x 4 and 2 + 5 always right and fast; easy and hard games with
// rising scores and no normal one.
ProgressHistory CraftedHistory() {
    ProgressHistory history;
    const int difficulties[] = {0, 2, 0, 2};
    for (int i = 0; i < 4; ++i) {
        history.BeginGame();
        Record(history, Problem{7, OpMultiply, 8}, FactOutcome::Wrong, 1500, 1);
        Record(history, Problem{3, OpMultiply, 4}, FactOutcome::Right, 700, 2);
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
    const int red = ToColor565(DifficultyColour(1.0f));
    const int green = ToColor565(DifficultyColour(0.0f));
    const int grey = ToColor565(GridUnaskedColour);
    int lineCounts[3] = {-1, -1, -1};
    int multiply[3] = {}; // 7 x 8, 3 x 4, 2 x 5
    int addition[3] = {}; // 7 + 8, 3 + 4, 2 + 5
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
            multiply[1] = CellColour(layout, 3, 4);
            multiply[2] = CellColour(layout, 2, 5);
            for (int d = 0; d < 3; ++d) {
                lineCounts[d] =
                    CountInBox(LinesOnly(layout.chart, f), ToColor565(ChartLineColour(d)));
            }
            PostKey(game, '1');
            break;
        case 7:
            addition[0] = CellColour(layout, 7, 8);
            addition[1] = CellColour(layout, 3, 4);
            addition[2] = CellColour(layout, 2, 5);
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
    EXPECT_EQ(multiply[0], red) << "7 x 8, missed every time";
    EXPECT_GT(Red565(multiply[0]), Green565(multiply[0]));
    EXPECT_EQ(multiply[1], green) << "3 x 4, always right and fast";
    EXPECT_GT(Green565(multiply[1]), Red565(multiply[1]));
    EXPECT_EQ(multiply[2], grey) << "2 x 5 was never asked";
    EXPECT_EQ(addition[0], grey) << "7 + 8 was never asked";
    EXPECT_EQ(addition[1], grey);
    EXPECT_EQ(addition[2], green) << "2 + 5, always right and fast";
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
