// The system's millisecond tick count, the calendar clock and sleeping.
#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32.
std::uint32_t SystemTickCount();
// Current calendar time in whole seconds.
std::uint32_t CalendarSeconds();
void SleepMilliseconds(int ms);
