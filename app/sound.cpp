// Sound requests: the program-wide switch, the flags each request carries, and the
// observer and mute seams tests use; the system's playback is in sound_win32.cpp.
#include "app/sound.h"

bool SoundEnabled = true;

namespace {

SoundObserver Observer = nullptr;
bool PlaybackMuted = false;

void Report(const Sound& sound, bool passedToSystem, std::uint32_t playFlags) {
    if (Observer != nullptr) {
        Observer(sound, passedToSystem, playFlags);
    }
}

} // namespace

Sound::Sound(ModuleHandle owner, int id) : resourceId(id), module(owner) {}

bool Sound::Play() {
    if (!SoundEnabled) {
        Report(*this, false, 0);
        return false;
    }
    // While muted, a request stops short of the system and reports success.
    if (resourceId > 0) {
        const std::uint32_t playFlags = flags | ResourcePlayFlags;
        Report(*this, true, playFlags);
        return PlaybackMuted || SystemPlaysResource(resourceId, module, playFlags);
    }
    const std::uint32_t playFlags = flags | FilePlayFlags;
    Report(*this, true, playFlags);
    return PlaybackMuted || SystemPlaysFile(fileName.c_str(), playFlags);
}

void SetSoundObserver(SoundObserver observer) {
    Observer = observer;
}

void SetSoundPlaybackMuted(bool muted) {
    PlaybackMuted = muted;
}
