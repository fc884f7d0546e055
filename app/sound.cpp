// Sound playback through winmm's PlaySoundA, the one place the program asks for audio.
#include "app/sound.h"

#include "base/platform_win32.h"

bool SoundEnabled = true;

static_assert(ResourcePlayFlags == (SND_RESOURCE | SND_ASYNC), "resource play flags");
static_assert(FilePlayFlags == (SND_FILENAME | SND_ASYNC), "file play flags");

namespace {

SoundObserver Observer = nullptr;
bool PlaybackMuted = false;

void Report(const Sound& sound, bool passedToSystem, std::uint32_t playFlags) {
    if (Observer != nullptr) {
        Observer(sound, passedToSystem, playFlags);
    }
}

// One request to the system; the muted seam stops here and reports success.
bool PassToSystem(const char* name, ModuleHandle module, std::uint32_t playFlags) {
    if (PlaybackMuted) {
        return true;
    }
    return PlaySoundA(name, static_cast<HMODULE>(module), playFlags) != FALSE;
}

} // namespace

Sound::Sound(ModuleHandle owner, int id) : resourceId(id), module(owner) {}

bool Sound::Play() {
    if (!SoundEnabled) {
        Report(*this, false, 0);
        return false;
    }
    if (resourceId > 0) {
        const std::uint32_t playFlags = flags | ResourcePlayFlags;
        Report(*this, true, playFlags);
        return PassToSystem(MAKEINTRESOURCEA(resourceId), module, playFlags);
    }
    const std::uint32_t playFlags = flags | FilePlayFlags;
    Report(*this, true, playFlags);
    return PassToSystem(fileName.c_str(), nullptr, playFlags);
}

void SetSoundObserver(SoundObserver observer) {
    Observer = observer;
}

void SetSoundPlaybackMuted(bool muted) {
    PlaybackMuted = muted;
}
