// The system's millisecond tick count, the calendar clock, the performance counter the
// frame loop paces itself by, and the system timer resolution raised for the run.
#pragma once

#include <cstdint>
#include <string>

// Milliseconds since the system started, wrapping at 2^32.
std::uint32_t SystemTickCount();
// Current calendar time in whole seconds.
std::uint32_t CalendarSeconds();
// The local date and time to the minute: "2026-12-08 19:52".
std::string LocalDateTimeText();
// Microseconds on the performance counter: steady, finer than the tick count.
std::int64_t PreciseMicroseconds();
// Raises the system timer resolution to 1 ms, so waits end on time rather than in the
// system's default steps of about 15.6 ms; EndFineTimer undoes it.
void BeginFineTimer();
void EndFineTimer();
