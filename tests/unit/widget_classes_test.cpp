// The widget classes driven through the real dispatchers: sizes worked out from a font of
// known metrics, latches and selections, the menu's hover sound, the check box's bound bool
// and mark, the link's address handed to the shell (rerouted, so nothing opens), and hit
// areas that keep the font a control was drawn with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/mouse_state.h"
#include "render/surface.h"
#include "resources/resource_ids.h"
#include "support/metric_font.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/choice_group.h"
#include "ui/hover_button.h"
#include "ui/link_label.h"
#include "ui/menu_list.h"
#include "ui/shell_open.h"

namespace {

constexpr int CharWidth = 10;
constexpr int SpaceAdvance = 5;
constexpr int FontPixels = 18;
constexpr ColorRef Background = 0x204080;

std::vector<std::string> Opened;

void RecordOpen(const char* address) {
    Opened.emplace_back(address);
}

class WidgetClasses : public testing::Test {
  protected:
    void SetUp() override {
        ClearInputList();
        MouseState = MouseStatus{};
        Opened.clear();
        SetShellOpenHandler(&RecordOpen);
    }
    void TearDown() override {
        ClearInputList();
        MouseState = MouseStatus{};
        SetShellOpenHandler(nullptr);
    }
    // A complete click at (x, y) on what the last frame drew.
    static void Click(int x, int y) {
        DispatchPress({x, y});
        DispatchRelease({x, y});
    }
    static void Redraw(Widget& widget) {
        ClearInputList();
        widget.Draw();
    }

    TestSurface surface{320, 200, Background};
    CurrentMetricFont font{CharWidth, SpaceAdvance, FontPixels, 0};
};

} // namespace

TEST_F(WidgetClasses, ButtonWidthGrowsToItsLabelButNotBelowTheGivenWidth) {
    Button button;
    EXPECT_EQ(button.GetWidth(), 96);
    EXPECT_EQ(button.GetHeight(), 24);
    button.label = "Twelve chars";
    button.SetWidth(96);
    EXPECT_EQ(button.GetWidth(), 11 * CharWidth + SpaceAdvance);
    button.label = "OK";
    button.SetSize(96, 30);
    EXPECT_EQ(button.GetWidth(), 96);
    EXPECT_EQ(button.GetHeight(), 30);
    ResetCurrentFont();
    button.label = "Twelve chars";
    button.SetWidth(40);
    EXPECT_EQ(button.GetWidth(), 40) << "no font, nothing to measure";
}

TEST_F(WidgetClasses, HiddenButtonDrawsNothingAndLatchesClicksAndPresses) {
    Button button;
    button.SetPosition(10, 10);
    button.hidden = true;
    Redraw(button);
    for (int py = 0; py < 40; ++py) {
        for (int px = 0; px < 120; ++px) {
            ASSERT_EQ(surface.At(px, py), ToColor565(Background)) << px << "," << py;
        }
    }
    Click(105, 33);
    EXPECT_TRUE(button.WasClicked());
    EXPECT_FALSE(button.WasClicked()) << "cleared by the read";
    EXPECT_TRUE(button.WasPressed()) << "a tap released before the read still counts";
    EXPECT_FALSE(button.WasPressed()) << "cleared by the read";

    DispatchPress({20, 20});
    DispatchRelease({200, 150});
    EXPECT_TRUE(button.WasPressed()) << "pressed, moved out, released";
    EXPECT_FALSE(button.WasPressed());
    EXPECT_FALSE(button.WasClicked());
}

TEST_F(WidgetClasses, HoverButtonShowsItsBoxOnlyHoveredOrPressed) {
    HoverButton button;
    button.SetPosition(10, 10);
    button.hidden = true;
    MouseState = MouseStatus{200, 150, false};
    Redraw(button);
    EXPECT_EQ(surface.At(12, 12), ToColor565(Background));
    MouseState = MouseStatus{12, 12, false};
    Redraw(button);
    EXPECT_EQ(surface.At(12, 12), ToColor565(WidgetHoverFill)) << "hidden is not consulted";
    MouseState.buttonDown = true;
    DispatchPress({12, 12});
    MouseState.x = 200;
    Redraw(button);
    EXPECT_EQ(surface.At(12, 12), ToColor565(WidgetPressedFill));
}

