// The widget base: the per-frame input list and its press and release dispatch (a release
// goes back to the widgets its press held, drawn or not), the hit rectangle with its
// vertical clip, hover and the state colours. Frames are simulated by emptying the list
// and drawing; MouseState is set by hand as the window procedure would.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "base/mouse_state.h"
#include "render/surface.h"
#include "support/test_surface.h"
#include "ui/widget.h"

namespace {

std::vector<const char*> EventLog;

// A widget that registers when drawn and logs the events it receives.
class ProbeWidget : public Widget {
  public:
    ProbeWidget(const char* probeName, int left, int top, int w, int h) : name(probeName) {
        SetPosition(left, top);
        SetSize(w, h);
    }
    void Draw() override { RegisterForInput(); }
    void OnPress(Point point) override {
        ++presses;
        lastPoint = point;
        EventLog.push_back(name);
    }
    void OnRelease(Point point) override {
        ++releases;
        lastPoint = point;
        EventLog.push_back(name);
    }

    const char* name;
    int presses = 0;
    int releases = 0;
    Point lastPoint;
};

class WidgetInput : public testing::Test {
  protected:
    void SetUp() override {
        ClearInputList();
        EventLog.clear();
        MouseState = MouseStatus{};
    }
    void TearDown() override {
        ClearInputList();
        MouseState = MouseStatus{};
    }
    // One frame: the list is emptied, then the widgets register in the order given.
    static void Frame(std::initializer_list<Widget*> widgets) {
        ClearInputList();
        for (Widget* widget : widgets) {
            widget->Draw();
        }
    }
    // The mouse as the window procedure leaves it.
    static void MouseAt(int x, int y, bool down) { MouseState = MouseStatus{x, y, down}; }

    TestSurface surface{200, 150, 0};
};

} // namespace

TEST_F(WidgetInput, LeftAndTopEdgesHitRightAndBottomEdgesMiss) {
    ProbeWidget probe("probe", 10, 20, 30, 15);
    struct Case {
        Point point;
        bool hits;
    };
    for (const Case c : {Case{{10, 20}, true}, Case{{39, 34}, true}, Case{{40, 20}, false},
                         Case{{10, 35}, false}, Case{{9, 25}, false}, Case{{20, 19}, false}}) {
        Frame({&probe});
        EXPECT_EQ(DispatchPress(c.point), c.hits) << c.point.x << "," << c.point.y;
        EXPECT_EQ(probe.pressed, c.hits);
        EXPECT_EQ(DispatchRelease(c.point), c.hits);
        EXPECT_FALSE(probe.pressed);
    }
    EXPECT_EQ(probe.presses, 2);
    EXPECT_EQ(probe.releases, 2);
    EXPECT_EQ(probe.lastPoint.x, 39);
    EXPECT_EQ(probe.lastPoint.y, 34);
}

TEST_F(WidgetInput, ClipAtRegistrationCutsOnlyTheVerticalSpan) {
    ProbeWidget probe("probe", 10, 20, 30, 20);
    ClipRect = Rect{50, 30, 60, 35};
    Frame({&probe});
    ClipRect = Rect{0, 0, 200, 150};
    const Rect hit = probe.HitRect();
    EXPECT_EQ(hit.left, 10);
    EXPECT_EQ(hit.right, 40);
    EXPECT_EQ(hit.top, 30);
    EXPECT_EQ(hit.bottom, 35);
    EXPECT_FALSE(DispatchPress({10, 29})) << "above the clip at registration";
    EXPECT_FALSE(DispatchPress({10, 35})) << "below it";
    EXPECT_TRUE(DispatchPress({10, 30})) << "horizontally outside the clip still counts";
    DispatchRelease({10, 30});
    EXPECT_TRUE(DispatchPress({39, 34}));
}

