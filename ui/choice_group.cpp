// ChoiceItem and ChoiceGroup: sizes from the current font, the tab-strip and row drawing,
// and the selection that moves on a press.
#include "ui/choice_group.h"

#include <algorithm>

#include "render/primitives.h"
#include "text/text.h"

namespace {

constexpr ColorRef Black = 0x000000;
constexpr ColorRef White = 0xFFFFFF;

} // namespace

ChoiceItem::ChoiceItem() {
    passThrough = true;
}

int ChoiceItem::GetWidth() {
    return TextWidth(ShownLabel()) + 2 * SpaceWidth();
}

int ChoiceItem::GetHeight() {
    const int h = FontHeight();
    return h + (h >> 1);
}

void ChoiceItem::Draw() {
    RegisterForInput();
    if (current) {
        textColour = Black;
        const int thickness = framed || IsHovered() ? 1 : 0;
        const ColorRef fill = chosen ? White : FillColour();
        DrawBox(x, y, GetWidth(), GetHeight(), OutlineColour(), thickness, fill);
    } else {
        textColour = OutlineColour();
    }
    DrawPlainText(ShownLabel(), x + SpaceWidth(), y + (FontHeight() >> 2), textColour);
}

void ChoiceItem::OnPress(Point) {
    chosen = true;
}

ChoiceGroup::ChoiceGroup() {
    passThrough = true;
}

int ChoiceGroup::GetHeight() {
    height = count > 0 ? items[0].GetHeight() : 0;
    return height;
}

void ChoiceGroup::Draw() {
    if (count == 0) {
        return;
    }
    if (boxed) {
        DrawBox(x, y, GetWidth(), GetHeight(), Black, 1, WidgetNormalFill);
    }
    const int gap = Gap();
    int cursorX = boxed ? x + gap : x;
    for (int i = 0; i < count; ++i) {
        ChoiceItem& entry = items[i];
        entry.framed = boxed ? i == selected : true;
        entry.SetPosition(cursorX, y);
        // Only a boxed strip's selected tab keeps its mark (it shows white); any other
        // mark is dropped, so none outlives the frame it was made in.
        entry.chosen = boxed && i == selected;
        entry.current = i == selected;
        entry.Draw();
        cursorX += entry.GetWidth() + gap;
    }
    RegisterForInput();
    SpanEntries();
    if (boxed) {
        HLine(x, y, x + GetWidth(), Black);
        HLine(x, y + GetHeight(), x + GetWidth(), Black);
    }
}

void ChoiceGroup::OnPress(Point) {
    for (int i = 0; i < count; ++i) {
        if (items[i].chosen && i != selected) {
            items[selected].chosen = false;
            selected = i;
            return;
        }
    }
}

void ChoiceGroup::AddChoice(const std::string& text) {
    if (count >= Capacity) {
        return;
    }
    items[count].label = text;
    ++count;
    if (count == 1) {
        selected = 0;
        items[0].chosen = true;
    }
}

void ChoiceGroup::Select(int index) {
    // A damaged settings file can hand over any number; only real entries are taken.
    if (index < 0 || index >= count || index == selected) {
        return;
    }
    items[selected].chosen = false;
    selected = index;
    items[index].chosen = true;
}

void ChoiceGroup::SpanEntries() {
    for (int i = 0; i < count; ++i) {
        hitArea.left = std::min(hitArea.left, items[i].hitArea.left);
        hitArea.right = std::max(hitArea.right, items[i].hitArea.right);
    }
}

int ChoiceGroup::Gap() {
    int entriesWidth = 0;
    for (int i = 0; i < count; ++i) {
        entriesWidth += items[i].GetWidth();
    }
    // Truncated toward zero, also when the entries overflow the width.
    return (width - entriesWidth) / (count + 1);
}