TEST_F(WidgetClasses, MenuListStacksItsEntriesOneLinePlusSpacingApart) {
    MenuList menu;
    EXPECT_EQ(menu.GetHeight(), 0);
    menu.AddItem("Play");
    menu.AddItem("Options");
    menu.AddItem("A rather long entry");
    menu.spacing = 4;
    menu.SetPosition(20, 30);
    menu.SetWidth(100);
    EXPECT_EQ(menu.GetHeight(), 3 * 18 + 2 * 4);
    EXPECT_EQ(menu.height, 62);
    Redraw(menu);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(menu.items[i].x, 20);
        EXPECT_EQ(menu.items[i].y, 30 + 22 * i);
        EXPECT_EQ(menu.items[i].GetHeight(), 22);
    }
    EXPECT_EQ(menu.items[0].GetWidth(), 100);
    EXPECT_EQ(menu.items[2].GetWidth(), 16 * CharWidth + 3 * SpaceAdvance) << "widened to label";
}

TEST_F(WidgetClasses, MenuListTakesFiveEntriesAndPollsClicksInOrder) {
    MenuList menu;
    for (const char* text : {"a", "b", "c", "d", "e", "f"}) {
        menu.AddItem(text);
    }
    EXPECT_EQ(menu.count, 5);
    menu.SetWidth(100);
    Redraw(menu);
    int chosen = -1;
    EXPECT_FALSE(menu.PollChosen(&chosen));
    Click(50, 18 * 3 + 1);
    Click(50, 1);
    ASSERT_TRUE(menu.PollChosen(&chosen));
    EXPECT_EQ(chosen, 0);
    ASSERT_TRUE(menu.PollChosen(&chosen)) << "later entries keep their clicks";
    EXPECT_EQ(chosen, 3);
    EXPECT_FALSE(menu.PollChosen(&chosen));
}

TEST_F(WidgetClasses, MenuHoverSoundPlaysOncePerNewEntryAndNotOnReturn) {
    SoundRecorder recorder;
    Sound hover(nullptr, QF_SOUND_CLICK);
    MenuList menu;
    menu.AddItem("One");
    menu.AddItem("Two");
    menu.spacing = 4;
    menu.SetWidth(100);
    menu.SetHoverSound(&hover);
    const auto frameWithMouseAt = [&menu](int mouseY) {
        MouseState = MouseStatus{10, mouseY, false};
        Redraw(menu);
    };
    frameWithMouseAt(5);
    frameWithMouseAt(6);
    EXPECT_EQ(recorder.Requests().size(), 1u) << "staying on an entry is silent";
    frameWithMouseAt(22 + 5);
    frameWithMouseAt(5);
    EXPECT_EQ(recorder.Requests().size(), 3u);
    EXPECT_EQ(recorder.Requests()[0].resourceId, QF_SOUND_CLICK);
    frameWithMouseAt(150);
    frameWithMouseAt(5);
    EXPECT_EQ(recorder.Requests().size(), 3u) << "out and back onto the same entry";
    EXPECT_EQ(menu.lastHovered, 0);

    menu.SetHoverSound(nullptr);
    frameWithMouseAt(22 + 5);
    EXPECT_EQ(menu.lastHovered, 1) << "followed even without a sound";
    EXPECT_EQ(recorder.Requests().size(), 3u);
}