TEST_F(WidgetInput, OfTwoOverlappingWidgetsTheFirstDrawnTakesThePress) {
    ProbeWidget first("first", 0, 0, 50, 50);
    ProbeWidget second("second", 20, 20, 50, 50);
    Frame({&first, &second});
    EXPECT_TRUE(DispatchPress({30, 30}));
    EXPECT_TRUE(first.pressed);
    EXPECT_FALSE(second.pressed);
    EXPECT_TRUE(DispatchRelease({30, 30}));
    EXPECT_EQ(first.releases, 1);
    EXPECT_EQ(second.presses + second.releases, 0);

    Frame({&second, &first});
    DispatchPress({30, 30});
    EXPECT_TRUE(second.pressed) << "drawing order, not creation order, decides";
    EXPECT_FALSE(first.pressed);
}

TEST_F(WidgetInput, PassThroughChildIsPressedBeforeItsContainer) {
    ProbeWidget child("child", 10, 10, 20, 20);
    ProbeWidget container("container", 0, 0, 100, 100);
    ProbeWidget later("later", 0, 0, 100, 100);
    child.passThrough = true;
    Frame({&child, &container, &later});
    EXPECT_TRUE(DispatchPress({15, 15}));
    EXPECT_TRUE(child.pressed);
    EXPECT_TRUE(container.pressed);
    EXPECT_FALSE(later.pressed) << "the container does not pass the press on";
    EXPECT_TRUE(DispatchRelease({15, 15}));
    const std::vector<const char*> expected{"child", "container", "child", "container"};
    EXPECT_EQ(EventLog, expected);
    EXPECT_FALSE(container.pressed);

    Frame({&child});
    EXPECT_FALSE(DispatchPress({15, 15})) << "a pass-through widget alone does not take it";
    EXPECT_EQ(child.presses, 2);
}

TEST_F(WidgetInput, DragOutAndReleaseOutsideClearsPressedWithoutRelease) {
    ProbeWidget probe("probe", 10, 10, 40, 20);
    Frame({&probe});
    MouseAt(20, 20, true);
    ASSERT_TRUE(DispatchPress({20, 20}));
    MouseAt(120, 90, true);
    Frame({&probe});
    EXPECT_EQ(probe.FillColour(), WidgetPressedFill) << "pressed shows even off the widget";
    EXPECT_EQ(probe.OutlineColour(), WidgetPressedOutline);
    EXPECT_TRUE(DispatchRelease({120, 90})) << "taken although outside";
    MouseAt(120, 90, false);
    EXPECT_FALSE(probe.pressed);
    EXPECT_EQ(probe.releases, 0);
    EXPECT_EQ(probe.FillColour(), WidgetNormalFill);
    EXPECT_EQ(probe.OutlineColour(), WidgetNormalOutline);
}

TEST_F(WidgetInput, NothingIsHoveredWhileTheButtonIsHeldOrTheWidgetDisabled) {
    ProbeWidget pressedOne("pressed", 0, 0, 30, 30);
    ProbeWidget other("other", 50, 0, 30, 30);
    Frame({&pressedOne, &other});
    MouseAt(5, 5, true);
    DispatchPress({5, 5});
    MouseAt(60, 5, true);
    EXPECT_FALSE(other.IsHovered());
    EXPECT_EQ(other.FillColour(), WidgetNormalFill);
    EXPECT_EQ(other.OutlineColour(), WidgetNormalOutline);
    MouseAt(60, 5, false);
    EXPECT_TRUE(other.IsHovered());
    other.enabled = false;
    EXPECT_FALSE(other.IsHovered());
}

TEST_F(WidgetInput, AWidgetNotDrawnInTheLastFrameDoesNotReact) {
    ProbeWidget probe("probe", 0, 0, 30, 30);
    ProbeWidget other("other", 100, 100, 30, 30);
    Frame({&probe});
    Frame({&other});
    EXPECT_FALSE(DispatchPress({5, 5}));
    EXPECT_FALSE(probe.pressed);
    EXPECT_EQ(probe.presses, 0);
}

