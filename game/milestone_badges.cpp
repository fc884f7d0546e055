#include "game/milestone_badges.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/panel_drawing.h"
#include "progress/milestones.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef RibbonColour = 0xB67B2C; // the grid's "fast and sure" blue
constexpr ColorRef MedalColour = 0x28BEF0;
constexpr ColorRef MedalEdgeColour = 0x0078AA;
constexpr ColorRef CheckColour = 0xFFFFFF;
constexpr int Scallops = 12;

// A badge's place and the area it is in.
struct Slot {
    Box place;
    std::size_t area = 0;
};

// The slot for an item w wide after last (at the first area's top left for none): on last's
// row when it fits there, else at the start of the next row, else of the next area that has
// room; false when none has.
bool NextSlot(const Slot* last, int w, int height, int gap, const std::vector<Box>& areas,
              Slot& slot) {
    std::size_t area = last != nullptr ? last->area : 0;
    if (area >= areas.size()) {
        return false;
    }
    int x = areas[area].x;
    int y = areas[area].y;
    if (last != nullptr) {
        x = RightOf(last->place) + gap;
        y = last->place.y;
        if (x + w > RightOf(areas[area])) {
            x = areas[area].x;
            y += height + gap;
        }
    }
    for (;;) {
        const Box& box = areas[area];
        if (w <= box.width && y + height <= BottomOf(box)) {
            slot = {{x, y, w, height}, area};
            return true;
        }
        if (++area == areas.size()) {
            return false;
        }
        x = areas[area].x;
        y = areas[area].y;
    }
}

// Two strokes a pixel apart, so the mark reads at small sizes.
void ThickLine(int x0, int y0, int x1, int y1, ColorRef colour) {
    DrawLine(x0, y0, x1, y1, colour);
    DrawLine(x0, y0 + 1, x1, y1 + 1, colour);
}

// A rosette on two ribbon tails with a check mark, side pixels high and RosetteWidth wide at
// (x, y).
void DrawRosette(int x, int y, int side) {
    const int outer = side * 2 / 5;
    const int cx = x + outer;
    const int cy = y + outer;
    const int scallop = std::max(1, outer / 5);
    const int ring = outer - scallop;
    for (int dx = -1; dx <= 1; ++dx) {
        DrawLine(cx + dx, cy, cx - side / 4 + dx, y + side - 1, RibbonColour);
        DrawLine(cx + dx, cy, cx + side / 4 + dx, y + side - 1, RibbonColour);
    }
    FillCircle(cx, cy, ring, RibbonColour);
    for (int i = 0; i < Scallops; ++i) {
        const double angle = 2 * 3.14159265358979 * i / Scallops;
        FillCircle(cx + static_cast<int>(std::lround(ring * std::cos(angle))),
                   cy + static_cast<int>(std::lround(ring * std::sin(angle))), scallop,
                   RibbonColour);
    }
    const int medal = ring * 3 / 4;
    FillCircle(cx, cy, medal, MedalColour);
    DrawCircle(cx, cy, medal, MedalEdgeColour);
    const int k = medal / 2;
    ThickLine(cx - k, cy, cx - k / 3, cy + k * 2 / 3, CheckColour);
    ThickLine(cx - k / 3, cy + k * 2 / 3, cx + k, cy - k * 2 / 3, CheckColour);
}

void DrawStyledLine(const std::string& text, int x, int y, ColorRef colour) {
    TextStyle style;
    style.colour = colour;
    DrawText(text.c_str(), x, y, style);
}

// The rosette's height, its width (its scallops' reach across) and where the text starts.
int RosetteSide() {
    return BadgeHeight();
}
int RosetteWidth() {
    return RosetteSide() * 4 / 5 + 1;
}
int TextLeft() {
    return RosetteWidth() + FontHeight() / 4;
}

int BadgeWidth(const Milestone& milestone) {
    return TextLeft() +
           std::max(TextWidth(MilestoneText(milestone).c_str()), TextWidth(milestone.date.c_str()));
}

void DrawBadge(const Milestone& milestone, const Box& place) {
    DrawRosette(place.x, place.y, RosetteSide());
    DrawStyledLine(MilestoneText(milestone), place.x + TextLeft(), place.y, Ink);
    DrawStyledLine(milestone.date, place.x + TextLeft(), place.y + FontHeight(), QuietColour);
}

} // namespace

BadgePlacement PlaceBadges(const std::vector<int>& widths, int height, int gap,
                           const std::vector<Box>& areas,
                           const std::function<int(int)>& moreWidth) {
    std::vector<Slot> slots;
    for (const int width : widths) {
        Slot slot;
        if (!NextSlot(slots.empty() ? nullptr : &slots.back(), width, height, gap, areas, slot)) {
            break;
        }
        slots.push_back(slot);
    }
    BadgePlacement placement;
    std::size_t shown = slots.size();
    if (shown < widths.size()) {
        // Drop the last badges until the note fits after the rest.
        Slot note;
        while (!NextSlot(shown > 0 ? &slots[shown - 1] : nullptr,
                         moreWidth(static_cast<int>(widths.size() - shown)), height, gap, areas,
                         note)) {
            if (shown-- == 0) {
                return placement;
            }
        }
        placement.more = note.place;
        placement.hidden = static_cast<int>(widths.size() - shown);
    }
    for (std::size_t i = 0; i < shown; ++i) {
        placement.badges.push_back(slots[i].place);
    }
    return placement;
}

int BadgeHeight() {
    return 2 * FontHeight();
}

std::string MoreBadgesText(int hidden) {
    // Translators: how many badges there was no room for
    return FormatText(Tr("+{1} more"), {std::to_string(hidden)});
}

namespace {

BadgePlacement PlaceShownBadges(const std::vector<Milestone>& newestFirst,
                                const std::vector<Box>& areas) {
    std::vector<int> widths;
    for (const Milestone& milestone : newestFirst) {
        widths.push_back(BadgeWidth(milestone));
    }
    return PlaceBadges(widths, BadgeHeight(), FontHeight(), areas,
                       [](int hidden) { return TextWidth(MoreBadgesText(hidden).c_str()); });
}

// What the newest badge's room depends on besides the font: the areas and its text.
std::string NewestBadgeKey(const Milestone& newest, const std::vector<Box>& areas) {
    std::string key = MilestoneText(newest) + newest.date;
    for (const Box& area : areas) {
        key += " " + std::to_string(area.width) + "x" + std::to_string(area.height);
    }
    return key;
}

} // namespace

void DrawMilestoneBadges(const std::vector<Milestone>& newestFirst, const std::vector<Box>& areas,
                         ShrunkFont& smaller) {
    BadgePlacement placement = PlaceShownBadges(newestFirst, areas);
    Font* font = CurrentFont();
    if (!newestFirst.empty() && placement.badges.empty()) {
        font = smaller.FitMeasured(
            [&] { return PlaceShownBadges(newestFirst, areas).badges.empty() ? 1 : 0; }, 0,
            NewestBadgeKey(newestFirst.front(), areas));
        DrawInFont(font, [&] { placement = PlaceShownBadges(newestFirst, areas); });
    }
    DrawInFont(font, [&] {
        for (std::size_t i = 0; i < placement.badges.size(); ++i) {
            DrawBadge(newestFirst[i], placement.badges[i]);
        }
        if (placement.hidden > 0) {
            const Box& more = placement.more;
            DrawPlainText(MoreBadgesText(placement.hidden).c_str(), more.x,
                          more.y + CenterOffset(more.height, FontHeight()), QuietColour);
        }
    });
}
