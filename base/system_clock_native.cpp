// The native build's clocks: std::chrono stands in for the kernel32 and winmm ones, so the
// plain-C++ layers link and run on the build machine under the sanitizers.
#include "base/system_clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {
template <typename Unit> std::int64_t SteadyCount() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<Unit>(sinceStart).count();
}
} // namespace

std::uint32_t SystemTickCount() {
    // Wraps at 2^32 as the system's tick count does.
    return static_cast<std::uint32_t>(SteadyCount<std::chrono::milliseconds>());
}

std::uint32_t CalendarSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

std::string LocalDateTimeText() {
    const std::time_t now = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&now));
    return text;
}

std::int64_t PreciseMicroseconds() {
    return SteadyCount<std::chrono::microseconds>();
}

// The host's timers are already fine enough; there is no resolution to raise.
void BeginFineTimer() {}
void EndFineTimer() {}