TEST_F(WidgetInput, TheListHoldsFiveHundredWidgetsAndTheRestStillTakeTheClip) {
    std::vector<ProbeWidget> filler(InputListCapacity, ProbeWidget("filler", 150, 0, 10, 10));
    ProbeWidget last("last", 0, 0, 30, 30);
    ClearInputList();
    for (std::size_t i = 0; i + 1 < filler.size(); ++i) {
        filler[i].Draw();
    }
    last.Draw();
    EXPECT_TRUE(DispatchPress({5, 5})) << "the 500th registers";
    DispatchRelease({5, 5});

    ClearInputList();
    for (ProbeWidget& widget : filler) {
        widget.Draw();
    }
    ClipRect = Rect{0, 10, 200, 150};
    last.Draw();
    EXPECT_EQ(last.clipAtRegistration.top, 10);
    EXPECT_FALSE(DispatchPress({5, 15})) << "the 501st is drawn but not registered";
    EXPECT_EQ(last.presses, 1);
}

TEST_F(WidgetInput, AWidgetThatVanishesWhileHeldIsLetGoAndTheNextClickWorksAtOnce) {
    ProbeWidget vanishing("vanishing", 0, 0, 30, 30);
    ProbeWidget other("other", 100, 100, 30, 30);
    Frame({&vanishing, &other});
    ASSERT_TRUE(DispatchPress({5, 5}));
    Frame({&other}); // the held widget's screen has gone
    EXPECT_TRUE(DispatchRelease({150, 140})) << "released elsewhere, still taken";
    EXPECT_FALSE(vanishing.pressed);

    Frame({&vanishing, &other});
    ASSERT_TRUE(DispatchPress({110, 110}));
    EXPECT_TRUE(DispatchRelease({110, 110}));
    EXPECT_EQ(other.releases, 1) << "the first click on the next screen counts";
    EXPECT_EQ(vanishing.releases, 0);
}

TEST_F(WidgetInput, AReleaseWhereAnUndrawnHeldWidgetUsedToBeIsNoClick) {
    ProbeWidget vanishing("vanishing", 0, 0, 30, 30);
    Frame({&vanishing});
    DispatchPress({5, 5});
    Frame({});
    EXPECT_TRUE(DispatchRelease({5, 5}));
    EXPECT_FALSE(vanishing.pressed);
    EXPECT_EQ(vanishing.releases, 0);

    Frame({&vanishing});
    DispatchPress({5, 5});
    Frame({&vanishing});
    DispatchRelease({5, 5});
    EXPECT_EQ(vanishing.releases, 1) << "drawn again by the release: a click as usual";
}

TEST_F(WidgetInput, APressWhoseReleaseNeverCameIsLetGoByTheNextPress) {
    ProbeWidget first("first", 0, 0, 30, 30);
    ProbeWidget second("second", 50, 0, 30, 30);
    Frame({&first, &second});
    DispatchPress({5, 5});
    DispatchRelease({5, 5});
    DispatchPress({6, 6}); // a double click's second press, released outside the window
    Frame({&first, &second});
    EXPECT_TRUE(first.pressed);

    ASSERT_TRUE(DispatchPress({60, 5}));
    EXPECT_FALSE(first.pressed) << "let go by the new press";
    EXPECT_TRUE(DispatchRelease({60, 5}));
    EXPECT_EQ(second.releases, 1);
    EXPECT_EQ(first.presses, 2);
    EXPECT_EQ(first.releases, 1) << "the lost release is not made up";
}

TEST_F(WidgetInput, AWidgetDestroyedWhileHeldIsForgotten) {
    ProbeWidget survivor("survivor", 50, 0, 30, 30);
    std::optional<ProbeWidget> doomed;
    doomed.emplace("doomed", 0, 0, 30, 30);
    Frame({&*doomed, &survivor});
    DispatchPress({5, 5});
    doomed.reset();
    EXPECT_FALSE(DispatchRelease({5, 5})) << "nothing left to let go";
    EXPECT_TRUE(DispatchPress({60, 5})) << "the list still offers the others";
    EXPECT_FALSE(DispatchPress({5, 5}));
}