TEST_F(WidgetClasses, ChoiceGroupSelectsTheFirstEntryAndMovesOnThePress) {
    ChoiceGroup group;
    group.AddChoice("Easy");
    EXPECT_EQ(group.Selected(), 0);
    EXPECT_TRUE(group.items[0].chosen);
    group.AddChoice("Normal");
    group.AddChoice("Hard");
    group.SetPosition(0, 50);
    group.SetWidth(300);
    Redraw(group);
    const Point onHard{group.items[2].x + 2, 52};
    MouseState = MouseStatus{onHard.x, onHard.y, true};
    EXPECT_FALSE(DispatchPress(onHard)) << "entries and group all pass the press on";
    EXPECT_EQ(group.Selected(), 2) << "moved at the press";
    EXPECT_FALSE(group.items[0].chosen);
    EXPECT_TRUE(group.items[2].chosen);
    DispatchRelease(onHard);

    group.Select(1);
    EXPECT_EQ(group.Selected(), 1);
    EXPECT_TRUE(group.items[1].chosen);
    EXPECT_FALSE(group.items[2].chosen);
    for (int outside : {3, 10, -1}) {
        group.Select(outside);
        EXPECT_EQ(group.Selected(), 1) << "index " << outside << " ignored";
    }
}

TEST_F(WidgetClasses, BoxedGroupSpreadsEqualGapsAtBothEndsAndBetween) {
    ChoiceGroup group;
    // Entries measure label + two spaces: 50 + 10, 70 + 10, 50 + 10.
    group.AddChoice("aaaaa");
    group.AddChoice("bbbbbbb");
    group.AddChoice("ccccc");
    group.SetPosition(7, 40);
    group.SetWidth(300);
    Redraw(group);
    EXPECT_EQ(group.items[0].GetWidth(), 60);
    EXPECT_EQ(group.items[1].GetWidth(), 80);
    EXPECT_EQ(group.items[0].x, 7 + 25);
    EXPECT_EQ(group.items[1].x, 7 + 110);
    EXPECT_EQ(group.items[2].x, 7 + 215);
    EXPECT_EQ(group.GetHeight(), 18 + 9);
    EXPECT_EQ(group.items[1].y, 40);
    EXPECT_EQ(surface.At(7 + 25 + 1, 41), ToColor565(0xFFFFFF)) << "selected tab is white";
    EXPECT_EQ(surface.At(7 + 110 + 1, 41), ToColor565(WidgetNormalFill)) << "others are bare";
    MouseState = MouseStatus{7 + 25 + 1, 45, false};
    Redraw(group);
    EXPECT_EQ(surface.At(7 + 25, 50), ToColor565(WidgetHoverOutline));
    EXPECT_EQ(surface.At(7 + 25 + 1, 40), ToColor565(0)) << "the strip's line is drawn last";
}

TEST_F(WidgetClasses, UnboxedRowStartsAtXAndShowsEveryEntryAsABox) {
    ChoiceGroup group;
    group.boxed = false;
    group.AddChoice("aaaaa");
    group.AddChoice("bbbbbbb");
    group.AddChoice("ccccc");
    group.SetPosition(7, 40);
    group.SetWidth(300);
    Redraw(group);
    EXPECT_EQ(group.items[0].x, 7);
    EXPECT_EQ(group.items[1].x, 7 + 60 + 25);
    EXPECT_EQ(group.items[2].x, 7 + 60 + 25 + 80 + 25);
    EXPECT_FALSE(group.items[0].chosen) << "cleared before drawing, so shown in state colours";
    EXPECT_EQ(surface.At(8, 41), ToColor565(WidgetNormalFill));
    const Point onLast{group.items[2].x + 1, 41};
    MouseState = MouseStatus{onLast.x, onLast.y, true};
    DispatchPress(onLast);
    EXPECT_EQ(group.Selected(), 2);
}

