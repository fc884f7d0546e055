// TickTimer and the replaceable tick source behind every timer of the program.
#include "base/tick_timer.h"

#include "base/system_clock.h"

namespace {
TickSource ActiveTickSource = nullptr;
}

void SetTickSource(TickSource source) {
    ActiveTickSource = source;
}

std::uint32_t CurrentTick() {
    return ActiveTickSource != nullptr ? ActiveTickSource() : SystemTickCount();
}

TickTimer::TickTimer() : start(CurrentTick()) {}

void TickTimer::Restart() {
    start = CurrentTick();
    frozen = 0;
}

std::uint32_t TickTimer::Elapsed() const {
    return paused ? frozen : CurrentTick() - start;
}

std::uint32_t TickTimer::Pause() {
    if (!paused) {
        frozen = CurrentTick() - start;
    }
    paused = true;
    return frozen;
}

void TickTimer::Resume() {
    if (paused) {
        paused = false;
        start = CurrentTick() - frozen;
    }
}

void TickTimer::AdvanceStart(int ms) {
    start += static_cast<std::uint32_t>(ms);
}
