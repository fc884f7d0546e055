// TickTimer: milliseconds measured on the system tick count, with pause and resume.
// All tick arithmetic is modulo 2^32, so timing keeps working across the counter's wrap.
// Test seam: SetTickSource replaces the system tick count (off by default).
#pragma once

#include <cstdint>

using TickSource = std::uint32_t (*)();

// Replaces the tick count every timer reads; nullptr restores the system tick count.
void SetTickSource(TickSource source);
// The current tick count in milliseconds, from the tick source.
std::uint32_t CurrentTick();

class TickTimer {
  public:
    // Starts timing now, not paused.
    TickTimer();
    // Starts again from now with nothing frozen; the paused flag is kept.
    void Restart();
    // Milliseconds since the start (the frozen value while paused).
    std::uint32_t Elapsed() const;
    std::uint32_t ElapsedSeconds() const { return Elapsed() / 1000u; }
    // Freezes the elapsed time (pausing twice keeps the first value) and returns it.
    std::uint32_t Pause();
    // Continues from the frozen value; nothing when not paused.
    void Resume();
    // Moves the start by ms, so Elapsed drops by ms. Lost at Resume while paused.
    void AdvanceStart(int ms);

    std::uint32_t start = 0;
    std::uint32_t frozen = 0;
    bool paused = false;
};
