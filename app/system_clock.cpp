// The kernel32 clock and sleep calls behind TickTimer and the frame loop.
#include "app/system_clock.h"

#include <ctime>

#include "app/win32.h"

std::uint32_t SystemTickCount() {
    return GetTickCount();
}

std::uint32_t CalendarSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

void SleepMilliseconds(int ms) {
    Sleep(static_cast<DWORD>(ms));
}
