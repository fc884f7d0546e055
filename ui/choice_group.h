// ChoiceGroup: a row of up to ten ChoiceItem entries of which exactly one is selected. The
// selection moves on the press: the entry under the pointer marks itself chosen and passes
// the press on to the group, which is registered after its entries. Boxed, the row is a
// strip of tabs with even gaps at both ends; unboxed, the entries start at x.
#pragma once

#include <string>

#include "ui/widget.h"

class ChoiceItem : public Widget {
  public:
    // Passes presses on, so the group behind it sees them too.
    ChoiceItem();

    // The label plus a space on each side.
    int GetWidth() override;
    // One and a half font heights.
    int GetHeight() override;
    void Draw() override;
    void OnPress(Point point) override;

    // The selected entry of its group: drawn as a box rather than bare text.
    bool current = true;
    // Set by a press on the entry; the group reads it at that press, clears it when the
    // selection moves away, and before every draw keeps it only on a boxed strip's
    // selected entry.
    bool chosen = false;
};

class ChoiceGroup : public Widget {
  public:
    static constexpr int Capacity = 10;

    // Passes presses on, like its entries.
    ChoiceGroup();

    // The first entry's height (0 with no entries); also stored in height.
    int GetHeight() override;
    // Draws the entries spread over width, then registers the group itself.
    void Draw() override;
    // Moves the selection to the entry the press marked chosen.
    void OnPress(Point point) override;

    // Adds an entry with this label; the first one is selected. Ignored once full.
    void AddChoice(const std::string& text);
    // Selects entry index; an index outside the entries is ignored.
    void Select(int index);
    int Selected() const { return selected; }

    // Draw as a boxed strip of tabs (true) or as a bare row of entries.
    bool boxed = true;
    ChoiceItem items[Capacity];
    int count = 0;
    int selected = 0;

  private:
    // Widens the registered hit area over entries that overflow the group (a row too
    // narrow for its labels), so every press on an entry reaches the group as well.
    void SpanEntries();
    // The space left over by the entries, shared evenly between count + 1 gaps.
    int Gap();
};
