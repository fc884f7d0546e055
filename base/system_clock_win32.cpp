// The kernel32 clocks behind TickTimer and the frame loop, and winmm's timer resolution.
#include "base/system_clock.h"

#include <cstdio>
#include <ctime>

#include "base/platform_win32.h"

namespace {
// The finest timer resolution the loop asks for, in milliseconds.
constexpr UINT FineTimerMs = 1;
} // namespace

std::uint32_t SystemTickCount() {
    return GetTickCount();
}

std::uint32_t CalendarSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

std::string LocalDateTimeText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute);
    return text;
}

std::int64_t PreciseMicroseconds() {
    static const std::int64_t ticksPerSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<std::int64_t>(frequency.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t ticks = now.QuadPart;
    // Whole seconds and the remainder apart, so the product cannot overflow.
    return ticks / ticksPerSecond * 1000000 + ticks % ticksPerSecond * 1000000 / ticksPerSecond;
}

void BeginFineTimer() {
    timeBeginPeriod(FineTimerMs);
}

void EndFineTimer() {
    timeEndPeriod(FineTimerMs);
}
