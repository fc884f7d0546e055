// The controls' per-frame input list: emptied before every frame, filled by the controls
// as they are drawn, and offered each left press and release in drawing order.
#pragma once

#include "render/geometry.h"

// Empties the input list (start of every frame).
void ClearInputList();
// Offers a left press to the controls drawn in the last frame; true when one took it.
bool DispatchPress(Point point);
// Offers a left release to the pressed controls; true when one took it.
bool DispatchRelease(Point point);
