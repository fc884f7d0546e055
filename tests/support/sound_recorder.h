// Records every sound request while it exists and keeps the system silent, so tests can
// count what was asked for without hearing it.
#pragma once

#include <cstdint>
#include <vector>

#include "app/sound.h"

struct SoundRequest {
    int resourceId = 0;
    bool passedToSystem = false;
    std::uint32_t playFlags = 0;
};

class SoundRecorder {
  public:
    SoundRecorder() {
        requests.clear();
        SetSoundObserver(&Record);
        SetSoundPlaybackMuted(true);
    }
    ~SoundRecorder() {
        SetSoundObserver(nullptr);
        SetSoundPlaybackMuted(false);
    }
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    const std::vector<SoundRequest>& Requests() const { return requests; }

  private:
    static void Record(const Sound& sound, bool passedToSystem, std::uint32_t playFlags) {
        requests.push_back({sound.resourceId, passedToSystem, playFlags});
    }
    static inline std::vector<SoundRequest> requests;
};
