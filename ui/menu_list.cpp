// MenuList layout, drawing, hover sound and polling.
#include "ui/menu_list.h"

#include "text/text.h"

int MenuList::GetHeight() {
    // An empty list is empty, not minus one spacing high.
    height = count > 0 ? count * FontHeight() + (count - 1) * spacing : 0;
    return height;
}

void MenuList::Draw() {
    int cursorY = y;
    for (int i = 0; i < count; ++i) {
        HoverButton& entry = items[i];
        entry.SetPosition(x, cursorY);
        entry.SetWidth(GetWidth());
        entry.SetHeight(FontHeight() + spacing);
        entry.Draw();
        if (entry.IsHovered() && i != lastHovered) {
            if (hoverSound != nullptr) {
                hoverSound->Play();
            }
            lastHovered = i;
        }
        cursorY += FontHeight() + spacing;
    }
}

void MenuList::AddItem(const std::string& text) {
    if (count < Capacity) {
        items[count].label = text;
        ++count;
    }
}

void MenuList::SetHoverSound(SoundCue* sound) {
    hoverSound = sound;
}

bool MenuList::PollChosen(int* index) {
    for (int i = 0; i < count; ++i) {
        if (items[i].WasClicked()) {
            *index = i;
            return true;
        }
    }
    return false;
}