TEST_F(WidgetClasses, CheckBoxIs32WithAFontOf16OrMoreAndThickensItsMarkOnlyThen) {
    bool checked = true;
    CheckBox box;
    EXPECT_EQ(box.GetWidth(), 32);
    EXPECT_EQ(box.GetHeight(), 32);
    box.SetTarget(&checked);
    box.SetPosition(10, 10);
    MouseState = MouseStatus{300, 190, false};
    // Large box: e = 4, the first stroke runs diagonally to B = (x + 12, y + 28).
    Redraw(box);
    EXPECT_EQ(surface.At(22, 38), ToColor565(0));
    EXPECT_EQ(surface.At(21, 38), ToColor565(0));
    EXPECT_EQ(surface.At(23, 38), ToColor565(0));
    EXPECT_EQ(surface.At(12, 12), ToColor565(WidgetNormalFill)) << "checked: state box";

    CurrentMetricFont boundary(CharWidth, SpaceAdvance, 16, 0);
    EXPECT_EQ(box.GetWidth(), 32);
    CurrentMetricFont small(CharWidth, SpaceAdvance, 15, 0);
    EXPECT_EQ(box.GetWidth(), 16);
    EXPECT_EQ(box.GetHeight(), 16);
    TestSurface clean(320, 200, Background);
    // Small box: e = 2, B = (x + 6, y + 14).
    Redraw(box);
    EXPECT_EQ(clean.At(16, 24), ToColor565(0));
    EXPECT_EQ(clean.At(15, 24), ToColor565(WidgetNormalFill));
    EXPECT_EQ(clean.At(17, 24), ToColor565(WidgetNormalFill));
}

TEST_F(WidgetClasses, CheckBoxGrowsWithALargeFontAndBoldensItsMarkPer32Pixels) {
    bool checked = true;
    CheckBox box;
    box.SetTarget(&checked);
    box.SetPosition(10, 10);
    {
        CurrentMetricFont stillLarge(CharWidth, SpaceAdvance, 21, 0);
        EXPECT_EQ(box.GetWidth(), 32) << "21 + 10 is still under the large box";
        CurrentMetricFont grown(CharWidth, SpaceAdvance, 22, 0);
        EXPECT_EQ(box.GetWidth(), 33);
    }
    CurrentMetricFont large(CharWidth, SpaceAdvance, 44, 0);
    EXPECT_EQ(box.GetWidth(), 66);
    EXPECT_EQ(box.GetHeight(), 66);
    MouseState = MouseStatus{300, 190, false};
    // e = 8, B = (x + 24, y + 58): five strokes, two pixels either side of it.
    Redraw(box);
    for (int dx = -2; dx <= 2; ++dx) {
        EXPECT_EQ(surface.At(34 + dx, 68), ToColor565(0)) << "stroke " << dx;
    }
    EXPECT_NE(surface.At(34 + 4, 68), ToColor565(0));
    EXPECT_NE(surface.At(34 - 4, 68), ToColor565(0));
}

TEST_F(WidgetClasses, CheckBoxFlipsItsBoolOncePerCompleteClick) {
    bool sound = true;
    CheckBox box;
    box.SetTarget(&sound);
    box.SetPosition(10, 10);
    Redraw(box);
    Click(11, 11);
    EXPECT_FALSE(sound);
    Redraw(box);
    EXPECT_EQ(surface.At(12, 12), ToColor565(0xFFFFFF)) << "unchecked: white box";
    Click(42, 42);
    EXPECT_FALSE(sound) << "the right and bottom edges miss";
    DispatchPress({11, 11});
    DispatchRelease({100, 100});
    EXPECT_FALSE(sound) << "released outside";
    Click(41, 41);
    EXPECT_TRUE(sound);
}

TEST_F(WidgetClasses, LinkOpensItsAddressOrItsLabelOnACompleteClick) {
    LinkLabel link;
    link.label = "www.example.test";
    link.active = true;
    link.SetPosition(10, 10);
    EXPECT_EQ(link.GetWidth(), 16 * CharWidth);
    EXPECT_EQ(link.GetHeight(), FontPixels);
    Redraw(link);
    Click(11, 11);
    link.url = "http://example.test/";
    DispatchPress({11, 11});
    DispatchRelease({300, 11});
    Redraw(link);
    Click(11, 11);
    const std::vector<std::string> expected{"www.example.test", "http://example.test/"};
    EXPECT_EQ(Opened, expected);
}

