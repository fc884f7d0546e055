// The player named on the high-score and game-over screens: only when two or more players
// share the computer, as typed (an accented letter drawn as a letter, not a symbol), cut
// to the room there is, and in free space, so the frame still keeps the layout rules.
#include <gtest/gtest.h>

#include <string>

#include "support/frame_fixture.h"
#include "support/layout_checks.h"

namespace {

struct NamedScreen : FrameFixture {
    void TestBody() override {}

    // The text starting with start that the high-score or game-over screen draws with
    // another player added (none: one player); the layout rules are checked on the way.
    std::string Named(const char* added, bool gameOver, const std::string& start) {
        EXPECT_TRUE(added == nullptr || game.AddPlayer(added));
        if (gameOver) {
            StartGame();
            clock.Advance(ClockRunOutMs);
        } else {
            Key('3');
        }
        Frame();
        FrameLayoutRecorder recorder;
        Frame();
        for (const std::string& fault : CheckFrameLayout(recorder, 640, 480, {})) {
            ADD_FAILURE() << fault;
        }
        for (const DrawnText& text : recorder.Texts()) {
            if (text.text.compare(0, start.size(), start) == 0) {
                return text.text;
            }
        }
        return std::string();
    }
};

} // namespace

TEST(PlayerNameScreens, TheCurrentPlayerIsNamedOnlyWhenThereAreTwo) {
    const struct {
        const char* added; // none: one player, and nobody named
        const char* start;
        bool cutInTable; // wider than the high-score panel
    } cases[] = {
        {nullptr, "Player 1", false}, {"Zo\xEB", "Zo", false}, {"WWWWWWWWWWWWWWWW", "WWW", true}};
    for (const auto& c : cases) {
        for (const bool gameOver : {false, true}) {
            SCOPED_TRACE(std::string(c.start) + (gameOver ? " at game over" : " in the table"));
            const std::string named = NamedScreen().Named(c.added, gameOver, c.start);
            const std::string name = c.added != nullptr ? c.added : "";
            EXPECT_EQ(named.empty(), name.empty());
            EXPECT_EQ(name.compare(0, named.size(), named), 0) << named << ": a start of the name";
            EXPECT_EQ(named.size() < name.size(), c.cutInTable && !gameOver) << named;
        }
    }
}
