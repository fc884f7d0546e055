// Sound playback through winmm's PlaySoundA, the one place the program asks for audio.
#include "app/sound.h"

#include "base/platform_win32.h"

static_assert(ResourcePlayFlags == (SND_RESOURCE | SND_ASYNC), "resource play flags");
static_assert(FilePlayFlags == (SND_FILENAME | SND_ASYNC), "file play flags");

bool SystemPlaysResource(int resourceId, ModuleHandle module, std::uint32_t playFlags) {
    return PlaySoundA(MAKEINTRESOURCEA(resourceId), static_cast<HMODULE>(module), playFlags) !=
           FALSE;
}

bool SystemPlaysFile(const char* fileName, std::uint32_t playFlags) {
    return PlaySoundA(fileName, nullptr, playFlags) != FALSE;
}
