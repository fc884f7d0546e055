// The program-wide mouse state.
#include "base/mouse_state.h"

MouseStatus MouseState;
