// The input list. Controls register here while they are drawn.
#include "ui/widget.h"

void ClearInputList() {}

bool DispatchPress(Point) {
    return false;
}

bool DispatchRelease(Point) {
    return false;
}
