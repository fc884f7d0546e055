// Application without a window: defaults, frame statistics, screen classes and the
// default right-press slot; and the configured game object.
#include <gtest/gtest.h>

#include <memory>

#include "app/application.h"
#include "base/random.h"
#include "game/arithmetic_game.h"
#include "resources/resource_ids.h"
#include "support/fake_clock.h"

TEST(Application, ConstructorDefaultsAndCurrentPointer) {
    Application app;
    EXPECT_EQ(CurrentApplication, &app);
    EXPECT_EQ(app.title, "Bramblewood Apps");
    EXPECT_EQ(app.iconId, 101);
    EXPECT_EQ(app.width, 480);
    EXPECT_EQ(app.height, 640);
    EXPECT_TRUE(app.resizable);
    EXPECT_TRUE(app.doubleClickEvents);
    EXPECT_EQ(app.GetBackgroundColor(), 0xFFFFFFu);
    EXPECT_EQ(GetMainWindow(), nullptr);
}

TEST(Application, TheGameConfiguresAResizableWindow) {
    std::unique_ptr<Application> app(CreateApplication());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->title, "Quickfigure");
    EXPECT_EQ(app->iconId, QF_ICON_GROUP);
    EXPECT_EQ(app->width, 640);
    EXPECT_EQ(app->height, 480);
    EXPECT_TRUE(app->resizable);
    EXPECT_FALSE(app->doubleClickEvents);
    EXPECT_EQ(app->minWidth, 240) << "240 x 320 and 320 x 240 both fit";
    EXPECT_EQ(app->minHeight, 240);
}

TEST(FrameStatistics, ExactlyOneSecondDoesNotCloseTheWindow) {
    FakeClock clock;
    Application app;
    app.frameTimer.Restart();
    for (int i = 0; i < 40; ++i) {
        clock.Advance(25);
        app.UpdateFrameStatistics();
    }
    EXPECT_EQ(app.msThisSecond, 1000);
    EXPECT_EQ(app.framesPerSecond, 0);
    EXPECT_EQ(app.framesThisSecond, 40);
    EXPECT_EQ(app.lastFrameMs, 25);

    clock.Advance(25);
    app.UpdateFrameStatistics();
    EXPECT_EQ(app.framesPerSecond, 40) << "the closing frame is not counted";
    EXPECT_EQ(app.msThisSecond, 0);
    EXPECT_EQ(app.framesThisSecond, 0);
    EXPECT_EQ(app.frameCount, 41);
}

TEST(ScreenClass, CompactTinyAndNearlySquare) {
    Application app;
    app.width = 320;
    app.height = 240;
    EXPECT_TRUE(app.IsCompactScreen());
    EXPECT_FALSE(app.IsTinyScreen());
    app.width = 176;
    app.height = 220;
    EXPECT_TRUE(app.IsTinyScreen());
    app.height = 221;
    EXPECT_FALSE(app.IsTinyScreen());

    app.width = 640;
    app.height = 480;
    EXPECT_FALSE(app.IsCompactScreen());
    EXPECT_FALSE(app.IsNearlySquare());
    app.width = 500; // 500 < 480 + 62
    EXPECT_TRUE(app.IsNearlySquare());
    app.width = 480;
    EXPECT_TRUE(app.IsNearlySquare());
    app.width = 479;
    EXPECT_FALSE(app.IsNearlySquare()) << "taller than wide is not nearly square";
    app.width = 549; // 549 >> 3 = 68, 480 + 68 = 548
    EXPECT_FALSE(app.IsNearlySquare());
}

TEST(Application, DefaultRightPressOnlyAdvancesTheRandomSequence) {
    Application app;
    SeedRandom(0);
    EXPECT_EQ(app.OnRightMouseDown(5, 5), 1000 + 38);
    EXPECT_EQ(RandomState(), 2531011u);
}
