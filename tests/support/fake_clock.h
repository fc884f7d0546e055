// A driven tick source: while a FakeClock exists every TickTimer reads its time, which
// moves only when the test advances it.
#pragma once

#include <cstdint>

#include "base/tick_timer.h"

class FakeClock {
  public:
    explicit FakeClock(std::uint32_t startMs = 100000) {
        now = startMs;
        SetTickSource(&Read);
    }
    ~FakeClock() { SetTickSource(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Advance(std::uint32_t ms) { now += ms; }
    void Set(std::uint32_t ms) { now = ms; }

  private:
    static std::uint32_t Read() { return now; }
    static inline std::uint32_t now = 0;
};
