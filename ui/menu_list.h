// MenuList: a column of up to five HoverButton entries, each one line of the current font
// plus the spacing high, with a sound played when the pointer comes onto a different entry.
// The list itself takes no input; its entries do, and the owner polls them with PollChosen.
#pragma once

#include <string>

#include "base/sound_cue.h"
#include "ui/hover_button.h"

class MenuList : public Widget {
  public:
    static constexpr int Capacity = 5;

    // All entries with the spacing between them (0 with no entries); also stored in height.
    int GetHeight() override;
    // Lays the entries out from (x, y), draws them and plays the hover sound.
    void Draw() override;

    // Adds an entry with this label; ignored once the list is full.
    void AddItem(const std::string& text);
    // The sound played on hover (borrowed; null for none).
    void SetHoverSound(SoundCue* sound);
    // The first clicked entry, in order, gives its index and true; each entry examined
    // has its click latch cleared.
    bool PollChosen(int* index);

    // Extra pixels below each entry's line.
    int spacing = 0;
    // The entry the hover sound last played for; never reset, so coming back onto the
    // same entry is silent.
    int lastHovered = -1;
    HoverButton items[Capacity];
    int count = 0;
    SoundCue* hoverSound = nullptr;
};