TEST_F(WidgetClasses, ActiveLinkUnderlineFollowsTheStateInactiveNeverChanges) {
    LinkLabel link;
    link.label = "abc";
    link.textColour = 0x123456;
    link.active = true;
    link.SetPosition(10, 10);
    MouseState = MouseStatus{11, 11, false};
    Redraw(link);
    EXPECT_EQ(surface.At(10, 28), ToColor565(WidgetHoverOutline));
    EXPECT_EQ(surface.At(40, 28), ToColor565(WidgetHoverOutline)) << "to x + width";
    MouseState.buttonDown = true;
    DispatchPress({11, 11});
    Redraw(link);
    EXPECT_EQ(surface.At(10, 28), ToColor565(WidgetPressedOutline));
    DispatchRelease({11, 11});
    Opened.clear();

    link.active = false;
    MouseState = MouseStatus{11, 11, false};
    Redraw(link);
    EXPECT_EQ(surface.At(10, 28), ToColor565(0x123456));
    Click(11, 11);
    EXPECT_TRUE(Opened.empty());
}

TEST_F(WidgetClasses, AChoiceEntryOverflowingANarrowGroupStillTakesTheSelection) {
    ChoiceGroup group;
    // Entries of 60, 80 and 60 in a width of 100: gaps of -25, so the first entry starts
    // 25 pixels left of the group and the last ends 25 pixels right of it.
    group.AddChoice("aaaaa");
    group.AddChoice("bbbbbbb");
    group.AddChoice("ccccc");
    group.SetPosition(100, 40);
    group.SetWidth(100);
    group.Select(2);
    Redraw(group);
    ASSERT_EQ(group.items[0].x, 75);
    Click(80, 45); // on the first entry, outside the group's box
    EXPECT_EQ(group.Selected(), 0);
    Redraw(group);
    Click(140, 45); // on the second entry only
    EXPECT_EQ(group.Selected(), 1);
    EXPECT_FALSE(group.items[0].chosen);
}

TEST_F(WidgetClasses, AChoiceMarkTheGroupNeverSawDoesNotStealALaterSelection) {
    ChoiceGroup group;
    group.AddChoice("aaaaa");
    group.AddChoice("bbbbbbb");
    group.AddChoice("ccccc");
    group.SetWidth(300);
    group.Select(2);
    // A full list: the entries still register, the group after them does not.
    std::vector<Button> filler(InputListCapacity - 3);
    ClearInputList();
    for (Button& button : filler) {
        button.SetPosition(0, 150);
        button.Draw();
    }
    group.Draw();
    const Point onFirst{group.items[0].x + 1, 5};
    Click(onFirst.x, onFirst.y);
    EXPECT_TRUE(group.items[0].chosen) << "marked, but the group was not reached";
    EXPECT_EQ(group.Selected(), 2);

    Redraw(group);
    EXPECT_FALSE(group.items[0].chosen) << "dropped when the row is drawn again";
    Click(group.items[1].x + 1, 5);
    EXPECT_EQ(group.Selected(), 1);
}

TEST_F(WidgetClasses, FontSizedControlsAreHitAsLargeAsTheyWereDrawn) {
    bool checked = false;
    CheckBox box;
    box.SetTarget(&checked);
    box.SetPosition(10, 10);
    LinkLabel link;
    link.label = "abc";
    link.active = true;
    link.SetPosition(100, 10);
    ChoiceGroup group;
    group.AddChoice("aaaaa");
    group.AddChoice("ccccc");
    group.SetPosition(0, 100);
    group.SetWidth(300);
    const auto drawAll = [&] {
        ClearInputList();
        box.Draw();
        link.Draw();
        group.Draw();
    };
    drawAll(); // 32-pixel box, link 30 wide and 18 high, entries 27 high
    {
        CurrentMetricFont other(3, 2, 8, 0); // current when the clicks arrive
        Click(35, 35);
        EXPECT_TRUE(checked) << "inside the drawn 32-pixel box";
        Click(125, 25);
        EXPECT_EQ(Opened.size(), 1u) << "inside the drawn link";
        Click(group.items[1].x + 55, 124);
        EXPECT_EQ(group.Selected(), 1) << "inside the drawn entry";
    }
    CurrentMetricFont small(CharWidth, SpaceAdvance, 12, 0);
    drawAll(); // a 16-pixel box
    SetCurrentFont(&font.font);
    Click(30, 30);
    EXPECT_TRUE(checked) << "outside the drawn 16-pixel box";
}
