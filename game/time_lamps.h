// The three lamps under the clock: how much time is left, at a glance. Below five
// seconds all three blink red and white.
#pragma once

#include "base/color.h"

constexpr ColorRef LampOff = 0xFFFFFF;
constexpr ColorRef LampRed = 0x0000FF;
constexpr ColorRef LampYellow = 0x00FFFF;
constexpr ColorRef LampGreen = 0x00FF00;

// Whether the lamps blink at remainingSeconds (in the last seconds).
bool LampsBlink(int remainingSeconds);
// Fills lamps[0..2] for remainingSeconds; blinkPhase picks red (true) or white below 5 s.
void LampColours(int remainingSeconds, bool blinkPhase, ColorRef lamps[3]);
