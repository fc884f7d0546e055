// Sound: one WAVE resource of the program (or a WAVE file) played asynchronously through
// the system (sound_win32.cpp), subject to the program-wide SoundEnabled switch. Playback is
// fire-and-forget: a new sound cuts off the one playing unless its flags ask for SND_NOSTOP. Tests
// can watch every request and keep the system silent through the two seams below.
#pragma once

#include <cstdint>
#include <string>

#include "base/platform_types.h"
#include "base/sound_cue.h"

class Sound final : public SoundCue {
  public:
    // A sound of the resource with this id in module (null module: this program).
    Sound(ModuleHandle module, int resourceId);
    // Plays the resource (id > 0) or else the file; false when switched off or it failed.
    bool Play() override;

    // Extra playback flags ORed into every request (for example SND_NOSTOP).
    std::uint32_t flags = 0;
    // File played when resourceId is not positive.
    std::string fileName;
    int resourceId = 0;
    ModuleHandle module = nullptr;
};

// The program-wide sound switch: while false no sound is requested at all.
extern bool SoundEnabled;

// Flags Play adds for a resource sound (SND_RESOURCE | SND_ASYNC) and a file sound
// (SND_FILENAME | SND_ASYNC).
constexpr std::uint32_t ResourcePlayFlags = 0x40005u;
constexpr std::uint32_t FilePlayFlags = 0x20001u;

// Test seam, off by default: told of every Play request, with whether it reached the system
// (false while SoundEnabled is off) and the flags used (0 when it did not).
using SoundObserver = void (*)(const Sound& sound, bool passedToSystem, std::uint32_t playFlags);
void SetSoundObserver(SoundObserver observer);
// Test seam: while muted, Play does everything except call the system and reports success.
void SetSoundPlaybackMuted(bool muted);

// The system's side of Play (sound_win32.cpp): one asynchronous request to winmm for a
// resource of module or a file; true when the system took it.
bool SystemPlaysResource(int resourceId, ModuleHandle module, std::uint32_t playFlags);
bool SystemPlaysFile(const char* fileName, std::uint32_t playFlags);
