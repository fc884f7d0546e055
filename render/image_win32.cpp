// Image loading: finds, loads and locks a bitmap resource (the program's only resource
// loading) and gives it back.
#include "render/image.h"

#include "base/platform_win32.h"

bool Image::Load(ModuleHandle module, int id, ColorRef keyColour) {
    if (resource != nullptr) {
        Free();
    }
    fromResource = true;
    StoreKey(keyColour);
    resourceId = id;
    const HMODULE owner = static_cast<HMODULE>(module);
    // Type 2 is RT_BITMAP, spelled out so the ANSI call gets an ANSI name.
    HRSRC found = FindResourceA(owner, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = found != nullptr ? LoadResource(owner, found) : nullptr;
    resource = loaded;
    const void* locked = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (locked == nullptr) {
        Clear();
        return false;
    }
    return Attach(static_cast<const std::uint8_t*>(locked), SizeofResource(owner, found));
}

void Image::Free() {
    if (resource != nullptr) {
        // A no-op on 32-bit and later Windows; kept so every load has its release.
        FreeResource(static_cast<HGLOBAL>(resource));
        resource = nullptr;
    }
    pixelData = nullptr;
}
